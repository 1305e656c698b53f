#include "form.h"

#include "controls.h"
#include "twips.h"

#include "windowplacement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QScreen>

namespace pelk::forms {

namespace {
const char kHelpContextProperty[] = "pelkHelpContextID";
const char kWhatsThisProperty[] = "pelkWhatsThisHelpID";

// Catches the next click anywhere in one window, once, and shows the
// what's-this topic of the control under the pointer instead of letting the
// control act on it. Esc or a click outside the window leaves the mode.
class WhatsThisFilter : public QObject {
public:
    WhatsThisFilter(Form &form, QWidget *window) : QObject(window), m_form(form), m_window(window)
    {
        QGuiApplication::setOverrideCursor(Qt::WhatsThisCursor);
        qApp->installEventFilter(this);
    }
    ~WhatsThisFilter() override
    {
        qApp->removeEventFilter(this);
        QGuiApplication::restoreOverrideCursor();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (!widget)
                return false;
            int topic = 0;
            if (widget->window() == m_window) {
                for (QWidget *w = widget; w && !topic; w = w->parentWidget())
                    topic = whatsThisHelpID(w);
            }
            deleteLater();
            if (topic) {
                m_form.help().show(m_window, m_form.app().helpFilePath(), help::HELP_CONTEXTPOPUP, topic);
            }
            return true; // the click is consumed either way
        }
        case QEvent::MouseButtonRelease:
            return qobject_cast<QWidget *>(watched) != nullptr;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
                deleteLater();
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    Form &m_form;
    QWidget *m_window;
};

int menuHelpContext(QAction *action)
{
    auto *item = qobject_cast<MenuItem *>(action);
    return item ? item->HelpContextID : 0;
}

// F1 on an open menu or a highlighted menu title: the item's help context,
// else that of the menu's title, else the window's. Menus are popups of their
// own, so the key never reaches the window's F1 handling.
class MenuHelpFilter : public QObject {
public:
    MenuHelpFilter(Form &form, QObject *parent) : QObject(parent), m_form(form) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1)
            return false;
        int context = 0;
        if (auto *menu = qobject_cast<QMenu *>(watched)) {
            context = menuHelpContext(menu->activeAction());
            if (!context)
                context = menuHelpContext(menu->menuAction());
        } else if (auto *bar = qobject_cast<QMenuBar *>(watched)) {
            context = menuHelpContext(bar->activeAction());
        }
        if (!context)
            context = m_form.HelpContextID;
        if (!context)
            return true;
        // The help viewer takes over from the menu.
        while (QWidget *popup = QApplication::activePopupWidget()) {
            if (!popup->close())
                break;
        }
        m_form.help().show(m_form.window(), m_form.app().helpFilePath(), help::HELP_CONTEXT, context);
        return true;
    }

private:
    Form &m_form;
};
} // namespace

void place(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

void setHelpContextID(QWidget *control, int context)
{
    control->setProperty(kHelpContextProperty, context);
}

int helpContextID(const QWidget *control)
{
    return control->property(kHelpContextProperty).toInt();
}

void setWhatsThisHelpID(QWidget *control, int context)
{
    control->setProperty(kWhatsThisProperty, context);
}

int whatsThisHelpID(const QWidget *control)
{
    return control->property(kWhatsThisProperty).toInt();
}

// ---------------------------------------------------------------------------

FormWindow::FormWindow(Form &form) : m_form(form), m_client(new QWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setCentralWidget(m_client);
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->setAutoFillBackground(true);
    // Tool windows use a compact 8-point sans font so every caption fits.
    QFont compact = QApplication::font();
    compact.setFamily(QStringLiteral("Sans Serif"));
    compact.setPointSizeF(8);
    setFont(compact);
    setFixedBorder(true);
}

void FormWindow::setClientSize(double widthTwips, double heightTwips)
{
    m_client->setFixedSize(twips(widthTwips), twips(heightTwips));
}

void FormWindow::setFixedBorder(bool fixed)
{
    layout()->setSizeConstraint(fixed ? QLayout::SetFixedSize : QLayout::SetDefaultConstraint);
    setWindowFlag(Qt::WindowMaximizeButtonHint, !fixed);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // The close box unloads the form; the form may cancel the unload.
    event->ignore();
    m_form.queryUnload();
}

void FormWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_form.resized();
}

void FormWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        m_form.resized();
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        m_form.helpRequested();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// ---------------------------------------------------------------------------

Form::Form(const AppInfo &app, HelpSystem &help, QObject *parent) : QObject(parent), m_app(app), m_help(help) {}

Form::~Form()
{
    // Released without an unload (the caller unloads first when it wants
    // Form_Unload to run): just drop the window.
    delete m_window;
}

void Form::Load()
{
    if (m_window)
        return;
    m_window = new FormWindow(*this);
    createControls(m_window);
    auto *menuHelp = new MenuHelpFilter(*this, m_window);
    if (QWidget *bar = m_window->menuWidget())
        bar->installEventFilter(menuHelp);
    for (QMenu *menu : m_window->findChildren<QMenu *>())
        menu->installEventFilter(menuHelp);
    Form_Load();
    emit loaded();
}

void Form::Unload()
{
    if (!m_window || m_unloading)
        return;
    m_unloading = true;
    bool cancel = false;
    Form_Unload(cancel);
    m_unloading = false;
    if (cancel)
        return;
    FormWindow *window = m_window;
    m_window = nullptr;
    releaseControls();
    window->hide();
    window->deleteLater();
    emit unloaded();
}

void Form::Show()
{
    Load();
    if (m_window->isMinimized())
        m_window->showNormal();
    else
        m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void Form::Hide()
{
    Load();
    m_window->hide();
}

bool Form::requestHide()
{
    if (!isSignalConnected(QMetaMethod::fromSignal(&Form::hideRequested)))
        return false;
    emit hideRequested();
    return true;
}

bool Form::IsVisible() const
{
    return m_window && m_window->isVisible();
}

FormWindow *Form::window()
{
    Load();
    return m_window;
}

QString Form::Caption()
{
    return window()->windowTitle();
}

void Form::setCaption(const QString &caption)
{
    window()->setWindowTitle(caption);
}

int Form::WindowState()
{
    const Qt::WindowStates state = windowStateAsked(window());
    if (state & Qt::WindowMinimized)
        return 1;
    if (state & Qt::WindowMaximized)
        return 2;
    return 0;
}

void Form::setWindowState(int state)
{
    FormWindow *w = window();
    const Qt::WindowStates now = windowStateAsked(w);
    switch (state) {
    case 1: setWindowStateWhenShown(w, now | Qt::WindowMinimized); break;
    case 2: setWindowStateWhenShown(w, (now & ~Qt::WindowMinimized) | Qt::WindowMaximized); break;
    default: setWindowStateWhenShown(w, now & ~(Qt::WindowMinimized | Qt::WindowMaximized)); break;
    }
}

void Form::WhatsThisMode()
{
    new WhatsThisFilter(*this, window());
}

void Form::queryUnload()
{
    Unload();
}

void Form::resized()
{
    if (m_window && !m_unloading)
        Form_Resize();
}

void Form::helpRequested()
{
    int context = 0;
    for (QWidget *w = QApplication::focusWidget(); w && !context; w = w->parentWidget()) {
        if (w->window() != m_window)
            break;
        context = helpContextID(w);
    }
    if (!context)
        context = HelpContextID;
    if (!context)
        return;
    m_help.show(m_window, m_app.helpFilePath(), help::HELP_CONTEXT, context);
}

} // namespace pelk::forms
