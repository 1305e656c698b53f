// The services together, as the programs make them and hand each part of
// the add-in the ones it uses.
#pragma once

#include "appinfo.h"
#include "boxes.h"
#include "clipboard.h"
#include "dialogs.h"
#include "helpsystem.h"
#include "iniwriter.h"
#include "pictures.h"
#include "settings.h"

namespace pelk {

struct Services {
    const AppInfo &app;
    Settings &settings;
    Clipboard &clipboard;
    Boxes &boxes;
    Dialogs &dialogs;
    HelpSystem &help;
    Pictures &pictures;
    IniWriter &ini;
};

} // namespace pelk
