#include <gtest/gtest.h>

#include "ui/Controls.h"
#include "ui/Form.h"

namespace torvexa {
namespace {

// A window with one control of the kind under test; counts handler runs and notifications.
struct Harness {
    Form form{"Form", {0, 0, 400, 300}, "", {}};
    int handlerRuns = 0;
    int notifications = 0;
    Handler counter() {
        return [this] { ++handlerRuns; };
    }
    void observe(Control& control) {
        control.setObserver([this](const Change&) { ++notifications; });
    }
    Harness() { form.setVisible(true); }
};

TEST(CheckBoxRule, RunsOnClickOnlyWhenTheStateChanges) {
    Harness h;
    CheckBox box(&h.form, "CheckBox1", {}, "x");
    box.OnClick = h.counter();
    h.observe(box);
    box.setChecked(false);
    EXPECT_EQ(h.handlerRuns, 0);
    box.setChecked(true);
    box.setChecked(true);
    EXPECT_EQ(h.handlerRuns, 1);
    box.click();
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(h.handlerRuns, 2);
    EXPECT_EQ(h.notifications, 2);

    box.setEnabled(false);
    box.setVisible(false);
    box.setCaption("y");
    EXPECT_EQ(h.handlerRuns, 2);  // enabling, hiding and captions run nothing
    box.click();
    EXPECT_FALSE(box.checked());  // a disabled box ignores a person's click
    box.setChecked(true);
    EXPECT_EQ(h.handlerRuns, 3);  // the program still sets it
}

TEST(CheckBoxRule, APersonCannotReachAControlOnAHiddenPage) {
    Harness h;
    Panel page(&h.form, "Panel1", {});
    CheckBox box(&page, "CheckBox1", {}, "x");
    page.setVisible(false);
    box.click();
    EXPECT_FALSE(box.checked());
    page.setVisible(true);
    box.click();
    EXPECT_TRUE(box.checked());
}

TEST(RadioButtonRule, ChoosingOneClearsItsGroupWithoutHandlers) {
    Harness h;
    GroupBox group(&h.form, "GroupBox1", {}, "#");
    RadioButton one(&group, "RadioButton1", {}, "");
    RadioButton two(&group, "RadioButton2", {}, "");
    RadioButton elsewhere(&h.form, "RadioButton9", {}, "");
    elsewhere.click();
    one.click();
    EXPECT_TRUE(one.checked());
    two.click();
    EXPECT_FALSE(one.checked());
    EXPECT_TRUE(two.checked());
    EXPECT_TRUE(elsewhere.checked());
    two.click();
    EXPECT_TRUE(two.checked());  // one stays chosen once chosen
}

TEST(TrackBarRule, ProgramChangesClampAndRunOnlyOnChangeButAScrollAlwaysRuns) {
    Harness h;
    TrackBar bar(&h.form, "TrackBar1", {}, 1, 32, 1, 1);
    bar.OnChange = h.counter();
    bar.setPosition(0);  // clamped to 1: no change
    EXPECT_EQ(h.handlerRuns, 0);
    bar.setPosition(40);
    EXPECT_EQ(bar.position(), 32);
    EXPECT_EQ(h.handlerRuns, 1);
    bar.setPosition(32);
    EXPECT_EQ(h.handlerRuns, 1);
    bar.scroll(32);  // release without movement
    EXPECT_EQ(h.handlerRuns, 2);
    bar.scroll(-5);
    EXPECT_EQ(bar.position(), 1);
    EXPECT_EQ(h.handlerRuns, 3);
}

TEST(EditAndUpDownRule, TextChangesRunOnChangeAndTheUpDownWritesItsEdit) {
    Harness h;
    Edit edit(&h.form, "Edit3", {}, "1");
    UpDown updown(&h.form, "UpDown1", {}, edit, 1, 100, 1);
    std::vector<std::string> seen;
    edit.OnChange = [&] { seen.push_back(edit.text()); };

    edit.setText("1");
    EXPECT_TRUE(seen.empty());
    edit.type("7");
    updown.setPosition(1);  // position unchanged: the edit keeps "7"
    updown.setPosition(150);
    EXPECT_EQ(updown.position(), 100);
    updown.down();
    updown.up();
    edit.type("42");
    updown.up();  // steps from the number shown
    edit.type("abc");
    updown.down();  // no number shown: steps from the position
    EXPECT_EQ(seen, (std::vector<std::string>{"7", "100", "99", "100", "42", "43", "abc", "42"}));

    updown.setPosition(100);
    updown.up();  // at the end: no wrap-around, nothing changes
    EXPECT_EQ(edit.text(), "100");

    // Up and Down in the field step its up-down; Enter means nothing here.
    EXPECT_TRUE(edit.press(Edit::Key::Down));
    EXPECT_EQ(edit.text(), "99");
    EXPECT_TRUE(edit.press(Edit::Key::Up));
    EXPECT_EQ(edit.text(), "100");
    EXPECT_FALSE(edit.press(Edit::Key::Enter));
}

TEST(EditAndUpDownRule, EnterInAFieldPressesItsButtonAndAnUnboundKeyIsPassedOn) {
    Harness h;
    Edit edit(&h.form, "edit1", {}, "");
    Button apply(&h.form, "SpeedButton10", {}, "");
    int pressed = 0;
    apply.OnClick = [&] { ++pressed; };
    EXPECT_FALSE(edit.press(Edit::Key::Enter)) << "no button named yet";
    edit.setEnterPresses(apply);
    EXPECT_TRUE(edit.press(Edit::Key::Enter));
    EXPECT_FALSE(edit.press(Edit::Key::Up)) << "no up-down";
    EXPECT_EQ(pressed, 1);
    edit.setVisible(false);
    EXPECT_FALSE(edit.press(Edit::Key::Enter)) << "out of reach";
    EXPECT_EQ(pressed, 1);
}

TEST(ComboBoxRule, OnlyAPersonsPickOrTypingRunsOnChange) {
    Harness h;
    ComboBox combo(&h.form, "ComboBox1", {}, ComboBox::Style::Editable, {"100%", "50%", "25%"});
    ComboBox fixed(&h.form, "ComboBox4", {}, ComboBox::Style::Fixed, {"Aus", "Nur Arcade"});
    combo.OnChange = h.counter();
    fixed.OnChange = h.counter();

    combo.setText("50%");
    combo.setItemIndex(2);
    fixed.setItemIndex(7);
    EXPECT_EQ(h.handlerRuns, 0);
    EXPECT_EQ(fixed.itemIndex(), -1);
    EXPECT_EQ(fixed.text(), "");

    combo.pick(0);
    EXPECT_EQ(combo.text(), "100%");
    EXPECT_EQ(combo.itemIndex(), 0);
    combo.type("1");
    combo.type("10");
    EXPECT_EQ(combo.itemIndex(), -1);
    fixed.type("Aus");  // a fixed list cannot be typed into
    EXPECT_EQ(h.handlerRuns, 3);
    fixed.pick(1);
    EXPECT_EQ(h.handlerRuns, 4);
}

TEST(ComboBoxRule, ReplacedItemKeepsItsPlaceAndIsNoLongerChosen) {
    Harness h;
    ComboBox fixed(&h.form, "ComboBox4", {}, ComboBox::Style::Fixed,
                   {"Aus", "Nur Arcade", "Immer"});
    fixed.setItemIndex(1);
    fixed.setItem(1, "Arcade only");
    EXPECT_EQ(fixed.items(), (std::vector<std::string>{"Aus", "Arcade only", "Immer"}));
    EXPECT_EQ(fixed.itemIndex(), -1);
    EXPECT_EQ(fixed.text(), "");

    ComboBox editable(&h.form, "ComboBox3", {}, ComboBox::Style::Editable,
                      {"Prozessor", "Grafikkarte"});
    editable.setText("Grafikkarte");
    editable.setItem(0, "CPU");
    EXPECT_EQ(editable.itemIndex(), 1);
    editable.setItem(1, "Graphics card");
    EXPECT_EQ(editable.itemIndex(), -1);
    EXPECT_EQ(editable.text(), "Grafikkarte");
}

TEST(ListBoxRule, OnlyAPersonsSelectionRunsOnClickAndScrollingIsLeast) {
    Harness h;
    std::vector<std::string> rows;
    for (int i = 0; i < 40; ++i)
        rows.push_back(std::to_string(i));
    ListBox list(&h.form, "ListBox1", {0, 0, 65, 169});
    const VectorRows shown(rows);
    list.showItems(&shown);
    list.OnClick = h.counter();
    ASSERT_EQ(list.visibleRows(), 11);  // 165 pixels inside the frame

    list.setItemIndex(20);
    EXPECT_EQ(h.handlerRuns, 0);
    EXPECT_EQ(list.topIndex(), 10);  // row 20 just comes into view at the bottom
    list.setItemIndex(15);
    EXPECT_EQ(list.topIndex(), 10);  // already in view
    list.setItemIndex(0);
    EXPECT_EQ(list.topIndex(), 0);
    list.select(39);
    EXPECT_EQ(list.topIndex(), 29);
    EXPECT_EQ(h.handlerRuns, 1);
    list.select(40);
    EXPECT_EQ(h.handlerRuns, 1);

    list.showItems(&shown);
    EXPECT_EQ(list.itemIndex(), -1);
    EXPECT_EQ(list.topIndex(), 0);

    // A person's scroll on a list out of reach does nothing, as every other entry point.
    list.OnScroll = h.counter();
    list.setEnabled(false);
    list.scrollTo(5);
    list.setEnabled(true);
    list.setVisible(false);
    list.scrollTo(5);
    EXPECT_EQ(list.topIndex(), 0);
    EXPECT_EQ(h.handlerRuns, 1);
    list.setVisible(true);
    list.scrollTo(5);
    EXPECT_EQ(h.handlerRuns, 2);
}

TEST(ButtonAndMenuRule, ClickRunsOnClickOnlyWhenReachable) {
    Harness h;
    Button button(&h.form, "Button1", {}, "#");
    MainMenu menu(&h.form, "MainMenu1");
    MenuItem file(&menu, "Datei1", "Datei");
    MenuItem quit(&file, "Beenden1", "Beenden");
    button.OnClick = h.counter();
    quit.OnClick = h.counter();
    button.click();
    quit.click();
    button.setEnabled(false);
    button.click();
    file.setEnabled(false);  // the item's own menu cannot be opened
    quit.click();
    EXPECT_EQ(h.handlerRuns, 2);
    file.setEnabled(true);
    quit.setVisible(false);
    quit.click();
    EXPECT_EQ(h.handlerRuns, 2);
}

}  // namespace
}  // namespace torvexa
