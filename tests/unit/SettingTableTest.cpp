// The setting table on its own: each kind of row writes and shows its line(s), and the table
// connects exactly the controls that have no handler of their own.
#include <gtest/gtest.h>

#include <string>

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
                       {setting::Flag{&flag, {0, 1}}, setting::Flag{&inverted, {2}, "0", "1"},
                        setting::Text{&text, 3}, setting::ItemValues{&values, 4, {"2", "9"}},
                        setting::ItemPosition{&position, 0}, setting::Position{&slider, 1}}};
};

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

}  // namespace
}  // namespace torvexa
