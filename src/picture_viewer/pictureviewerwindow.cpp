#include "pictureviewerwindow.h"

#include "fullpath.h"

#include "about/maker.h"
#include "about/programicon.h"

#include <QLayout>
#include <QScreen>

namespace pelk {

const QString PictureViewerWindow::kPicturePattern = QStringLiteral("*.ico;*.bmp;*.cur;*.emf;*.jpg;*.gif;*.dib;*.wmf");

namespace {
constexpr int kReadAheadCount = 3;
} // namespace

PictureViewerWindow::PictureViewerWindow(const Services &services, QObject *parent)
    : forms::Form(services.app, services.help, parent), m_services(services) {}

void PictureViewerWindow::createControls(forms::FormWindow *window)
{
    const forms::Controls c = forms::build(window, formDesign());
    window->setWindowIcon(programIcon());
    window->setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    HelpContextID = kMenuHelpContext;
    m_ui = std::make_unique<Ui>();
    Ui &u = *m_ui;
    u.pick(c);

    u.Dir1->setDrives(u.Drive1->drives());
    connect(u.Drive1, &forms::DriveListBox::drivesChanged, u.Dir1,
            [dirs = u.Dir1, drives = u.Drive1] { dirs->setDrives(drives->drives()); });
    u.Image1->setReloader(
        [this](const QString &path, const QSize &size) { return m_services.pictures.LoadPicture(path, size); });

    connectHandlers(u);
    // Decoding ahead, after the handlers: the files after a selection, and
    // where a scan starts.
    connect(u.File1, &forms::FileListBox::Click, this, [this] {
        if (ui().File1->ListIndex() >= 0)
            readAhead(ui().File1->ListIndex() + 1);
    });
    connect(u.cmdScan, &forms::CommandButton::Click, this, [this] {
        if (Toggel)
            readAhead(i < ui().File1->ListCount() ? i : 0);
    });
}

void PictureViewerWindow::connectHandlers(Ui &u)
{
    connect(u.Drive1, &forms::DriveListBox::Change, this, &PictureViewerWindow::Drive1_Change);
    connect(u.Dir1, &forms::DirListBox::Change, this, &PictureViewerWindow::Dir1_Change);
    connect(u.Dir1, &forms::DirListBox::Click, this, &PictureViewerWindow::Dir1_Click);
    connect(u.File1, &forms::FileListBox::Click, this, &PictureViewerWindow::File1_Click);
    connect(u.cmdScan, &forms::CommandButton::Click, this, &PictureViewerWindow::cmdScan_Click);
    connect(u.Timer1, &forms::Timer::Timer_, this, &PictureViewerWindow::Timer1_Timer);
    connect(u.UpDown1, &forms::UpDown::Change, this, &PictureViewerWindow::UpDown1_Change);
    connect(u.cmdSuper, &forms::CommandButton::Click, this, &PictureViewerWindow::cmdSuper_Click);
    connect(u.cmdRestore, &forms::CommandButton::Click, this, &PictureViewerWindow::cmdRestore_Click);
    connect(u.mnuPathFinder, &forms::MenuItem::Click, this, &PictureViewerWindow::mnuPathFinder_Click);
    connect(u.Command1, &forms::CommandButton::Click, this, &PictureViewerWindow::Command1_Click);
    connect(u.mnuhelp, &forms::MenuItem::Click, this, &PictureViewerWindow::mnuhelp_Click);
    connect(u.mnuContextHelp, &forms::MenuItem::Click, this, &PictureViewerWindow::mnuContextHelp_Click);
    connect(u.mnuAbout, &forms::MenuItem::Click, this, &PictureViewerWindow::mnuAbout_Click);
    connect(u.mnuExit, &forms::MenuItem::Click, this, &PictureViewerWindow::mnuExit_Click);
}

void PictureViewerWindow::Form_Load()
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

void PictureViewerWindow::Form_Unload(bool &)
{
    requestHide();
}

QString PictureViewerWindow::selectedFullPath()
{
    return fullPath(ui().Dir1->Path(), ui().File1->FileName());
}

void PictureViewerWindow::stopAndRewind()
{
    ui().Timer1->setEnabled(false);
    ui().cmdScan->setText(QStringLiteral("Scan"));
    Toggel = false;
    i = 0;
}

// --- Lists ------------------------------------------------------------------

void PictureViewerWindow::Drive1_Change()
{
    stopAndRewind();
    Ui &u = ui();
    const Status opened = u.Dir1->setPath(u.Drive1->Drive());
    if (opened)
        return;
    if (opened.error().number() == errDeviceUnavailable) {
        m_services.boxes.MsgBox(QStringLiteral("Drive not ready. Please insurt disk in drive."),
                                mb::vbOKOnly + mb::vbExclamation);
        u.Drive1->setDrive(u.Dir1->Path());
    } else {
        m_services.boxes.MsgBox(QStringLiteral("Application error."), mb::vbOKOnly + mb::vbExclamation);
    }
}

void PictureViewerWindow::Dir1_Change()
{
    Ui &u = ui();
    u.File1->setPath(u.Dir1->Path());
    if (u.File1->ListCount() > 0)
        (void)u.File1->setListIndex(0); // within the list: cannot fail
}

void PictureViewerWindow::Dir1_Click()
{
    stopAndRewind();
}

void PictureViewerWindow::File1_Click()
{
    Ui &u = ui();
    if (u.mnuPathFinder->Checked())
        return;
    showSelectedPicture();
}

void PictureViewerWindow::showSelectedPicture()
{
    Ui &u = ui();
    // Not a readable picture: the previous one stays.
    u.Image1->setPicture(m_services.pictures.LoadPicture(selectedFullPath(), u.Image1->shownSize()));
}

void PictureViewerWindow::readAhead(int from)
{
    Ui &u = ui();
    const int count = u.File1->ListCount();
    if (u.mnuPathFinder->Checked() || count == 0)
        return;
    QStringList next;
    for (int k = 0; k < kReadAheadCount && k < count; ++k)
        next.append(fullPath(u.Dir1->Path(), u.File1->List((from + k) % count)));
    m_services.pictures.LoadPictureAhead(next, u.Image1->shownSize());
}

// --- Scan -------------------------------------------------------------------

void PictureViewerWindow::cmdScan_Click()
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

void PictureViewerWindow::Timer1_Timer()
{
    Ui &u = ui();
    if (i >= u.File1->ListCount())
        i = 0;
    // An empty list has nothing to select.
    (void)u.File1->setListIndex(i);
    showSelectedPicture();
    ++i;
}

void PictureViewerWindow::UpDown1_Change()
{
    Ui &u = ui();
    const int value = u.UpDown1->Value();
    u.Label2->setCaption(QString::number(value));
    u.Timer1->setInterval(value * 100);
}

// --- Super size -------------------------------------------------------------

void PictureViewerWindow::allowMaximise(bool allow)
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

void PictureViewerWindow::cmdSuper_Click()
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

void PictureViewerWindow::cmdRestore_Click()
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

void PictureViewerWindow::mnuPathFinder_Click()
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

void PictureViewerWindow::Command1_Click()
{
    m_services.clipboard.ClipboardClear();
    m_services.clipboard.ClipboardSetText(selectedFullPath());
    m_services.boxes.MsgBox(QStringLiteral("Your Path has been copped to the clipboard.\r"
                                           "Minimize this program and paste into your code."),
                            mb::vbOKOnly + mb::vbInformation, QStringLiteral("Picture Viewer"));
}

void PictureViewerWindow::mnuhelp_Click()
{
    m_services.boxes.MsgBox(QStringLiteral("The Only Help available for this is context help. To Get help, click on the ? "
                                           "in the menu bar, then place the question mark over the item you want to know "
                                           "about."),
                            mb::vbOKOnly + mb::vbInformation, QStringLiteral("Pelk Picture Viewer Quick Help"));
}

void PictureViewerWindow::mnuContextHelp_Click()
{
    WhatsThisMode();
}

void PictureViewerWindow::mnuAbout_Click()
{
    m_services.boxes.MsgBox(QStringLiteral("Programed by ") + maker::kAuthorName + QStringLiteral(" December 25th 1997"),
                            mb::vbOKOnly, QStringLiteral("Pelk Picture Viewer About"));
}

void PictureViewerWindow::mnuExit_Click()
{
    requestHide();
}

} // namespace pelk
