#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <variant>

#include "support/Scenario.h"

namespace torvexa {
namespace {

using test::craftedConfig;
using test::Scenario;
using test::ScriptedDialogs;

// The program in German with a document in memory, as a load leaves it.
class Bindings : public ::testing::Test {
  protected:
    Bindings() {
        s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
        s.start();
        for (const TForm1::Page& page : f().pages()) {
            if (page.button) page.button->setVisible(true);
        }
    }
    TForm1& f() { return s.form1(); }
    TForm3& tint() { return s.program().form3(); }
    ConfigDocument& doc() { return f().document(); }
    std::string at(int index) { return doc().value(index); }
    void load(const std::map<int, std::string>& values, int lines = 170) {
        doc().clear();
        doc().load(craftedConfig(values, lines));
    }
    void apply() {
        s.user([this] { f().showFileInControls(); });
    }
    void page(SpeedButton& button) {
        s.user([&] { button.click(); });
    }
    std::vector<std::string> informationTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : s.dialogs.messages) {
            if (m.icon == MessageIcon::Information) texts.push_back(m.text);
        }
        return texts;
    }
    std::string entry(int n) { return f().catalogue().entry(n); }

    Scenario s;
};

// A setting control left out of the table would be neither shown by a load nor written when
// changed; one in two rows would be shown twice.
TEST_F(Bindings, EverySettingControlOfThePagesIsInExactlyOneRowOfTheTable) {
    const auto rowsWith = [this](const Control& control) {
        int rows = 0;
        for (const Setting& row : f().settings().rows()) {
            const auto& parts = row.parts;
            if (row.control == &control ||
                std::find(parts.begin(), parts.end(), &control) != parts.end())
                ++rows;
        }
        return rows;
    };
    const auto isSetting = [](Control& control) {
        return dynamic_cast<CheckBox*>(&control) || dynamic_cast<ComboBox*>(&control) ||
               dynamic_cast<TrackBar*>(&control) || dynamic_cast<Edit*>(&control) ||
               dynamic_cast<UpDown*>(&control);
    };
    int onPages = 0;
    const std::function<void(Control&)> check = [&](Control& control) {
        if (isSetting(control)) {
            ++onPages;
            EXPECT_EQ(rowsWith(control), 1) << control.name();
        }
        for (Control* child : control.children())
            check(*child);
    };
    for (const TForm1::Page& page : f().pages()) {
        if (page.settings) check(*page.panel);
    }
    int inTable = 0;  // and every such control of the table is on a page
    for (const Setting& row : f().settings().rows()) {
        inTable += isSetting(*row.control);
        for (Control* part : row.parts)
            inTable += isSetting(*part);
    }
    EXPECT_EQ(onPages, inTable);
}

