#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/System.h"
#include "platform/posix/PrefixSearch.h"

namespace torvexa {

// A prefix that holds the game: where a launcher put it and its name there, the game's folder
// as its registry names it, the game's file on this machine and when it was written.
struct Installation {
    std::string name;
    std::filesystem::path prefix;
    std::filesystem::path config;
    std::string folder;
    std::filesystem::file_time_type written;
};

// A prefix a lookup of the game passed over, and why.
struct PassedOver {
    std::filesystem::path prefix;
    std::string why;
};

// The system of a Linux machine on which the game lives in a Wine prefix: the registry is the
// prefix's system.reg, Windows paths map into the prefix's drives.
class PosixSystem : public System {
  public:
    // Uses this prefix alone.
    explicit PosixSystem(std::filesystem::path winePrefix);
    // Looks up a value in the first of these prefixes whose registry has it, at every lookup;
    // Windows paths map into the prefix the last lookup used. The game's value counts only in
    // a prefix where the folder it names holds the game's file; of those, the one whose file
    // was written last is taken.
    PosixSystem(PrefixSearch search, GameMark game);

    // The prefix in use: the one the last lookup found the value in.
    const std::filesystem::path& prefix() const noexcept { return prefix_; }
    // Whether the last lookup of the game found it.
    bool foundGame() const noexcept { return foundGame_; }
    // Every prefix that holds the game, in search order; the prefixes passed over are then in
    // passedOver(), with why.
    std::vector<Installation> installations();
    // The prefixes the last search passed over, with why, in search order.
    const std::vector<PassedOver>& passedOver() const noexcept { return passedOver_; }

    std::filesystem::path toPosixPath(std::string_view windowsPath) const;

    RegistryValue readMachineValue(std::string_view key, std::string_view valueName) override;
    std::string readFile(const std::string& path) override;
    void writeFile(const std::string& path, std::string_view content) override;
    bool isFile(const std::string& path) override;
    void deleteFile(const std::string& path) noexcept override;
    void copyFile(const std::string& from, const std::string& to) override;
    void sleep(int milliseconds) override;
    std::string machinePath(const std::string& path) override;

  private:
    RegistryValue lookUpGame();

    std::optional<PrefixSearch> search_;
    GameMark game_;
    std::filesystem::path prefix_;
    bool foundGame_ = false;
    std::vector<PassedOver> passedOver_;
    // The first prefix the last search found naming the game, and its value.
    std::optional<std::pair<std::filesystem::path, RegistryValue>> firstNaming_;
};

}  // namespace torvexa
