// The Pelk MsgBox Wizard window: composes a message box from its options,
// shows it for real (Test) and copies the MsgBox code line (Copy).
#pragma once

#include "msgboxwizardwindow_controls.h"

#include "forms/commondialog.h"
#include "forms/controls.h"
#include "forms/controltable.h"
#include "forms/form.h"
#include "hostsdk/hostsdk.h"
#include "platform/services.h"

namespace pelk {

class MsgBoxWizardWindow : public forms::Form {
    Q_OBJECT
public:
    // The services this window uses.
    struct Services {
        const AppInfo &app;
        HelpSystem &help;
        Boxes &boxes;
        Clipboard &clipboard;
        Dialogs &dialogs;
        Services(const pelk::Services &all) : app(all.app), help(all.help), boxes(all.boxes), clipboard(all.clipboard), dialogs(all.dialogs) {}
    };
    explicit MsgBoxWizardWindow(const Services &services, QObject *parent = nullptr);
    ~MsgBoxWizardWindow() override;

    std::shared_ptr<hostsdk::VBE> VBInstance;

    // The controls and menu entries of msgboxwizardwindow_controls.h, each typed by its kind.
    struct Ui {
        PELK_FORMS_UI(PELK_MSGBOX_WIZARD_CONTROLS, PELK_MSGBOX_WIZARD_MENUS)
        QList<forms::OptionButton *> helpColumn; // the grid's Help options, as the table marks them
    };

    Ui &ui()
    {
        ensureLoaded();
        return *m_ui;
    }

    // The option state: each choice as the number added into the buttons
    // argument and as the name of its constant.
    short StyleValue = 0;
    QString StyleName;
    short ButtonSetValue = 0;
    QString ButtonSetName;
    short DefaultButtonValue = 0;
    QString DefaultButtonName;
    short HelpButtonValue = 0;
    QString HelpButtonName;
    short ModalityValue = 0;
    QString ModalityName;
    int ForegroundValue = 0;
    QString ForegroundName;
    // Set by Test; the codes are emptied again by Copy.
    float ButtonsSum = 0;
    QString ButtonsExpression;
    QString MinimalCode;
    QString NamedCode;

    // The file dialog component; it keeps its properties between commands.
    CommonDialog CommonDialog1;

    // The window's controls and menus (msgboxwizardwindow_controls.cpp).
    static const forms::FormDesign &formDesign();
    // The group of the table's rows that are the grid's Help column.
    static constexpr char kHelpColumn[] = "Help column";

protected:
    void createControls(forms::FormWindow *window) override;
    void releaseControls() override;
    // Connects each handler to its control's event.
    void connectHandlers(Ui &u);
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;

private:
    void Check1_Click();
    void CommandTest_Click();
    void Commandcopy_Click();
    void Command1_Click();

    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuExit_Click();
    void mnuQuickHelp_Click();
    void mnuHelpContents_Click();
    void mnuhelp_Click();
    void mnuHelpOnHelp_Click();
    void mnuAbout_Click();

private:
    void setStyle(short value, const QString &name);
    // A grid option: its row's button set, with the button at `position`
    // (0 first) as the default.
    void chooseDefaultButton(short buttonSet, int position);
    void showHelpColumn(bool shown);
    void resolveOptions();
    void showTooLong();

    Services m_services;
    std::unique_ptr<Ui> m_ui;
    // What the last Test built the code with, so Copy completes it to match.
    short m_testedButtonSet = 0;
    bool m_testedWithTitle = false;
};

} // namespace pelk