// What each row of the setting table writes, written apart from the table, line numbers as the
// game reads them: its lines, and what a person's change writes into each of them: a check box
// ticked then cleared, a drop-down each item in turn (a typed distance for the one that takes
// typing), a slider at its two ends. Rows whose named handlers write (no values here) have
// cases of their own below.
struct Expected {
    std::vector<int> lines;
    std::vector<std::string> writes;
};
const std::map<std::string, Expected> kExpected = {
    {"aufloesung", {{1, 2}, {}}},
    {"CheckBox3", {{0}, {"1", "0"}}},
    {"CheckBox1", {{3}, {"1", "0"}}},
    {"CheckBox2", {{5}, {"1", "0"}}},
    {"CheckBox18", {{26}, {"1", "0"}}},
    {"ComboBox1", {{23}, {"0", "2", "4", "8"}}},
    {"ComboBox2", {{101}, {"4000"}}},
    {"ComboBox3", {{53}, {}}},
    {"CheckBox5", {{50}, {"1", "0"}}},
    {"CheckBox4", {{43}, {"1", "0"}}},
    {"CheckBox6", {{60}, {"1", "0"}}},
    {"CheckBox7", {{67, 77}, {"1", "0"}}},
    {"CheckBox8", {{4}, {"1", "0"}}},
    {"TrackBar1", {{46}, {"1", "32"}}},
    {"SpeedButton12", {{78, 79, 80, 81, 82, 83, 84, 85, 86}, {}}},
    {"TrackBar3", {{30}, {"0", "8"}}},
    {"ComboBox4", {{51}, {"0", "1", "2"}}},
    {"ComboBox5", {{117}, {"0", "1"}}},
    {"ComboBox6", {{123}, {"0", "1", "2", "3"}}},
    {"CheckBox9", {{109}, {"1", "0"}}},
    {"CheckBox10", {{121}, {"1", "0"}}},
    {"CheckBox11", {{107}, {"1", "0"}}},
    {"CheckBox12", {{93, 94}, {"2", "0"}}},
    {"CheckBox13", {{102, 165}, {"1", "0"}}},
    {"CheckBox14", {{59}, {"1", "0"}}},
    {"CheckBox15", {{25}, {"0", "1"}}},
    {"CheckBox16", {{34}, {"1", "0"}}},
    {"CheckBox17", {{37}, {"1", "0"}}},
    {"CheckBox19", {{33}, {"1", "0"}}},
    {"CheckBox20", {{27}, {}}},
    {"TrackBar2", {{49}, {"0", "100"}}},
};

// A row bound to a wrong line, or writing a wrong value, fails here by its control's name; so
// does a row without an expectation, and an expectation without a row.
TEST_F(Bindings, EveryRowIsOnItsLinesAndEveryPlainRowWritesWhatIsExpected) {
    for (const TForm1::Page& page : f().pages()) {
        if (page.settings) page.panel->setVisible(true);
    }
    std::set<std::string> rows;
    for (const Setting& row : f().settings().rows()) {
        load({{43, "1"}, {60, "1"}});  // mirrors and visor on: the boxes that need them work
        apply();
        Control& control = *row.control;
        const auto expected = kExpected.find(control.name());
        if (expected == kExpected.end()) {
            ADD_FAILURE() << control.name() << ": a row with no expectation";
            continue;
        }
        rows.insert(control.name());
        EXPECT_EQ(linesOf(row.mapping), expected->second.lines) << control.name();
        const std::vector<std::string>& writes = expected->second.writes;
        for (std::size_t k = 0; k < writes.size(); ++k) {
            s.user([&] {
                if (auto* box = dynamic_cast<CheckBox*>(&control)) {
                    if (box->checked() != (k == 0)) box->click();
                } else if (auto* slider = dynamic_cast<TrackBar*>(&control)) {
                    slider->scroll(k == 0 ? slider->min() : slider->max());
                } else if (auto* list = dynamic_cast<ComboBox*>(&control)) {
                    if (list->style() == ComboBox::Style::Editable && writes.size() == 1)
                        list->type(writes[k]);
                    else
                        list->pick(static_cast<int>(k));
                }
            });
            for (const int line : expected->second.lines)
                EXPECT_EQ(at(line), writes[k]) << control.name() << ", change " << k;
        }
    }
    for (const auto& [name, expected] : kExpected)
        EXPECT_TRUE(rows.count(name)) << name << ": an expectation with no row";
}

// What a control shows, for telling a change of its value from one of its enabling.
std::string valueOf(const Control& control) {
    if (const auto* box = dynamic_cast<const CheckBox*>(&control))
        return box->checked() ? "ticked" : "clear";
    if (const auto* box = dynamic_cast<const ComboBox*>(&control)) return box->text();
    if (const auto* slider = dynamic_cast<const TrackBar*>(&control))
        return std::to_string(slider->position());
    return {};
}

