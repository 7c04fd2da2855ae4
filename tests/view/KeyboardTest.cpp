// The FLTK view at the keyboard, in-process: keys go through FLTK's own dispatch to the widget
// with the focus, as a person's keys do, so that a keyboard rule is caught without a journey.

// The program first: X11, which FLTK brings in, defines macros named like controls (Button1).
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <memory>
#include <string>
#include <vector>

#include "support/Scenario.h"
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
    static void press(int key, bool shift = false) {
        Fl_Widget* focus = Fl::focus();
        Fl_Window* window = focus ? focus->window() : Fl::first_window();
        if (focus && focus->as_window()) window = focus->as_window();
        const char text[2] = {key == ' ' ? ' ' : '\0', '\0'};
        Fl::e_keysym = key;
        Fl::e_state = shift ? FL_SHIFT : 0;
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
        press(FL_Tab, true);
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
    press(FL_Tab, true);
    EXPECT_EQ(focused(), "RadioButton1") << "Shift+Tab back into the group, none chosen";
    press(FL_Down);
    press(FL_Down);
    EXPECT_TRUE(presets.RadioButton3.checked());
    press(FL_Tab);
    EXPECT_EQ(focused(), "SpeedButton2");
    press(FL_Tab, true);
    EXPECT_EQ(focused(), "RadioButton3") << "Shift+Tab back to the chosen preset";
}

// The menu runs its own loop while it is open; a timer looks at it from inside and closes it.
struct OpenMenu {
    bool seen = false;
    static void lookAndClose(void* data) {
        auto* menu = static_cast<OpenMenu*>(data);
        Fl_Window* grabbed = Fl::grab();
        if (!grabbed) return;
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
