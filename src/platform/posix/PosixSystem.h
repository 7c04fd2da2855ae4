#pragma once

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/GameCopies.h"
#include "platform/System.h"
#include "platform/posix/PrefixSearch.h"

namespace torvexa {

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
    // Windows paths map into the prefix the last lookup used. The game's value is that of the
    // copy in use: a prefix counts only where the folder its registry names holds the game's
    // file; a folder chosen by hand answers with itself.
    PosixSystem(PrefixSearch search, GameMark game);

    // The prefix in use: the one the last lookup found the value in.
    const std::filesystem::path& prefix() const noexcept { return prefix_; }
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

    // The prefixes that hold the game, then the folders chosen; passedOver() then says which
    // prefixes naming the game were passed over, and why.
    std::vector<Installation> installations() override;
    std::optional<Installation> addFolder(const std::string& path) override;
    bool use(const std::string& file) override;
    std::optional<Installation> inUse() override;
    bool namedForThisRun() override;
    // Uses, for this run, the copy in `path`: a Wine prefix (a Proton folder above its pfx
    // included), a game folder or its f1graphics.cfg; none when the game is not there.
    std::optional<Installation> nameForThisRun(const std::filesystem::path& path);

  private:
    RegistryValue lookUpGame();
    std::vector<Installation> prefixCopies();
    RegistryValue gameValueIn(const std::filesystem::path& prefix);
    std::optional<Installation> copyInFolder(const std::string& folder) const;

    std::optional<PrefixSearch> search_;
    GameCopies copies_;
    std::filesystem::path prefix_;
    bool namedForThisRun_ = false;
    // The game's value in each prefix's registry as the last search read it, and which file.
    using RegistryStamp = std::tuple<dev_t, ino_t, off_t, time_t, long>;
    std::map<std::filesystem::path, std::pair<RegistryStamp, RegistryValue>> gameValues_;
    std::vector<PassedOver> passedOver_;
    // The first prefix the last search found naming the game, and its value.
    std::optional<std::pair<std::filesystem::path, RegistryValue>> firstNaming_;
};

}  // namespace torvexa
