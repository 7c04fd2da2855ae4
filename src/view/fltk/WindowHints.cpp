// Kept apart: X11's headers define macros that clash with the windows' control names.
#include "view/fltk/WindowHints.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>

#include <array>

namespace torvexa::fltk {
namespace {

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

}  // namespace torvexa::fltk
