// The message box wizard's window: its controls and menus, row by row.
#include "msgboxwizardwindow.h"

namespace pelk {

namespace {

using enum forms::Kind;

// What a screen reader adds to a grid option: the row it chooses.
constexpr const char *kRowOk = "Default button of the row OK";
constexpr const char *kRowOkCancel = "Default button of the row OK, Cancel";
constexpr const char *kRowAbortRetryIgnore = "Default button of the row Abort, Retry, Ignore";
constexpr const char *kRowYesNoCancel = "Default button of the row Yes, No, Cancel";
constexpr const char *kRowYesNo = "Default button of the row Yes, No";
constexpr const char *kRowRetryCancel = "Default button of the row Retry, Cancel";
constexpr const char *kHelp = MsgBoxWizardWindow::kHelpColumn;

// Tooltips too long for their rows.
constexpr const char *kOption31Tip =
    "The user must respond to the message box befor  continuing work in the current application.";
constexpr const char *kOption32Tip = "All applications are suspended untill the user responds to the mesage box.";
constexpr const char *kCheck2Tip = "Specifies the message box window as the forground window";
constexpr const char *kCheck3Tip = "Minumizes code to text-number-text";
constexpr const char *kCheck1Tip = "Adds the help button to the message box.";
constexpr const char *kText1Tip =
    "Place the title on your message box.  left blank will default to your application name.";
constexpr const char *kText3Tip = "Context Help Number if you know it. If not the default is number 1";
constexpr const char *kFrame2Tip = "Select which button will be the default button.";
constexpr const char *kCommandTestTip = "Test Your Message box.";
constexpr const char *kCommandcopyTip =
    "Copy your message box code to the clip board. Then minimize this form and paste to your code.";

const forms::Control kControls[] = {PELK_MSGBOX_WIZARD_CONTROLS(PELK_FORMS_ROW, PELK_FORMS_DRAWN_ROW)};

const forms::MenuEntry kMenus[] = {PELK_MSGBOX_WIZARD_MENUS(PELK_FORMS_MENU_ROW)};

} // namespace

const forms::FormDesign &MsgBoxWizardWindow::formDesign()
{
    static const forms::FormDesign design = {
        "frmAddIn", "Pelk MsgBox Wizard", 7020, 6150, forms::HelpNumber::Context, kControls, kMenus,
    };
    return design;
}

} // namespace pelk
