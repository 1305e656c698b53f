// The lifecycle every tool window and about box shares.
//
// A Form object lives from its first use to its release; its window and
// controls live from load to unload. Show loads when needed (creating the
// controls, then running Form_Load); touching a control of an unloaded form
// through ui() loads it; the close box unloads (running Form_Unload); Hide
// keeps everything. Members of the Form object survive an unload; control
// state does not.
#pragma once

#include "platform/appinfo.h"
#include "platform/helpsystem.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QMenu;
class QMenuBar;

namespace pelk::forms {

class Form;

// The top-level window of a form: a main window with a menu bar and a client
// area of fixed size. It forwards close, resize and state changes to its form.
class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit FormWindow(Form &form);

    QWidget *clientArea() const { return m_client; }
    // Sets the client area's size in twips.
    void setClientSize(double widthTwips, double heightTwips);
    // A fixed border: the user cannot resize the window.
    void setFixedBorder(bool fixed);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Form &m_form;
    QWidget *m_client;
};

class Form : public QObject {
    Q_OBJECT
public:
    // `app` and `help` carry F1 and what's-this to the help file.
    Form(const AppInfo &app, HelpSystem &help, QObject *parent = nullptr);
    ~Form() override;

    void Load();   // no-op when loaded
    void Unload(); // runs Form_Unload; a cancel keeps the form loaded
    void Show();   // loads when needed, shows modeless and brings the window forward
    void Hide();   // loads when needed (as touching the form does), then hides

    bool IsLoaded() const { return m_window != nullptr; }
    bool IsVisible() const;

    // The window, loading the form first when needed.
    FormWindow *window();

    QString Caption();
    void setCaption(const QString &caption);

    // 0 normal, 1 minimised, 2 maximised.
    int WindowState();
    void setWindowState(int state);

    // The help context of the window itself: F1 on a control without its own
    // context opens this one.
    int HelpContextID = 0;

    // What's-this mode: the pointer changes and the next click on a control
    // shows that control's help topic instead of acting on it.
    void WhatsThisMode();

    const AppInfo &app() const { return m_app; }
    HelpSystem &help() const { return m_help; }

signals:
    void loaded();
    void unloaded();
    // The window's Exit or unload asks whoever showed it to hide it.
    void hideRequested();

protected:
    // Builds the window's controls and menus on `window` and connects their
    // events. Called once per load, before Form_Load.
    virtual void createControls(FormWindow *window) = 0;
    // Forgets the controls; the widgets themselves are deleted with the window.
    virtual void releaseControls() = 0;

    virtual void Form_Load() {}
    virtual void Form_Unload(bool &cancel) { Q_UNUSED(cancel); }
    virtual void Form_Resize() {}

    // Ensures the form is loaded; the ui() accessors of the forms call it.
    void ensureLoaded() { Load(); }
    // Emits hideRequested; false when nothing listens, as for a window
    // shown on its own.
    bool requestHide();

private:
    friend class FormWindow;
    void queryUnload();   // the close box
    void resized();
    void helpRequested(); // F1

    const AppInfo &m_app;
    HelpSystem &m_help;
    FormWindow *m_window = nullptr;
    bool m_unloading = false;
};

// Help context numbers carried by controls: the context opened by F1, and
// the topic shown in what's-this mode.
void setHelpContextID(QWidget *control, int context);
int helpContextID(const QWidget *control);
void setWhatsThisHelpID(QWidget *control, int context);
int whatsThisHelpID(const QWidget *control);

} // namespace pelk::forms
