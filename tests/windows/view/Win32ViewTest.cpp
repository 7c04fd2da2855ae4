// The real Windows view over the headless-started program, under Wine: a person's actions are
// the messages Windows sends for them, and after every step each native control must show what
// its control holds.

// The program first: Windows' macros must not reach its headers.
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <cmath>
#include <functional>
#include <future>
#include <sstream>
#include <thread>
#include <tuple>

#include "platform/win32/WideText.h"
#include "support/Scenario.h"
#include "view/win32/GdiObjects.h"
#include "view/win32/Win32Dialogs.h"
#include "view/win32/Win32View.h"
#include "windows/view/NativeWindows.h"

namespace torvexa {
namespace {

using test::pump;
using test::Scenario;
using test::shown;
using test::textOf;

// Program text as the native controls must hold it: Windows-1252, converted by the system.
std::wstring expected(std::string_view text) {
    if (text.empty()) return {};
    const int length =
        MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), out.data(), length);
    return out;
}

std::wstring comboItem(HWND combo, int i) {
    const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::wstring listRow(HWND list, int i) {
    const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

bool styleShown(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

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

class Win32ViewMirrorsModel : public ::testing::Test {
  protected:
    Win32ViewMirrorsModel() {
        s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
        s.installGame(Scenario::sampleConfig());
        s.start();
        view = std::make_unique<win32::Win32View>(s.program());
        check("start");
    }
    ~Win32ViewMirrorsModel() override { view.reset(); }

    TForm1& f() { return s.form1(); }
    HWND hwnd(const Control& control) const { return static_cast<HWND>(view->windowOf(control)); }

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
    // The control that has the keyboard's focus, by name.
    std::string focused() const {
        HWND focus = GetFocus();
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
    void menuChoice(int title, int item) {
        HWND form = hwnd(f());
        const UINT id = GetMenuItemID(GetSubMenu(GetMenu(form), title), item);
        SendMessageW(form, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    }
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

    mutable Scenario s;
    std::unique_ptr<win32::Win32View> view;
    std::vector<std::shared_ptr<int>> counters;
};

TEST_F(Win32ViewMirrorsModel, LoadingAndEditingByHand) {
    step("load the sample", [&] { menuChoice(0, 0); });
    step("show the manual page", [&] { clickFlat(f().SpeedButton9); });
    step("select row 5", [&] {
        RECT row{};
        SendMessageW(hwnd(f().ListBox1), LB_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&row));
        mouseClick(hwnd(f().ListBox1), row.left + 2, row.top + 2);
    });
    step("type a value", [&] {
        SendMessageW(hwnd(f().edit1), EM_SETSEL, 0, -1);
        typeText(hwnd(f().edit1), L"3");
    });
    step("apply it", [&] { clickFlat(f().SpeedButton10); });
    EXPECT_EQ(f().document().value(5), "3");
}

TEST_F(Win32ViewMirrorsModel, SettingsByMouseAndKeyboard) {
    step("load", [&] { menuChoice(0, 0); });
    step("show Allgemein", [&] { clickFlat(f().SpeedButton4); });
    step("untick 32 bit", [&] { click(f().CheckBox1); });
    EXPECT_EQ(f().document().value(3), "0");
    step("type into the reflections drop-down", [&] {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(hwnd(f().ComboBox3), &info);
        SendMessageW(info.hwndItem, EM_SETSEL, 0, -1);
        typeText(info.hwndItem, L"Prozessor");
    });
    EXPECT_EQ(f().document().value(53), "2");  // the text matched an item exactly
    // The up-down's native step is refused and the model steps instead; the edit field's
    // change that follows is the model's own, not a second person's action.
    int edits = 0;
    f().Edit3.OnChange = [&, handler = f().Edit3.OnChange] {
        ++edits;
        handler();
    };
    step("the up-down steps up", [&] { mouseClick(hwnd(f().UpDown1), 2, 2); });
    EXPECT_EQ(f().document().value(27), "3");
    EXPECT_EQ(edits, 1);
    step("type the highest number", [&] {
        SendMessageW(hwnd(f().Edit3), EM_SETSEL, 0, -1);
        typeText(hwnd(f().Edit3), L"100");
    });
    EXPECT_EQ(edits, 4);
    step("the up-down cannot go higher", [&] { mouseClick(hwnd(f().UpDown1), 2, 2); });
    EXPECT_EQ(f().Edit3.text(), "100");
    EXPECT_EQ(edits, 4);
    step("show Objekte", [&] { clickFlat(f().SpeedButton6); });
    step("slider one step right", [&] { key(hwnd(f().TrackBar1), VK_RIGHT); });
    step("show Grafikqualitaet", [&] { clickFlat(f().SpeedButton5); });
    step("pick a resolution", [&] { pickWithMouse(f().aufloesung, 0); });
    EXPECT_EQ(f().document().value(1) + "x" + f().document().value(2), "800x600");
}

TEST_F(Win32ViewMirrorsModel, EveryPickRunsItsHandlerOnce) {
    step("load", [&] { menuChoice(0, 0); });
    step("show Objekte", [&] { clickFlat(f().SpeedButton6); });
    int* runs = countRuns(f().ComboBox4);
    step("pick with the mouse", [&] { pickWithMouse(f().ComboBox4, 2); });
    EXPECT_EQ(*runs, 1);
    EXPECT_EQ(f().document().value(51), "2");
    step("pick the item shown", [&] { pickWithMouse(f().ComboBox4, 2); });
    EXPECT_EQ(*runs, 2);
    step("arrow up with the list closed", [&] { key(hwnd(f().ComboBox4), VK_UP); });
    EXPECT_EQ(*runs, 3);
    EXPECT_EQ(f().document().value(51), "1");
    step("arrow and Enter with the list open", [&] {
        SendMessageW(hwnd(f().ComboBox4), CB_SHOWDROPDOWN, TRUE, 0);
        key(hwnd(f().ComboBox4), VK_DOWN);
        key(hwnd(f().ComboBox4), VK_RETURN);
    });
    EXPECT_EQ(*runs, 4);
    EXPECT_EQ(f().document().value(51), "2");
    step("arrow and Esc with the list open", [&] {
        SendMessageW(hwnd(f().ComboBox4), CB_SHOWDROPDOWN, TRUE, 0);
        key(hwnd(f().ComboBox4), VK_UP);
        key(hwnd(f().ComboBox4), VK_ESCAPE);
    });
    EXPECT_EQ(*runs, 4);
    EXPECT_EQ(f().document().value(51), "2");

    int* typed = countRuns(f().ComboBox2);
    step("show Grafikqualitaet", [&] { clickFlat(f().SpeedButton5); });
    step("type a distance", [&] {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(hwnd(f().ComboBox2), &info);
        SendMessageW(info.hwndItem, EM_SETSEL, 0, -1);
        typeText(info.hwndItem, L"250");
    });
    EXPECT_EQ(*typed, 3);  // one run a key
    EXPECT_EQ(f().document().value(101), "250");
}

TEST_F(Win32ViewMirrorsModel, TheMainWindowByKeyboard) {
    step("load", [&] { menuChoice(0, 0); });
    SetForegroundWindow(hwnd(f()));
    SetFocus(nullptr);
    const auto keys = [&](const std::string& name, std::initializer_list<WPARAM> pressed,
                          bool shift = false) {
        step(name, [&] {
            for (const WPARAM key : pressed)
                press(key, shift);
        });
    };
    SetFocus(hwnd(f().SpeedButton4));
    EXPECT_EQ(focused(), "SpeedButton4");
    keys("Enter on Allgemein", {VK_RETURN});
    EXPECT_TRUE(f().Panel1.visible());
    keys("Tab to the first check box", {VK_TAB, VK_TAB, VK_TAB, VK_TAB});
    EXPECT_EQ(focused(), "CheckBox3");
    keys("Space ticks it off", {VK_SPACE});
    EXPECT_EQ(f().document().value(0), "0");
    keys("back to the manual page's button", {VK_TAB}, true);
    EXPECT_EQ(focused(), "SpeedButton9");
    keys("Space opens the manual page", {VK_SPACE});
    EXPECT_TRUE(f().Panel2.visible());

    std::vector<std::string> order;
    for (int i = 0; i < 6; ++i) {
        keys("Tab on the manual page", {VK_TAB});
        order.push_back(focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"ListBox1", "ListBox4", "ListBox5", "edit1", "edit2",
                                               "SpeedButton10"}));
    order.clear();
    for (int i = 0; i < 3; ++i) {
        keys("Shift+Tab on the manual page", {VK_TAB}, true);
        order.push_back(focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"edit2", "edit1", "ListBox5"}));

    // A page shown with the mouse while the focus is on the hidden one: Tab goes on.
    step("Allgemein by mouse", [&] { clickFlat(f().SpeedButton4); });
    keys("Tab after the switch", {VK_TAB});
    HWND focus = GetFocus();
    EXPECT_TRUE(focus && IsWindowVisible(focus)) << focused();
}

TEST_F(Win32ViewMirrorsModel, ThePresetDialogByKeyboard) {
    step("load", [&] { menuChoice(0, 0); });
    const auto keys = [&](const std::string& name, std::initializer_list<WPARAM> pressed) {
        step(name, [&] {
            for (const WPARAM key : pressed)
                press(key);
        });
    };
    // Arrows choose, Tab reaches the buttons, Enter presses.
    step("open the presets", [&] { menuChoice(1, 2); });
    TForm2& presets = s.program().form2();
    SetForegroundWindow(hwnd(presets));
    SetFocus(hwnd(presets.RadioButton1));
    keys("arrow down in the presets", {VK_DOWN});
    EXPECT_TRUE(presets.RadioButton2.checked());
    EXPECT_EQ(focused(), "RadioButton2");
    keys("Tab to the buttons", {VK_TAB});
    EXPECT_EQ(focused(), "SpeedButton2");
    keys("Tab to apply", {VK_TAB});
    EXPECT_EQ(focused(), "SpeedButton1");
    keys("Enter applies", {VK_RETURN});
    EXPECT_FALSE(presets.visible());
    EXPECT_EQ(f().document().value(25), "1");  // preset 2's line 25
}

TEST_F(Win32ViewMirrorsModel, TheManualPagesListsMoveTogetherByBarWheelAndKeys) {
    step("load", [&] { menuChoice(0, 0); });
    step("show the manual page", [&] { clickFlat(f().SpeedButton9); });
    const auto tops = [&] {
        std::vector<int> shown;
        for (const ListBox* list : {&f().ListBox5, &f().ListBox1, &f().ListBox4})
            shown.push_back(static_cast<int>(SendMessageW(hwnd(*list), LB_GETTOPINDEX, 0, 0)));
        return shown;
    };
    step("ten rows down by the comments' bar", [&] {
        for (int i = 0; i < 10; ++i)
            SendMessageW(hwnd(f().ListBox4), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    });
    EXPECT_EQ(tops(), std::vector<int>(3, 10));
    step("the wheel over the numbers", [&] {
        RECT r{};
        GetWindowRect(hwnd(f().ListBox5), &r);
        SendMessageW(hwnd(f().ListBox5), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA),
                     MAKELPARAM(r.left + 4, r.top + 4));
    });
    EXPECT_GT(tops()[0], 10);
    EXPECT_EQ(tops(), std::vector<int>(3, tops()[0]));
    const int wheeled = tops()[1];
    step("a row of the values chosen, then Page Down twice", [&] {
        RECT row{};
        SendMessageW(hwnd(f().ListBox1), LB_GETITEMRECT, static_cast<WPARAM>(wheeled + 1),
                     reinterpret_cast<LPARAM>(&row));
        mouseClick(hwnd(f().ListBox1), row.left + 2, row.top + 2);
        key(hwnd(f().ListBox1), VK_NEXT);
        key(hwnd(f().ListBox1), VK_NEXT);
    });
    EXPECT_GT(tops()[1], wheeled);
    EXPECT_EQ(tops(), std::vector<int>(3, tops()[1]));
}

TEST_F(Win32ViewMirrorsModel, TypingThatTheFileCannotTakeIsNotWritten) {
    step("load", [&] { menuChoice(0, 0); });
    step("show Allgemein", [&] { clickFlat(f().SpeedButton4); });
    if (!f().CheckBox20.checked()) step("tick CheckBox20", [&] { click(f().CheckBox20); });
    const std::string before = f().document().serialize();
    const std::string number = f().document().value(27);
    step("a letter after the number", [&] {
        SendMessageW(hwnd(f().Edit3), EM_SETSEL, 0, -1);
        SendMessageW(hwnd(f().Edit3), EM_SETSEL, static_cast<WPARAM>(-1), -1);
        typeText(hwnd(f().Edit3), L"a");
    });
    EXPECT_EQ(f().Edit3.text(), number);
    step("show Grafikqualitaet", [&] { clickFlat(f().SpeedButton5); });
    const std::string resolution = f().aufloesung.text();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(hwnd(f().aufloesung), &info);
    step("type big into the resolution", [&] {
        SetFocus(info.hwndItem);
        SendMessageW(info.hwndItem, EM_SETSEL, 0, -1);
        typeText(info.hwndItem, L"big");
    });
    step("leave it", [&] { SetFocus(hwnd(f().ComboBox2)); });
    EXPECT_EQ(f().aufloesung.text(), resolution);
    EXPECT_EQ(f().document().value(1) + "x" + f().document().value(2), resolution);
    EXPECT_EQ(f().document().serialize(), before);
}

// While a box is up, the window it belongs to takes no input: Windows disables a box's owner.
// The timer, run by the box's own message loop, looks and closes the box.
HWND boxOwner = nullptr;
bool ownerWasEnabled = true;
BOOL CALLBACK closeTheBox(HWND window, LPARAM) {
    wchar_t kind[16] = {};
    GetClassNameW(window, kind, 16);
    if (!IsWindowVisible(window) || std::wstring(kind) != L"#32770") return TRUE;
    ownerWasEnabled = IsWindowEnabled(boxOwner) != 0;
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return FALSE;
}
void CALLBACK lookAtTheBox(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!EnumThreadWindows(GetCurrentThreadId(), closeTheBox, 0)) KillTimer(nullptr, timer);
}

// A window of another program, active on the desktop: this thread then has no active window.
class OtherProgram {
  public:
    OtherProgram() {
        std::promise<void> shown;
        thread_ = std::thread([this, &shown] {
            id_ = GetCurrentThreadId();
            HWND window = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                          0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
            SetForegroundWindow(window);
            SetActiveWindow(window);
            shown.set_value();
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0)
                DispatchMessageW(&message);
            DestroyWindow(window);
        });
        shown.get_future().wait();
    }
    ~OtherProgram() {
        PostThreadMessageW(id_, WM_QUIT, 0, 0);
        thread_.join();
    }

  private:
    std::thread thread_;
    DWORD id_ = 0;
};

