// The native windows by keyboard alone: the dialog manager's Tab, arrows, Space and Enter, as
// the program's message loop delivers them.

// The program first: Windows' macros must not reach its headers.
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "forms/Lines.h"
#include "windows/view/MirrorView.h"

namespace torvexa {
namespace {

using test::shown;
using test::Win32ViewMirrorsModel;
using test::withAlt;

// Counts the requests to open the menu bar from the keyboard, and opens none (the menu's own
// loop would wait for keys the test does not send).
LRESULT CALLBACK countMenuKeys(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                               DWORD_PTR count) {
    if (message == WM_SYSCOMMAND && (w & 0xFFF0) == SC_KEYMENU) {
        ++*reinterpret_cast<int*>(count);
        return 0;
    }
    return DefSubclassProc(window, message, w, l);
}

TEST_F(Win32ViewMirrorsModel, TheMainWindowByKeyboard) {
    step("load", [&] { menuChoice(0, 0); });
    SetForegroundWindow(hwnd(f()));
    SetFocus(nullptr);
    const auto keys = [&](const std::string& name, std::initializer_list<WPARAM> pressed,
                          bool shift = false) {
        step(name, [&] {
            for (const WPARAM key : pressed)
                press(key, shift);
        });
    };
    SetFocus(hwnd(f().SpeedButton4));
    EXPECT_EQ(focused(), "SpeedButton4");
    keys("Enter on Allgemein", {VK_RETURN});
    EXPECT_TRUE(f().Panel1.visible());
    keys("Tab to the first check box", {VK_TAB, VK_TAB, VK_TAB, VK_TAB});
    EXPECT_EQ(focused(), "CheckBox3");
    keys("Space ticks it off", {VK_SPACE});
    EXPECT_EQ(f().document().value(0), "0");
    keys("back to the manual page's button", {VK_TAB}, true);
    EXPECT_EQ(focused(), "SpeedButton9");
    keys("Space opens the manual page", {VK_SPACE});
    EXPECT_TRUE(f().Panel2.visible());

    std::vector<std::string> order;
    for (int i = 0; i < 6; ++i) {
        keys("Tab on the manual page", {VK_TAB});
        order.push_back(focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"ListBox1", "ListBox4", "ListBox5", "edit1", "edit2",
                                               "SpeedButton10"}));
    order.clear();
    for (int i = 0; i < 3; ++i) {
        keys("Shift+Tab on the manual page", {VK_TAB}, true);
        order.push_back(focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"edit2", "edit1", "ListBox5"}));

    // Tab and Shift+Tab into a drop-down one can type into select its whole text, every time.
    step("Grafikqualitaet", [&] { clickFlat(f().SpeedButton5); });
    const auto wholeTextSelected = [&](const ComboBox& combo) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(hwnd(combo), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return start == 0 && end == combo.text().size() && end > 0;
    };
    SetFocus(hwnd(f().aufloesung));
    for (int turn = 0; turn < 2; ++turn) {
        keys("Tab into the texture box", {VK_TAB});
        EXPECT_EQ(focused(), "ComboBox1");
        EXPECT_TRUE(wholeTextSelected(f().ComboBox1)) << "Tab, turn " << turn;
        keys("Tab on", {VK_TAB});
        keys("Shift+Tab back into the texture box", {VK_TAB}, true);
        EXPECT_EQ(focused(), "ComboBox1");
        EXPECT_TRUE(wholeTextSelected(f().ComboBox1)) << "Shift+Tab, turn " << turn;
        keys("Shift+Tab back to the resolution", {VK_TAB}, true);
        EXPECT_TRUE(wholeTextSelected(f().aufloesung)) << "Shift+Tab, turn " << turn;
    }

    // A page shown with the mouse while the focus is on the hidden one: Tab goes on.
    step("Allgemein by mouse", [&] { clickFlat(f().SpeedButton4); });
    keys("Tab after the switch", {VK_TAB});
    HWND focus = GetFocus();
    EXPECT_TRUE(focus && IsWindowVisible(focus)) << focused();
}