TEST_F(Bindings, ALoadShowsEveryRowOfTheTableOnceInTheTablesOrder) {
    // A file in which every row's value differs from what the fresh window shows: each flag on,
    // each drop-down at its second item, every other line 5.
    std::map<int, std::string> values;
    for (const Setting& row : f().settings().rows()) {
        for (int line : linesOf(row.mapping)) {
            if (const auto* flag = std::get_if<setting::Flag>(&row.mapping))
                values[line] = flag->on;
            else if (const auto* items = std::get_if<setting::ItemValues>(&row.mapping))
                values[line] = items->values[1];
            else if (std::holds_alternative<setting::ItemPosition>(row.mapping))
                values[line] = "1";
            else
                values[line] = "5";
        }
    }
    load(values);
    // The tint row shows the tint dialog's sliders.
    const auto shownBy = [this](const Setting& row) -> const Control& {
        return row.control == &f().SpeedButton12 ? tint().TrackBar1 : *row.control;
    };
    std::vector<std::string> expected;
    std::vector<std::string> shown;
    std::map<const Control*, std::string> last;
    for (const Setting& row : f().settings().rows()) {
        const Control& control = shownBy(row);
        expected.push_back(row.control->name());
        last[&control] = valueOf(control);
        const_cast<Control&>(control).setObserver(
            [&, c = &control, name = row.control->name()](const Change&) {
                if (valueOf(*c) == last[c]) return;
                last[c] = valueOf(*c);
                shown.push_back(name);
            });
    }
    apply();
    EXPECT_EQ(shown, expected);
}

TEST_F(Bindings, CheckBoxesWriteTheirLinesWhenAPersonClicksThem) {
    load({});
    page(f().SpeedButton4);
    const std::vector<std::pair<CheckBox*, int>> allgemein = {
        {&f().CheckBox3, 0}, {&f().CheckBox1, 3},   {&f().CheckBox2, 5},
        {&f().CheckBox8, 4}, {&f().CheckBox18, 26}, {&f().CheckBox19, 33}};
    for (const auto& [box, index] : allgemein) {
        s.user([box = box] { box->click(); });
        EXPECT_EQ(at(index), "1") << box->name();
        s.user([box = box] { box->click(); });
        EXPECT_EQ(at(index), "0") << box->name();
    }
    s.user([&] { f().CheckBox12.click(); });
    EXPECT_EQ(at(93) + at(94), "22");
    s.user([&] { f().CheckBox12.click(); });
    EXPECT_EQ(at(93) + at(94), "00");

    page(f().SpeedButton5);
    s.user([&] { f().CheckBox15.click(); });
    EXPECT_EQ(at(25), "0");  // inverted
    s.user([&] { f().CheckBox15.click(); });
    EXPECT_EQ(at(25), "1");
    for (const auto& [box, index] :
         {std::pair{&f().CheckBox16, 34}, std::pair{&f().CheckBox17, 37}}) {
        s.user([box = box] { box->click(); });
        EXPECT_EQ(at(index), "1") << box->name();
    }

    page(f().SpeedButton6);
    for (const auto& [box, index] :
         {std::pair{&f().CheckBox9, 109}, std::pair{&f().CheckBox10, 121},
          std::pair{&f().CheckBox11, 107}, std::pair{&f().CheckBox14, 59}}) {
        s.user([box = box] { box->click(); });
        EXPECT_EQ(at(index), "1") << box->name();
    }
    s.user([&] { f().CheckBox13.click(); });
    EXPECT_EQ(at(102) + at(165), "11");
    EXPECT_TRUE(s.dialogs.messages.empty());
}

