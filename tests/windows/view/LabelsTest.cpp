// Labels on the native windows: the Info page's path in its place, whatever the prefix or user
// name, and a label that lies on a check box's row stays visible when the box takes the focus.

// The program first: Windows' macros must not reach its headers.
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which they need
#include <commctrl.h>

#include "platform/win32/WideText.h"
#include "view/win32/TextDrawing.h"
#include "windows/view/NativeWindows.h"

namespace torvexa {
namespace {

using test::pictureOf;
using test::pump;
using test::textOf;

class Labels : public test::NativeView {
  protected:
    // At a dpi as Windows tells a window moved to a monitor of that scale.
    void atDpi(int dpi) {
        HWND main = hwnd(s.form1());
        RECT frame{};
        GetWindowRect(main, &frame);
        frame.right = frame.left + MulDiv(s.form1().bounds().width + 16, dpi, 96);
        frame.bottom = frame.top + MulDiv(s.form1().bounds().height + 60, dpi, 96);
        SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
        pump();
    }
};

// The tooltip that shows for a window: every tooltip of this thread is asked for its tool.
struct TooltipSearch {
    HWND tool;
    std::wstring text;
};
BOOL CALLBACK askTooltip(HWND top, LPARAM data) {
    auto& search = *reinterpret_cast<TooltipSearch*>(data);
    wchar_t kind[64] = {};
    GetClassNameW(top, kind, 64);
    if (std::wstring(kind) != TOOLTIPS_CLASSW) return TRUE;
    wchar_t text[1024] = {};
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetParent(search.tool);
    tool.uId = reinterpret_cast<UINT_PTR>(search.tool);
    tool.lpszText = text;
    if (!SendMessageW(top, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) return TRUE;
    SendMessageW(top, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&tool));
    search.text = text;
    return FALSE;
}
std::wstring tooltipOf(HWND window) {
    TooltipSearch search{window, {}};
    EnumThreadWindows(GetCurrentThreadId(), askTooltip, reinterpret_cast<LPARAM>(&search));
    return search.text;
}

// Broken only after "\", never more lines than the place holds, the drive first and the file
// name last; the whole path is what a screen reader reads and what the tooltip shows.
TEST_F(Labels, TheInfoPagesPathKeepsItsDriveAndItsFileNameAt100And200Percent) {
    const std::string paths[] = {
        "C:\\Users\\Maximilianeoberhuber\\AppData\\Local\\VirtualStore\\Program Files (x86)\\"
        "Infogrames\\Grand Prix 4\\f1graphics.cfg",
        "C:\\Program Files (x86)\\Steam\\steamapps\\common\\2387180837\\Infogrames Entertainment"
        "\\Grand Prix 4\\f1graphics.cfg",
        // A game's folder wider than the place: it breaks after its blanks, and stays.
        "C:\\Program Files\\Infogrames Juegos\\Grand Prix 4 Edici\xC3\xB3n Coleccionista\\"
        "f1graphics.cfg",
    };
    HWND label = hwnd(s.form1().ConfigPathLabel);
    for (const int dpi : {96, 192}) {
        atDpi(dpi);
        for (const std::string& path : paths) {
            s.user([&] { s.form1().ConfigPathLabel.setCaption(path); });
            pump();
            const std::wstring whole = winsys::wideFromUtf8(path);
            const std::vector<std::wstring> lines = win32::pathLinesShown(label);
            ASSERT_FALSE(lines.empty());
            EXPECT_TRUE(lines.front().starts_with(L"C:\\")) << test::shown(lines.front());
            EXPECT_EQ(lines.back(), L"f1graphics.cfg") << dpi;
            std::wstring aboveTheFile;
            for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
                EXPECT_TRUE(lines[i].back() == L'\\' || lines[i].back() == L' ')
                    << "broken inside a word: " << test::shown(lines[i]);
                aboveTheFile += lines[i];
            }
            const std::wstring game = whole.substr(0, whole.rfind(L'\\') + 1);
            EXPECT_TRUE(aboveTheFile.ends_with(game.substr(game.rfind(L'\\', game.size() - 2) + 1)))
                << "the game's folder is left out at " << dpi << ": " << test::shown(aboveTheFile);
            HDC dc = GetDC(label);
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc, &metrics);
            ReleaseDC(label, dc);
            RECT place{};
            GetClientRect(label, &place);
            EXPECT_LE(static_cast<long>(lines.size()) * metrics.tmHeight, place.bottom) << dpi;
            EXPECT_EQ(textOf(label), whole);
            std::wstring tip = tooltipOf(label);
            for (auto end = tip.find(L"\r\n"); end != std::wstring::npos; end = tip.find(L"\r\n")) {
                EXPECT_EQ(tip[end - 1], L'\\') << "the tooltip breaks inside a name";
                tip.erase(end, 2);
            }
            EXPECT_EQ(tip, whole);
        }
    }
}

// "(93/94)" lies on the row of the check box before it; the box's focus mark must not paint
// over it.
TEST_F(Labels, ALabelOnACheckBoxsRowStaysVisibleWhenTheBoxTakesTheFocus) {
    TForm1& f = s.form1();
    s.user([&] { f.Laden1.click(); });
    s.user([&] { f.SpeedButton4.click(); });  // "Allgemein"
    HWND main = hwnd(f);
    SetForegroundWindow(main);
    RECT label{};
    GetWindowRect(hwnd(f.Label37), &label);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&label), 2);
    const auto ink = [&](const test::Picture& picture) {
        return picture.count(RGB(0, 0, 0), label);
    };
    const int before = ink(pictureOf(main));
    ASSERT_GT(before, 10) << "\"(93/94)\" is not drawn at all";
    SetFocus(hwnd(f.CheckBox12));
    pump();
    EXPECT_EQ(ink(pictureOf(main, false)), before) << "the check box painted over \"(93/94)\"";
}

}  // namespace
}  // namespace torvexa
