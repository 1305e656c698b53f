// Wizard text files: what is written, what is read back, and the Open and
// Save commands against real files with the recording platform.
#include "wizard_files/wizard_files.h"
#include "platform/fakeservices.h"
#include "testmain.h"

#include <QStandardPaths>
#include <QTemporaryDir>

using namespace pelk;

namespace {

// Two wizard fields, as a window holds them.
struct FieldsHost {
    QWidget parent;
    forms::TextBox *title = new forms::TextBox(&parent);
    forms::MultiLineTextBox *message = new forms::MultiLineTextBox(&parent);
    wizard_files::Fields fields() const { return {title, message}; }
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

const QString kOpenFilter = QStringLiteral("Text Files *.txt|*.txt");
const QString kSaveFilter = QStringLiteral("*.txt|*.txt");

QString documents()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

class WizardFilesTest : public QObject {
    Q_OBJECT
private slots:
    void init();

    void titleFromFileTitle_data();
    void titleFromFileTitle();
    void titleFromShortNameIsAnError();
    void proposedFileName_data();
    void proposedFileName();
    void messageFromFile_data();
    void messageFromFile();
    void refusedFiles_data();
    void refusedFiles();

    void saveThenOpenReturnsTheMessage_data();
    void saveThenOpenReturnsTheMessage();
    void saveWritesUtf8AndOneLineBreak();
    void openSetsFieldsFromAChosenFile_data();
    void openSetsFieldsFromAChosenFile();
    void openRefusalLeavesFieldsAlone_data();
    void openRefusalLeavesFieldsAlone();
    void openShortNameKeepsTheLoadedMessage();
    void openCancelIsSilentUntilSaveArmsCancelError();
    void saveProposesTitleInProgramFolder_data();
    void saveProposesTitleInProgramFolder();
    void saveAddsTxtToANameWithoutExtension_data();
    void saveAddsTxtToANameWithoutExtension();
    void savedGreetingOpensAsGreeting();
    void saveCancelWritesNothing();
    void saveAsksBeforeReplacing_data();
    void saveAsksBeforeReplacing();
    void saveFailureReportsWithAppTitle_data();
    void saveFailureReportsWithAppTitle();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void WizardFilesTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void WizardFilesTest::titleFromFileTitle_data()
{
    QTest::addColumn<QString>("fileTitle");
    QTest::addColumn<QString>("title");
    QTest::newRow("Untitled stands for no title") << "Untitled.txt" << "";
    QTest::newRow("name less extension") << "Greeting.txt" << "Greeting";
    QTest::newRow("four characters cut whatever they are") << "notes.text" << "notes.";
    QTest::newRow("only an extension") << ".txt" << "";
    QTest::newRow("untitled in other case is a title") << "untitled.txt" << "untitled";
    QTest::newRow("Untitled with a longer extension") << "Untitled.text" << "Untitled.";
    QTest::newRow("blanks kept") << "Say hi .txt" << "Say hi ";
}

void WizardFilesTest::titleFromFileTitle()
{
    QFETCH(QString, fileTitle);
    QFETCH(QString, title);
    const Result<QString> taken = wizard_files::titleFromFileTitle(fileTitle);
    QVERIFY(taken.ok());
    QCOMPARE(*taken, title);
}

void WizardFilesTest::titleFromShortNameIsAnError()
{
    for (const QString &name : {QString(), QStringLiteral("a"), QStringLiteral("abc")}) {
        const Result<QString> taken = wizard_files::titleFromFileTitle(name);
        QVERIFY2(!taken.ok(), qPrintable(QStringLiteral("no error for ") + name));
        QCOMPARE(taken.error().number(), int(errInvalidProcedureCall));
    }
}

void WizardFilesTest::proposedFileName_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("empty title") << "" << true << "/opt/pelktulvane/Untitled";
    QTest::newRow("title, no extension added") << "Greeting" << true << "/opt/pelktulvane/Greeting";
    QTest::newRow("title with blanks") << "Ask name" << true << "/opt/pelktulvane/Ask name";
    QTest::newRow("read-only program folder: documents") << "Greeting" << false << documents() + "/Greeting";
    QTest::newRow("read-only program folder, no title") << "" << false << documents() + "/Untitled";
}

void WizardFilesTest::proposedFileName()
{
    QFETCH(QString, title);
    QFETCH(bool, writable);
    QFETCH(QString, fileName);
    FakeServices platform;
    QCOMPARE(wizard_files::proposedFileName(platform.app, title, writable), fileName);
}

void WizardFilesTest::messageFromFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("CR LF that saving adds") << QByteArray("Hello\r\n") << "Hello";
    QTest::newRow("only the last CR LF") << QByteArray("A\r\nB\r\n\r\n") << "A\r\nB\r\n";
    QTest::newRow("lone LF at the end") << QByteArray("Hello\n") << "Hello";
    QTest::newRow("lone LF inside kept") << QByteArray("A\nB\n") << "A\nB";
    QTest::newRow("no line break at the end") << QByteArray("Hello") << "Hello";
    QTest::newRow("lone CR at the end kept") << QByteArray("Hello\r") << "Hello\r";
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("only a line break") << QByteArray("\r\n") << "";
    QTest::newRow("UTF-8") << QByteArray("Gr\xc3\xbc\xc3\x9f \xe2\x82\xac\r\n") << QString::fromUtf8("Grüß €");
    QTest::newRow("UTF-8 byte order mark kept as the first letter")
        << QByteArray("\xef\xbb\xbfHi\r\n") << QString(QChar(0xFEFF)) + QStringLiteral("Hi");
    QTest::newRow("8-bit file read as Windows-1252")
        << QByteArray("Gr\xfc\xdf \x80 \x93quoted\x94\r\n") << QString::fromUtf8("Grüß € “quoted”");
    QTest::newRow("bytes unassigned in Windows-1252 kept")
        << QByteArray("\x81\x8d\x8f\x90\x9d") << QString::fromUtf16(u"\u0081\u008d\u008f\u0090\u009d");
    QTest::newRow("truncated UTF-8 sequence is 8-bit") << QByteArray("caf\xc3") << QString::fromUtf8("cafÃ");
}

void WizardFilesTest::messageFromFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const Result<QString> read = wizard_files::messageFromFile(bytes);
    QVERIFY2(read.ok(), read.ok() ? "" : qPrintable(read.error().description()));
    QCOMPARE(*read, message);
}

