#pragma once

#include <string_view>

#include "platform/System.h"

namespace torvexa {

// Finds a value of HKEY_LOCAL_MACHINE in the text of a Wine prefix's system.reg. As a 32-bit
// program does, it opens "Software\Wow6432Node\..." first and the plain key otherwise.
// Key and value names compare without regard to case.
RegistryValue findMachineValue(std::string_view systemReg, std::string_view key,
                               std::string_view valueName);

}  // namespace torvexa
