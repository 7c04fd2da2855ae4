#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "config/GameInstall.h"
#include "platform/posix/PosixSystem.h"
#include "support/TempDir.h"

// A player's home with the prefixes that game launchers make: the game is taken from the prefix
// whose registry names a folder holding its f1graphics.cfg, the one written last; the others are
// passed over, each with why.
namespace torvexa {
namespace {

namespace fs = std::filesystem;

constexpr const char* kKey = GameInstall::kRegistryKey;

class PrefixSearchTest : public ::testing::Test {
  protected:
    // A prefix at `folder` whose registry names `directory` (a folder of drive C:, made with
    // the game's file unless `withFile` is false), or registers no game.
    fs::path prefix(const fs::path& relative, const std::string& directory = "",
                    bool withFile = true) {
        const fs::path folder = home.path() / relative;
        fs::create_directories(folder / "drive_c");
        fs::create_directories(folder / "dosdevices");
        fs::create_directory_symlink("../drive_c", folder / "dosdevices/c:");
        std::string reg = "WINE REGISTRY Version 2\n\n[Software\\\\Wine] 1\n\"Version\"=\"8\"\n\n";
        if (!directory.empty()) {
            reg +=
                "[Software\\\\Wow6432Node\\\\Infogrames\\\\Grand Prix 4\\\\1.00\\\\Install Dir] 1\n"
                "\"Directory\"=\"C:\\\\" +
                directory + "\"\n";
            fs::create_directories(folder / "drive_c" / directory);
            if (withFile)
                test::writeBytes(folder / "drive_c" / directory / "f1graphics.cfg", "0\r\n");
        }
        test::writeBytes(folder / "system.reg", reg);
        return folder;
    }
    PrefixSearch search(const fs::path& winePrefix = {}) const {
        return PrefixSearch(home.path(), home / ".config", home / ".local/share", winePrefix);
    }
    // Where the game was found, and the folder it names.
    std::pair<fs::path, std::string> lookUp(const fs::path& winePrefix = {}) {
        PosixSystem system(search(winePrefix), GameInstall::mark());
        const RegistryValue value = system.readMachineValue(kKey, "Directory");
        passedOver = system.passedOver();
        return {system.prefix(), value.text};
    }

