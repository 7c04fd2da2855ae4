#pragma once

// What the Windows view does for a person at the keyboard, beyond what the dialog manager does.

// Windows' headers after the program's, so that their macros reach none of its headers.
#include "forms/Program.h"

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

namespace torvexa::win32 {

// Tab reaches a group of radio buttons at its chosen one; Tab leaves a multi-line edit (a
// window subclass); a hidden container hands the focus on.
struct ViewParts;
void updateRadioTabStops(const ViewParts& view, const RadioButton& radio);
LRESULT CALLBACK tabMovesOn(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR);
void keepFocusReachable(HWND container);

}  // namespace torvexa::win32
