#pragma once

#include <filesystem>
#include <string_view>

namespace torvexa {

// Maps a Windows path of the program to the POSIX path Wine would use in `prefix`:
// "C:\..." through <prefix>/dosdevices/c:, a path without drive from the root, a relative
// path from the working directory. Backslash and slash both separate; empty components are
// skipped. A component that does not exist with its exact name takes the first directory
// entry that matches it without regard to case.
std::filesystem::path windowsToPosix(std::string_view windowsPath,
                                     const std::filesystem::path& prefix);

// The Windows error code for a failed file operation on `path` (errno value `error`).
int windowsErrorFor(int error, const std::filesystem::path& path);

}  // namespace torvexa