void WizardFilesTest::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("refused");
    QTest::newRow("1 MiB accepted") << QByteArray(1024 * 1024, 'a') << false;
    QTest::newRow("1 MiB and one byte refused") << QByteArray(1024 * 1024 + 1, 'a') << true;
    QTest::newRow("NUL byte refused") << QByteArray("ab\0cd", 5) << true;
    QTest::newRow("NUL byte at the end refused") << QByteArray("abcd\0", 5) << true;
}

void WizardFilesTest::refusedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, refused);
    const Result<QString> read = wizard_files::messageFromFile(bytes);
    QCOMPARE(!read.ok(), refused);
    if (refused)
        QVERIFY(!read.error().description().isEmpty());
}

void WizardFilesTest::saveThenOpenReturnsTheMessage_data()
{
    QTest::addColumn<QString>("message");
    QTest::newRow("one line") << "Hello";
    QTest::newRow("typed lines") << "Hello\r\nWorld";
    QTest::newRow("ends with a typed line break") << "Hello\r\n";
    QTest::newRow("empty typed lines") << "A\r\n\r\n\r\nB";
    QTest::newRow("empty message") << "";
    QTest::newRow("beyond 8 bits") << QString::fromUtf8("Ĉu vi ŝatas 日本語? ☺");
    QTest::newRow("8-bit accents") << QString::fromUtf8("Déjà vu ½ ©");
    QTest::newRow("quotes and tabs") << "Say \"hi\"\tnow";
    QTest::newRow("longer than a test may show") << QString(2000, QLatin1Char('x'));
    QTest::newRow("starts with U+FEFF") << QString(QChar(0xFEFF)) + QStringLiteral("Hi");
}

void WizardFilesTest::saveThenOpenReturnsTheMessage()
{
    QFETCH(QString, message);
    FakeServices platform;
    CommonDialog dialog(platform);
    FieldsHost host;
    host.title->setText(QStringLiteral("Greeting"));
    host.message->setText(message);

    const QString file = path(QStringLiteral("Greeting.txt"));
    platform.fileDialogAnswers.enqueue(file);
    wizard_files::Save(platform.services(), dialog, host.fields(), kSaveFilter);
    host.title->setText(QStringLiteral("other"));
    host.message->setText(QStringLiteral("other"));
    platform.fileDialogAnswers.enqueue(file);
    wizard_files::Open(platform.services(), dialog, host.fields(), kOpenFilter);

    QCOMPARE(platform.msgBoxes.size(), 0);
    QCOMPARE(host.message->Text(), message);
    QCOMPARE(host.title->Text(), QStringLiteral("Greeting"));

    // A second cycle does not grow the message either.
    platform.fileDialogAnswers.enqueue(file);
    wizard_files::Save(platform.services(), dialog, host.fields(), kSaveFilter);
    platform.fileDialogAnswers.enqueue(file);
    wizard_files::Open(platform.services(), dialog, host.fields(), kOpenFilter);
    QCOMPARE(host.message->Text(), message);
}

