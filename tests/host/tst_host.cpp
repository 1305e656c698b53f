// The host window with add-ins: the add-in manager, start-up loading across
// restarts, connection modes, failures, and the real PelkTulvane module.
#include "host/addinlist.h"
#include "host/addinmanager.h"
#include "host/hostruns.h"
#include "host/hostwindow.h"
#include "platform/fakeservices.h"
#include "storage/paths.h"
#include "desktop/desktopservices.h"
#include "shell/addin.h"
#include "shell/registration.h"
#include "fullfolder.h"
#include "testmain.h"

#include <QAccessible>
#include <QScreen>
#include <QCheckBox>
#include <QDialog>
#include <QPluginLoader>
#include <QTreeWidget>

using namespace pelk;
using namespace pelk::host;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString addInList()
{
    return paths::resolveProfileFile(QStringLiteral("vbaddin.ini"));
}

// What the recording add-in heard, and forgetting it.
QStringList calls()
{
    QStringList result;
    QObject *module = QPluginLoader(QStringLiteral(PELK_RECORDING_ADDIN)).instance();
    if (module)
        QMetaObject::invokeMethod(module, "calls", Q_RETURN_ARG(QStringList, result));
    return result;
}
void clearCalls()
{
    if (QObject *module = QPluginLoader(QStringLiteral(PELK_RECORDING_ADDIN)).instance())
        QMetaObject::invokeMethod(module, "clear");
}

QStringList menuTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

// Every name in the accessibility tree below `object`, with its role.
QStringList accessibleNames(QObject *object)
{
    QStringList names;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        if (!node)
            return;
        names << QStringLiteral("%1:%2").arg(int(node->role())).arg(node->text(QAccessible::Name));
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(object));
    return names;
}

QString displayOnConnect(Settings &platform)
{
    return platform.GetSetting(QStringLiteral("Pelk Tulvane"), QStringLiteral("Settings"),
                               QStringLiteral("DisplayOnConnect"), QString());
}

QWidget *visibleWindowTitled(const QString &title)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == title)
            return widget;
    }
    return nullptr;
}

// Answers every modal box that comes up and keeps its title and message.
class ModalAnswerer : public QObject {
public:
    QStringList texts;
    ModalAnswerer() { startTimer(10); }

protected:
    void timerEvent(QTimerEvent *) override
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        // The box's title, then what a screen reader reads as its message.
        texts << dialog->windowTitle() + QLatin1Char('|') + dialog->accessibleDescription();
        dialog->done(1);
    }
};

} // namespace

class TestHost : public QObject {
    Q_OBJECT

    FakeServices platform;
    HostOptions options;

    std::unique_ptr<HostWindow> startHost()
    {
        auto host = std::make_unique<HostWindow>(platform, platform, options);
        host->connectStartupAddIns();
        host->show();
        host->startupComplete();
        return host;
    }

private slots:
    void init()
    {
        platform.msgBoxes.clear();
        platform.settings.clear();
        platform.saveSettingError.reset();
        options = HostOptions();
        clearCalls();
        const QByteArray module = QFile::encodeName(QStringLiteral(PELK_RECORDING_ADDIN));
        writeFile(addInList(), "[Add-Ins32]\nRecording.Connect=0\nRecording.ThrowsOnClick=0\n"
                               "Recording.ThrowsOnDisconnect=0\nUnregistered.Connect=0\n");
        writeFile(paths::classRegistryFile(),
                  "[Recording.Connect]\nDescription=Recording add-in\nModule=" + module +
                      "\n[Recording.ThrowsOnClick]\nDescription=Throws on click\nModule=" + module +
                      "\n[Recording.ThrowsOnConnect]\nModule=" + module +
                      "\n[Recording.ThrowsOnDisconnect]\nModule=" + module +
                      "\n[Recording.Unknown]\nModule=" + module +
                      "\n[Recording.ThrowsOddly]\nModule=" + module +
                      "\n[Missing.Connect]\nModule=/nonexistent/libmissing.so\n"
                      "[NotAModule.Connect]\nModule=" + QFile::encodeName(paths::classRegistryFile()) + "\n");
    }

