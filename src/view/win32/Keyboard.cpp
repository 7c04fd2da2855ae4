// What the Windows view does for a person at the keyboard, beyond what the dialog manager does.
#include "view/win32/Keyboard.h"
#include "view/win32/ViewParts.h"

#include "ui/RadioGroups.h"

namespace torvexa::win32 {
namespace {

bool isDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }
bool isRepeat(const MSG& message) { return (message.lParam & (1L << 30)) != 0; }

// The drop-down whose list is open under the keyboard: the focused one, or the one whose field
// has the focus.
HWND openDropDown() {
    HWND focus = GetFocus();
    for (HWND window : {focus, focus ? GetParent(focus) : nullptr}) {
        wchar_t kind[16] = {};
        if (window && GetClassNameW(window, kind, 16) && lstrcmpiW(kind, WC_COMBOBOXW) == 0 &&
            SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0))
            return window;
    }
    return nullptr;
}

}  // namespace

// Over an open list, Alt pressed and released alone and F10 close the list unchanged, as does
// any key pressed with Alt but the list's own Alt+Up and Alt+Down: none of them reaches the menu
// bar, so that no menu command can run behind the list. Other keys are the list's.
bool MenuKeys::takeOverOpenList(const MSG& message, HWND dropDown) {
    const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN ||
                      message.message == WM_SYSCHAR;
    const bool withAlt = message.message == WM_SYSKEYDOWN || message.message == WM_SYSKEYUP ||
                         message.message == WM_SYSCHAR;
    const auto close = [dropDown] { SendMessageW(dropDown, CB_SHOWDROPDOWN, FALSE, 0); };
    f10Alone_ = false;
    if (message.wParam == VK_MENU && message.message != WM_SYSCHAR) {
        if (down) {
            altAlone_ = true;
        } else if (altAlone_) {
            altAlone_ = false;
            close();
        }
        return true;
    }
    if (message.wParam == VK_UP || message.wParam == VK_DOWN) {
        altAlone_ = false;
        return false;
    }
    if (message.wParam == VK_F10 || withAlt) {
        altAlone_ = false;
        if (down) close();
        return true;
    }
    return false;
}

bool MenuKeys::take(const MSG& message) {
    if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
        if (HWND dropDown = openDropDown()) return takeOverOpenList(message, dropDown);
    }
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (message.wParam == VK_MENU) {
                if (!isRepeat(message)) altAlone_ = true;
                f10Alone_ = false;
                return true;
            }
            altAlone_ = false;
            // Shift+F10 is a context menu, Alt+F10 no menu key: both go on.
            if (message.wParam == VK_F10 && !isDown(VK_SHIFT) && !isDown(VK_MENU)) {
                f10Alone_ = true;
                return true;
            }
            f10Alone_ = false;
            return false;
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            if (message.wParam != VK_MENU && message.wParam != VK_F10) return false;
            const bool opens = message.wParam == VK_MENU ? altAlone_ : f10Alone_;
            altAlone_ = f10Alone_ = false;
            if (opens) {
                if (HWND top = GetAncestor(message.hwnd, GA_ROOT))
                    SendMessageW(top, WM_SYSCOMMAND, SC_KEYMENU, 0);
            }
            return message.wParam == VK_MENU || opens;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
            altAlone_ = f10Alone_ = false;
            return false;
        default:
            return false;
    }
}

void deliver(MenuKeys& menuKeys, MSG& message) {
    if (menuKeys.take(message)) return;
    HWND top = GetAncestor(message.hwnd, GA_ROOT);
    if (top && IsDialogMessageW(top, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// Tab reaches a group of radio buttons at its chosen one, or its first while none is chosen
// (https://learn.microsoft.com/windows/win32/dlgbox/dlgbox-programming-considerations).
void updateRadioTabStops(const ViewParts& view, const RadioButton& radio) {
    for (const RadioButton* member : radioGroupOf(radio)) {
        const auto window = view.windows.find(member);
        if (window == view.windows.end()) continue;  // not made yet
        const LONG style = GetWindowLongW(window->second, GWL_STYLE);
        SetWindowLongW(window->second, GWL_STYLE,
                       isRadioTabStop(*member) ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

// A multi-line edit wants every key, Tab included; here Tab moves on, as in a single line.
LRESULT CALLBACK tabMovesOn(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    if (message == WM_GETDLGCODE) {
        const auto* key = reinterpret_cast<const MSG*>(l);
        LRESULT code = DefSubclassProc(window, message, w, l);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB)
            code &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
        return code;
    }
    return DefSubclassProc(window, message, w, l);
}

// The focus on a window that is disabled or hidden stays there, where no key reaches it
// (https://devblogs.microsoft.com/oldnewthing/20040804-00/?p=38243): before that, it moves on
// to the next control Tab reaches outside the window, or to the top-level window.
void handFocusOn(HWND window) {
    HWND focus = GetFocus();
    if (!focus || (focus != window && !IsChild(window, focus))) return;
    HWND top = GetAncestor(window, GA_ROOT);
    const auto inside = [window](HWND other) { return other == window || IsChild(window, other); };
    HWND next = GetNextDlgTabItem(top, focus, FALSE);
    // Through the controls inside the window, at most once round.
    for (int turns = 0; next && inside(next) && turns < 1000; ++turns) {
        HWND after = GetNextDlgTabItem(top, next, FALSE);
        next = after == focus ? nullptr : after;
    }
    SetFocus(next && !inside(next) ? next : top);
}

}  // namespace torvexa::win32
