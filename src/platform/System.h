#pragma once

#include <string>
#include <string_view>

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
};

}  // namespace torvexa
