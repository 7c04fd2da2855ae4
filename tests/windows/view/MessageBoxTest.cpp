// While a message box is up, the window it belongs to takes no input, also when another
// program's window is the active one.

// The program first: Windows' macros must not reach its headers.
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <future>
#include <thread>

#include "view/win32/Win32Dialogs.h"
#include "windows/view/MirrorView.h"

namespace torvexa {
namespace {

using test::pump;
using test::shown;
using test::Win32ViewMirrorsModel;

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

}  // namespace
}  // namespace torvexa
