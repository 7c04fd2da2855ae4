#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvexa {

// Where Windows keeps a user's own copy of a file in a protected folder. The game is a 32-bit
// program without a manifest, so Windows virtualises its file writes: where it may not write
// (Program Files, the Windows folder, ProgramData) its write goes to the same path under
// %LOCALAPPDATA%\VirtualStore, and from then on it reads that copy
// (https://learn.microsoft.com/windows/security/application-security/application-control/user-account-control/architecture#virtualization).
// Torvexa is never virtualised itself (its manifest asks for asInvoker, and virtualisation may
// be off or gone), so it follows the same rule by name: it reads and writes the copy the game
// would, and nothing else.
class VirtualStore {
  public:
    // `store` is %LOCALAPPDATA%\VirtualStore; `protectedFolders` the folders Windows virtualises.
    VirtualStore(std::string store, std::vector<std::string> protectedFolders);

    // The user's copy of a file given by its full path, if the path lies in a protected folder:
    // the store, then the path without its drive ("C:\Program Files\GP4\f1graphics.cfg" ->
    // "<store>\Program Files\GP4\f1graphics.cfg"). Folder names compare without case.
    std::optional<std::string> copyOf(std::string_view fullPath) const;

  private:
    std::string store_;
    std::vector<std::string> protectedFolders_;
};

}  // namespace torvexa