void WizardFilesTest::saveWritesUtf8AndOneLineBreak()
{
    FakeServices platform;
    CommonDialog dialog(platform);
    FieldsHost host;
    host.message->setText(QString::fromUtf8("Grüß\r\nyou"));
    const QString file = path(QStringLiteral("Untitled.txt"));
    platform.fileDialogAnswers.enqueue(file);
    wizard_files::Save(platform.services(), dialog, host.fields(), kSaveFilter);
    QCOMPARE(readAll(file), QByteArray("Gr\xc3\xbc\xc3\x9f\r\nyou\r\n"));
    QCOMPARE(wizard_files::fileContent(QStringLiteral("A")), QByteArray("A\r\n"));
}

void WizardFilesTest::openSetsFieldsFromAChosenFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("title");
    QTest::newRow("Untitled empties the title") << "Untitled.txt" << "";
    QTest::newRow("Greeting") << "Greeting.txt" << "Greeting";
    QTest::newRow("notes.text") << "notes.text" << "notes.";
    QTest::newRow("exactly four characters") << "a.tx" << "";
}

void WizardFilesTest::openSetsFieldsFromAChosenFile()
{
    QFETCH(QString, fileName);
    QFETCH(QString, title);
    FakeServices platform;
    CommonDialog dialog(platform);
    FieldsHost host;
    host.title->setText(QStringLiteral("before"));
    const QString file = path(fileName);
    writeAll(file, "Line one\r\nLine two\r\n");
    platform.fileDialogAnswers.enqueue(file);

    wizard_files::Open(platform.services(), dialog, host.fields(), kOpenFilter);

    QCOMPARE(platform.fileDialogs.size(), 1);
    QCOMPARE(platform.fileDialogs[0].mode, FileDialogMode::Open);
    QCOMPARE(platform.fileDialogs[0].filter, kOpenFilter);
    QCOMPARE(platform.msgBoxes.size(), 0);
    QCOMPARE(host.message->Text(), QStringLiteral("Line one\r\nLine two"));
    QCOMPARE(host.title->Text(), title);
}

void WizardFilesTest::openRefusalLeavesFieldsAlone_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes"); // null: no such file
    QTest::addColumn<QString>("prompt");   // empty: any clear text
    QTest::newRow("missing file") << "gone.txt" << QByteArray() << "File not found";
    QTest::newRow("missing folder") << "nowhere/gone.txt" << QByteArray() << "Path not found";
    QTest::newRow("a folder") << "folder.txt" << QByteArray() << "";
    QTest::newRow("over 1 MiB") << "big.txt" << QByteArray(1024 * 1024 + 10, 'x') << "";
    QTest::newRow("binary") << "binary.txt" << QByteArray("MZ\0\0\x90", 5) << "";
}

void WizardFilesTest::openRefusalLeavesFieldsAlone()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, prompt);
    FakeServices platform;
    CommonDialog dialog(platform);
    FieldsHost host;
    host.title->setText(QStringLiteral("Kept title"));
    host.message->setText(QStringLiteral("Kept message"));
    const QString file = path(fileName);
    if (!bytes.isNull())
        writeAll(file, bytes);
    if (fileName == QLatin1String("folder.txt"))
        QVERIFY(QDir(m_dir->path()).mkdir(fileName));
    platform.fileDialogAnswers.enqueue(file);

    wizard_files::Open(platform.services(), dialog, host.fields(), kOpenFilter);

    QCOMPARE(platform.msgBoxes.size(), 1);
    QVERIFY(!platform.msgBoxes[0].prompt.isEmpty());
    if (!prompt.isEmpty())
        QCOMPARE(platform.msgBoxes[0].prompt, prompt);
    QCOMPARE(platform.msgBoxes[0].buttons, 16);
    QCOMPARE(platform.msgBoxes[0].title, QString());
    QCOMPARE(host.title->Text(), QStringLiteral("Kept title"));
    QCOMPARE(host.message->Text(), QStringLiteral("Kept message"));
}

