// What a person types reaches the file only when the game can read it, a box never shows what
// the file does not hold, a failed preset leaves nothing behind, and the manual page's columns
// stay in step.
#include <gtest/gtest.h>

#include "common/TextLines.h"
#include "support/Scenario.h"

namespace torvexa {
namespace {

using test::craftedConfig;
using test::Scenario;
namespace fs = std::filesystem;

class TruthfulFields : public ::testing::Test {
  protected:
    TruthfulFields() { s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr")); }
    TForm1& f() { return s.form1(); }
    std::string at(int line) { return f().document().value(line); }
    void startWith(const std::map<int, std::string>& values) {
        s.installGame(craftedConfig(values));
        s.start();
        click(f().Laden1);
    }
    void click(MenuItem& item) {
        s.user([&] { item.click(); });
    }
    void page(SpeedButton& button) {
        s.user([&] { button.click(); });
    }
    void save() { click(f().Sichern1); }

    Scenario s;
};

TEST_F(TruthfulFields, TheNumberBoxTakesDigitsOnlyAndAnEmptyBoxWritesNothing) {
    startWith({{27, "7"}});
    page(f().SpeedButton4);
    ASSERT_EQ(f().Edit3.text(), "7");
    for (const char* refused : {"a", "-", "1a", "7-", "12abc", " 7", "7\r\n"}) {
        s.user([&] { f().Edit3.type(refused); });
        EXPECT_EQ(f().Edit3.text(), "7") << refused;
        EXPECT_EQ(at(27), "7") << refused;
    }
    s.user([&] { f().Edit3.type(""); });
    EXPECT_EQ(at(27), "7");  // until a number stands there
    s.user([&] { f().Edit3.type("35"); });
    EXPECT_EQ(at(27), "35");
    s.user([&] { f().UpDown1.up(); });
    EXPECT_EQ(at(27), "36");

    // Only what the field promises (1 to 100) and the game can hold is written; leaving the
    // field with another number gives the line back what it held when the person came, the
    // numbers typed on the way ("1" and "10" of "101") included. Unticked, the box still writes
    // its 0.
    const auto typeKeyByKey = [&](auto& field, const std::string& number) {
        s.user([&] { field.enter(); });
        for (std::size_t length = 1; length <= number.size(); ++length)
            s.user([&] { field.type(number.substr(0, length)); });
    };
    for (const char* outside : {"0", "101", "500", "2915", "99999999999999999999"}) {
        typeKeyByKey(f().Edit3, outside);
        s.user([&] { f().Edit3.leave(); });
        EXPECT_EQ(at(27), "36") << outside;
        EXPECT_EQ(f().Edit3.text(), "36") << "after leaving " << outside;
    }
    s.user([&] { f().Edit3.type("100"); });
    EXPECT_EQ(at(27), "100");
    page(f().SpeedButton5);
    for (const char* outside : {"2147483648", "99999999999999999999"}) {
        typeKeyByKey(f().ComboBox2, outside);
        s.user([&] { f().ComboBox2.leave(); });
        EXPECT_EQ(at(101), "0") << outside;
        EXPECT_EQ(f().ComboBox2.text(), "0") << "after leaving " << outside;
    }
    s.user([&] { f().ComboBox2.type("2147483647"); });
    EXPECT_EQ(at(101), "2147483647");
    save();
    EXPECT_EQ(s.configBytes(), craftedConfig({{27, "100"}, {101, "2147483647"}}));
    page(f().SpeedButton4);
    s.user([&] { f().CheckBox20.click(); });
    EXPECT_EQ(at(27), "0") << "the unticked box switches the line off";
}

TEST_F(TruthfulFields, NoTypedValueCarriesALineBreakOrAnEndMarkIntoTheFile) {
    startWith({{101, "500"}});
    page(f().SpeedButton9);
    s.user([&] { f().ListBox1.select(8); });
    for (const char* refused : {"1\r\n2", "1\n", "\r",
                                "1\x1A"
                                "2"}) {
        s.user([&] { f().edit1.type(refused); });
        EXPECT_EQ(f().edit1.text(), "0");
    }
    s.user([&] { f().SpeedButton10.click(); });
    page(f().SpeedButton4);
    s.user([&] { f().ComboBox3.type("Prozessor\r\n"); });
    page(f().SpeedButton5);
    s.user([&] { f().ComboBox2.type("5\n00"); });
    s.user([&] { f().aufloesung.type("1024x768\x1A"); });
    save();
    const std::string saved = s.configBytes();
    EXPECT_EQ(saved, craftedConfig({{101, "500"}}));
    EXPECT_EQ(splitTextLines(saved, 1000).size(), 170u);
}

TEST_F(TruthfulFields, TheResolutionBoxShowsTheFilesSizeItemOrNot) {
    const std::vector<std::pair<std::map<int, std::string>, std::string>> files = {
        {{{1, "1920"}, {2, "1080"}}, "1920x1080"}, {{{1, "640"}, {2, "480"}}, "640x480"},
        {{{1, "1024"}, {2, "768"}}, "1024x768"},   {{{1, "abc"}, {2, "600"}}, ""},
        {{{1, "800"}, {2, "600px"}}, ""},
    };
    startWith({});
    for (const auto& [values, shown] : files) {
        test::writeBytes(s.configFile(), craftedConfig(values));
        click(f().Laden1);
        EXPECT_EQ(f().aufloesung.text(), shown);
        EXPECT_EQ(at(1) + "|" + at(2), values.at(1) + "|" + values.at(2)) << "a load writes it";
    }
}

TEST_F(TruthfulFields, ATypedResolutionIsWrittenOnlyWhenTheGameCanTakeIt) {
    startWith({{1, "1920"}, {2, "1080"}});
    page(f().SpeedButton5);
    s.user([&] { f().aufloesung.type("2560X1440"); });
    EXPECT_EQ(at(1) + "x" + at(2), "2560x1440");
    save();
    EXPECT_EQ(s.configBytes(), craftedConfig({{1, "2560"}, {2, "1440"}}));

    for (const char* refused : {"big", "2560x", "100x100", "20000x1080", "x1080", "1920x1080x"}) {
        s.user([&] { f().aufloesung.type(refused); });
        EXPECT_EQ(at(1) + "x" + at(2), "2560x1440") << refused;
        EXPECT_EQ(f().aufloesung.text(), refused);
        s.user([&] { f().aufloesung.leave(); });
        EXPECT_EQ(f().aufloesung.text(), "2560x1440") << "after leaving " << refused;
    }
    save();
    EXPECT_EQ(s.configBytes(), craftedConfig({{1, "2560"}, {2, "1440"}}));
}

TEST_F(TruthfulFields, EveryEditableDropDownReturnsToTheFilesValueWhenLeft) {
    startWith({{23, "2"}, {101, "300"}});
    page(f().SpeedButton5);
    s.user([&] { f().ComboBox2.type("far"); });
    EXPECT_EQ(f().ComboBox2.text(), "300");
    s.user([&] { f().ComboBox1.type("abc"); });
    EXPECT_EQ(at(23), "2");
    s.user([&] { f().ComboBox1.leave(); });
    EXPECT_EQ(f().ComboBox1.text(), "50%");
    page(f().SpeedButton4);
    s.user([&] { f().ComboBox3.type("Grafik"); });
    s.user([&] { f().ComboBox3.leave(); });
    EXPECT_EQ(f().ComboBox3.text(), f().catalogue().entry(16));  // line 53 holds "0"
    save();
    EXPECT_EQ(s.configBytes(), craftedConfig({{23, "2"}, {101, "300"}}));
}

TEST_F(TruthfulFields, APresetThatCannotBeSavedLeavesNothingForALaterSave) {
    startWith({{5, "1"}});
    f().CheckBox2.setChecked(false);  // the person's own change, shown: it may be saved later
    fs::permissions(s.configFile(),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    click(f().f1graphicscfgoptimieren1);
    s.user([&] { s.program().form2().RadioButton4.click(); });
    s.user([&] { s.program().form2().SpeedButton1.click(); });
    ASSERT_EQ(s.dialogs.messages.size(), 1u);
    EXPECT_EQ(s.dialogs.messages[0].text, "File access denied.");
    EXPECT_EQ(at(1) + at(2) + at(25) + at(29) + at(53), "00000");

    fs::permissions(s.configFile(), fs::perms::owner_read | fs::perms::owner_write);
    save();
    EXPECT_TRUE(s.configBytes() == craftedConfig({})) << "only the person's own change is saved";
}

TEST_F(TruthfulFields, APresetOnAFileTooShortLeavesTheLinesItWroteAsTheyWere) {
    startWith({{1, "1152"}, {2, "864"}});
    test::writeBytes(s.configFile(), craftedConfig({{1, "1152"}, {2, "864"}}, 30));
    click(f().Laden1);  // stops at line 30's neighbours, but the file is read
    s.dialogs.messages.clear();
    click(f().f1graphicscfgoptimieren1);
    s.user([&] { s.program().form2().RadioButton4.click(); });
    s.user([&] { s.program().form2().SpeedButton1.click(); });
    ASSERT_EQ(s.dialogs.messages.size(), 1u);
    EXPECT_EQ(s.dialogs.messages[0].text, "Unable to insert a line.");
    EXPECT_EQ(at(1) + "x" + at(2) + " " + at(3) + at(25) + at(26) + at(29), "1152x864 0000");
    EXPECT_EQ(f().ListBox1.items()[1], "1152");
}

TEST_F(TruthfulFields, TheManualPagesListsScrollTogether) {
    startWith({});
    page(f().SpeedButton9);
    const auto tops = [&] {
        return std::vector<int>{f().ListBox5.topIndex(), f().ListBox1.topIndex(),
                                f().ListBox4.topIndex()};
    };
    s.user([&] { f().ListBox4.scrollTo(40); });
    EXPECT_EQ(tops(), std::vector<int>(3, 40));
    s.user([&] { f().ListBox1.scrollTo(6); });
    EXPECT_EQ(tops(), std::vector<int>(3, 6));
    s.user([&] { f().ListBox5.scrollTo(1000); });  // as far as the rows go
    EXPECT_EQ(tops(), std::vector<int>(3, 170 - f().ListBox5.visibleRows()));
    s.user([&] { f().ListBox1.select(20); });  // into view from row 6: the least scroll
    EXPECT_EQ(tops(), std::vector<int>(3, 20 - f().ListBox1.visibleRows() + 1));
}

TEST_F(TruthfulFields, TheInfoPageNamesTheFileOfEachLookUp) {
    s.installGame(craftedConfig({}), "Alt");
    s.start();
    const auto shown = [&](const char* folder) {
        const fs::path caption(f().ConfigPathLabel.caption());
        return caption.is_absolute() && fs::equivalent(caption, s.configFile(folder));
    };
    EXPECT_TRUE(shown("Alt")) << f().ConfigPathLabel.caption();
    s.installGame(craftedConfig({}), "Neu");
    click(f().Laden1);
    EXPECT_TRUE(shown("Neu")) << f().ConfigPathLabel.caption();
}

}  // namespace
}  // namespace torvexa
