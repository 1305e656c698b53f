// The about windows of the message box wizard, the input box wizard and the
// color finder. Each exists once for the whole program: instance() creates it
// on first use; OK (Enter, Esc) or the close box unloads it, and the next
// opening loads it afresh.
#pragma once

#include "aboutbox_controls.h"

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
    // The controls of aboutbox_controls.h, each typed by its kind; Label1
    // is the author line.
    struct Ui {
        PELK_FORMS_UI(PELK_ABOUT_BOX_CONTROLS, PELK_ABOUT_BOX_MENUS)
    };
    Ui &ui()
    {
        ensureLoaded();
        return *m_ui;
    }

    // The three about windows, told apart only by their design data.
    enum class Which { MsgBoxWizard, InputBoxWizard, ColorFinder };

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
    static const Design &design(Which which);

    // The one window of its kind for the whole program; one that belongs
    // to other services (a new connection in the same process) is replaced
    // by a fresh one.
    static AboutBox &instance(Which which, const AppInfo &app, HelpSystem &help);

    AboutBox(Which which, const AppInfo &app, HelpSystem &help, QObject *parent = nullptr);

    // The window's controls, with this window's measures (aboutbox_controls.cpp).
    const forms::FormDesign &formDesign() const { return m_formDesign; }

    // The author line's design width: beyond it the line would run into OK.
    static constexpr double kAuthorWidth = 2850;
    // The etched rule runs to here, the right edge.
    static constexpr double kRuleRight = 5640;

protected:
    void createControls(forms::FormWindow *window) override;
    void releaseControls() override { m_ui.reset(); }
    // Shows the version and the author line.
    void Form_Load() override;

private:
    void cmdOK_Click();
    void designControls();

    std::unique_ptr<Ui> m_ui;
    Design m_design;
    QByteArray m_caption, m_title, m_description; // the texts the rows point into
    std::vector<forms::Control> m_controls;
    forms::FormDesign m_formDesign{};
};

} // namespace pelk
