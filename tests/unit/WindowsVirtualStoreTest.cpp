// Torvexa edits the f1graphics.cfg the game reads, also when the game lies in a protected folder
// and Windows gives the game a copy of its own: the folder writable, the copy there, no copy yet.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "config/GameInstall.h"
#include "platform/win32/FileCalls.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowsSystem.h"
#include "support/FileErrors.h"
#include "support/TempDir.h"

namespace torvexa {
namespace {

namespace fs = std::filesystem;

class GameUnderProgramFiles : public ::testing::Test {
  protected:
    GameUnderProgramFiles() {
        fs::create_directories(game);
        test::writeBytes(game / "f1graphics.cfg", "1 ; as installed\r\n");
    }
    std::string name(const fs::path& path) const { return winsys::ansi(path.wstring()); }
    // A standard user's system: Windows refuses to make files in the protected folder.
    WindowsSystem standardUser() {
        winsys::FileCalls calls;
        const std::wstring refused = protectedFolder.wstring();
        calls.createFile = [refused](LPCWSTR path, DWORD access, DWORD share,
                                     LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                                     HANDLE model) -> HANDLE {
            if (disposition != OPEN_EXISTING && std::wstring(path).rfind(refused, 0) == 0) {
                SetLastError(ERROR_ACCESS_DENIED);
                return INVALID_HANDLE_VALUE;
            }
            return CreateFileW(path, access, share, security, disposition, flags, model);
        };
        return WindowsSystem(calls, store(), GameInstall::mark());
    }
    VirtualStore store() const {
        return VirtualStore(name(dir / "Local" / "VirtualStore"), {name(protectedFolder)});
    }
    fs::path copyOf(const std::string& file) const {
        const std::string path = name(game / file);
        return dir / "Local" / "VirtualStore" / fs::path(path.substr(3));
    }
    std::string config() const { return name(game / "f1graphics.cfg"); }

    test::TempDir dir;
    fs::path protectedFolder = dir / "Program Files";
    fs::path game = protectedFolder / "GP4";
};

TEST_F(GameUnderProgramFiles, WithoutACopyTheFirstSaveMakesTheCopyTheGameWillRead) {
    WindowsSystem system = standardUser();
    EXPECT_EQ(system.readFile(config()), "1 ; as installed\r\n");
    system.writeFile(config(), "0 ; saved\r\n");
    EXPECT_EQ(test::readBytes(game / "f1graphics.cfg"), "1 ; as installed\r\n");
    EXPECT_EQ(test::readBytes(copyOf("f1graphics.cfg")), "0 ; saved\r\n");
    EXPECT_EQ(system.readFile(config()), "0 ; saved\r\n");

    // The backup lies beside the copy, and a restore brings it back there.
    const std::string backup = name(game / "f1graphics.cfg.backup");
    system.copyFile(config(), backup);
    EXPECT_TRUE(system.isFile(backup));
    EXPECT_FALSE(fs::exists(game / "f1graphics.cfg.backup"));
    system.writeFile(config(), "5 ; later\r\n");
    system.copyFile(backup, config());
    EXPECT_EQ(test::readBytes(copyOf("f1graphics.cfg")), "0 ; saved\r\n");
}

// A copy of the game chosen by its folder, outside the registry's knowledge: the game's own copy
// in the store is the one listed, read and written.
TEST_F(GameUnderProgramFiles, AFolderChosenByHandIsTheCopyTheGameReads) {
    fs::create_directories(copyOf("f1graphics.cfg").parent_path());
    test::writeBytes(copyOf("f1graphics.cfg"), "2 ; the game's copy\r\n");
    WindowsSystem system = standardUser();
    const std::optional<Installation> copy = system.addFolder(config());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->name, "Folder: GP4");
    EXPECT_EQ(fs::path(winsys::wideFromUtf8(copy->shown)), copyOf("f1graphics.cfg"));
    ASSERT_TRUE(system.use(copy->file));
    GameInstall install;
    install.lookUp(system);
    EXPECT_EQ(system.readFile(install.configPath()), "2 ; the game's copy\r\n");
    system.writeFile(install.configPath(), "3 ; saved\r\n");
    EXPECT_EQ(test::readBytes(copyOf("f1graphics.cfg")), "3 ; saved\r\n");
    EXPECT_EQ(test::readBytes(game / "f1graphics.cfg"), "1 ; as installed\r\n");
}

TEST_F(GameUnderProgramFiles, WithACopyTheCopyIsReadAndWritten) {
    fs::create_directories(copyOf("f1graphics.cfg").parent_path());
    test::writeBytes(copyOf("f1graphics.cfg"), "2 ; the game's copy\r\n");
    for (const bool standard : {true, false}) {
        winsys::FileCalls real;
        WindowsSystem system = standard ? standardUser() : WindowsSystem(real, store());
        EXPECT_EQ(system.readFile(config()), "2 ; the game's copy\r\n");
        system.writeFile(config(), "3 ; saved\r\n");
        EXPECT_EQ(test::readBytes(copyOf("f1graphics.cfg")), "3 ; saved\r\n");
        EXPECT_EQ(test::readBytes(game / "f1graphics.cfg"), "1 ; as installed\r\n");
        test::writeBytes(copyOf("f1graphics.cfg"), "2 ; the game's copy\r\n");
    }
}

TEST_F(GameUnderProgramFiles, AWritableFolderIsWrittenInPlaceAndAProtectedFileStaysRefused) {
    winsys::FileCalls real;
    WindowsSystem administrator(real, store());
    administrator.writeFile(config(), "4 ; in place\r\n");
    EXPECT_EQ(test::readBytes(game / "f1graphics.cfg"), "4 ; in place\r\n");
    EXPECT_FALSE(fs::exists(copyOf("f1graphics.cfg")));

    SetFileAttributesW((game / "f1graphics.cfg").c_str(), FILE_ATTRIBUTE_READONLY);
    WindowsSystem system = standardUser();
    EXPECT_EQ(test::errorCodeOf([&] { system.writeFile(config(), "x\r\n"); }), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(fs::exists(copyOf("f1graphics.cfg")));
    SetFileAttributesW((game / "f1graphics.cfg").c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace torvexa