TEST_F(Bindings, EveryCheckBoxReadsAndWritesItsOwnLinesOnly) {
    // Written from what the game's file means to each box, not from the program's tables.
    struct Case {
        CheckBox* box;
        std::vector<int> lines;
        std::string on;
        std::string off;
    };
    const std::vector<Case> cases = {
        {&f().CheckBox3, {0}, "1", "0"},       {&f().CheckBox1, {3}, "1", "0"},
        {&f().CheckBox2, {5}, "1", "0"},       {&f().CheckBox8, {4}, "1", "0"},
        {&f().CheckBox12, {93, 94}, "2", "0"}, {&f().CheckBox18, {26}, "1", "0"},
        {&f().CheckBox19, {33}, "1", "0"},     {&f().CheckBox15, {25}, "0", "1"},
        {&f().CheckBox16, {34}, "1", "0"},     {&f().CheckBox17, {37}, "1", "0"},
        {&f().CheckBox4, {43}, "1", "0"},      {&f().CheckBox5, {50}, "1", "0"},
        {&f().CheckBox6, {60}, "1", "0"},      {&f().CheckBox7, {67, 77}, "1", "0"},
        {&f().CheckBox9, {109}, "1", "0"},     {&f().CheckBox10, {121}, "1", "0"},
        {&f().CheckBox11, {107}, "1", "0"},    {&f().CheckBox13, {102, 165}, "1", "0"},
        {&f().CheckBox14, {59}, "1", "0"},
    };
    // A box added later fails here until its meaning is written above.
    std::set<const Control*> listed;
    for (const Case& c : cases)
        listed.insert(c.box);
    std::map<const Control*, SpeedButton*> pageButtons;
    for (const TForm1::Page& page : f().pages()) {
        if (!page.settings) continue;
        pageButtons[page.panel] = page.button;
        for (const Control* control : page.panel->children()) {
            const bool box = dynamic_cast<const CheckBox*>(control) && control != &f().CheckBox20;
            if (box) {
                EXPECT_TRUE(listed.count(control)) << control->name() << " has no case";
            }
        }
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box->name());
        page(*pageButtons.at(c.box->parent()));
        // Every line of the file holds a value no box reads as on; only this box's first line
        // and what it needs to be usable (mirrors and visor on) say on.
        std::map<int, std::string> values;
        for (int line = 0; line < 170; ++line)
            values[line] = "9";
        values[27] = "0";
        values[43] = "1";
        values[60] = "1";
        values[c.lines.front()] = c.on;
        f().uncheckBeforeReading();  // as a load does: before the file is read
        load(values, 170);
        apply();
        EXPECT_TRUE(c.box->checked());
        for (const Case& other : cases) {
            const bool needed = other.box == &f().CheckBox4 || other.box == &f().CheckBox6;
            if (other.box == c.box || needed) continue;
            EXPECT_FALSE(other.box->checked()) << other.box->name() << " also ticked";
        }
        ASSERT_TRUE(c.box->reachable());
        const std::string before = doc().serialize();
        s.user([&] { c.box->click(); });
        for (int line : c.lines)
            EXPECT_EQ(at(line), c.off) << "line " << line;
        s.user([&] { c.box->click(); });
        for (int line : c.lines)
            EXPECT_EQ(at(line), c.on) << "line " << line;
        // Nothing but its own lines changed.
        ConfigDocument expected;
        expected.load(before);
        for (int line : c.lines)
            expected.putValue(line, c.on);
        EXPECT_EQ(doc().serialize(), expected.serialize());
    }
}

TEST_F(Bindings, TheMirrorAndVisorBoxesEnableTheirDependants) {
    load({{50, "1"}});
    page(f().SpeedButton6);
    s.user([&] { f().CheckBox4.click(); });
    EXPECT_TRUE(f().CheckBox5.enabled());
    EXPECT_EQ(at(43), "1");
    s.user([&] { f().CheckBox5.click(); });
    EXPECT_EQ(at(50), "1");
    s.user([&] { f().CheckBox4.click(); });  // CheckBox5 stays checked, but disabled
    EXPECT_TRUE(f().CheckBox5.checked());
    EXPECT_FALSE(f().CheckBox5.enabled());
    EXPECT_EQ(at(43) + at(50), "01");

    s.user([&] { f().CheckBox6.click(); });
    EXPECT_EQ(at(60), "1");
    s.user([&] { f().CheckBox7.click(); });
    EXPECT_EQ(at(67) + at(77), "11");
    EXPECT_TRUE(f().SpeedButton12.enabled());
    s.user([&] { f().CheckBox6.click(); });  // unchecking the visor takes the tint with it
    EXPECT_EQ(at(60), "0");
    EXPECT_FALSE(f().CheckBox7.enabled());
    EXPECT_FALSE(f().CheckBox7.checked());
    EXPECT_EQ(at(67) + at(77), "00");
    EXPECT_FALSE(f().SpeedButton12.enabled());
}

