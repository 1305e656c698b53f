// The host's parts that need no add-in: reading its INI files, its command
// line, and its command bars over Qt menus.
#include "host/addinlist.h"
#include "host/addinmanager.h"
#include "host/commandbars.h"
#include "host/hostoptions.h"
#include "host/hostruns.h"
#include "testmain.h"

using namespace pelk::host;

using Entries = QList<QPair<QString, QString>>;
Q_DECLARE_METATYPE(Entries)

namespace {

// The menu's items as text, "-" for a separator.
QStringList items(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

struct RecordingSink : hostsdk::CommandBarEventsSink {
    QStringList heard;
    bool fail = false;
    void Click(const hostsdk::CommandBarControlPtr &control, bool &, bool &) override
    {
        heard << control->Caption();
        if (fail)
            throw std::runtime_error("sink failed");
    }
};

} // namespace

class TestHostParts : public QObject {
    Q_OBJECT

    QStringList reports;

    // A host IDE with an "Add-Ins" bar over a menu that holds the manager entry.
    std::unique_ptr<QMenu> menu;
    std::shared_ptr<HostIde> ide;

private slots:
    void init()
    {
        reports.clear();
        menu = std::make_unique<QMenu>();
        menu->addAction(QStringLiteral("&Add-In Manager..."));
        ide = std::make_shared<HostIde>([this](const QString &what, const QString &reason) {
            reports << what + QLatin1Char('|') + reason;
        });
        ide->addCommandBar(QStringLiteral("Add-Ins"), menu.get());
    }
    void cleanup()
    {
        ide.reset();
        menu.reset();
    }

    void iniSection_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<Entries>("entries");
        QTest::newRow("plain") << QByteArray("[Add-Ins32]\nA.Connect=0\nB.Connect=1\n")
                               << Entries{{"A.Connect", "0"}, {"B.Connect", "1"}};
        QTest::newRow("section in another case") << QByteArray("[add-ins32]\nA=0\n") << Entries{{"A", "0"}};
        QTest::newRow("CR LF") << QByteArray("[Add-Ins32]\r\nA=0\r\nB=1\r\n") << Entries{{"A", "0"}, {"B", "1"}};
        QTest::newRow("comments and blanks") << QByteArray("; list\n[Add-Ins32]\n\n; A=5\n  A = 0  \n")
                                             << Entries{{"A", "0"}};
        QTest::newRow("quoted value") << QByteArray("[Add-Ins32]\nA=\"x y\"\n") << Entries{{"A", "x y"}};
        QTest::newRow("other sections passed over") << QByteArray("[X]\nA=1\n[Add-Ins32]\nB=2\n[Y]\nC=3\n")
                                                    << Entries{{"B", "2"}};
        QTest::newRow("section twice: first value wins")
            << QByteArray("[Add-Ins32]\nA=0\n[Other]\nZ=9\n[ADD-INS32]\na=1\nB=1\n") << Entries{{"A", "0"}, {"B", "1"}};
        QTest::newRow("junk lines") << QByteArray("\x01\xff\n[Add-Ins32\nno equals\n=x\n[Add-Ins32]\nA=0\n")
                                    << Entries{{"A", "0"}};
        QTest::newRow("empty value") << QByteArray("[Add-Ins32]\nA=\n") << Entries{{"A", ""}};
        QTest::newRow("no final newline") << QByteArray("[Add-Ins32]\nA=0") << Entries{{"A", "0"}};
        QTest::newRow("no section") << QByteArray("[Other]\nA=0\n") << Entries{};
        QTest::newRow("empty file") << QByteArray() << Entries{};
        QTest::newRow("saved with a byte order mark") << QByteArray("\xEF\xBB\xBF[Add-Ins32]\r\nA=0\r\n")
                                                      << Entries{{"A", "0"}};
        QTest::newRow("byte order mark further on is text")
            << QByteArray("[Add-Ins32]\nA=0\n\xEF\xBB\xBF[Other]\nB=1\n") << Entries{{"A", "0"}, {"B", "1"}};
        QTest::newRow("byte order mark after blanks in a section name")
            << QByteArray("[ \xEF\xBB\xBF" "Add-Ins32]\nA=0\n") << Entries{{"A", "0"}};
    }
    void iniSection()
    {
        QFETCH(QByteArray, ini);
        QFETCH(Entries, entries);
        QCOMPARE(pelk::host::iniSection(ini, QStringLiteral("Add-Ins32")), entries);
    }

