#include <gtest/gtest.h>

#include "support/Scenario.h"

namespace torvexa {
namespace {

using test::Scenario;

class ManualPage : public ::testing::Test {
  protected:
    ManualPage() {
        s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
        s.installGame(Scenario::sampleConfig());
        s.start();
        s.user([this] { f().Laden1.click(); });
        s.user([this] { f().SpeedButton9.click(); });
    }
    TForm1& f() { return s.form1(); }
    std::vector<int> selected() {
        return {f().ListBox5.itemIndex(), f().ListBox1.itemIndex(), f().ListBox4.itemIndex()};
    }
    std::vector<int> tops() {
        return {f().ListBox5.topIndex(), f().ListBox1.topIndex(), f().ListBox4.topIndex()};
    }

    Scenario s;
};

TEST_F(ManualPage, SelectingARowInAnyListSelectsItInAllThree) {
    ASSERT_EQ(f().ListBox1.items().size(), f().document().values().size());
    EXPECT_EQ(selected(), (std::vector<int>{-1, -1, -1}));

    s.user([&] { f().ListBox1.select(5); });
    EXPECT_EQ(selected(), (std::vector<int>{5, 5, 5}));
    EXPECT_EQ(f().edit1.text(), f().document().value(5));
    EXPECT_EQ(f().edit2.text(), f().document().comment(5));

    s.user([&] { f().edit1.type("stale"); });
    s.user([&] { f().ListBox4.select(5); });
    EXPECT_EQ(selected(), (std::vector<int>{5, 5, 5}));
    EXPECT_EQ(f().edit1.text(), f().document().value(5));

    // Chosen by its number, a line shows its own value: the apply writes nothing shown for
    // line 9 into it.
    s.user([&] { f().ListBox1.select(9); });
    const std::string line5 = f().document().value(5);
    ASSERT_NE(line5, f().document().value(9));
    s.user([&] { f().ListBox5.select(5); });
    EXPECT_EQ(selected(), (std::vector<int>{5, 5, 5}));
    EXPECT_EQ(f().edit1.text(), line5);
    EXPECT_EQ(f().edit2.text(), f().document().comment(5));
    s.user([&] { f().SpeedButton10.click(); });
    EXPECT_EQ(f().document().value(5), line5);
}

TEST_F(ManualPage, TheListsShowTheSameRowsWhereverTheSelectionIs) {
    const int last = static_cast<int>(f().ListBox1.items().size()) - 1;
    s.user([&] { f().ListBox4.scrollTo(last); });
    s.user([&] { f().ListBox4.select(last); });
    EXPECT_EQ(selected(), (std::vector<int>{last, last, last}));
    EXPECT_EQ(tops(), std::vector<int>(3, last - f().ListBox1.visibleRows() + 1));
    s.user([&] { f().ListBox5.scrollTo(0); });
    s.user([&] { f().ListBox5.select(3); });
    EXPECT_EQ(tops(), std::vector<int>(3, 0));
}

TEST_F(ManualPage, ApplyPutsTheTypedTextAsItStandsAndSavingWritesItBeforeTheTail) {
    s.user([&] { f().ListBox1.select(7); });
    s.user([&] { f().edit1.type("0"); });
    s.user([&] { f().SpeedButton10.click(); });
    EXPECT_EQ(f().document().value(7), "0");
    EXPECT_EQ(f().ListBox1.itemIndex(), 7);
    s.user([&] { f().ListBox1.select(8); });
    s.user([&] { f().edit1.type(" Gr\xFC\xDF "); });  // blanks and umlauts as typed
    s.user([&] { f().SpeedButton10.click(); });
    s.user([&] { f().edit2.type("a note nobody reads"); });
    s.user([&] { f().Sichern1.click(); });

    const ConfigDocument& doc = f().document();
    const std::string saved = s.configBytes();
    const std::string line7 = "0" + std::string(doc.tail(7)) + "\r\n";
    const std::string line8 = " Gr\xFC\xDF " + std::string(doc.tail(8)) + "\r\n";
    EXPECT_NE(saved.find(line7 + line8), std::string::npos);
    EXPECT_EQ(saved.find("a note nobody reads"), std::string::npos);
}

TEST_F(ManualPage, ABoundControlsWriteShowsAtOnceAndALoadClearsTheSelection) {
    s.user([&] { f().SpeedButton4.click(); });
    s.user([&] { f().CheckBox3.click(); });
    EXPECT_EQ(f().ListBox1.items()[0], f().CheckBox3.checked() ? "1" : "0");

    s.user([&] { f().SpeedButton9.click(); });
    s.user([&] { f().ListBox1.select(4); });
    s.user([&] { f().Laden1.click(); });
    EXPECT_EQ(selected(), (std::vector<int>{-1, -1, -1}));
    EXPECT_EQ(f().edit1.text(), f().document().value(4));  // the boxes keep their text
    const std::string before = f().document().serialize();
    s.user([&] { f().SpeedButton10.click(); });  // no row selected: nothing happens
    EXPECT_EQ(f().document().serialize(), before);
    EXPECT_TRUE(s.dialogs.messages.empty());
}

}  // namespace
}  // namespace torvexa
