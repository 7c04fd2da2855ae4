#pragma once

// What the Windows view does for a person at the keyboard, beyond what the dialog manager does.

// Windows' headers after the program's, so that their macros reach none of its headers.
#include "forms/Program.h"

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

namespace torvexa::win32 {

// The menu bar opens from the keyboard only when the person asks, whatever control has the
// focus: with F10, or with Alt pressed and released alone. A key pressed while Alt is held
// (Alt+Down on a drop-down, Alt+letter) never arms it. Controls that handle a key themselves
// keep it from DefWindowProc, which then cannot tell whether Alt came alone; so the loop tells
// here, before any window sees the key, and opens the menu as DefWindowProc does, with
// WM_SYSCOMMAND and SC_KEYMENU (lParam 0: no character, the bar itself)
// (https://learn.microsoft.com/windows/win32/inputdev/wm-syskeydown,
// https://learn.microsoft.com/windows/win32/menurc/wm-syscommand,
// https://learn.microsoft.com/windows/win32/menurc/about-menus).
class MenuKeys {
  public:
    // Whether `message` was Alt or F10, taken here: it goes to no window.
    bool take(const MSG& message);

  private:
    bool takeOverOpenList(const MSG& message, HWND dropDown);

    bool altAlone_ = false;  // Alt is down and nothing else came since
    bool f10Alone_ = false;  // F10 is down, without Alt or Shift
};

// One message of the loop: the menu keys, then the dialog manager's (Tab, the arrows in a group,
// Enter, Esc), then the window's own.
void deliver(MenuKeys& menuKeys, MSG& message);

// Tab reaches a group of radio buttons at its chosen one; Tab leaves a multi-line edit (a
// window subclass); a control about to be hidden or disabled with the focus on it, or inside
// it, hands the focus on.
struct ViewParts;
void updateRadioTabStops(const ViewParts& view, const RadioButton& radio);
LRESULT CALLBACK tabMovesOn(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR);
void handFocusOn(HWND window);

}  // namespace torvexa::win32
