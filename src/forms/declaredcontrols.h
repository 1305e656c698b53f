// A window's controls declared once. Each window lists its controls and menu
// entries in one X-macro list of rows (<window>_controls.h): NAMED(name,
// kind, ...) for a control the window uses, DRAWN(kind, ...) for decoration
// it never asks for, ENTRY(name, ...) for a menu entry. From that one list
// come the rows the builder reads (PELK_FORMS_ROW and friends), the Ui
// struct's typed members and the lookups that fill them (PELK_FORMS_UI), so a
// name is written once and a member's type follows from its kind.
#pragma once

#include "controls.h"
#include "controltable.h"
#include "filelists.h"
#include "imagebox.h"

#include <QLabel>

namespace pelk::forms {

// The class a control of each kind is.
template <Kind> struct ControlClassOf;
template <> struct ControlClassOf<Kind::Frame> { using type = Frame; };
template <> struct ControlClassOf<Kind::Label> { using type = Label; };
template <> struct ControlClassOf<Kind::TextBox> { using type = TextBox; };
template <> struct ControlClassOf<Kind::MultiLineTextBox> { using type = MultiLineTextBox; };
template <> struct ControlClassOf<Kind::CommandButton> { using type = CommandButton; };
template <> struct ControlClassOf<Kind::CheckBox> { using type = CheckBox; };
template <> struct ControlClassOf<Kind::OptionButton> { using type = OptionButton; };
template <> struct ControlClassOf<Kind::UpDown> { using type = UpDown; };
template <> struct ControlClassOf<Kind::Line> { using type = Line; };
template <> struct ControlClassOf<Kind::PictureBox> { using type = QLabel; };
template <> struct ControlClassOf<Kind::DriveListBox> { using type = DriveListBox; };
template <> struct ControlClassOf<Kind::DirListBox> { using type = DirListBox; };
template <> struct ControlClassOf<Kind::FileListBox> { using type = FileListBox; };
template <> struct ControlClassOf<Kind::ImageBox> { using type = ImageBox; };
template <> struct ControlClassOf<Kind::Timer> { using type = Timer; };
template <Kind kind> using ControlClass = typename ControlClassOf<kind>::type;

} // namespace pelk::forms

// Rows for the builder, inside `using enum forms::Kind;`.
#define PELK_FORMS_ROW(name, kind, ...) {#name, kind, __VA_ARGS__},
#define PELK_FORMS_DRAWN_ROW(kind, ...) {"", kind, __VA_ARGS__},
#define PELK_FORMS_MENU_ROW(name, ...) {#name, __VA_ARGS__},

// Ui members, and their lookups by name in what the builder made.
#define PELK_FORMS_NOTHING(...)
#define PELK_FORMS_UI_CONTROL(name, kind, ...) ::pelk::forms::ControlClass<::pelk::forms::Kind::kind> *name = nullptr;
#define PELK_FORMS_UI_MENU(name, ...) ::pelk::forms::MenuItem *name = nullptr;
#define PELK_FORMS_PICK_CONTROL(name, kind, ...) \
    name = controls.get<::pelk::forms::ControlClass<::pelk::forms::Kind::kind>>(#name);
#define PELK_FORMS_PICK_MENU(name, ...) name = controls.get<::pelk::forms::MenuItem>(#name);

// Inside a window's Ui struct: a typed member for every named control and
// menu entry, and pick(), which fills them from the built controls.
#define PELK_FORMS_UI(CONTROLS, MENUS)                                 \
    CONTROLS(PELK_FORMS_UI_CONTROL, PELK_FORMS_NOTHING)                \
    MENUS(PELK_FORMS_UI_MENU)                                          \
    void pick(const ::pelk::forms::Controls &controls)                 \
    {                                                                  \
        CONTROLS(PELK_FORMS_PICK_CONTROL, PELK_FORMS_NOTHING)          \
        MENUS(PELK_FORMS_PICK_MENU)                                    \
    }
