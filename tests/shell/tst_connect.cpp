// The connection class against a recording host: the entries it adds and
// removes, the windows each entry opens, and "DisplayOnConnect".
#include "fakehost.h"

#include "color_finder/colorfinderwindow.h"
#include "inputbox_wizard/inputboxwizardwindow.h"
#include "msgbox_wizard/msgboxwizardwindow.h"
#include "picture_viewer/pictureviewerwindow.h"
#include "platform/fakeservices.h"
#include "shell/connect.h"
#include "testmain.h"

#include <QLoggingCategory>

using namespace pelk;

namespace {

const QStringList kCaptions = {QStringLiteral("Pelk MsgBox Wizard"), QStringLiteral("Pelk Input Box Wizard"),
                               QStringLiteral("Pelk Color Finder"), QStringLiteral("Pelk Picture Viewer")};

const QStringList kMenu = {QStringLiteral("-"), kCaptions[0], kCaptions[1], QStringLiteral("-"), kCaptions[2],
                           kCaptions[3]};

QStringList visibleTools(Connect &connect)
{
    QStringList shown;
    for (int tool = 0; tool < 4; ++tool) {
        if (forms::Form *window = connect.toolWindow(tool); window && window->IsVisible())
            shown << kCaptions[tool];
    }
    return shown;
}

int visibleFormWindows()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<forms::FormWindow *>(widget) && widget->isVisible() ? 1 : 0;
    return count;
}

} // namespace

class TestConnect : public QObject {
    Q_OBJECT

    FakeServices *platform = nullptr;
    std::shared_ptr<FakeHost> host;
    QVariantList custom;

    std::unique_ptr<Connect> connected(hostsdk::ext_ConnectMode mode)
    {
        auto connect = std::make_unique<Connect>(platform->services());
        connect->OnConnection(host, mode, nullptr, custom);
        return connect;
    }

