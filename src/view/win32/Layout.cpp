#include "view/win32/Layout.h"

#include "ui/Scale.h"
#include "ui/WindowRules.h"

namespace torvexa::win32 {
namespace {

// Where the control lies in its form's client area, in layout pixels.
Rect inForm(const Control& control) {
    Rect r = control.bounds();
    for (const Control* up = control.parent(); up && up->parent(); up = up->parent()) {
        r.left += up->bounds().left;
        r.top += up->bounds().top;
    }
    return r;
}

double scaleOf(int dpi) { return static_cast<double>(dpi) / kLayoutDpi; }

// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-adjustwindowrectexfordpi
void addFrame(RECT& r, DWORD style, DWORD exStyle, bool menu, int dpi) {
    using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = reinterpret_cast<AdjustForDpi>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (!adjustForDpi || !adjustForDpi(&r, style, menu, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&r, style, menu, exStyle);
}

void relayOut(ViewParts& view, Control& control, int dpi) {
    const auto found = view.windows.find(&control);
    if (found != view.windows.end() && control.parent()) {
        HWND window = found->second;
        const Binding* binding = bindingOf(window);
        RECT r = placeOf(control, dpi);
        if (binding) r.bottom += scaledTo(binding->extraHeight, dpi);
        SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(window, WM_SETFONT,
                     reinterpret_cast<WPARAM>(view.gdi.font(control.font(), dpi)), FALSE);
        if (binding && binding->rescale) binding->rescale(dpi);
    }
    for (Control* child : control.children())
        relayOut(view, *child, dpi);
}

}  // namespace

RECT placeOf(const Control& control, int dpi) {
    const Rect mine = scaledRect(inForm(control), scaleOf(dpi));
    Rect parent{};
    if (control.parent() && control.parent()->parent())
        parent = scaledRect(inForm(*control.parent()), scaleOf(dpi));
    const int left = mine.left - parent.left;
    const int top = mine.top - parent.top;
    return {left, top, left + mine.width, top + mine.height};
}

RECT formWindowRect(const Form& form, DWORD style, DWORD exStyle, bool menu, int dpi) {
    const Rect& b = form.bounds();
    RECT r{0, 0, scaledTo(b.width, dpi), scaledTo(b.height, dpi)};
    addFrame(r, style, exStyle, menu, dpi);
    Rect placed{scaledTo(b.left, dpi), scaledTo(b.top, dpi), r.right - r.left, r.bottom - r.top};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromPoint({placed.left, placed.top}, MONITOR_DEFAULTTONEAREST),
                        &monitor)) {
        const RECT& work = monitor.rcWork;
        placed = keptInside(placed,
                            {work.left, work.top, work.right - work.left, work.bottom - work.top});
    }
    return {placed.left, placed.top, placed.left + placed.width, placed.top + placed.height};
}

void layOutAgain(ViewParts& view, Form& form, int dpi) {
    SendMessageW(view.windows.at(&form), WM_SETFONT,
                 reinterpret_cast<WPARAM>(view.gdi.font(form.font(), dpi)), FALSE);
    relayOut(view, form, dpi);
    view.following.tellAll();
}

}  // namespace torvexa::win32
