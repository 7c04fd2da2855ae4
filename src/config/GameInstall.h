#pragma once

#include <string>

#include "platform/System.h"

namespace torvexa {

// The game's install directory, as its installer registered it, and the paths of the files
// the program uses in it.
class GameInstall {
  public:
    static constexpr const char* kRegistryKey =
        "SOFTWARE\\Infogrames\\Grand Prix 4\\1.00\\Install Dir";
    static constexpr const char* kRegistryValue = "Directory";
    static constexpr const char* kConfigFile = "f1graphics.cfg";
    // Where a system finds the game.
    static GameMark mark() { return {kRegistryKey, kRegistryValue, kConfigFile}; }

    // Replaces the directory with the registered one (empty when none is registered). A value
    // of the wrong type fails with InvalidDataTypeError and keeps the previous directory.
    void lookUp(System& system);

    const std::string& directory() const noexcept { return directory_; }

    // Plain concatenation: an empty directory gives a path at the root of the drive.
    std::string configPath() const { return directory_ + "\\" + kConfigFile; }
    std::string backupPath() const { return configPath() + ".backup"; }

  private:
    std::string directory_;
};

}  // namespace torvexa
