// The file and colour dialogs: the filter and proposed name as Qt takes
// them, and what the dialogs hand back to the tools.
#include "forms/commondialog.h"
#include "desktop/filedialogs.h"
#include "desktop/filefilter.h"
#include "desktop/desktopservices.h"
#include "modalanswer.h"
#include "testmain.h"

#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>

using namespace pelk;

Q_DECLARE_METATYPE(pelk::ProposedFile)

namespace {

// The patterns inside a Qt name filter's parentheses.
QStringList patternsOf(const QString &nameFilter)
{
    const QRegularExpressionMatch match = QRegularExpression(R"(\(([^()]*)\)$)").match(nameFilter);
    return match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

class FileDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void nameFilters_data();
    void nameFilters();
    void patternsMatchEitherCase();
    void proposedFile_data();
    void proposedFile();

    void fileDialogSetUp_data();
    void fileDialogSetUp();
    void saveReturnsTheChosenPath();
    void cancelledFileDialog_data();
    void cancelledFileDialog();

    void colorDialogStart_data();
    void colorDialogStart();
    void colorDialogReturnsTheColorNumber();
    void dialogsSurviveTheirOwner_data();
    void dialogsSurviveTheirOwner();
    void clipboard_data();
    void clipboard();
};

void FileDialogsTest::nameFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("nameFilters");

    QTest::newRow("wizard Open") << "Text Files *.txt|*.txt" << QStringList{"Text Files *.txt (*.[tT][xX][tT])"};
    QTest::newRow("wizard Save") << "*.txt|*.txt" << QStringList{"*.txt (*.[tT][xX][tT])"};
    QTest::newRow("parenthesis in the description") << "txt)|*.txt" << QStringList{"txt) (*.[tT][xX][tT])"};
    QTest::newRow("two pairs, two patterns") << "Pictures|*.bmp;*.gif|All Files|*.*"
                                             << QStringList{"Pictures (*.[bB][mM][pP] *.[gG][iI][fF])", "All Files (*)"};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("description without pattern dropped") << "Odd|*.a|Lonely" << QStringList{"Odd (*.[aA])"};
    QTest::newRow("empty description shows the pattern") << "|*.txt" << QStringList{"*.txt (*.[tT][xX][tT])"};
    QTest::newRow("empty pattern matches all") << "Anything|" << QStringList{"Anything (*)"};
    QTest::newRow("digits and brackets kept") << "Mixed|*.7z;*.[ch]" << QStringList{"Mixed (*.7[zZ] *.[ch])"};
    QTest::newRow("blanks round patterns") << "Text| *.txt ; ;*.log " << QStringList{"Text (*.[tT][xX][tT] *.[lL][oO][gG])"};
}

void FileDialogsTest::nameFilters()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, nameFilters);
    QCOMPARE(qtNameFilters(filter), nameFilters);
}

void FileDialogsTest::patternsMatchEitherCase()
{
    QTemporaryDir dir;
    for (const char *name : {"a.txt", "B.TXT", "notes.Txt", "c.doc", "txt", "d.txt.bak"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QStringList patterns = patternsOf(qtNameFilters(QStringLiteral("Text Files *.txt|*.txt")).first());
    QCOMPARE(QDir(dir.path()).entryList(patterns, QDir::Files, QDir::Name),
             (QStringList{"B.TXT", "a.txt", "notes.Txt"}));
    const QStringList all = patternsOf(qtNameFilters(QStringLiteral("All|*.*")).first());
    QCOMPARE(QDir(dir.path()).entryList(all, QDir::Files).size(), 6);
}

void FileDialogsTest::proposedFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<ProposedFile>("split");

    QTest::newRow("program folder, backslash") << "/opt/pelk\\Untitled" << ProposedFile{"/opt/pelk", "Untitled"};
    QTest::newRow("slash") << "/opt/pelk/My Title" << ProposedFile{"/opt/pelk", "My Title"};
    QTest::newRow("bare name") << "Untitled" << ProposedFile{"", "Untitled"};
    QTest::newRow("empty") << "" << ProposedFile{"", ""};
    QTest::newRow("root") << "\\x.txt" << ProposedFile{"/", "x.txt"};
    QTest::newRow("backslashes inside") << "/tmp/a\\b\\c.txt" << ProposedFile{"/tmp/a/b", "c.txt"};
    QTest::newRow("folder only") << "/opt/pelk\\" << ProposedFile{"/opt/pelk", ""};
}

void FileDialogsTest::proposedFile()
{
    QFETCH(QString, fileName);
    QFETCH(ProposedFile, split);
    QCOMPARE(splitProposedFile(fileName), split);
}

void FileDialogsTest::fileDialogSetUp_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("asksBeforeReplacing");

    QTest::newRow("Open") << int(FileDialogMode::Open) << 0 << "Open" << false;
    QTest::newRow("Save") << int(FileDialogMode::Save) << 0 << "Save As" << false;
    QTest::newRow("Save asked to confirm") << int(FileDialogMode::Save) << 2 << "Save As" << true;
}

