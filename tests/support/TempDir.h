#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace torvexa::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const noexcept { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// The project's folder "lang" or "examples" as a program text: the program names files in the
// system's code page, which on Windows may lack letters of the tree's own path; there the test
// scripts give a link to the tree in TORVEXA_TEST_DATA.
std::string dataFolder(std::string_view name);
// The names of the translation files Torvexa ships ("deutsch.zpr", …), in name order: every
// file in lang/, so that a new language is checked without being named in any test.
std::vector<std::string> shippedLanguageFiles();
// The temporary files of saves in `folder`, by the names the saves give them.
std::vector<std::string> temporaryFilesIn(const std::filesystem::path& folder);

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, std::string_view bytes);

#ifndef _WIN32
// A Wine-style prefix: drive C: is <prefix>/drive_c through dosdevices/c:, and system.reg
// is written by the test.
class WinePrefix {
  public:
    WinePrefix();

    const std::filesystem::path& root() const noexcept { return dir_.path(); }
    std::filesystem::path driveC() const { return dir_ / "drive_c"; }

    // Writes system.reg with the header Wine writes and `body` after it.
    void writeSystemReg(std::string_view body) const;

    // Registers the game the way its installer does, in the 32-bit view of a 64-bit prefix.
    void registerGame(std::string_view windowsDirectory) const;

  private:
    TempDir dir_;
};

#endif

}  // namespace torvexa::test
