#pragma once

// The Windows view's mirror check: after every step of a flow, each native control must show
// what its control holds. The fixture starts the program in German on the sample file with
// its native windows, and sends what Windows sends for a person's input.

// The program first: Windows' macros must not reach its headers.
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/win32/WideText.h"
#include "support/Scenario.h"
#include "view/win32/GdiObjects.h"
#include "view/win32/Win32View.h"
#include "view/win32/WindowData.h"
#include "windows/view/NativeWindows.h"

namespace torvexa::test {

inline std::wstring comboItem(HWND combo, int i) {
    const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

inline std::wstring listRow(HWND list, int i) {
    const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Walks the controls and compares each with the native window that shows it.
class Mirror : public ControlVisitor {
  public:
    Mirror(const win32::Win32View& view, std::string step) : view_(view), step_(std::move(step)) {}
    const std::vector<std::string>& mismatches() const { return mismatches_; }

    void visit(Form& form) override {
        HWND window = common(form);
        same(form, "title", textOf(window), expected(form.caption()));
        if (HMENU bar = GetMenu(window)) menu(bar, *form.mainMenu());
        children(form);
    }
    void visit(Panel& panel) override {
        common(panel);
        children(panel);
    }
    void visit(GroupBox& group) override {
        common(group);
        children(group);
    }
    void visit(Label& label) override {
        if (!label.look().path) return captioned(label);
        // A path label holds the whole path as its text (what a screen reader reads).
        if (HWND window = common(label))
            same(label, "path", textOf(window), winsys::wideFromUtf8(label.caption()));
    }
    void visit(Shape& shape) override { common(shape); }
    void visit(CheckBox& box) override { marked(box, box.checked()); }
    void visit(RadioButton& radio) override { marked(radio, radio.checked()); }
    void visit(Button& button) override { captioned(button); }
    void visit(SpeedButton& button) override { common(button); }  // it paints its caption
    void visit(Edit& edit) override {
        same(edit, "text", textOf(common(edit)), expected(edit.text()));
    }
    void visit(UpDown& updown) override { common(updown); }
    void visit(ComboBox& combo) override {
        HWND window = common(combo);
        std::wstring items;
        std::wstring model;
        const auto count = SendMessageW(window, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i)
            items += L"[" + comboItem(window, i) + L"]";
        for (const std::string& item : combo.items())
            model += L"[" + expected(item) + L"]";
        same(combo, "items", items, model);
        same(combo, "selected item", static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0)),
             combo.itemIndex());
        if (combo.style() == ComboBox::Style::Editable)
            same(combo, "text", textOf(window), expected(combo.text()));
    }
    void visit(TrackBar& track) override {
        same(track, "position", static_cast<int>(SendMessageW(common(track), TBM_GETPOS, 0, 0)),
             track.position());
    }
    void visit(ListBox& list) override {
        HWND window = common(list);
        const Rows& rows = list.items();
        const auto count = static_cast<std::size_t>(SendMessageW(window, LB_GETCOUNT, 0, 0));
        same(list, "rows", static_cast<int>(count), static_cast<int>(rows.size()));
        for (std::size_t i = 0; i < std::min(count, rows.size()); ++i) {
            if (listRow(window, static_cast<int>(i)) != expected(rows[i])) {
                mismatch(list, "row " + std::to_string(i),
                         shown(listRow(window, static_cast<int>(i))), rows[i]);
                break;
            }
        }
        same(list, "selected row", static_cast<int>(SendMessageW(window, LB_GETCURSEL, 0, 0)),
             list.itemIndex());
    }
    void visit(MainMenu&) override {}
    void visit(MenuItem&) override {}

  private:
    void children(Control& parent) {
        for (Control* child : parent.children())
            child->accept(*this);
    }
    HWND common(Control& control) {
        HWND window = static_cast<HWND>(view_.windowOf(control));
        if (!window) {
            mismatch(control, "native window", "none", "one");
            return nullptr;
        }
        same(control, "shown", styleShown(window), control.visible());
        same(control, "enabled", IsWindowEnabled(window) != 0, control.enabled());
        return window;
    }
    void captioned(Control& control) {
        if (HWND window = common(control))
            same(control, "caption", textOf(window), expected(control.caption()));
    }
    void marked(Control& control, bool checked) {
        HWND window = common(control);
        same(control, "caption", textOf(window), expected(control.caption()));
        same(control, "checked", SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED, checked);
    }
    void menu(HMENU handle, Control& model) {
        int position = 0;
        for (Control* child : model.children()) {
            wchar_t text[128] = {};
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_STRING | MIIM_STATE | MIIM_SUBMENU;
            info.dwTypeData = text;
            info.cch = 127;
            GetMenuItemInfoW(handle, static_cast<UINT>(position++), TRUE, &info);
            same(*child, "menu caption", std::wstring(text), expected(child->caption()));
            same(*child, "menu enabled", (info.fState & MFS_DISABLED) == 0, child->enabled());
            if (info.hSubMenu) menu(info.hSubMenu, *child);
        }
    }
    template <typename T>
    void same(const Control& c, const std::string& what, const T& native, const T& model) {
        if (native == model) return;
        std::ostringstream n;
        std::ostringstream m;
        if constexpr (std::is_same_v<T, std::wstring>) {
            n << shown(native);
            m << shown(model);
        } else {
            n << native;
            m << model;
        }
        mismatch(c, what, n.str(), m.str());
    }
    void mismatch(const Control& c, const std::string& what, const std::string& native,
                  const std::string& model) {
        mismatches_.push_back(step_ + ": " + c.name() + ": " + what + " shows [" + native +
                              "], the model holds [" + model + "]");
    }

    const win32::Win32View& view_;
    std::string step_;
    std::vector<std::string> mismatches_;
};

class Win32ViewMirrorsModel : public NativeView {
  protected:
    Win32ViewMirrorsModel() { check("start"); }

    TForm1& f() { return s.form1(); }

    // A person's action as Windows delivers it, then a look at every window.
    void step(const std::string& name, const std::function<void()>& action) {
        action();
        check(name);
    }
    void check(const std::string& name) {
        pump();
        for (Form* form : s.program().forms()) {
            Mirror mirror(*view, name);
            form->accept(mirror);
            for (const std::string& m : mirror.mismatches())
                ADD_FAILURE() << m;
        }
    }

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
