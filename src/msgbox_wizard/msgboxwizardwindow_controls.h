// The message box wizard's window: every control and menu entry, each named once. The
// window's Ui members, the rows its builder reads and the lookups that fill
// the members come from these lists (forms/declaredcontrols.h). A control
// row: name, kind, caption, tooltip, container, left, top, width, height
// (twips), tab index, help number, other properties; a menu entry: name,
// caption, the title it is under, help context, hidden.
#pragma once

#include "forms/declaredcontrols.h"

// clang-format off
#define PELK_MSGBOX_WIZARD_CONTROLS(NAMED, DRAWN) \
    /*    name         kind              caption                  tooltip          in         left  top   width  height  tab  help  other */                                                         \
    NAMED(Frame1,      Frame,            "Style",                 "",              "",           0,  120,  1455,   3975,   3, 0)                                                                     \
    NAMED(Option1,     OptionButton,     "No Icon",               "",              "Frame1",   240,  240,   975,    735,   8,    0, {.value = true})                                                 \
    NAMED(Option2,     OptionButton,     "",                      "Critical",      "Frame1",   240,  960,   975,    735,   7,    0, {.picture = QStyle::SP_MessageBoxCritical})                      \
    NAMED(Option3,     OptionButton,     "",                      "Question",      "Frame1",   240, 1680,   975,    735,   6,    0, {.picture = QStyle::SP_MessageBoxQuestion})                      \
    NAMED(Option4,     OptionButton,     "",                      "Exclamation",   "Frame1",   240, 2400,   975,    735,   5,    0, {.picture = QStyle::SP_MessageBoxWarning})                       \
    NAMED(Option5,     OptionButton,     "",                      "Information",   "Frame1",   240, 3120,   975,    735,   4,    0, {.picture = QStyle::SP_MessageBoxInformation})                   \
    NAMED(Frame5,      Frame,            "Options",               "",              "",        1560,  120,   975,   3975,   9, 0)                                                                     \
    NAMED(Frame12,     Frame,            "Options",               "",              "Frame5",     0,    0,   975,   1695,  11,    0, {.accessibleName = "Modality"})                                  \
    NAMED(Option31,    OptionButton,     "App. Modal",            kOption31Tip,    "Frame12",  120,  240,   735,    615,  13,    0, {.value = true})                                                 \
    NAMED(Option32,    OptionButton,     "System Modal",          kOption32Tip,    "Frame12",  120,  960,   735,    615,  12, 0)                                                                     \
    NAMED(Check2,      CheckBox,         "Always on top",         kCheck2Tip,      "Frame5",   120, 1800,   735,    615,  15, 0)                                                                     \
    NAMED(Check3,      CheckBox,         "Minum code",            kCheck3Tip,      "Frame5",   120, 2520,   735,    615,  10,    0, {.value = true})                                                 \
    NAMED(Check1,      CheckBox,         "Help Button",           kCheck1Tip,      "Frame5",   120, 3240,   735,    615,  14, 0)                                                                     \
    NAMED(Label1,      Label,            "Title",                 "",              "",        4680,  120,   300,    195,  18, 0)                                                                     \
    NAMED(Text1,       TextBox,          "",                      kText1Tip,       "",        2760,  360,  4095,    285,  16,    0, {.accessibleName = "Title"})                                     \
    NAMED(Label2,      Label,            "Message",               "",              "",        4560,  720,   645,    195,  17, 0)                                                                     \
    NAMED(Text2,       MultiLineTextBox, "",                      "",              "",        2760,  960,  4095,   2055,  39,    1, {.accessibleName = "Message"})                                   \
    NAMED(Label3,      Label,            "Help context",          "",              "",        2640, 3240,   615,    375,  41,    0, {.wordWrap = true})                                              \
    NAMED(Text3,       TextBox,          "",                      kText3Tip,       "",        2640, 3840,   615,    375,  40,    0, {.maxLength = 4, .accessibleName = "Help context"})              \
    NAMED(Frame2,      Frame,            "Select default button", kFrame2Tip,      "",        3360, 3000,  3495,   3135,  19, 0)                                                                     \
    NAMED(Option13,    OptionButton,     "OK",                    "",              "Frame2",  1800,  240,   735,    375,  20,    0, {.value = true, .accessibleDescription = kRowOk})                \
    NAMED(Option12,    OptionButton,     "Help",                  "",              "Frame2",  2640,  240,   735,    375,  21,    0, {.accessibleDescription = kRowOk, .group = kHelp})               \
    NAMED(Option14,    OptionButton,     "OK",                    "",              "Frame2",   960,  720,   735,    375,  22,    0, {.accessibleDescription = kRowOkCancel})                         \
    NAMED(Option15,    OptionButton,     "Cancel",                "",              "Frame2",  1800,  720,   735,    375,  23,    0, {.accessibleDescription = kRowOkCancel})                         \
    NAMED(Option16,    OptionButton,     "Help",                  "",              "Frame2",  2640,  720,   735,    375,  24,    0, {.accessibleDescription = kRowOkCancel, .group = kHelp})         \
    NAMED(Option20,    OptionButton,     "Abort",                 "",              "Frame2",   120, 1200,   735,    375,  25,    0, {.accessibleDescription = kRowAbortRetryIgnore})                 \
    NAMED(Option19,    OptionButton,     "Retry",                 "",              "Frame2",   960, 1200,   735,    375,  26,    0, {.accessibleDescription = kRowAbortRetryIgnore})                 \
    NAMED(Option18,    OptionButton,     "Ignore",                "",              "Frame2",  1800, 1200,   735,    375,  27,    0, {.accessibleDescription = kRowAbortRetryIgnore})                 \
    NAMED(Option17,    OptionButton,     "Help",                  "",              "Frame2",  2640, 1200,   735,    375,  28,    0, {.accessibleDescription = kRowAbortRetryIgnore, .group = kHelp}) \
    NAMED(Option24,    OptionButton,     "Yes",                   "",              "Frame2",   120, 1680,   735,    375,  29,    0, {.accessibleDescription = kRowYesNoCancel})                      \
    NAMED(Option23,    OptionButton,     "No",                    "",              "Frame2",   960, 1680,   735,    375,  30,    0, {.accessibleDescription = kRowYesNoCancel})                      \
    NAMED(Option22,    OptionButton,     "Cancel",                "",              "Frame2",  1800, 1680,   735,    375,  31,    0, {.accessibleDescription = kRowYesNoCancel})                      \
    NAMED(Option21,    OptionButton,     "Help",                  "",              "Frame2",  2640, 1680,   735,    375,  32,    0, {.accessibleDescription = kRowYesNoCancel, .group = kHelp})      \
    NAMED(Option27,    OptionButton,     "Yes",                   "",              "Frame2",   960, 2160,   735,    375,  33,    0, {.accessibleDescription = kRowYesNo})                            \
    NAMED(Option26,    OptionButton,     "No",                    "",              "Frame2",  1800, 2160,   735,    375,  34,    0, {.accessibleDescription = kRowYesNo})                            \
    NAMED(Option25,    OptionButton,     "Help",                  "",              "Frame2",  2640, 2160,   735,    375,  35,    0, {.accessibleDescription = kRowYesNo, .group = kHelp})            \
    NAMED(Option30,    OptionButton,     "Retry",                 "",              "Frame2",   960, 2640,   735,    375,  38,    0, {.accessibleDescription = kRowRetryCancel})                      \
    NAMED(Option29,    OptionButton,     "Cancel",                "",              "Frame2",  1800, 2640,   735,    375,  37,    0, {.accessibleDescription = kRowRetryCancel})                      \
    NAMED(Option28,    OptionButton,     "Help",                  "",              "Frame2",  2640, 2640,   735,    375,  36,    0, {.accessibleDescription = kRowRetryCancel, .group = kHelp})      \
    NAMED(Frame3,      Frame,            "",                      "",              "",           0, 4080,  2535,   2055,   0, 0)                                                                     \
    NAMED(commandTest, CommandButton,    "&Test",                 kCommandTestTip, "Frame3",   120,  240,  2295,    495,   1, 0)                                                                     \
    NAMED(Commandcopy, CommandButton,    "&Copy",                 kCommandcopyTip, "Frame3",   120,  840,  2295,    495,   2, 0)                                                                     \
    NAMED(Command1,    CommandButton,    "E&xit",                 "",              "Frame3",   120, 1440,  2295,    495,  42, 0)                                                                     \
    /* Decoration under the menu bar: X1, Y1, X2, Y2. */                                                                                                                                             \
    NAMED(Line1,       Line,             "",                      "",              "",           0,    0,  7020,      0,  -1,    0, {.color = Qt::black})                                            \
    NAMED(Line2,       Line,             "",                      "",              "",           0,   15,  7020,     15,  -1,    0, {.colorRole = QPalette::Window})

