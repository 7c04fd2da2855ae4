#pragma once

// What the Windows view tests read off the native windows (texts, pictures), the message pump
// they run and the keys they press.

// The program first: Windows' macros must not reach its headers.
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "support/Scenario.h"
#include "view/win32/Keyboard.h"
#include "view/win32/Win32View.h"

namespace torvexa::test {

// Program text as the native controls must hold it: Windows-1252, converted by the system.
inline std::wstring expected(std::string_view text) {
    if (text.empty()) return {};
    const int length =
        MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), out.data(), length);
    return out;
}

// Whether a window has the visible style (its parent may still be hidden).
inline bool styleShown(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// A window's place in its parent's client area.
inline RECT inParent(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

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

// What a window shows, pixel by pixel.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    int count(COLORREF colour, RECT area) const {
        int found = 0;
        for (int y = std::max(0L, area.top); y < std::min<long>(height, area.bottom); ++y)
            for (int x = std::max(0L, area.left); x < std::min<long>(width, area.right); ++x)
                found += at(x, y) == colour;
        return found;
    }
    int count(COLORREF colour) const { return count(colour, {0, 0, width, height}); }

    void save(const std::filesystem::path& file) const {
        BITMAPFILEHEADER head{};
        BITMAPINFOHEADER info{sizeof info, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        const auto bytes = static_cast<DWORD>(pixels.size() * 4);
        head.bfType = 0x4D42;  // "BM"
        head.bfOffBits = sizeof head + sizeof info;
        head.bfSize = head.bfOffBits + bytes;
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(&head), sizeof head);
        out.write(reinterpret_cast<const char*>(&info), sizeof info);
        for (const COLORREF c : pixels) {
            const char bgra[4] = {static_cast<char>(GetBValue(c)), static_cast<char>(GetGValue(c)),
                                  static_cast<char>(GetRValue(c)), 0};
            out.write(bgra, 4);
        }
    }
};

// What a window shows: first painted anew, or, with `repaint` false, as its last paints left it.
inline Picture pictureOf(HWND window, bool repaint = true) {
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (repaint)
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT area{};
    GetClientRect(window, &area);
    Picture picture{area.right, area.bottom, {}};
    HDC screen = GetDC(window);
    HDC copy = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof info.bmiHeader, picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, picture.width, picture.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* bgra = static_cast<const BYTE*>(bits);
    for (int i = 0; i < picture.width * picture.height; ++i)
        picture.pixels.push_back(RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]));
    SelectObject(copy, old);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(window, screen);
    return picture;
}

// The message loop's menu keys, for every key the tests press.
inline win32::MenuKeys& loopMenuKeys() {
    static win32::MenuKeys keys;
    return keys;
}

// A key message as the message loop delivers it (win32::deliver), to the window with the focus.
inline void deliverKey(UINT message, WPARAM virtualKey, LPARAM repeatAndState) {
    HWND focus = GetFocus();
    if (!focus) return;
    MSG msg{focus, message, virtualKey, repeatAndState, 0, {}};
    win32::deliver(loopMenuKeys(), msg);
    pump();
}

// A key pressed and released, with Shift held or not.
inline void press(WPARAM virtualKey, bool shift = false) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    deliverKey(WM_KEYDOWN, virtualKey, 1);
    deliverKey(WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u));
}

// Alt pressed, `pressed` pressed and released while it is held (system keys, as Windows sends
// them), then Alt released: alone when `pressed` is empty.
inline void withAlt(std::initializer_list<WPARAM> pressed) {
    constexpr LPARAM kAltHeld = 1L << 29;
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    deliverKey(WM_SYSKEYDOWN, VK_MENU, kAltHeld | 1);
    for (const WPARAM key : pressed) {
        deliverKey(WM_SYSKEYDOWN, key, kAltHeld | 1);
        deliverKey(WM_SYSKEYUP, key, kAltHeld | static_cast<LPARAM>(0xC0000001u));
    }
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
    deliverKey(WM_SYSKEYUP, VK_MENU, static_cast<LPARAM>(0xC0000001u));
}

// The program started in German on the sample file, with its native windows.
class NativeView : public ::testing::Test {
  protected:
    NativeView() {
        s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
        s.installGame(Scenario::sampleConfig());
        s.start();
        view = std::make_unique<win32::Win32View>(s.program());
        pump();
    }
    ~NativeView() override { view.reset(); }

    HWND hwnd(const Control& control) const { return static_cast<HWND>(view->windowOf(control)); }
    // A menu item of the main window chosen, as Windows tells the window.
    void menuChoice(int title, int item) {
        HWND form = hwnd(s.form1());
        const UINT id = GetMenuItemID(GetSubMenu(GetMenu(form), title), item);
        SendMessageW(form, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        pump();
    }

    Scenario s;
    std::unique_ptr<win32::Win32View> view;
};

}  // namespace torvexa::test
