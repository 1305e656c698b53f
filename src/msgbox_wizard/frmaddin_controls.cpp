// The message box wizard's window: its controls and menus, row by row.
#include "frmaddin.h"

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
constexpr const char *kHelp = frmAddIn::kHelpColumn;

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

// clang-format off
const forms::Control kControls[] = {
    //name           kind              caption                  tooltip          in          left, top, width, height tab help other
    { "Frame1",      Frame,            "Style",                 "",              "",            0,  120, 1455, 3975,  3, 0},
    { "Option1",     OptionButton,     "No Icon",               "",              "Frame1",    240,  240,  975,  735,  8, 0,
      {.value = true}},
    { "Option2",     OptionButton,     "",                      "Critical",      "Frame1",    240,  960,  975,  735,  7, 0,
      {.picture = QStyle::SP_MessageBoxCritical}},
    { "Option3",     OptionButton,     "",                      "Question",      "Frame1",    240, 1680,  975,  735,  6, 0,
      {.picture = QStyle::SP_MessageBoxQuestion}},
    { "Option4",     OptionButton,     "",                      "Exclamation",   "Frame1",    240, 2400,  975,  735,  5, 0,
      {.picture = QStyle::SP_MessageBoxWarning}},
    { "Option5",     OptionButton,     "",                      "Information",   "Frame1",    240, 3120,  975,  735,  4, 0,
      {.picture = QStyle::SP_MessageBoxInformation}},
    { "Frame5",      Frame,            "Options",               "",              "",         1560,  120,  975, 3975,  9, 0},
    { "Frame12",     Frame,            "Options",               "",              "Frame5",      0,    0,  975, 1695, 11, 0,
      {.accessibleName = "Modality"}},
    { "Option31",    OptionButton,     "App. Modal",            kOption31Tip,    "Frame12",   120,  240,  735,  615, 13, 0,
      {.value = true}},
    { "Option32",    OptionButton,     "System Modal",          kOption32Tip,    "Frame12",   120,  960,  735,  615, 12, 0},
    { "Check2",      CheckBox,         "Always on top",         kCheck2Tip,      "Frame5",    120, 1800,  735,  615, 15, 0},
    { "Check3",      CheckBox,         "Minum code",            kCheck3Tip,      "Frame5",    120, 2520,  735,  615, 10, 0,
      {.value = true}},
    { "Check1",      CheckBox,         "Help Button",           kCheck1Tip,      "Frame5",    120, 3240,  735,  615, 14, 0},
    { "Label1",      Label,            "Title",                 "",              "",         4680,  120,  300,  195, 18, 0},
    { "Text1",       TextBox,          "",                      kText1Tip,       "",         2760,  360, 4095,  285, 16, 0,
      {.accessibleName = "Title"}},
    { "Label2",      Label,            "Message",               "",              "",         4560,  720,  645,  195, 17, 0},
    { "Text2",       MultiLineTextBox, "",                      "",              "",         2760,  960, 4095, 2055, 39, 1,
      {.accessibleName = "Message"}},
    { "Label3",      Label,            "Help context",          "",              "",         2640, 3240,  615,  375, 41, 0,
      {.wordWrap = true}},
    { "Text3",       TextBox,          "",                      kText3Tip,       "",         2640, 3840,  615,  375, 40, 0,
      {.maxLength = 4, .accessibleName = "Help context"}},
    { "Frame2",      Frame,            "Select default button", kFrame2Tip,      "",         3360, 3000, 3495, 3135, 19, 0},
    { "Option13",    OptionButton,     "OK",                    "",              "Frame2",   1800,  240,  735,  375, 20, 0,
      {.value = true, .accessibleDescription = kRowOk}},
    { "Option12",    OptionButton,     "Help",                  "",              "Frame2",   2640,  240,  735,  375, 21, 0,
      {.accessibleDescription = kRowOk, .group = kHelp}},
    { "Option14",    OptionButton,     "OK",                    "",              "Frame2",    960,  720,  735,  375, 22, 0,
      {.accessibleDescription = kRowOkCancel}},
    { "Option15",    OptionButton,     "Cancel",                "",              "Frame2",   1800,  720,  735,  375, 23, 0,
      {.accessibleDescription = kRowOkCancel}},
    { "Option16",    OptionButton,     "Help",                  "",              "Frame2",   2640,  720,  735,  375, 24, 0,
      {.accessibleDescription = kRowOkCancel, .group = kHelp}},
    { "Option20",    OptionButton,     "Abort",                 "",              "Frame2",    120, 1200,  735,  375, 25, 0,
      {.accessibleDescription = kRowAbortRetryIgnore}},
    { "Option19",    OptionButton,     "Retry",                 "",              "Frame2",    960, 1200,  735,  375, 26, 0,
      {.accessibleDescription = kRowAbortRetryIgnore}},
    { "Option18",    OptionButton,     "Ignore",                "",              "Frame2",   1800, 1200,  735,  375, 27, 0,
      {.accessibleDescription = kRowAbortRetryIgnore}},
    { "Option17",    OptionButton,     "Help",                  "",              "Frame2",   2640, 1200,  735,  375, 28, 0,
      {.accessibleDescription = kRowAbortRetryIgnore, .group = kHelp}},
    { "Option24",    OptionButton,     "Yes",                   "",              "Frame2",    120, 1680,  735,  375, 29, 0,
      {.accessibleDescription = kRowYesNoCancel}},
    { "Option23",    OptionButton,     "No",                    "",              "Frame2",    960, 1680,  735,  375, 30, 0,
      {.accessibleDescription = kRowYesNoCancel}},
    { "Option22",    OptionButton,     "Cancel",                "",              "Frame2",   1800, 1680,  735,  375, 31, 0,
      {.accessibleDescription = kRowYesNoCancel}},
    { "Option21",    OptionButton,     "Help",                  "",              "Frame2",   2640, 1680,  735,  375, 32, 0,
      {.accessibleDescription = kRowYesNoCancel, .group = kHelp}},
    { "Option27",    OptionButton,     "Yes",                   "",              "Frame2",    960, 2160,  735,  375, 33, 0,
      {.accessibleDescription = kRowYesNo}},
    { "Option26",    OptionButton,     "No",                    "",              "Frame2",   1800, 2160,  735,  375, 34, 0,
      {.accessibleDescription = kRowYesNo}},
    { "Option25",    OptionButton,     "Help",                  "",              "Frame2",   2640, 2160,  735,  375, 35, 0,
      {.accessibleDescription = kRowYesNo, .group = kHelp}},
    { "Option30",    OptionButton,     "Retry",                 "",              "Frame2",    960, 2640,  735,  375, 38, 0,
      {.accessibleDescription = kRowRetryCancel}},
    { "Option29",    OptionButton,     "Cancel",                "",              "Frame2",   1800, 2640,  735,  375, 37, 0,
      {.accessibleDescription = kRowRetryCancel}},
    { "Option28",    OptionButton,     "Help",                  "",              "Frame2",   2640, 2640,  735,  375, 36, 0,
      {.accessibleDescription = kRowRetryCancel, .group = kHelp}},
    { "Frame3",      Frame,            "",                      "",              "",            0, 4080, 2535, 2055,  0, 0},
    { "commandTest", CommandButton,    "&Test",                 kCommandTestTip, "Frame3",    120,  240, 2295,  495,  1, 0},
    { "Commandcopy", CommandButton,    "&Copy",                 kCommandcopyTip, "Frame3",    120,  840, 2295,  495,  2, 0},
    { "Command1",    CommandButton,    "E&xit",                 "",              "Frame3",    120, 1440, 2295,  495, 42, 0},
    // Decoration under the menu bar: X1, Y1, X2, Y2.
    { "Line1",       Line,             "",                      "",              "",            0,    0, 7020,    0, -1, 0,
      {.color = Qt::black}},
    { "Line2",       Line,             "",                      "",              "",            0,   15, 7020,   15, -1, 0,
      {.colorRole = QPalette::Window}},
};