// The sequence that once lost an edit: Alt+Down on the reflections box armed the menu bar, and
// the next Down and Enter ran "Laden". F10 and Alt alone open the menu whatever has the focus.
TEST_F(Win32ViewMirrorsModel, TheMenuBarOpensOnlyWhenAskedAndFieldsTakeTheirKeys) {
    step("load", [&] { menuChoice(0, 0); });
    step("Allgemein", [&] { clickFlat(f().SpeedButton4); });
    SetForegroundWindow(hwnd(f()));
    int menuRequests = 0;
    ASSERT_TRUE(
        SetWindowSubclass(hwnd(f()), countMenuKeys, 1, reinterpret_cast<DWORD_PTR>(&menuRequests)));
    SetFocus(hwnd(f().ComboBox3));
    step("Alt+Down on the reflections box", [&] { withAlt({VK_DOWN}); });
    EXPECT_EQ(menuRequests, 0) << "Alt+Down armed the menu bar";
    step("Esc closes its list", [&] { press(VK_ESCAPE); });
    step("Alt alone", [&] { withAlt({}); });
    EXPECT_EQ(menuRequests, 1);
    step("Objekte", [&] { clickFlat(f().SpeedButton6); });
    SetFocus(hwnd(f().ComboBox4));
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(hwnd(f().ComboBox3), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end) << "the reflections box left keeps a selection";
    step("F10 on the track map box", [&] { press(VK_F10); });
    EXPECT_EQ(menuRequests, 2) << "F10 on a drop-down";
    step("Alt+Up opens the list", [&] { withAlt({VK_UP}); });
    EXPECT_EQ(menuRequests, 2);
    EXPECT_TRUE(SendMessageW(hwnd(f().ComboBox4), CB_GETDROPPEDSTATE, 0, 0));
    step("Esc closes it", [&] { press(VK_ESCAPE); });
    step("Space opens it", [&] { press(VK_SPACE); });
    EXPECT_TRUE(SendMessageW(hwnd(f().ComboBox4), CB_GETDROPPEDSTATE, 0, 0));
    step("Esc closes it again", [&] { press(VK_ESCAPE); });
    EXPECT_FALSE(SendMessageW(hwnd(f().ComboBox4), CB_GETDROPPEDSTATE, 0, 0));
    // Alt or F10 over an open list closes the list and arms no menu: the Down and Enter after it
    // never run "Laden" over an unsaved edit.
    s.user([&] { f().CheckBox10.click(); });
    const std::string edited = f().document().value(lines::Sky);
    for (const bool f10 : {false, true}) {
        step("F4 opens the list", [&] { press(VK_F4); });
        ASSERT_TRUE(SendMessageW(hwnd(f().ComboBox4), CB_GETDROPPEDSTATE, 0, 0));
        step(f10 ? "F10 over the open list" : "Alt over the open list", [&] {
            if (f10)
                press(VK_F10);
            else
                withAlt({});
        });
        EXPECT_FALSE(SendMessageW(hwnd(f().ComboBox4), CB_GETDROPPEDSTATE, 0, 0)) << f10;
        EXPECT_EQ(menuRequests, 2) << (f10 ? "F10" : "Alt") << " armed the menu over the list";
        step("Down and Enter", [&] {
            press(VK_DOWN);
            press(VK_RETURN);
        });
        EXPECT_EQ(f().document().value(lines::Sky), edited) << "the edit is gone";
    }
    step("Alt+Up over the open list, its own key", [&] {
        press(VK_F4);
        withAlt({VK_UP});
    });
    EXPECT_FALSE(SendMessageW(hwnd(f().ComboBox4), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(menuRequests, 2);
    step("Alt+letter over the open list", [&] {
        press(VK_F4);
        withAlt({'D'});
    });
    EXPECT_FALSE(SendMessageW(hwnd(f().ComboBox4), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(menuRequests, 2);
    RemoveWindowSubclass(hwnd(f()), countMenuKeys, 1);

    // Up and Down in the line-27 field step it; Enter in the value box applies it.
    step("Allgemein again", [&] { clickFlat(f().SpeedButton4); });
    s.user([&] {
        if (!f().CheckBox20.checked()) f().CheckBox20.click();
        f().Edit3.type("50");
    });
    SetFocus(hwnd(f().Edit3));
    step("Up in the line-27 field", [&] { press(VK_UP); });
    EXPECT_EQ(f().document().value(lines::Number27), "51");
    step("manual page", [&] {
        clickFlat(f().SpeedButton9);
        s.user([&] { f().ListBox1.select(5); });
    });
    SetFocus(hwnd(f().edit1));
    step("a new value", [&] { s.user([&] { f().edit1.type("0"); }); });
    step("Enter in the value box", [&] { press(VK_RETURN); });
    EXPECT_EQ(f().document().value(5), "0") << "Enter applied the value";
    EXPECT_TRUE(f().visible());
}

// A focused control that is disabled or hidden hands the focus on, where Tab would go: "Erweitert"
// disabled by a load under the focus, the page of a focused check box hidden.
TEST_F(Win32ViewMirrorsModel, AFocusedControlThatIsDisabledOrHiddenHandsTheFocusOn) {
    step("load", [&] { menuChoice(0, 0); });
    step("Objekte", [&] { clickFlat(f().SpeedButton6); });
    step("tick the visor tint", [&] {
        if (!f().CheckBox7.checked()) click(f().CheckBox7);
    });
    SetForegroundWindow(hwnd(f()));
    SetFocus(hwnd(f().SpeedButton12));
    step("Tab from Erweitert", [&] { press(VK_TAB); });
    const std::string next = focused();
    step("and back", [&] { press(VK_TAB, true); });
    ASSERT_EQ(focused(), "SpeedButton12");
    step("untick the visor tint from the program", [&] { s.user([&] { f().CheckBox7.click(); }); });
    EXPECT_EQ(focused(), next) << "the focus is not where Tab goes";
    step("Tab", [&] { press(VK_TAB); });
    EXPECT_NE(focused(), next) << "Tab does nothing";

    SetFocus(hwnd(f().CheckBox7));
    step("Allgemein from the program", [&] { s.user([&] { f().SpeedButton4.click(); }); });
    HWND focus = GetFocus();
    EXPECT_TRUE(focus && IsWindowVisible(focus) && IsWindowEnabled(focus)) << focused();
}

TEST_F(Win32ViewMirrorsModel, ThePresetDialogByKeyboard) {
    step("load", [&] { menuChoice(0, 0); });
    const auto keys = [&](const std::string& name, std::initializer_list<WPARAM> pressed) {
        step(name, [&] {
            for (const WPARAM key : pressed)
                press(key);
        });
    };
    // Arrows choose, Tab reaches the buttons, Enter presses.
    step("open the presets", [&] { menuChoice(1, 2); });
    TForm2& presets = s.program().form2();
    SetForegroundWindow(hwnd(presets));
    SetFocus(hwnd(presets.RadioButton1));
    keys("arrow down in the presets", {VK_DOWN});
    EXPECT_TRUE(presets.RadioButton2.checked());
    EXPECT_EQ(focused(), "RadioButton2");
    keys("Tab to the buttons", {VK_TAB});
    EXPECT_EQ(focused(), "SpeedButton2");
    keys("Tab to apply", {VK_TAB});
    EXPECT_EQ(focused(), "SpeedButton1");
    keys("Enter applies", {VK_RETURN});
    EXPECT_FALSE(presets.visible());
    EXPECT_EQ(f().document().value(25), "1");  // preset 2's line 25

    // Enter on a preset applies it, as the button that applies does.
    s.user([&] { f().document().putValue(25, "0"); });
    step("open the presets again", [&] { menuChoice(1, 2); });
    SetForegroundWindow(hwnd(presets));
    SetFocus(hwnd(presets.RadioButton1));
    keys("arrow down to the second preset", {VK_DOWN});
    keys("Enter on it", {VK_RETURN});
    EXPECT_FALSE(presets.visible()) << "Enter on a preset";
    EXPECT_EQ(f().document().value(25), "1");

    // Esc is "Abbrechen" in the preset dialog, the close button in the tint dialog; Enter
    // closes the tint dialog too, whose sliders apply as they move.
    step("open the presets again", [&] { menuChoice(1, 2); });
    SetForegroundWindow(hwnd(presets));
    SetFocus(hwnd(presets.RadioButton1));
    keys("Esc in the presets", {VK_ESCAPE});
    EXPECT_FALSE(presets.visible());
    step("open the tint dialog", [&] {
        s.user([&] {
            f().SpeedButton6.click();
            if (!f().CheckBox7.checked()) f().CheckBox7.click();
            f().SpeedButton12.click();
        });
    });
    TForm3& tint = s.program().form3();
    ASSERT_TRUE(tint.visible());
    SetForegroundWindow(hwnd(tint));
    SetFocus(hwnd(tint.TrackBar1));
    keys("Esc in the tint dialog", {VK_ESCAPE});
    EXPECT_FALSE(tint.visible());
    step("open the tint dialog again", [&] { s.user([&] { f().SpeedButton12.click(); }); });
    SetForegroundWindow(hwnd(tint));
    SetFocus(hwnd(tint.TrackBar2));
    keys("Enter in the tint dialog", {VK_RETURN});
    EXPECT_FALSE(tint.visible());
    EXPECT_TRUE(f().visible());
}

}  // namespace
}  // namespace torvexa
