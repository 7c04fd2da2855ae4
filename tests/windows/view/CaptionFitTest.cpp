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

#include "support/LabelRoom.h"
#include "support/Scenario.h"
#include "view/win32/GdiObjects.h"
#include "view/win32/Win32View.h"
#include "windows/view/NativeWindows.h"

namespace torvexa {
namespace {

using test::expected;
using test::inParent;
using test::Scenario;
using test::styleShown;

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

// Every caption and drop-down item fits its control, measured with the control's own font
// (GDI's text measurement); a label that grows runs into no control beside it. What a control
// takes for itself: a check box's or radio button's box (13 px) and gap, a button's edges; a
// drop-down's text has its field (GetComboBoxInfo) less the field's margins.
class Win32Fit : public ControlVisitor {
  public:
    Win32Fit(const win32::Win32View& view, std::string language, int dpi)
        : view_(view), language_(std::move(language)), dpi_(dpi) {}
    const std::vector<std::string>& cut() const { return cut_; }

    void visit(Form& form) override { children(form); }
    void visit(Panel& panel) override { children(panel); }
    void visit(GroupBox& group) override {
        fits(group, group.caption(), true, scaled(16));
        children(group);
    }
    void visit(Label& label) override {
        HWND w = window(label);
        if (label.look().wordWrap) return;  // wraps within its box
        if (label.look().fixedSize) {
            fits(label, label.caption(), true, 0);
            return;
        }
        const Rect mine = rectOf(inParent(w));
        const int right = mine.left + drawnWidth(w, label.caption(), true);
        const int gap = scaled(test::kLabelGap);
        for (HWND other = GetWindow(GetParent(w), GW_CHILD); other;
             other = GetWindow(other, GW_HWNDNEXT)) {
            if (other == w || !styleShown(other)) continue;  // its page may be hidden
            const Rect r = rectOf(inParent(other));
            if (test::runsInto(mine, right, r, gap))
                report(label, "runs into the control at " + std::to_string(r.left), right + gap,
                       r.left);
        }
    }
    void visit(Shape&) override {}
    void visit(CheckBox& box) override { fits(box, box.caption(), true, scaled(13 + 4)); }
    void visit(RadioButton& radio) override { fits(radio, radio.caption(), true, scaled(13 + 4)); }
    void visit(Button& button) override { fits(button, button.caption(), true, scaled(6)); }
    void visit(SpeedButton& button) override { fits(button, button.caption(), true, scaled(4)); }
    // A number field shows the largest number its up-down gives it whole.
    void visit(Edit& edit) override {
        if (!edit.upDown()) return;
        HWND w = window(edit);
        RECT client{};
        GetClientRect(w, &client);
        const auto margins = SendMessageW(w, EM_GETMARGINS, 0, 0);
        const int room = client.right - LOWORD(margins) - HIWORD(margins);
        const std::string widest = std::to_string(edit.upDown()->max());
        const int needed = drawnWidth(w, widest, false);
        if (needed > room) report(edit, "\"" + widest + "\"", needed, room);
    }
    void visit(UpDown&) override {}
    void visit(ComboBox& combo) override {
        // The field that shows the chosen item, less the margins its text keeps.
        HWND w = window(combo);
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        GetComboBoxInfo(w, &parts);
        int room = parts.rcItem.right - parts.rcItem.left - scaled(4);
        if (parts.hwndItem) {
            const auto margins = SendMessageW(parts.hwndItem, EM_GETMARGINS, 0, 0);
            room -= LOWORD(margins) + HIWORD(margins);
        }
        for (const std::string& item : combo.items()) {
            const int needed = drawnWidth(w, item, false);
            if (needed > room) report(combo, "\"" + item + "\"", needed, room);
        }
    }
    void visit(TrackBar&) override {}
    // The line numbers of a file of a million lines fit their column, which shares the
    // comments' scroll bar.
    void visit(ListBox& list) override {
        if (list.name() != "ListBox5") return;
        HWND w = window(list);
        if (GetWindowLongW(w, GWL_STYLE) & WS_VSCROLL) report(list, "its own scroll bar", 1, 0);
        RECT client{};
        GetClientRect(w, &client);
        const int needed = drawnWidth(w, "999999", false) + scaled(4);  // a row's text insets
        if (needed > client.right) report(list, "\"999999\"", needed, client.right);
    }
    void visit(MainMenu&) override {}
    void visit(MenuItem&) override {}

  private:
    int scaled(int pixels) const { return MulDiv(pixels, dpi_, 96); }
    HWND window(const Control& control) const { return static_cast<HWND>(view_.windowOf(control)); }
    void children(Control& parent) {
        for (Control* child : parent.children())
            child->accept(*this);
    }
    void fits(const Control& control, const std::string& text, bool prefix, int taken) {
        HWND w = window(control);
        RECT client{};
        GetClientRect(w, &client);
        const int room = client.right - taken;
        const int needed = drawnWidth(w, text, prefix);
        if (needed > room) report(control, "\"" + text + "\"", needed, room);
    }
    void report(const Control& control, const std::string& what, int needed, int room) {
        cut_.push_back(language_ + ": " + control.name() + ": " + what + " needs " +
                       std::to_string(needed) + " px, has " + std::to_string(room));
    }

    const win32::Win32View& view_;
    std::string language_;
    int dpi_;
    std::vector<std::string> cut_;
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
        for (Form* form : s.program().forms()) {
            Win32Fit fit(view, language + " at " + std::to_string(dpi) + " dpi", dpi);
            form->accept(fit);
            for (const std::string& cut : fit.cut())
                ADD_FAILURE() << cut;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, Win32CaptionsFit,
                         ::testing::ValuesIn(test::shippedLanguageFiles()), [](const auto& file) {
                             return file.param.substr(0, file.param.find('.'));
                         });

}  // namespace
}  // namespace torvexa
