// The FLTK view at the keyboard, in-process: keys go through FLTK's own dispatch to the widget
// with the focus, as a person's keys do, so that a keyboard rule is caught without a journey.

// The program first: X11, which FLTK brings in, defines macros named like controls (Button1).
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "forms/Lines.h"
#include "support/Scenario.h"
#include "view/fltk/EditableCombo.h"
#include "view/fltk/FltkVersion.h"
#include "view/fltk/FltkView.h"
#include "view/fltk/Toolkit.h"

namespace torvexa {
namespace {

using namespace fltk;
using test::Scenario;

class FltkKeyboard : public ::testing::Test {
  protected:
    FltkKeyboard() {
        initialiseToolkit();
        s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
        s.installGame(Scenario::sampleConfig());
        s.start();
        view = std::make_unique<FltkView>(s.program());
        s.user([&] { f().Laden1.click(); });
        Fl::check();
    }
    ~FltkKeyboard() override { view.reset(); }

    TForm1& f() { return s.form1(); }
    Fl_Widget* widget(const Control& control) { return view->widgetOf(control); }

    // One key, down and up, sent to the window with the focus as FLTK delivers it.
    static void press(int key, int state = 0) {
        Fl_Widget* focus = Fl::focus();
        Fl_Window* window = focus ? focus->window() : Fl::first_window();
        if (focus && focus->as_window()) window = focus->as_window();
        const bool printable = key >= ' ' && key <= '~';  // what the key types
        const char text[2] = {printable ? static_cast<char>(key) : '\0', '\0'};
        Fl::e_keysym = key;
        Fl::e_state = state;
        Fl::e_text = const_cast<char*>(text);
        Fl::e_length = text[0] ? 1 : 0;
        Fl::handle(FL_KEYBOARD, window);
        Fl::handle(FL_KEYUP, window);
        Fl::e_state = 0;
        Fl::check();
    }
    // The control whose widget has the focus, by name.
    std::string focused() {
        for (Form* form : s.program().forms()) {
            std::string name;
            find(*form, name);
            if (!name.empty()) return name;
        }
        return Fl::focus() ? "(another widget)" : "(none)";
    }
    void find(Control& control, std::string& name) {
        if (widget(control) && widget(control) == Fl::focus()) name = control.name();
        for (Control* child : control.children())
            find(*child, name);
    }

    Scenario s;
    std::unique_ptr<FltkView> view;
};

TEST_F(FltkKeyboard, SpaceAndEnterPressAPageButton) {
    widget(f().SpeedButton4)->take_focus();
    press(' ');
    EXPECT_TRUE(f().Panel1.visible()) << "Space on Allgemein";
    widget(f().SpeedButton9)->take_focus();
    press(FL_Enter);
    EXPECT_TRUE(f().Panel2.visible()) << "Enter on the manual page's button";
    EXPECT_FALSE(f().Panel1.visible());
    widget(f().SpeedButton4)->take_focus();
    press('a');  // any other key presses nothing
    EXPECT_TRUE(f().Panel2.visible()) << "a letter on Allgemein";
    EXPECT_FALSE(f().Panel1.visible());
}

TEST_F(FltkKeyboard, TabFollowsTheManualPagesOrderBothWays) {
    s.user([&] { f().SpeedButton9.click(); });
    Fl::check();
    widget(f().SpeedButton9)->take_focus();
    std::vector<std::string> order;
    for (int i = 0; i < 6; ++i) {
        press(FL_Tab);
        order.push_back(focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"ListBox1", "ListBox4", "ListBox5", "edit1", "edit2",
                                               "SpeedButton10"}));
    order.clear();
    for (int i = 0; i < 3; ++i) {
        press(FL_Tab, FL_SHIFT);
        order.push_back(focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"edit2", "edit1", "ListBox5"}));
}

TEST_F(FltkKeyboard, ArrowsChooseAlongThePresetsGroupAndStopAtItsEnds) {
    s.user([&] { f().f1graphicscfgoptimieren1.click(); });
    Fl::check();
    TForm2& presets = s.program().form2();
    widget(presets.RadioButton1)->take_focus();
    press(FL_Down);
    EXPECT_TRUE(presets.RadioButton2.checked());
    EXPECT_EQ(focused(), "RadioButton2");
    press(FL_Up);
    press(FL_Up);  // the first of the group: the choice stays
    EXPECT_TRUE(presets.RadioButton1.checked());
    EXPECT_EQ(focused(), "RadioButton1");
    press(FL_Right);
    press(FL_Right);
    press(FL_Right);
    press(FL_Right);  // the last of the group: the choice stays
    EXPECT_TRUE(presets.RadioButton4.checked());
    EXPECT_EQ(focused(), "RadioButton4");
}

