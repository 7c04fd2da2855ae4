#pragma once

// The Windows view's mirror check: after every step of a flow, each native control must show
// what its control holds (support/Mirror.h; here, how to read a native window). The fixture
// starts the program in German on the sample file with its native windows, and sends what
// Windows sends for a person's input.

// The program first: Windows' macros must not reach its headers.
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/WideText.h"
#include "support/Mirror.h"
#include "support/MirrorCases.h"
#include "support/Scenario.h"
#include "view/win32/GdiObjects.h"
#include "view/win32/Win32View.h"
#include "view/win32/WindowData.h"
#include "windows/view/NativeWindows.h"

namespace torvexa::test {

inline std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length,
                        nullptr, nullptr);
    return out;
}

// Every item of a drop-down or row of a list, by the messages that count them and ask for each
// one's length and text.
inline std::vector<std::string> itemsOf(HWND window, UINT count, UINT length, UINT text) {
    std::vector<std::string> shown;
    const auto items = SendMessageW(window, count, 0, 0);
    for (int i = 0; i < items; ++i) {
        std::wstring item(
            static_cast<std::size_t>(SendMessageW(window, length, static_cast<WPARAM>(i), 0)) + 1,
            L'\0');
        item.resize(static_cast<std::size_t>(SendMessageW(window, text, static_cast<WPARAM>(i),
                                                          reinterpret_cast<LPARAM>(item.data()))));
        shown.push_back(utf8(item));
    }
    return shown;
}

// What a native window shows, read by Windows' rules: a control's caption (buttons, check
// boxes, labels, a group box's frame and a flat button paint it so) and a menu item's draw "&x"
// as an underlined x and "&&" as "&"; a title, a field, an item and a row as they stand.
class Win32Widgets : public MirrorWidgets {
  public:
    Win32Widgets(const win32::Win32View& view, std::function<int(const Form&)> dpi)
        : view_(view), dpi_(std::move(dpi)) {}

