#include "hostwindow.h"

#include "addinlist.h"

#include "storage/paths.h"
#include "platform/boxes.h"
#include "platform/settings.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>

#include <utility>

namespace pelk::host {

namespace {
const QString kHostSettings = QStringLiteral("Pelk Host");
const QString kStartupSection = QStringLiteral("Load on Startup");

QByteArray addInListBytes()
{
    return readFileBytes(paths::resolveProfileFile(QStringLiteral("vbaddin.ini")));
}
} // namespace

bool isMarkedForStartup(Settings &settings, const QString &progId)
{
    return settings.GetSetting(kHostSettings, kStartupSection, progId, QStringLiteral("0")) == QLatin1String("1");
}

Status markForStartup(Settings &settings, const QString &progId, bool startup)
{
    return settings.SaveSetting(kHostSettings, kStartupSection, progId, startup ? QStringLiteral("1") : QStringLiteral("0"));
}

HostWindow::HostWindow(Settings &settings, Boxes &boxes, const HostOptions &options, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_boxes(boxes), m_options(options), m_code(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("pelkHost"));
    setWindowTitle(QString::fromLatin1(kHostTitle));

    m_code->setObjectName(QStringLiteral("codeWindow"));
    m_code->setAccessibleName(QStringLiteral("Code window"));
    m_code->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_code->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_code->setPlainText(QStringLiteral("Option Explicit\n\n"));
    m_code->moveCursor(QTextCursor::End);
    setCentralWidget(m_code);

    m_ide = std::make_shared<HostIde>([this](const QString &entry, const QString &reason) {
        reportAddInFailure(m_boxes, QStringLiteral("The add-in entry \"%1\" failed:\n%2").arg(entry, reason));
    });
    m_connections = std::make_unique<AddInConnections>(m_boxes, m_ide);
    buildMenus();
    // On a small screen (or a large one at a high scale) the window shrinks
    // to nine tenths of it.
    QSize size(800, 560);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    resize(size);
}

HostWindow::~HostWindow()
{
    shutDown();
}

void HostWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *newCode = file->addAction(QStringLiteral("&New"), m_code, &QPlainTextEdit::clear);
    newCode->setShortcut(QKeySequence::New);
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    exit->setShortcut(QKeySequence::Quit);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    edit->addAction(QStringLiteral("&Undo"), QKeySequence::Undo, m_code, &QPlainTextEdit::undo);
    edit->addAction(QStringLiteral("&Redo"), QKeySequence::Redo, m_code, &QPlainTextEdit::redo);
    edit->addSeparator();
    edit->addAction(QStringLiteral("Cu&t"), QKeySequence::Cut, m_code, &QPlainTextEdit::cut);
    edit->addAction(QStringLiteral("&Copy"), QKeySequence::Copy, m_code, &QPlainTextEdit::copy);
    edit->addAction(QStringLiteral("&Paste"), QKeySequence::Paste, m_code, &QPlainTextEdit::paste);
    edit->addSeparator();
    edit->addAction(QStringLiteral("Select &All"), QKeySequence::SelectAll, m_code, &QPlainTextEdit::selectAll);

    m_addInsMenu = menuBar()->addMenu(QStringLiteral("&Add-Ins"));
    m_addInsMenu->setObjectName(QStringLiteral("mnuAddIns"));
    m_addInsMenu->addAction(QStringLiteral("&Add-In Manager..."), this, &HostWindow::openAddInManager);
    if (!m_options.noAddInsBar)
        m_ide->addCommandBar(QStringLiteral("Add-Ins"), m_addInsMenu);
}

void HostWindow::connectStartupAddIns()
{
    QStringList unkept;
    QString reason;
    for (const QString &progId : std::as_const(m_options.loadAtStartup)) {
        if (const Status marked = markForStartup(m_settings, progId, true); !marked) {
            unkept << QLatin1Char('"') + progId + QLatin1Char('"');
            reason = marked.error().description();
        }
    }
    if (!unkept.isEmpty())
        m_unkeptMarks = QStringLiteral("The choice to load %1 at every start could not be saved; it loads at "
                                       "this start all the same.\n%2")
                            .arg(unkept.join(QStringLiteral(", ")), reason);

    for (const QString &progId : addInProgIds(addInListBytes())) {
        const bool named = std::any_of(m_options.loadAtStartup.cbegin(), m_options.loadAtStartup.cend(),
                                       [&](const QString &id) { return id.compare(progId, Qt::CaseInsensitive) == 0; });
        if (named || isMarkedForStartup(m_settings, progId))
            m_connections->connectAddIn(progId, hostsdk::ext_cm_Startup);
    }
    for (const QString &progId : std::as_const(m_options.connectCommandLine))
        m_connections->connectAddIn(progId, hostsdk::ext_cm_CommandLine);
    for (const QString &progId : std::as_const(m_options.connectExternal))
        m_connections->connectAddIn(progId, hostsdk::ext_cm_External);
}

void HostWindow::startupComplete()
{
    m_connections->startupComplete();
    if (!m_unkeptMarks.isEmpty())
        reportAddInFailure(m_boxes, std::exchange(m_unkeptMarks, QString()));
}

QList<ManagedAddIn> HostWindow::managedAddIns() const
{
    const QByteArray registry = readFileBytes(paths::classRegistryFile());
    QList<ManagedAddIn> addIns;
    for (const QString &progId : addInProgIds(addInListBytes())) {
        ManagedAddIn addIn;
        addIn.progId = progId;
        if (const std::optional<ClassRecord> record = findClass(registry, progId))
            addIn.description = record->description;
        addIn.loaded = m_connections->isConnected(progId);
        addIn.startup = isMarkedForStartup(m_settings, progId);
        addIns.append(addIn);
    }
    return addIns;
}

void HostWindow::applyAddInChoices(const QList<ManagedAddIn> &choices)
{
    QString unkept;
    for (const ManagedAddIn &choice : choices) {
        if (choice.startup != isMarkedForStartup(m_settings, choice.progId)) {
            if (const Status marked = markForStartup(m_settings, choice.progId, choice.startup); !marked)
                unkept = marked.error().description();
        }
        const bool loaded = m_connections->isConnected(choice.progId);
        if (choice.loaded && !loaded)
            m_connections->connectAddIn(choice.progId, hostsdk::ext_cm_AfterStartup);
        else if (!choice.loaded && loaded)
            m_connections->disconnectAddIn(choice.progId, hostsdk::ext_dm_UserClosed);
    }
    if (!unkept.isEmpty())
        reportAddInFailure(m_boxes,
                           QStringLiteral("The choice of add-ins to load at start-up could not be saved:\n%1").arg(unkept));
}

void HostWindow::openAddInManager()
{
    AddInManagerDialog dialog(managedAddIns(), this);
    if (dialog.exec() == QDialog::Accepted)
        applyAddInChoices(dialog.addIns());
}

void HostWindow::shutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    m_connections->disconnectAll(hostsdk::ext_dm_HostShutdown);
}

void HostWindow::closeEvent(QCloseEvent *event)
{
    shutDown();
    event->accept();
    emit closed();
}

} // namespace pelk::host
