// Per-user files that are no plain files, and a full folder: nothing hangs,
// eats memory or changes what the files hold. An operation that could hang
// runs in fault_probe, stopped at a deadline and held to a memory limit.
#include "fullfolder.h"
#include "platform/error.h"
#include "storage/paths.h"
#include "desktop/desktopservices.h"
#include "errornumber.h"
#include "testmain.h"

#include <QProcess>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define PELK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PELK_ASAN 1
#endif
#endif

using namespace pelk;

namespace {

const QString app = QStringLiteral("Pelk Tulvane");

struct ProbeRun {
    bool finished = false;
    QString output;
};

// Runs fault_probe for at most ten seconds and one GiB.
ProbeRun probe(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
#ifdef PELK_ASAN
    // The sanitizer's own reservations do not fit under an address space
    // limit; it watches the resident size instead.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0:hard_rss_limit_mb=1024"));
#else
    process.setChildProcessModifier([] {
        const rlimit memory{rlim_t(1) << 30, rlim_t(1) << 30};
        setrlimit(RLIMIT_AS, &memory);
    });
#endif
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(FAULT_PROBE), arguments);
    ProbeRun run;
    run.finished = process.waitForFinished(10000);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.finished = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    return run;
}

QString pathOf(const QString &file)
{
    if (file == QLatin1String("settings"))
        return paths::settingsFile(app);
    if (file == QLatin1String("classes"))
        return paths::classRegistryFile();
    return paths::userFolder() + QLatin1Char('/') + file;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The odd files stand in the test's own folder, never outside it: an endless
// device is a pipe whose writer never stops, so code that wrongly writes or
// renames through a link harms nothing of the machine's.
class OddFile {
public:
    // kind: "pipe", "link to an endless pipe", or "link loop".
    OddFile(const QString &kind, const QString &path) : m_path(QFile::encodeName(path))
    {
        const QByteArray folder = QFile::encodeName(paths::userFolder());
        if (kind == QLatin1String("pipe")) {
            m_made = ::mkfifo(m_path.constData(), 0600) == 0;
        } else if (kind == QLatin1String("link loop")) {
            const QByteArray other = folder + "/loop";
            m_made = ::symlink(other.constData(), m_path.constData()) == 0
                && ::symlink(m_path.constData(), other.constData()) == 0;
        } else {
            const QByteArray endless = folder + "/endless";
            m_made = ::mkfifo(endless.constData(), 0600) == 0 && ::symlink(endless.constData(), m_path.constData()) == 0;
            // The writer opens the pipe itself, waiting until a reader comes;
            // from then on it writes without end.
            m_writer.start(QStringLiteral("sh"),
                           {QStringLiteral("-c"), QStringLiteral("exec yes > \"$0\""), QFile::decodeName(endless)});
        }
    }
    ~OddFile()
    {
        if (m_writer.state() != QProcess::NotRunning) {
            m_writer.kill();
            m_writer.waitForFinished();
        }
    }
    bool made() const { return m_made; }
    // Still what it was made as.
    bool intact() const
    {
        struct stat info {};
        return ::lstat(m_path.constData(), &info) == 0 && (S_ISFIFO(info.st_mode) || S_ISLNK(info.st_mode));
    }

private:
    QByteArray m_path;
    bool m_made = false;
    QProcess m_writer;
};

} // namespace

class FaultsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QDir(paths::userFolder()).removeRecursively();
        QVERIFY(QDir().mkpath(paths::userFolder() + QStringLiteral("/settings")));
    }

    void whatIsNoPlainFileIsRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output");

        const QString open = QStringLiteral("title|message|box 16: Path/File access error");
        for (const char *kind : {"pipe", "link to an endless pipe", "link loop"}) {
            QTest::addRow("settings, %s: read", kind) << "settings" << QStringList{"get"} << "192";
            QTest::addRow("settings, %s: save", kind) << "settings" << QStringList{"save"} << "error 75";
            QTest::addRow("add-in list, %s: read", kind) << "vbaddin.ini" << QStringList{"addins"} << "";
            QTest::addRow("add-in list, %s: registration", kind) << "vbaddin.ini" << QStringList{"main"} << "done";
            QTest::addRow("class registry, %s: read", kind) << "classes" << QStringList{"class"} << "none";
            QTest::addRow("wizard file, %s: open", kind) << "x.txt" << QStringList{"open"} << open;
        }
    }
    void whatIsNoPlainFileIsRefused()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);

        const QString path = pathOf(file);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        const OddFile odd(tag.section(QLatin1String(", "), 1).section(QLatin1Char(':'), 0, 0), path);
        QVERIFY(odd.made());
        if (arguments == QStringList{"open"})
            arguments << path;

        const ProbeRun run = probe(arguments);
        QVERIFY2(run.finished, "the probe hung, crashed or ran out of memory");
        QCOMPARE(run.output, output);
        // What was there is there still.
        QVERIFY(odd.intact());
    }

    void fullFolderKeepsEveryFile()
    {
        FullFolder full;
        if (!full.isValid())
            QSKIP("no right to mount a small file system here");
        full.becomeUserFolder();

        DesktopServices platform(QStringLiteral("/opt/pelk"));
        QVERIFY(platform.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QStringLiteral("10")).ok());
        QVERIFY(platform.writeKey("Add-Ins32", "Other.Connect", "0", "vbaddin.ini").ok());
        const QByteArray store = readBytes(paths::settingsFile(app));
        const QByteArray list = readBytes(full.path() + QStringLiteral("/vbaddin.ini"));
        QVERIFY(full.fill());

        const QString large(4096, QLatin1Char('x'));
        QCOMPARE(errorNumberOf([&] { return platform.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Junk"), large); }),
                 int(errDiskFull));
        QCOMPARE(errorNumberOf([&] {
                     return platform.writeKey("Add-Ins32", "PelkTulvane.Connect", large.toLatin1(),
                                                         "vbaddin.ini");
                 }),
                 int(errDiskFull));
        QCOMPARE(readBytes(paths::settingsFile(app)), store);
        QCOMPARE(readBytes(full.path() + QStringLiteral("/vbaddin.ini")), list);
        QCOMPARE(platform.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QString()),
                 QStringLiteral("10"));
        // No half-written temporary file is left taking the space.
        QCOMPARE(QDir(full.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{".filler", "vbaddin.ini"}));
        QCOMPARE(QDir(full.path() + QStringLiteral("/settings")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Pelk Tulvane.ini"});
    }
};

PELK_TEST_MAIN(FaultsTest)
#include "tst_faults.moc"
