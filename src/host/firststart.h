// The add-ins shipped with the host. The first time a user starts the host
// from a folder, it runs their registration programs, found beside itself,
// and loads what they newly entered in the add-in list at this and every
// start: a user who installs the package just starts the host.
#pragma once

#include <QString>
#include <QStringList>

namespace pelk {
class Settings;
}

namespace pelk::host {

// The registration programs of the add-ins shipped with the host.
inline const QStringList kBundledAddInPrograms{QStringLiteral("pelktulvane")};

// Where the host keeps the folder whose programs last registered (host
// settings, section "Settings").
inline constexpr char kRegisteredFromKey[] = "Bundled Add-Ins From";

// Runs each of `programs` found in `hostFolder`, unless the user's settings
// say this folder's programs ran already. Returns the ProgIDs they added to
// the add-in list, for the host to mark and load at start-up.
QStringList registerBundledAddIns(Settings &settings, const QString &hostFolder,
                                  const QStringList &programs = kBundledAddInPrograms);

} // namespace pelk::host
