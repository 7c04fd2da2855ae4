// The copies of the game a player has: chosen on the Info page or by their folder, remembered
// for the next start, and each edited only where it was loaded from.
#include <gtest/gtest.h>

#include <chrono>

#include "forms/Entries.h"
#include "support/Scenario.h"

namespace torvexa {
namespace {

using test::craftedConfig;
using test::Scenario;
namespace fs = std::filesystem;

class GameChoice : public ::testing::Test {
  protected:
    GameChoice() { s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr")); }
    TForm1& f() { return s.form1(); }
    // A copy of the game the registry does not know, in a folder of its own.
    std::string copyElsewhere(const std::string& folder, const std::string& content) {
        fs::create_directories(s.gameFolder(folder));
        test::writeBytes(s.configFile(folder), content);
        return s.configFile(folder).string();
    }
    void chooseFolder(const std::string& path) {
        s.dialogs.fileAnswers = {path};
        s.user([&] { f().Info1.click(); });
        s.user([&] { f().GameFolderButton.click(); });
    }
    std::string gameopt() const { return test::readBytes(s.workingFolder / "gameopt.zel"); }

    Scenario s;
};

TEST_F(GameChoice, ACopyChosenByItsFolderIsLoadedAndOnlyItIsSaved) {
    s.installGame(craftedConfig({{26, "1"}}));
    const std::string other = copyElsewhere("Saison 2003", craftedConfig({}));
    s.start();
    EXPECT_EQ(f().GameBox.items().size(), 1U);
    EXPECT_TRUE(f().GameBox.enabled());
    EXPECT_FALSE(f().NoGameLabel.visible());
    s.user([&] { f().Laden1.click(); });
    s.user([&] { f().SpeedButton6.click(); });
    s.user([&] { f().CheckBox10.click(); });  // unsaved, in the registry's copy

    chooseFolder(other);
    ASSERT_EQ(f().GameBox.items().size(), 2U);
    EXPECT_EQ(f().GameBox.text(), "Folder: Saison 2003");
    EXPECT_EQ(f().ConfigPathLabel.caption(), s.system.machinePath(f().game().configPath()));
    EXPECT_EQ(f().document().value(26), "0");  // its file, loaded
    s.user([&] { f().SpeedButton6.click(); });
    s.user([&] { f().CheckBox10.click(); });
    s.user([&] { f().Sichern1.click(); });
    s.user([&] { f().Backupsichern1.click(); });
    EXPECT_EQ(s.configBytes(), craftedConfig({{26, "1"}}));  // the copy left: as it was
    EXPECT_NE(s.configBytes("Saison 2003"), craftedConfig({}));
    EXPECT_EQ(s.configBytes("Saison 2003"), f().document().serialize());
    EXPECT_TRUE(fs::is_regular_file(s.gameFolder("Saison 2003") / "f1graphics.cfg.backup"));
    EXPECT_FALSE(fs::exists(s.gameFolder() / "f1graphics.cfg.backup"));
    EXPECT_TRUE(s.dialogs.messages.empty());

    // Back to the first: its own file again, the tick of before gone with the document.
    s.user([&] { f().Info1.click(); });
    s.user([&] { f().GameBox.pick(0); });
    EXPECT_EQ(f().document().value(26), "1");
    EXPECT_EQ(f().document().serialize(), craftedConfig({{26, "1"}}));
}

TEST_F(GameChoice, TheChoiceHoldsAtTheNextStartAndGivesWayWhenItsCopyIsGone) {
    s.installGame(craftedConfig({}));
    const std::string other = copyElsewhere("Clean", craftedConfig({{3, "1"}}));
    fs::last_write_time(other, fs::last_write_time(s.configFile()) - std::chrono::hours(1));
    s.start();
    chooseFolder(other);
    s.user([&] { f().GameBox.pick(0); });
    EXPECT_EQ(f().document().value(3), "0");
    s.user([&] { f().GameBox.pick(1); });
    EXPECT_EQ(gameopt().substr(gameopt().find("\r\n") + 2),
              s.gameFolder("Clean").string() + "\r\n");  // the folder, remembered once

    auto again = s.systemOfANewStart();
    Program second(*again, s.dialogs, "/usr/bin/torvexa");
    EXPECT_EQ(second.form1().GameBox.text(), "Folder: Clean");
    second.application().perform([&] { second.form1().Laden1.click(); });
    EXPECT_EQ(second.form1().document().value(3), "1");

    // Its file gone: the copy written last, which is the only one left.
    fs::remove(s.configFile("Clean"));
    auto third = s.systemOfANewStart();
    Program start3(*third, s.dialogs, "/usr/bin/torvexa");
    EXPECT_EQ(start3.form1().GameBox.items().size(), 1U);
    EXPECT_EQ(start3.form1().GameBox.itemIndex(), 0);
    EXPECT_TRUE(s.dialogs.messages.empty());
}

TEST_F(GameChoice, NoCopyFoundTheWindowSaysSoAndAFolderWithoutTheFileIsRefused) {
    s.start();
    EXPECT_TRUE(f().NoGameLabel.visible());
    EXPECT_FALSE(f().GameBox.enabled());
    EXPECT_EQ(f().NoGameLabel.caption(), "Kein Grand Prix 4 gefunden.");
    fs::create_directories(s.gameFolder("Empty"));
    chooseFolder(s.gameFolder("Empty").string());
    EXPECT_EQ(s.dialogs.messages.back().text, "File not found.");
    EXPECT_TRUE(f().NoGameLabel.visible());
    EXPECT_FALSE(fs::exists(s.workingFolder / "gameopt.zel"));

    chooseFolder(copyElsewhere("Found", craftedConfig({{3, "1"}})));
    EXPECT_FALSE(f().NoGameLabel.visible());
    EXPECT_TRUE(f().GameBox.enabled());
    EXPECT_EQ(f().document().value(3), "1");
    EXPECT_FALSE(s.dialogs.fileDialogs.back().startInLanguages);
}

// A translation file written before these captions were: complete all the same, the new
// captions German.
TEST_F(GameChoice, AnEarlierTranslationFileKeepsWorking) {
    std::string english = test::readBytes(Scenario::shippedLanguage("english.zpr"));
    for (int entry = entries::GameLabel; entry < entries::Count; ++entry)
        english.erase(english.rfind("\r\n", english.size() - 3) + 2);
    s.rememberLanguage(s.writeLanguage("earlier.zpr", english));
    s.start();
    EXPECT_TRUE(s.dialogs.messages.empty());
    EXPECT_EQ(f().Laden1.caption(), "Load");
    EXPECT_EQ(f().GameLabel.caption(), "Spiel:");
    EXPECT_EQ(f().catalogue().count(), entries::GameLabel);
}

}  // namespace
}  // namespace torvexa
