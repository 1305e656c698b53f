// The picture viewer's window: its controls and menus, row by row.
#include "pictureviewerwindow.h"

namespace pelk {

namespace {

using enum forms::Kind;

// The help context of the window and of its menu entries.
constexpr int kMenuHelp = PictureViewerWindow::kMenuHelpContext;

// Tooltips too long for their rows.
constexpr const char *kDir1Tip = "Doubel click to open folders.";
constexpr const char *kCmdSuperTip = "View picture full screen hight.";
constexpr const char *kCommand1Tip = "Copy the complete path to the clipboard.";
constexpr const char *kCmdScanTip = "Step through the list of files above";
constexpr const char *kCmdRestoreTip = "Go back to AutoView and controls.";

const forms::Control kControls[] = {PELK_PICTURE_VIEWER_CONTROLS(PELK_FORMS_ROW, PELK_FORMS_DRAWN_ROW)};

// Every entry but Exit and the Help title carries the help context.
const forms::MenuEntry kMenus[] = {PELK_PICTURE_VIEWER_MENUS(PELK_FORMS_MENU_ROW)};

} // namespace

const forms::FormDesign &PictureViewerWindow::formDesign()
{
    // A help number is the control's what's-this topic; F1 opens the
    // window's context.
    static const forms::FormDesign design = {
        "frmAddIn3", "Pelk Picture Viwer", 6600, 3120, forms::HelpNumber::WhatsThis, kControls, kMenus,
    };
    return design;
}

} // namespace pelk
