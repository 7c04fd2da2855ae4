#include <gtest/gtest.h>

#include <chrono>

#include "common/TextLines.h"
#include "config/GameInstall.h"
#include "platform/posix/PosixSystem.h"
#include "support/Scenario.h"

// Paths of this machine are its own bytes: a home folder, a game manager's prefix or a
// translation file whose names hold letters outside ASCII work as any other.
namespace torvexa {
namespace {

using test::Scenario;
namespace fs = std::filesystem;

constexpr const char* kUmlautFolder = "Übersetzungen";

TEST(MachinePaths, ALangoptWrittenInWindows1252ByAnEarlierVersionIsStillFound) {
    Scenario s;
    const fs::path folder = s.workingFolder / kUmlautFolder;
    fs::create_directories(folder);
    fs::copy_file(Scenario::shippedLanguage("english.zpr"), folder / "english.zpr");
    const std::string windows1252 =
        "\xDC"
        "bersetzungen";  // "Übersetzungen" as it was written
    s.rememberLanguage((s.workingFolder / windows1252 / "english.zpr").string());
    Program& program = s.start();
    EXPECT_TRUE(program.running());
    EXPECT_EQ(s.form1().Laden1.caption(), "Load");
    EXPECT_TRUE(s.dialogs.messages.empty());
}

// A player's home under a name of their language, the game in a game manager's prefix there.
class HomeUnderAnyName : public ::testing::TestWithParam<const char*> {
  protected:
    HomeUnderAnyName() : home(root / GetParam()) {
        fs::create_directories(home / ".config/lutris/games");
        fs::create_directories(home / ".local/share");
        working = home / ".config/torvexa";
        fs::create_directories(working);
        test::writeBytes(working / "langopt.zel",
                         Scenario::shippedLanguage("deutsch.zpr") + "\r\n");
        previous = fs::current_path();
        fs::current_path(working);
    }
    ~HomeUnderAnyName() override { fs::current_path(previous); }

    // A prefix at `folder` registering the game in C:\Spiele\GP4, with the sample in it.
    void prefixWithGame(const fs::path& folder) {
        fs::create_directories(folder / "drive_c/Spiele/GP4");
        fs::create_directories(folder / "dosdevices");
        fs::create_directory_symlink("../drive_c", folder / "dosdevices/c:");
        test::writeBytes(folder / "drive_c/Spiele/GP4/f1graphics.cfg", Scenario::sampleConfig());
        test::writeBytes(
            folder / "system.reg",
            "WINE REGISTRY Version 2\n\n[Software\\\\Wow6432Node\\\\Infogrames\\\\Grand Prix "
            "4\\\\1.00\\\\Install Dir] 1\n\"Directory\"=\"C:\\\\Spiele\\\\GP4\"\n");
    }

    // Starts the whole program there, loads, ticks a setting and saves; returns the saved file.
    std::string loadChangeAndSave(const fs::path& prefix) {
        PosixSystem system(PrefixSearch(home, home / ".config", home / ".local/share"),
                           GameInstall::mark());
        test::ScriptedDialogs dialogs;
        Program program(system, dialogs, "torvexa");
        TForm1& f = program.form1();
        program.application().perform([&] { f.Laden1.click(); });
        EXPECT_EQ(system.prefix(), prefix);
        EXPECT_TRUE(fs::equivalent(f.ConfigPathLabel.caption(),
                                   prefix / "drive_c/Spiele/GP4/f1graphics.cfg"))
            << "the Info page names " << f.ConfigPathLabel.caption();
        EXPECT_TRUE(f.SpeedButton4.visible()) << "the page buttons did not appear";
        program.application().perform([&] { f.CheckBox15.setChecked(!f.CheckBox15.checked()); });
        program.application().perform([&] { f.Sichern1.click(); });
        EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text;
        return test::readBytes(prefix / "drive_c/Spiele/GP4/f1graphics.cfg");
    }

    // How many lines of the saved file differ from the sample's.
    static int changedLines(const std::string& saved) {
        const std::vector<std::string> a = splitTextLines(saved, 1000);
        const std::vector<std::string> b = splitTextLines(Scenario::sampleConfig(), 1000);
        int changed = a.size() == b.size() ? 0 : 1000;
        for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
            changed += a[i] != b[i];
        return changed;
    }

    test::TempDir root;
    fs::path home;
    fs::path working;
    fs::path previous;
};

TEST_P(HomeUnderAnyName, FindsLoadsAndSavesTheGameInALutrisPrefix) {
    const fs::path prefix = home / "Spiele für mich #1/gp4";  // "für"
    prefixWithGame(prefix);
    test::writeBytes(home / ".config/lutris/games/gp4.yml",
                     "game:\n  prefix: " + prefix.string() + "\n");
    EXPECT_EQ(changedLines(loadChangeAndSave(prefix)), 1);
}

TEST_P(HomeUnderAnyName, FindsLoadsAndSavesTheGameInABottle) {
    const fs::path prefix = home / ".local/share/bottles/bottles/Игры";
    prefixWithGame(prefix);
    EXPECT_EQ(changedLines(loadChangeAndSave(prefix)), 1);
}

TEST_P(HomeUnderAnyName, WithTheGameInTwoPrefixesTheInfoPageNamesTheOneInUse) {
    const fs::path bottle = home / ".local/share/bottles/bottles/Игры";
    const fs::path lutris = home / "Spiele für mich #1/gp4";
    prefixWithGame(bottle);
    prefixWithGame(lutris);
    test::writeBytes(home / ".config/lutris/games/gp4.yml",
                     "game:\n  prefix: " + lutris.string() + "\n");
    // The copy played last is the one taken.
    fs::last_write_time(bottle / "drive_c/Spiele/GP4/f1graphics.cfg",
                        fs::file_time_type::clock::now() + std::chrono::hours(1));
    PosixSystem system(PrefixSearch(home, home / ".config", home / ".local/share"),
                       GameInstall::mark());
    test::ScriptedDialogs dialogs;
    Program program(system, dialogs, "torvexa");
    const std::string shown = program.form1().ConfigPathLabel.caption();
    EXPECT_EQ(fs::path(shown),
              fs::canonical(system.prefix()) / "drive_c/Spiele/GP4/f1graphics.cfg");
    EXPECT_EQ(system.prefix(), bottle);
}

INSTANTIATE_TEST_SUITE_P(Names, HomeUnderAnyName,
                         ::testing::Values("jürgen", "Пётр", "太郎", "Anne Marie #2"));

}  // namespace
}  // namespace torvexa