    void managerLoadsUnloadsAndMarksForStartup()
    {
        auto host = startHost();
        QVERIFY(calls().isEmpty());
        const QList<ManagedAddIn> rows = host->managedAddIns();
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0], (ManagedAddIn{"Recording.Connect", "Recording add-in", false, false}));
        QCOMPARE(rows[3], (ManagedAddIn{"Unregistered.Connect", "", false, false}));

        // Loaded and marked: connected after start-up (mode 0).
        QList<ManagedAddIn> choices = rows;
        choices[0].loaded = true;
        choices[0].startup = true;
        host->applyAddInChoices(choices);
        QCOMPARE(calls(), QStringList{"connect Recording.Connect 0 Recording.Connect"});
        QCOMPARE(menuTexts(host->addInsMenu()), (QStringList{"&Add-In Manager...", "-", "Recording Entry"}));
        QCOMPARE(host->managedAddIns()[0], (ManagedAddIn{"Recording.Connect", "Recording add-in", true, true}));
        host->addInsMenu()->actions().last()->trigger();
        QCOMPARE(calls().last(), QStringLiteral("click Recording.Connect Recording Entry"));

        // Unloaded as closed by the user (mode 1): its entry goes.
        clearCalls();
        choices[0].loaded = false;
        host->applyAddInChoices(choices);
        QCOMPARE(calls(), QStringList{"disconnect Recording.Connect 1"});
        QCOMPARE(menuTexts(host->addInsMenu()), QStringList{"&Add-In Manager..."});
        host->close();
        host.reset();

        // The next start connects it during start-up (mode 1), then tells it the start is complete.
        clearCalls();
        host = startHost();
        QCOMPARE(calls(), (QStringList{"connect Recording.Connect 1 Recording.Connect", "startup Recording.Connect"}));
        QCOMPARE(host->managedAddIns()[0].loaded, true);

        // Unmarked: the start after that loads nothing.
        choices = host->managedAddIns();
        choices[0].startup = false;
        host->applyAddInChoices(choices);
        host.reset();
        clearCalls();
        host = startHost();
        QVERIFY(calls().isEmpty());
        QVERIFY(platform.msgBoxes.isEmpty());
    }

    void loadAtStartupFromTheCommandLine_data()
    {
        QTest::addColumn<bool>("saveFails");
        QTest::newRow("mark saved") << false;
        QTest::newRow("mark cannot be saved") << true;
    }
    void loadAtStartupFromTheCommandLine()
    {
        QFETCH(bool, saveFails);
        if (saveFails)
            platform.saveSettingError = Error(errPermissionDenied, QStringLiteral("Permission denied: /u/Pelk Host.ini"));
        options.loadAtStartup << QStringLiteral("Recording.Connect");
        auto host = startHost();
        // This start loads it either way.
        QCOMPARE(calls(), (QStringList{"connect Recording.Connect 1 Recording.Connect", "startup Recording.Connect"}));
        QCOMPARE(platform.settings.value(QStringLiteral("Pelk Host/Load on Startup/Recording.Connect")),
                 saveFails ? QString() : QStringLiteral("1"));
        if (!saveFails) {
            QVERIFY(platform.msgBoxes.isEmpty());
            return;
        }
        // The user is told once, after the start.
        QCOMPARE(platform.msgBoxes.size(), 1);
        QCOMPARE(platform.msgBoxes[0].prompt,
                 QStringLiteral("The choice to load \"Recording.Connect\" at every start could not be saved; it "
                                "loads at this start all the same.\nPermission denied: /u/Pelk Host.ini"));
        QCOMPARE(platform.msgBoxes[0].buttons, int(mb::vbExclamation));
        QCOMPARE(platform.msgBoxes[0].title, QStringLiteral("Pelk Host"));

        // A choice in the add-in manager that cannot be saved is told too.
        QList<ManagedAddIn> choices = host->managedAddIns();
        choices[1].startup = true;
        host->applyAddInChoices(choices);
        QCOMPARE(platform.msgBoxes.size(), 2);
        QCOMPARE(platform.msgBoxes[1].prompt,
                 QStringLiteral("The choice of add-ins to load at start-up could not be saved:\n"
                                "Permission denied: /u/Pelk Host.ini"));
    }

    void loadAtStartupInAFullFolder()
    {
        FullFolder full;
        if (!full.isValid())
            QSKIP("no right to mount a small file system here");
        full.becomeUserFolder();
        const QByteArray module = QFile::encodeName(QStringLiteral(PELK_RECORDING_ADDIN));
        writeFile(addInList(), "[Add-Ins32]\nRecording.Connect=0\n");
        writeFile(paths::classRegistryFile(), "[Recording.Connect]\nModule=" + module + "\n");
        QVERIFY(full.fill());

        DesktopServices realPlatform(qEnvironmentVariable("PELK_BIN_DIR"));
        options.loadAtStartup << QStringLiteral("Recording.Connect");
        ModalAnswerer answerer;
        auto host = std::make_unique<HostWindow>(realPlatform, realPlatform, options);
        host->connectStartupAddIns();
        host->show();
        host->startupComplete();
        QCOMPARE(calls(), (QStringList{"connect Recording.Connect 1 Recording.Connect", "startup Recording.Connect"}));
        QCOMPARE(answerer.texts.size(), 1);
        QVERIFY2(answerer.texts[0].startsWith(QStringLiteral("Pelk Host|The choice to load \"Recording.Connect\" at every "
                                                             "start could not be saved")),
                 qPrintable(answerer.texts[0]));
        QVERIFY2(answerer.texts[0].contains(QStringLiteral("Disk full")), qPrintable(answerer.texts[0]));
        host->close();
        QVERIFY(!QFile::exists(paths::settingsFile(QStringLiteral("Pelk Host"))));
    }

    void managerDialogFromTheKeyboard()
    {
        const QList<ManagedAddIn> rows{{"A.Connect", "First", false, false}, {"B.Connect", "", true, false}};
        AddInManagerDialog dialog(rows);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.list()->topLevelItem(0)->text(0), QStringLiteral("First"));
        QCOMPARE(dialog.list()->topLevelItem(1)->text(0), QStringLiteral("B.Connect"));
        QCOMPARE(dialog.list()->topLevelItem(1)->text(1), QStringLiteral("Loaded"));

        // Access keys click their check box (animated, so the change comes a moment later).
        QTest::keyClick(&dialog, Qt::Key_L, Qt::AltModifier); // &Loaded/Unloaded
        QTRY_COMPARE(dialog.list()->topLevelItem(0)->text(1), QStringLiteral("Loaded"));
        QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier); // Load on &Startup
        QTRY_COMPARE(dialog.list()->topLevelItem(0)->text(1), QStringLiteral("Startup / Loaded"));
        QTest::keyClick(&dialog, Qt::Key_A, Qt::AltModifier); // &Available Add-Ins
        QVERIFY(dialog.list()->hasFocus());
        QTest::keyClick(dialog.list(), Qt::Key_Down);
        QVERIFY(dialog.loadedBox()->isChecked());
        QVERIFY(!dialog.startupBox()->isChecked());
        QTest::keyClick(&dialog, Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(dialog.list()->topLevelItem(1)->text(1), QString());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.addIns(), (QList<ManagedAddIn>{{"A.Connect", "First", true, true}, {"B.Connect", "", false, false}}));
        QCOMPARE(dialog.list()->accessibleName(), QStringLiteral("Available Add-Ins"));
    }

    void loadFailuresAreReported_data()
    {
        QTest::addColumn<QString>("progId");
        QTest::addColumn<QString>("message");
        QTest::newRow("not registered") << "Unregistered.Connect"
                                        << "The add-in \"Unregistered.Connect\" could not be loaded: its class is not "
                                           "registered.";
        QTest::newRow("module missing") << "Missing.Connect"
                                        << "The add-in \"Missing.Connect\" could not be loaded from "
                                           "\"/nonexistent/libmissing.so\":";
        QTest::newRow("not a module") << "NotAModule.Connect" << "The add-in \"NotAModule.Connect\" could not be loaded";
        QTest::newRow("class not served") << "Recording.Unknown"
                                          << "The add-in \"Recording.Unknown\" could not be loaded: its module does "
                                             "not serve this class.";
        QTest::newRow("throws while connecting") << "Recording.ThrowsOnConnect"
                                                 << "The add-in \"Recording.ThrowsOnConnect\" failed while "
                                                    "connecting:\nconnection refused";
        QTest::newRow("throws a non-standard error") << "Recording.ThrowsOddly"
                                                     << "The add-in \"Recording.ThrowsOddly\" failed while "
                                                        "connecting:\nan error that is not a standard exception";
    }
    void loadFailuresAreReported()
    {
        QFETCH(QString, progId);
        QFETCH(QString, message);
        auto host = startHost();
        QVERIFY(!host->connections().connectAddIn(progId, hostsdk::ext_cm_AfterStartup));
        QCOMPARE(platform.msgBoxes.size(), 1);
        QVERIFY2(platform.msgBoxes[0].prompt.startsWith(message), qPrintable(platform.msgBoxes[0].prompt));
        QCOMPARE(platform.msgBoxes[0].buttons, int(mb::vbExclamation));
        QCOMPARE(platform.msgBoxes[0].title, QStringLiteral("Pelk Host"));
        QVERIFY(!host->connections().isConnected(progId));
        // Nothing the failed add-in added stays in the menu; the host goes on.
        QCOMPARE(menuTexts(host->addInsMenu()), QStringList{"&Add-In Manager..."});
        QVERIFY(host->connections().connectAddIn(QStringLiteral("Recording.Connect"), hostsdk::ext_cm_AfterStartup));
    }

    void addInFailuresAfterConnectingAreReported()
    {
        auto host = startHost();
        QVERIFY(host->connections().connectAddIn(QStringLiteral("Recording.ThrowsOnClick"), hostsdk::ext_cm_AfterStartup));
        host->addInsMenu()->actions().last()->trigger();
        QCOMPARE(platform.msgBoxes.size(), 1);
        QCOMPARE(platform.msgBoxes[0].prompt,
                 QStringLiteral("The add-in entry \"Recording.ThrowsOnClick\" failed:\nclick failed"));

        QVERIFY(host->connections().connectAddIn(QStringLiteral("Recording.ThrowsOnDisconnect"),
                                                 hostsdk::ext_cm_AfterStartup));
        host->connections().disconnectAddIn(QStringLiteral("Recording.ThrowsOnDisconnect"), hostsdk::ext_dm_UserClosed);
        QCOMPARE(platform.msgBoxes.size(), 2);
        QCOMPARE(platform.msgBoxes[1].prompt, QStringLiteral("The add-in \"Recording.ThrowsOnDisconnect\" failed while "
                                                             "disconnecting:\ndisconnection refused"));
        // The entry it failed to remove is taken out by the host.
        QCOMPARE(menuTexts(host->addInsMenu()), (QStringList{"&Add-In Manager...", "-", "Recording.ThrowsOnClick"}));
        QVERIFY(!host->connections().isConnected(QStringLiteral("Recording.ThrowsOnDisconnect")));
    }

    void commandLineModes_data()
    {
        QTest::addColumn<bool>("external");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("mode 3") << false << QStringList{"connect Recording.Connect 3 Recording.Connect"};
        QTest::newRow("mode 2") << true << QStringList{"connect Recording.Connect 2 Recording.Connect"};
    }
    void commandLineModes()
    {
        QFETCH(bool, external);
        QFETCH(QStringList, heard);
        (external ? options.connectExternal : options.connectCommandLine) << QStringLiteral("Recording.Connect");
        auto host = startHost();
        QCOMPARE(calls(), heard); // no start-up notice outside start-up mode
        QVERIFY(host->connections().isConnected(QStringLiteral("Recording.Connect")));
    }

    void withoutAddInsBar()
    {
        options.noAddInsBar = true;
        options.connectCommandLine << QStringLiteral("Recording.Connect");
        auto host = startHost();
        QCOMPARE(calls(), (QStringList{"connect Recording.Connect 3 Recording.Connect", "no bar Recording.Connect"}));
        QCOMPARE(menuTexts(host->addInsMenu()), QStringList{"&Add-In Manager..."});
    }

    void closingDisconnectsEveryAddIn()
    {
        auto host = startHost();
        QVERIFY(host->connections().connectAddIn(QStringLiteral("Recording.Connect"), hostsdk::ext_cm_AfterStartup));
        QVERIFY(host->connections().connectAddIn(QStringLiteral("Recording.ThrowsOnClick"),
                                                 hostsdk::ext_cm_AfterStartup));
        clearCalls();
        QSignalSpy closed(host.get(), &HostWindow::closed);
        QVERIFY(host->close());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(calls(), (QStringList{"disconnect Recording.ThrowsOnClick 0", "disconnect Recording.Connect 0"}));
        QVERIFY(host->connections().connectedProgIds().isEmpty());
        QCOMPARE(menuTexts(host->addInsMenu()), QStringList{"&Add-In Manager..."});
    }

    // A screen smaller than the window, as 1280 x 1024 is at scale 2 (the
    // offscreen screen is 800 x 600): the window shrinks to fit it.
    void windowFitsItsScreen()
    {
        auto host = startHost();
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        const QRect screen = host->screen()->availableGeometry();
        QVERIFY2(host->frameGeometry().width() <= screen.width() && host->frameGeometry().height() <= screen.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(host->frameGeometry().width()).arg(host->frameGeometry().height())));
    }

    void hostIsAccessible_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("window") << int(QAccessible::Window) << "Pelk Host";
        QTest::newRow("code window") << int(QAccessible::EditableText) << "Code window";
        QTest::newRow("File menu") << int(QAccessible::MenuItem) << "File";
        QTest::newRow("Edit menu") << int(QAccessible::MenuItem) << "Edit";
        QTest::newRow("Add-Ins menu") << int(QAccessible::MenuItem) << "Add-Ins";
    }
    void hostIsAccessible()
    {
        QFETCH(int, role);
        QFETCH(QString, name);
        auto host = startHost();
        const QStringList names = accessibleNames(host.get());
        QVERIFY2(names.contains(QStringLiteral("%1:%2").arg(role).arg(name)), qPrintable(names.join(", ")));
    }

    // The real module: registered as pelktulvane registers it, loaded by the host.
    void realModuleAcrossRestarts()
    {
        DesktopServices realPlatform(qEnvironmentVariable("PELK_BIN_DIR"));
        writeFile(addInList(), "[Add-Ins32]\nOther.Connect=0\n");
        QVERIFY(AddIn::Main(realPlatform).ok());
        QVERIFY(registration::RegisterServer(realPlatform, qEnvironmentVariable("PELK_BIN_DIR") + "/libpelktulvane.so").ok());
        QVERIFY(markForStartup(platform, QStringLiteral("PelkTulvane.Connect"), true).ok());
        const QStringList captions{"Pelk MsgBox Wizard", "Pelk Input Box Wizard", "Pelk Color Finder",
                                   "Pelk Picture Viewer"};

        auto host = std::make_unique<HostWindow>(platform, platform, options);
        host->connectStartupAddIns();
        host->show();
        host->startupComplete();
        QVERIFY2(platform.msgBoxes.isEmpty(), qPrintable(platform.msgBoxes.value(0).prompt));
        QCOMPARE(menuTexts(host->addInsMenu()),
                 (QStringList{"&Add-In Manager...", "-", captions[0], captions[1], "-", captions[2], captions[3]}));
        QCOMPARE(addInEntries(*host).size(), 4);
        QVERIFY(!visibleWindowTitled(QStringLiteral("Pelk MsgBox Wizard")));

        // The color finder is open when the host closes: the next start opens the message box wizard.
        addInEntries(*host)[2]->trigger();
        QVERIFY(visibleWindowTitled(QStringLiteral("Pelk Color Finder")));
        host->close();
        host.reset();
        QVERIFY(!visibleWindowTitled(QStringLiteral("Pelk Color Finder")));
        QCOMPARE(displayOnConnect(realPlatform), QStringLiteral("1"));

        host = std::make_unique<HostWindow>(platform, platform, options);
        host->connectStartupAddIns();
        host->show();
        QVERIFY(!visibleWindowTitled(QStringLiteral("Pelk MsgBox Wizard")));
        host->startupComplete();
        QWidget *wizard = visibleWindowTitled(QStringLiteral("Pelk MsgBox Wizard"));
        QVERIFY(wizard);
        QVERIFY(!visibleWindowTitled(QStringLiteral("Pelk Color Finder")));

        // Closed by its close box: the start after that opens nothing.
        wizard->close();
        host->close();
        QCOMPARE(displayOnConnect(realPlatform), QStringLiteral("0"));
        host = std::make_unique<HostWindow>(platform, platform, options);
        host->connectStartupAddIns();
        host->show();
        host->startupComplete();
        QCOMPARE(addInEntries(*host).size(), 4);
        QVERIFY(!visibleWindowTitled(QStringLiteral("Pelk MsgBox Wizard")));
        host->close();

        // The add-in list kept its other entry.
        QCOMPARE(addInProgIds(readFileBytes(addInList())),
                 (QStringList{"Other.Connect", "PelkTulvane.Connect"}));
    }

    void realModuleWithoutAddInsBar()
    {
        DesktopServices realPlatform(qEnvironmentVariable("PELK_BIN_DIR"));
        QVERIFY(registration::RegisterServer(realPlatform, qEnvironmentVariable("PELK_BIN_DIR") + "/libpelktulvane.so").ok());
        options.noAddInsBar = true;
        options.connectCommandLine << QStringLiteral("PelkTulvane.Connect");
        ModalAnswerer answerer;
        auto host = std::make_unique<HostWindow>(platform, platform, options);
        host->connectStartupAddIns();
        QVERIFY2(platform.msgBoxes.isEmpty(), qPrintable(platform.msgBoxes.value(0).prompt));
        QCOMPARE(answerer.texts, QStringList{"Pelk Tulvane|Object variable or With block variable not set"});
        QVERIFY(host->connections().isConnected(QStringLiteral("PelkTulvane.Connect")));
        QCOMPARE(menuTexts(host->addInsMenu()), QStringList{"&Add-In Manager..."});
        QVERIFY(platform.msgBoxes.isEmpty());
        host->close();
    }
};

PELK_TEST_MAIN(TestHost)
#include "tst_host.moc"
