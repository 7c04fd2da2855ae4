#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/System.h"

namespace torvexa {

// What both systems keep of the copies of the game: the folders the player chose by hand and
// the copy in use. Which copies the machine's records name, and what a folder holds, is each
// system's own (`copyIn`).
class GameCopies {
  public:
    // The copy in a folder (a program path), if the folder holds the game's file.
    using CopyIn = std::function<std::optional<Installation>(const std::string& folder)>;

    GameCopies(GameMark game, CopyIn copyIn);
    // `copyIn` belongs to the system that holds these copies: neither moves.
    GameCopies(const GameCopies&) = delete;
    GameCopies& operator=(const GameCopies&) = delete;

    const GameMark& game() const noexcept { return game_; }

    // `found` by the records, then the copies in the chosen folders, each copy once. Settles
    // the copy in use where none is yet: the one whose file was written last. A copy once in
    // use stays so, found or not, until another is used: a load, a backup and a save all go
    // to the copy the player sees chosen.
    std::vector<Installation> all(std::vector<Installation> found);
    // The list all() made last.
    const std::vector<Installation>& listed() const noexcept { return listed_; }
    std::optional<Installation> addFolder(const std::string& path);
    bool use(const std::string& file, const std::vector<Installation>& all);
    const std::optional<Installation>& inUse() const noexcept { return inUse_; }

    // The lookup of the game's folder answered by a copy chosen by hand, while one is in use.
    std::optional<RegistryValue> answerFor(std::string_view key, std::string_view valueName) const;

  private:
    GameMark game_;
    CopyIn copyIn_;
    std::vector<std::string> folders_;
    std::optional<Installation> inUse_;
    std::vector<Installation> listed_;
};

// The folder a path chosen by the player means: the folder that holds it when it names the
// game's file (any case), else the path itself, without a separator at its end.
std::string gameFolderOf(std::string_view path, std::string_view gameFile);

// The last name of a path, Windows or POSIX.
std::string_view lastNameOf(std::string_view path);

}  // namespace torvexa
