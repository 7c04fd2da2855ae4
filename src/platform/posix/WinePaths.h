#pragma once

#include <filesystem>
#include <string_view>

namespace torvexa {

// Maps a Windows path of the program to the POSIX path Wine would use in `prefix`:
// "C:\..." through <prefix>/dosdevices/c:, a path without drive ("\GP4", "/etc\x", "GP4\x")
// on drive C:, from its root. Backslash and slash both separate; empty components and "." are
// skipped, ".." goes up but never above the drive. A component that does not exist with its
// exact name takes the first directory entry that matches it without regard to case. A path
// without drive and without any backslash is a path of this machine (absolute, as the open
// dialog gives it, or relative to the working folder): UTF-8 bytes that stay as they are (one
// in Windows-1252, as earlier versions wrote langopt.zel, is still found).
std::filesystem::path windowsToPosix(std::string_view windowsPath,
                                     const std::filesystem::path& prefix);

// The Windows error code for a failed file operation on `path` (errno value `error`).
int windowsErrorFor(int error, const std::filesystem::path& path);

}  // namespace torvexa