    void findClass_data()
    {
        QTest::addColumn<QByteArray>("registry");
        QTest::addColumn<QString>("progId");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("module");
        const QByteArray registry = "[PelkTulvane.Connect]\nCLSID={E4}\nDescription=Pelk Tulvane\n"
                                    "Module=/opt/pelk tulvane/libpelktulvane.so\n"
                                    "[NoModule.Connect]\nDescription=Nothing to load\n";
        QTest::newRow("registered") << registry << "PelkTulvane.Connect" << true << "Pelk Tulvane"
                                    << "/opt/pelk tulvane/libpelktulvane.so";
        QTest::newRow("any case") << registry << "pelktulvane.connect" << true << "Pelk Tulvane"
                                  << "/opt/pelk tulvane/libpelktulvane.so";
        QTest::newRow("not registered") << registry << "Other.Connect" << false << "" << "";
        QTest::newRow("no module named") << registry << "NoModule.Connect" << false << "" << "";
        QTest::newRow("empty registry") << QByteArray() << "PelkTulvane.Connect" << false << "" << "";
    }
    void findClass()
    {
        QFETCH(QByteArray, registry);
        QFETCH(QString, progId);
        QFETCH(bool, found);
        QFETCH(QString, description);
        QFETCH(QString, module);
        const std::optional<ClassRecord> record = pelk::host::findClass(registry, progId);
        QCOMPARE(record.has_value(), found);
        if (record) {
            QCOMPARE(record->description, description);
            QCOMPARE(record->modulePath, module);
        }
    }