#define PELK_MSGBOX_WIZARD_MENUS(ENTRY) \
    /*    name             caption           under      help  hidden */ \
    ENTRY(mnuFile,         "&File")                                     \
    ENTRY(mnuNew,          "&New",           "mnuFile")                 \
    ENTRY(mnuOpen,         "&Open",          "mnuFile")                 \
    ENTRY(mnuSave,         "&Save",          "mnuFile")                 \
    ENTRY(bar5,            "-",              "mnuFile",    0, true)     \
    ENTRY(mnuOptions,      "&Main Menu",     "mnuFile",    0, true)     \
    ENTRY(bar,             "-",              "mnuFile")                 \
    ENTRY(mnuExit,         "E&xit",          "mnuFile")                 \
    ENTRY(mnuhlp,          "&Help")                                     \
    ENTRY(mnuQuickHelp,    "&Quick Help",    "mnuhlp")                  \
    ENTRY(mnuHelpContents, "Help &Contents", "mnuhlp")                  \
    ENTRY(mnuHelp,         "&Help Index",    "mnuhlp")                  \
    ENTRY(mnuHelpOnHelp,   "H&elp on help",  "mnuhlp")                  \
    ENTRY(bar1,            "-",              "mnuhlp")                  \
    ENTRY(mnuAbout,        "&About",         "mnuhlp")
// clang-format on