TEST_F(Win32ViewMirrorsModel, AMessageBoxDisablesTheProgramsWindowUntilItCloses) {
    boxOwner = hwnd(f());
    const auto showABox = [] {
        ownerWasEnabled = true;
        SetTimer(nullptr, 0, 100, lookAtTheBox);
        win32::Win32Dialogs().showMessage(MessageIcon::Error, "Fehler",
                                          "Datei schreibgesch\xFCtzt");
    };
    SetActiveWindow(boxOwner);
    showABox();
    EXPECT_FALSE(ownerWasEnabled) << "with the program's window active";
    EXPECT_TRUE(IsWindowEnabled(boxOwner));
    {
        OtherProgram other;
        pump();
        EXPECT_EQ(GetActiveWindow(), nullptr);
        showABox();
        EXPECT_FALSE(ownerWasEnabled) << "with another program's window active";
    }
    EXPECT_TRUE(IsWindowEnabled(boxOwner));
}

RECT inParent(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Where a control lies at a dpi, worked out here as a person would from the layout: its
// place in the form, each edge scaled by dpi/96 and rounded, less where its parent's edges went.
struct LaidOut {
    int dpi;
    static long edge(int layout, int dpi) { return std::lround(layout * dpi / 96.0); }
    static Rect inForm(const Control& c) {
        Rect r = c.bounds();
        for (const Control* up = c.parent(); up && up->parent(); up = up->parent()) {
            r.left += up->bounds().left;
            r.top += up->bounds().top;
        }
        return r;
    }
    RECT of(const Control& c) const {
        const Rect r = inForm(c);
        const bool nested = c.parent() && c.parent()->parent();
        const Rect p = nested ? inForm(*c.parent()) : Rect{};
        const long left = edge(r.left, dpi) - edge(p.left, dpi);
        const long top = edge(r.top, dpi) - edge(p.top, dpi);
        return {left, top, left + edge(r.left + r.width, dpi) - edge(r.left, dpi),
                top + edge(r.top + r.height, dpi) - edge(r.top, dpi)};
    }
};

TEST_F(Win32ViewMirrorsModel, AWindowIsLaidOutAgainWhenItsDpiChanges) {
    step("load", [&] { menuChoice(0, 0); });
    HWND main = hwnd(f());
    for (const int dpi : {144, 96}) {
        // What Windows suggests: the window's frame around the layout's client area at the dpi.
        RECT suggested{};
        RECT client{};
        GetWindowRect(main, &suggested);
        GetClientRect(main, &client);
        suggested.right += MulDiv(f().bounds().width, dpi, 96) - client.right;
        suggested.bottom += MulDiv(f().bounds().height, dpi, 96) - client.bottom;
        step("WM_DPICHANGED to " + std::to_string(dpi), [&] {
            SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
        });
        GetClientRect(main, &client);
        EXPECT_EQ(client.right, MulDiv(f().bounds().width, dpi, 96)) << dpi;
        std::vector<const Control*> all;
        const std::function<void(const Control&)> collect = [&](const Control& c) {
            for (const Control* child : c.children()) {
                all.push_back(child);
                collect(*child);
            }
        };
        collect(f());
        const LaidOut layout{dpi};
        for (const Control* c : all) {
            HWND w = hwnd(*c);
            if (!w || dynamic_cast<const MenuItem*>(c) || dynamic_cast<const MainMenu*>(c))
                continue;
            const RECT got = inParent(w);
            const RECT want = layout.of(*c);
            const auto* label = dynamic_cast<const Label*>(c);
            const bool grows = label && !label->look().fixedSize && !label->look().path;
            const bool dropDown = dynamic_cast<const ComboBox*>(c) != nullptr;  // its own height
            EXPECT_EQ(got.left, want.left) << c->name() << " at " << dpi;
            EXPECT_EQ(got.top, want.top) << c->name() << " at " << dpi;
            if (!grows) {
                EXPECT_EQ(got.right, want.right) << c->name() << " at " << dpi;
            }
            if (!dropDown) {
                EXPECT_EQ(got.bottom, want.bottom) << c->name() << " at " << dpi;
            }
            const auto held = reinterpret_cast<HGDIOBJ>(SendMessageW(w, WM_GETFONT, 0, 0));
            if (!held) continue;  // panels and sliders keep no font
            LOGFONTW font{};
            GetObjectW(held, sizeof font, &font);
            // Whole pixels, rounded down.
            EXPECT_EQ(font.lfHeight, -(c->font().height * dpi / 96)) << c->name() << " at " << dpi;
        }
        EXPECT_EQ(SendMessageW(hwnd(f().ListBox1), LB_GETITEMHEIGHT, 0, 0),
                  MulDiv(ListBox::kRowHeight, dpi, 96));
    }
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
        const RECT mine = inParent(w);
        const int right = mine.left + drawnWidth(w, label.caption(), true);
        for (HWND other = GetWindow(GetParent(w), GW_CHILD); other;
             other = GetWindow(other, GW_HWNDNEXT)) {
            if (other == w || !styleShown(other)) continue;  // its page may be hidden
            const RECT r = inParent(other);
            const long shared = std::min(r.bottom, mine.bottom) - std::max(r.top, mine.top);
            if (shared < (mine.bottom - mine.top) / 2 || r.left <= mine.left) continue;
            if (right > r.left)
                report(label, "runs into the control at " + std::to_string(r.left), right, r.left);
        }
    }
    void visit(Shape&) override {}
    void visit(CheckBox& box) override { fits(box, box.caption(), true, scaled(13 + 4)); }
    void visit(RadioButton& radio) override { fits(radio, radio.caption(), true, scaled(13 + 4)); }
    void visit(Button& button) override { fits(button, button.caption(), true, scaled(6)); }
    void visit(SpeedButton& button) override { fits(button, button.caption(), true, scaled(4)); }
    void visit(Edit&) override {}
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
    void visit(ListBox&) override {}
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