// Tab stops once at the preset group, at the chosen preset (the first while none is), as on
// Windows and in every desktop toolkit; the arrows move within the group.
TEST_F(FltkKeyboard, TabStopsOnceAtThePresetGroup) {
    s.user([&] { f().f1graphicscfgoptimieren1.click(); });
    Fl::check();
    TForm2& presets = s.program().form2();
    widget(presets.RadioButton1)->take_focus();
    press(FL_Tab);
    EXPECT_EQ(focused(), "SpeedButton2") << "Tab from the group";
    press(FL_Tab, FL_SHIFT);
    EXPECT_EQ(focused(), "RadioButton1") << "Shift+Tab back into the group, none chosen";
    press(FL_Down);
    press(FL_Down);
    EXPECT_TRUE(presets.RadioButton3.checked());
    press(FL_Tab);
    EXPECT_EQ(focused(), "SpeedButton2");
    press(FL_Tab, FL_SHIFT);
    EXPECT_EQ(focused(), "RadioButton3") << "Shift+Tab back to the chosen preset";
}

// Looks again every 0.05 s, for 5 s at most, while a list or menu is not open yet.
void lookAgain(int& looks, Fl_Timeout_Handler handler, void* data) {
    if (++looks < 100) Fl::repeat_timeout(0.05, handler, data);
}

// A drop-down's list runs its own loop while it is open, holding every event (a grab): a timer
// presses keys from inside it once it is open, after the pointer has moved beside the list. The
// keys come to the window with the keyboard, as the server sends them; the pointer's moves to
// the list.
struct InOpenList {
    std::vector<int> keys;
    Fl_Window* keyboard = Fl::focus() ? Fl::focus()->top_window() : nullptr;
    bool seen = false;
    int looks = 0;
    static void press(void* data) {
        auto* list = static_cast<InOpenList*>(data);
        Fl_Window* grabbed = Fl::grab();
        if (!grabbed) {
            lookAgain(list->looks, press, data);
            return;
        }
        list->seen = true;
        Fl::e_x_root = grabbed->x() + grabbed->w() + 40;
        Fl::e_y_root = grabbed->y() + grabbed->h() / 2;
        Fl::handle(FL_MOVE, grabbed);
        for (const int key : list->keys) {
            Fl::e_keysym = key;
            Fl::e_state = 0;
            Fl::handle(FL_KEYBOARD, list->keyboard);
        }
    }
};

TEST_F(FltkKeyboard, AClosedDropDownChoosesByTheArrowsAndItsListByEnter) {
    s.user([&] { f().SpeedButton6.click(); });
    Fl::check();
    ComboBox& trackMap = f().ComboBox4;
    s.user([&] { trackMap.pick(0); });
    widget(trackMap)->take_focus();
    press(FL_Down);
    EXPECT_EQ(focused(), "ComboBox4") << "Down stays on the drop-down";
    EXPECT_EQ(trackMap.itemIndex(), 1);
    EXPECT_EQ(f().document().value(lines::TrackMap), "1") << "a person's choice writes";
    press(FL_End);
    EXPECT_EQ(f().document().value(lines::TrackMap), "2");
    press(FL_Home);
    press(FL_Up);  // the first stays
    EXPECT_EQ(trackMap.itemIndex(), 0);

    // The list opens on the chosen item; the pointer beside it changes nothing.
    const auto openAndPress = [&](int openKey, int state, std::vector<int> keys) {
        InOpenList list{std::move(keys)};
        Fl::add_timeout(0.1, InOpenList::press, &list);
        press(openKey, state);
        Fl::remove_timeout(InOpenList::press, &list);
        EXPECT_TRUE(list.seen) << "the list opened";
        EXPECT_EQ(Fl::grab(), nullptr) << "and closed";
    };
    openAndPress(FL_Down, FL_ALT, {FL_Down, FL_Enter});
    EXPECT_EQ(trackMap.itemIndex(), 1) << "Alt+Down, Down, Enter: the next item";
    EXPECT_EQ(focused(), "ComboBox4") << "the drop-down keeps the focus";
    openAndPress(FL_F + 4, 0, {FL_Down, FL_Escape});
    EXPECT_EQ(trackMap.itemIndex(), 1) << "Esc chooses nothing";
    openAndPress(' ', 0, {FL_Up, FL_F + 4});
    EXPECT_EQ(trackMap.itemIndex(), 0) << "F4 chooses the highlighted item";
    EXPECT_EQ(f().document().value(lines::TrackMap), "0");

    // The editable reflections box: the arrows step its items, its list opens on the one shown.
    s.user([&] { f().SpeedButton4.click(); });
    Fl::check();
    ComboBox& reflections = f().ComboBox3;
    s.user([&] { reflections.pick(0); });
    static_cast<EditableCombo*>(widget(reflections))->input().take_focus();
    press(FL_Down);
    EXPECT_EQ(reflections.itemIndex(), 1);
    EXPECT_EQ(f().document().value(lines::ReflectionSource), "3");
    openAndPress(FL_Down, FL_ALT, {FL_Down, FL_Enter});
    EXPECT_EQ(reflections.itemIndex(), 2) << "Alt+Down, Down, Enter: the next item";
    EXPECT_EQ(f().document().value(lines::ReflectionSource), "4");
}

