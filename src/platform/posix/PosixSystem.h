#pragma once

#include <filesystem>
#include <optional>

#include "platform/System.h"
#include "platform/posix/PrefixSearch.h"

namespace torvexa {

// The system of a Linux machine on which the game lives in a Wine prefix: the registry is the
// prefix's system.reg, Windows paths map into the prefix's drives.
class PosixSystem : public System {
  public:
    // Uses this prefix alone.
    explicit PosixSystem(std::filesystem::path winePrefix);
    // Looks up the game in the first of these prefixes whose registry has it, at every
    // lookup; Windows paths map into the prefix the last lookup used.
    explicit PosixSystem(PrefixSearch search);

    // The prefix in use: the one the last lookup found the game in.
    const std::filesystem::path& prefix() const noexcept { return prefix_; }

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
    std::optional<PrefixSearch> search_;
    std::filesystem::path prefix_;
};

}  // namespace torvexa
