// The input box wizard's window: every control and menu entry, each named once. The
// window's Ui members, the rows its builder reads and the lookups that fill
// the members come from these lists (forms/declaredcontrols.h). A control
// row: name, kind, caption, tooltip, container, left, top, width, height
// (twips), tab index, help number, other properties; a menu entry: name,
// caption, the title it is under, help context, hidden.
#pragma once

#include "forms/declaredcontrols.h"

// clang-format off
#define PELK_INPUTBOX_WIZARD_CONTROLS(NAMED, DRAWN) \
    /*    name         kind              caption    tooltip  in  left  top   width  height  tab  help           other */                                        \
    NAMED(CommandExit, CommandButton,    "E&xit",   "",      "", 3240, 3480,   975,    375,   8, 0)                                                             \
    NAMED(Text1,       TextBox,          "",        "",      "",  113,  360,  4095,    285,   7, kTitleTopic,   {.maxLength = 32, .accessibleName = "Title"})   \
    NAMED(Text2,       MultiLineTextBox, "",        "",      "",  113, 1560,  4095,   1815,   6, kMessageTopic, {.accessibleName = "Message"})                  \
    NAMED(Text3,       TextBox,          "",        "",      "",  113,  960,  4095,    285,   5, kDefaultTopic, {.maxLength = 32, .accessibleName = "Default"}) \
    NAMED(Command2,    CommandButton,    "&Copy",   "",      "",  120, 3480,   975,    375,   1, kCopyTopic)                                                    \
    NAMED(CommandTest, CommandButton,    "&Test",   "",      "", 1680, 3480,   975,    375,   0, kTestTopic)                                                    \
    /* An etched rule under the menu bar, X1, Y1, X2, Y2: the white line */                                                                                     \
    /* first, the thin dark one drawn over its top edge. */                                                                                                     \
    NAMED(Line1,       Line,             "",        "",      "", 4320,    0,     0,      0,  -1,             0, {.color = Qt::white, .lineWidth = 4})           \
    NAMED(Line2,       Line,             "",        "",      "", 4320,    0,     0,      0,  -1,             0, {.colorRole = QPalette::WindowText})            \
    NAMED(Label1,      Label,            "Title",   "",      "", 2040,  120,   300,    195,   4,             0, {.autoSize = true, .buddy = "Text1"})           \
    NAMED(Label2,      Label,            "Message", "",      "", 1845, 1320,   645,    195,   3,             0, {.autoSize = true, .buddy = "Text2"})           \
    NAMED(Label3,      Label,            "Default", "",      "", 1905,  720,   510,    195,   2,             0, {.autoSize = true, .buddy = "Text3"})

#define PELK_INPUTBOX_WIZARD_MENUS(ENTRY) \
    /*    name            caption        under          help */             \
    ENTRY(mnuFile,        "&File",       "",            kFileAndAboutTopic) \
    ENTRY(mnuNew,         "&New",        "mnuFile")                         \
    ENTRY(mnuOpenFile,    "&Open",       "mnuFile")                         \
    ENTRY(mnuSaveFile,    "&Save",       "mnuFile")                         \
    ENTRY(bar7,           "-",           "mnuFile")                         \
    ENTRY(mnuExit,        "E&xit",       "mnuFile")                         \
    ENTRY(mnumainHelp,    "&Help")                                          \
    ENTRY(mnuInputHllp,   "&Quick Help", "mnumainHelp")                     \
    ENTRY(MnuAbout,       "&About",      "mnumainHelp", kFileAndAboutTopic) \
    ENTRY(mnuContextHelp, "&?")
// clang-format on
