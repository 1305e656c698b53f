// The about windows' controls, each named once; where the three windows
// differ, the numbers come from the window's Design `d` (and the texts from
// the strings the window keeps), so the rows are read where those are in
// scope. A row: name, kind, caption, tooltip, container, left, top, width,
// height (twips), tab index, help number, other properties.
#pragma once

#include "forms/declaredcontrols.h"

// clang-format off
#define PELK_ABOUT_BOX_CONTROLS(NAMED, DRAWN) \
    /*    name            kind           caption                     tooltip in  left          top         width         height              tab help other */                  \
    NAMED(picIcon,        PictureBox,    "",                         "",     "",  240,          240,        540,          540,                 1,  0, {.accessibleName = "Program icon"}) \
    NAMED(lblTitle,       Label,         m_title.constData(),        "",     "",  960,          120,        2685,         360,                 4,  0, {.wordWrap = true, .color = Qt::black}) \
    NAMED(lblVersion,     Label,         "Version",                  "",     "",  960,          600,        3885,         225,                 5,  0) \
    NAMED(lblDescription, Label,         m_description.constData(),  "",     "",  960,          840,        d.descriptionWidth, d.descriptionHeight, 2, 0, {.wordWrap = true, .color = Qt::black}) \
    /* The etched rule runs to the right edge: white under grey, drawn in row order. */ \
    NAMED(Line1_0,        Line,          "",                         "",     "",  0,            d.ruleTop,  kRuleRight,   d.ruleTop,          -1,  0, {.color = Qt::white, .lineWidth = 2}) \
    NAMED(Line1_1,        Line,          "",                         "",     "",  0,            d.ruleTop,  kRuleRight,   d.ruleTop,          -1,  0, {.color = Qt::darkGray}) \
    NAMED(Label1,         Label,         "",                         "",     "",  d.authorLeft, d.authorTop, kAuthorWidth, 195,                6,  0, {.autoSize = true}) \
    NAMED(cmdOK,          CommandButton, "&OK",                      "",     "",  d.okLeft,     d.okTop,    1260,         345,                 0,  0)

#define PELK_ABOUT_BOX_MENUS(ENTRY)
// clang-format on