    // Runs one scripted user step: "click:N" (the menu entry), "exit:N" (the
    // window's Exit, through its Connect), "button:0" (the message box
    // wizard's Exit button, which hides the window itself), "close:N" (the
    // close box).
    void act(Connect &connect, const QString &step)
    {
        const QString verb = step.section(QLatin1Char(':'), 0, 0);
        const int tool = step.section(QLatin1Char(':'), 1).toInt();
        if (verb == QLatin1String("click")) {
            QVERIFY(host->click(kCaptions[tool]));
        } else if (verb == QLatin1String("exit")) {
            forms::Form *window = connect.toolWindow(tool);
            QVERIFY(window);
            emit window->hideRequested();
        } else if (verb == QLatin1String("button")) {
            connect.toolWindow(tool)->Hide();
        } else if (verb == QLatin1String("close")) {
            connect.toolWindow(tool)->window()->close();
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }

private slots:
    void init()
    {
        platform = new FakeServices;
        host = std::make_shared<FakeHost>();
    }
    void cleanup()
    {
        host.reset();
        delete platform;
        platform = nullptr;
    }

    void entriesAfterConnection_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("menu");
        QTest::addColumn<int>("sinks");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("after start-up") << 0 << kMenu << 4 << QStringList();
        QTest::newRow("during start-up") << 1 << kMenu << 4 << QStringList();
        QTest::newRow("external: wizard, no entries") << 2 << QStringList() << 0 << QStringList{kCaptions[0]};
        QTest::newRow("command line") << 3 << kMenu << 4 << QStringList();
    }
    void entriesAfterConnection()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, menu);
        QFETCH(int, sinks);
        QFETCH(QStringList, shown);
        platform->settings.insert(QStringLiteral("Pelk Tulvane/Settings/DisplayOnConnect"), QStringLiteral("0"));
        auto connect = connected(hostsdk::ext_ConnectMode(mode));
        QCOMPARE(host->menu(), menu);
        QCOMPARE(host->advisedSinks(), sinks);
        QCOMPARE(visibleTools(*connect), shown);
        QVERIFY(platform->msgBoxes.isEmpty());
        // The entries are plain buttons taken from the bar named "Add-Ins".
        for (const QString &line : std::as_const(host->log)) {
            if (line.startsWith(QLatin1String("bar:")))
                QCOMPARE(line, QStringLiteral("bar:Add-Ins"));
            if (line.startsWith(QLatin1String("add:")))
                QCOMPARE(line, QStringLiteral("add:1"));
        }
    }

    void eachEntryOpensItsWindow_data()
    {
        QTest::addColumn<int>("tool");
        for (int tool = 0; tool < 4; ++tool)
            QTest::newRow(qPrintable(kCaptions[tool])) << tool;
    }
    void eachEntryOpensItsWindow()
    {
        QFETCH(int, tool);
        auto connect = connected(hostsdk::ext_cm_AfterStartup);
        QVERIFY(host->click(kCaptions[tool]));
        QCOMPARE(visibleTools(*connect), QStringList{kCaptions[tool]});
        QVERIFY(connect->FormDisplayed);
        // The host object goes to every window but the input box wizard's.
        switch (tool) {
        case 0: QCOMPARE(static_cast<MsgBoxWizardWindow *>(connect->toolWindow(0))->VBInstance, connect->VBInstance); break;
        case 2: QCOMPARE(static_cast<ColorFinderWindow *>(connect->toolWindow(2))->VBInstance2, connect->VBInstance); break;
        case 3: QCOMPARE(static_cast<PictureViewerWindow *>(connect->toolWindow(3))->VBInstance3, connect->VBInstance); break;
        }
        QCOMPARE(connect->VBInstance, std::static_pointer_cast<hostsdk::VBE>(host));
        for (int other = 0; other < 4; ++other) {
            if (other != tool)
                QVERIFY(!connect->toolWindow(other));
        }
        // The window's Exit asks the connection to hide it.
        emit connect->toolWindow(tool)->hideRequested();
        QVERIFY(!connect->FormDisplayed);
        QVERIFY(!connect->toolWindow(tool)->IsVisible());
    }

    void displayOnConnect_data()
    {
        QTest::addColumn<QString>("stored"); // a null string stores nothing
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("openAtConnection");
        QTest::addColumn<bool>("openAfterStartup");
        QTest::newRow("nothing stored, after start-up") << QString() << 0 << false << false;
        QTest::newRow("nothing stored, during start-up") << QString() << 1 << false << false;
        QTest::newRow("0, after start-up") << QStringLiteral("0") << 0 << false << false;
        QTest::newRow("1, after start-up") << QStringLiteral("1") << 0 << true << true;
        QTest::newRow("1, during start-up: at its end") << QStringLiteral("1") << 1 << false << true;
        QTest::newRow("1, command line: never") << QStringLiteral("1") << 3 << false << false;
        QTest::newRow("1, external") << QStringLiteral("1") << 2 << true << true;
        QTest::newRow("0, external still opens") << QStringLiteral("0") << 2 << true << true;
        QTest::newRow("True is not 1") << QStringLiteral("True") << 0 << false << false;
        QTest::newRow("blank before 1") << QStringLiteral(" 1") << 0 << false << false;
        QTest::newRow("0, during start-up") << QStringLiteral("0") << 1 << false << false;
    }
    void displayOnConnect()
    {
        QFETCH(QString, stored);
        QFETCH(int, mode);
        QFETCH(bool, openAtConnection);
        QFETCH(bool, openAfterStartup);
        if (!stored.isNull())
            platform->settings.insert(QStringLiteral("Pelk Tulvane/Settings/DisplayOnConnect"), stored);
        auto connect = connected(hostsdk::ext_ConnectMode(mode));
        const QStringList wizard{kCaptions[0]};
        QCOMPARE(visibleTools(*connect), openAtConnection ? wizard : QStringList());
        if (mode == hostsdk::ext_cm_Startup) // the host tells only add-ins it connected while starting
            connect->OnStartupComplete(custom);
        QCOMPARE(visibleTools(*connect), openAfterStartup ? wizard : QStringList());
        QCOMPARE(connect->FormDisplayed, openAfterStartup);
        QVERIFY(platform->msgBoxes.isEmpty());
    }

    void disconnection_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("saved");
        QTest::newRow("nothing opened") << 0 << QStringList() << QStringLiteral("0");
        QTest::newRow("tool open") << 0 << QStringList{"click:3"} << QStringLiteral("1");
        QTest::newRow("color finder left by Exit") << 0 << QStringList{"click:2", "exit:2"} << QStringLiteral("0");
        QTest::newRow("viewer open, color finder left by Exit")
            << 0 << QStringList{"click:3", "click:2", "exit:2"} << QStringLiteral("0");
        QTest::newRow("wizard left by its Exit button") << 0 << QStringList{"click:0", "button:0"}
                                                        << QStringLiteral("1");
        QTest::newRow("input box closed by its close box") << 1 << QStringList{"click:1", "close:1"}
                                                           << QStringLiteral("0");
        QTest::newRow("reopened after Exit") << 3 << QStringList{"click:2", "exit:2", "click:2"}
                                             << QStringLiteral("1");
        QTest::newRow("external: nothing to delete") << 2 << QStringList() << QStringLiteral("1");
        QTest::newRow("external, wizard left by Exit") << 2 << QStringList{"exit:0"} << QStringLiteral("0");
    }
    void disconnection()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, steps);
        QFETCH(QString, saved);
        auto connect = connected(hostsdk::ext_ConnectMode(mode));
        for (const QString &step : std::as_const(steps)) {
            act(*connect, step);
            if (QTest::currentTestFailed())
                return;
        }
        const int settingWritesBefore = int(platform->settingWrites.size());
        connect->OnDisconnection(hostsdk::ext_dm_UserClosed, custom);

        QVERIFY(host->menu().isEmpty());
        QCOMPARE(platform->setting(QStringLiteral("Settings"), QStringLiteral("DisplayOnConnect")), saved);
        QVERIFY(platform->settingWrites.size() > settingWritesBefore);
        QVERIFY(!connect->FormDisplayed);
        for (int tool = 0; tool < 4; ++tool)
            QVERIFY(!connect->toolWindow(tool));
        QCOMPARE(visibleFormWindows(), 0);
        QVERIFY(platform->msgBoxes.isEmpty());

        // The next connection opens the message box wizard exactly when "1" was saved.
        auto next = connected(hostsdk::ext_cm_AfterStartup);
        QCOMPARE(visibleTools(*next), saved == QLatin1String("1") ? QStringList{kCaptions[0]} : QStringList());
        next->OnDisconnection(hostsdk::ext_dm_HostShutdown, custom);
    }

    void failedSaveAtDisconnectionIsSkippedAndLogged()
    {
        auto connect = connected(hostsdk::ext_cm_AfterStartup);
        act(*connect, QStringLiteral("click:0"));
        platform->saveSettingError = Error(errPermissionDenied);
        QLoggingCategory::setFilterRules(QStringLiteral("pelk.connect.debug=true"));
        QTest::ignoreMessage(QtDebugMsg, "skipped saving DisplayOnConnect: Permission denied");
        connect->OnDisconnection(hostsdk::ext_dm_UserClosed, custom);
        QLoggingCategory::setFilterRules(QString());

        // The steps after the failed one ran; no box, nothing saved.
        QVERIFY(host->menu().isEmpty());
        for (int tool = 0; tool < 4; ++tool)
            QVERIFY(!connect->toolWindow(tool));
        QCOMPARE(visibleFormWindows(), 0);
        QVERIFY(platform->msgBoxes.isEmpty());
        QVERIFY(platform->settingWrites.isEmpty());
    }

    void otherFailuresAreNotSwallowed()
    {
        auto connect = connected(hostsdk::ext_cm_AfterStartup);
        host->failDeleteOddly = true;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, connect->OnDisconnection(hostsdk::ext_dm_UserClosed, custom));
        host->failDeleteOddly = false;
    }

    void windowObjectIsReused_data()
    {
        QTest::addColumn<QStringList>("between"); // what happens between the two clicks
        QTest::addColumn<bool>("reloaded");
        QTest::newRow("clicked twice") << QStringList() << false;
        QTest::newRow("after Exit") << QStringList{"exit:2"} << false;
        QTest::newRow("after the close box") << QStringList{"close:2"} << true;
    }
    void windowObjectIsReused()
    {
        QFETCH(QStringList, between);
        QFETCH(bool, reloaded);
        auto connect = connected(hostsdk::ext_cm_AfterStartup);
        QVERIFY(host->click(kCaptions[2]));
        forms::Form *first = connect->toolWindow(2);
        QVERIFY(first && first->IsVisible());
        QSignalSpy loads(first, &forms::Form::loaded);
        for (const QString &step : std::as_const(between))
            act(*connect, step);
        QVERIFY(host->click(kCaptions[2]));
        QCOMPARE(connect->toolWindow(2), first);
        QVERIFY(first->IsVisible());
        QCOMPARE(loads.count(), reloaded ? 1 : 0);
        QCOMPARE(visibleFormWindows(), 1);
    }

    void toolIndexOutsideTheTable_data()
    {
        QTest::addColumn<int>("tool");
        QTest::newRow("before the first") << -1;
        QTest::newRow("after the last") << 4;
        QTest::newRow("far beyond") << 1000;
    }
    void toolIndexOutsideTheTable()
    {
        QFETCH(int, tool);
        auto connect = connected(hostsdk::ext_cm_AfterStartup);
        QVERIFY(!connect->toolWindow(tool));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, connect->Show(tool));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, connect->Hide(tool));
        QVERIFY(!connect->FormDisplayed);
        QCOMPARE(visibleTools(*connect), QStringList());
    }

    // Connected again, each entry's click sink is subscribed once: the
    // source it had before lets it go.
    void subscribedOnceWhenConnectedAgain()
    {
        auto connect = connected(hostsdk::ext_cm_AfterStartup);
        connect->OnConnection(host, hostsdk::ext_cm_AfterStartup, nullptr, custom);
        QCOMPARE(host->advisedSinks(), 4);
    }

    void hideBeforeShowLeavesWindowHidden()
    {
        auto connect = connected(hostsdk::ext_cm_AfterStartup);
        connect->Show(3);
        connect->Hide(2);
        QVERIFY(!connect->FormDisplayed);
        QVERIFY(connect->toolWindow(2) && connect->toolWindow(2)->IsLoaded());
        QVERIFY(!connect->toolWindow(2)->IsVisible());
        QVERIFY(connect->toolWindow(3)->IsVisible());
    }

    void connectionFailures_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("menu");
        QTest::addColumn<QStringList>("left"); // what stays in the menu after disconnection
        const QString notSet = QStringLiteral("Object variable or With block variable not set");
        QTest::newRow("no Add-Ins bar") << "bar" << notSet << QStringList() << QStringList();
        QTest::newRow("entries refused") << "add" << notSet << QStringList() << QStringList();
        // The entry was added before its caption failed; the add-in never got hold of it.
        QTest::newRow("caption refused") << "caption" << notSet << QStringList{""} << QStringList{""};
        QTest::newRow("no events") << "events" << QStringLiteral("Class not registered") << kMenu << QStringList();
        QTest::newRow("no host object") << "host" << notSet << QStringList() << QStringList();
    }
    // What is neither the host's error nor the add-in's is no failure the
    // add-in knows how to report: it goes on to the host, unanswered by a box.
    void oddFailureReachesTheHost()
    {
        host->failEventsOddly = true;
        auto connect = std::make_unique<Connect>(platform->services());
        QVERIFY_THROWS_EXCEPTION(int, connect->OnConnection(host, hostsdk::ext_cm_AfterStartup, nullptr, custom));
        QVERIFY(platform->msgBoxes.isEmpty());
    }
    void connectionFailures()
    {
        QFETCH(QString, failure);
        QFETCH(QString, message);
        QFETCH(QStringList, menu);
        QFETCH(QStringList, left);
        platform->settings.insert(QStringLiteral("Pelk Tulvane/Settings/DisplayOnConnect"), QStringLiteral("1"));
        host->hasAddInsBar = failure != QLatin1String("bar");
        host->failAdd = failure == QLatin1String("add");
        host->failCaption = failure == QLatin1String("caption");
        host->failEvents = failure == QLatin1String("events");
        auto connect = std::make_unique<Connect>(platform->services());
        connect->OnConnection(failure == QLatin1String("host") ? nullptr : host, hostsdk::ext_cm_AfterStartup,
                              nullptr, custom);

        QCOMPARE(platform->msgBoxes.size(), 1);
        QCOMPARE(platform->msgBoxes[0].prompt, message);
        QCOMPARE(platform->msgBoxes[0].buttons, 0);
        QCOMPARE(platform->msgBoxes[0].title, QString()); // the application title
        // What was done before the failure stays; nothing after it happens.
        QCOMPARE(host->menu(), menu);
        QCOMPARE(host->advisedSinks(), 0);
        QCOMPARE(visibleTools(*connect), QStringList());

        // Disconnection still works and saves the flag.
        connect->OnDisconnection(hostsdk::ext_dm_UserClosed, custom);
        QCOMPARE(platform->msgBoxes.size(), 1);
        QCOMPARE(host->menu(), left);
        QCOMPARE(platform->setting(QStringLiteral("Settings"), QStringLiteral("DisplayOnConnect")),
                 QStringLiteral("0"));
    }

    void entriesDeletedByHostAreSkipped()
    {
        auto connect = connected(hostsdk::ext_cm_AfterStartup);
        QVERIFY(host->click(kCaptions[0]));
        host->entries[1]->Delete(); // the host removed one entry already
        connect->OnDisconnection(hostsdk::ext_dm_UserClosed, custom);
        QVERIFY(host->menu().isEmpty());
        QCOMPARE(platform->setting(QStringLiteral("Settings"), QStringLiteral("DisplayOnConnect")),
                 QStringLiteral("1"));
        QVERIFY(!connect->toolWindow(0));
    }

    void releasedConnectionHearsNoClicks()
    {
        auto connect = connected(hostsdk::ext_cm_AfterStartup);
        QCOMPARE(host->advisedSinks(), 4);
        connect.reset();
        QCOMPARE(host->advisedSinks(), 0);
    }
};

PELK_TEST_MAIN(TestConnect)
#include "tst_connect.moc"
