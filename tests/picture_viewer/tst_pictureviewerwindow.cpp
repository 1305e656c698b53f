// The picture viewer and path finder window, driven through its widgets.
#include "samplepictures.h"
#include "testmain.h"

#include "about/maker.h"
#include "picture_viewer/pictureviewerwindow.h"
#include "picture_viewer/fullpath.h"
#include "platform/fakeservices.h"
#include "forms/twips.h"
#include "pictures/pictureloader.h"

#include <QAccessible>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace pelk;

namespace {
// The connection as the window sees it: a hide request hides the window.
struct RecordingConnect {
    int hides = 0;
    void attach(PictureViewerWindow &form)
    {
        QObject::connect(&form, &forms::Form::hideRequested, &form, [this, &form] {
            ++hides;
            form.Hide();
        });
    }
};

void touch(const QString &path, const QByteArray &data = QByteArray())
{
    if (!samples::write(path, data))
        qFatal("cannot write %s", qPrintable(path));
}

QRect twipsGeometry(const QWidget *w)
{
    return QRect(int(forms::toTwips(w->x())), int(forms::toTwips(w->y())), int(forms::toTwips(w->width())),
                 int(forms::toTwips(w->height())));
}
} // namespace

class TestPictureViewer : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<FakeServices> m_platform;
    std::unique_ptr<PictureViewerWindow> m_form;
    RecordingConnect m_connect;

    // A folder with three pictures (and a text file the picture pattern
    // leaves out).
    QString pictureFolder()
    {
        const QString folder = m_dir.filePath(QStringLiteral("pics"));
        if (!QDir(folder).exists()) {
            QDir().mkpath(folder);
            touch(folder + "/a.bmp", samples::bmp(QSize(20, 20)));
            touch(folder + "/b.gif", samples::gif(QSize(20, 20)));
            touch(folder + "/c.jpg", samples::jpeg(QSize(20, 20)));
            touch(folder + "/notes.txt", "text");
        }
        return folder;
    }
    QString emptyFolder()
    {
        const QString folder = m_dir.filePath(QStringLiteral("empty"));
        QDir().mkpath(folder);
        return folder;
    }

    PictureViewerWindow::Ui &ui() { return m_form->ui(); }
    void tick() { emit ui().Timer1->Timer_(); }
    QString shown() { return ui().Image1->picture().path; }

    void openFolder(const QString &folder) { QVERIFY(ui().Dir1->setPath(folder).ok()); }

    void clickDirItem(const QString &text)
    {
        forms::DirListBox *dirs = ui().Dir1;
        QTreeWidgetItem *item = dirs->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0);
        QVERIFY(item);
        dirs->scrollToItem(item);
        QTest::mouseClick(dirs->viewport(), Qt::LeftButton, {}, shownPoint(dirs, item));
    }

    // A point on an entry where the user sees it: a long entry runs on past
    // the list's edge.
    static QPoint shownPoint(forms::DirListBox *dirs, QTreeWidgetItem *item)
    {
        const QRect rect = dirs->visualItemRect(item);
        return {qMin(rect.center().x(), rect.left() + 24), rect.center().y()};
    }

    // Opens an entry of the folder list as the user does: a double click.
    void openByUser(const QString &text)
    {
        forms::DirListBox *dirs = ui().Dir1;
        QTreeWidgetItem *item = dirs->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0);
        QVERIFY(item);
        const QString path = item->data(0, Qt::UserRole).toString();
        dirs->scrollToItem(item);
        const QPoint centre = shownPoint(dirs, item);
        QTest::mouseClick(dirs->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(dirs->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(dirs->Path(), path);
    }

    void startScanAndShowTwo()
    {
        openFolder(pictureFolder());
        QTest::mouseClick(ui().cmdScan, Qt::LeftButton);
        tick();
        tick();
        QCOMPARE(m_form->i, 2);
        QVERIFY(m_form->Toggel);
    }

private slots:
    // A screen reader hears the caption the user sees, and the value shown.
    void accessibleNamesFollowCaptions()
    {
        const auto spoken = [](QWidget *control) {
            return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        };
        QCOMPARE(spoken(ui().cmdScan), QStringLiteral("Scan"));
        QCOMPARE(spoken(ui().Label2), QStringLiteral("5"));
        openFolder(pictureFolder());
        QTest::mouseClick(ui().cmdScan, Qt::LeftButton);
        QCOMPARE(spoken(ui().cmdScan), QStringLiteral("Stop"));
        ui().UpDown1->up();
        QCOMPARE(spoken(ui().Label2), QStringLiteral("6"));
        QCOMPARE(QAccessible::queryAccessibleInterface(ui().Label2)->text(QAccessible::Description),
                 QStringLiteral("Speed value"));
        QCOMPARE(spoken(ui().cmdSuper), QStringLiteral("Super Size"));
        QCOMPARE(spoken(ui().Image1), QStringLiteral("Picture"));
    }

    void init()
    {
        m_platform = std::make_unique<FakeServices>();
        m_platform->pictureLoader = [](const QString &path, const QSize &size) { return pictures::load(path, size); };
        m_form = std::make_unique<PictureViewerWindow>(m_platform->services());
        m_connect = RecordingConnect();
        m_connect.attach(*m_form);
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->window()));
    }
    void cleanup()
    {
        m_form.reset();
        m_platform.reset();
    }

    void fullPathRule_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("path");
        QTest::newRow("root") << "/" << "CAT.BMP" << "/CAT.BMP";
        QTest::newRow("folder") << "/pics" << "CAT.BMP" << "/pics/CAT.BMP";
        QTest::newRow("mounted drive") << "/media/stick" << "a.gif" << "/media/stick/a.gif";
        QTest::newRow("folder, nothing selected") << "/etc" << "" << "/etc/";
        QTest::newRow("root, nothing selected") << "/" << "" << "/";
    }
    void fullPathRule()
    {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QString, path);
        QCOMPARE(fullPath(folder, file), path);
    }

    void loadState()
    {
        QCOMPARE(m_form->Caption(), QStringLiteral("Pelk Picture Viwer"));
        QCOMPARE(ui().File1->Pattern(), PictureViewerWindow::kPicturePattern);
        QCOMPARE(ui().Label2->Caption(), QStringLiteral("5"));
        QCOMPARE(ui().UpDown1->Value(), 5);
        QVERIFY(!ui().Timer1->Enabled());
        QCOMPARE(ui().Timer1->Interval(), 500);
        QVERIFY(ui().cmdRestore->isHidden());
        QVERIFY(!ui().mnuPathFinder->Checked());
        QVERIFY(ui().Image1->picture().isNull());
        QCOMPARE(ui().File1->ListIndex(), -1);
        QCOMPARE(ui().Dir1->Path(), QDir::currentPath());
        QCOMPARE(twipsGeometry(ui().Image1), QRect(4200, 120, 2175, 2175));
        QCOMPARE(m_form->window()->clientArea()->size(), QSize(440, 208));
        QCOMPARE(m_form->WindowState(), 0);
    }

    void formLoadResetsOnlyToggel()
    {
        m_form->i = 7;
        m_form->Toggel = true;
        m_form->SavedTop = 120;
        m_form->SavedWidth = 2175;
        m_form->Unload();
        m_form->Show();
        QCOMPARE(m_form->i, 7);
        QVERIFY(!m_form->Toggel);
        QCOMPARE(m_form->SavedTop, 120.0);
        QCOMPARE(m_form->SavedWidth, 2175);
    }

    void openingAFolderShowsItsFirstPicture()
    {
        const QString folder = pictureFolder();
        openFolder(folder);
        QCOMPARE(ui().File1->ListCount(), 3);
        QCOMPARE(ui().File1->ListIndex(), 0);
        QCOMPARE(shown(), folder + "/a.bmp");
        QVERIFY(!ui().Image1->picture().isNull());
        // A folder without pictures leaves the list empty and the picture.
        openFolder(emptyFolder());
        QCOMPARE(ui().File1->ListCount(), 0);
        QCOMPARE(shown(), folder + "/a.bmp");
    }

    void clickingAFileShowsIt()
    {
        const QString folder = pictureFolder();
        openFolder(folder);
        forms::FileListBox *files = ui().File1;
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualRect(files->model()->index(2, 0)).center());
        QCOMPARE(shown(), folder + "/c.jpg");
        // The picture is decoded for the box it is shown in.
        QCOMPARE(m_platform->pictureSizes.last(), ui().Image1->shownSize());
        QCOMPARE(ui().Image1->picture().image.size(), QSize(20, 20));
    }

    void nameStartingWithFeffIsListedAndShown()
    {
        const QString folder = m_dir.filePath(QStringLiteral("feff"));
        QDir().mkpath(folder);
        const QString name = QString(QChar(0xFEFF)) + QStringLiteral("a.bmp");
        touch(folder + QLatin1Char('/') + name, samples::bmp(QSize(20, 20)));
        openFolder(folder);
        QCOMPARE(ui().File1->ListCount(), 1);
        QCOMPARE(ui().File1->FileName(), name);
        QCOMPARE(shown(), folder + QLatin1Char('/') + name);
        QVERIFY(!ui().Image1->picture().isNull());
    }

    void damagedPictureKeepsThePrevious()
    {
        const QString folder = m_dir.filePath(QStringLiteral("damaged"));
        QDir().mkpath(folder);
        touch(folder + "/a.bmp", samples::bmp(QSize(20, 20)));
        const QByteArray jpeg = samples::jpeg(QSize(200, 200));
        touch(folder + "/b.jpg", jpeg.left(jpeg.size() / 2));
        touch(folder + "/c.gif", "not a picture");
        openFolder(folder);
        QCOMPARE(shown(), folder + "/a.bmp");
        QVERIFY(ui().File1->setListIndex(1).ok());
        QCOMPARE(shown(), folder + "/a.bmp");
        QVERIFY(ui().File1->setListIndex(2).ok());
        QCOMPARE(shown(), folder + "/a.bmp");
        QVERIFY(m_platform->msgBoxes.isEmpty());
    }

    void showsEveryFormat_data()
    {
        QTest::addColumn<QString>("format");
        for (const char *format : {"ico", "cur", "bmp", "dib", "jpg", "gif", "wmf", "emf"})
            QTest::newRow(format) << QString::fromLatin1(format);
    }
    void showsEveryFormat()
    {
        QFETCH(QString, format);
        const QString folder = m_dir.filePath("format-" + format);
        QDir().mkpath(folder);
        touch(folder + "/sample." + format, samples::ofFormat(format, QSize(32, 32)));
        openFolder(folder);
        QCOMPARE(shown(), folder + "/sample." + format);
        const QImage image = ui().Image1->picture().image;
        QVERIFY(!image.isNull());
        QCOMPARE(QColor(image.pixel(image.width() / 2, image.height() / 2)).blue() > 200, true);
    }

    void scanWithNothingSelectedDoesNothing()
    {
        openFolder(pictureFolder());
        QVERIFY(ui().File1->setListIndex(-1).ok());
        QTest::mouseClick(ui().cmdScan, Qt::LeftButton);
        QCOMPARE(ui().cmdScan->text(), QStringLiteral("Scan"));
        QVERIFY(!ui().Timer1->Enabled());
        QVERIFY(!m_form->Toggel);
    }

    void scanStopAndScanGoesOn()
    {
        const QString folder = pictureFolder();
        openFolder(folder);
        QTest::mouseClick(ui().cmdScan, Qt::LeftButton);
        QCOMPARE(ui().cmdScan->text(), QStringLiteral("Stop"));
        QVERIFY(ui().Timer1->Enabled());
        QVERIFY(m_form->Toggel);
        tick();
        QCOMPARE(shown(), folder + "/a.bmp");
        tick();
        QCOMPARE(shown(), folder + "/b.gif");
        QCOMPARE(ui().File1->ListIndex(), 1);
        QTest::mouseClick(ui().cmdScan, Qt::LeftButton);
        QCOMPARE(ui().cmdScan->text(), QStringLiteral("Scan"));
        QVERIFY(!ui().Timer1->Enabled());
        QCOMPARE(m_form->i, 2);
        QTest::mouseClick(ui().cmdScan, Qt::LeftButton);
        tick();
        QCOMPARE(shown(), folder + "/c.jpg");
        tick(); // past the end: round to the first
        QCOMPARE(shown(), folder + "/a.bmp");
        QCOMPARE(ui().File1->ListIndex(), 0);
        QCOMPARE(m_form->i, 1);
    }

    void realTimerTicks()
    {
        const QString folder = pictureFolder();
        openFolder(folder);
        ui().UpDown1->setValue(1);
        QSignalSpy ticks(ui().Timer1, &forms::Timer::Timer_);
        QTest::mouseClick(ui().cmdScan, Qt::LeftButton);
        QVERIFY(ticks.wait(2000));
        // The real timer goes on stepping through the list.
        QTRY_VERIFY(m_form->i >= 2);
        QVERIFY(QStringList({folder + "/a.bmp", folder + "/b.gif", folder + "/c.jpg"}).contains(shown()));
    }

    void positionBeyondTheEndStartsAtTheTop()
    {
        const QString folder = pictureFolder();
        openFolder(folder);
        m_form->i = 40000;
        tick();
        QCOMPARE(shown(), folder + "/a.bmp");
        QCOMPARE(m_form->i, 1);
    }

    void tickOnAnEmptyListShowsNothing()
    {
        const QString folder = pictureFolder();
        openFolder(folder);
        openFolder(emptyFolder());
        m_form->i = 3;
        tick();
        QCOMPARE(ui().File1->ListIndex(), -1);
        QCOMPARE(shown(), folder + "/a.bmp");
        QVERIFY(m_platform->msgBoxes.isEmpty());
    }

    void stopAndRewind_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("folder selection") << "folder";
        QTest::newRow("drive change") << "drive";
        QTest::newRow("mode switch") << "mode";
    }
    void stopAndRewind()
    {
        QFETCH(QString, action);
        const QString folder = pictureFolder();
        ui().Drive1->setDrives({"/", folder});
        startScanAndShowTwo();
        if (action == "folder")
            clickDirItem(QStringLiteral("pics"));
        else if (action == "drive")
            ui().Drive1->setCurrentIndex(1);
        else
            ui().mnuPathFinder->trigger();
        QCOMPARE(ui().cmdScan->text(), QStringLiteral("Scan"));
        QVERIFY(!ui().Timer1->Enabled());
        QVERIFY(!m_form->Toggel);
        QCOMPARE(m_form->i, 0);
        if (action == "mode")
            ui().mnuPathFinder->trigger();
        // One press starts the scan again, from the first file.
        openFolder(folder);
        QVERIFY(ui().File1->setListIndex(2).ok());
        QTest::mouseClick(ui().cmdScan, Qt::LeftButton);
        QCOMPARE(ui().cmdScan->text(), QStringLiteral("Stop"));
        tick();
        QCOMPARE(shown(), folder + "/a.bmp");
    }

    void speed()
    {
        QTest::mouseClick(ui().UpDown1, Qt::LeftButton, {}, QPoint(ui().UpDown1->width() / 2, 2));
        QCOMPARE(ui().Label2->Caption(), QStringLiteral("6"));
        QCOMPARE(ui().Timer1->Interval(), 600);
        ui().UpDown1->setValue(25);
        QCOMPARE(ui().UpDown1->Value(), 20);
        QCOMPARE(ui().Label2->Caption(), QStringLiteral("20"));
        QCOMPARE(ui().Timer1->Interval(), 2000);
        ui().UpDown1->setValue(0);
        QTest::mouseClick(ui().UpDown1, Qt::LeftButton, {}, QPoint(ui().UpDown1->width() / 2, ui().UpDown1->height() - 2));
        QCOMPARE(ui().UpDown1->Value(), 0);
        QCOMPARE(ui().Label2->Caption(), QStringLiteral("0"));
    }

    void speedZeroStopsTheTicksButNotTheScan()
    {
        openFolder(pictureFolder());
        QTest::mouseClick(ui().cmdScan, Qt::LeftButton);
        ui().UpDown1->setValue(0);
        QCOMPARE(ui().Timer1->Interval(), 0);
        QVERIFY(ui().Timer1->Enabled());
        QCOMPARE(ui().cmdScan->text(), QStringLiteral("Stop"));
        QSignalSpy ticks(ui().Timer1, &forms::Timer::Timer_);
        QVERIFY(!ticks.wait(300));
        ui().UpDown1->setValue(1);
        QVERIFY(ticks.wait(2000));
    }

    void superSizeAndRestore()
    {
        const QString folder = m_dir.filePath(QStringLiteral("large"));
        QDir().mkpath(folder);
        touch(folder + "/big.jpg", samples::jpeg(QSize(1600, 1200)));
        openFolder(folder);
        QCOMPARE(ui().Image1->picture().image.size(), QSize(145, 145));
        // Where the user left the window.
        m_form->window()->move(200, 150);
        QTRY_COMPARE(m_form->window()->frameGeometry().topLeft(), QPoint(200, 150));

        QTest::mouseClick(ui().cmdSuper, Qt::LeftButton);
        QTRY_COMPARE(m_form->WindowState(), 2);
        QVERIFY(m_form->IsVisible());
        // 6200 twips are 413 whole pixels, as the box reads them back.
        QCOMPARE(twipsGeometry(ui().Image1), QRect(1500, 120, 6195, 6195));
        QCOMPARE(m_form->SavedLeft, 4200.0);
        QCOMPARE(m_form->SavedTop, 120.0);
        QCOMPARE(m_form->SavedHeight, 2175.0);
        QCOMPARE(m_form->SavedWidth, 2175);
        for (QWidget *hidden : QList<QWidget *>{ui().Drive1, ui().Dir1, ui().File1, ui().Command1, ui().cmdScan,
                                                ui().cmdSuper, ui().Label1, ui().Label2, ui().UpDown1})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        QVERIFY(!ui().cmdRestore->isHidden());
        QCOMPARE(twipsGeometry(ui().cmdRestore), QRect(0, 120, 1095, 375));
        QVERIFY(!ui().mnuOptions->isVisible());
        QVERIFY(ui().mnuhlp->isVisible());
        QVERIFY(ui().mnuContextHelp->isVisible());
        // The larger box gets the picture decoded again, larger.
        QCOMPARE(ui().Image1->picture().image.size(), QSize(413, 413));

        QTest::mouseClick(ui().cmdRestore, Qt::LeftButton);
        QTRY_COMPARE(m_form->WindowState(), 0);
        QVERIFY(m_form->IsVisible());
        QCOMPARE(twipsGeometry(ui().Image1), QRect(4200, 120, 2175, 2175));
        QTRY_COMPARE(m_form->window()->clientArea()->size(), QSize(440, 208));
        for (QWidget *shownAgain : QList<QWidget *>{ui().Drive1, ui().Dir1, ui().File1, ui().Command1, ui().cmdScan,
                                                    ui().cmdSuper, ui().Label1, ui().Label2, ui().UpDown1})
            QVERIFY2(!shownAgain->isHidden(), qPrintable(shownAgain->objectName()));
        QVERIFY(ui().cmdRestore->isHidden());
        QVERIFY(ui().mnuOptions->isVisible());
        QTRY_COMPARE(m_form->window()->frameGeometry().topLeft(), QPoint(200, 150));
    }

    void scanGoesOnInSuperSize()
    {
        startScanAndShowTwo();
        QTest::mouseClick(ui().cmdSuper, Qt::LeftButton);
        tick();
        QCOMPARE(shown(), pictureFolder() + "/c.jpg");
        QCOMPARE(ui().cmdScan->text(), QStringLiteral("Stop"));
        QTest::mouseClick(ui().cmdRestore, Qt::LeftButton);
        QVERIFY(ui().Timer1->Enabled());
    }

    void closingWhileSuperSizedLoadsNormal()
    {
        QTest::mouseClick(ui().cmdSuper, Qt::LeftButton);
        m_form->window()->close();
        QVERIFY(!m_form->IsLoaded());
        m_form->Show();
        QCOMPARE(m_form->WindowState(), 0);
        QVERIFY(ui().cmdRestore->isHidden());
        QCOMPARE(twipsGeometry(ui().Image1), QRect(4200, 120, 2175, 2175));
    }

    void pathFinderMode()
    {
        const QString folder = pictureFolder();
        openFolder(folder);
        ui().mnuPathFinder->trigger();
        QVERIFY(ui().mnuPathFinder->Checked());
        QCOMPARE(ui().File1->Pattern(), QStringLiteral("*"));
        QCOMPARE(ui().File1->ListCount(), 4);
        QCOMPARE(ui().File1->ListIndex(), -1);
        QCOMPARE(m_form->Caption(), QStringLiteral("Pelk Path Finder"));
        for (QWidget *greyed : QList<QWidget *>{ui().cmdSuper, ui().cmdScan, ui().Label1, ui().Label2, ui().UpDown1}) {
            QVERIFY2(!greyed->isEnabled(), qPrintable(greyed->objectName()));
            QVERIFY(!greyed->isHidden());
        }
        QVERIFY(ui().Command1->isEnabled());
        const int loads = m_platform->pictureLoads.size();
        QVERIFY(ui().File1->setListIndex(3).ok());
        QCOMPARE(ui().File1->FileName(), QStringLiteral("notes.txt"));
        QVERIFY(ui().File1->setListIndex(2).ok());
        QCOMPARE(m_platform->pictureLoads.size(), loads);
        QCOMPARE(shown(), folder + "/a.bmp");

        ui().mnuPathFinder->trigger();
        QVERIFY(!ui().mnuPathFinder->Checked());
        QCOMPARE(ui().File1->Pattern(), PictureViewerWindow::kPicturePattern);
        QCOMPARE(ui().File1->ListCount(), 3);
        QCOMPARE(m_form->Caption(), QStringLiteral("Pelk Picture Viewer"));
        for (QWidget *enabled : QList<QWidget *>{ui().cmdSuper, ui().cmdScan, ui().Label1, ui().Label2, ui().UpDown1})
            QVERIFY(enabled->isEnabled());
        QCOMPARE(ui().Dir1->Path(), folder);
    }

    void copy_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("copied");
        const QString pics = pictureFolder();
        QTest::newRow("selected picture") << pics << 1 << pics + "/b.gif";
        QTest::newRow("nothing selected") << pics << -1 << pics + "/";
        QTest::newRow("root, nothing selected") << "/" << -1 << "/";
    }
    void copy()
    {
        QFETCH(QString, folder);
        QFETCH(int, index);
        QFETCH(QString, copied);
        if (folder == "/")
            openByUser(QStringLiteral("/"));
        else
            openFolder(folder);
        QVERIFY(ui().File1->setListIndex(index).ok());
        QTest::mouseClick(ui().Command1, Qt::LeftButton);
        QCOMPARE(m_platform->clipboardLog, QStringList({"clear", "set:" + copied}));
        QCOMPARE(m_platform->msgBoxes.size(), 1);
        const auto &box = m_platform->msgBoxes.first();
        QCOMPARE(box.prompt, QStringLiteral("Your Path has been copped to the clipboard.\r"
                                            "Minimize this program and paste into your code."));
        QCOMPARE(box.buttons, mb::vbOKOnly + mb::vbInformation);
        QCOMPARE(box.title, QStringLiteral("Picture Viewer"));
    }

    void copyInPathFinderMode()
    {
        const QString folder = pictureFolder();
        openFolder(folder);
        ui().mnuPathFinder->trigger();
        QVERIFY(ui().File1->setListIndex(3).ok());
        QTest::mouseClick(ui().Command1, Qt::LeftButton);
        QCOMPARE(m_platform->clipboard, folder + "/notes.txt");
    }

    void largeFolderScansAndCopies()
    {
        const QString folder = m_dir.filePath(QStringLiteral("many"));
        QDir().mkpath(folder);
        for (int k = 0; k < 33000; ++k)
            touch(QStringLiteral("%1/f%2.jpg").arg(folder).arg(k, 5, 10, QLatin1Char('0')));
        openFolder(folder);
        QCOMPARE(ui().File1->ListCount(), 33000);
        m_form->i = 32768;
        tick();
        QCOMPARE(ui().File1->ListIndex(), 32768);
        QCOMPARE(m_form->i, 32769);
        QVERIFY(ui().File1->setListIndex(32999).ok());
        QTest::mouseClick(ui().Command1, Qt::LeftButton);
        QCOMPARE(m_platform->clipboard, folder + "/f32999.jpg");
    }

    void messages_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("title");
        QTest::newRow("quick help")
            << "mnuhelp"
            << "The Only Help available for this is context help. To Get help, click on the ? in the menu bar, then "
               "place the question mark over the item you want to know about."
            << int(mb::vbOKOnly + mb::vbInformation) << "Pelk Picture Viewer Quick Help";
        QTest::newRow("about") << "mnuAbout"
                               << QStringLiteral("Programed by ") + maker::kAuthorName
                                      + QStringLiteral(" December 25th 1997")
                               << int(mb::vbOKOnly) << "Pelk Picture Viewer About";
    }
    void messages()
    {
        QFETCH(QString, menu);
        QFETCH(QString, prompt);
        QFETCH(int, buttons);
        QFETCH(QString, title);
        m_form->window()->findChild<forms::MenuItem *>(menu)->trigger();
        QCOMPARE(m_platform->msgBoxes.size(), 1);
        QCOMPARE(m_platform->msgBoxes.first().prompt, prompt);
        QCOMPARE(m_platform->msgBoxes.first().buttons, buttons);
        QCOMPARE(m_platform->msgBoxes.first().title, title);
    }

    void exitHidesAndKeepsState()
    {
        const QString folder = pictureFolder();
        openFolder(folder);
        ui().mnuPathFinder->trigger();
        QVERIFY(ui().File1->setListIndex(2).ok());
        ui().mnuExit->trigger();
        QCOMPARE(m_connect.hides, 1);
        QVERIFY(m_form->IsLoaded());
        QVERIFY(!m_form->IsVisible());
        m_form->Show();
        QCOMPARE(m_form->Caption(), QStringLiteral("Pelk Path Finder"));
        QCOMPARE(ui().File1->ListIndex(), 2);
        QCOMPARE(ui().Dir1->Path(), folder);
    }

    void closeBoxUnloads()
    {
        openFolder(pictureFolder());
        ui().mnuPathFinder->trigger();
        m_form->window()->close();
        QCOMPARE(m_connect.hides, 1);
        QVERIFY(!m_form->IsLoaded());
        m_form->Show();
        QCOMPARE(m_form->Caption(), QStringLiteral("Pelk Picture Viwer"));
        QVERIFY(!ui().mnuPathFinder->Checked());
        QCOMPARE(ui().File1->Pattern(), PictureViewerWindow::kPicturePattern);
        QCOMPARE(ui().Label2->Caption(), QStringLiteral("5"));
        QVERIFY(ui().Image1->picture().isNull());
    }

    void driveNotReady()
    {
        const QString folder = pictureFolder();
        openFolder(folder);
        ui().Drive1->setDrives({"/", "/pelk-no-such-drive"});
        ui().Drive1->setCurrentIndex(1);
        QCOMPARE(m_platform->msgBoxes.size(), 1);
        QCOMPARE(m_platform->msgBoxes.first().prompt, QStringLiteral("Drive not ready. Please insurt disk in drive."));
        QCOMPARE(m_platform->msgBoxes.first().buttons, mb::vbOKOnly + mb::vbExclamation);
        QCOMPARE(m_platform->msgBoxes.first().title, QString());
        QCOMPARE(ui().Drive1->Drive(), QStringLiteral("/"));
        QCOMPARE(ui().Dir1->Path(), folder);
        QCOMPARE(ui().File1->ListCount(), 3);
    }

    void whatsThisTopics_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("topic");
        QTest::newRow("folder list") << "Dir1" << 402;
        QTest::newRow("drive list") << "Drive1" << 403;
        QTest::newRow("file list") << "File1" << 405;
        QTest::newRow("picture") << "Image1" << 408;
        QTest::newRow("super size") << "cmdSuper" << 404;
        QTest::newRow("copy") << "Command1" << 410;
        QTest::newRow("speed") << "UpDown1" << 407;
        QTest::newRow("speed value") << "Label2" << 409;
        QTest::newRow("scan") << "cmdScan" << 406;
    }
    void whatsThisTopics()
    {
        QFETCH(QString, control);
        QFETCH(int, topic);
        ui().mnuContextHelp->trigger();
        QWidget *target = m_form->window()->findChild<QWidget *>(control);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(m_platform->helpCalls.size(), 1);
        QCOMPARE(m_platform->helpCalls.first().command, unsigned(help::HELP_CONTEXTPOPUP));
        QCOMPARE(m_platform->helpCalls.first().data.toInt(), topic);
    }

    void menusAndTabOrder()
    {
        QMenuBar *bar = m_form->window()->menuBar();
        QStringList titles;
        for (QAction *action : bar->actions())
            titles << action->text();
        QCOMPARE(titles, QStringList({"&Options", "&Help", "&?"}));
        QStringList options;
        for (QAction *action : ui().mnuOptions->menu()->actions())
            options << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(options, QStringList({"&Path Finder", "-", "E&xit"}));
        for (forms::MenuItem *withTopic : {ui().mnuOptions, ui().mnuPathFinder, ui().mnuhelp, ui().mnuAbout,
                                           ui().mnuContextHelp})
            QCOMPARE(withTopic->HelpContextID, 400);
        QCOMPARE(ui().mnuExit->HelpContextID, 0);
        QCOMPARE(ui().mnuhlp->HelpContextID, 0);

        QStringList chain;
        QWidget *w = ui().Drive1;
        for (int k = 0; k < 7; ++k) {
            chain << w->objectName();
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || !w->objectName().size())
                w = w->nextInFocusChain();
        }
        QCOMPARE(chain, QStringList({"Drive1", "Dir1", "File1", "cmdSuper", "cmdScan", "UpDown1", "cmdRestore"}));
    }
};

PELK_TEST_MAIN(TestPictureViewer)
#include "tst_pictureviewerwindow.moc"
