// The programs on a real X server, driven from outside as a user drives
// them: Xvfb, first without and then with a window manager (openbox), the
// real pelkhost loading the real add-in, keys and clicks through xdotool;
// titles, frames and the clipboard read back from X with xprop, xwininfo and
// xclip. That is what a user sees: titles as the window manager shows them,
// frames where it draws them, the clipboard as another program reads it.
// Every wait is for a window, a title, a frame or a process, with a
// deadline; nothing sleeps.
#include "forms/twips.h"
#include "storage/settingsstore.h"
#include "testmain.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <optional>

using pelk::forms::twips;

namespace {

constexpr int kDeadline = 30000; // ms: the sanitizer build starts slowly
const QSize kScreen(1280, 1024);

struct Window {
    QString id;
    QString title; // _NET_WM_NAME, as the window manager shows it
    QRect client;
    QRect frame; // the client with the frame the window manager drew, if any
};

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

QStringList args(std::initializer_list<const char *> list)
{
    QStringList all;
    for (const char *arg : list)
        all << s(arg);
    return all;
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_display;
    QProcess m_xvfb;
    QProcess m_wm;
    QProcess m_host;

    // PELKTULVANE_HOME and XDG_CONFIG_HOME come from the test's main: a
    // temporary folder, never the user's.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(s("DISPLAY"), m_display);
        env.insert(s("QT_QPA_PLATFORM"), s("xcb"));
        env.remove(s("QT_SCALE_FACTOR"));
        env.insert(s("XDG_RUNTIME_DIR"), m_dir.filePath(s("runtime")));
        env.insert(s("XDG_CACHE_HOME"), m_dir.filePath(s("cache")));
        return env;
    }

