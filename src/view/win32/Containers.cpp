// The container windows (forms, panels, group boxes): they paint their background and a group
// box's frame, colour their controls, and pass each control's notifications to its binding.

#include "platform/win32/WideText.h"
#include "view/win32/ViewParts.h"

#include "ui/Palette.h"
#include "ui/WindowRules.h"
#include "view/win32/Layout.h"

namespace torvexa::win32 {
namespace {

void paintFrame(HWND window, const GroupBox& group, GdiObjects& gdi, int dpi) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (!dc) return;
    const HGDIOBJ old = SelectObject(dc, gdi.font(group.font(), dpi));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame{};
    GetClientRect(window, &frame);
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = winsys::wide(group.caption());
    if (!caption.empty()) {
        SetBkColor(dc, gdi.colour(backgroundOf(group)));
        SetTextColor(dc, gdi.colour(group.look().textColour));
        RECT text{scaledTo(8, dpi), 0, frame.right, metrics.tmHeight};
        DrawTextW(dc, (L" " + caption + L" ").c_str(), -1, &text, DT_LEFT | DT_SINGLELINE);
    }
    SelectObject(dc, old);
    EndPaint(window, &paint);
}

LRESULT command(const Container& self, WPARAM w, LPARAM l) {
    if (Binding* binding = bindingOf(reinterpret_cast<HWND>(l))) {
        if (binding->command) binding->command(HIWORD(w));
    } else if (l == 0 && LOWORD(w) >= kFirstMenuId) {
        const std::size_t item = LOWORD(w) - kFirstMenuId;
        if (item < self.view->menuCommands.size()) self.view->menuCommands[item]();
    }
    // The dialog manager sends Enter and Esc as IDOK and IDCANCEL; Enter is first the focused
    // field's (https://learn.microsoft.com/windows/win32/dlgbox/dlgbox-programming-considerations).
    if (l != 0 || !self.form) return 0;
    if (LOWORD(w) == IDOK) {
        const Binding* field = bindingOf(GetFocus());
        if (!(field && field->enter && field->enter()))
            requestClose(*self.form, CloseRequest::EnterKey);
    } else if (LOWORD(w) == IDCANCEL) {
        requestClose(*self.form, CloseRequest::EscapeKey);
    }
    return 0;
}

// The colours of a control's text and background: WM_CTLCOLOR* returns the brush to paint
// with (https://learn.microsoft.com/windows/win32/controls/wm-ctlcolorstatic).
LRESULT controlColours(GdiObjects& gdi, UINT message, HDC dc, const Control& control) {
    SetTextColor(dc, gdi.colour(control.look().textColour));
    // A drop-down's open list is a list of its own.
    const Colour back = message == WM_CTLCOLORLISTBOX ? Colour::Window : textBackgroundOf(control);
    SetBkColor(dc, gdi.colour(back));
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(gdi.brush(back));
}

BOOL CALLBACK tellColoursChanged(HWND child, LPARAM) {
    if (bindingOf(child)) SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

}  // namespace

LRESULT CALLBACK containerProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    Container* self = containerOf(window);
    if (!self) return DefWindowProcW(window, message, w, l);
    GdiObjects& gdi = self->view->gdi;

    switch (message) {
        case WM_COMMAND:
            return command(*self, w, l);
        case WM_HSCROLL:
            if (Binding* binding = bindingOf(reinterpret_cast<HWND>(l)); binding && binding->scroll)
                binding->scroll();
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<NMHDR*>(l);
            Binding* binding = bindingOf(header->hwndFrom);
            if (header->code == UDN_DELTAPOS && binding && binding->upDown)
                return binding->upDown(reinterpret_cast<NMUPDOWN*>(l)->iDelta) ? TRUE : FALSE;
            break;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
            Binding* binding = bindingOf(item.hwndItem);
            if (!binding || !binding->draw) break;
            binding->draw(item);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            if (const Binding* binding = bindingOf(reinterpret_cast<HWND>(l)))
                return controlColours(gdi, message, reinterpret_cast<HDC>(w), *binding->control);
            break;
        case WM_ERASEBKGND: {
            RECT area{};
            GetClientRect(window, &area);
            FillRect(reinterpret_cast<HDC>(w), &area, gdi.brush(backgroundOf(*self->control)));
            return 1;
        }
        case WM_PAINT:
            if (self->frame) {
                paintFrame(window, *self->frame, gdi, self->view->dpiOf(window));
                return 0;
            }
            break;
        case WM_ACTIVATE:
            // As a dialog does: the focus goes back to the control that had it when the window
            // was left, e.g. for a message box
            // (https://learn.microsoft.com/windows/win32/dlgbox/dlgbox-programming-considerations#dialog-box-default-message-processing).
            // A window activated for the first time gives it to its first tab stop, with its
            // focus mark showing
            // (https://learn.microsoft.com/windows/win32/menurc/wm-changeuistate), so that the
            // keyboard works at once.
            if (self->form) {
                if (LOWORD(w) == WA_INACTIVE) {
                    HWND focus = GetFocus();
                    self->focus = focus && IsChild(window, focus) ? focus : nullptr;
                    break;
                }
                HWND focus = self->focus && IsWindow(self->focus) && IsWindowVisible(self->focus)
                                 ? self->focus
                                 : GetNextDlgTabItem(window, nullptr, FALSE);
                if (!focus) break;
                SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
                SetFocus(focus);
                return 0;
            }
            break;
        case WM_DPICHANGED:
            // Per monitor: the window takes the rectangle Windows suggests and lays itself out
            // again (https://learn.microsoft.com/windows/win32/hidpi/wm-dpichanged).
            if (Form* form = self->form) {
                const int dpi = HIWORD(w);
                self->view->dpis[window] = dpi;
                const auto* suggested = reinterpret_cast<const RECT*>(l);
                SetWindowPos(window, nullptr, suggested->left, suggested->top,
                             suggested->right - suggested->left, suggested->bottom - suggested->top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
                layOutAgain(*self->view, *form, dpi);
                InvalidateRect(window, nullptr, TRUE);
                return 0;
            }
            break;
        case WM_SETTINGCHANGE:
            // The high-contrast theme switched on or off
            // (https://learn.microsoft.com/windows/win32/winmsg/wm-settingchange).
            if (self->form && w == SPI_SETHIGHCONTRAST) self->view->recolour();
            break;
        case WM_SYSCOLORCHANGE:
            // Sent to top-level windows only: the common controls among their children are
            // told too (https://learn.microsoft.com/windows/win32/gdi/wm-syscolorchange).
            if (self->form) {
                self->view->recolour();
                EnumChildWindows(window, tellColoursChanged, 0);
            }
            break;
        case WM_CLOSE:
            if (Form* form = self->form)
                self->view->perform([form] { requestClose(*form, CloseRequest::TitleBar); });
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace torvexa::win32
