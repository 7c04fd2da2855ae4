#include <gtest/gtest.h>

#include <map>

#include "support/Scenario.h"

namespace torvexa {
namespace {

using test::craftedConfig;
using test::Scenario;
namespace fs = std::filesystem;

class BackupAndPresets : public ::testing::Test {
  protected:
    BackupAndPresets() { s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr")); }
    TForm1& f() { return s.form1(); }
    TForm2& presets() { return s.program().form2(); }
    void click(MenuItem& item) {
        s.user([&] { item.click(); });
    }
    fs::path backupFile() const { return s.gameFolder() / "f1graphics.cfg.backup"; }
    std::string entry(int n) { return f().catalogue().entry(n); }
    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (const auto& m : s.dialogs.messages)
            all.push_back(m.text);
        return all;
    }
    void choosePreset(RadioButton& button) {
        click(f().f1graphicscfgoptimieren1);
        s.user([&] { button.click(); });
        s.user([&] { presets().SpeedButton1.click(); });
    }

    Scenario s;
};

TEST_F(BackupAndPresets, ABackupIsTheFileOnDiskAndThereIsOnlyOne) {
    s.installGame(craftedConfig({{5, "1"}}));
    s.start();
    click(f().Backupsichern1);
    EXPECT_EQ(test::readBytes(backupFile()), craftedConfig({{5, "1"}}));

    click(f().Laden1);
    f().CheckBox2.setChecked(false);  // unsaved: the next backup does not hold it
    test::writeBytes(s.configFile(), craftedConfig({{5, "1"}, {3, "1"}}));
    click(f().Backupsichern1);
    EXPECT_EQ(test::readBytes(backupFile()), craftedConfig({{5, "1"}, {3, "1"}}));
    EXPECT_EQ(
        std::distance(fs::directory_iterator(backupFile().parent_path()), fs::directory_iterator()),
        2);
    EXPECT_TRUE(s.dialogs.messages.empty());
}

TEST_F(BackupAndPresets, ABackupWithoutAFileIsReportedAndMakesNone) {
    s.installFolder("GP4");
    s.start();
    click(f().Backupsichern1);
    EXPECT_EQ(texts(), std::vector<std::string>{"File not found."});
    EXPECT_FALSE(fs::exists(backupFile()));
}

TEST_F(BackupAndPresets, RestoringWithoutABackupSaysSoAndLoadsAnyway) {
    s.installGame(craftedConfig({{0, "1"}}));
    s.start();
    fs::create_directory(backupFile());  // a folder of that name is no backup
    click(f().Backupladen1);
    EXPECT_EQ(texts(), std::vector<std::string>{entry(87)});
    EXPECT_EQ(s.dialogs.messages[0].title, "Error");
    EXPECT_TRUE(f().CheckBox3.checked());  // the load ran
    EXPECT_TRUE(f().SpeedButton4.visible());
}

TEST_F(BackupAndPresets, RestoringPutsTheBackupBackAndShowsIt) {
    s.installGame(craftedConfig({{5, "1"}}));
    s.start();
    click(f().Backupsichern1);
    click(f().Laden1);
    f().CheckBox2.setChecked(false);
    click(f().Sichern1);
    ASSERT_EQ(s.configBytes(), craftedConfig({{5, "0"}}));
    click(f().Backupladen1);
    EXPECT_EQ(s.configBytes(), test::readBytes(backupFile()));
    EXPECT_EQ(s.configBytes(), craftedConfig({{5, "1"}}));
    EXPECT_TRUE(f().CheckBox2.checked());
    EXPECT_TRUE(s.dialogs.messages.empty());
}

TEST_F(BackupAndPresets, PresetFourSavesItsNineValuesAndNothingElseChanges) {
    const std::string sample = Scenario::sampleConfig();
    s.installGame(sample);
    s.start();
    click(f().Laden1);
    f().document().putValue(100, "77");  // an unsaved change goes along
    choosePreset(presets().RadioButton4);

    EXPECT_EQ(texts(), std::vector<std::string>{entry(61)});
    EXPECT_EQ(s.dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_FALSE(presets().visible());
    ConfigDocument expected;
    expected.load(sample);
    const std::map<int, std::string> preset = {{1, "1024"}, {2, "768"}, {3, "1"},  {29, "1"},
                                               {34, "1"},   {43, "1"},  {25, "0"}, {26, "0"},
                                               {53, "3"},   {100, "77"}};
    for (const auto& [index, text] : preset)
        expected.putValue(index, text);
    EXPECT_EQ(s.configBytes(), expected.serialize());
    EXPECT_TRUE(f().CheckBox16.checked());  // the load shows the preset

    click(f().f1graphicscfgoptimieren1);
    EXPECT_TRUE(presets().RadioButton4.checked());
}

TEST_F(BackupAndPresets, APresetNeedsAChoiceAndALoadedFile) {
    const std::string file = craftedConfig({});
    s.installGame(file);
    s.start();
    click(f().f1graphicscfgoptimieren1);
    s.user([&] { presets().SpeedButton1.click(); });
    EXPECT_EQ(texts(), std::vector<std::string>{entry(70)});
    EXPECT_TRUE(presets().visible());

    s.dialogs.messages.clear();
    choosePreset(presets().RadioButton2);  // before any load
    EXPECT_EQ(texts(), std::vector<std::string>{"Unable to insert a line."});
    EXPECT_TRUE(presets().visible());
    EXPECT_EQ(s.configBytes(), file);

    s.user([&] { presets().SpeedButton2.click(); });  // "Abbrechen"
    EXPECT_FALSE(presets().visible());
    EXPECT_EQ(s.configBytes(), file);
    EXPECT_TRUE(presets().RadioButton2.checked());
}

TEST_F(BackupAndPresets, PresetThreeWritesAValueTheDropDownNeverWrites) {
    s.installGame(craftedConfig({{53, "3"}}));
    s.start();
    click(f().Laden1);
    choosePreset(presets().RadioButton3);
    EXPECT_EQ(f().document().value(53), "0");
    EXPECT_EQ(f().ComboBox3.text(), entry(16));
}

// A file without any write permission is write-protected, also for a user (root) whom the
// system would let write it: no save, preset or restore changes it, and each says so.
TEST_F(BackupAndPresets, AWriteProtectedFileIsNeverOverwritten) {
    const std::string file = craftedConfig({{5, "1"}});
    s.installGame(file);
    s.start();
    click(f().Backupsichern1);
    test::writeBytes(backupFile(), craftedConfig({}));
    fs::permissions(s.configFile(),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    click(f().Laden1);
    f().CheckBox2.setChecked(false);

    click(f().Sichern1);
    choosePreset(presets().RadioButton1);
    click(f().Backupladen1);
    EXPECT_EQ(texts(), std::vector<std::string>(3, "File access denied."));
    EXPECT_EQ(s.configBytes(), file);
    EXPECT_TRUE(f().CheckBox2.checked());  // the restore still loaded the file as it is
}

}  // namespace
}  // namespace torvexa
