// The flat buttons (every SpeedButton: the page buttons, the Info page's, "Erweitert", the
// manual page's apply button, the preset dialog's two): a window class of their own that shows
// no frame until the pointer is over one.
#include "platform/win32/WideText.h"
#include "view/win32/ViewParts.h"

#include "ui/FlatButtonLook.h"
#include "ui/Palette.h"

namespace torvexa::win32 {
namespace {

// As a push button: Enter presses it when it goes down, Space when it comes up.
ButtonKey buttonKey(UINT message, WPARAM key) {
    if (message == WM_KEYDOWN && key == VK_RETURN) return ButtonKey::Enter;
    if (message == WM_KEYUP && key == VK_SPACE) return ButtonKey::Space;
    return ButtonKey::Other;
}

void paintFlatButton(HWND window, HDC dc, const Binding& binding) {
    const Control& button = *binding.control;
    GdiObjects& gdi = binding.view->gdi;
    RECT area{};
    GetClientRect(window, &area);
    FillRect(dc, &area, gdi.brush(backgroundOf(button)));
    const bool enabled = IsWindowEnabled(window);
    const FlatFrame frame = flatFrameOf({.enabled = enabled,
                                         .hovered = binding.hovered,
                                         .pressed = binding.pressed && binding.hovered});
    if (frame == FlatFrame::Sunken)
        DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
    else if (frame == FlatFrame::Raised)
        DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const HGDIOBJ old = SelectObject(dc, gdi.font(button.font(), binding.view->dpiOf(window)));
    const std::wstring text = winsys::wide(button.caption());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
    // As a push button: the focus mark only while keyboard cues are on, which a click leaves
    // off and Tab turns on (https://learn.microsoft.com/windows/win32/menurc/wm-queryuistate).
    const auto cues = SendMessageW(window, WM_QUERYUISTATE, 0, 0);
    if (GetFocus() == window && !(cues & UISF_HIDEFOCUS)) {
        RECT mark = area;
        InflateRect(&mark, -2, -2);
        DrawFocusRect(dc, &mark);
    }
}

}  // namespace

LRESULT CALLBACK flatButtonProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    Binding* binding = bindingOf(window);
    if (!binding) return DefWindowProcW(window, message, w, l);
    switch (message) {
        case WM_MOUSEMOVE:
            if (!binding->hovered) {  // the frame follows the pointer
                binding->hovered = true;
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
                TrackMouseEvent(&track);
                InvalidateRect(window, nullptr, TRUE);
            }
            return 0;
        case WM_MOUSELEAVE:
            binding->hovered = false;
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_LBUTTONDOWN:
            SetFocus(window);  // as a push button takes the focus when pressed
            SetCapture(window);
            binding->pressed = true;
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_LBUTTONUP: {
            const bool wasPressed = binding->pressed;
            binding->pressed = false;
            ReleaseCapture();
            RECT area{};
            GetClientRect(window, &area);
            const POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
            InvalidateRect(window, nullptr, TRUE);
            if (wasPressed && PtInRect(&area, at) && binding->command) binding->command(BN_CLICKED);
            return 0;
        }
        case WM_GETDLGCODE: {
            // Enter is the button's own, not the window's default push button
            // (https://learn.microsoft.com/windows/win32/dlgbox/wm-getdlgcode); Space comes
            // as a key anyway.
            const auto* key = reinterpret_cast<const MSG*>(l);
            const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
            return DLGC_BUTTON | (enter ? DLGC_WANTMESSAGE : 0);
        }
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (pressesButton(buttonKey(message, w)) && binding->command)
                binding->command(BN_CLICKED);
            return 0;
        case BM_CLICK:  // as a push button: pressed by a program, a screen reader's among them
            if (binding->command) binding->command(BN_CLICKED);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_UPDATEUISTATE:  // the window keeps the state; the mark follows it
            InvalidateRect(window, nullptr, TRUE);
            return DefWindowProcW(window, message, w, l);
        case WM_GETFONT:  // the font it paints its caption in
            return reinterpret_cast<LRESULT>(
                binding->view->gdi.font(binding->control->font(), binding->view->dpiOf(window)));
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (HDC dc = BeginPaint(window, &paint)) {
                paintFlatButton(window, dc, *binding);
                EndPaint(window, &paint);
            }
            return 0;
        }
        default:
            return DefWindowProcW(window, message, w, l);
    }
}

}  // namespace torvexa::win32
