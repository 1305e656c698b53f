// The input box wizard's window: its controls and menus, row by row, in the
// window's design order.
#include "frmaddin1.h"

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

// clang-format off
const forms::Control kControls[] = {
    //name           kind              caption    tooltip  in   left, top, width, height tab           help other
    { "CommandExit", CommandButton,    "E&xit",   "",      "",  3240, 3480,  975,  375,  8,             0},
    { "Text1",       TextBox,          "",        "",      "",   113,  360, 4095,  285,  7,   kTitleTopic,
      {.maxLength = 32, .accessibleName = "Title"}},
    { "Text2",       MultiLineTextBox, "",        "",      "",   113, 1560, 4095, 1815,  6, kMessageTopic,
      {.accessibleName = "Message"}},
    { "Text3",       TextBox,          "",        "",      "",   113,  960, 4095,  285,  5, kDefaultTopic,
      {.maxLength = 32, .accessibleName = "Default"}},
    { "Command2",    CommandButton,    "&Copy",   "",      "",   120, 3480,  975,  375,  1,    kCopyTopic},
    { "CommandTest", CommandButton,    "&Test",   "",      "",  1680, 3480,  975,  375,  0,    kTestTopic},
    // An etched rule under the menu bar, X1, Y1, X2, Y2: the white line
    // first, the thin dark one drawn over its top edge.
    { "Line1",       Line,             "",        "",      "",  4320,    0,    0,    0, -1,             0,
      {.color = Qt::white, .lineWidth = 4}},
    { "Line2",       Line,             "",        "",      "",  4320,    0,    0,    0, -1,             0,
      {.colorRole = QPalette::WindowText}},
    { "Label1",      Label,            "Title",   "",      "",  2040,  120,  300,  195,  4,             0,
      {.autoSize = true, .buddy = "Text1"}},
    { "Label2",      Label,            "Message", "",      "",  1845, 1320,  645,  195,  3,             0,
      {.autoSize = true, .buddy = "Text2"}},
    { "Label3",      Label,            "Default", "",      "",  1905,  720,  510,  195,  2,             0,
      {.autoSize = true, .buddy = "Text3"}},
};

const forms::MenuEntry kMenus[] = {
    // name             caption         under          help
    {"mnuFile",         "&File",        "",            kFileAndAboutTopic},
    {"mnuNew",          "&New",         "mnuFile"},
    {"mnuOpenFile",     "&Open",        "mnuFile"},
    {"mnuSaveFile",     "&Save",        "mnuFile"},
    {"bar7",            "-",            "mnuFile"},
    {"mnuExit",         "E&xit",        "mnuFile"},
    {"mnumainHelp",     "&Help"},
    {"mnuInputHllp",    "&Quick Help",  "mnumainHelp"},
    {"MnuAbout",        "&About",       "mnumainHelp", kFileAndAboutTopic},
    {"mnuContextHelp",  "&?"},
};
// clang-format on

} // namespace

const forms::FormDesign &frmAddIn1::formDesign()
{
    // The help numbers are the topics of what's-this mode, and F1 on a
    // control opens its topic too, the keyboard's way to the same help.
    static const forms::FormDesign design = {
        "frmAddIn1", "Pelk Input Box Wizard", 4335, 3930, forms::HelpNumber::ContextAndWhatsThis, kControls, kMenus,
    };
    return design;
}

} // namespace pelk
