// The native windows by keyboard alone: the dialog manager's Tab, arrows, Space and Enter, as
// the program's message loop delivers them.

// The program first: Windows' macros must not reach its headers.
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "windows/view/MirrorView.h"

namespace torvexa {
namespace {

using test::shown;
using test::Win32ViewMirrorsModel;

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

    // A page shown with the mouse while the focus is on the hidden one: Tab goes on.
    step("Allgemein by mouse", [&] { clickFlat(f().SpeedButton4); });
    keys("Tab after the switch", {VK_TAB});
    HWND focus = GetFocus();
    EXPECT_TRUE(focus && IsWindowVisible(focus)) << focused();
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
}

}  // namespace
}  // namespace torvexa
