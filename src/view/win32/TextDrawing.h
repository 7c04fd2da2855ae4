#pragma once

// How the Windows view measures and draws text.

// Windows' headers after the program's, so that their macros reach none of its headers.
#include "forms/Program.h"

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <string>
#include <vector>

namespace torvexa::win32 {

// An underlined label's painting (a window subclass whose data is its
// Binding), and how wide a text is in a font, in the window's pixels.
LRESULT CALLBACK underlinedLabel(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                 DWORD_PTR data);
int textWidth(HWND window, HFONT font, const std::wstring& text);

// The lines a path label draws: its path broken after separators, as many lines as its
// height holds, middle folders left out when the path does not fit. Its window text, which a
// screen reader reads, and its tooltip are the whole path.
std::vector<std::wstring> pathLinesShown(HWND label);

}  // namespace torvexa::win32
