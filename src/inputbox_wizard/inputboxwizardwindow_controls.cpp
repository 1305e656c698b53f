// The input box wizard's window: its controls and menus, row by row, in the
// window's design order.
#include "inputboxwizardwindow.h"

namespace pelk {

namespace {

using enum forms::Kind;

// Help numbers: the topics of the controls and, for F1 on the menus, of the
// File menu and of About.
enum HelpTopic {
    kFileAndAboutTopic = 200,
    kTitleTopic = 201,
    kDefaultTopic = 202,
    kMessageTopic = 203,
    kTestTopic = 204,
    kCopyTopic = 205,
};

const forms::Control kControls[] = {PELK_INPUTBOX_WIZARD_CONTROLS(PELK_FORMS_ROW, PELK_FORMS_DRAWN_ROW)};

const forms::MenuEntry kMenus[] = {PELK_INPUTBOX_WIZARD_MENUS(PELK_FORMS_MENU_ROW)};

} // namespace

const forms::FormDesign &InputBoxWizardWindow::formDesign()
{
    // The help numbers are the topics of what's-this mode, and F1 on a
    // control opens its topic too, the keyboard's way to the same help.
    static const forms::FormDesign design = {
        "frmAddIn1", "Pelk Input Box Wizard", 4335, 3930, forms::HelpNumber::ContextAndWhatsThis, kControls, kMenus,
    };
    return design;
}

} // namespace pelk
