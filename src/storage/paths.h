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

// Where the programs find their companions. The build tree keeps the
// programs, the add-in module, the metafile helper and the help file in one
// folder; an installation puts the module and the helper in a private
// library folder and the help file in a data folder, at relative places
// fixed when the build was configured. Each lookup takes the file beside
// `folder` when it is there, else the installed place relative to `folder`.
//
// A file of the private library folder, seen from the programs' folder.
QString privateLibraryFile(const QString &programFolder, const QString &name);
// A file of the data folder, seen from the private library folder (the
// add-in's own folder).
QString dataFile(const QString &privateLibraryFolder, const QString &name);

// The folder of the binary that holds this code: the add-in module's folder
// when it runs in the module, else the executable's.
QString codeFolder();

} // namespace pelk::paths
