// The preset and tint dialogs on the desktop: they belong to the main window (no taskbar
// buttons of their own, always above it), and the presets dialog has the keyboard when it
// opens, without choosing a preset for the person.

// The program first: Windows' macros must not reach its headers.
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "windows/view/NativeWindows.h"

namespace torvexa {
namespace {

using test::press;
using test::pump;

class Dialogs : public test::NativeView {
  protected:
    bool anyPresetChosen() {
        const TForm2& presets = s.program().form2();
        return presets.RadioButton1.checked() || presets.RadioButton2.checked() ||
               presets.RadioButton3.checked() || presets.RadioButton4.checked();
    }
};

// Owned windows have no taskbar button and stay above their owner
// (https://learn.microsoft.com/windows/win32/winmsg/window-features#owned-windows).
TEST_F(Dialogs, BelongToTheMainWindow) {
    HWND main = hwnd(s.form1());
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
    for (const Form* dialog : {static_cast<const Form*>(&s.program().form2()),
                               static_cast<const Form*>(&s.program().form3())}) {
        HWND window = hwnd(*dialog);
        EXPECT_EQ(GetWindow(window, GW_OWNER), main) << dialog->name();
        EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW) << dialog->name();
    }
}

TEST_F(Dialogs, ThePresetsDialogHasTheKeyboardWhenItOpensAndChoosesNothingByItself) {
    menuChoice(0, 0);  // load
    menuChoice(1, 2);  // Extras -> f1graphics.cfg optimieren
    TForm2& presets = s.program().form2();
    HWND dialog = hwnd(presets);
    ASSERT_TRUE(IsWindowVisible(dialog));
    HWND focus = GetFocus();
    ASSERT_TRUE(focus && IsChild(dialog, focus)) << "the focus is not in the presets dialog";
    EXPECT_EQ(focus, hwnd(presets.RadioButton1));
    EXPECT_FALSE(SendMessageW(focus, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)
        << "the focus mark is hidden";
    EXPECT_FALSE(anyPresetChosen()) << "opening the dialog chose a preset";

    // The focus arriving on a radio button chooses nothing: Windows then tells BN_CLICKED of
    // the unchecked button (Wine does not), as here.
    SetFocus(hwnd(presets.RadioButton3));
    SendMessageW(GetParent(hwnd(presets.RadioButton3)), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd(presets.RadioButton3)));
    pump();
    EXPECT_FALSE(anyPresetChosen()) << "the focus arriving on a radio button chose a preset";

    // The arrows choose at once; Tab goes on to the buttons.
    SetFocus(hwnd(presets.RadioButton1));
    press(VK_DOWN);
    EXPECT_TRUE(presets.RadioButton2.checked());
    press(VK_TAB);
    EXPECT_EQ(GetFocus(), hwnd(presets.SpeedButton2));
}

}  // namespace
}  // namespace torvexa
