// The picture viewer's window: its controls and menus, row by row.
#include "frmaddin3.h"

namespace pelk {

namespace {

using enum forms::Kind;

// The help context of the window and of its menu entries.
constexpr int kMenuHelp = frmAddIn3::kMenuHelpContext;

// Tooltips too long for their rows.
constexpr const char *kDir1Tip = "Doubel click to open folders.";
constexpr const char *kCmdSuperTip = "View picture full screen hight.";
constexpr const char *kCommand1Tip = "Copy the complete path to the clipboard.";
constexpr const char *kCmdScanTip = "Step through the list of files above";
constexpr const char *kCmdRestoreTip = "Go back to AutoView and controls.";

// clang-format off
const forms::Control kControls[] = {
    //name          kind           caption       tooltip         in   left, top, width, height tab help other
    { "Dir1",       DirListBox,    "",           kDir1Tip,       "",     0,  120, 1815, 1890,  1, 402,
      {.accessibleName = "Folders"}},
    { "Drive1",     DriveListBox,  "",           "",             "",     0, 2040, 1815,  315,  0, 403,
      {.accessibleName = "Drive"}},
    { "File1",      FileListBox,   "",           "",             "",  1920,  120, 2055, 2235,  2, 405,
      {.accessibleName = "Files"}},
    { "Image1",     ImageBox,      "",           "",             "",  4200,  120, 2175, 2175, -1, 408,
      {.accessibleName = "Picture", .stretch = true}},
    { "cmdSuper",   CommandButton, "Super Size", kCmdSuperTip,   "",   360, 2520,  975,  375,  3, 404},
    { "Command1",   CommandButton, "Copy",       kCommand1Tip,   "",  2280, 2520, 1095,  375,  9, 410},
    { "Label1",     Label,         "Speed",      "",             "",  3720, 2520,  465,  195,  6, 409, {.autoSize = true}},
    // Read out as its number; what the number is, as its description.
    { "Label2",     Label,         "1",          "",             "",  3960, 2760,   90,  195,  7, 409,
      {.autoSize = true, .accessibleDescription = "Speed value"}},
    { "UpDown1",    UpDown,        "",           "",             "",  4320, 2520,  240,  255,  5, 407,
      {.min = 0, .max = 20, .increment = 1, .accessibleName = "Speed"}},
    { "cmdScan",    CommandButton, "Scan",       kCmdScanTip,    "",  4680, 2520, 1095,  375,  4, 406},
    { "cmdRestore", CommandButton, "Restore",    kCmdRestoreTip, "",     0,  120, 1095,  375,  8, 401},
    { "Timer1",     Timer,         "",           "",             "",     0,    0,    0,    0, -1,   0, {.interval = 500}},
    // A thin etched rule along the top edge, X1, Y1, X2, Y2: the dark line
    // drawn over the white one.
    { "Line1",      Line,          "",           "",             "",  6600,    0,    0,    0, -1,   0,
      {.color = Qt::white, .lineWidth = 4}},
    { "Line2",      Line,          "",           "",             "",  6600,    0,    0,    0, -1,   0,
      {.colorRole = QPalette::WindowText}},
};

// Every entry but Exit and the Help title carries the help context.
const forms::MenuEntry kMenus[] = {
    // name             caption         under         help
    {"mnuOptions",      "&Options",     "",           kMenuHelp},
    {"mnuPathFinder",   "&Path Finder", "mnuOptions", kMenuHelp},
    {"bar1",            "-",            "mnuOptions", kMenuHelp},
    {"mnuExit",         "E&xit",        "mnuOptions"},
    {"mnuhlp",          "&Help"},
    {"mnuhelp",         "&Quick Help",  "mnuhlp",     kMenuHelp},
    {"mnuAbout",        "&About",       "mnuhlp",     kMenuHelp},
    {"mnuContextHelp",  "&?",           "",           kMenuHelp},
};
// clang-format on

} // namespace

const forms::FormDesign &frmAddIn3::formDesign()
{
    // A help number is the control's what's-this topic; F1 opens the
    // window's context.
    static const forms::FormDesign design = {
        "frmAddIn3", "Pelk Picture Viwer", 6600, 3120, forms::HelpNumber::WhatsThis, kControls, kMenus,
    };
    return design;
}

} // namespace pelk
