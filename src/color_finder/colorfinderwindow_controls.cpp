// The color finder's window: its controls and menus, row by row. All the
// controls stand on the panel Frame1.
#include "colorfinderwindow.h"

namespace pelk {

namespace {

using enum forms::Kind;

const forms::Control kControls[] = {PELK_COLOR_FINDER_CONTROLS(PELK_FORMS_ROW, PELK_FORMS_DRAWN_ROW)};

const forms::MenuEntry kMenus[] = {PELK_COLOR_FINDER_MENUS(PELK_FORMS_MENU_ROW)};

} // namespace

const forms::FormDesign &ColorFinderWindow::formDesign()
{
    // A help number is both the control's F1 context and its what's-this topic.
    static const forms::FormDesign design = {
        "frmAddIn2", "Pelk Color Finder", 5910, 4065, forms::HelpNumber::ContextAndWhatsThis, kControls, kMenus,
    };
    return design;
}

} // namespace pelk