TEST_F(FltkKeyboard, EnterAppliesTheValueBoxAndTheArrowsStepTheLine27Field) {
    s.user([&] {
        f().SpeedButton9.click();
        f().ListBox1.select(5);
    });
    Fl::check();
    widget(f().edit1)->take_focus();
    s.user([&] { f().edit1.type("0"); });
    press(FL_Enter);
    EXPECT_EQ(f().document().value(5), "0") << "Enter applied the value";

    s.user([&] {
        f().SpeedButton4.click();
        if (!f().CheckBox20.checked()) f().CheckBox20.click();
        f().Edit3.type("50");
    });
    Fl::check();
    widget(f().Edit3)->take_focus();
    press(FL_Up);
    EXPECT_EQ(f().Edit3.text(), "51");
    press(FL_Down);
    press(FL_Down);
    EXPECT_EQ(f().Edit3.text(), "49");
    EXPECT_EQ(f().document().value(lines::Number27), "49");
}

// What the keys write is what the person sees: a line chosen by its number shows its own
// value before Enter applies it, and a number the field refuses gives the line back its value.
TEST_F(FltkKeyboard, KeysWriteOnlyAValueThePersonSaw) {
    s.user([&] {
        f().SpeedButton9.click();
        f().ListBox1.select(0);
    });
    Fl::check();
    const std::string width = f().document().value(lines::ScreenWidth);
    widget(f().ListBox5)->take_focus();
    press(FL_Down);
    press(FL_Tab);
    ASSERT_EQ(focused(), "edit1");
    press(FL_Enter);
    EXPECT_EQ(f().document().value(lines::ScreenWidth), width) << "line 0's value written";

    s.user([&] {
        f().SpeedButton4.click();
        if (!f().CheckBox20.checked()) f().CheckBox20.click();
    });
    Fl::check();
    const std::string held = f().document().value(lines::Number27);
    widget(f().Edit3)->take_focus();
    press('a', FL_CTRL);
    for (const char key : std::string("101"))
        press(key);
    press(FL_Tab);
    EXPECT_EQ(f().document().value(lines::Number27), held);
    EXPECT_EQ(f().Edit3.text(), held);
}

// Tab and Shift+Tab into a drop-down one can type into select its whole text, every time.
TEST_F(FltkKeyboard, TabAndShiftTabIntoAnEditableDropDownSelectItsText) {
    s.user([&] { f().SpeedButton5.click(); });
    Fl::check();
    auto& field = dynamic_cast<EditableCombo&>(*widget(f().ComboBox1)).input();
    const auto wholeTextSelected = [&field] {
        return Fl::focus() == &field && field.size() > 0 &&
               std::min(cursorOf(field), field.mark()) == 0 &&
               std::max(cursorOf(field), field.mark()) == field.size();
    };
    dynamic_cast<EditableCombo&>(*widget(f().aufloesung)).input().take_focus();
    for (int turn = 0; turn < 2; ++turn) {
        press(FL_Tab);
        EXPECT_TRUE(wholeTextSelected()) << "Tab, turn " << turn;
        press(FL_Tab);
        press(FL_Tab, FL_SHIFT);
        EXPECT_TRUE(wholeTextSelected()) << "Shift+Tab, turn " << turn;
        press(FL_Tab, FL_SHIFT);
    }
}

