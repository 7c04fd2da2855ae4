#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/posix/PosixSystem.h"
#include "support/TempDir.h"

// A player's home with the prefixes that game managers make: the game is looked up in the
// first that registers it, in a fixed order.
namespace torvexa {
namespace {

namespace fs = std::filesystem;

constexpr const char* kKey = "SOFTWARE\\Infogrames\\Grand Prix 4\\1.00\\Install Dir";

class PrefixSearchTest : public ::testing::Test {
  protected:
    // A prefix at `folder` whose registry names `directory`, or registers no game.
    fs::path prefix(const fs::path& relative, const std::string& directory = "") {
        const fs::path folder = home.path() / relative;
        fs::create_directories(folder / "drive_c");
        std::string reg = "WINE REGISTRY Version 2\n\n[Software\\\\Wine] 1\n\"Version\"=\"8\"\n\n";
        if (!directory.empty())
            reg +=
                "[Software\\\\Wow6432Node\\\\Infogrames\\\\Grand Prix 4\\\\1.00\\\\Install Dir] 1\n"
                "\"Directory\"=\"" +
                directory + "\"\n";
        test::writeBytes(folder / "system.reg", reg);
        return folder;
    }
    PrefixSearch search(const fs::path& winePrefix = {}) const {
        return PrefixSearch(home.path(), home / ".config", home / ".local/share", winePrefix);
    }
    // Where the game was found, and the folder it names.
    std::pair<fs::path, std::string> lookUp(const fs::path& winePrefix = {}) const {
        PosixSystem system(search(winePrefix));
        const RegistryValue value = system.readMachineValue(kKey, "Directory");
        return {system.prefix(), value.text};
    }

    test::TempDir home;
};

TEST_F(PrefixSearchTest, FindsTheGameInThePrefixOfEachGameManager) {
    const std::vector<fs::path> kinds = {
        ".wine",
        "Games/grand-prix-4",
        "lutris-elsewhere/gp4",
        ".local/share/bottles/bottles/GP4",
        ".var/app/com.usebottles.bottles/data/bottles/bottles/GP4",
        ".PlayOnLinux/wineprefix/GP4",
        ".steam/steam/steamapps/compatdata/12345/pfx",
        ".local/share/Steam/steamapps/compatdata/12345/pfx",
    };
    fs::create_directories(home / ".config/lutris/games");
    test::writeBytes(home / ".config/lutris/games/gp4.yml",
                     "game:\n  exe: x.exe\n  prefix: \"" +
                         (home / "lutris-elsewhere/gp4").string() + "\"\nsystem: {}\n");
    for (const fs::path& kind : kinds) {
        const fs::path found = prefix(kind, "C:\\\\GP4");
        EXPECT_EQ(lookUp(), std::make_pair(found, std::string("C:\\GP4"))) << kind;
        fs::remove_all(home.path() / *kind.begin());
    }
}

TEST_F(PrefixSearchTest, TheOrderDecidesAndPrefixesWithoutTheGameAreSkipped) {
    prefix(".wine");  // no game
    prefix("Games/a-first", "C:\\\\First");
    prefix(".PlayOnLinux/wineprefix/GP4", "C:\\\\Later");
    prefix(".steam/steam/steamapps/compatdata/1/pfx", "C:\\\\Steam");
    EXPECT_EQ(lookUp().second, "C:\\First");
    fs::remove_all(home / "Games/a-first");
    EXPECT_EQ(lookUp().second, "C:\\Later");
    EXPECT_EQ(lookUp(home / ".steam/steam/steamapps/compatdata/1/pfx").second, "C:\\Steam");
}

TEST_F(PrefixSearchTest, NoGameAnywhereFallsBackToTheDefaultAndBrokenPrefixesAreSkipped) {
    EXPECT_EQ(lookUp(), std::make_pair(home / ".wine", std::string()));
    const fs::path broken = prefix("Games/broken");
    fs::remove(broken / "system.reg");
    fs::create_directory(broken / "system.reg");  // cannot be read as a file
    const fs::path fifo = prefix("Games/fifo");
    fs::remove(fifo / "system.reg");
    ASSERT_EQ(::mkfifo((fifo / "system.reg").c_str(), 0644), 0);
    fs::create_directories(home / "Games/not-a-prefix");
    test::writeBytes(home / "Games/not-a-prefix/system.reg", "");  // no drive
    const fs::path good = prefix("Games/zz", "C:\\\\GP4");
    EXPECT_EQ(lookUp(), std::make_pair(good, std::string("C:\\GP4")));
}

}  // namespace
}  // namespace torvexa