void WizardFilesTest::openShortNameKeepsTheLoadedMessage()
{
    FakeServices platform;
    CommonDialog dialog(platform);
    FieldsHost host;
    host.title->setText(QStringLiteral("Kept title"));
    const QString file = path(QStringLiteral("abc"));
    writeAll(file, "Loaded\r\n");
    platform.fileDialogAnswers.enqueue(file);

    wizard_files::Open(platform.services(), dialog, host.fields(), kOpenFilter);

    QCOMPARE(host.message->Text(), QStringLiteral("Loaded"));
    QCOMPARE(host.title->Text(), QStringLiteral("Kept title"));
    QCOMPARE(platform.msgBoxes.size(), 1);
    QCOMPARE(platform.msgBoxes[0].prompt, QStringLiteral("Invalid procedure call or argument"));
    QCOMPARE(platform.msgBoxes[0].buttons, 16);
}

void WizardFilesTest::openCancelIsSilentUntilSaveArmsCancelError()
{
    FakeServices platform;
    CommonDialog dialog(platform);
    FieldsHost host;
    host.title->setText(QStringLiteral("T"));
    host.message->setText(QStringLiteral("M"));

    wizard_files::Open(platform.services(), dialog, host.fields(), kOpenFilter); // cancelled
    QCOMPARE(platform.msgBoxes.size(), 0);
    QVERIFY(!dialog.CancelError);

    wizard_files::Save(platform.services(), dialog, host.fields(), kSaveFilter); // cancelled
    QCOMPARE(platform.msgBoxes.size(), 0);
    QVERIFY(dialog.CancelError);

    wizard_files::Open(platform.services(), dialog, host.fields(), kOpenFilter); // cancelled, now an error
    QCOMPARE(platform.msgBoxes.size(), 1);
    QCOMPARE(platform.msgBoxes[0].prompt, QStringLiteral("Cancel was selected."));
    QCOMPARE(platform.msgBoxes[0].buttons, 16);
    QCOMPARE(host.title->Text(), QStringLiteral("T"));
    QCOMPARE(host.message->Text(), QStringLiteral("M"));
    QCOMPARE(platform.fileDialogs.size(), 3);
}

void WizardFilesTest::saveProposesTitleInProgramFolder_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("empty title") << "" << true << "/opt/pelktulvane/Untitled";
    QTest::newRow("title") << "Setup" << true << "/opt/pelktulvane/Setup";
    QTest::newRow("read-only program folder") << "Setup" << false << documents() + "/Setup";
}

void WizardFilesTest::saveProposesTitleInProgramFolder()
{
    QFETCH(QString, title);
    QFETCH(bool, writable);
    QFETCH(QString, proposed);
    FakeServices platform;
    platform.foldersWritable = writable;
    CommonDialog dialog(platform);
    dialog.FileName = QStringLiteral("/somewhere/else.txt");
    FieldsHost host;
    host.title->setText(title);
    const QString file = path(QStringLiteral("chosen.txt"));
    platform.fileDialogAnswers.enqueue(file);

    wizard_files::Save(platform.services(), dialog, host.fields(), kSaveFilter);

    QCOMPARE(platform.fileDialogs.size(), 1);
    QCOMPARE(platform.fileDialogs[0].mode, FileDialogMode::Save);
    QCOMPARE(platform.fileDialogs[0].fileName, proposed);
    QCOMPARE(platform.fileDialogs[0].filter, kSaveFilter);
    QCOMPARE(platform.writableChecks, QStringList{QStringLiteral("/opt/pelktulvane")});
    QCOMPARE(platform.msgBoxes.size(), 0);
    QVERIFY(QFile::exists(file));
}

void WizardFilesTest::saveAddsTxtToANameWithoutExtension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "Greeting" << "Greeting.txt";
    QTest::newRow("blanks, no extension") << "Ask name" << "Ask name.txt";
    QTest::newRow("trailing dot") << "Greeting." << "Greeting.txt";
    QTest::newRow(".txt kept") << "Greeting.txt" << "Greeting.txt";
    QTest::newRow("another extension kept") << "notes.text" << "notes.text";
}

void WizardFilesTest::saveAddsTxtToANameWithoutExtension()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    FakeServices platform;
    CommonDialog dialog(platform);
    FieldsHost host;
    host.title->setText(QStringLiteral("Greeting"));
    host.message->setText(QStringLiteral("Hello"));
    platform.fileDialogAnswers.enqueue(path(chosen));

    wizard_files::Save(platform.services(), dialog, host.fields(), kSaveFilter);

    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(readAll(path(written)), QByteArray("Hello\r\n"));
}