    // Runs an X tool to its end; its standard output.
    QByteArray x(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(program, arguments);
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished();
            qWarning("%s did not finish", qPrintable(program));
        }
        return process.readAllStandardOutput();
    }

    void xdotool(const QStringList &arguments) { x(s("xdotool"), arguments); }
    void keys(const QStringList &keys) { xdotool(args({"key", "--clearmodifiers"}) + keys); }
    void type(const QString &text) { xdotool({s("type"), text}); }

    QList<Window> windows()
    {
        static const QRegularExpression nameLine(s("^_NET_WM_NAME\\(UTF8_STRING\\) = \"(.*)\"$"),
                                                 QRegularExpression::MultilineOption);
        static const QRegularExpression extentsLine(
            s("_NET_FRAME_EXTENTS\\(CARDINAL\\) = (\\d+), (\\d+), (\\d+), (\\d+)"));
        static const QRegularExpression corner(s("upper-left X:\\s+(-?\\d+)\\s+Absolute upper-left Y:\\s+(-?\\d+)"));
        static const QRegularExpression size(s("Width: (\\d+)\\s+Height: (\\d+)"));
        QList<Window> shown;
        const QByteArray ids = x(s("xdotool"), args({"search", "--onlyvisible", "--name", "."}));
        for (const QString &id : QString::fromLatin1(ids).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QString properties = QString::fromUtf8(x(s("xprop"), {s("-id"), id, s("_NET_WM_NAME"),
                                                                       s("_NET_FRAME_EXTENTS")}));
            const QString geometry = QString::fromLatin1(x(s("xwininfo"), {s("-id"), id}));
            const QRegularExpressionMatch name = nameLine.match(properties);
            const QRegularExpressionMatch at = corner.match(geometry);
            const QRegularExpressionMatch extent = size.match(geometry);
            if (!name.hasMatch() || !at.hasMatch() || !extent.hasMatch())
                continue;
            Window window;
            window.id = id;
            window.title = name.captured(1).replace(s("\\\""), s("\""));
            window.client = QRect(at.captured(1).toInt(), at.captured(2).toInt(), extent.captured(1).toInt(),
                                  extent.captured(2).toInt());
            QMargins frame; // left, right, top, bottom as X gives them
            if (const QRegularExpressionMatch m = extentsLine.match(properties); m.hasMatch())
                frame = QMargins(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(2).toInt(),
                                 m.captured(4).toInt());
            window.frame = window.client.marginsAdded(frame);
            shown.append(window);
        }
        return shown;
    }

    std::optional<Window> windowTitled(const QString &title)
    {
        for (const Window &window : windows())
            if (window.title == title)
                return window;
        return std::nullopt;
    }

    // The windows shown, for a failure's message.
    QString shownWindows()
    {
        QStringList shown;
        for (const Window &w : windows())
            shown << s("\"%1\" at %2,%3 %4x%5")
                         .arg(w.title)
                         .arg(w.frame.x())
                         .arg(w.frame.y())
                         .arg(w.frame.width())
                         .arg(w.frame.height());
        return shown.join(s(", "));
    }

    // A shown window of exactly this title, once there is one.
    std::optional<Window> waitForWindow(const QString &title)
    {
        std::optional<Window> found;
        if (!QTest::qWaitFor([&] { return (found = windowTitled(title)).has_value(); }, kDeadline))
            qWarning("No window \"%s\"; shown: %s", qPrintable(title), qPrintable(shownWindows()));
        return found;
    }

    bool waitForNoWindow(const QString &title)
    {
        return QTest::qWaitFor([&] { return !windowTitled(title); }, kDeadline);
    }

    // The window's frame once it is at `topLeft`, or where it stayed.
    QRect waitForFrameAt(const QString &title, const QPoint &topLeft)
    {
        QRect frame;
        const bool there = QTest::qWaitFor([&] {
            frame = windowTitled(title).value_or(Window{}).frame;
            return frame.topLeft() == topLeft;
        }, kDeadline);
        Q_UNUSED(there); // the caller compares
        return frame;
    }

    static QPoint centred(const QRect &frame)
    {
        return {(kScreen.width() - frame.width()) / 2, (kScreen.height() - frame.height()) / 2};
    }

    bool activate(const QString &title)
    {
        const std::optional<Window> window = waitForWindow(title);
        if (!window)
            return false;
        // Without a window manager the input focus is set directly.
        const bool managed = m_wm.state() == QProcess::Running;
        xdotool({managed ? s("windowactivate") : s("windowfocus"), s("--sync"), window->id});
        return true;
    }

    // The height of a tool window's menu bar: its client area has the
    // height in twips its text gives it.
    static int menuBarOf(const Window &window, double clientHeightTwips)
    {
        return window.client.height() - twips(clientHeightTwips);
    }

    // Clicks the middle of a control of a tool window, placed in twips in
    // the client area, which begins below the menu bar.
    void click(const Window &window, int menuBar, double left, double top, double width, double height)
    {
        const QPoint at(twips(left + width / 2), menuBar + twips(top + height / 2));
        xdotool({s("mousemove"), s("--window"), window.id, QString::number(at.x()), QString::number(at.y()),
                 s("click"), s("1")});
    }

    QByteArray clipboard() { return x(s("xclip"), args({"-o", "-selection", "clipboard"})); }

    // With PELK_E2E_SHOTS naming a folder, a picture of the screen there.
    void screenshot(const QString &name)
    {
        const QString folder = qEnvironmentVariable("PELK_E2E_SHOTS");
        if (!folder.isEmpty())
            x(s("import"), {s("-window"), s("root"), folder + QLatin1Char('/') + name + s(".png")});
    }

    void startHost()
    {
        m_host.setProcessEnvironment(environment());
        m_host.setProcessChannelMode(QProcess::ForwardedChannels);
        m_host.start(QDir(qEnvironmentVariable("PELK_BIN_DIR")).filePath(s("pelkhost")),
                     args({"--load-at-startup", "PelkTulvane.Connect"}));
        QVERIFY(m_host.waitForStarted());
        QVERIFY(waitForWindow(s("Pelk Host")));
    }

    // Closes the host as a user does and waits for it to end.
    void closeHost(const QString &closeKey)
    {
        QVERIFY(activate(s("Pelk Host")));
        keys({closeKey});
        QVERIFY(m_host.waitForFinished(kDeadline));
        QCOMPARE(m_host.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_host.exitCode(), 0);
    }

    // Opens an entry of the host's Add-Ins menu (entry 0 is the add-in
    // manager, 1 to 4 the tools) and waits for the window it opens.
    std::optional<Window> openFromAddIns(int entry, const QString &title)
    {
        if (!activate(s("Pelk Host")))
            return std::nullopt;
        QStringList sequence{s("alt+a")};
        for (int i = 0; i < entry; ++i)
            sequence << s("Down");
        keys(sequence << s("Return"));
        return waitForWindow(title);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkpath(s("runtime")));
        QFile::setPermissions(m_dir.filePath(s("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        for (const char *tool : {"Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "xclip"})
            QVERIFY2(!QStandardPaths::findExecutable(s(tool)).isEmpty(),
                     qPrintable(s("%1 is missing: tools/ensure-packages.sh lists what the tests need").arg(s(tool))));

        // A display of its own: Xvfb takes the first free number and writes
        // it to its standard output once it accepts connections. It must not
        // reset when its last client leaves, as the X tools come and go.
        m_xvfb.start(s("Xvfb"), args({"-displayfd", "1", "-noreset", "-nolisten", "tcp", "-screen", "0"})
                                    << s("%1x%2x24").arg(kScreen.width()).arg(kScreen.height()));
        QVERIFY(m_xvfb.waitForStarted());
        QVERIFY(QTest::qWaitFor([this] { return m_xvfb.canReadLine() || m_xvfb.state() != QProcess::Running; },
                                kDeadline));
        const QByteArray number = m_xvfb.readLine().trimmed();
        QVERIFY2(!number.isEmpty(), m_xvfb.readAllStandardError().constData());
        m_display = QLatin1Char(':') + QString::fromLatin1(number);

        // The add-in registers itself, as at a user's first start.
        QProcess registration;
        registration.setProcessEnvironment(environment());
        registration.start(QDir(qEnvironmentVariable("PELK_BIN_DIR")).filePath(s("pelktulvane")));
        QVERIFY(registration.waitForFinished(kDeadline));
        QCOMPARE(registration.exitCode(), 0);
    }

    void cleanupTestCase()
    {
        for (QProcess *process : {&m_host, &m_wm, &m_xvfb}) {
            if (process->state() == QProcess::NotRunning)
                continue;
            process->terminate();
            if (!process->waitForFinished(5000)) {
                process->kill();
                process->waitForFinished();
            }
        }
    }

    // With no window manager there is no frame: the window itself stands
    // where its frame would.
    void placementWithoutWindowManager()
    {
        startHost();
        const std::optional<Window> wizard = openFromAddIns(1, s("Pelk MsgBox Wizard"));
        QVERIFY(wizard);
        QCOMPARE(waitForFrameAt(wizard->title, {twips(1000), 0}).topLeft(), QPoint(twips(1000), 0));
        QCOMPARE(wizard->frame, wizard->client);
        const std::optional<Window> input = openFromAddIns(2, s("Pelk Input Box Wizard"));
        QVERIFY(input);
        QCOMPARE(waitForFrameAt(input->title, centred(input->frame)).topLeft(), centred(input->frame));
        screenshot(s("no-window-manager"));
        closeHost(s("ctrl+q")); // File, Exit
    }

    // Each tool from the Add-Ins menu, titled exactly as its text gives it,
    // its frame where its text puts it; the about boxes likewise.
    void toolsUnderWindowManager()
    {
        m_wm.setProcessEnvironment(environment());
        m_wm.start(s("openbox"), args({"--sm-disable"}));
        QVERIFY(m_wm.waitForStarted());
        const auto managing = [this] {
            return x(s("xprop"), args({"-root", "_NET_SUPPORTING_WM_CHECK"})).contains("window id");
        };
        QVERIFY(QTest::qWaitFor(managing, kDeadline));
        startHost();

        // Left 1000, top 0: the title bar on the screen, at its top.
        const std::optional<Window> wizard = openFromAddIns(1, s("Pelk MsgBox Wizard"));
        QVERIFY(wizard);
        QCOMPARE(waitForFrameAt(wizard->title, {twips(1000), 0}).topLeft(), QPoint(twips(1000), 0));
        QVERIFY(wizard->frame.top() < wizard->client.top()); // a frame is drawn
        screenshot(s("msgbox-wizard"));

        for (const auto &[entry, title] : {std::pair{2, "Pelk Input Box Wizard"}, std::pair{3, "Pelk Color Finder"}}) {
            const std::optional<Window> tool = openFromAddIns(entry, s(title));
            QVERIFY2(tool, title);
            QCOMPARE(waitForFrameAt(tool->title, centred(tool->frame)).topLeft(), centred(tool->frame));
            screenshot(s(title));
        }

        // The window manager places the picture viewer, on the screen.
        const std::optional<Window> viewer = openFromAddIns(4, s("Pelk Picture Viwer"));
        QVERIFY(viewer);
        QVERIFY2(QRect(QPoint(), kScreen).contains(viewer->frame), qPrintable(shownWindows()));
        screenshot(s("picture-viewer"));

        for (const auto &[tool, about] : {std::pair{"Pelk MsgBox Wizard", "About Message box wizard"},
                                          std::pair{"Pelk Input Box Wizard", "Pelk About Input Box"},
                                          std::pair{"Pelk Color Finder", "Pelk About Color Finder"}}) {
            QVERIFY(activate(s(tool)));
            keys(args({"alt+h", "a"})); // Help, About
            const std::optional<Window> box = waitForWindow(s(about));
            QVERIFY2(box, about);
            QVERIFY2(QRect(QPoint(), kScreen).contains(box->frame), about);
            screenshot(s(about));
            keys(args({"Escape"}));
            QVERIFY2(waitForNoWindow(s(about)), about);
        }
    }

    // The first worked example of the message box wizard: typed, tested (the
    // test box's title as X has it) and copied (the clipboard as another
    // program reads it); then the second, whose code takes two lines.
    void workedExamples()
    {
        const QString title = s("Pelk MsgBox Wizard");
        QVERIFY(activate(title));
        const Window wizard = waitForWindow(title).value();
        const int menuBar = menuBarOf(wizard, 6150);
        click(wizard, menuBar, 2760, 360, 4095, 285); // Text1, the title
        type(s("My App"));
        click(wizard, menuBar, 2760, 960, 4095, 2055); // Text2, the message
        type(s("Hello"));
        keys(args({"Return"}));
        type(s("World"));
        keys(args({"alt+t"}));
        QVERIFY2(waitForWindow(s("My App")), qPrintable(shownWindows()));
        screenshot(s("test-box"));
        keys(args({"Return"}));
        QVERIFY(waitForNoWindow(s("My App")));
        QVERIFY(activate(title));
        keys(args({"alt+c"}));
        QVERIFY(waitForWindow(s("Message box formatter")));
        QCOMPARE(clipboard(), QByteArray("MsgBox   \"Hello\" & vbcr & \"World\",0,\"My App\""));
        keys(args({"Return"}));
        QVERIFY(waitForNoWindow(s("Message box formatter")));

        // File, New; the question icon, "No" of the Yes No Cancel row,
        // System Modal, Always on top ticked, Minum code cleared, no title.
        QVERIFY(activate(title));
        keys(args({"alt+f", "n"}));
        click(wizard, menuBar, 0 + 240, 120 + 1680, 975, 735);           // Option3 in Frame1
        click(wizard, menuBar, 3360 + 960, 3000 + 1680, 735, 375);       // Option23 in Frame2
        click(wizard, menuBar, 1560 + 0 + 120, 120 + 0 + 960, 735, 615); // Option32 in Frame12 in Frame5
        click(wizard, menuBar, 1560 + 120, 120 + 1800, 735, 615);        // Check2 in Frame5
        click(wizard, menuBar, 1560 + 120, 120 + 2520, 735, 615);        // Check3 in Frame5
        click(wizard, menuBar, 2760, 960, 4095, 2055);
        type(s("Save changes?"));
        keys(args({"alt+t"}));
        QVERIFY2(waitForWindow(s("Your Project")), qPrintable(shownWindows()));
        keys(args({"Escape"})); // Cancel
        QVERIFY(waitForNoWindow(s("Your Project")));
        QVERIFY(activate(title));
        keys(args({"alt+c"}));
        QVERIFY(waitForWindow(s("Message box formatter")));
        QCOMPARE(clipboard(), QByteArray("MsgBoxResult = MsgBox  ( \"Save changes?\",vbQuestion + vbYesNoCancel + 0 + "
                                         "vbDefaultButton2 + vbSystemModal + vbMsgBoxSetForeground)\r"
                                         "Rem Responce 6 = vbYes, 7 = vbNo, 2 = vbCancel"));
        keys(args({"Return"}));
        QVERIFY(waitForNoWindow(s("Message box formatter")));
    }

    // The quick help box's Help button opens the viewer beside it: a link
    // inside the viewer opens there, and the box under it still answers.
    void helpFromAHelpButton()
    {
        QVERIFY(activate(s("Pelk MsgBox Wizard")));
        keys(args({"alt+h", "q"}));
        QVERIFY(waitForWindow(s("Pelk Tulvane")));
        keys(args({"Tab", "space"})); // Help, next to OK
        const QString topic = s("Message box wizard step by step - Pelk Tulvane Help");
        QVERIFY2(activate(topic), qPrintable(shownWindows()));
        screenshot(s("help-viewer"));
        keys(args({"Tab", "Return"})); // the topic's first link
        const QString linked = s("Message box wizard - Pelk Tulvane Help");
        QVERIFY2(waitForWindow(linked), qPrintable(shownWindows()));

        QVERIFY(activate(s("Pelk Tulvane")));
        keys(args({"Escape"})); // OK
        QVERIFY(waitForNoWindow(s("Pelk Tulvane")));
        QVERIFY(windowTitled(linked)); // the viewer stays

        QVERIFY(activate(linked));
        keys(args({"ctrl+w"}));
        QVERIFY(waitForNoWindow(linked));
    }

    // Super Size fills the screen; Restore puts the window back where it was.
    void superSizeAndRestore()
    {
        const QString title = s("Pelk Picture Viwer");
        QVERIFY(activate(title));
        const Window viewer = waitForWindow(title).value();
        const int menuBar = menuBarOf(viewer, 3120);
        click(viewer, menuBar, 360, 2520, 975, 375); // cmdSuper
        QVERIFY2(QTest::qWaitFor([&] { return windowTitled(title).value_or(Window{}).frame.size() == kScreen; },
                                 kDeadline),
                 qPrintable(shownWindows()));
        screenshot(s("super-size"));
        click(waitForWindow(title).value(), menuBar, 0, 120, 1095, 375); // cmdRestore
        // On failure, what the window manager makes of the window.
        const QRect restored = waitForFrameAt(title, viewer.frame.topLeft());
        QVERIFY2(restored == viewer.frame,
                 x(s("xprop"), {s("-id"), viewer.id, s("_NET_WM_STATE"), s("_NET_FRAME_EXTENTS")}).constData());
    }

    // Closing the host disconnects the add-in, which keeps on disk that a
    // tool was open; the next start opens the message box wizard.
    void closingTheHostKeepsDisplayOnConnect()
    {
        closeHost(s("alt+F4")); // the window manager's close
        QCOMPARE(pelk::settings::value(s("Pelk Tulvane"), s("Settings"), s("DisplayOnConnect"), QString()), s("1"));
        startHost();
        QVERIFY(waitForWindow(s("Pelk MsgBox Wizard")));
        closeHost(s("ctrl+q"));
    }
};

PELK_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