    test::TempDir home;
    std::vector<PassedOver> passedOver;
};

TEST_F(PrefixSearchTest, FindsTheGameInThePrefixOfEachLauncher) {
    const std::string flatpaks = ".var/app/";
    const std::vector<fs::path> kinds = {
        ".wine",
        "Games/grand-prix-4",
        "lutris-elsewhere/gp4",
        "lutris-flatpak-elsewhere/gp4",
        ".local/share/bottles/bottles/GP4",
        flatpaks + "com.usebottles.bottles/data/bottles/bottles/GP4",
        "Games/Heroic/Prefixes/default/Grand Prix 4",
        "Games/Heroic/Prefixes/Grand Prix 4",
        "Games/Heroic/Prefixes/GP4 Proton/pfx",
        "Faugus/grand-prix-4",
        ".config/faugus-launcher/prefixes/gp4",
        "Games/umu/umu-default",
        ".PlayOnLinux/wineprefix/GP4",
        ".steam/steam/steamapps/compatdata/12345/pfx",
        ".local/share/Steam/steamapps/compatdata/12345/pfx",
        flatpaks + "com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/2/pfx",
        flatpaks + "com.valvesoftware.Steam/data/Steam/steamapps/compatdata/2/pfx",
        "snap/steam/common/.local/share/Steam/steamapps/compatdata/3/pfx",
    };
    fs::create_directories(home / ".config/lutris/games");
    test::writeBytes(home / ".config/lutris/games/gp4.yml",
                     "game:\n  exe: x.exe\n  prefix: \"" +
                         (home / "lutris-elsewhere/gp4").string() + "\"\nsystem: {}\n");
    fs::create_directories(home / ".var/app/net.lutris.Lutris/data/lutris/games");
    test::writeBytes(home / ".var/app/net.lutris.Lutris/data/lutris/games/gp4.yml",
                     "game:\n  prefix: " + (home / "lutris-flatpak-elsewhere/gp4").string() + "\n");
    for (const fs::path& kind : kinds) {
        const fs::path found = prefix(kind, "GP4");
        EXPECT_EQ(lookUp(), std::make_pair(found, std::string("C:\\GP4"))) << kind;
        fs::remove_all(home.path() / *kind.begin());
    }
}

// Where launchers record prefixes of their own choosing, each named as the player knows it.
TEST_F(PrefixSearchTest, FindsTheGameWhereEachLaunchersRecordsSayAndNamesIt) {
    const auto write = [&](const std::string& file, const std::string& text) {
        fs::create_directories((home / file).parent_path());
        test::writeBytes(home / file, text);
    };
    const auto at = [&](const std::string& relative) { return (home / relative).string(); };
    struct Layout {
        std::string prefix;  // where the launcher put it
        std::string name;    // how Torvexa names it
        std::function<void()> records;
    };
    const std::vector<Layout> layouts = {
        {"elsewhere/heroic-gp4", "Heroic: Grand Prix 4",
         [&] {
             write(".config/heroic/GamesConfig/Ab12.json",
                   R"({"Ab12": {"winePrefix": ")" + at("elsewhere/heroic-gp4") + R"("}})");
             write(".config/heroic/sideload_apps/library.json",
                   R"({"games": [{"app_name": "Ab12", "title": "Grand Prix 4"}]})");
         }},
        {"elsewhere/heroic-proton/pfx", "Heroic: Cd34",
         [&] {
             write(".var/app/com.heroicgameslauncher.hgl/config/heroic/GamesConfig/Cd34.json",
                   R"({"Cd34": {"winePrefix": ")" + at("elsewhere/heroic-proton") + R"("}})");
         }},
        {"elsewhere/faugus-gp4", "Faugus: GP4",
         [&] {
             write(".config/faugus-launcher/games.json",
                   R"([{"title": "GP4", "prefix": ")" + at("elsewhere/faugus-gp4") + R"("}])");
         }},
        {"elsewhere/bottles/GP4", "Bottles: GP4",
         [&] {
             write(".local/share/bottles/data.yml",
                   "custom_bottles_path: " + at("elsewhere/bottles") + "\n");
         }},
        {"elsewhere/one-bottle", "Bottles: GP4",
         [&] {
             write(".local/share/bottles/bottles/GP4/placeholder.yml",
                   "Path: " + at("elsewhere/one-bottle") + "\n");
         }},
        {".steam/steam/steamapps/compatdata/3000000000/pfx", "Steam (Proton): Grand Prix 4",
         [&] {
             // Binary KeyValues: lists (0) of a text (1), a 32-bit number (2), a 64-bit one (7).
             using namespace std::string_literals;
             write(".steam/steam/userdata/4711/config/shortcuts.vdf",
                   "\0shortcuts\0\0000\0\2appid\0\x00\x5E\xD0\xB2\1AppName\0Grand Prix 4\0"s
                   "\7LastPlayTime\0\1\2\3\4\5\6\7\x08\0tags\0\x08\x08"
                   "\0001\0\2appid\0\1\0\0\0\1appname\0Other\0\x08\x08\x08"s);
         }},
        {"sdcard/SteamApps/compatdata/2387/pfx", "Steam (Proton): 2387",
         [&] {
             write(".var/app/com.valvesoftware.Steam/data/Steam/steamapps/libraryfolders.vdf",
                   "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + at("nowhere") +
                       "\"\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" + at("sdcard") +
                       "\" // the card\n\t\t\"apps\" { \"2387\" \"1\" }\n\t}\n}\n");
         }},
    };
    for (const Layout& layout : layouts) {
        layout.records();
        const fs::path found = prefix(layout.prefix, "GP4");
        EXPECT_EQ(lookUp(), std::make_pair(found, std::string("C:\\GP4"))) << layout.name;
        PosixSystem system(search(), GameInstall::mark());
        const std::vector<Installation> games = system.installations();
        ASSERT_EQ(games.size(), 1U) << layout.name;
        EXPECT_EQ(games[0].name, layout.name);
        for (const char* top : {"elsewhere", "sdcard", ".config", ".local", ".var", ".steam"})
            fs::remove_all(home / top);
    }
}

TEST_F(PrefixSearchTest, TheGameWrittenLastIsTakenAndAStalePrefixIsPassedOver) {
    prefix(".wine", "Deleted", false);  // the registry still names it; the folder has no file
    prefix("Games/a-first", "First");
    prefix(".PlayOnLinux/wineprefix/GP4", "Later");
    fs::last_write_time(home / ".PlayOnLinux/wineprefix/GP4/drive_c/Later/f1graphics.cfg",
                        fs::file_time_type::clock::now() + std::chrono::hours(1));
    EXPECT_EQ(lookUp().second, "C:\\Later");
    ASSERT_EQ(passedOver.size(), 1U);
    EXPECT_EQ(passedOver[0].prefix, home / ".wine");
    EXPECT_NE(passedOver[0].why.find("Deleted/f1graphics.cfg"), std::string::npos)
        << passedOver[0].why;
    fs::remove_all(home / ".PlayOnLinux");
    EXPECT_EQ(lookUp().second, "C:\\First");
    // With no copy of the file anywhere, the first prefix that names the game, so that "Laden"
    // says the file or folder is not there.
    fs::remove_all(home / "Games/a-first");
    EXPECT_EQ(lookUp(), std::make_pair(home / ".wine", std::string("C:\\Deleted")));
}

// Once in use, a copy stays in use, whichever copy the game writes later and even when its file
// is gone ("Laden" then says so), until another is used.
TEST_F(PrefixSearchTest, TheCopyInUseStaysUntilAnotherIsUsed) {
    const fs::path first = prefix("Games/a-first", "First");
    const fs::path later = prefix("Games/b-later", "Later");
    fs::last_write_time(first / "drive_c/First/f1graphics.cfg",
                        fs::file_time_type::clock::now() + std::chrono::hours(1));
    PosixSystem system(search(), GameInstall::mark());
    EXPECT_EQ(system.readMachineValue(kKey, "Directory").text, "C:\\First");
    fs::last_write_time(later / "drive_c/Later/f1graphics.cfg",
                        fs::file_time_type::clock::now() + std::chrono::hours(2));
    fs::remove(first / "drive_c/First/f1graphics.cfg");
    EXPECT_EQ(system.readMachineValue(kKey, "Directory").text, "C:\\First");
    EXPECT_FALSE(system.isFile("C:\\First\\f1graphics.cfg"));
    ASSERT_TRUE(system.use((later / "drive_c/Later/f1graphics.cfg").string()));
    EXPECT_EQ(system.readMachineValue(kKey, "Directory").text, "C:\\Later");
    EXPECT_EQ(system.inUse()->name, "Lutris: b-later");
    system.installations();  // a copy gone is no longer listed, and cannot be used
    EXPECT_FALSE(system.use((first / "drive_c/First/f1graphics.cfg").string()));
    EXPECT_EQ(system.readMachineValue(kKey, "Directory").text, "C:\\Later");
}

TEST_F(PrefixSearchTest, WinePrefixIsTakenAloneAndAProtonFolderMeansItsPrefix) {
    prefix("Games/a-first", "First");
    const fs::path steam = prefix(".steam/steam/steamapps/compatdata/1/pfx", "Steam");
    EXPECT_EQ(lookUp(steam).second, "C:\\Steam");
    EXPECT_EQ(lookUp(steam.parent_path()), std::make_pair(steam, std::string("C:\\Steam")));
    // Over a copy in a folder chosen by hand and written later.
    const fs::path folder = home / "Elsewhere";
    fs::create_directories(folder);
    test::writeBytes(folder / "f1graphics.cfg", "0\r\n");
    fs::last_write_time(folder / "f1graphics.cfg",
                        fs::file_time_type::clock::now() + std::chrono::hours(1));
    PosixSystem viaWinePrefix(search(steam), GameInstall::mark());
    ASSERT_TRUE(viaWinePrefix.addFolder(folder.string()));
    EXPECT_EQ(viaWinePrefix.inUse()->prefix, steam);
    // --game: the same, for this run, over any choice remembered.
    PosixSystem named(search(), GameInstall::mark());
    EXPECT_FALSE(named.namedForThisRun());
    ASSERT_TRUE(named.nameForThisRun(steam.parent_path()));
    EXPECT_TRUE(named.namedForThisRun());
    EXPECT_EQ(named.inUse()->name, "Wine: ~/.steam/steam/steamapps/compatdata/1");
    EXPECT_EQ(named.readMachineValue(kKey, "Directory").text, "C:\\Steam");
    EXPECT_FALSE(PosixSystem(search(), GameInstall::mark()).nameForThisRun(home / "Games"));
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
    const fs::path good = prefix("Games/zz", "GP4");
    EXPECT_EQ(lookUp(), std::make_pair(good, std::string("C:\\GP4")));
}

// A copy the player chose by its folder, outside any prefix: it joins the list once, and while
// it is in use the game's folder and files are its own.
TEST_F(PrefixSearchTest, AFolderChosenByHandIsACopyOfItsOwn) {
    const fs::path wine = prefix(".wine", "GP4");
    const fs::path folder = home / "GP4 Saison 2003";
    fs::create_directories(folder);
    test::writeBytes(folder / "f1graphics.cfg", "7\r\n");
    PosixSystem system(search(), GameInstall::mark());
    EXPECT_FALSE(system.addFolder(home.path().string()));  // no game file there
    const std::optional<Installation> added =
        system.addFolder((folder / "F1GRAPHICS.CFG").string());
    ASSERT_TRUE(added);
    EXPECT_EQ(added->name, "Folder: GP4 Saison 2003");
    EXPECT_EQ(added->shown, (folder / "f1graphics.cfg").string());
    system.addFolder(folder.string() + "/");
    system.addFolder((wine / "drive_c/GP4").string());  // the prefix's own copy: listed once
    const std::vector<Installation> all = system.installations();
    ASSERT_EQ(all.size(), 2U);
    EXPECT_EQ(all[0].name, "Wine: ~/.wine");
    ASSERT_TRUE(system.use(added->file));
    GameInstall game;
    game.lookUp(system);
    EXPECT_EQ(system.readFile(game.configPath()), "7\r\n");
    system.copyFile(game.configPath(), game.backupPath());
    EXPECT_TRUE(fs::is_regular_file(folder / "f1graphics.cfg.backup"));
    EXPECT_EQ(system.machinePath(game.configPath()), added->shown);
}

}  // namespace
}  // namespace torvexa
