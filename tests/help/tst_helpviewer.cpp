// The help viewer behind WinHelpA: each command opens the one window at the
// right place, bad help files are reported in the window, never crashed on.
#include "help/helpsystem.h"
#include "help/helpviewer.h"
#include "platform/helpsystem.h"
#include "testmain.h"

#include <QDesktopServices>
#include <QDialog>
#include <QHelpContentWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

using namespace pelk;
using pelk::help::HelpViewer;

namespace {

const QString kHelpFile = QStringLiteral(PELK_HELP_FILE);
const QString kStartPage = QStringLiteral("Pelk Tulvane Help");

QStringList g_messages;

// Records what the program prints, leaving out the offscreen test platform's
// own remarks about window calls it does not carry out.
void recordMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        g_messages << message;
}

template <typename T> T *findNamed(QWidget *parent, const QString &accessibleName)
{
    const QList<T *> children = parent->findChildren<T *>();
    for (T *child : children) {
        if (child->accessibleName() == accessibleName)
            return child;
    }
    return nullptr;
}

// Takes the links handed to the desktop.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

int viewerWindows()
{
    int count = 0;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        count += window->objectName() == QLatin1String("pelkHelpViewer");
    return count;
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    HelpViewer *viewer() { return HelpViewer::instance(); }

    // Opens the index with `key` and waits until the background build of the
    // index has run, so the list shows the filtered entries.
    HelpViewer *openIndex(const QString &key)
    {
        if (help::winHelp(nullptr, kHelpFile, help::HELP_PARTIALKEY, key) != 1)
            return nullptr;
        if (!QTest::qWaitFor([this] { return viewer()->isIndexBuilt(); }, 10000))
            return nullptr;
        return viewer();
    }

private slots:
    void init() { help::winHelp(nullptr, QString(), help::HELP_QUIT, QVariant()); }
    void cleanupTestCase() { help::winHelp(nullptr, QString(), help::HELP_QUIT, QVariant()); }

    void resolveHelpFile_data()
    {
        QTest::addColumn<QString>("helpFile");
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("bare name lies in the program's folder")
            << "PelkTulvane.hlp" << "/opt/pelk/bin" << "/opt/pelk/bin/PelkTulvane.hlp";
        QTest::newRow("folder given with a trailing separator")
            << "PelkTulvane.hlp" << "/opt/pelk/bin/" << "/opt/pelk/bin/PelkTulvane.hlp";
        QTest::newRow("absolute path stands")
            << "/usr/share/doc/PelkTulvane.hlp" << "/opt/pelk/bin" << "/usr/share/doc/PelkTulvane.hlp";
        QTest::newRow("path joined with a backslash")
            << "/opt/pelk/bin\\PelkTulvane.hlp" << "/elsewhere" << "/opt/pelk/bin/PelkTulvane.hlp";
        QTest::newRow("relative path below the program's folder")
            << "doc/PelkTulvane.hlp" << "/opt/pelk/bin" << "/opt/pelk/bin/doc/PelkTulvane.hlp";
        QTest::newRow("relative path above it") << "../PelkTulvane.hlp" << "/opt/pelk/bin" << "/opt/pelk/PelkTulvane.hlp";
        QTest::newRow("no name") << "" << "/opt/pelk/bin" << "";
    }
    void resolveHelpFile()
    {
        QFETCH(QString, helpFile);
        QFETCH(QString, programFolder);
        QFETCH(QString, resolved);
        QCOMPARE(help::resolveHelpFile(helpFile, programFolder), resolved);
    }

    // Each command opens the viewer at its place: the tab in front and the
    // topic shown.
    void command_data()
    {
        QTest::addColumn<unsigned>("command");
        QTest::addColumn<QVariant>("data");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("topic");
        const int contents = int(HelpViewer::Tab::Contents);
        const int index = int(HelpViewer::Tab::Index);
        QTest::newRow("context 1: message field") << unsigned(help::HELP_CONTEXT) << QVariant(1) << contents
                                                  << "The message field";
        QTest::newRow("context 5 given as text") << unsigned(help::HELP_CONTEXT) << QVariant(QStringLiteral("5"))
                                                 << contents << "Message too long";
        QTest::newRow("context 205: input box Copy")
            << unsigned(help::HELP_CONTEXT) << QVariant(205) << contents << "Copy button (input box wizard)";
        QTest::newRow("what's this 304: Max") << unsigned(help::HELP_CONTEXTPOPUP) << QVariant(304) << contents
                                              << "Max button";
        QTest::newRow("what's this 410: path Copy")
            << unsigned(help::HELP_CONTEXTPOPUP) << QVariant(410) << contents << "Copy button (picture viewer)";
        QTest::newRow("contents tab") << unsigned(help::HELP_TAB) << QVariant(1) << contents << kStartPage;
        QTest::newRow("contents") << unsigned(help::HELP_CONTENTS) << QVariant(0) << contents << kStartPage;
        QTest::newRow("finder") << unsigned(help::HELP_FINDER) << QVariant(0) << contents << kStartPage;
        QTest::newRow("help on help") << unsigned(help::HELP_HELPONHELP) << QVariant(1) << contents
                                      << "Using the help viewer";
        QTest::newRow("index, empty key") << unsigned(help::HELP_PARTIALKEY) << QVariant(QString()) << index
                                          << kStartPage;
        QTest::newRow("exact key") << unsigned(help::HELP_KEY) << QVariant(QStringLiteral("Scan button")) << index
                                   << "Scan button";
        QTest::newRow("key nobody has") << unsigned(help::HELP_KEY) << QVariant(QStringLiteral("zebra")) << index
                                        << kStartPage;
    }
    void command()
    {
        QFETCH(unsigned, command);
        QFETCH(QVariant, data);
        QFETCH(int, tab);
        QFETCH(QString, topic);
        QCOMPARE(help::winHelp(nullptr, kHelpFile, command, data), 1);
        QVERIFY(viewer());
        QVERIFY(viewer()->isVisible());
        QCOMPARE(int(viewer()->currentTab()), tab);
        QCOMPARE(viewer()->topicTitle(), topic);
        QCOMPARE(viewer()->windowTitle(), topic + QStringLiteral(" - Pelk Tulvane Help"));
        QCOMPARE(viewer()->note(), QString());
    }

    // The topic shown is selected in the contents once they are built.
    void contentsFollowTopic()
    {
        QCOMPARE(help::winHelp(nullptr, kHelpFile, help::HELP_CONTEXT, 303), 1);
        QTRY_COMPARE_WITH_TIMEOUT(viewer()->selectedContentsEntry(), QStringLiteral("Step size steppers"), 10000);
    }

    void unknownContextShowsContentsWithNote()
    {
        QCOMPARE(help::winHelp(nullptr, kHelpFile, help::HELP_CONTEXT, 999), 1);
        QCOMPARE(viewer()->currentTab(), HelpViewer::Tab::Contents);
        QCOMPARE(viewer()->topicTitle(), kStartPage);
        QVERIFY2(viewer()->note().contains(QLatin1String("context number 999")), qPrintable(viewer()->note()));
        // The next good request clears the note.
        help::winHelp(nullptr, kHelpFile, help::HELP_CONTEXT, 2);
        QCOMPARE(viewer()->note(), QString());
    }

    // The index keeps the entries that contain the key anywhere, in any case,
    // and selects the best match.
    void partialKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("mustShow");
        QTest::addColumn<QString>("selected");
        QTest::newRow("cop") << "cop"
                             << QStringList{"Copy button (color finder)", "Copy button (input box wizard)",
                                            "Copy button (message box wizard)", "Copy button (picture viewer)"}
                             << "Copy button (color finder)";
        QTest::newRow("end of a word") << "eady" << QStringList{"Drive not ready"} << "Drive not ready";
        QTest::newRow("upper case key") << "SCAN" << QStringList{"Scan button"} << "Scan button";
        QTest::newRow("digits") << "840" << QStringList{"840 characters"} << "840 characters";
        QTest::newRow("max") << "max" << QStringList{"Max button"} << "Max button";
        QTest::newRow("no match") << "zebra" << QStringList{} << "";
    }
    void partialKey()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, mustShow);
        QFETCH(QString, selected);
        HelpViewer *shown = openIndex(key);
        QVERIFY(shown);
        QCOMPARE(shown->currentTab(), HelpViewer::Tab::Index);
        QCOMPARE(shown->indexFilter(), key);
        const QStringList entries = shown->indexEntries();
        for (const QString &entry : entries)
            QVERIFY2(entry.contains(key, Qt::CaseInsensitive), qPrintable(entry));
        for (const QString &entry : std::as_const(mustShow))
            QVERIFY2(entries.contains(entry), qPrintable(entry));
        QCOMPARE(entries.isEmpty(), mustShow.isEmpty());
        if (!selected.isEmpty())
            QCOMPARE(shown->selectedIndexEntry(), selected);
    }

    void emptyKeyShowsWholeIndex()
    {
        HelpViewer *shown = openIndex(QString());
        QVERIFY(shown);
        const int whole = shown->indexEntries().size();
        QVERIFY(whole > 50);
        help::winHelp(nullptr, kHelpFile, help::HELP_PARTIALKEY, QStringLiteral("button"));
        QVERIFY(shown->indexEntries().size() < whole);
        help::winHelp(nullptr, kHelpFile, help::HELP_PARTIALKEY, QString());
        QCOMPARE(shown->indexEntries().size(), whole);
    }

    // A user types into Look for, moves with the arrow keys and opens the
    // entry with Enter.
    void typingInLookFor()
    {
        HelpViewer *shown = openIndex(QString());
        QVERIFY(shown);
        auto *lookFor = findNamed<QLineEdit>(shown, QStringLiteral("Look for"));
        QVERIFY(lookFor);
        QTest::keyClicks(lookFor, QStringLiteral("speed"));
        QCOMPARE(shown->indexEntries(), (QStringList{"Speed control", "Speed value"}));
        QCOMPARE(shown->selectedIndexEntry(), QStringLiteral("Speed control"));
        QTest::keyClick(lookFor, Qt::Key_Down);
        QCOMPARE(shown->selectedIndexEntry(), QStringLiteral("Speed value"));
        QCOMPARE(lookFor->text(), QStringLiteral("speed"));
        QTest::keyClick(lookFor, Qt::Key_Return);
        QCOMPARE(shown->topicTitle(), QStringLiteral("Speed value"));
    }

    void clickInContentsShowsTopic()
    {
        QCOMPARE(help::winHelp(nullptr, kHelpFile, help::HELP_FINDER, 0), 1);
        auto *contents = viewer()->findChild<QHelpContentWidget *>();
        QVERIFY(contents);
        QModelIndex colorFinder;
        QTRY_VERIFY_WITH_TIMEOUT(contents->model()->rowCount() > 0, 10000);
        const QModelIndex book = contents->model()->index(0, 0);
        QTRY_VERIFY_WITH_TIMEOUT(contents->model()->rowCount(book) > 3, 10000);
        for (int row = 0; row < contents->model()->rowCount(book); ++row) {
            const QModelIndex chapter = contents->model()->index(row, 0, book);
            if (chapter.data().toString() == QLatin1String("Color finder"))
                colorFinder = chapter;
        }
        QVERIFY(colorFinder.isValid());
        contents->scrollTo(colorFinder);
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, contents->visualRect(colorFinder).center());
        QCOMPARE(viewer()->topicTitle(), QStringLiteral("Color finder"));
    }

    void backAndForward()
    {
        help::winHelp(nullptr, kHelpFile, help::HELP_CONTEXT, 1);
        help::winHelp(nullptr, kHelpFile, help::HELP_CONTEXT, 2);
        QPushButton *back = nullptr;
        QPushButton *forward = nullptr;
        for (QPushButton *button : viewer()->findChildren<QPushButton *>()) {
            if (button->text() == QLatin1String("&Back"))
                back = button;
            else if (button->text() == QLatin1String("&Forward"))
                forward = button;
        }
        QVERIFY(back && forward);
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(viewer()->topicTitle(), QStringLiteral("The message field"));
        QVERIFY(forward->isEnabled());
        QTest::mouseClick(forward, Qt::LeftButton);
        QCOMPARE(viewer()->topicTitle(), QStringLiteral("Message box wizard step by step"));
    }

    // A help file that is missing, empty, not a help file or not a file is
    // reported inside the viewer, and the call returns 0.
    void badHelpFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("create");
        QTest::addColumn<QString>("says");
        QTest::newRow("missing") << "missing.hlp" << QByteArray() << false << "could not be found";
        QTest::newRow("empty") << "empty.hlp" << QByteArray() << true << "not a help file";
        QTest::newRow("text") << "text.hlp" << QByteArray("Pelk Tulvane help\r\nnothing else\r\n") << true
                              << "not a help file";
        QByteArray noise(70000, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919 + 13) % 251);
        QTest::newRow("random bytes") << "noise.hlp" << noise << true << "not a help file";
        QTest::newRow("database header, damaged body")
            << "damaged.hlp" << QByteArray("SQLite format 3\0", 16) + noise << true << "not a help file";
        QTest::newRow("folder") << "folder.hlp" << QByteArray() << false << "could not be read";
    }
    void badHelpFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(bool, create);
        QFETCH(QString, says);
        const QString path = m_dir.filePath(name);
        if (create) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        } else if (name == QLatin1String("folder.hlp")) {
            QVERIFY(QDir(m_dir.path()).mkpath(name));
        }

        // The window showed good help before; now it is asked for the bad file.
        QCOMPARE(help::winHelp(nullptr, kHelpFile, help::HELP_CONTEXT, 306), 1);
        QCOMPARE(help::winHelp(nullptr, path, help::HELP_CONTEXT, 1), 0);
        QVERIFY(viewer());
        QVERIFY(viewer()->isVisible());
        QVERIFY(!viewer()->isReady());
        QVERIFY2(viewer()->note().contains(path), qPrintable(viewer()->note()));
        QVERIFY2(viewer()->note().contains(says), qPrintable(viewer()->note()));
        QCOMPARE(viewer()->topicTitle(), QString());
        QCOMPARE(viewer()->windowTitle(), QStringLiteral("Pelk Tulvane Help"));
        if (create) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), contents); // looked at, never changed
        }

        // The same window shows the real help file at the next request.
        HelpViewer *window = viewer();
        QCOMPARE(help::winHelp(nullptr, kHelpFile, help::HELP_CONTEXT, 1), 1);
        QCOMPARE(viewer(), window);
        QCOMPARE(viewer()->note(), QString());
        QCOMPARE(viewer()->topicTitle(), QStringLiteral("The message field"));
    }

    // A bare name lies in the program's folder, where this test has none.
    void bareNameMissingFromProgramFolder()
    {
        QCOMPARE(help::winHelp(nullptr, QStringLiteral("PelkTulvane.hlp"), help::HELP_TAB, 1), 0);
        const QString expected = QCoreApplication::applicationDirPath() + QStringLiteral("/PelkTulvane.hlp");
        QVERIFY2(viewer()->note().contains(expected), qPrintable(viewer()->note()));
    }

    void oneWindowReused()
    {
        QCOMPARE(help::winHelp(nullptr, kHelpFile, help::HELP_CONTEXT, 401), 1);
        HelpViewer *first = viewer();
        first->close(); // the user closes it
        QVERIFY(!first->isVisible());
        QCOMPARE(help::winHelp(nullptr, kHelpFile, help::HELP_PARTIALKEY, QStringLiteral("drive")), 1);
        QCOMPARE(viewer(), first);
        QVERIFY(first->isVisible());
        QCOMPARE(viewerWindows(), 1);

        QCOMPARE(help::winHelp(nullptr, kHelpFile, help::HELP_QUIT, QVariant()), 1);
        QVERIFY(!viewer());
        QCOMPARE(viewerWindows(), 0);
    }

    void unknownCommandOpensNothing()
    {
        QCOMPARE(help::winHelp(nullptr, kHelpFile, 0x9999, 1), 0);
        QVERIFY(!viewer());
    }

    // Asked from a modal box (its Help button), the viewer is an ordinary
    // window beside the box: both take clicks, and the box still answers.
    void usableBesideModalBox()
    {
        QDialog box;
        auto *ok = new QPushButton(QStringLiteral("OK"), &box);
        connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(help::winHelp(&box, kHelpFile, help::HELP_CONTEXT, 2), 1);
        QVERIFY(QTest::qWaitForWindowExposed(viewer()));
        QCOMPARE(viewer()->windowModality(), Qt::NonModal);
        QCOMPARE(QApplication::activeModalWidget(), &box);

        // The viewer takes a click (the window system refuses clicks on a
        // window that a modal box blocks).
        QPushButton *backButton = nullptr;
        for (QPushButton *button : viewer()->findChildren<QPushButton *>())
            if (button->text() == QLatin1String("&Back"))
                backButton = button;
        QVERIFY(backButton);
        QCOMPARE(help::winHelp(&box, kHelpFile, help::HELP_CONTEXT, 5), 1);
        QCOMPARE(viewer()->topicTitle(), QStringLiteral("Message too long"));
        QTest::mouseClick(backButton, Qt::LeftButton);
        QCOMPARE(viewer()->topicTitle(), QStringLiteral("Message box wizard step by step"));

        // And the box answers.
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QVERIFY(!box.isVisible());
        QVERIFY(viewer()->isVisible());
    }

    // A link into the help file opens in the viewer, and the contents follow.
    void linkOpensInViewer()
    {
        QCOMPARE(help::winHelp(nullptr, kHelpFile, help::HELP_CONTEXT, 2), 1);
        QTRY_COMPARE_WITH_TIMEOUT(viewer()->selectedContentsEntry(), QStringLiteral("Step by step"), 10000);
        auto *topic = findNamed<QTextBrowser>(viewer(), QStringLiteral("Topic"));
        QVERIFY(topic);
        topic->setFocus();
        // Tab reaches the page's first link, "Message box wizard"; Enter follows it.
        QTest::keyClick(topic, Qt::Key_Tab);
        QTest::keyClick(topic, Qt::Key_Return);
        QCOMPARE(viewer()->topicTitle(), QStringLiteral("Message box wizard"));
        QCOMPARE(viewer()->topic().scheme(), QStringLiteral("qthelp"));
        QCOMPARE(viewer()->selectedContentsEntry(), QStringLiteral("Message box wizard"));
    }

    // Any other link goes to the desktop, and the viewer stays on its page.
    void externalLinkGoesToDesktop()
    {
        LinkCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        QCOMPARE(help::winHelp(nullptr, kHelpFile, help::HELP_CONTEXT, 2), 1);
        auto *topic = findNamed<QTextBrowser>(viewer(), QStringLiteral("Topic"));
        QVERIFY(topic);
        const QUrl external(QStringLiteral("https://example.org/page"));
        emit topic->anchorClicked(external);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.opened, QList<QUrl>{external});
        QCOMPARE(viewer()->topicTitle(), QStringLiteral("Message box wizard step by step"));
    }

    void keysClose_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("Esc") << QKeySequence(Qt::Key_Escape);
        QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
    }

    void keysClose()
    {
        QFETCH(QKeySequence, key);
        QCOMPARE(help::winHelp(nullptr, kHelpFile, help::HELP_PARTIALKEY, QStringLiteral("copy")), 1);
        QVERIFY(viewer()->isVisible());
        viewer()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(viewer()));
        // From the index's look-for box and from the topic alike.
        QTest::keySequence(viewer()->focusWidget(), key);
        QVERIFY(!viewer()->isVisible());
        QCOMPARE(help::winHelp(nullptr, kHelpFile, help::HELP_CONTEXT, 2), 1);
        QVERIFY(QTest::qWaitForWindowActive(viewer()));
        QTest::keySequence(findNamed<QTextBrowser>(viewer(), QStringLiteral("Topic")), key);
        QVERIFY(!viewer()->isVisible());
    }

    // In normal use the viewer and the help engine print nothing.
    void normalUseIsQuiet()
    {
        g_messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
        help::winHelp(nullptr, kHelpFile, help::HELP_CONTEXT, 300);
        help::winHelp(nullptr, kHelpFile, help::HELP_PARTIALKEY, QStringLiteral("copy"));
        const bool built = QTest::qWaitFor([this] { return viewer()->isIndexBuilt(); }, 10000);
        help::winHelp(nullptr, kHelpFile, help::HELP_HELPONHELP, 1);
        help::winHelp(nullptr, kHelpFile, help::HELP_QUIT, QVariant());
        qInstallMessageHandler(previous);
        QVERIFY(built);
        QVERIFY2(g_messages.isEmpty(), qPrintable(g_messages.join(QLatin1Char('\n'))));
    }
};

PELK_TEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
