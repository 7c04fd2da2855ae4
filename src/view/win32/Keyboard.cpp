// What the Windows view does for a person at the keyboard, beyond what the dialog manager does.
#include "view/win32/ViewParts.h"

#include "ui/RadioGroups.h"

namespace torvexa::win32 {

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

// A container that is hidden with the focus inside it hands the focus to its window's first
// control, so that Tab goes on from there.
void keepFocusReachable(HWND container) {
    HWND focus = GetFocus();
    if (!focus || IsWindowVisible(container) || !IsChild(container, focus)) return;
    HWND top = GetAncestor(container, GA_ROOT);
    if (HWND first = GetNextDlgTabItem(top, nullptr, FALSE)) SetFocus(first);
}

}  // namespace torvexa::win32