    bool exists(const Control& control) const override {
        if (const auto* item = dynamic_cast<const MenuItem*>(&control))
            return menuEntry(*item).found;
        return window(control) != nullptr;
    }
    bool shown(const Control& control) const override { return styleShown(window(control)); }
    bool enabled(const Control& control) const override {
        if (const auto* item = dynamic_cast<const MenuItem*>(&control))
            return menuEntry(*item).enabled;
        return IsWindowEnabled(window(control)) != 0;
    }
    std::optional<Rect> place(const Control& control) const override {
        RECT r{};
        GetWindowRect(window(control), &r);
        MapWindowPoints(nullptr, window(formOf(control)), reinterpret_cast<POINT*>(&r), 2);
        return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    double scaleOf(const Form& form) const override { return dpi_(form) / 96.0; }
    std::string caption(const Control& control) const override {
        if (const auto* item = dynamic_cast<const MenuItem*>(&control))
            return withoutAccessMarks(utf8(menuEntry(*item).text));
        const std::string text = utf8(textOf(window(control)));
        return dynamic_cast<const Form*>(&control) ? text : withoutAccessMarks(text);
    }
    bool checked(const Control& control) const override {
        return SendMessageW(window(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    std::string text(const Control& control) const override {
        return utf8(textOf(window(control)));
    }
    std::vector<std::string> items(const ComboBox& combo) const override {
        return itemsOf(window(combo), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
    }
    int selected(const Control& control) const override {
        const UINT message = dynamic_cast<const ListBox*>(&control) ? LB_GETCURSEL : CB_GETCURSEL;
        return static_cast<int>(SendMessageW(window(control), message, 0, 0));
    }
    int position(const TrackBar& track) const override {
        return static_cast<int>(SendMessageW(window(track), TBM_GETPOS, 0, 0));
    }
    std::vector<std::string> rows(const ListBox& list) const override {
        return itemsOf(window(list), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
    }
    int firstRowShown(const ListBox& list) const override {
        return static_cast<int>(SendMessageW(window(list), LB_GETTOPINDEX, 0, 0));
    }

  private:
    struct MenuEntry {
        bool found = false;
        bool enabled = false;
        std::wstring text;
        HMENU submenu = nullptr;
    };
    HWND window(const Control& control) const { return static_cast<HWND>(view_.windowOf(control)); }
    // A menu item by its place among its parent's items, in its parent's menu.
    MenuEntry menuEntry(const MenuItem& item) const {
        const Control& parent = *item.parent();
        HMENU menu = nullptr;
        if (const auto* up = dynamic_cast<const MenuItem*>(&parent))
            menu = menuEntry(*up).submenu;
        else
            menu = GetMenu(window(formOf(item)));
        const auto& siblings = parent.children();
        const auto position = std::find(siblings.begin(), siblings.end(), &item) - siblings.begin();
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_STATE | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 127;
        if (!menu || !GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return {};
        return {true, (info.fState & MFS_DISABLED) == 0, text, info.hSubMenu};
    }

    const win32::Win32View& view_;
    std::function<int(const Form&)> dpi_;
};

class Win32ViewMirrorsModel : public NativeView, public MirrorFlow {
  protected:
    Win32ViewMirrorsModel() { check("start"); }

    TForm1& f() { return s.form1(); }
    Scenario& scenario() override { return s; }
    void userStep(const std::string& name, const std::function<void()>& action) override {
        s.user(action);
        check(name);
    }

    // A person's action as Windows delivers it, then a look at every window.
    void step(const std::string& name, const std::function<void()>& action) {
        action();
        check(name);
    }
    void check(const std::string& name) {
        pump();
        const Win32Widgets widgets(*view, [this](const Form& form) {
            const auto moved = dpis.find(&form);
            return moved == dpis.end() ? win32::systemDpi() : moved->second;
        });
        for (Form* form : s.program().forms()) {
            Mirror mirror(widgets, name);
            form->accept(mirror);
            for (const std::string& m : mirror.mismatches())
                ADD_FAILURE() << m;
        }
    }
    // The dpi of the monitor a window was moved to (WM_DPICHANGED); the system's for every other.
    std::map<const Form*, int> dpis;

    // ---- What Windows sends for a person's input.
    static void mouseClick(HWND window, int x, int y) {
        const LPARAM at = MAKELPARAM(x, y);
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(window, WM_LBUTTONUP, 0, at);
    }
    static void key(HWND window, WPARAM virtualKey) {
        SendMessageW(window, WM_KEYDOWN, virtualKey, 0);
        SendMessageW(window, WM_KEYUP, virtualKey, 0);
    }
    static void typeText(HWND window, const std::wstring& text) {
        for (const wchar_t c : text)
            SendMessageW(window, WM_CHAR, c, 0);
    }
    // A key as the message loop delivers it: through the dialog manager of the focus's window.
    static void press(WPARAM virtualKey, bool shift = false) { test::press(virtualKey, shift); }
    // The control that has the keyboard's focus, by name (a drop-down's by its field's).
    std::string focused() {
        HWND focus = GetFocus();
        if (focus && !win32::bindingOf(focus) && win32::bindingOf(GetParent(focus)))
            focus = GetParent(focus);
        for (Form* form : s.program().forms()) {
            std::string name;
            find(*form, focus, name);
            if (!name.empty()) return name;
        }
        return focus ? "(another window)" : "(none)";
    }
    void find(Control& control, HWND window, std::string& name) const {
        if (hwnd(control) == window) name = control.name();
        for (Control* child : control.children())
            find(*child, window, name);
    }
    void click(const Control& control) { SendMessageW(hwnd(control), BM_CLICK, 0, 0); }
    void clickFlat(const Control& control) { mouseClick(hwnd(control), 4, 4); }
    // Opens the drop-down's list and clicks item `item` in it.
    void pickWithMouse(const ComboBox& combo, int item) {
        HWND window = hwnd(combo);
        SendMessageW(window, CB_SHOWDROPDOWN, TRUE, 0);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(window, &info);
        RECT row{};
        SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(&row));
        mouseClick(info.hwndList, row.left + 2, row.top + 2);
        pump();
    }
    // Counts the runs of the control's change handler from here on.
    int* countRuns(ComboBox& combo) {
        auto runs = std::make_shared<int>(0);
        combo.OnChange = [runs, handler = combo.OnChange] {
            ++*runs;
            handler();
        };
        counters.push_back(runs);
        return runs.get();
    }

    std::vector<std::shared_ptr<int>> counters;
};

}  // namespace torvexa::test
