#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "support/TempDir.h"

namespace torvexa::test {

// Where a test's game lives, on the platform the tests run on: a drive of its own and the
// registry entry that the game's installer writes. On Linux that is a Wine-style prefix; on
// Windows a temporary folder and the real registry, cleared again afterwards.
class GameMachine {
  public:
    GameMachine();
    ~GameMachine();
    GameMachine(const GameMachine&) = delete;
    GameMachine& operator=(const GameMachine&) = delete;

    // A folder of the test drive as the program names it ("C:\GP4" on Linux) and as it lies.
    std::string windowsFolder(const std::string& name) const;
    std::filesystem::path folder(const std::string& name) const;

    // Registers the game's folder as its installer does, in the 32-bit view.
    void registerGame(std::string_view windowsDirectory) const;

    // Writes the registry value with a type other than text.
    void registerWrongType() const;

#ifdef _WIN32
  private:
    TempDir drive_;
#else
    WinePrefix prefix;
#endif
};

}  // namespace torvexa::test
