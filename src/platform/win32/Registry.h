#pragma once

#include <string_view>

#include "platform/System.h"

namespace torvexa::winsys {

// A text value of HKEY_LOCAL_MACHINE, read with a normal user's rights: the 32-bit view first,
// where the game's 32-bit installer wrote, then the 64-bit view. An expandable string is given
// as stored; a value of another type is told as such.
RegistryValue readMachineValue(std::string_view key, std::string_view valueName);

}  // namespace torvexa::winsys