const forms::MenuEntry kMenus[] = {
    // name              caption            under      help hidden
    {"mnuFile",          "&File"},
    {"mnuNew",           "&New",            "mnuFile"},
    {"mnuOpen",          "&Open",           "mnuFile"},
    {"mnuSave",          "&Save",           "mnuFile"},
    {"bar5",             "-",               "mnuFile", 0, true},
    {"mnuOptions",       "&Main Menu",      "mnuFile", 0, true},
    {"bar",              "-",               "mnuFile"},
    {"mnuExit",          "E&xit",           "mnuFile"},
    {"mnuhlp",           "&Help"},
    {"mnuQuickHelp",     "&Quick Help",     "mnuhlp"},
    {"mnuHelpContents",  "Help &Contents",  "mnuhlp"},
    {"mnuHelp",          "&Help Index",     "mnuhlp"},
    {"mnuHelpOnHelp",    "H&elp on help",   "mnuhlp"},
    {"bar1",             "-",               "mnuhlp"},
    {"mnuAbout",         "&About",          "mnuhlp"},
};
// clang-format on

} // namespace

const forms::FormDesign &frmAddIn::formDesign()
{
    static const forms::FormDesign design = {
        "frmAddIn", "Pelk MsgBox Wizard", 7020, 6150, forms::HelpNumber::Context, kControls, kMenus,
    };
    return design;
}

} // namespace pelk