TEST_F(Bindings, TheUpDownBoxSetsLine27ThroughItsEditField) {
    load({});
    page(f().SpeedButton4);
    s.user([&] { f().CheckBox20.click(); });
    EXPECT_TRUE(f().UpDown1.enabled());
    EXPECT_TRUE(f().Edit3.enabled());
    EXPECT_EQ(f().Edit3.text(), "4");
    EXPECT_EQ(f().UpDown1.position(), 4);
    EXPECT_EQ(at(27), "4");

    s.user([&] { f().UpDown1.up(); });
    EXPECT_EQ(at(27), "5");
    s.user([&] { f().Edit3.type("12"); });
    EXPECT_EQ(at(27), "12");

    s.user([&] { f().CheckBox20.click(); });
    EXPECT_EQ(informationTexts(), std::vector<std::string>{entry(76)});
    EXPECT_FALSE(f().UpDown1.enabled());
    EXPECT_FALSE(f().Edit3.enabled());
    EXPECT_EQ(f().Edit3.text(), "0");
    EXPECT_EQ(at(27), "0");

    s.user([&] { f().Button1.click(); });
    s.user([&] { f().Button2.click(); });
    EXPECT_EQ(informationTexts(), (std::vector<std::string>{entry(76), entry(76), entry(77)}));

    load({}, 20);  // line 27 does not exist: Edit3 swallows the failed write
    s.user([&] { f().CheckBox20.click(); });
    EXPECT_EQ(f().Edit3.text(), "4");
    EXPECT_EQ(s.dialogs.messages.size(), 3u);
}

TEST_F(Bindings, DropDownsWriteOnAPersonsPickOrExactTyping) {
    load({});
    page(f().SpeedButton5);
    std::string typed;
    std::vector<std::string> widths;
    for (const char c : std::string("1024x768x")) {
        typed += c;
        s.user([&] { f().aufloesung.type(typed); });
        widths.push_back(at(1) + "/" + at(2));
    }
    EXPECT_EQ(widths, (std::vector<std::string>{"0/0", "0/0", "0/0", "0/0", "0/0", "0/0", "0/0",
                                                "1024/768", "1024/768"}));
    typed.clear();
    std::vector<std::string> distances;
    for (const char c : std::string("250")) {
        typed += c;
        s.user([&] { f().ComboBox2.type(typed); });
        distances.push_back(at(101));
    }
    EXPECT_EQ(distances, (std::vector<std::string>{"2", "25", "250"}));
    s.user([&] { f().ComboBox1.pick(3); });
    EXPECT_EQ(at(23), "8");
    s.user([&] { f().ComboBox1.pick(1); });
    EXPECT_EQ(at(23), "2");

    page(f().SpeedButton4);
    const std::vector<std::pair<int, std::string>> reflections = {{1, "3"}, {0, "2"}, {2, "4"}};
    for (const auto& [item, expected] : reflections) {
        s.user([&, item = item] { f().ComboBox3.pick(item); });
        EXPECT_EQ(at(53), expected) << "item " << item;
    }
    s.user([&] { f().ComboBox3.type("Grafik"); });
    EXPECT_EQ(at(53), "4");

    page(f().SpeedButton6);
    s.user([&] { f().ComboBox4.pick(2); });
    s.user([&] { f().ComboBox5.pick(1); });
    s.user([&] { f().ComboBox6.pick(3); });
    EXPECT_EQ(at(51) + at(117) + at(123), "213");
}