// A focused control that is disabled or hidden hands the focus on: the keys go on working.
TEST_F(FltkKeyboard, AFocusedControlThatIsDisabledOrHiddenHandsTheFocusOn) {
    s.user([&] {
        f().SpeedButton6.click();
        if (!f().CheckBox7.checked()) f().CheckBox7.click();
    });
    Fl::check();
    widget(f().SpeedButton12)->take_focus();
    press(FL_Tab);
    const std::string next = focused();
    press(FL_Tab, FL_SHIFT);
    ASSERT_EQ(focused(), "SpeedButton12");
    s.user([&] { f().CheckBox7.click(); });  // "Erweitert" is disabled under the focus
    Fl::check();
    EXPECT_EQ(focused(), next) << "the focus is not where Tab goes";
    press(FL_Tab);
    EXPECT_NE(focused(), next) << "Tab does nothing";

    widget(f().CheckBox7)->take_focus();
    s.user([&] { f().SpeedButton4.click(); });  // its page is hidden
    Fl::check();
    ASSERT_NE(Fl::focus(), nullptr) << "the focus is lost with the page";
    EXPECT_TRUE(Fl::focus()->visible_r() && Fl::focus()->active_r()) << focused();
}

TEST_F(FltkKeyboard, EscAndEnterCloseThePresetDialogAndTheTintDialog) {
    s.user([&] { f().f1graphicscfgoptimieren1.click(); });
    Fl::check();
    TForm2& presets = s.program().form2();
    widget(presets.RadioButton1)->take_focus();
    press(FL_Down);
    press(FL_Escape);
    EXPECT_FALSE(presets.visible()) << "Esc is Abbrechen";
    const std::string before = f().document().value(25);
    s.user([&] { f().f1graphicscfgoptimieren1.click(); });
    Fl::check();
    widget(presets.RadioButton1)->take_focus();
    press(FL_Down);
    press(FL_Enter);
    EXPECT_FALSE(presets.visible()) << "Enter on a preset applies it";
    EXPECT_EQ(f().document().value(25), "1") << "preset 2's line 25, was " << before;

    s.user([&] {
        f().SpeedButton6.click();
        if (!f().CheckBox7.checked()) f().CheckBox7.click();
        f().SpeedButton12.click();
    });
    Fl::check();
    TForm3& tint = s.program().form3();
    ASSERT_TRUE(tint.visible());
    widget(tint.TrackBar1)->take_focus();
    press(FL_Escape);
    EXPECT_FALSE(tint.visible()) << "Esc closes it as its close button does";
    s.user([&] { f().SpeedButton12.click(); });
    Fl::check();
    widget(tint.TrackBar2)->take_focus();
    press(FL_Enter);
    EXPECT_FALSE(tint.visible()) << "Enter closes it as its close button does";
    EXPECT_TRUE(f().visible()) << "the main window stays";
    widget(f().SpeedButton4)->take_focus();
    press(FL_Escape);
    EXPECT_TRUE(f().visible()) << "Esc closes no main window";
}

// One scale, the layout's: FLTK 1.4's own zoom keys (Ctrl with '+', '-', '0') scale nothing.
TEST_F(FltkKeyboard, TheZoomKeysLeaveTheWindowAtItsLayoutsScale) {
    Fl_Widget& window = *widget(f());
    const int width = window.w();
    widget(f().SpeedButton4)->take_focus();
    for (const char key : {'+', '-', '+', '0'}) {
        press(key, FL_CTRL);
        Fl::check();
        EXPECT_EQ(toolkitScale(0), 1.0f) << "Ctrl+" << key;
        EXPECT_EQ(window.w(), width) << "Ctrl+" << key;
    }
}

// The menu runs its own loop while it is open; a timer looks at it from inside, once it is
// open, and closes it.
struct OpenMenu {
    bool seen = false;
    int looks = 0;
    static void lookAndClose(void* data) {
        auto* menu = static_cast<OpenMenu*>(data);
        Fl_Window* grabbed = Fl::grab();
        if (!grabbed) {
            lookAgain(menu->looks, lookAndClose, data);
            return;
        }
        menu->seen = true;
        Fl::e_keysym = FL_Escape;
        Fl::handle(FL_KEYBOARD, grabbed);
    }
};

TEST_F(FltkKeyboard, F10OpensTheMenuAndEscClosesIt) {
    widget(f().SpeedButton4)->take_focus();
    OpenMenu menu;
    Fl::add_timeout(0.2, OpenMenu::lookAndClose, &menu);
    press(FL_F + 10);
    Fl::remove_timeout(OpenMenu::lookAndClose, &menu);
    EXPECT_TRUE(menu.seen);
    EXPECT_EQ(Fl::grab(), nullptr) << "Esc closed it";
    EXPECT_FALSE(f().Panel1.visible()) << "nothing was chosen";
}

}  // namespace
}  // namespace torvexa