void WizardFilesTest::savedGreetingOpensAsGreeting()
{
    FakeServices platform;
    CommonDialog dialog(platform);
    FieldsHost host;
    host.title->setText(QStringLiteral("Greeting"));
    host.message->setText(QStringLiteral("Hello"));
    // The user takes the proposed name as it is.
    platform.fileDialogAnswers.enqueue(path(QStringLiteral("Greeting")));
    wizard_files::Save(platform.services(), dialog, host.fields(), kSaveFilter);
    // The file already there is the one with the extension: replacing it asks.
    platform.fileDialogAnswers.enqueue(path(QStringLiteral("Greeting")));
    platform.msgBoxAnswers.enqueue(mb::vbYes);
    wizard_files::Save(platform.services(), dialog, host.fields(), kSaveFilter);
    QCOMPARE(platform.msgBoxes.size(), 1);

    host.title->setText(QString());
    host.message->setText(QString());
    platform.fileDialogAnswers.enqueue(path(QStringLiteral("Greeting.txt")));
    wizard_files::Open(platform.services(), dialog, host.fields(), kOpenFilter);
    QCOMPARE(host.title->Text(), QStringLiteral("Greeting"));
    QCOMPARE(host.message->Text(), QStringLiteral("Hello"));
}

void WizardFilesTest::saveCancelWritesNothing()
{
    FakeServices platform;
    CommonDialog dialog(platform);
    FieldsHost host;
    host.message->setText(QStringLiteral("M"));
    wizard_files::Save(platform.services(), dialog, host.fields(), kSaveFilter);
    QCOMPARE(platform.fileDialogs.size(), 1);
    QCOMPARE(platform.msgBoxes.size(), 0);
    QVERIFY(QDir(m_dir->path()).isEmpty());
    QVERIFY(!QFile::exists(QStringLiteral("/opt/pelktulvane/Untitled")));
}

void WizardFilesTest::saveAsksBeforeReplacing_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("answer"); // 0: no question expected
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("new file, no question") << false << 0 << QByteArray("New\r\n");
    QTest::newRow("existing, Yes replaces") << true << int(mb::vbYes) << QByteArray("New\r\n");
    QTest::newRow("existing, No keeps") << true << int(mb::vbNo) << QByteArray("Old\r\n");
}

void WizardFilesTest::saveAsksBeforeReplacing()
{
    QFETCH(bool, exists);
    QFETCH(int, answer);
    QFETCH(QByteArray, content);
    FakeServices platform;
    CommonDialog dialog(platform);
    FieldsHost host;
    host.message->setText(QStringLiteral("New"));
    const QString file = path(QStringLiteral("Greeting.txt"));
    if (exists)
        writeAll(file, "Old\r\n");
    platform.fileDialogAnswers.enqueue(file);
    if (answer)
        platform.msgBoxAnswers.enqueue(answer);
    QList<int> answers;

    wizard_files::Save(platform.services(), dialog, host.fields(), kSaveFilter, [&](int a) { answers.append(a); });

    if (answer) {
        QCOMPARE(platform.msgBoxes.size(), 1);
        QCOMPARE(platform.msgBoxes[0].prompt, QStringLiteral("File already exist do you want to replace it ?."));
        QCOMPARE(platform.msgBoxes[0].buttons, 36);
        QCOMPARE(platform.msgBoxes[0].title, QString());
        QCOMPARE(answers, QList<int>{answer});
    } else {
        QCOMPARE(platform.msgBoxes.size(), 0);
        QVERIFY(answers.isEmpty());
    }
    QCOMPARE(readAll(file), content);
}

void WizardFilesTest::saveFailureReportsWithAppTitle_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("missing folder") << "nowhere/x.txt" << "Path not found";
    QTest::newRow("a folder") << "folder.txt" << "Path/File access error";
}

void WizardFilesTest::saveFailureReportsWithAppTitle()
{
    QFETCH(QString, fileName);
    QFETCH(QString, prompt);
    FakeServices platform;
    CommonDialog dialog(platform);
    FieldsHost host;
    host.message->setText(QStringLiteral("M"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.txt")));
    platform.fileDialogAnswers.enqueue(path(fileName));

    wizard_files::Save(platform.services(), dialog, host.fields(), kSaveFilter);

    QCOMPARE(platform.msgBoxes.size(), 1);
    QCOMPARE(platform.msgBoxes[0].prompt, prompt);
    QCOMPARE(platform.msgBoxes[0].buttons, 48);
    QCOMPARE(platform.msgBoxes[0].title, QStringLiteral("Pelk Tulvane"));
    QVERIFY(QFileInfo(path(QStringLiteral("folder.txt"))).isDir());
}

PELK_TEST_MAIN(WizardFilesTest)
#include "tst_wizard_files.moc"
