#include <gtest/gtest.h>

#include <map>

#include "support/Scenario.h"

namespace torvexa {
namespace {

using test::craftedConfig;
using test::Scenario;

// Replaces line `index` (0-based) of CR LF text.
std::string withLine(std::string text, int index, const std::string& line) {
    std::size_t begin = 0;
    for (int i = 0; i < index; ++i)
        begin = text.find("\r\n", begin) + 2;
    const std::size_t end = text.find("\r\n", begin);
    return text.replace(begin, end - begin, line);
}

class LoadSave : public ::testing::Test {
  protected:
    LoadSave() { s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr")); }
    void start() { s.start(); }
    TForm1& f() { return s.form1(); }
    std::string at(int index) { return f().document().value(index); }
    void load() {
        s.user([this] { f().Laden1.click(); });
    }
    void save() {
        s.user([this] { f().Sichern1.click(); });
    }
    bool pagesReachable() { return f().SpeedButton4.visible() && f().SpeedButton9.visible(); }

    Scenario s;
};

// The first pass ticks the line-27 box, whose handler writes 4; the second pass reads a fresh
// copy, where the box is already ticked and writes nothing, and the field shows the file's
// number as the up-down holds it ("02" as 2), which is what the line then holds.
TEST_F(LoadSave, Line27HoldsTheFilesNumberNotTheFourTheFirstPassWrote) {
    for (const std::string& number : {std::string("2"), std::string("02")}) {
        Scenario fresh;
        fresh.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
        fresh.installGame(craftedConfig({{27, number}}));
        fresh.start();
        fresh.user([&] { fresh.form1().Laden1.click(); });
        const TForm1& form = fresh.form1();
        EXPECT_TRUE(form.CheckBox20.checked()) << number;
        EXPECT_TRUE(form.UpDown1.enabled() && form.Edit3.enabled()) << number;
        EXPECT_EQ(form.Edit3.text(), "2") << number;
        EXPECT_EQ(fresh.form1().document().value(27), "2") << number;
        EXPECT_EQ(fresh.system.pauses, std::vector<int>{100});
        EXPECT_TRUE(fresh.dialogs.messages.empty());
    }
}

TEST_F(LoadSave, MirrorLineIsSavedAsOne) {
    s.installGame(craftedConfig({{43, "3"}}));
    start();
    load();
    EXPECT_TRUE(f().CheckBox4.checked());
    EXPECT_EQ(at(43), "1");
    save();
    EXPECT_EQ(s.configBytes(), withLine(craftedConfig({{43, "3"}}), 43, "1  ; line 43"));
}

TEST_F(LoadSave, TheTintIsCheckedAgainAfterTheVisorTookItAlong) {
    s.installGame(craftedConfig({{60, "0"}, {67, "1"}, {77, "0"}}));
    start();
    f().document().load(craftedConfig({}));  // a document in memory, as an earlier load left it
    f().CheckBox6.setChecked(true);
    f().CheckBox7.setChecked(true);
    load();
    EXPECT_FALSE(f().CheckBox6.checked());
    EXPECT_TRUE(f().CheckBox7.checked());
    EXPECT_FALSE(f().CheckBox7.enabled());
    EXPECT_TRUE(f().SpeedButton12.enabled());
    EXPECT_EQ(at(67) + at(77), "11");
}

TEST_F(LoadSave, LockedTintSlidersFollowTheFirstComponentEachPassMoves) {
    s.installGame(craftedConfig({{78, "30"}, {81, "40"}, {84, "50"}}));
    start();
    TForm3& tint = s.program().form3();
    tint.CheckBox1.setChecked(true);
    load();
    for (const TrackBar* slider : {&tint.TrackBar1, &tint.TrackBar2, &tint.TrackBar3}) {
        EXPECT_EQ(slider->position(), 40);
    }
    std::string lines;
    for (int i = 78; i <= 86; ++i)
        lines += at(i) + " ";
    EXPECT_EQ(lines, "40 140 140 40 140 140 40 140 140 ");
}

TEST_F(LoadSave, EachLoadLooksTheFolderUpAgainAndSavesThere) {
    s.installGame(craftedConfig({{5, "0"}}), "Alt");
    start();
    load();
    s.installGame(craftedConfig({{5, "1"}}), "Neu");  // the registry now names another folder
    load();
    EXPECT_TRUE(f().CheckBox2.checked());
    f().CheckBox2.setChecked(false);
    save();
    EXPECT_EQ(s.configBytes("Neu"), craftedConfig({{5, "0"}}));
    EXPECT_EQ(s.configBytes("Alt"), craftedConfig({{5, "0"}}));
}

TEST_F(LoadSave, AMissingFileIsReportedOnceAndThePagesStayUnreachable) {
    s.installFolder("GP4");
    start();
    load();
    EXPECT_EQ(s.dialogs.messages, (std::vector<test::ScriptedDialogs::Message>{
                                      {MessageIcon::Error, "torvexa", "File not found."}}));
    EXPECT_FALSE(pagesReachable());
    EXPECT_TRUE(s.system.pauses.empty());
    s.user([&] { f().Info1.click(); });  // the menu still works
    s.user([&] { f().f1graphicscfgoptimieren1.click(); });
    EXPECT_TRUE(s.program().form2().visible());
}

TEST_F(LoadSave, AFileTooShortStopsTheFirstPassAtIndex101) {
    s.installGame(craftedConfig({{1, "1024"}, {2, "768"}, {23, "2"}}, 100));
    start();
    load();
    ASSERT_EQ(s.dialogs.messages.size(), 1u);
    EXPECT_EQ(s.dialogs.messages[0].text, "List index out of bounds (101)");
    EXPECT_EQ(f().aufloesung.text(), "1024x768");
    EXPECT_EQ(f().ComboBox1.text(), "50%");
    EXPECT_FALSE(pagesReachable());
    EXPECT_TRUE(s.system.pauses.empty());  // no second pass
}

TEST_F(LoadSave, SavingChangesExactlyTheLineThatWasChanged) {
    const std::string sample = Scenario::sampleConfig();
    std::string lfOnly;
    for (const char c : sample) {
        if (c != '\r') lfOnly += c;
    }
    for (const std::string& file : {sample, lfOnly}) {
        Scenario run;
        run.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
        run.installGame(file);
        run.start();
        TForm1& form = run.form1();
        run.user([&] { form.Laden1.click(); });
        run.user([&] { form.SpeedButton4.click(); });
        ASSERT_TRUE(form.CheckBox2.checked());  // the sample plays in full screen
        run.user([&] { form.CheckBox2.click(); });
        run.user([&] { form.Sichern1.click(); });
        EXPECT_TRUE(run.dialogs.messages.empty());
        EXPECT_EQ(run.configBytes(), withLine(sample, 5, "0  ; 'Vollbildmodus' (1 = full screen)"));
    }
}

TEST_F(LoadSave, NothingIsSavedBeforeALoadOrAfterAFailedOne) {
    const std::string file = craftedConfig({});
    s.installGame(file);
    start();
    save();
    EXPECT_EQ(s.configBytes(), file);
    ASSERT_EQ(s.dialogs.messages.size(), 1u);
    EXPECT_EQ(s.dialogs.messages[0].title, "Error");
    EXPECT_NE(s.dialogs.messages[0].text.find("nichts gespeichert.\rNo f1graphics.cfg"),
              std::string::npos);

    load();
    s.installFolder("Leer");  // the next load finds no file
    load();
    save();
    EXPECT_FALSE(std::filesystem::exists(s.configFile("Leer")));
    EXPECT_EQ(s.configBytes(), file);
    EXPECT_EQ(s.dialogs.messages.size(), 3u);  // the box, the failed load, the box again
}

}  // namespace
}  // namespace torvexa
