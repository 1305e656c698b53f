// The Pelk Input Box Wizard window: a title, a message and a default answer
// become an InputBox call; Test shows the input box, Copy puts the code line
// and a comment line on the clipboard. File keeps the message in a text file.
#pragma once

#include "inputboxwizardwindow_controls.h"

#include "forms/commondialog.h"
#include "forms/controls.h"
#include "forms/controltable.h"
#include "forms/form.h"
#include "hostsdk/hostsdk.h"
#include "platform/services.h"

#include <QVariant>

#include <memory>

namespace pelk {

class InputBoxWizardWindow : public forms::Form {
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
    explicit InputBoxWizardWindow(const Services &services, QObject *parent = nullptr);

    QVariant MsgBoxResult; // the answer to Save's overwrite question

    // The code generator's state; it outlives hiding and unloading.
    QString InputCode;
    QString InputTail;
    QString InputComment;

    // The controls and menu entries of inputboxwizardwindow_controls.h, each typed by its kind.
    struct Ui {
        PELK_FORMS_UI(PELK_INPUTBOX_WIZARD_CONTROLS, PELK_INPUTBOX_WIZARD_MENUS)
        std::unique_ptr<CommonDialog> CommonDialog1;
    };

    Ui &ui()
    {
        ensureLoaded();
        return *m_ui;
    }

    // Builds InputTail and InputCode from the three text boxes.
    void Build_Copy();

    // The window's controls and menus (inputboxwizardwindow_controls.cpp).
    static const forms::FormDesign &formDesign();

protected:
    void createControls(forms::FormWindow *window) override;
    void releaseControls() override { m_ui.reset(); }
    // Connects each handler to its control's event.
    void connectHandlers(Ui &u);
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;

private:
    void CommandTest_Click();
    void Command2_Click();
    void CommandExit_Click();
    void mnuNew_Click();
    void mnuOpenFile_Click();
    void mnuSaveFile_Click();
    void mnuExit_Click();
    void mnuInputHllp_Click();
    void mnuAbout_Click();
    void mnuContextHelp_Click();

private:
    Services m_services;
    std::unique_ptr<Ui> m_ui;
};

} // namespace pelk
