// The standard module AddIn: the program's start-up procedure.
#pragma once

#include "platform/result.h"

namespace pelk {
class IniWriter;
}

namespace pelk::AddIn {

// Enters the add-in in the host's add-in list: key "PelkTulvane.Connect" =
// "0" in section "Add-Ins32" of "vbaddin.ini". Runs once at every start of
// the program, by hand or by the host, before anything else; it does not
// read the current entry. How the write went is the caller's to look at.
Status Main(IniWriter &ini);

} // namespace pelk::AddIn
