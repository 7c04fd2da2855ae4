#pragma once

// What each native window of the Windows view carries, and the window classes of its own.

// Windows' headers after the program's, so that their macros reach none of its headers.
#include "forms/Program.h"

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <functional>

namespace torvexa::win32 {

struct ViewParts;

// What a window's GWLP_USERDATA points at, tagged so that one kind is never read as the other.
struct WindowData {
    enum class Kind { Control, Container };
    explicit WindowData(Kind carried) : kind(carried) {}
    const Kind kind;
};

// A native control bound to its model control: what it does when it notifies its container.
struct Binding : WindowData {
    Binding() : WindowData(Kind::Control) {}
    std::function<void(int code)> command;  // WM_COMMAND notification code
    std::function<void()> scroll;           // WM_HSCROLL of a slider
    std::function<bool(int delta)> upDown;  // UDN_DELTAPOS; true: the native change is refused
    std::function<void(int dpi)> rescale;   // what else a new dpi changes (row heights …)
    std::function<bool()> enter;            // Enter in a field; true: the field took it
    std::function<void(const DRAWITEMSTRUCT&)> draw;  // WM_DRAWITEM: a list's row
    int extraHeight = 0;         // layout pixels below its place (a drop-down's list)
    Control* control = nullptr;  // whose colours it takes
    ViewParts* view = nullptr;
    bool hovered = false;  // a flat button: the pointer is over it
    bool pressed = false;  // a flat button: the mouse button is down on it
};

// A window of the container class: a form, a panel or a group box.
struct Container : WindowData {
    Container(ViewParts* owner, Control* shown, Form* window, GroupBox* group)
        : WindowData(Kind::Container), view(owner), control(shown), form(window), frame(group) {}
    ViewParts* view;
    Control* control;
    Form* form;            // for a window of its own
    GroupBox* frame;       // for a group box: an etched frame with its caption
    HWND focus = nullptr;  // a window's control that had the focus when it was deactivated
};

// The binding or container a window carries, or nothing when it carries the other kind.
Binding* bindingOf(HWND window);
Container* containerOf(HWND window);

inline constexpr wchar_t kContainerClass[] = L"TorvexaContainer";
inline constexpr wchar_t kFlatButtonClass[] = L"TorvexaFlatButton";
inline constexpr UINT kFirstMenuId = 100;  // above IDOK and IDCANCEL, which the dialog keys send

LRESULT CALLBACK containerProc(HWND window, UINT message, WPARAM w, LPARAM l);
LRESULT CALLBACK flatButtonProc(HWND window, UINT message, WPARAM w, LPARAM l);

// The text of a native window, as program text.
std::string windowText(HWND window);

}  // namespace torvexa::win32