TEST_F(Bindings, SlidersWriteTheirPositionAndShowIt) {
    load({});
    page(f().SpeedButton6);
    s.user([&] { f().TrackBar1.scroll(16); });
    EXPECT_EQ(at(46), "16");
    EXPECT_EQ(f().Label15.caption(), "16");
    s.user([&] { f().TrackBar2.scroll(40); });
    EXPECT_EQ(at(49), "40");
    EXPECT_EQ(f().Label36.caption(), "40%");
    page(f().SpeedButton5);
    s.user([&] { f().TrackBar3.scroll(3); });
    EXPECT_EQ(f().Label39.caption(), "3");
    s.user([&] { f().TrackBar3.scroll(0); });
    EXPECT_EQ(at(30), "0");
    EXPECT_EQ(f().Label39.caption(), entry(86));
}

TEST_F(Bindings, ShowingAFileFollowsTheValuesAndTheirCascades) {
    load({{43, "2"},
          {46, "0"},
          {51, "7"},
          {23, "16"},
          {1, "640"},
          {2, "480"},
          {53, "5"},
          {27, "2"},
          {25, "1"},
          {93, "2"}});
    f().aufloesung.setText("1152x864");
    f().ComboBox1.setText("50%");
    apply();
    EXPECT_TRUE(s.dialogs.messages.empty());
    EXPECT_TRUE(f().CheckBox4.checked());
    EXPECT_TRUE(f().CheckBox5.enabled());
    EXPECT_EQ(at(43), "1");
    EXPECT_EQ(f().TrackBar1.position(), 1);  // clamped; the slider did not move
    EXPECT_EQ(at(46), "0");
    EXPECT_EQ(f().Label15.caption(), "");
    EXPECT_EQ(f().ComboBox4.itemIndex(), -1);
    EXPECT_EQ(at(51), "7");
    EXPECT_EQ(f().ComboBox1.text(), "");  // no item stands for 16
    EXPECT_EQ(at(23), "16");
    EXPECT_EQ(f().aufloesung.text(), "640x480");  // the file's size, though no item
    EXPECT_EQ(at(1) + at(2), "640480");
    EXPECT_EQ(f().ComboBox3.text(), entry(16));
    EXPECT_EQ(at(53), "5");
    EXPECT_TRUE(f().CheckBox12.checked());
    EXPECT_EQ(at(94), "2");
    EXPECT_FALSE(f().CheckBox15.checked());
    // CheckBox20 turning on overwrites the file's number: the load's second pass mends it.
    EXPECT_TRUE(f().CheckBox20.checked());
    EXPECT_EQ(f().Edit3.text(), "4");
    EXPECT_EQ(at(27), "4");

    load({{43, "0"},
          {50, "1"},
          {51, "-1"},
          {53, "2"},
          {1, "1024"},
          {2, "768"},
          {23, "8"},
          {101, ""}});
    f().uncheckBeforeReading();
    apply();
    EXPECT_TRUE(f().CheckBox5.checked());
    EXPECT_FALSE(f().CheckBox5.enabled());
    EXPECT_EQ(f().ComboBox4.itemIndex(), -1);
    EXPECT_EQ(f().ComboBox3.text(), entry(16));
    EXPECT_EQ(f().aufloesung.text(), "1024x768");
    EXPECT_EQ(f().ComboBox1.text(), "12.5%");
    EXPECT_EQ(f().ComboBox2.text(), "");
    // Line 27 "0" while CheckBox20 was checked: one box, and the field shows "0".
    EXPECT_EQ(informationTexts(), std::vector<std::string>{entry(76)});
    EXPECT_EQ(f().Edit3.text(), "0");
}

TEST_F(Bindings, ShowingAFileUnchecksTheTintWithTheVisor) {
    load({});
    f().CheckBox6.setChecked(true);
    f().CheckBox7.setChecked(true);
    load({{60, "0"}, {67, "1"}, {77, "0"}});
    apply();
    EXPECT_FALSE(f().CheckBox6.checked());
    EXPECT_FALSE(f().CheckBox7.checked());
    EXPECT_FALSE(f().CheckBox7.enabled());
    EXPECT_FALSE(f().SpeedButton12.enabled());
    EXPECT_EQ(at(67) + at(77), "00");
}

