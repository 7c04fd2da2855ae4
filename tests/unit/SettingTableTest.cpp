// The setting table on its own: each kind of row writes and shows its line(s), and the table
// connects exactly the controls that have no handler of their own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/ConfigDocument.h"
#include "forms/Settings.h"
#include "ui/Form.h"

namespace torvexa {
namespace {

struct SettingTableTest : ::testing::Test {
    SettingTableTest() {
        form.setVisible(true);
        document.load("a\r\nb\r\nc\r\nd\r\ne\r\n");
    }
    Form form{"Form", {0, 0, 400, 300}, "", {}};
    CheckBox flag{&form, "CheckBox1", {}, ""};
    CheckBox inverted{&form, "CheckBox2", {}, ""};
    ComboBox text{&form, "ComboBox1", {}, ComboBox::Style::Editable, {"10", "20"}};
    ComboBox values{&form, "ComboBox2", {}, ComboBox::Style::Fixed, {"low", "high"}};
    ComboBox position{&form, "ComboBox3", {}, ComboBox::Style::Fixed, {"a", "b", "c"}};
    TrackBar slider{&form, "TrackBar1", {}, 0, 10, 1, 0};
    ConfigDocument document;
    SettingTable table{document,
                       {{&flag, setting::Flag{{0, 1}}},
                        {&inverted, setting::Flag{{2}, "0", "1"}},
                        {&text, setting::Text{3}},
                        {&values, setting::ItemValues{4, {"2", "9"}}},
                        {&position, setting::ItemPosition{0}},
                        {&slider, setting::Position{1}}}};
};

// A row whose mapping does not fit its control's kind (a tick on a drop-down) is refused when
// the table is made, by the control's name: the table would read the control as another kind.
TEST_F(SettingTableTest, ARowWhoseMappingDoesNotFitItsControlIsRefused) {
    const auto refused = [&](Control& control, Mapping mapping) {
        try {
            SettingTable wrong(document, {{&control, std::move(mapping)}});
        } catch (const std::logic_error& failure) {
            return std::string(failure.what());
        }
        return std::string("accepted");
    };
    EXPECT_NE(refused(text, setting::Flag{{0}}).find("ComboBox1"), std::string::npos);
    EXPECT_NE(refused(flag, setting::ItemPosition{0}).find("CheckBox1"), std::string::npos);
    EXPECT_NE(refused(values, setting::Position{0}).find("ComboBox2"), std::string::npos);
    EXPECT_EQ(refused(slider, setting::Own{{0}}), "accepted") << "named handlers write";
}

TEST_F(SettingTableTest, APersonsChangeWritesTheLinesOfItsRow) {
    table.connect();
    flag.click();
    EXPECT_EQ(document.value(0) + document.value(1), "11");  // every line of the flag
    inverted.click();
    EXPECT_EQ(document.value(2), "0");  // ticked writes its own "on"
    text.type("35");
    EXPECT_EQ(document.value(3), "35");
    values.pick(1);
    EXPECT_EQ(document.value(4), "9");
    position.pick(2);
    EXPECT_EQ(document.value(0), "2");
    slider.scroll(7);
    EXPECT_EQ(document.value(1), "7");
}

TEST_F(SettingTableTest, AControlWithAHandlerOfItsOwnKeepsIt) {
    int own = 0;
    flag.OnClick = [&] { ++own; };
    const std::string before = document.serialize();
    table.connect();
    flag.click();
    EXPECT_EQ(own, 1);
    EXPECT_EQ(document.serialize(), before) << "the named handler writes, not the table";
}

TEST_F(SettingTableTest, ShowingSetsEachControlFromTheFirstOfItsLines) {
    document.putValue(0, "1");
    document.putValue(2, "0");
    document.putValue(3, "77");
    document.putValue(4, "9");
    table.show(flag);
    table.show(inverted);
    table.show(text);
    table.show(values);
    EXPECT_TRUE(flag.checked());
    EXPECT_TRUE(inverted.checked());
    EXPECT_EQ(text.text(), "77");  // a text no item holds, as it stands
    EXPECT_EQ(values.text(), "high");
    document.putValue(4, "5");
    table.show(values);
    EXPECT_EQ(values.text(), "") << "a value no item stands for shows nothing";
    EXPECT_THROW(table.show(form), std::logic_error);
}

TEST_F(SettingTableTest, ShowingTheFileShowsEveryRowOnceInRowOrderAndAHookInsteadOfItsMapping) {
    document.putValue(0, "1");
    document.putValue(1, "4");
    document.putValue(3, "30");
    std::vector<std::string> shown;
    for (Control* control : std::initializer_list<Control*>{&flag, &text, &slider})
        control->setObserver(
            [&shown, control](const Change&) { shown.push_back(control->name()); });
    const SettingTable walked{document,
                              {{&slider, setting::Position{1}},
                               {&flag, setting::Flag{{0}}, {}, [&] { shown.push_back("hook"); }},
                               {&text, setting::Text{3}}}};
    walked.showFile();
    EXPECT_EQ(shown, (std::vector<std::string>{"TrackBar1", "hook", "ComboBox1"}));
    EXPECT_FALSE(flag.checked()) << "the hook shows the row, not its mapping";
}

TEST_F(SettingTableTest, TheCaptionPassPutsEachRowBeforeTheFirstOtherCaptionWithALaterEntry) {
    Label label{&form, "Label1", {}, ""};
    Label first{&form, "Label2", {}, ""};
    Label second{&form, "Label3", {}, ""};
    Label value{&form, "Label4", {}, ""};
    Label last{&form, "Label5", {}, ""};
    const SettingTable captioned{
        document,
        {{&values, setting::ItemValues{4, {"2", "9"}}, {5, &label, {6, 9}}},
         {&flag, setting::Flag{{0}}, {2}},
         {&slider, setting::Position{1}}}};
    std::vector<std::string> pass;
    for (const CaptionTarget& t :
         captioned.captionPass({{1, &first}, {3, &second}, {0, &value}, {7, &last}}))
        pass.push_back(std::to_string(t.entry) + " " + t.control->name() +
                       (t.item >= 0 ? " item " + std::to_string(t.item) : ""));
    // A value stays right after its label, a drop-down's items stay with its label.
    EXPECT_EQ(pass, (std::vector<std::string>{"1 Label2", "2 CheckBox1", "3 Label3", "0 Label4",
                                              "5 Label1", "6 ComboBox2 item 0",
                                              "9 ComboBox2 item 1", "7 Label5"}));
}

TEST_F(SettingTableTest, AFieldIsNamedForReadersByItsLabelAndAPartByTheRowsCaption) {
    Label label{&form, "Label1", {}, ""};
    Edit number{&form, "Edit1", {}, ""};
    const SettingTable named{document,
                             {{&values, setting::ItemValues{4, {"2", "9"}}, {5, &label}},
                              {&flag, setting::Own{{0}}, {2}, [] {}, {&number}}}};
    named.nameFieldsForReaders();
    EXPECT_EQ(values.namedBy(), &label);
    EXPECT_EQ(number.namedBy(), &flag);
    EXPECT_EQ(flag.namedBy(), nullptr) << "a check box says its own name";
}

}  // namespace
}  // namespace torvexa
