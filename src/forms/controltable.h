// A window's controls and menus as data, one row each: name, kind, caption,
// tooltip, container, place in twips, tab index, help number and other
// properties. One builder turns such tables into the controls of
// controls.h: placed in twips, named, in the order of their tab indexes,
// with their help numbers. The window's typed Ui members are filled from it
// (declaredcontrols.h), and its handlers are connected in code.
// Plain C++ rather than Designer files: a row keeps the place in twips, as
// the window was designed, and names this folder's own control classes;
// names and kinds are checked by the compiler, and nothing is generated.
#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QPalette>
#include <QStyle>

#include <optional>
#include <span>
#include <stdexcept>

class QMenu;

namespace pelk::forms {

class Form;
class FormWindow;

enum class Kind {
    Frame,
    Label,
    TextBox,
    MultiLineTextBox,
    CommandButton,
    CheckBox,
    OptionButton,
    UpDown,
    Line,
    PictureBox, // a label showing a picture the window sets
    DriveListBox,
    DirListBox,
    FileListBox,
    ImageBox,
    Timer,
};

// The properties of a row beyond the common columns; each kind reads those
// that apply to it.
struct Other {
    bool value = false;                // option button selected, check box ticked
    int maxLength = 0;                 // text boxes: what the user may type; 0 no limit
    int min = 0, max = 10, increment = 1; // up-down
    bool autoSize = false;             // a label sized to its caption
    bool wordWrap = false;             // a label's caption wraps at blanks
    const char *buddy = nullptr;       // a label's control, focused by its access key
    const char *accessibleName = nullptr;        // else the caption, else the tooltip
    const char *accessibleDescription = nullptr;
    std::optional<QStyle::StandardPixmap> picture = {}; // an option button's picture, 32 x 32
    Qt::GlobalColor color = Qt::transparent; // a line's colour, a label's text colour
    QPalette::ColorRole colorRole = QPalette::NoRole; // a line in this colour of its container
    int lineWidth = 1;
    int interval = 0;                  // timer, milliseconds
    bool stretch = false;              // image box
    // Controls the window shows and hides together; the window asks for
    // them by this name.
    const char *group = nullptr;
};

// One control. Positions are twips from the top left of the client area or
// of the containing frame; a line's four numbers are X1, Y1, X2, Y2. A row
// without a name is decoration the window never asks for.
struct Control {
    const char *name;
    Kind kind;
    const char *caption = "";
    const char *tooltip = "";
    const char *in = ""; // the containing frame; "" the client area
    double left = 0, top = 0, width = 0, height = 0;
    int tab = -1;  // tab index; -1 none
    int help = 0;  // help number; 0 none
    Other other = {};
};

// One menu entry. A title is an entry that others are under; "-" is a
// separator.
struct MenuEntry {
    const char *name;
    const char *caption;
    const char *under = ""; // the title it is in; "" the menu bar
    int help = 0;           // its help context, for F1 on the open menu
    bool hidden = false;
};

// What the help number of a control is: the context F1 opens, the topic a
// click in what's-this mode shows, or both.
enum class HelpNumber { Context, WhatsThis, ContextAndWhatsThis };

struct FormDesign {
    const char *name; // the window's object name
    const char *caption;
    double width, height; // the client area, twips
    HelpNumber helpNumber;
    std::span<const Control> controls;
    std::span<const MenuEntry> menus;
};

// A fault in a table or in a window's use of it (a name that is not there,
// a handler without its control or event): thrown, never ignored.
class DesignError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The controls and menu entries a design built, by name.
class Controls {
public:
    // The control of this name, which must be a T.
    template <class T> T *get(const char *name) const
    {
        T *found = qobject_cast<T *>(object(name));
        if (!found)
            fail(name, T::staticMetaObject.className());
        return found;
    }
    // The menu a title opens.
    QMenu *menu(const char *title) const;
    // The controls of a group, in the order of their rows; as T, each must
    // be one.
    QList<QObject *> group(const char *name) const;
    template <class T> QList<T *> group(const char *name) const
    {
        QList<T *> members;
        for (QObject *member : group(name)) {
            members.append(qobject_cast<T *>(member));
            if (!members.last())
                fail(name, T::staticMetaObject.className());
        }
        return members;
    }

    QObject *object(const char *name) const { return m_byName.value(QLatin1String(name)); }
    const QHash<QString, QObject *> &all() const { return m_byName; }

private:
    friend Controls build(FormWindow *window, const FormDesign &design);
    void add(const char *name, QObject *object);
    void buildMenus(FormWindow *window, std::span<const MenuEntry> menus);
    [[noreturn]] void fail(const char *name, const char *kind) const;

    QString m_window;
    QHash<QString, QObject *> m_byName;
    QHash<QString, QList<QObject *>> m_groups;
};

// Sets the window's name, caption and client size and builds its controls,
// then its menus. Throws DesignError for a table that names a container, a
// buddy or a title it does not hold, or a name twice.
Controls build(FormWindow *window, const FormDesign &design);

} // namespace pelk::forms
