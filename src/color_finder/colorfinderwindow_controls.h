// The color finder's window: every control and menu entry, each named once. The
// window's Ui members, the rows its builder reads and the lookups that fill
// the members come from these lists (forms/declaredcontrols.h). A control
// row: name, kind, caption, tooltip, container, left, top, width, height
// (twips), tab index, help number, other properties; a menu entry: name,
// caption, the title it is under, help context, hidden.
#pragma once

#include "forms/declaredcontrols.h"

// clang-format off
#define PELK_COLOR_FINDER_CONTROLS(NAMED, DRAWN) \
    /*    name        kind           caption  tooltip  in        left  top   width  height  tab  help  other */                                                    \
    NAMED(Frame1,     Frame,         "",      "",      "",          0,    0,  2655,   4095,   0,    0, {.accessibleName = "Color controls"})                       \
    /* Etched separators between the bands, X1, Y1, X2, Y2: white under a */                                                                                       \
    /* grey line one pixel higher. */                                                                                                                              \
    DRAWN(            Line,          "",      "",      "Frame1",    0, 1680,  2655,   1680,  -1,    0, {.color = Qt::white, .lineWidth = 2})                       \
    DRAWN(            Line,          "",      "",      "Frame1",    0, 1680,  2655,   1680,  -1,    0, {.color = Qt::darkGray})                                    \
    DRAWN(            Line,          "",      "",      "Frame1",    0, 2880,  2655,   2880,  -1,    0, {.color = Qt::white, .lineWidth = 2})                       \
    DRAWN(            Line,          "",      "",      "Frame1",    0, 2880,  2655,   2880,  -1,    0, {.color = Qt::darkGray})                                    \
    NAMED(CommandCut, CommandButton, "Copy",  "",      "Frame1", 1920,  120,   615,    315,   1, 307)                                                              \
    NAMED(RedMax,     CommandButton, "Max",   "",      "Frame1", 1920,  600,   615,    315,   2,  304, {.accessibleName = "Red Max 255"})                          \
    NAMED(RedNom,     CommandButton, "Nom",   "",      "Frame1", 1920,  960,   615,    315,   3,  305, {.accessibleName = "Red Nom 192"})                          \
    NAMED(RedMin,     CommandButton, "Min",   "",      "Frame1", 1920, 1320,   615,    315,   4,  306, {.accessibleName = "Red Min 0"})                            \
    NAMED(GreenMax,   CommandButton, "Max",   "",      "Frame1", 1920, 1800,   615,    315,   5,  304, {.accessibleName = "Green Max 255"})                        \
    NAMED(GreenNom,   CommandButton, "Nom",   "",      "Frame1", 1920, 2160,   615,    315,   6,  305, {.accessibleName = "Green Nom 192"})                        \
    NAMED(GreenMin,   CommandButton, "Min",   "",      "Frame1", 1920, 2520,   615,    315,   7,  306, {.accessibleName = "Green Min 0"})                          \
    NAMED(BlueMax,    CommandButton, "Max",   "",      "Frame1", 1920, 3000,   615,    315,   8,  304, {.accessibleName = "Blue Max 255"})                         \
    NAMED(BlueNom,    CommandButton, "Nom",   "",      "Frame1", 1920, 3360,   615,    315,   9,  305, {.accessibleName = "Blue Nom 192"})                         \
    NAMED(BlueMin,    CommandButton, "Min",   "",      "Frame1", 1920, 3720,   615,    315,  10,  306, {.accessibleName = "Blue Min 0"})                           \
    NAMED(UpDown1,    UpDown,        "",      "",      "Frame1",  240,  720,   240,    495,  11,  301, {.min = 0, .max = 255, .accessibleName = "Red up down"})    \
    NAMED(UpDown2,    UpDown,        "",      "",      "Frame1",  240, 1920,   240,    495,  12,  301, {.min = 0, .max = 255, .accessibleName = "Green up down"})  \
    NAMED(UpDown3,    UpDown,        "",      "",      "Frame1",  240, 3120,   240,    495,  13,  301, {.min = 0, .max = 255, .accessibleName = "Blue up down"})   \
    NAMED(Text1,      TextBox,       "",      "",      "Frame1",  720,  840,   495,    285,  14,  302, {.accessibleName = "Red"})                                  \
    NAMED(Text2,      TextBox,       "",      "",      "Frame1",  720, 2040,   495,    285,  15,  302, {.accessibleName = "Green"})                                \
    NAMED(Text3,      TextBox,       "",      "",      "Frame1",  720, 3240,   495,    285,  16,  302, {.accessibleName = "Blue"})                                 \
    NAMED(Label1,     Label,         "Red",   "",      "Frame1",  840, 1320,   300,    195,  17,    0, {.autoSize = true, .buddy = "Text1"})                       \
    NAMED(Label2,     Label,         "Green", "",      "Frame1",  720, 2520,   435,    195,  18,    0, {.autoSize = true, .buddy = "Text2"})                       \
    NAMED(Label3,     Label,         "Blue",  "",      "Frame1",  720, 3720,   315,    195,  19,    0, {.autoSize = true, .buddy = "Text3"})                       \
    NAMED(Label4,     Label,         "Step",  "",      "Frame1", 1440,  600,   330,    195,  20,    0, {.autoSize = true})                                         \
    NAMED(Label5,     Label,         "Step",  "",      "Frame1", 1440, 1800,   330,    195,  21,    0, {.autoSize = true})                                         \
    NAMED(Label6,     Label,         "Step",  "",      "Frame1", 1440, 3000,   330,    195,  22,    0, {.autoSize = true})                                         \
    NAMED(UpDown4,    UpDown,        "",      "",      "Frame1", 1440,  840,   240,    375,  23,  303, {.min = 1, .max = 10, .accessibleName = "Red step size"})   \
    NAMED(UpDown5,    UpDown,        "",      "",      "Frame1", 1440, 2040,   240,    375,  24,  303, {.min = 1, .max = 10, .accessibleName = "Green step size"}) \
    NAMED(UpDown6,    UpDown,        "",      "",      "Frame1", 1440, 3240,   240,    375,  25,  303, {.min = 1, .max = 10, .accessibleName = "Blue step size"})  \
    NAMED(LabelRed,   Label,         "1",     "",      "Frame1", 1440, 1320,    90,    195,  26,    0, {.autoSize = true})                                         \
    NAMED(LabelGreen, Label,         "1",     "",      "Frame1", 1440, 2520,    90,    195,  27,    0, {.autoSize = true})                                         \
    NAMED(LabelBlue,  Label,         "1",     "",      "Frame1", 1440, 3720,    90,    195,  28,    0, {.autoSize = true})                                         \
    /* A white edge directly under the menu bar, across the whole client area. */                                                                                  \
    DRAWN(            Line,          "",      "",      "",          0,    0,  5910,      0,  -1,    0, {.color = Qt::white, .lineWidth = 4})

#define PELK_COLOR_FINDER_MENUS(ENTRY) \
    /*    name           caption           under */      \
    ENTRY(mnuOptions,    "&Options")                     \
    ENTRY(mnuColorBar,   "&Color Palette", "mnuOptions") \
    ENTRY(mnuFormat,     "&Format",        "mnuOptions") \
    ENTRY(mnuRGB,        "&RGB ",          "mnuFormat")  \
    ENTRY(bar4,          "-",              "mnuFormat")  \
    ENTRY(mnuDecimal,    "&Decimal",       "mnuFormat")  \
    ENTRY(bar3,          "-",              "mnuFormat")  \
    ENTRY(mnuHex,        "&Hex",           "mnuFormat")  \
    ENTRY(bar,           "-",              "mnuOptions") \
    ENTRY(mnuExit,       "E&xit",          "mnuOptions") \
    ENTRY(mnumainhlp,    "&Help")                        \
    ENTRY(mnuHelp,       "&Quick Help",    "mnumainhlp") \
    ENTRY(bar6,          "-",              "mnumainhlp") \
    ENTRY(MnuAbout,      "&About",         "mnumainhlp") \
    ENTRY(mnuWhatisthis, "&?")
// clang-format on
