#include <gtest/gtest.h>

#include "config/ConfigDocument.h"
#include "ui/Controls.h"
#include "ui/Form.h"

// Every change of a control or of the document tells its observer once, after the change is
// complete, with what changed; a view that relies on this never shows a stale state.
namespace torvexa {
namespace {

// Records each notice with a snapshot of the state the observer could read at that moment.
template <typename Snapshot>
struct Recorder {
    std::vector<std::pair<Change, Snapshot>> notices;
    template <typename ControlType, typename Read>
    void observe(ControlType& control, Read read) {
        control.setObserver([this, &control, read](const Change& change) {
            notices.emplace_back(change, read(control));
        });
    }
    // Exactly one notice since the last call, and what it said.
    std::pair<Change, Snapshot> one() {
        EXPECT_EQ(notices.size(), 1u);
        auto last = notices.empty() ? std::pair<Change, Snapshot>{} : notices.back();
        notices.clear();
        return last;
    }
};

struct Window {
    Form form{"Form", {0, 0, 400, 300}, "", {}};
    Window() { form.setVisible(true); }
};

TEST(ObserverContract, CommonStateOfEveryControlNotifiesOnceWithTheNewState) {
    Window w;
    Label label(&w.form, "Label1", {}, "a");
    Recorder<std::tuple<std::string, bool, bool, bool>> r;
    r.observe(label, [](const Label& l) {
        return std::tuple{l.caption(), l.enabled(), l.visible(), l.font().bold};
    });
    label.setCaption("b");
    EXPECT_EQ(std::get<0>(r.one().second), "b");
    label.setEnabled(false);
    EXPECT_FALSE(std::get<1>(r.one().second));
    label.setVisible(false);
    EXPECT_FALSE(std::get<2>(r.one().second));
    label.setFont(Font{.bold = true});
    EXPECT_TRUE(std::get<3>(r.one().second));
    label.setCaption("b");  // nothing changes: no notice needed
    label.setFont(Font{.bold = true});
    EXPECT_TRUE(r.notices.empty());
}

TEST(ObserverContract, CheckBoxRadioButtonsAndTheFormNotifyOncePerChange) {
    Window w;
    CheckBox box(&w.form, "CheckBox1", {}, "x");
    Recorder<bool> boxes;
    boxes.observe(box, [](const CheckBox& b) { return b.checked(); });
    box.setChecked(true);
    EXPECT_TRUE(boxes.one().second);
    box.click();
    EXPECT_FALSE(boxes.one().second);

    GroupBox group(&w.form, "GroupBox1", {}, "");
    RadioButton one(&group, "RadioButton1", {}, "");
    RadioButton two(&group, "RadioButton2", {}, "");
    Recorder<bool> first;
    Recorder<bool> second;
    first.observe(one, [](const RadioButton& b) { return b.checked(); });
    second.observe(two, [](const RadioButton& b) { return b.checked(); });
    one.click();
    EXPECT_TRUE(first.one().second);
    EXPECT_TRUE(second.notices.empty());
    two.click();
    EXPECT_FALSE(first.one().second);
    EXPECT_TRUE(second.one().second);

    Recorder<int> form;
    form.observe(w.form, [](const Form& f) { return f.frontRequests(); });
    w.form.showInFront();  // already shown: brought to the front
    EXPECT_EQ(form.one().second, 1);
}

TEST(ObserverContract, ValueControlsNotifyOnceAfterTheirValueIsSet) {
    Window w;
    Edit edit(&w.form, "Edit3", {}, "1");
    UpDown updown(&w.form, "UpDown1", {}, edit, 1, 100, 1);
    Recorder<std::string> edits;
    Recorder<int> updowns;
    edits.observe(edit, [](const Edit& e) { return e.text(); });
    updowns.observe(updown, [](const UpDown& u) { return u.position(); });
    edit.type("7");
    EXPECT_EQ(edits.one().second, "7");
    updown.setPosition(9);
    EXPECT_EQ(updowns.one().second, 9);
    EXPECT_EQ(edits.one().second, "9");
    updown.up();
    EXPECT_EQ(updowns.one().second, 10);
    EXPECT_EQ(edits.one().second, "10");

    TrackBar track(&w.form, "TrackBar1", {}, 0, 8, 1, 0);
    Recorder<int> tracks;
    tracks.observe(track, [](const TrackBar& t) { return t.position(); });
    track.setPosition(20);
    EXPECT_EQ(tracks.one().second, 8);
    track.scroll(3);
    EXPECT_EQ(tracks.one().second, 3);

    ComboBox combo(&w.form, "ComboBox1", {}, ComboBox::Style::Editable, {"a", "b"});
    Recorder<std::tuple<std::string, int, std::vector<std::string>>> combos;
    combos.observe(combo, [](const ComboBox& c) {
        return std::tuple{c.text(), c.itemIndex(), c.items()};
    });
    combo.setText("b");
    EXPECT_EQ(std::get<1>(combos.one().second), 1);
    combo.setItemIndex(0);
    EXPECT_EQ(std::get<0>(combos.one().second), "a");
    combo.setItem(1, "c");
    EXPECT_EQ(std::get<2>(combos.one().second), (std::vector<std::string>{"a", "c"}));
    combo.pick(1);
    EXPECT_EQ(std::get<0>(combos.one().second), "c");
    combo.type("x");
    EXPECT_EQ(std::get<0>(combos.one().second), "x");
}

TEST(ObserverContract, SettingWhatADropDownAlreadyShowsSaysNothing) {
    Window w;
    ComboBox combo(&w.form, "ComboBox4", {}, ComboBox::Style::Fixed, {"a", "b"});
    Recorder<int> combos;
    combos.observe(combo, [](const ComboBox& c) { return c.itemIndex(); });
    combo.setItemIndex(1);
    EXPECT_EQ(combos.one().second, 1);
    combo.setItemIndex(1);
    combo.setText("b");
    combo.setItemIndex(-1);
    EXPECT_EQ(combos.one().second, -1);
    combo.setItemIndex(9);  // no item either: nothing changed
    combo.setText("");
    EXPECT_TRUE(combos.notices.empty());
}

TEST(ObserverContract, AControlThatGoesLeavesItsParent) {
    Window w;
    Panel page(&w.form, "Panel1", {});
    {
        CheckBox box(&page, "CheckBox3", {}, "");
        EXPECT_EQ(page.children(), std::vector<Control*>{&box});
    }
    EXPECT_TRUE(page.children().empty());
}

TEST(ObserverContract, AListSaysWhetherOneRowAllRowsOrItsSelectionChanged) {
    Window w;
    std::vector<std::string> rows(30, "r");
    ListBox list(&w.form, "ListBox1", {0, 0, 65, 169});
    Recorder<std::pair<int, int>> r;
    r.observe(list, [](const ListBox& l) { return std::pair{l.itemIndex(), l.topIndex()}; });
    const VectorRows shown(rows);
    list.showItems(&shown);
    EXPECT_EQ(r.one().first.what, Change::What::Rows);
    list.select(20);
    auto [change, state] = r.one();
    EXPECT_EQ(change.what, Change::What::State);
    EXPECT_EQ(state, (std::pair{20, 10}));
    list.scrollTo(15);
    EXPECT_EQ(r.one().second.second, 15);
    list.rowChanged(4);
    EXPECT_EQ(r.one().first, (Change{Change::What::Row, 4}));
    list.rowsChanged();
    EXPECT_EQ(r.one().second, (std::pair{-1, 0}));
}

TEST(ObserverContract, TheDocumentNotifiesOnceAfterAWholeReadAndOncePerValue) {
    ConfigDocument document;
    std::vector<std::pair<ConfigDocument::Change, int>> notices;
    document.setObserver([&](const ConfigDocument::Change& change) {
        notices.emplace_back(change, document.count());
    });
    document.load("1 ; a\r\n2 ; b\r\n3 ; c\r\n");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(notices[0].first.lines);
    EXPECT_EQ(notices[0].second, 3);  // told after the last line, not before the first

    document.putValue(1, "7");
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_FALSE(notices[1].first.lines);
    EXPECT_EQ(notices[1].first.row, 1);

    document.clear();
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_TRUE(notices[2].first.lines);
    EXPECT_EQ(notices[2].second, 0);

    document.load("");  // an empty file into an empty document changes nothing, and says nothing
    document.clear();
    EXPECT_EQ(notices.size(), 3u);
}

}  // namespace
}  // namespace torvexa
