// The edit fields and the up-downs beside them: native EDIT and UPDOWN controls kept to their
// controls, and the keys a field gives its control (Enter, the arrows through the up-down).
#include "view/win32/Builder.h"

#include "platform/win32/WideText.h"
#include "ui/TextRules.h"
#include "view/win32/Keyboard.h"
#include "view/win32/Layout.h"

namespace torvexa::win32 {

using winsys::wide;

void Builder::visit(Edit& edit) {
    const bool multi = edit.lines() == Edit::Lines::Multi;
    const DWORD style =
        WS_TABSTOP | (multi ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN : ES_AUTOHSCROLL);
    HWND window = child(edit, L"EDIT", style, multi ? WS_EX_STATICEDGE : WS_EX_CLIENTEDGE);
    if (multi) made(SetWindowSubclass(window, tabMovesOn, 0, 0), "SetWindowSubclass");
    Binding& binding = bind(window, edit);
    if (edit.upDown()) {
        // A number field beside its up-down is narrow: margins of one pixel leave its largest
        // number room. A new font resets them, so they follow each dpi
        // (https://learn.microsoft.com/windows/win32/controls/em-setmargins).
        binding.rescale = [window](int dpi) {
            const int margin = scaledTo(1, dpi);
            SendMessageW(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                         MAKELPARAM(margin, margin));
        };
        binding.rescale(view_.dpiOf(window));
    }
    binding.enter = [view = &view_, &edit] {
        bool took = false;
        view->perform([&] { took = edit.press(Edit::Key::Enter); });
        return took;
    };
    binding.command = [view = &view_, window, &edit](int code) {
        if (code == EN_SETFOCUS) view->perform([&edit] { edit.enter(); });
        if (code == EN_KILLFOCUS) view->perform([&edit] { edit.leave(); });
        if (code != EN_CHANGE) return;
        const std::string typed = windowText(window);
        if (typed != edit.text()) view->perform([&edit, typed] { edit.type(typed); });
    };
    view_.following.follow(edit, [window, &edit](const Change&) {
        showText(
            edit.text(), [window] { return windowText(window); },
            [window](const std::string& text) { SetWindowTextW(window, wide(text).c_str()); });
        applyState(window, edit);
    });
}

void Builder::visit(UpDown& updown) {
    HWND window = child(updown, UPDOWN_CLASSW, UDS_ARROWKEYS);
    SendMessageW(window, UDM_SETRANGE32, static_cast<WPARAM>(updown.min()), updown.max());
    // Up and Down in its field step it: UDS_ARROWKEYS works through the buddy window, which
    // moves nothing without UDS_ALIGNLEFT or UDS_ALIGNRIGHT and takes no text without
    // UDS_SETBUDDYINT (https://learn.microsoft.com/windows/win32/controls/up-down-control-styles).
    if (const auto field = view_.windows.find(&updown.associate()); field != view_.windows.end())
        SendMessageW(window, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field->second), 0);
    // An up-down may size itself when it is made (under Wine it takes a scroll bar's width):
    // the layout's place holds, as when the window is laid out again at another dpi.
    const RECT r = placeOf(updown, view_.dpiOf(parent_));
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Binding& binding = bind(window, updown);
    binding.upDown = [view = &view_, &updown](int delta) {
        view->perform([&updown, delta] { delta > 0 ? updown.up() : updown.down(); });
        return true;  // the model moves it, not the control itself
    };
    view_.following.follow(updown,
                           [window, &updown](const Change&) { applyState(window, updown); });
}

}  // namespace torvexa::win32
