#include "view/fltk/Modal.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

namespace torvexa::fltk {
namespace {

constexpr double kMapWait = 0.01;  // seconds between looks
constexpr int kMapLooks = 200;     // two seconds at most: a server that never maps it

bool isViewable(Fl_Window& window) {
    if (!window.shown()) return false;
    XWindowAttributes attributes{};
    return XGetWindowAttributes(fl_display, fl_xid(&window), &attributes) &&
           attributes.map_state == IsViewable;
}

// X gives the keyboard only to a window on screen; without a window manager nobody else will.
void giveKeyboardTo(Fl_Window& window) {
    for (int look = 0; look < kMapLooks && window.shown() && !isViewable(window); ++look)
        Fl::wait(kMapWait);
    if (!isViewable(window)) return;
    XSetInputFocus(fl_display, fl_xid(&window), RevertToParent, CurrentTime);
    XFlush(fl_display);
}

bool isKey(int event) { return event == FL_KEYBOARD || event == FL_KEYUP || event == FL_SHORTCUT; }

bool isClick(int event) {
    return event == FL_PUSH || event == FL_RELEASE || event == FL_DRAG || event == FL_MOUSEWHEEL;
}

}  // namespace

int routeToModal(int event, Fl_Window* window) {
    Fl_Window* modal = Fl::modal();
    // An open menu is modal too, and holds every event itself (a grab) until it closes.
    if (!modal || !window || window == modal || Fl::grab()) return Fl::handle_(event, window);
    if (isClick(event)) return 1;
    if (event == FL_FOCUS) {  // the desktop gave the keyboard to a window behind the box
        giveKeyboardTo(*modal);
        return 1;
    }
    if (isKey(event)) {
        if (!modal->contains(Fl::focus())) modal->take_focus();
        return Fl::handle_(event, modal);
    }
    return Fl::handle_(event, window);
}

void runModal(Fl_Window& window, Fl_Widget* first) {
    Fl_Widget* focused = Fl::focus();
    Fl_Window* owner = focused ? focused->top_window() : Fl::first_window();
    window.set_modal();
    window.show();
    if (first) first->take_focus();
    giveKeyboardTo(window);
    while (window.shown())
        Fl::wait();
    if (owner && owner->shown() && owner->visible()) {
        giveKeyboardTo(*owner);
        if (focused) focused->take_focus();
    }
}

}  // namespace torvexa::fltk
