// The color finder's window: its controls and menus, row by row. All the
// controls stand on the panel Frame1.
#include "frmaddin2.h"

namespace pelk {

namespace {

using enum forms::Kind;

// clang-format off
const forms::Control kControls[] = {
    //name          kind           caption  tooltip  in         left, top, width, height tab help other
    { "Frame1",     Frame,         "",      "",      "",           0,    0, 2655, 4095,  0,   0,
      {.accessibleName = "Color controls"}},
    // Etched separators between the bands, X1, Y1, X2, Y2: white under a
    // grey line one pixel higher.
    { "",           Line,          "",      "",      "Frame1",     0, 1680, 2655, 1680, -1,   0,
      {.color = Qt::white, .lineWidth = 2}},
    { "",           Line,          "",      "",      "Frame1",     0, 1680, 2655, 1680, -1,   0, {.color = Qt::darkGray}},
    { "",           Line,          "",      "",      "Frame1",     0, 2880, 2655, 2880, -1,   0,
      {.color = Qt::white, .lineWidth = 2}},
    { "",           Line,          "",      "",      "Frame1",     0, 2880, 2655, 2880, -1,   0, {.color = Qt::darkGray}},
    { "CommandCut", CommandButton, "Copy",  "",      "Frame1",  1920,  120,  615,  315,  1, 307},
    { "RedMax",     CommandButton, "Max",   "",      "Frame1",  1920,  600,  615,  315,  2, 304,
      {.accessibleName = "Red Max 255"}},
    { "RedNom",     CommandButton, "Nom",   "",      "Frame1",  1920,  960,  615,  315,  3, 305,
      {.accessibleName = "Red Nom 192"}},
    { "RedMin",     CommandButton, "Min",   "",      "Frame1",  1920, 1320,  615,  315,  4, 306,
      {.accessibleName = "Red Min 0"}},
    { "GreenMax",   CommandButton, "Max",   "",      "Frame1",  1920, 1800,  615,  315,  5, 304,
      {.accessibleName = "Green Max 255"}},
    { "GreenNom",   CommandButton, "Nom",   "",      "Frame1",  1920, 2160,  615,  315,  6, 305,
      {.accessibleName = "Green Nom 192"}},
    { "GreenMin",   CommandButton, "Min",   "",      "Frame1",  1920, 2520,  615,  315,  7, 306,
      {.accessibleName = "Green Min 0"}},
    { "BlueMax",    CommandButton, "Max",   "",      "Frame1",  1920, 3000,  615,  315,  8, 304,
      {.accessibleName = "Blue Max 255"}},
    { "BlueNom",    CommandButton, "Nom",   "",      "Frame1",  1920, 3360,  615,  315,  9, 305,
      {.accessibleName = "Blue Nom 192"}},
    { "BlueMin",    CommandButton, "Min",   "",      "Frame1",  1920, 3720,  615,  315, 10, 306,
      {.accessibleName = "Blue Min 0"}},
    { "UpDown1",    UpDown,        "",      "",      "Frame1",   240,  720,  240,  495, 11, 301,
      {.min = 0, .max = 255, .accessibleName = "Red up down"}},
    { "UpDown2",    UpDown,        "",      "",      "Frame1",   240, 1920,  240,  495, 12, 301,
      {.min = 0, .max = 255, .accessibleName = "Green up down"}},
    { "UpDown3",    UpDown,        "",      "",      "Frame1",   240, 3120,  240,  495, 13, 301,
      {.min = 0, .max = 255, .accessibleName = "Blue up down"}},
    { "Text1",      TextBox,       "",      "",      "Frame1",   720,  840,  495,  285, 14, 302, {.accessibleName = "Red"}},
    { "Text2",      TextBox,       "",      "",      "Frame1",   720, 2040,  495,  285, 15, 302, {.accessibleName = "Green"}},
    { "Text3",      TextBox,       "",      "",      "Frame1",   720, 3240,  495,  285, 16, 302, {.accessibleName = "Blue"}},
    { "Label1",     Label,         "Red",   "",      "Frame1",   840, 1320,  300,  195, 17,   0,
      {.autoSize = true, .buddy = "Text1"}},
    { "Label2",     Label,         "Green", "",      "Frame1",   720, 2520,  435,  195, 18,   0,
      {.autoSize = true, .buddy = "Text2"}},
    { "Label3",     Label,         "Blue",  "",      "Frame1",   720, 3720,  315,  195, 19,   0,
      {.autoSize = true, .buddy = "Text3"}},
    { "Label4",     Label,         "Step",  "",      "Frame1",  1440,  600,  330,  195, 20,   0, {.autoSize = true}},
    { "Label5",     Label,         "Step",  "",      "Frame1",  1440, 1800,  330,  195, 21,   0, {.autoSize = true}},
    { "Label6",     Label,         "Step",  "",      "Frame1",  1440, 3000,  330,  195, 22,   0, {.autoSize = true}},
    { "UpDown4",    UpDown,        "",      "",      "Frame1",  1440,  840,  240,  375, 23, 303,
      {.min = 1, .max = 10, .accessibleName = "Red step size"}},
    { "UpDown5",    UpDown,        "",      "",      "Frame1",  1440, 2040,  240,  375, 24, 303,
      {.min = 1, .max = 10, .accessibleName = "Green step size"}},
    { "UpDown6",    UpDown,        "",      "",      "Frame1",  1440, 3240,  240,  375, 25, 303,
      {.min = 1, .max = 10, .accessibleName = "Blue step size"}},
    { "LabelRed",   Label,         "1",     "",      "Frame1",  1440, 1320,   90,  195, 26,   0, {.autoSize = true}},
    { "LabelGreen", Label,         "1",     "",      "Frame1",  1440, 2520,   90,  195, 27,   0, {.autoSize = true}},
    { "LabelBlue",  Label,         "1",     "",      "Frame1",  1440, 3720,   90,  195, 28,   0, {.autoSize = true}},
    // A white edge directly under the menu bar, across the whole client area.
    { "",           Line,          "",      "",      "",           0,    0, 5910,    0, -1,   0,
      {.color = Qt::white, .lineWidth = 4}},
};

const forms::MenuEntry kMenus[] = {
    // name            caption           under
    {"mnuOptions",     "&Options"},
    {"mnuColorBar",    "&Color Palette", "mnuOptions"},
    {"mnuFormat",      "&Format",        "mnuOptions"},
    {"mnuRGB",         "&RGB ",          "mnuFormat"},
    {"bar4",           "-",              "mnuFormat"},
    {"mnuDecimal",     "&Decimal",       "mnuFormat"},
    {"bar3",           "-",              "mnuFormat"},
    {"mnuHex",         "&Hex",           "mnuFormat"},
    {"bar",            "-",              "mnuOptions"},
    {"mnuExit",        "E&xit",          "mnuOptions"},
    {"mnumainhlp",     "&Help"},
    {"mnuHelp",        "&Quick Help",    "mnumainhlp"},
    {"bar6",           "-",              "mnumainhlp"},
    {"MnuAbout",       "&About",         "mnumainhlp"},
    {"mnuWhatisthis",  "&?"},
};
// clang-format on

} // namespace

const forms::FormDesign &frmAddIn2::formDesign()
{
    // A help number is both the control's F1 context and its what's-this topic.
    static const forms::FormDesign design = {
        "frmAddIn2", "Pelk Color Finder", 5910, 4065, forms::HelpNumber::ContextAndWhatsThis, kControls, kMenus,
    };
    return design;
}

} // namespace pelk
