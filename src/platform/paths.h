// Where the per-user files live. One folder holds them all: the stand-in for
// the system's Windows folder (bare INI file names such as "vbaddin.ini"),
// the class registry and the settings store. It is $PELKTULVANE_HOME when
// set (tests always set it), else $XDG_CONFIG_HOME/pelktulvane, else
// ~/.config/pelktulvane.
#pragma once

#include <QString>

namespace pelk::paths {

QString userFolder();
// The folder a bare INI file name refers to.
QString systemFolder();
// The class registry: ProgID to class id, description, type library, module.
QString classRegistryFile();
// The settings file of one application name.
QString settingsFile(const QString &appName);
// A file name as WritePrivateProfileStringA takes it: a bare name means the
// file in the system folder; a path is used as it stands.
QString resolveProfileFile(const QString &fileName);

} // namespace pelk::paths
