#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <new>

#include "common/Failure.h"
#include "platform/posix/PosixSystem.h"
#include "support/FileErrors.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/Application.h"

// The POSIX system layer meets files no one wrote on purpose: a FIFO, a device, a link to a
// device, temporary files left by killed saves. Nothing may block, read without end or remove
// what is not ours.
namespace torvexa {
namespace {

namespace fs = std::filesystem;
using test::errorCodeOf;

class PosixSystemHostileFiles : public ::testing::Test {
  protected:
    // A regression must fail, not hang the run.
    PosixSystemHostileFiles() { ::alarm(20); }
    ~PosixSystemHostileFiles() override { ::alarm(0); }

    fs::path game() const { return prefix.driveC() / "GP4"; }

    test::WinePrefix prefix;
    PosixSystem system{prefix.root()};
};

TEST_F(PosixSystemHostileFiles, OnlyRegularFilesAreReadOrCopied) {
    fs::create_directories(game());
    ASSERT_EQ(::mkfifo((game() / "fifo").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", game() / "zero");
    EXPECT_EQ(errorCodeOf([&] { system.readFile("C:\\GP4\\fifo"); }), 5);
    EXPECT_EQ(errorCodeOf([&] { system.readFile("C:\\GP4\\zero"); }), 5);
    EXPECT_EQ(errorCodeOf([&] { system.readFile("/dev/zero"); }), 5);
    EXPECT_EQ(errorCodeOf([&] { system.copyFile("C:\\GP4\\fifo", "C:\\GP4\\copy"); }), 5);
    EXPECT_FALSE(fs::exists(game() / "copy"));
}

TEST_F(PosixSystemHostileFiles, ARegistryThatIsAFifoHoldsNoValue) {
    fs::remove(prefix.root() / "system.reg");
    ASSERT_EQ(::mkfifo((prefix.root() / "system.reg").c_str(), 0644), 0);
    EXPECT_EQ(system.readMachineValue("SOFTWARE\\Infogrames", "Directory").kind,
              RegistryValue::Kind::Missing);
}

TEST(OutOfMemory, IsReportedInTheUsersWordsNotTheLibrarys) {
    test::ScriptedDialogs dialogs;
    Application application(dialogs, "torvexa");
    application.perform([] { throw std::bad_alloc(); });
    application.perform([] { throw std::length_error("basic_string::_M_create"); });
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "Out of memory.");
    EXPECT_EQ(dialogs.messages[1].text.find("basic_string"), std::string::npos);
}

// The temporary file of a save that was killed is removed by the next save in its folder, but
// only when its writer no longer runs; nothing else is touched.
TEST_F(PosixSystemHostileFiles, TemporaryFilesOfDeadWritersAreRemoved) {
    fs::create_directories(game());
    const pid_t dead = ::fork();
    if (dead == 0) _exit(0);
    ::waitpid(dead, nullptr, 0);
    const pid_t alive = ::fork();
    if (alive == 0) {
        ::pause();
        _exit(0);
    }
    const std::string deadName = ".f1graphics.cfg.torvexa-" + std::to_string(dead) + "-a1B2c3";
    const std::string liveName = ".f1graphics.cfg.torvexa-" + std::to_string(alive) + "-Zz9yX8";
    const std::vector<std::string> others = {".f1graphics.cfg.a1B2c3", ".hidden",
                                             "f1graphics.cfg.torvexa-1-abcdef",
                                             ".x.torvexa-notapid-abcdef"};
    for (const std::string& name : others)
        test::writeBytes(game() / name, "keep");
    test::writeBytes(game() / deadName, "half a save");
    test::writeBytes(game() / liveName, "being written");

    system.writeFile("C:\\GP4\\f1graphics.cfg", "1 ; x\r\n");
    EXPECT_FALSE(fs::exists(game() / deadName));
    EXPECT_TRUE(fs::exists(game() / liveName));
    for (const std::string& name : others)
        EXPECT_TRUE(fs::exists(game() / name)) << name;

    system.copyFile("C:\\GP4\\f1graphics.cfg", "C:\\GP4\\f1graphics.cfg.backup");
    ::kill(alive, SIGKILL);
    ::waitpid(alive, nullptr, 0);
    system.copyFile("C:\\GP4\\f1graphics.cfg", "C:\\GP4\\f1graphics.cfg.backup");
    EXPECT_FALSE(fs::exists(game() / liveName));  // its writer has gone now
}

}  // namespace
}  // namespace torvexa
