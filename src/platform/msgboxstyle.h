// What a message box shows for one `buttons` value: its buttons in order,
// the default button, what Esc answers, its icon and its window flags.
#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace pelk {

enum class MsgBoxIcon { None, Critical, Question, Exclamation, Information };

struct MsgBoxButton {
    QString caption; // with the access key marked by '&'
    int result;      // mb::vbOK..vbNo; 0 for the Help button, which never closes the box
    bool operator==(const MsgBoxButton &) const = default;
};

struct MsgBoxStyle {
    QList<MsgBoxButton> buttons;    // the set's buttons, then "Help" when asked for
    int defaultIndex = 0;           // index into `buttons`
    std::optional<int> escapeResult; // what Esc and the close box answer; none: ignored
    MsgBoxIcon icon = MsgBoxIcon::None;
    bool systemModal = false; // stays above every window
    bool foreground = false;  // raised and activated when shown
};

// Decodes a sum of mb:: values. Values outside the known ones fall back to
// the plain case (an unknown set shows OK, an unknown icon none, a default
// position beyond the shown buttons the first button), so every box can be
// answered.
MsgBoxStyle msgBoxStyle(int buttons);

struct AppInfo;

// The help file a message box's Help button opens: none (empty) when none is
// given, so Help does nothing; a bare name in the program's folder, a path as
// it stands.
QString msgBoxHelpFile(const AppInfo &app, const QString &helpFile);

} // namespace pelk
