#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "common/Failure.h"
#include "platform/posix/PosixSystem.h"
#include "support/FileErrors.h"
#include "support/TempDir.h"

namespace torvexa {
namespace {

namespace fs = std::filesystem;
using test::errorCodeOf;

class PosixSystemTest : public ::testing::Test {
  protected:
    test::WinePrefix prefix;
    PosixSystem system{prefix.root()};
};

TEST_F(PosixSystemTest, MapsWindowsPathsIntoThePrefix) {
    fs::create_directories(prefix.driveC() / "Spiele" / "GrandPrix4");
    test::writeBytes(prefix.driveC() / "Spiele" / "GrandPrix4" / "F1Graphics.CFG", "x");

    const fs::path c = prefix.root() / "dosdevices" / "c:";
    EXPECT_EQ(system.toPosixPath("C:\\Spiele\\GrandPrix4"), c / "Spiele" / "GrandPrix4");
    EXPECT_EQ(system.toPosixPath("c:/spiele\\\\GRANDPRIX4\\f1graphics.cfg"),
              c / "Spiele" / "GrandPrix4" / "F1Graphics.CFG");
    EXPECT_EQ(system.toPosixPath("C:\\Spiele\\Neu\\f1graphics.cfg"),
              c / "Spiele" / "Neu" / "f1graphics.cfg");
    EXPECT_EQ(system.toPosixPath("langopt.zel"), fs::path("langopt.zel"));
    EXPECT_EQ(system.readFile("C:\\SPIELE\\grandprix4\\\\f1graphics.cfg"), "x");
    EXPECT_EQ(
        system.readFile("Z:" + (prefix.driveC() / "Spiele/GrandPrix4/F1Graphics.CFG").string()),
        "x");
}

// "." and ".." resolve within the drive, as Wine resolves them; a path without a drive is on C:.
// A path of this machine (absolute, without a backslash), as the open dialog gives it, stays.
TEST_F(PosixSystemTest, WindowsPathsNeverLeaveTheirDrive) {
    const fs::path c = prefix.root() / "dosdevices" / "c:";
    EXPECT_EQ(system.toPosixPath("C:\\game\\..\\..\\game2"), c / "game2");
    EXPECT_EQ(system.toPosixPath("C:\\..\\..\\etc\\.\\passwd"), c / "etc" / "passwd");
    EXPECT_EQ(system.toPosixPath("c:\\a\\.\\b\\..\\f1graphics.cfg"), c / "a" / "f1graphics.cfg");
    EXPECT_EQ(system.toPosixPath("\\GP4"), c / "GP4");
    EXPECT_EQ(system.toPosixPath("\\f1graphics.cfg"), c / "f1graphics.cfg");
    EXPECT_EQ(system.toPosixPath("/etc\\f1graphics.cfg"), c / "etc" / "f1graphics.cfg");
    EXPECT_EQ(system.toPosixPath("\\..\\etc"), c / "etc");
    EXPECT_EQ(system.toPosixPath("Spiele\\..\\..\\GP4"), c / "GP4");  // relative: from C:'s root
    EXPECT_EQ(system.toPosixPath("Z:\\tmp\\..\\.."), prefix.root() / "dosdevices" / "z:");
    EXPECT_EQ(system.toPosixPath("/usr/share/torvexa/lang/deutsch.zpr"),
              fs::path("/usr/share/torvexa/lang/deutsch.zpr"));
}

TEST_F(PosixSystemTest, MapsNonAsciiNamesToUtf8) {
    fs::create_directories(prefix.driveC() / "Spielé");
    system.writeFile("C:\\Spiel\xC9\\f1graphics.cfg", "1 ; x\r\n");  // É matches é
    EXPECT_EQ(test::readBytes(prefix.driveC() / "Spielé" / "f1graphics.cfg"), "1 ; x\r\n");
}

TEST_F(PosixSystemTest, ReportsTheWindowsCodeOfEachFileFailure) {
    fs::create_directories(prefix.driveC() / "GP4" / "f1graphics.cfg");
    EXPECT_EQ(errorCodeOf([&] { system.readFile("C:\\GP4\\missing.cfg"); }), 2);
    EXPECT_EQ(errorCodeOf([&] { system.readFile("C:\\NoSuchFolder\\f1graphics.cfg"); }), 3);
    EXPECT_EQ(errorCodeOf([&] { system.writeFile("C:\\NoSuchFolder\\f1graphics.cfg", "x"); }), 3);
    EXPECT_EQ(errorCodeOf([&] { system.readFile("C:\\GP4\\f1graphics.cfg"); }), 5);
    EXPECT_EQ(errorCodeOf([&] { system.writeFile("C:\\GP4\\f1graphics.cfg", "x"); }), 5);
    EXPECT_FALSE(system.isFile("C:\\GP4\\f1graphics.cfg"));
    EXPECT_FALSE(system.isFile("C:\\GP4\\missing.cfg"));
}

// Root writes anywhere; drop the capabilities that let it, as an ordinary user has none.
void dropFileCapabilities() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0) _exit(90);
    for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        data[cap / 32].effective &= ~(1u << (cap % 32));
    }
    if (syscall(SYS_capset, &header, data) != 0) _exit(91);
}

TEST_F(PosixSystemTest, ReadOnlyFolderAndFileAreAccessDenied) {
    const fs::path folder = prefix.driveC() / "ReadOnly";
    fs::create_directories(folder);
    test::writeBytes(folder / "f1graphics.cfg", "old\r\n");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EXIT(
        {
            dropFileCapabilities();
            const int code =
                errorCodeOf([&] { system.writeFile("C:\\ReadOnly\\f1graphics.cfg", "new"); });
            const bool intact = test::readBytes(folder / "f1graphics.cfg") == "old\r\n";
            _exit(code == 5 && intact ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    fs::permissions(folder, fs::perms::owner_all);

    fs::permissions(folder / "f1graphics.cfg", fs::perms::owner_read);
    EXPECT_EXIT(
        {
            dropFileCapabilities();
            _exit(errorCodeOf([&] { system.writeFile("C:\\ReadOnly\\f1graphics.cfg", "new"); }) == 5
                      ? 0
                      : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(PosixSystemTest, CopiesWholeFilesAndDeletesQuietly) {
    fs::create_directories(prefix.driveC() / "GP4");
    test::writeBytes(prefix.driveC() / "GP4" / "f1graphics.cfg", "a\r\nb\r\n");
    system.copyFile("C:\\GP4\\f1graphics.cfg", "C:\\GP4\\f1graphics.cfg.backup");
    EXPECT_EQ(test::readBytes(prefix.driveC() / "GP4" / "f1graphics.cfg.backup"), "a\r\nb\r\n");
    EXPECT_TRUE(system.isFile("C:\\GP4\\f1graphics.cfg.backup"));
    EXPECT_EQ(errorCodeOf([&] { system.copyFile("C:\\GP4\\none", "C:\\GP4\\copy"); }), 2);
    EXPECT_FALSE(fs::exists(prefix.driveC() / "GP4" / "copy"));

    system.deleteFile("C:\\GP4\\f1graphics.cfg.backup");
    system.deleteFile("C:\\GP4\\f1graphics.cfg.backup");
    EXPECT_FALSE(fs::exists(prefix.driveC() / "GP4" / "f1graphics.cfg.backup"));
}

}  // namespace
}  // namespace torvexa
