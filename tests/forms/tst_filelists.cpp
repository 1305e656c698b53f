// The drive, folder and file lists: what they list, in which order, and the
// events they raise.
#include "testmain.h"

#include "platform/error.h"
#include "forms/filelists.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

using namespace pelk;
using namespace pelk::forms;

namespace {
void touch(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(path));
}

int errorOf(const std::function<Status()> &action)
{
    const Status done = action();
    return done ? 0 : done.error().number();
}
} // namespace

class TestFileLists : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString sub(const QString &name)
    {
        QDir(m_dir.path()).mkpath(name);
        return m_dir.filePath(name);
    }

private slots:
    void patternMatches_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");
        const QString pictures = QStringLiteral("*.ico;*.bmp;*.cur;*.emf;*.jpg;*.gif;*.dib;*.wmf");
        QTest::newRow("picture: jpg") << pictures << "cat.jpg" << true;
        QTest::newRow("picture: upper case") << pictures << "CAT.BMP" << true;
        QTest::newRow("picture: last of the list") << pictures << "clip.wmf" << true;
        QTest::newRow("picture: png is not one") << pictures << "cat.png" << false;
        QTest::newRow("picture: jpeg spelled long") << pictures << "cat.jpeg" << false;
        QTest::newRow("picture: extension inside the name") << pictures << "cat.jpg.txt" << false;
        QTest::newRow("picture: no extension") << pictures << "jpg" << false;
        QTest::newRow("all: star") << "*" << "WIN.INI" << true;
        QTest::newRow("all: no extension") << "*" << "README" << true;
        QTest::newRow("empty pattern matches all") << "" << "x" << true;
        QTest::newRow("question mark") << "a?c.txt" << "abc.txt" << true;
        QTest::newRow("question mark needs a character") << "a?c.txt" << "ac.txt" << false;
        QTest::newRow("star in the middle") << "a*z" << "abcz" << true;
        QTest::newRow("star in the middle, wrong end") << "a*z" << "abcy" << false;
        QTest::newRow("blanks around parts") << " *.ini ; *.exe " << "notepad.exe" << true;
        QTest::newRow("non-ascii folded") << "*.JPG" << "Äpfel.jpg" << true;
    }
    void patternMatches()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, matches);
        QCOMPARE(FilePattern(pattern).matches(name), matches);
    }

    void namesSortAsAUserExpects_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("case is ignored") << QStringList{"b.jpg", "A.jpg", "c.jpg"}
                                         << QStringList{"A.jpg", "b.jpg", "c.jpg"};
        QTest::newRow("numbers by value") << QStringList{"photo 10.jpg", "Photo 2.jpg", "photo 1.jpg"}
                                          << QStringList{"photo 1.jpg", "Photo 2.jpg", "photo 10.jpg"};
        QTest::newRow("leading zeros") << QStringList{"p010.gif", "p9.gif", "p0011.gif"}
                                       << QStringList{"p9.gif", "p010.gif", "p0011.gif"};
        QTest::newRow("shorter name first") << QStringList{"ab.bmp", "a.bmp"} << QStringList{"a.bmp", "ab.bmp"};
        QTest::newRow("same but for case: a fixed order") << QStringList{"a.ico", "A.ico"}
                                                         << QStringList{"A.ico", "a.ico"};
        QTest::newRow("numbers longer than 64 bits")
            << QStringList{"x200000000000000000000", "x30000000000000000000"}
            << QStringList{"x30000000000000000000", "x200000000000000000000"};
        QTest::newRow("nothing") << QStringList{} << QStringList{};
    }
    void namesSortAsAUserExpects()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, sorted);
        sortNames(names);
        QCOMPARE(names, sorted);
    }

    void readsFolderSkippingWhatCannotBeListed()
    {
        const QString folder = sub(QStringLiteral("read"));
        touch(folder + "/b.jpg");
        touch(folder + "/A.txt");
        touch(folder + "/.hidden");
        QDir(folder).mkdir(QStringLiteral("Sub"));
        QDir(folder).mkdir(QStringLiteral(".config"));
        // A name that is not UTF-8, a link to itself, a link to nothing, and
        // links to a file and to a folder.
        const QByteArray base = QFile::encodeName(folder);
        const int fd = ::open((base + "/bad\xff.jpg").constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        QVERIFY(::symlink("loop", (base + "/loop").constData()) == 0);
        QVERIFY(::symlink("nowhere", (base + "/dangling.jpg").constData()) == 0);
        QVERIFY(::symlink("b.jpg", (base + "/link.jpg").constData()) == 0);
        QVERIFY(::symlink("Sub", (base + "/linked").constData()) == 0);

        FolderEntries entries = readFolder(folder, ListFiles | ListFolders);
        QVERIFY(entries.readable);
        sortNames(entries.files);
        sortNames(entries.folders);
        QCOMPARE(entries.files, (QStringList{"A.txt", "b.jpg", "link.jpg"}));
        QCOMPARE(entries.folders, (QStringList{"linked", "Sub"}));
        QCOMPARE(readFolder(folder, ListFolders).files, QStringList());

        ::unlink((base + "/bad\xff.jpg").constData()); // no QString can name it for the clean-up

        const FolderEntries missing = readFolder(m_dir.filePath(QStringLiteral("gone")), ListFiles);
        QVERIFY(!missing.readable);
        QVERIFY(missing.files.isEmpty());
    }

    void userVolumes_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QByteArray>("device");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("listed");
        QTest::newRow("root") << "/" << QByteArray("overlay") << QByteArray("overlay") << true;
        QTest::newRow("usb stick") << "/media/ann/STICK" << QByteArray("/dev/sdb1") << QByteArray("vfat") << true;
        QTest::newRow("removable under run/media") << "/run/media/ann/CD" << QByteArray("/dev/sr0")
                                                   << QByteArray("iso9660") << true;
        QTest::newRow("home partition") << "/home" << QByteArray("/dev/sda3") << QByteArray("ext4") << true;
        QTest::newRow("network share") << "/mnt/share" << QByteArray("server:/export") << QByteArray("nfs4") << true;
        QTest::newRow("boot partition") << "/boot/efi" << QByteArray("/dev/sda1") << QByteArray("vfat") << false;
        QTest::newRow("temporary") << "/tmp" << QByteArray("tmpfs") << QByteArray("tmpfs") << false;
        QTest::newRow("tmpfs elsewhere") << "/mnt/ram" << QByteArray("none") << QByteArray("tmpfs") << false;
        QTest::newRow("snap package") << "/snap/core/1" << QByteArray("/dev/loop0") << QByteArray("squashfs")
                                      << false;
        QTest::newRow("runtime folder") << "/run/user/1000" << QByteArray("tmpfs") << QByteArray("tmpfs") << false;
        QTest::newRow("kernel") << "/sys/fs/cgroup" << QByteArray("cgroup") << QByteArray("cgroup2") << false;
    }
    void userVolumes()
    {
        QFETCH(QString, root);
        QFETCH(QByteArray, device);
        QFETCH(QByteArray, type);
        QFETCH(bool, listed);
        QCOMPARE(isUserVolume(root, device, type), listed);
    }

    void driveOfAPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("drive");
        QTest::newRow("root") << "/" << "/";
        QTest::newRow("folder on the root") << "/home/ann" << "/";
        QTest::newRow("the stick itself") << "/media/stick" << "/media/stick";
        QTest::newRow("folder on the stick") << "/media/stick/photos" << "/media/stick";
        QTest::newRow("a name that only starts alike") << "/media/sticker" << "/";
    }
    void driveOfAPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, drive);
        QCOMPARE(driveOfPath(path, {"/", "/media/stick"}), drive);
    }

    void folderChainFromTheRoot_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("root") << "/" << QStringList{"/"};
        QTest::newRow("two deep") << "/a/b" << QStringList{"/", "/a", "/a/b"};
        QTest::newRow("untidy") << "/a//b/" << QStringList{"/", "/a", "/a/b"};
        QTest::newRow("relative") << "a/b" << QStringList{};
    }
    void folderChainFromTheRoot()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, chain);
        QCOMPARE(folderChain(path), chain);
    }

    void fileListSelection()
    {
        const QString folder = sub(QStringLiteral("files"));
        for (const char *name : {"c.gif", "a.jpg", "b.txt"})
            touch(folder + "/" + name);
        FileListBox list(nullptr);
        QSignalSpy clicks(&list, &FileListBox::Click);
        list.setPattern(QStringLiteral("*.jpg;*.gif"));
        list.setPath(folder);
        QCOMPARE(list.ListCount(), 2);
        QCOMPARE(list.List(0), QStringLiteral("a.jpg"));
        QCOMPARE(list.ListIndex(), -1);
        QCOMPARE(list.FileName(), QString());
        QCOMPARE(clicks.count(), 0);

        QVERIFY(list.setListIndex(1).ok());
        QCOMPARE(list.FileName(), QStringLiteral("c.gif"));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(list.setListIndex(1).ok()); // no change, no event
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(errorOf([&] { return list.setListIndex(2); }), int(errInvalidProcedureCall));
        QCOMPARE(errorOf([&] { return list.setListIndex(-2); }), int(errInvalidProcedureCall));
        QCOMPARE(list.ListIndex(), 1);
        QVERIFY(list.setListIndex(-1).ok());
        QCOMPARE(list.FileName(), QString());
        QCOMPARE(clicks.count(), 2);

        // A new pattern refills the same folder with nothing selected.
        QVERIFY(list.setListIndex(0).ok());
        list.setPattern(QStringLiteral("*"));
        QCOMPARE(list.ListCount(), 3);
        QCOMPARE(list.ListIndex(), -1);
    }

    void fileListFollowsTheUser()
    {
        const QString folder = sub(QStringLiteral("user"));
        for (const char *name : {"a.jpg", "b.jpg", "c.jpg"})
            touch(folder + "/" + name);
        FileListBox list(nullptr);
        list.setPath(folder);
        list.resize(200, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy clicks(&list, &FileListBox::Click);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(1, 0)).center());
        QCOMPARE(list.ListIndex(), 1);
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.FileName(), QStringLiteral("c.jpg"));
        QCOMPARE(clicks.count(), 2);
    }

    void folderListOpensAndSelects()
    {
        const QString folder = sub(QStringLiteral("tree/open"));
        QDir(folder).mkdir(QStringLiteral("Beta"));
        QDir(folder).mkdir(QStringLiteral("alpha"));
        DirListBox dirs(nullptr);
        dirs.resize(200, 300);
        dirs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dirs));
        QSignalSpy changes(&dirs, &DirListBox::Change);
        QSignalSpy clicks(&dirs, &DirListBox::Click);
        QVERIFY(dirs.setPath(folder).ok());
        QCOMPARE(dirs.Path(), folder);
        QCOMPARE(changes.count(), 1);
        QVERIFY(dirs.setPath(folder + "/").ok()); // the same folder: no change
        QCOMPARE(changes.count(), 1);

        // The open folder's ancestors and its subfolders are listed.
        QVERIFY(!dirs.findItems(QStringLiteral("tree"), Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
        QTreeWidgetItem *alpha = dirs.findItems(QStringLiteral("alpha"), Qt::MatchExactly | Qt::MatchRecursive).value(0);
        QVERIFY(alpha);
        QCOMPARE(alpha->parent()->text(0), QStringLiteral("open"));

        // A single click selects without opening; Enter opens.
        QTest::mouseClick(dirs.viewport(), Qt::LeftButton, {}, dirs.visualItemRect(alpha).center());
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(dirs.Path(), folder);
        QCOMPARE(dirs.selectedPath(), folder + "/alpha");
        QTest::keyClick(&dirs, Qt::Key_Return);
        QCOMPARE(dirs.Path(), folder + "/alpha");
        QCOMPARE(changes.count(), 2);

        // A double click on an ancestor opens it.
        QTreeWidgetItem *tree = dirs.findItems(QStringLiteral("tree"), Qt::MatchExactly | Qt::MatchRecursive).value(0);
        QTest::mouseClick(dirs.viewport(), Qt::LeftButton, {}, dirs.visualItemRect(tree).center());
        QCOMPARE(clicks.count(), 2);
        QTest::mouseDClick(dirs.viewport(), Qt::LeftButton, {}, dirs.visualItemRect(tree).center());
        QCOMPARE(dirs.Path(), m_dir.filePath(QStringLiteral("tree")));
        QCOMPARE(changes.count(), 3);

        // A click on the entry already selected still counts as a selection.
        QTreeWidgetItem *open = dirs.findItems(QStringLiteral("open"), Qt::MatchExactly | Qt::MatchRecursive).value(0);
        dirs.setCurrentItem(open);
        const int before = clicks.count();
        QTest::mouseClick(dirs.viewport(), Qt::LeftButton, {}, dirs.visualItemRect(open).center());
        QCOMPARE(clicks.count(), before + 1);
    }

    void folderListRefusesWhatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("error");
        QTest::newRow("missing folder") << "/pelk-no-such-folder/x" << int(errPathNotFound);
        QTest::newRow("drive that is not there") << "/pelk-no-such-drive" << int(errDeviceUnavailable);
    }
    void folderListRefusesWhatCannotBeOpened()
    {
        QFETCH(QString, path);
        QFETCH(int, error);
        DirListBox dirs(nullptr);
        dirs.setDrives({"/", "/pelk-no-such-drive"});
        QVERIFY(dirs.setPath(m_dir.path()).ok());
        QSignalSpy changes(&dirs, &DirListBox::Change);
        QCOMPARE(errorOf([&] { return dirs.setPath(path); }), error);
        QCOMPARE(dirs.Path(), m_dir.path());
        QCOMPARE(changes.count(), 0);
    }

    void driveOpensItsCurrentFolder()
    {
        const QString stick = sub(QStringLiteral("stick"));
        const QString photos = sub(QStringLiteral("stick/photos"));
        DirListBox dirs(nullptr);
        dirs.setDrives({"/", stick});
        QVERIFY(dirs.setPath(photos).ok());
        QVERIFY(dirs.setPath(m_dir.path()).ok());
        // Back to the drive: the folder last open there.
        QVERIFY(dirs.setPath(stick).ok());
        QCOMPARE(dirs.Path(), photos);
        // The drive of the open folder: stays where it is.
        QVERIFY(dirs.setPath(QStringLiteral("/")).ok());
        QCOMPARE(dirs.Path(), m_dir.path());
    }

    void driveListFollowsItsDrive()
    {
        DriveListBox drives(nullptr);
        drives.setDrives({"/", m_dir.path()});
        QSignalSpy changes(&drives, &DriveListBox::Change);
        drives.setDrive(m_dir.filePath(QStringLiteral("stick/photos")));
        QCOMPARE(drives.Drive(), m_dir.path());
        QCOMPARE(changes.count(), 1);
        drives.setDrive(m_dir.path()); // the same drive: no event
        QCOMPARE(changes.count(), 1);
        drives.setDrive(QStringLiteral("/usr"));
        QCOMPARE(drives.Drive(), QStringLiteral("/"));
        QCOMPARE(changes.count(), 2);
    }
};

PELK_TEST_MAIN(TestFileLists)
#include "tst_filelists.moc"