void FileDialogsTest::fileDialogSetUp()
{
    QFETCH(int, mode);
    QFETCH(int, flags);
    QFETCH(QString, title);
    QFETCH(bool, asksBeforeReplacing);

    QTemporaryDir dir;
    const auto dialog = makeFileDialog(FileDialogMode(mode), dir.path() + "\\Greeting",
                                       QStringLiteral("Text Files *.txt|*.txt"), flags, nullptr);
    QCOMPARE(dialog->windowTitle(), title);
    QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
    QVERIFY(dialog->testOption(QFileDialog::HideNameFilterDetails));
    if (FileDialogMode(mode) == FileDialogMode::Save)
        QCOMPARE(dialog->testOption(QFileDialog::DontConfirmOverwrite), !asksBeforeReplacing);
    QCOMPARE(dialog->acceptMode(),
             FileDialogMode(mode) == FileDialogMode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    QCOMPARE(dialog->nameFilters(), QStringList{"Text Files *.txt (*.[tT][xX][tT])"});
    QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
    QCOMPARE(dialog->defaultSuffix(), QString()); // no extension is added to a typed name
}

void FileDialogsTest::saveReturnsTheChosenPath()
{
    QTemporaryDir dir;
    DesktopServices platform(dir.path());
    CommonDialog dialog(platform);
    dialog.Filter = QStringLiteral("*.txt|*.txt");
    dialog.FileName = dir.path() + QStringLiteral("\\Untitled");
    dialog.CancelError = true;

    QString proposed;
    whenModalShows<QFileDialog>([&](QFileDialog *shown) {
        proposed = shown->selectedFiles().value(0);
        static_cast<QDialog *>(shown)->accept(); // as the Save button does
    });
    QVERIFY(dialog.ShowSave().ok());
    QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("Untitled"));
    QCOMPARE(QDir(QFileInfo(dialog.FileName).absolutePath()).canonicalPath(), QDir(dir.path()).canonicalPath());
    QCOMPARE(QFileInfo(dialog.FileName).fileName(), QStringLiteral("Untitled"));
    QCOMPARE(dialog.FileTitle, QStringLiteral("Untitled"));

    // An existing file is chosen without a question: the tools ask their own.
    QFile existing(dir.filePath("Greeting.txt"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    dialog.FileName = existing.fileName();
    whenModalShows<QFileDialog>([](QFileDialog *shown) { static_cast<QDialog *>(shown)->accept(); });
    QVERIFY(dialog.ShowSave().ok());
    QCOMPARE(dialog.FileTitle, QStringLiteral("Greeting.txt"));
    QVERIFY(!QApplication::activeModalWidget());
}

void FileDialogsTest::cancelledFileDialog_data()
{
    QTest::addColumn<bool>("cancelError");
    QTest::newRow("Cancel returns") << false;
    QTest::newRow("Cancel raises the cancel error") << true;
}

void FileDialogsTest::cancelledFileDialog()
{
    QFETCH(bool, cancelError);

    DesktopServices platform(QStringLiteral("/opt/pelk"));
    CommonDialog dialog(platform);
    dialog.Filter = QStringLiteral("Text Files *.txt|*.txt");
    dialog.FileName = QStringLiteral("/tmp/earlier.txt");
    dialog.CancelError = cancelError;
    whenModalShows<QFileDialog>([](QFileDialog *shown) { shown->reject(); });
    const Status shown = dialog.ShowOpen();
    QCOMPARE(shown ? 0 : shown.error().number(), cancelError ? int(errDialogCancel) : 0);
    QCOMPARE(dialog.FileName, QString());
}

void FileDialogsTest::colorDialogStart_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<QColor>("start");

    // Red 0x40, green 0x80, blue 0xFF.
    QTest::newRow("custom colours open, no start colour") << 2 << QColor(0, 0, 0);
    QTest::newRow("start colour asked for") << 1 << QColor(0x40, 0x80, 0xFF);
    QTest::newRow("both") << 3 << QColor(0x40, 0x80, 0xFF);
}

void FileDialogsTest::colorDialogStart()
{
    QFETCH(int, flags);
    QFETCH(QColor, start);

    const auto dialog = makeColorDialog(0xFF8040, flags, nullptr);
    QCOMPARE(dialog->currentColor(), start);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Color"));
    QVERIFY(dialog->testOption(QColorDialog::DontUseNativeDialog));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    bool customColors = false;
    for (QLabel *label : dialog->findChildren<QLabel *>())
        customColors = customColors || (label->text() == QStringLiteral("&Custom colors") && label->isVisible());
    QVERIFY(customColors);
}

void FileDialogsTest::colorDialogReturnsTheColorNumber()
{
    DesktopServices platform(QStringLiteral("/opt/pelk"));
    CommonDialog dialog(platform);
    dialog.Flags = 2;
    dialog.CancelError = true;
    whenModalShows<QColorDialog>([](QColorDialog *shown) {
        shown->setCurrentColor(QColor(1, 2, 3));
        shown->accept();
    });
    QVERIFY(dialog.ShowColor().ok());
    QCOMPARE(dialog.Color, quint32(1 + 2 * 256 + 3 * 65536));

    whenModalShows<QColorDialog>([](QColorDialog *shown) { shown->reject(); });
    const Status shown = dialog.ShowColor();
    QCOMPARE(shown ? 0 : shown.error().number(), int(errDialogCancel));
    QCOMPARE(dialog.Color, quint32(1 + 2 * 256 + 3 * 65536));
}

void FileDialogsTest::dialogsSurviveTheirOwner_data()
{
    QTest::addColumn<bool>("color");
    QTest::newRow("file") << false;
    QTest::newRow("color") << true;
}

// The owner is deleted while the dialog waits for an answer: the call ends
// as a cancel, and nothing is deleted twice (the sanitizer sees that).
void FileDialogsTest::dialogsSurviveTheirOwner()
{
    QFETCH(bool, color);
    auto *owner = new QWidget;
    owner->show();
    whenModalShows<QDialog>([owner](QDialog *dialog) {
        QCOMPARE(dialog->parentWidget(), owner);
        delete owner;
    });
    if (color)
        QCOMPARE(showColorDialog(0x102030, dialogflags::ColorInitial, owner), std::nullopt);
    else
        QCOMPARE(showFileDialog(FileDialogMode::Open, QString(), QString(), 0, owner), std::nullopt);
}

void FileDialogsTest::clipboard_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("code with a lone CR") << "MsgBoxResult = MsgBox  ( \"x\",1)\rRem Responce 1 = vbOk,  2= vbCancel ";
    QTest::newRow("colour number") << "12632256";
    QTest::newRow("path with blanks") << "/home/u/My Pictures/a b.bmp";
    QTest::newRow("unicode") << "Grüße 你好";
}

void FileDialogsTest::clipboard()
{
    QFETCH(QString, text);

    DesktopServices platform(QStringLiteral("/opt/pelk"));
    Clipboard &services = platform;
    QApplication::clipboard()->setText(QStringLiteral("earlier"));
    services.ClipboardClear();
    QCOMPARE(QApplication::clipboard()->text(), QString());
    services.ClipboardSetText(text);
    QCOMPARE(QApplication::clipboard()->text(), text);
    services.ClipboardSetText(QStringLiteral("next"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("next"));
}

PELK_TEST_MAIN(FileDialogsTest)
#include "tst_filedialogs.moc"
