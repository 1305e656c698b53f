#include "frmaddin3.h"

#include "fullpath.h"

#include "about/maker.h"
#include "about/programicon.h"
#include "platform/forms/twips.h"

#include <QLayout>
#include <QMenuBar>
#include <QScreen>

namespace pelk {

using forms::place;

const QString frmAddIn3::kPicturePattern = QStringLiteral("*.ico;*.bmp;*.cur;*.emf;*.jpg;*.gif;*.dib;*.wmf");

namespace {
constexpr int kMenuHelpContext = 400;
constexpr int kReadAheadCount = 3;
} // namespace

frmAddIn3::frmAddIn3(Platform &platform, QObject *parent) : forms::Form(platform, parent) {}

void frmAddIn3::createControls(forms::FormWindow *window)
{
    m_ui = std::make_unique<Ui>();
    Ui &u = *m_ui;
    window->setObjectName(QStringLiteral("frmAddIn3"));
    window->setWindowTitle(QStringLiteral("Pelk Picture Viwer"));
    window->setWindowIcon(programIcon());
    window->setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    window->setClientSize(6600, 3120);
    QWidget *client = window->clientArea();

    u.Line2 = new forms::Line(client, 6600, 0, 0, 0, client->palette().color(QPalette::WindowText), 1);
    u.Line1 = new forms::Line(client, 6600, 0, 0, 0, Qt::white, 4);
    u.Line2->raise();

    u.Drive1 = new forms::DriveListBox(client);
    forms::name(u.Drive1, QStringLiteral("Drive1"), QStringLiteral("Drive"));
    place(u.Drive1, 0, 2040, 1815, 315);
    forms::setWhatsThisHelpID(u.Drive1, 403);

    u.Dir1 = new forms::DirListBox(client);
    forms::name(u.Dir1, QStringLiteral("Dir1"), QStringLiteral("Folders"));
    place(u.Dir1, 0, 120, 1815, 1890);
    u.Dir1->setToolTip(QStringLiteral("Doubel click to open folders."));
    u.Dir1->setDrives(u.Drive1->drives());
    forms::setWhatsThisHelpID(u.Dir1, 402);

    u.File1 = new forms::FileListBox(client);
    forms::name(u.File1, QStringLiteral("File1"), QStringLiteral("Files"));
    place(u.File1, 1920, 120, 2055, 2235);
    forms::setWhatsThisHelpID(u.File1, 405);

    u.Image1 = new forms::ImageBox(client);
    forms::name(u.Image1, QStringLiteral("Image1"), QStringLiteral("Picture"));
    place(u.Image1, 4200, 120, 2175, 2175);
    u.Image1->setStretch(true);
    u.Image1->setReloader(
        [this](const QString &path, const QSize &size) { return platform().LoadPicture(path, size); });
    forms::setWhatsThisHelpID(u.Image1, 408);

    u.cmdSuper = new forms::CommandButton(QStringLiteral("Super Size"), client);
    forms::name(u.cmdSuper, QStringLiteral("cmdSuper"), QStringLiteral("Super Size"));
    place(u.cmdSuper, 360, 2520, 975, 375);
    u.cmdSuper->setToolTip(QStringLiteral("View picture full screen hight."));
    forms::setWhatsThisHelpID(u.cmdSuper, 404);

    u.Command1 = new forms::CommandButton(QStringLiteral("Copy"), client);
    forms::name(u.Command1, QStringLiteral("Command1"), QStringLiteral("Copy"));
    place(u.Command1, 2280, 2520, 1095, 375);
    u.Command1->setToolTip(QStringLiteral("Copy the complete path to the clipboard."));
    forms::setWhatsThisHelpID(u.Command1, 410);

    u.Label1 = new forms::Label(QStringLiteral("Speed"), client);
    forms::name(u.Label1, QStringLiteral("Label1"), QStringLiteral("Speed"));
    place(u.Label1, 3720, 2520, 465, 195);
    u.Label1->setAutoSize(true);
    forms::setWhatsThisHelpID(u.Label1, 409);

    u.Label2 = new forms::Label(QStringLiteral("1"), client);
    // Read out as its number; what the number is, as its description.
    forms::name(u.Label2, QStringLiteral("Label2"));
    u.Label2->setAccessibleDescription(QStringLiteral("Speed value"));
    place(u.Label2, 3960, 2760, 90, 195);
    u.Label2->setAutoSize(true);
    forms::setWhatsThisHelpID(u.Label2, 409);

    u.UpDown1 = new forms::UpDown(client, 0, 20, 1);
    forms::name(u.UpDown1, QStringLiteral("UpDown1"), QStringLiteral("Speed"));
    place(u.UpDown1, 4320, 2520, 240, 255);
    forms::setWhatsThisHelpID(u.UpDown1, 407);

    u.cmdScan = new forms::CommandButton(QStringLiteral("Scan"), client);
    forms::name(u.cmdScan, QStringLiteral("cmdScan"), QStringLiteral("Scan"));
    place(u.cmdScan, 4680, 2520, 1095, 375);
    u.cmdScan->setToolTip(QStringLiteral("Step through the list of files above"));
    forms::setWhatsThisHelpID(u.cmdScan, 406);

    u.cmdRestore = new forms::CommandButton(QStringLiteral("Restore"), client);
    forms::name(u.cmdRestore, QStringLiteral("cmdRestore"), QStringLiteral("Restore"));
    place(u.cmdRestore, 0, 120, 1095, 375);
    u.cmdRestore->setToolTip(QStringLiteral("Go back to AutoView and controls."));
    forms::setWhatsThisHelpID(u.cmdRestore, 401);

    u.Timer1 = new forms::Timer(client, 500);

    // Tab order: Drive1, Dir1, File1, cmdSuper, cmdScan, UpDown1, (the two
    // labels take no focus), cmdRestore, Command1.
    QWidget::setTabOrder(u.Drive1, u.Dir1);
    QWidget::setTabOrder(u.Dir1, u.File1);
    QWidget::setTabOrder(u.File1, u.cmdSuper);
    QWidget::setTabOrder(u.cmdSuper, u.cmdScan);
    QWidget::setTabOrder(u.cmdScan, u.UpDown1);
    QWidget::setTabOrder(u.UpDown1, u.cmdRestore);
    QWidget::setTabOrder(u.cmdRestore, u.Command1);

    // Menu titles are menu items carrying their menus, so a title has a
    // help context of its own and can be hidden.
    QMenuBar *bar = window->menuBar();
    auto *options = new QMenu(bar);
    u.mnuOptions = new forms::MenuItem(QStringLiteral("&Options"), bar);
    u.mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    u.mnuOptions->setMenu(options);
    u.mnuOptions->HelpContextID = kMenuHelpContext;
    bar->addAction(u.mnuOptions);
    u.mnuPathFinder = new forms::MenuItem(QStringLiteral("&Path Finder"), options);
    u.mnuPathFinder->setObjectName(QStringLiteral("mnuPathFinder"));
    u.mnuPathFinder->setCheckMark(false);
    u.mnuPathFinder->HelpContextID = kMenuHelpContext;
    options->addAction(u.mnuPathFinder);
    options->addSeparator()->setObjectName(QStringLiteral("bar1"));
    u.mnuExit = new forms::MenuItem(QStringLiteral("E&xit"), options);
    u.mnuExit->setObjectName(QStringLiteral("mnuExit"));
    options->addAction(u.mnuExit);

    auto *helpMenu = new QMenu(bar);
    u.mnuhlp = new forms::MenuItem(QStringLiteral("&Help"), bar);
    u.mnuhlp->setObjectName(QStringLiteral("mnuhlp"));
    u.mnuhlp->setMenu(helpMenu);
    bar->addAction(u.mnuhlp);
    u.mnuhelp = new forms::MenuItem(QStringLiteral("&Quick Help"), helpMenu);
    u.mnuhelp->setObjectName(QStringLiteral("mnuhelp"));
    u.mnuhelp->HelpContextID = kMenuHelpContext;
    helpMenu->addAction(u.mnuhelp);
    u.mnuAbout = new forms::MenuItem(QStringLiteral("&About"), helpMenu);
    u.mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    u.mnuAbout->HelpContextID = kMenuHelpContext;
    helpMenu->addAction(u.mnuAbout);

    u.mnuContextHelp = new forms::MenuItem(QStringLiteral("&?"), bar);
    u.mnuContextHelp->setObjectName(QStringLiteral("mnuContextHelp"));
    u.mnuContextHelp->HelpContextID = kMenuHelpContext;
    bar->addAction(u.mnuContextHelp);
    HelpContextID = kMenuHelpContext;

    connect(u.Drive1, &forms::DriveListBox::drivesChanged, u.Dir1,
            [dirs = u.Dir1, drives = u.Drive1] { dirs->setDrives(drives->drives()); });
    connect(u.Drive1, &forms::DriveListBox::Change, this, &frmAddIn3::Drive1_Change);
    connect(u.Dir1, &forms::DirListBox::Change, this, &frmAddIn3::Dir1_Change);
    connect(u.Dir1, &forms::DirListBox::Click, this, &frmAddIn3::Dir1_Click);
    connect(u.File1, &forms::FileListBox::Click, this, &frmAddIn3::File1_Click);
    // Decoding ahead: the files after a selection, and where a scan starts.
    connect(u.File1, &forms::FileListBox::Click, this, [this] {
        if (ui().File1->ListIndex() >= 0)
            readAhead(ui().File1->ListIndex() + 1);
    });
    connect(u.cmdScan, &forms::CommandButton::Click, this, &frmAddIn3::cmdScan_Click);
    connect(u.cmdScan, &forms::CommandButton::Click, this, [this] {
        if (Toggel)
            readAhead(i < ui().File1->ListCount() ? i : 0);
    });
    connect(u.Timer1, &forms::Timer::Timer_, this, &frmAddIn3::Timer1_Timer);
    connect(u.UpDown1, &forms::UpDown::Change, this, &frmAddIn3::UpDown1_Change);
    connect(u.cmdSuper, &forms::CommandButton::Click, this, &frmAddIn3::cmdSuper_Click);
    connect(u.cmdRestore, &forms::CommandButton::Click, this, &frmAddIn3::cmdRestore_Click);
    connect(u.mnuPathFinder, &forms::MenuItem::Click, this, &frmAddIn3::mnuPathFinder_Click);
    connect(u.Command1, &forms::CommandButton::Click, this, &frmAddIn3::Command1_Click);
    connect(u.mnuhelp, &forms::MenuItem::Click, this, &frmAddIn3::mnuhelp_Click);
    connect(u.mnuContextHelp, &forms::MenuItem::Click, this, &frmAddIn3::mnuContextHelp_Click);
    connect(u.mnuAbout, &forms::MenuItem::Click, this, &frmAddIn3::mnuAbout_Click);
    connect(u.mnuExit, &forms::MenuItem::Click, this, &frmAddIn3::mnuExit_Click);
}

void frmAddIn3::Form_Load()
{
    Ui &u = ui();
    u.File1->setPattern(kPicturePattern);
    u.Timer1->setEnabled(false);
    Toggel = false;
    u.cmdRestore->hide();
    u.Timer1->setInterval(500);
    u.Label2->setCaption(QStringLiteral("5"));
    u.UpDown1->setValue(5);
}

void frmAddIn3::Form_Unload(bool &)
{
    if (Connect)
        Connect->Hide3();
}

QString frmAddIn3::selectedFullPath()
{
    return fullPath(ui().Dir1->Path(), ui().File1->FileName());
}

void frmAddIn3::stopAndRewind()
{
    ui().Timer1->setEnabled(false);
    ui().cmdScan->setText(QStringLiteral("Scan"));
    Toggel = false;
    i = 0;
}

// --- Lists ------------------------------------------------------------------

void frmAddIn3::Drive1_Change()
{
    stopAndRewind();
    Ui &u = ui();
    try {
        u.Dir1->setPath(u.Drive1->Drive());
    } catch (const Error &error) {
        if (error.number() == errDeviceUnavailable) {
            platform().MsgBox(QStringLiteral("Drive not ready. Please insurt disk in drive."),
                              mb::vbOKOnly + mb::vbExclamation);
            u.Drive1->setDrive(u.Dir1->Path());
        } else {
            platform().MsgBox(QStringLiteral("Application error."), mb::vbOKOnly + mb::vbExclamation);
        }
    }
}

void frmAddIn3::Dir1_Change()
{
    Ui &u = ui();
    u.File1->setPath(u.Dir1->Path());
    if (u.File1->ListCount() > 0)
        u.File1->setListIndex(0);
}

void frmAddIn3::Dir1_Click()
{
    stopAndRewind();
}

void frmAddIn3::File1_Click()
{
    Ui &u = ui();
    if (u.mnuPathFinder->Checked())
        return;
    try {
        u.Image1->setPicture(platform().LoadPicture(selectedFullPath(), u.Image1->shownSize()));
    } catch (const Error &) {
        // Not a readable picture: the previous one stays.
    }
}

void frmAddIn3::readAhead(int from)
{
    Ui &u = ui();
    const int count = u.File1->ListCount();
    if (u.mnuPathFinder->Checked() || count == 0)
        return;
    QStringList next;
    for (int k = 0; k < kReadAheadCount && k < count; ++k)
        next.append(fullPath(u.Dir1->Path(), u.File1->List((from + k) % count)));
    platform().LoadPictureAhead(next, u.Image1->shownSize());
}

// --- Scan -------------------------------------------------------------------

void frmAddIn3::cmdScan_Click()
{
    Ui &u = ui();
    if (u.File1->ListIndex() < 0)
        return;
    if (!Toggel) {
        Toggel = true;
        u.Timer1->setEnabled(true);
        u.cmdScan->setText(QStringLiteral("Stop"));
    } else {
        Toggel = false;
        u.Timer1->setEnabled(false);
        u.cmdScan->setText(QStringLiteral("Scan"));
    }
}

void frmAddIn3::Timer1_Timer()
{
    Ui &u = ui();
    if (i >= u.File1->ListCount())
        i = 0;
    try {
        u.File1->setListIndex(i);
    } catch (const Error &) {
        // An empty list: nothing to select.
    }
    try {
        u.Image1->setPicture(platform().LoadPicture(selectedFullPath(), u.Image1->shownSize()));
    } catch (const Error &) {
        // Not a readable picture: the previous one stays.
    }
    ++i;
}

void frmAddIn3::UpDown1_Change()
{
    Ui &u = ui();
    const int value = u.UpDown1->Value();
    u.Label2->setCaption(QString::number(value));
    u.Timer1->setInterval(value * 100);
}

// --- Super size -------------------------------------------------------------

void frmAddIn3::allowMaximise(bool allow)
{
    forms::FormWindow *w = window();
    if (allow) {
        m_normalPosition = w->geometry().topLeft();
        w->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        w->clientArea()->setMinimumSize(0, 0);
        w->clientArea()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // Where no window manager maximises, the window covers the screen
        // all the same.
        if (QScreen *screen = w->screen())
            w->setGeometry(screen->availableGeometry());
    } else {
        w->setClientSize(6600, 3120);
        w->setFixedBorder(true);
        // Back where the user had it, not where the full screen began: the
        // window itself where it was, so its frame is where it was too.
        w->layout()->activate();
        w->setGeometry(QRect(m_normalPosition, w->size()));
    }
}

void frmAddIn3::cmdSuper_Click()
{
    Ui &u = ui();
    u.mnuOptions->setVisible(false);
    Hide();
    u.Drive1->hide();
    u.Dir1->hide();
    u.File1->hide();
    u.Command1->hide();
    u.cmdScan->hide();
    u.cmdSuper->hide();
    u.cmdRestore->show();
    u.Label1->hide();
    u.Label2->hide();
    u.UpDown1->hide();
    SavedTop = u.Image1->Top();
    SavedLeft = u.Image1->Left();
    SavedHeight = u.Image1->Height();
    SavedWidth = int(std::lround(u.Image1->Width()));
    u.Image1->setHeight(6200);
    u.Image1->setWidth(6200);
    u.Image1->setLeft(1500);
    allowMaximise(true);
    setWindowState(2);
    Show();
}

void frmAddIn3::cmdRestore_Click()
{
    Ui &u = ui();
    u.mnuOptions->setVisible(true);
    Hide();
    u.Drive1->show();
    u.Dir1->show();
    u.File1->show();
    u.Command1->show();
    u.cmdScan->show();
    u.cmdSuper->show();
    u.cmdRestore->hide();
    u.Label1->show();
    u.Label2->show();
    u.UpDown1->show();
    u.Image1->setTop(SavedTop);
    u.Image1->setLeft(SavedLeft);
    u.Image1->setHeight(SavedHeight);
    u.Image1->setWidth(SavedWidth);
    setWindowState(0);
    allowMaximise(false);
    Show();
}

// --- Path finder mode, copy, help, exit ------------------------------------

void frmAddIn3::mnuPathFinder_Click()
{
    stopAndRewind();
    Ui &u = ui();
    const bool toPathFinder = !u.mnuPathFinder->Checked();
    u.mnuPathFinder->setCheckMark(toPathFinder);
    u.File1->setPattern(toPathFinder ? QStringLiteral("*") : kPicturePattern);
    for (QWidget *control : {static_cast<QWidget *>(u.cmdSuper), static_cast<QWidget *>(u.cmdScan),
                             static_cast<QWidget *>(u.Label1), static_cast<QWidget *>(u.Label2),
                             static_cast<QWidget *>(u.UpDown1)})
        control->setEnabled(!toPathFinder);
    setCaption(toPathFinder ? QStringLiteral("Pelk Path Finder") : QStringLiteral("Pelk Picture Viewer"));
}

void frmAddIn3::Command1_Click()
{
    platform().ClipboardClear();
    platform().ClipboardSetText(selectedFullPath());
    platform().MsgBox(QStringLiteral("Your Path has been copped to the clipboard.\r"
                                     "Minimize this program and paste into your code."),
                      mb::vbOKOnly + mb::vbInformation, QStringLiteral("Picture Viewer"));
}

void frmAddIn3::mnuhelp_Click()
{
    platform().MsgBox(QStringLiteral("The Only Help available for this is context help. To Get help, click on the ? "
                                     "in the menu bar, then place the question mark over the item you want to know "
                                     "about."),
                      mb::vbOKOnly + mb::vbInformation, QStringLiteral("Pelk Picture Viewer Quick Help"));
}

void frmAddIn3::mnuContextHelp_Click()
{
    WhatsThisMode();
}

void frmAddIn3::mnuAbout_Click()
{
    platform().MsgBox(QStringLiteral("Programed by ") + maker::kAuthorName + QStringLiteral(" December 25th 1997"),
                      mb::vbOKOnly, QStringLiteral("Pelk Picture Viewer About"));
}

void frmAddIn3::mnuExit_Click()
{
    if (Connect)
        Connect->Hide3();
}

} // namespace pelk
