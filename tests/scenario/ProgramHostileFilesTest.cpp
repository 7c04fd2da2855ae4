#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/Scenario.h"

// The whole program meets files no one wrote on purpose, the way a person meets them: at
// start-up, by "Laden", "Sichern", the backup commands and the language button.
namespace torvexa {
namespace {

using test::craftedConfig;
using test::Scenario;
namespace fs = std::filesystem;

class ProgramHostileFiles : public ::testing::Test {
  protected:
    // A regression must fail, not hang the run.
    ProgramHostileFiles() { ::alarm(20); }
    ~ProgramHostileFiles() override { ::alarm(0); }

    TForm1& f() { return s.form1(); }
    void click(MenuItem& item) {
        s.user([&] { item.click(); });
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (const auto& m : s.dialogs.messages)
            all.push_back(m.text);
        return all;
    }
    static void fifo(const fs::path& path) {
        fs::remove(path);
        ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    }

    Scenario s;
};

TEST_F(ProgramHostileFiles, AFifoOrDeviceForTheLanguageFailsAtOnceAndTheWindowOpens) {
    fifo(s.workingFolder / "langopt.zel");
    s.start();
    EXPECT_TRUE(f().visible());
    ASSERT_FALSE(texts().empty());
    EXPECT_EQ(texts().front(), "File access denied.");

    Scenario remembered;
    const fs::path translation = remembered.workingFolder / "deutsch.zpr";
    fifo(translation);
    remembered.rememberLanguage(translation.string());
    remembered.start();
    EXPECT_TRUE(remembered.form1().visible());
    EXPECT_EQ(remembered.dialogs.messages.front().text, "File access denied.");

    Scenario zero;
    zero.rememberLanguage("/dev/zero");
    zero.start();
    EXPECT_EQ(zero.dialogs.messages.front().text, "File access denied.");
    EXPECT_EQ(zero.form1().catalogue().count(), 0);
}

TEST_F(ProgramHostileFiles, AFifoRegistryIsNoRegistryAndTheWindowOpens) {
    s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    fifo(s.machine.prefix.root() / "system.reg");
    s.start();
    EXPECT_TRUE(f().visible());
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(f().game().directory(), "");
}

TEST_F(ProgramHostileFiles, AConfigurationThatIsAFifoOrADeviceLinkIsNotLoaded) {
    s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    s.installGame(craftedConfig({}));
    fifo(s.configFile());
    s.start();
    click(f().Laden1);
    EXPECT_EQ(texts(), std::vector<std::string>{"File access denied."});
    EXPECT_FALSE(f().SpeedButton4.visible());

    fs::remove(s.configFile());
    fs::create_symlink("/dev/zero", s.configFile());
    click(f().Laden1);
    click(f().Backupsichern1);
    EXPECT_EQ(texts(), std::vector<std::string>(3, "File access denied."));
    EXPECT_FALSE(fs::exists(s.configFile().parent_path() / "f1graphics.cfg.backup"));
}

// Load, save, load, save: the file comes back as it was, apart from its line ends.
TEST_F(ProgramHostileFiles, NothingAfterTheEndMarkIsLost) {
    s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    std::string after = "\x1A";
    for (int i = 0; after.size() < (1 << 20); ++i)
        after += "junk line " + std::to_string(i) + "\r\n";
    const std::string original = Scenario::sampleConfig() + after;
    s.installGame(original);
    s.start();
    for (int round = 0; round < 2; ++round) {
        click(f().Laden1);
        click(f().Sichern1);
    }
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(s.configBytes(), original);
}

TEST_F(ProgramHostileFiles, ALineStartingWithALoneCarriageReturnSurvivesTwoSaves) {
    s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    const std::string sample = Scenario::sampleConfig();
    const std::string original = sample +
                                 "\r\x1A"
                                 "9 ; odd\r\n1 ; after it\r\n";
    s.installGame(original);
    s.start();
    for (int round = 0; round < 2; ++round) {
        click(f().Laden1);
        EXPECT_EQ(f().document().count(), 177);
        click(f().Sichern1);
    }
    EXPECT_EQ(s.configBytes(), original);
}

// The registry names the folder; ".." never leaves the drive, and no drive means C:.
TEST_F(ProgramHostileFiles, TheGameFolderNeverLiesOutsideTheDrive) {
    s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    s.installGame(craftedConfig({{0, "1"}}), "game2");
    fs::create_directories(s.machine.prefix.root() / "game2");  // outside every drive
    test::writeBytes(s.machine.prefix.root() / "game2" / "f1graphics.cfg", craftedConfig({}));
    s.machine.prefix.registerGame("C:\\game\\..\\..\\game2");
    s.start();
    click(f().Laden1);
    EXPECT_TRUE(f().CheckBox3.checked());  // drive C:'s file was loaded

    s.machine.prefix.registerGame("");
    test::writeBytes(s.machine.prefix.driveC() / "f1graphics.cfg", craftedConfig({{5, "1"}}));
    click(f().Laden1);
    EXPECT_TRUE(f().CheckBox2.checked());  // "\f1graphics.cfg" is on drive C:
    click(f().Sichern1);
    EXPECT_TRUE(texts().empty());
}

// A translation file that opens but cannot be read to its end leaves the catalogue whole.
TEST_F(ProgramHostileFiles, ATranslationFileFailingPartWayChangesNoCaption) {
    s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
    s.start();
    const std::string laden = f().Laden1.caption();
    const int entries = f().catalogue().count();
    s.dialogs.fileAnswers.push_back("/proc/self/mem");  // opens, then fails on reading
    s.user([&] { f().SpeedButton11.click(); });
    EXPECT_EQ(f().catalogue().count(), entries);
    EXPECT_EQ(f().Laden1.caption(), laden);
    EXPECT_TRUE(texts().empty());  // silent on the dialog path
    // and the remembered choice is replaced only by a file that was loaded whole
    EXPECT_EQ(s.langopt(), Scenario::shippedLanguage("deutsch.zpr") + "\r\n");

    s.rememberLanguage("/proc/self/mem");
    s.user([&] { f().initialiseLanguage(); });
    EXPECT_EQ(texts(), std::vector<std::string>{"I/O error 1117."});
    EXPECT_EQ(f().catalogue().count(), entries);
}

}  // namespace
}  // namespace torvexa
