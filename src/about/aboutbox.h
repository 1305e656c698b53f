// The about windows of the message box wizard, the input box wizard and the
// color finder. Each exists once for the whole program: instance() creates it
// on first use; OK (Enter, Esc) or the close box unloads it, and the next
// opening loads it afresh.
#pragma once

#include "forms/controls.h"
#include "forms/controltable.h"
#include "forms/form.h"

#include <QList>

#include <vector>

namespace pelk {

// "Version " and the application's version numbers joined by ".".
QString versionText(const AppInfo &app);
// "Programed By", the author and the date, then the author's e-mail on a
// second line after a CR.
QString authorLine();

class AboutBox : public forms::Form {
    Q_OBJECT
public:
    struct Ui {
        QLabel *picIcon = nullptr;
        forms::Label *lblTitle = nullptr;
        forms::Label *lblVersion = nullptr;
        QList<forms::Label *> lblDescription; // a control array; element 0 is the description
        forms::Label *Label1 = nullptr;       // the author line
        forms::CommandButton *cmdOK = nullptr;
    };
    Ui &ui()
    {
        ensureLoaded();
        return *m_ui;
    }

    // Where the three windows differ, in twips, and their design texts.
    struct Design {
        QString caption;
        QString description;
        double clientWidth, clientHeight;
        double descriptionWidth, descriptionHeight;
        double ruleTop;
        double authorLeft, authorTop;
        double okLeft, okTop;
    };

    AboutBox(const AppInfo &app, HelpSystem &help, QObject *parent, const Design &design);

    // The window's controls, with this window's measures (aboutbox_controls.cpp).
    const forms::FormDesign &formDesign() const { return m_formDesign; }

    // The author line's design width: beyond it the line would run into OK.
    static constexpr double kAuthorWidth = 2850;

protected:
    void createControls(forms::FormWindow *window) override;
    void releaseControls() override { m_ui.reset(); }
    // Shows the version and the author line.
    void Form_Load() override;

protected slots:
    void cmdOK_Click();

protected:
    std::unique_ptr<Ui> m_ui;

private:
    void designControls();

    Design m_design;
    QByteArray m_caption, m_title, m_description; // the texts the rows point into
    std::vector<forms::Control> m_controls;
    forms::FormDesign m_formDesign{};
};

class frmAboutM : public AboutBox {
    Q_OBJECT
public:
    static frmAboutM &instance(const AppInfo &app, HelpSystem &help);
    explicit frmAboutM(const AppInfo &app, HelpSystem &help, QObject *parent = nullptr);

    // The message box wizard's description, set at load.
    static QString description();

protected:
    void Form_Load() override;
};

class frmAboutI : public AboutBox {
    Q_OBJECT
public:
    static frmAboutI &instance(const AppInfo &app, HelpSystem &help);
    explicit frmAboutI(const AppInfo &app, HelpSystem &help, QObject *parent = nullptr);
};

class frmAboutC : public AboutBox {
    Q_OBJECT
public:
    static frmAboutC &instance(const AppInfo &app, HelpSystem &help);
    explicit frmAboutC(const AppInfo &app, HelpSystem &help, QObject *parent = nullptr);
};

} // namespace pelk
