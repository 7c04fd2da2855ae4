// Every Windows file call of a save, a backup and a restore failing as Windows documents it:
// afterwards the file is whole, old or new, and no temporary file is left unless it holds the
// only copy of the content.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/win32/FileCalls.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowsSystem.h"
#include "support/FileErrors.h"
#include "support/TempDir.h"

namespace torvexa {
namespace {

namespace fs = std::filesystem;
using test::errorCodeOf;

constexpr const char* kOld = "1 ; old\r\n";
constexpr const char* kNew = "0 ; new\r\n";

BOOL failWith(DWORD code) {
    SetLastError(code);
    return FALSE;
}

class WindowsFaults : public ::testing::Test {
  protected:
    WindowsFaults() { test::writeBytes(config(), kOld); }
    fs::path config() const { return dir / "f1graphics.cfg"; }
    std::string configPath() const { return winsys::ansi(config().wstring()); }
    std::string content() const {
        return fs::exists(config()) ? test::readBytes(config()) : "(missing)";
    }
    // The temporary files left in the folder, with what they hold.
    std::vector<std::string> leftovers() const {
        std::vector<std::string> held;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            if (entry.path().filename().string().find(".torvexa-") != std::string::npos)
                held.push_back(test::readBytes(entry.path()));
        std::sort(held.begin(), held.end());
        return held;
    }
    int save(const winsys::FileCalls& with) {
        WindowsSystem system(with);
        return errorCodeOf([&] { system.writeFile(configPath(), kNew); });
    }

    test::TempDir dir;
    winsys::FileCalls calls;
};

TEST_F(WindowsFaults, EachCallOfASaveThatFailsLeavesTheOldFileAndNothingElse) {
    struct Case {
        const char* call;
        std::function<void(winsys::FileCalls&)> breakIt;
    };
    const std::vector<Case> cases = {
        {"CreateFileW",
         [](auto& c) {
             c.createFile = [](auto...) {
                 failWith(ERROR_DISK_FULL);
                 return INVALID_HANDLE_VALUE;
             };
         }},
        {"WriteFile",
         [](auto& c) { c.writeFile = [](auto...) { return failWith(ERROR_DISK_FULL); }; }},
        {"FlushFileBuffers",
         [](auto& c) { c.flushFileBuffers = [](auto...) { return failWith(ERROR_DISK_FULL); }; }},
        {"CloseHandle",
         [](auto& c) {
             c.closeHandle = [](HANDLE h) {
                 CloseHandle(h);
                 return failWith(ERROR_DISK_FULL);
             };
         }},
        {"ReplaceFileW (sharing)",
         [](auto& c) {
             c.replaceFile = [](auto...) { return failWith(ERROR_SHARING_VIOLATION); };
         }},
        {"ReplaceFileW (remove)",
         [](auto& c) {
             c.replaceFile = [](auto...) { return failWith(ERROR_UNABLE_TO_REMOVE_REPLACED); };
         }},
        {"ReplaceFileW (move)",
         [](auto& c) {
             c.replaceFile = [](auto...) { return failWith(ERROR_UNABLE_TO_MOVE_REPLACEMENT); };
         }},
    };
    for (const Case& c : cases) {
        test::writeBytes(config(), kOld);
        winsys::FileCalls broken;
        c.breakIt(broken);
        EXPECT_NE(save(broken), 0) << c.call << ": the failure was not reported";
        EXPECT_EQ(content(), kOld) << c.call;
        EXPECT_EQ(leftovers(), std::vector<std::string>()) << c.call;
    }
}

// The replace got half-way: the old file is gone from its name (moved to the backup name, or
// deleted, as without a backup name), the new content only in the temporary file.
TEST_F(WindowsFaults, AReplaceThatFailsHalfWayPutsTheNewContentInPlace) {
    for (const DWORD code :
         {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, ERROR_UNABLE_TO_MOVE_REPLACEMENT}) {
        test::writeBytes(config(), kOld);
        winsys::FileCalls halfWay;
        halfWay.replaceFile = [code](LPCWSTR target, LPCWSTR, LPCWSTR backup, DWORD, LPVOID,
                                     LPVOID) {
            if (code == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 && backup)
                MoveFileExW(target, backup, 0);
            else
                DeleteFileW(target);
            return failWith(code);
        };
        EXPECT_EQ(save(halfWay), 0) << code;
        EXPECT_EQ(content(), kNew) << code;
        EXPECT_EQ(leftovers(), std::vector<std::string>()) << code;
    }
}

TEST_F(WindowsFaults, WhenTheNewContentCannotMoveInTheOldComesBack) {
    calls.replaceFile = [](LPCWSTR target, LPCWSTR, LPCWSTR backup, DWORD, LPVOID, LPVOID) {
        MoveFileExW(target, backup, 0);
        return failWith(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
    };
    int moves = 0;
    calls.moveFile = [&moves](LPCWSTR from, LPCWSTR to, DWORD flags) {
        return ++moves == 1 ? failWith(ERROR_ACCESS_DENIED) : MoveFileExW(from, to, flags);
    };
    EXPECT_EQ(save(calls), ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
    EXPECT_EQ(content(), kOld);
    EXPECT_EQ(leftovers(), std::vector<std::string>());
}

TEST_F(WindowsFaults, WhenNothingCanMoveBothCopiesStayAndNoLaterSaveRemovesThem) {
    calls.replaceFile = [](LPCWSTR target, LPCWSTR, LPCWSTR backup, DWORD, LPVOID, LPVOID) {
        MoveFileExW(target, backup, 0);
        return failWith(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
    };
    calls.moveFile = [](auto...) { return failWith(ERROR_ACCESS_DENIED); };
    EXPECT_EQ(save(calls), ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
    EXPECT_EQ(content(), "(missing)");
    EXPECT_EQ(leftovers(), (std::vector<std::string>{kNew, kOld}));
}

TEST_F(WindowsFaults, ACopyWhoseReadingFailsLeavesTheTargetAsItWas) {
    test::writeBytes(dir / "f1graphics.cfg.backup", "backup\r\n");
    calls.readFile = [](auto...) { return failWith(ERROR_CRC); };
    WindowsSystem system(calls);
    EXPECT_EQ(errorCodeOf([&] {
                  system.copyFile(winsys::ansi((dir / "f1graphics.cfg.backup").wstring()),
                                  configPath());
              }),
              ERROR_CRC);
    EXPECT_EQ(content(), kOld);
    EXPECT_EQ(leftovers(), std::vector<std::string>());
}

}  // namespace
}  // namespace torvexa
