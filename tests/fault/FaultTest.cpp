// Saves, backups and restores while one call of the file system fails, injected with libfiu
// into the unmodified program (no root needed): at every call a save makes, with a full disk
// and with an I/O error, and with short writes. The old file stays byte for byte, the message
// is the right one, no temporary file is left, and the next save is complete.
#include <gtest/gtest.h>

#define FIU_ENABLE 1
#include <fiu-control.h>
#include <fiu.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>

#include "support/Scenario.h"

namespace torvexa {
namespace {

using test::Scenario;
namespace fs = std::filesystem;

struct Fault {
    const char* point;
    int error;
};

class Faults : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { fiu_init(0); }
    Faults() {
        s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
        s.installGame(Scenario::sampleConfig());
        s.start();
        s.user([&] { s.form1().Laden1.click(); });
        original = s.configBytes();
    }
    // Runs the action with the fault switched on, and only then.
    void underFault(const Fault& fault, const std::function<void()>& action) {
        s.dialogs.messages.clear();
        fiu_enable(fault.point, 1, reinterpret_cast<void*>(static_cast<std::intptr_t>(fault.error)),
                   0);
        action();
        fiu_disable(fault.point);
    }
    std::vector<std::string> temporaryFiles() const {
        return test::temporaryFilesIn(s.gameFolder());
    }
    // The one message the action showed.
    std::string message() const {
        return s.dialogs.messages.size() == 1 ? s.dialogs.messages.front().text : std::string();
    }

    Scenario s;
    std::string original;
};

const Fault kSaveFaults[] = {
    {"torvexa/mkstemp", ENOSPC},     {"torvexa/mkstemp", EIO},        {"torvexa/fchmod", ENOSPC},
    {"torvexa/fchmod", EIO},         {"posix/io/rw/write", ENOSPC},   {"posix/io/rw/write", EIO},
    {"posix/io/sync/fsync", ENOSPC}, {"posix/io/sync/fsync", EIO},    {"posix/io/oc/close", ENOSPC},
    {"posix/io/oc/close", EIO},      {"posix/io/dir/rename", ENOSPC}, {"posix/io/dir/rename", EIO},
};

std::string messageFor(int error) { return error == ENOSPC ? "I/O error 112." : "I/O error 1117."; }

TEST_F(Faults, ASaveThatFailsAtAnyCallLeavesTheOldFileAndSaysWhy) {
    s.form1().CheckBox2.setChecked(false);  // a change to save
    for (const Fault& fault : kSaveFaults) {
        SCOPED_TRACE(std::string(fault.point) + (fault.error == ENOSPC ? " ENOSPC" : " EIO"));
        underFault(fault, [&] { s.user([&] { s.form1().Sichern1.click(); }); });
        EXPECT_EQ(message(), messageFor(fault.error));
        EXPECT_EQ(s.configBytes(), original);
        EXPECT_TRUE(temporaryFiles().empty());
    }
    s.dialogs.messages.clear();
    s.user([&] { s.form1().Sichern1.click(); });
    EXPECT_TRUE(s.dialogs.messages.empty());
    EXPECT_EQ(s.configBytes(), s.form1().document().serialize());
    EXPECT_NE(s.configBytes(), original);
}

TEST_F(Faults, ShortWritesStillSaveTheWholeFile) {
    s.form1().CheckBox2.setChecked(false);
    underFault({"posix/io/rw/write/reduce", 0},
               [&] { s.user([&] { s.form1().Sichern1.click(); }); });
    EXPECT_TRUE(s.dialogs.messages.empty());
    EXPECT_EQ(s.configBytes(), s.form1().document().serialize());
}

TEST_F(Faults, ABackupOrRestoreThatFailsIsReportedAndLosesNothing) {
    s.user([&] { s.form1().Backupsichern1.click(); });
    const fs::path backup = s.gameFolder() / "f1graphics.cfg.backup";
    ASSERT_EQ(test::readBytes(backup), original);
    for (const Fault& fault : kSaveFaults) {
        SCOPED_TRACE(std::string(fault.point) + (fault.error == ENOSPC ? " ENOSPC" : " EIO"));
        test::writeBytes(s.configFile(), "changed\r\n");
        underFault(fault, [&] { s.user([&] { s.form1().Backupsichern1.click(); }); });
        EXPECT_EQ(message(), messageFor(fault.error));
        EXPECT_EQ(test::readBytes(backup), original);  // the old backup stays whole

        underFault(fault, [&] { s.user([&] { s.form1().Backupladen1.click(); }); });
        EXPECT_EQ(s.configBytes(), "changed\r\n");  // the failed restore left the file
        EXPECT_TRUE(temporaryFiles().empty());
        test::writeBytes(s.configFile(), original);
    }
    // Reading the file to copy fails: nothing is written at all.
    underFault({"posix/io/rw/read", EIO},
               [&] { s.user([&] { s.form1().Backupsichern1.click(); }); });
    EXPECT_EQ(message(), "I/O error 1117.");
    EXPECT_EQ(test::readBytes(backup), original);
}

}  // namespace
}  // namespace torvexa
