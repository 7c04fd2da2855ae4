#pragma once

// What the Windows view tests read off the native windows, and the message pump they run.

// The program first: Windows' macros must not reach its headers.
#include "forms/Program.h"

#include <windows.h>

#include <string>

namespace torvexa::test {

// A window's text.
inline std::wstring textOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A text for a failure message: ASCII as it is, anything else as "?".
inline std::string shown(const std::wstring& text) {
    std::string out;
    for (const wchar_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

// Handles every message waiting, as the program's loop would.
inline void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace torvexa::test