    void hostOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QStringList>("external");
        QTest::addColumn<QStringList>("commandLine");
        QTest::addColumn<QStringList>("startup");
        QTest::addColumn<bool>("noBar");
        QTest::addColumn<QString>("screenshots");
        QTest::newRow("none") << QStringList{} << true << QStringList{} << QStringList{} << QStringList{} << false
                              << QString();
        QTest::newRow("mode 2") << QStringList{"--connect-external", "A.Connect"} << true << QStringList{"A.Connect"}
                                << QStringList{} << QStringList{} << false << QString();
        QTest::newRow("mode 3") << QStringList{"--connect-commandline", "A.Connect"} << true << QStringList{}
                                << QStringList{"A.Connect"} << QStringList{} << false << QString();
        QTest::newRow("headless run")
            << QStringList{"--load-at-startup", "PelkTulvane.Connect", "--screenshot-dir", "/tmp/shots"} << true
            << QStringList{} << QStringList{} << QStringList{"PelkTulvane.Connect"} << false << "/tmp/shots";
        QTest::newRow("no bar") << QStringList{"--no-addins-bar"} << true << QStringList{} << QStringList{}
                                << QStringList{} << true << QString();
        QTest::newRow("missing value") << QStringList{"--connect-external"} << false << QStringList{}
                                       << QStringList{} << QStringList{} << false << QString();
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << false << QStringList{} << QStringList{}
                                        << QStringList{} << false << QString();
        QTest::newRow("stray argument") << QStringList{"Project1.vbp"} << false << QStringList{} << QStringList{}
                                        << QStringList{} << false << QString();
        // Qt's own options are QApplication's: passed over, values included.
        QTest::newRow("Qt option and its value") << QStringList{"-platform", "offscreen", "--no-addins-bar"} << true
                                                 << QStringList{} << QStringList{} << QStringList{} << true << QString();
        QTest::newRow("Qt option with two dashes") << QStringList{"--style", "fusion"} << true << QStringList{}
                                                   << QStringList{} << QStringList{} << false << QString();
        QTest::newRow("Qt option with its value after =") << QStringList{"-style=fusion"} << true << QStringList{}
                                                          << QStringList{} << QStringList{} << false << QString();
        QTest::newRow("Qt flag") << QStringList{"-reverse"} << true << QStringList{} << QStringList{}
                                 << QStringList{} << false << QString();
        // QApplication takes its options wherever they stand, values of ours included.
        QTest::newRow("value that is a Qt option")
            << QStringList{"--screenshot-dir", "-reverse"} << false << QStringList{} << QStringList{} << QStringList{}
            << false << QString();
        // Help and the version end the program before it starts.
        QTest::newRow("help") << QStringList{"--help"} << false << QStringList{} << QStringList{} << QStringList{}
                              << false << QString();
        QTest::newRow("version") << QStringList{"--version"} << false << QStringList{} << QStringList{}
                                 << QStringList{} << false << QString();
    }
    void hostOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, valid);
        QFETCH(QStringList, external);
        QFETCH(QStringList, commandLine);
        QFETCH(QStringList, startup);
        QFETCH(bool, noBar);
        QFETCH(QString, screenshots);
        QString error;
        const auto options = parseHostOptions(QStringList{"pelkhost"} + arguments, &error);
        QCOMPARE(options.has_value(), valid);
        QCOMPARE(error.isEmpty(), valid);
        if (!options)
            return;
        QCOMPARE(options->connectExternal, external);
        QCOMPARE(options->connectCommandLine, commandLine);
        QCOMPARE(options->loadAtStartup, startup);
        QCOMPARE(options->noAddInsBar, noBar);
        QCOMPARE(options->screenshotDir, screenshots);
    }

    void namesShown_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<bool>("startup");
        QTest::addColumn<QString>("behavior");
        QTest::newRow("neither") << false << false << "";
        QTest::newRow("loaded") << true << false << "Loaded";
        QTest::newRow("startup") << false << true << "Startup";
        QTest::newRow("both") << true << true << "Startup / Loaded";
    }
    void namesShown()
    {
        QFETCH(bool, loaded);
        QFETCH(bool, startup);
        QFETCH(QString, behavior);
        QCOMPARE(loadBehavior({QStringLiteral("A"), QString(), loaded, startup}), behavior);
        QCOMPARE(screenshotFileName(3, QStringLiteral("Pelk Color Finder")), QStringLiteral("3-Pelk Color Finder.png"));
        QCOMPARE(screenshotFileName(1, QStringLiteral("a/b")), QStringLiteral("1-a_b.png"));
    }

    void commandBarEdits_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("menu");
        const QString manager = QStringLiteral("&Add-In Manager...");
        QTest::newRow("entries go to the end") << QStringList{"add A", "add B"} << QStringList{manager, "A", "B"};
        QTest::newRow("a group begins with a separator")
            << QStringList{"add A", "group A", "add B"} << QStringList{manager, "-", "A", "B"};
        QTest::newRow("grouping twice draws one separator")
            << QStringList{"add A", "group A", "group A"} << QStringList{manager, "-", "A"};
        QTest::newRow("ungrouping removes it") << QStringList{"add A", "group A", "ungroup A"}
                                               << QStringList{manager, "A"};
        QTest::newRow("delete takes the separator too")
            << QStringList{"add A", "group A", "add B", "group B", "delete A"} << QStringList{manager, "-", "B"};
        QTest::newRow("the add-ins' order") << QStringList{"add W", "group W", "add I", "add C", "group C", "add P"}
                                            << QStringList{manager, "-", "W", "I", "-", "C", "P"};
    }
    void commandBarEdits()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, menu);
        hostsdk::CommandBarPtr bar = ide->CommandBars().Item(QStringLiteral("add-ins"));
        QVERIFY(bar);
        QMap<QString, hostsdk::CommandBarControlPtr> entries;
        for (const QString &step : std::as_const(steps)) {
            const QString verb = step.section(QLatin1Char(' '), 0, 0);
            const QString name = step.section(QLatin1Char(' '), 1);
            if (verb == QLatin1String("add")) {
                entries[name] = bar->Controls().Add(1);
                entries[name]->setCaption(name);
            } else if (verb == QLatin1String("group")) {
                entries[name]->setBeginGroup(true);
            } else if (verb == QLatin1String("ungroup")) {
                entries[name]->setBeginGroup(false);
            } else if (verb == QLatin1String("delete")) {
                entries[name]->Delete();
            }
        }
        QCOMPARE(items(*this->menu), menu);
        QCOMPARE(bar->Controls().Count(), int(menu.size() - menu.count(QStringLiteral("-"))));
    }

    void noSuchBar()
    {
        QVERIFY(!ide->CommandBars().Item(QStringLiteral("Standard")));
        HostIde bare([](const QString &, const QString &) {});
        QVERIFY(!bare.CommandBars().Item(QStringLiteral("Add-Ins")));
    }

    void deletedEntryRefusesEverything_data()
    {
        QTest::addColumn<QString>("operation");
        for (const char *operation : {"caption", "set caption", "group", "set group", "delete", "events"})
            QTest::newRow(operation) << QString::fromLatin1(operation);
    }
    void deletedEntryRefusesEverything()
    {
        QFETCH(QString, operation);
        hostsdk::CommandBarControlPtr entry = ide->CommandBars().Item(QStringLiteral("Add-Ins"))->Controls().Add(1);
        entry->Delete();
        const QStringList before = items(*menu);
        bool threw = false;
        try {
            if (operation == QLatin1String("caption"))
                entry->Caption();
            else if (operation == QLatin1String("set caption"))
                entry->setCaption(QStringLiteral("X"));
            else if (operation == QLatin1String("group"))
                entry->BeginGroup();
            else if (operation == QLatin1String("set group"))
                entry->setBeginGroup(true);
            else if (operation == QLatin1String("delete"))
                entry->Delete();
            else
                ide->Events().CommandBarEvents(entry);
        } catch (const hostsdk::HostError &) {
            threw = true;
        }
        QVERIFY(threw);
        QCOMPARE(items(*menu), before);
    }

    void onlyPlainButtons()
    {
        hostsdk::CommandBarPtr bar = ide->CommandBars().Item(QStringLiteral("Add-Ins"));
        QVERIFY_THROWS_EXCEPTION(hostsdk::HostError, bar->Controls().Add(10));
        QCOMPARE(items(*menu).size(), 1);
    }

    void clicksReachAdvisedSinks()
    {
        hostsdk::CommandBarControlPtr entry = ide->CommandBars().Item(QStringLiteral("Add-Ins"))->Controls().Add(1);
        entry->setCaption(QStringLiteral("Tool"));
        hostsdk::CommandBarEventsPtr source = ide->Events().CommandBarEvents(entry);
        RecordingSink first, second;
        source->Advise(&first);
        source->Advise(&second);
        source->Advise(&first); // advised once only
        QAction *action = menu->actions().last();
        action->trigger();
        QCOMPARE(first.heard, QStringList{"Tool"});
        QCOMPARE(second.heard, QStringList{"Tool"});

        // A sink that throws is reported; the others still hear the click.
        first.fail = true;
        action->trigger();
        QCOMPARE(second.heard.size(), 2);
        QCOMPARE(reports, QStringList{"Tool|sink failed"});

        source->Unadvise(&first);
        action->trigger();
        QCOMPARE(first.heard.size(), 2);
        QCOMPARE(second.heard.size(), 3);

        source.reset(); // released: no more clicks
        action->trigger();
        QCOMPARE(second.heard.size(), 3);
    }
};

PELK_TEST_MAIN(TestHostParts)
#include "tst_hostparts.moc"
