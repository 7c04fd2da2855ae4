// The real Windows view over the headless-started program, under Wine: a person's actions are
// the messages Windows sends for them, and after every step each native control must show what
// its control holds; a window moved to a monitor of another dpi is laid out again.

// The program first: Windows' macros must not reach its headers.
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <cstdio>

#include "windows/view/MirrorView.h"

namespace torvexa {
namespace {

using test::Win32ViewMirrorsModel;

TORVEXA_MIRROR_CASES(TEST_F, Win32ViewMirrorsModel)

TEST_F(Win32ViewMirrorsModel, TheManualPageByMouseAndKeys) {
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

// A file of 20,000 lines loads with the manual page on view as fast as in the FLTK view (the
// same measure in its view tests; scripts/test prints the two side by side).
TEST_F(Win32ViewMirrorsModel, ALargeFileLoadsWithoutARedrawPerRow) {
    const auto took = s.timedLoadsOnManualPage([] { test::pump(); });
    std::printf("LOAD_MS windows %.0f %.0f\n", took.sample, took.large);
    EXPECT_LT(took.large, 2 * took.sample + 100) << "each row costs the load";
    EXPECT_EQ(SendMessageW(hwnd(f().ListBox4), LB_GETCOUNT, 0, 0), 20000);
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

TEST_F(Win32ViewMirrorsModel, TheManualPagesListsMoveTogetherByBarWheelAndKeys) {
    step("load", [&] { menuChoice(0, 0); });
    step("show the manual page", [&] { clickFlat(f().SpeedButton9); });
    const auto tops = [&] {
        std::vector<int> shown;
        for (const ListBox* list : {&f().ListBox5, &f().ListBox1, &f().ListBox4})
            shown.push_back(static_cast<int>(SendMessageW(hwnd(*list), LB_GETTOPINDEX, 0, 0)));
        return shown;
    };
    step("row 2 of the values chosen, then ten rows down by the comments' bar", [&] {
        RECT row{};
        SendMessageW(hwnd(f().ListBox1), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
        mouseClick(hwnd(f().ListBox1), row.left + 2, row.top + 2);
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

    // At 200 %, End and Home in each list: the three end at the same row, whatever their frames.
    RECT placed{};
    GetWindowRect(hwnd(f()), &placed);
    dpis[&f()] = 192;
    SendMessageW(hwnd(f()), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&placed));
    for (const ListBox* list : {&f().ListBox4, &f().ListBox1, &f().ListBox5}) {
        for (const WPARAM pressed : {VK_END, VK_HOME, VK_END}) {
            step(list->name() + " key " + std::to_string(pressed),
                 [&] { key(hwnd(*list), pressed); });
            EXPECT_EQ(tops(), std::vector<int>(3, tops()[1])) << list->name() << " " << pressed;
        }
    }
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

// Each control's place at the new dpi is the mirror's to check; its font is checked here.
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
        dpis[&f()] = dpi;
        step("WM_DPICHANGED to " + std::to_string(dpi), [&] {
            SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
        });
        GetClientRect(main, &client);
        EXPECT_EQ(client.right, MulDiv(f().bounds().width, dpi, 96)) << dpi;
        const std::function<void(const Control&)> fontsOf = [&](const Control& c) {
            for (const Control* child : c.children()) {
                fontsOf(*child);
                HWND w = hwnd(*child);
                if (!w) continue;
                const auto held = reinterpret_cast<HGDIOBJ>(SendMessageW(w, WM_GETFONT, 0, 0));
                if (!held) continue;  // panels and sliders keep no font
                LOGFONTW font{};
                GetObjectW(held, sizeof font, &font);
                // Whole pixels, rounded down.
                EXPECT_EQ(font.lfHeight, -(child->font().height * dpi / 96))
                    << child->name() << " at " << dpi;
            }
        };
        fontsOf(f());
        EXPECT_EQ(SendMessageW(hwnd(f().ListBox1), LB_GETITEMHEIGHT, 0, 0),
                  MulDiv(ListBox::kRowHeight, dpi, 96));
    }
}

}  // namespace
}  // namespace torvexa
