// Every caption and drop-down item in the native windows fits the room its control gives it,
// measured with GDI in the control's own font, in every shipped language at 96, 120, 144 and
// 192 dpi; a label that grows runs into no control beside it.

// The program first: Windows' macros must not reach its headers.
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <string>
#include <vector>

#include "support/CaptionFit.h"
#include "support/Scenario.h"
#include "view/win32/GdiObjects.h"
#include "view/win32/Win32View.h"
#include "windows/view/NativeWindows.h"

namespace torvexa {
namespace {

using test::expected;
using test::inParent;
using test::Scenario;

Rect rectOf(const RECT& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right - r.left),
            static_cast<int>(r.bottom - r.top)};
}

// How wide a text is drawn in a window's font, in the window's pixels; `prefix`: "&" marks an
// access key, as buttons and labels draw it.
int drawnWidth(HWND window, const std::string& text, bool prefix) {
    HDC dc = GetDC(window);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    const std::wstring wideText = expected(text);
    DrawTextW(dc, wideText.c_str(), static_cast<int>(wideText.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | (prefix ? 0 : DT_NOPREFIX));
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return r.right - r.left;
}

// How the native controls draw, measured with GDI in the control's own font: what a control
// takes for itself is a check box's or radio button's box (13 px) and gap, a button's edges, a
// group's caption inset; a drop-down's text has its field (GetComboBoxInfo) less its margins, an
// edit's and a list's their client area less their margins and a row's insets.
class Win32Widgets : public test::FitWidgets {
  public:
    Win32Widgets(const win32::Win32View& view, int dpi) : view_(view), dpi_(dpi) {}

    Rect at(const Control& control) const override { return rectOf(inParent(window(control))); }
    int captionWidth(const Control& control) const override {
        return drawnWidth(window(control), control.caption(), true);
    }
    int textWidth(const Control& control, const std::string& text) const override {
        return drawnWidth(window(control), text, false);
    }
    int room(const Control& control) const override {
        HWND w = window(control);
        RECT client{};
        GetClientRect(w, &client);
        if (dynamic_cast<const CheckBox*>(&control) || dynamic_cast<const RadioButton*>(&control))
            return client.right - scaled(13 + 4);
        if (dynamic_cast<const Button*>(&control)) return client.right - scaled(6);
        if (dynamic_cast<const SpeedButton*>(&control)) return client.right - scaled(4);
        if (dynamic_cast<const GroupBox*>(&control)) return client.right - scaled(16);
        if (dynamic_cast<const ListBox*>(&control)) return client.right - scaled(4);
        if (dynamic_cast<const Edit*>(&control)) return client.right - margins(w);
        if (dynamic_cast<const ComboBox*>(&control)) {
            COMBOBOXINFO parts{};
            parts.cbSize = sizeof parts;
            GetComboBoxInfo(w, &parts);
            return parts.rcItem.right - parts.rcItem.left - scaled(4) -
                   (parts.hwndItem ? margins(parts.hwndItem) : 0);
        }
        return client.right;
    }
    int scaled(int layoutPixels) const override { return MulDiv(layoutPixels, dpi_, 96); }

  private:
    HWND window(const Control& control) const { return static_cast<HWND>(view_.windowOf(control)); }
    static int margins(HWND edit) {
        const auto both = SendMessageW(edit, EM_GETMARGINS, 0, 0);
        return LOWORD(both) + HIWORD(both);
    }

    const win32::Win32View& view_;
    int dpi_;
};

// Every shipped language at 96, 120, 144 and 192 dpi: each window is told its dpi as Windows
// tells a window moved to a monitor of that scale.
class Win32CaptionsFit : public ::testing::TestWithParam<std::string> {};

TEST_P(Win32CaptionsFit, InEveryWindowAfterALoadAtEveryDpi) {
    const std::string& language = GetParam();
    Scenario s;
    s.rememberLanguage(Scenario::shippedLanguage(language));
    s.installGame(Scenario::sampleConfig());
    s.start();
    win32::Win32View view(s.program());
    s.user([&] { s.form1().Laden1.click(); });
    // Every slider at its end, so that the numbers beside them are their widest.
    for (TrackBar* slider : {&s.form1().TrackBar1, &s.form1().TrackBar2, &s.form1().TrackBar3,
                             &s.program().form3().TrackBar1})
        s.user([&] { slider->scroll(slider->max()); });
    for (const int dpi : {96, 120, 144, 192}) {
        // Wine draws the parts of the system's controls (a drop-down's arrow) by the system's
        // dpi whatever the window's, so below it their room is Wine's, not Windows'.
        if (dpi < win32::systemDpi()) continue;
        for (Form* form : s.program().forms()) {
            HWND window = static_cast<HWND>(view.windowOf(*form));
            RECT r{};
            GetWindowRect(window, &r);
            SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
        }
        const Win32Widgets widgets(view, dpi);
        for (Form* form : s.program().forms()) {
            test::CaptionFit fit(widgets, language + " at " + std::to_string(dpi) + " dpi");
            form->accept(fit);
            for (const std::string& cut : fit.cut())
                ADD_FAILURE() << cut;
        }
        // The line numbers share the comments' scroll bar.
        EXPECT_FALSE(
            GetWindowLongW(static_cast<HWND>(view.windowOf(s.form1().ListBox5)), GWL_STYLE) &
            WS_VSCROLL);
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, Win32CaptionsFit,
                         ::testing::ValuesIn(test::shippedLanguageFiles()), [](const auto& file) {
                             return file.param.substr(0, file.param.find('.'));
                         });

}  // namespace
}  // namespace torvexa
