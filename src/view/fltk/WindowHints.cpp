// Kept apart: X11's headers define macros that clash with the windows' control names.
#include "view/fltk/WindowHints.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#include "ui/Scale.h"

#include <array>

namespace torvexa::fltk {
namespace {

constexpr int kTitleBar = 30;  // layout pixels, as desktops draw them at 96 dpi
constexpr int kBorder = 4;

// The layout of _MOTIF_WM_HINTS, as window managers read it.
struct MotifHints {
    unsigned long flags;
    unsigned long functions;
    unsigned long decorations;
    long inputMode;
    unsigned long status;
};
constexpr unsigned long kHintFunctions = 1;
constexpr unsigned long kHintDecorations = 2;
constexpr unsigned long kFunctionMove = 4;
constexpr unsigned long kFunctionClose = 32;
constexpr unsigned long kDecorBorder = 2;
constexpr unsigned long kDecorTitle = 8;
constexpr unsigned long kDecorMenu = 16;

}  // namespace

void setTitleBarButtons(Fl_Window& window, TitleBar buttons) {
    if (!window.shown()) return;
    Display* display = fl_display;
    const ::Window xid = fl_xid(&window);
    const bool close = buttons == TitleBar::SystemMenuAndClose;

    MotifHints hints{kHintFunctions | kHintDecorations,
                     kFunctionMove | (close ? kFunctionClose : 0),
                     kDecorBorder | kDecorTitle | (close ? kDecorMenu : 0), 0, 0};
    const Atom motif = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(display, xid, motif, motif, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&hints), 5);

    std::array<Atom, 2> actions{XInternAtom(display, "_NET_WM_ACTION_MOVE", False),
                                XInternAtom(display, "_NET_WM_ACTION_CLOSE", False)};
    XChangeProperty(display, xid, XInternAtom(display, "_NET_WM_ALLOWED_ACTIONS", False), XA_ATOM,
                    32, PropModeReplace, reinterpret_cast<unsigned char*>(actions.data()),
                    close ? 2 : 1);
}

void screenPositionOf(Fl_Window& window, int& x, int& y) {
    x = window.x();
    y = window.y();
    if (!window.shown()) return;
    ::Window child = 0;
    XTranslateCoordinates(fl_display, fl_xid(&window), DefaultRootWindow(fl_display), 0, 0, &x, &y,
                          &child);
}

bool framedByWindowManager(Fl_Window& window) {
    if (!window.shown()) return false;
    ::Window root = 0;
    ::Window parent = 0;
    ::Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(fl_display, fl_xid(&window), &root, &parent, &children, &count)) return false;
    if (children) XFree(children);
    return parent != root;
}

FrameSize desktopFrame(double scale) {
    const int border = scaled(kBorder, scale);
    return {border, scaled(kTitleBar, scale) + border, border, border};
}

Rect placedOnScreen(const Rect& wanted, double scale) {
    Rect area;
    Fl::screen_work_area(area.left, area.top, area.width, area.height, wanted.left, wanted.top);
    return keptInside(wanted, area, desktopFrame(scale));
}

void placeCentred(Fl_Window& window, double scale) {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    Fl::screen_work_area(x, y, w, h);
    const Rect placed = placedOnScreen(
        {x + (w - window.w()) / 2, y + (h - window.h()) / 2, window.w(), window.h()}, scale);
    window.position(placed.left, placed.top);
}

}  // namespace torvexa::fltk
