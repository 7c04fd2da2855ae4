#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvexa {

// A registry value as the program sees it.
struct RegistryValue {
    enum class Kind {
        Missing,   // the key cannot be opened, or the value does not exist
        Text,      // a string or expandable string (as stored), or a value with no data
        OtherType  // any other type
    };
    Kind kind = Kind::Missing;
    std::string text;  // 8-bit program text up to the first NUL, for Kind::Text
};

// What tells where the game is: a registry value under HKEY_LOCAL_MACHINE names its folder,
// which holds `file`.
struct GameMark {
    std::string key;
    std::string valueName;
    std::string file;
};

// A copy of the game on this machine.
struct Installation {
    // As the player knows it: "Lutris: grand-prix-4", "Steam (Proton): GP4", "Registry",
    // "Folder: GP4 2003".
    std::string name;
    // Its f1graphics.cfg as the program names it (a program path): the copy's identity, and
    // what is remembered of a choice.
    std::string file;
    // That file where the player finds it on this machine (UTF-8).
    std::string shown;
    std::filesystem::file_time_type written{};
    // The Wine prefix whose registry names it (Linux); empty otherwise.
    std::filesystem::path prefix;
    // For a copy chosen by its folder: that folder, a program path, which then answers the
    // lookup of the game's folder; empty for a copy the machine's records name.
    std::string folder;
};

// The operating system as the program uses it. Paths are the program's Windows paths in its
// 8-bit text; file failures throw FileError with the Windows error code.
class System {
  public:
    virtual ~System() = default;

    // A value under HKEY_LOCAL_MACHINE.
    virtual RegistryValue readMachineValue(std::string_view key, std::string_view valueName) = 0;

    // The whole content of an existing file.
    virtual std::string readFile(const std::string& path) = 0;

    // Creates or replaces the file with `content`. Either the whole new content is in place
    // afterwards, or the old file is untouched and FileError is thrown.
    virtual void writeFile(const std::string& path, std::string_view content) = 0;

    // Whether the path names an existing file that is not a folder.
    virtual bool isFile(const std::string& path) = 0;

    // Deletes the file; a failure is ignored.
    virtual void deleteFile(const std::string& path) noexcept = 0;

    // Copies a file over the target, replacing it whole or not at all.
    virtual void copyFile(const std::string& from, const std::string& to) = 0;

    virtual void sleep(int milliseconds) = 0;

    // Where the file the program calls `path` lies on this machine, as a person finds it there
    // (UTF-8): on Linux inside the Wine prefix in use, on Windows the copy the game reads.
    virtual std::string machinePath(const std::string& path) = 0;

    // ---- The copies of the game. A machine without them has none.
    // Every copy found: those the machine's records name (the registry; on Linux the Wine
    // prefixes where launchers put them), in search order, then those in the folders chosen
    // with addFolder, in the order chosen. Each time a search anew.
    virtual std::vector<Installation> installations() { return {}; }
    // Adds the copy in a folder the player chose (`path` names the folder or its
    // f1graphics.cfg); none when the folder holds no f1graphics.cfg.
    virtual std::optional<Installation> addFolder(const std::string& path) {
        (void)path;
        return std::nullopt;
    }
    // Makes the copy with this file the one the lookup of the game's folder and its files
    // answer for, until the next use; whether such a copy was found.
    virtual bool use(const std::string& file) {
        (void)file;
        return false;
    }
    // The copy in use: the one last used, else the one whose file was written last (settled
    // by the first search); none while no copy is found.
    virtual std::optional<Installation> inUse() { return std::nullopt; }
    // Whether the copy to use was named for this run (on the command line, or by WINEPREFIX):
    // a choice remembered from an earlier run then gives way to it.
    virtual bool namedForThisRun() { return false; }
};

}  // namespace torvexa
