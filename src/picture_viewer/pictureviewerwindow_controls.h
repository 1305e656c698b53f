// The picture viewer's window: every control and menu entry, each named once. The
// window's Ui members, the rows its builder reads and the lookups that fill
// the members come from these lists (forms/declaredcontrols.h). A control
// row: name, kind, caption, tooltip, container, left, top, width, height
// (twips), tab index, help number, other properties; a menu entry: name,
// caption, the title it is under, help context, hidden.
#pragma once

#include "forms/declaredcontrols.h"

// clang-format off
#define PELK_PICTURE_VIEWER_CONTROLS(NAMED, DRAWN) \
    /*    name        kind           caption       tooltip         in  left  top   width  height  tab  help  other */                                                          \
    NAMED(Dir1,       DirListBox,    "",           kDir1Tip,       "",    0,  120,  1815,   1890,   1,  402, {.accessibleName = "Folders"})                                    \
    NAMED(Drive1,     DriveListBox,  "",           "",             "",    0, 2040,  1815,    315,   0,  403, {.accessibleName = "Drive"})                                      \
    NAMED(File1,      FileListBox,   "",           "",             "", 1920,  120,  2055,   2235,   2,  405, {.accessibleName = "Files"})                                      \
    NAMED(Image1,     ImageBox,      "",           "",             "", 4200,  120,  2175,   2175,  -1,  408, {.accessibleName = "Picture", .stretch = true})                   \
    NAMED(cmdSuper,   CommandButton, "Super Size", kCmdSuperTip,   "",  360, 2520,   975,    375,   3, 404)                                                                    \
    NAMED(Command1,   CommandButton, "Copy",       kCommand1Tip,   "", 2280, 2520,  1095,    375,   9, 410)                                                                    \
    NAMED(Label1,     Label,         "Speed",      "",             "", 3720, 2520,   465,    195,   6,  409, {.autoSize = true})                                               \
    /* Read out as its number; what the number is, as its description. */                                                                                                      \
    NAMED(Label2,     Label,         "1",          "",             "", 3960, 2760,    90,    195,   7,  409, {.autoSize = true, .accessibleDescription = "Speed value"})       \
    NAMED(UpDown1,    UpDown,        "",           "",             "", 4320, 2520,   240,    255,   5,  407, {.min = 0, .max = 20, .increment = 1, .accessibleName = "Speed"}) \
    NAMED(cmdScan,    CommandButton, "Scan",       kCmdScanTip,    "", 4680, 2520,  1095,    375,   4, 406)                                                                    \
    NAMED(cmdRestore, CommandButton, "Restore",    kCmdRestoreTip, "",    0,  120,  1095,    375,   8, 401)                                                                    \
    NAMED(Timer1,     Timer,         "",           "",             "",    0,    0,     0,      0,  -1,    0, {.interval = 500})                                                \
    /* A thin etched rule along the top edge, X1, Y1, X2, Y2: the dark line */                                                                                                 \
    /* drawn over the white one. */                                                                                                                                            \
    NAMED(Line1,      Line,          "",           "",             "", 6600,    0,     0,      0,  -1,    0, {.color = Qt::white, .lineWidth = 4})                             \
    NAMED(Line2,      Line,          "",           "",             "", 6600,    0,     0,      0,  -1,    0, {.colorRole = QPalette::WindowText})

#define PELK_PICTURE_VIEWER_MENUS(ENTRY) \
    /*    name            caption         under         help */    \
    ENTRY(mnuOptions,     "&Options",     "",           kMenuHelp) \
    ENTRY(mnuPathFinder,  "&Path Finder", "mnuOptions", kMenuHelp) \
    ENTRY(bar1,           "-",            "mnuOptions", kMenuHelp) \
    ENTRY(mnuExit,        "E&xit",        "mnuOptions")            \
    ENTRY(mnuhlp,         "&Help")                                 \
    ENTRY(mnuhelp,        "&Quick Help",  "mnuhlp",     kMenuHelp) \
    ENTRY(mnuAbout,       "&About",       "mnuhlp",     kMenuHelp) \
    ENTRY(mnuContextHelp, "&?",           "",           kMenuHelp)
// clang-format on