TEST_F(Bindings, ShowingAFileStopsAtItsFailuresAndKeepsWhatItReached) {
    load({{46, "abc"}, {0, "1"}, {30, "5"}});
    apply();
    ASSERT_EQ(s.dialogs.messages.size(), 1u);
    EXPECT_EQ(s.dialogs.messages[0].text, "'abc' is not a valid integer value.");
    EXPECT_TRUE(f().CheckBox3.checked());    // CheckBox3 is shown before the failure
    EXPECT_EQ(f().TrackBar3.position(), 0);  // TrackBar3 comes after it

    s.dialogs.messages.clear();
    load({{1, "800"}, {2, "600"}, {23, "4"}}, 100);
    apply();
    ASSERT_EQ(s.dialogs.messages.size(), 1u);
    EXPECT_EQ(s.dialogs.messages[0].text, "List index out of bounds (101)");
    EXPECT_EQ(f().aufloesung.text(), "800x600");
    EXPECT_EQ(f().ComboBox1.text(), "25%");

    Scenario shortLanguage;  // a catalogue without entry 16
    std::string sixteen;
    for (int n = 0; n < 16; ++n)
        sixteen += (n == 2 ? "0.5" : "x") + std::string("\n");
    shortLanguage.rememberLanguage(shortLanguage.writeLanguage("short.zpr", sixteen));
    shortLanguage.start();
    shortLanguage.form1().document().load(craftedConfig({{53, "2"}}));
    shortLanguage.dialogs.messages.clear();
    shortLanguage.user([&] { shortLanguage.form1().showFileInControls(); });
    ASSERT_EQ(shortLanguage.dialogs.messages.size(), 1u);
    EXPECT_EQ(shortLanguage.dialogs.messages[0].text, "List index out of bounds (16)");
    EXPECT_FALSE(shortLanguage.form1().CheckBox4.checked());  // showMirrors did not run
}

TEST_F(Bindings, TintSlidersWriteTheirLinesAndMoveTogetherWhileLocked) {
    load({});
    EXPECT_EQ(tint().Label4.caption() + tint().Label5.caption() + tint().Label6.caption(), "###");
    for (TrackBar* slider : {&tint().TrackBar1, &tint().TrackBar2, &tint().TrackBar3})
        slider->setPosition(20);

    s.user([&] { f().CheckBox6.setChecked(true); });
    s.user([&] { f().CheckBox7.setChecked(true); });
    page(f().SpeedButton6);
    s.user([&] { f().SpeedButton12.click(); });
    ASSERT_TRUE(tint().visible());

    s.user([&] { tint().CheckBox1.click(); });
    s.user([&] { tint().TrackBar1.scroll(50); });
    for (const TrackBar* slider : {&tint().TrackBar1, &tint().TrackBar2, &tint().TrackBar3}) {
        EXPECT_EQ(slider->position(), 50);
    }
    EXPECT_EQ(tint().Label4.caption() + tint().Label5.caption() + tint().Label6.caption(),
              "50%50%50%");
    std::string lines;
    for (int i = 78; i <= 86; ++i)
        lines += at(i) + " ";
    EXPECT_EQ(lines, "50 150 150 50 150 150 50 150 150 ");

    s.user([&] { tint().CheckBox1.click(); });
    s.user([&] { tint().TrackBar1.scroll(37); });
    EXPECT_EQ(tint().Label4.caption(), "37%");
    EXPECT_EQ(at(78) + " " + at(79) + " " + at(80) + " " + at(81), "37 137 137 50");

    tint().TrackBar1.setPosition(150);
    EXPECT_EQ(at(78) + " " + at(79) + " " + at(80), "100 200 200");
    tint().TrackBar1.setPosition(-5);
    EXPECT_EQ(at(78) + " " + at(79) + " " + at(80), "0 100 100");
}

}  // namespace
}  // namespace torvexa
