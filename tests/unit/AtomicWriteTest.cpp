#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "common/Failure.h"
#include "config/ConfigDocument.h"
#include "platform/posix/SafeSave.h"
#include "support/TempDir.h"

namespace torvexa {
namespace {

namespace fs = std::filesystem;

std::size_t filesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(AtomicWrite, FollowsASymbolicLinkAndKeepsPermissionBits) {
    test::TempDir dir;
    fs::create_directory(dir / "real");
    test::writeBytes(dir / "real" / "f1graphics.cfg", "old");
    fs::permissions(dir / "real" / "f1graphics.cfg", fs::perms(0640));
    fs::create_symlink("real/f1graphics.cfg", dir / "link.cfg");

    writeFileAtomically(dir / "link.cfg", "new");

    EXPECT_TRUE(fs::is_symlink(dir / "link.cfg"));
    EXPECT_EQ(test::readBytes(dir / "real" / "f1graphics.cfg"), "new");
    EXPECT_EQ(fs::status(dir / "real" / "f1graphics.cfg").permissions(), fs::perms(0640));
    EXPECT_EQ(filesIn(dir / "real"), 1u);
}

TEST(AtomicWrite, CreatesAMissingFileWithTheUsualPermissions) {
    test::TempDir dir;
    const mode_t mask = ::umask(022);
    writeFileAtomically(dir / "new.cfg", "a\r\n");
    ::umask(mask);
    EXPECT_EQ(test::readBytes(dir / "new.cfg"), "a\r\n");
    EXPECT_EQ(fs::status(dir / "new.cfg").permissions(), fs::perms(0644));
}

// A full file system: the save fails with the disk-full code and the old file stays whole.
TEST(AtomicWrite, FullFileSystemLeavesTheOldFileWhole) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root";
    test::TempDir dir;
    const std::string old = "1  ; old\r\n";
    EXPECT_EXIT(
        {
            if (::unshare(CLONE_NEWNS) != 0 ||
                ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                ::mount("tmpfs", dir.path().c_str(), "tmpfs", 0, "size=64k") != 0) {
                _exit(2);
            }
            test::writeBytes(dir / "f1graphics.cfg", old);
            int code = 0;
            try {
                writeFileAtomically(dir / "f1graphics.cfg", std::string(200 * 1024, 'x'));
            } catch (const FileError& e) {
                code = e.code();
                if (std::string(e.what()) != "I/O error 112") _exit(3);
            }
            const bool whole = test::readBytes(dir / "f1graphics.cfg") == old;
            _exit(code == 112 && whole && filesIn(dir.path()) == 1 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// A save killed at any moment leaves either the old or the new file, never a part of one.
TEST(AtomicWrite, KilledSaveNeverLeavesAPartialFile) {
    test::TempDir dir;
    const fs::path target = dir / "f1graphics.cfg";
    ConfigDocument doc;
    std::string content;
    for (int i = 0; i < 40000; ++i)
        content += std::to_string(i % 7) + "  ; line " + std::to_string(i) + "\n";
    doc.load(content);
    const std::string oldFile = doc.serialize();
    doc.putValue(0, "9");
    const std::string newFile = doc.serialize();
    test::writeBytes(target, oldFile);

    std::mt19937 random(12345);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    int sawOld = 0;
    int sawNew = 0;
    for (int round = 0; round < 60; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                writeFileAtomically(target, newFile);
                writeFileAtomically(target, oldFile);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const std::string now = test::readBytes(target);
        ASSERT_TRUE(now == oldFile || now == newFile)
            << "round " << round << ": " << now.size() << " bytes";
        (now == oldFile ? sawOld : sawNew)++;
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            if (entry.path() != target) fs::remove(entry.path());  // a killed save's temporary file
        }
    }
    // The kills fall at random moments of the loop, so most rounds find a save that landed:
    // none would mean the saves never replace the file at all.
    EXPECT_GT(sawNew, 0) << "no save landed in 60 rounds (" << sawOld << " found the old file)";
}

}  // namespace
}  // namespace torvexa
