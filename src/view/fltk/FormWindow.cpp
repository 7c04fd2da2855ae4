#include "view/fltk/FormWindow.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "view/fltk/WindowHints.h"

namespace torvexa::fltk {

int FormWindow::handle(int event) {
    // FLTK places its menus by where it believes the window is; a window manager that frames
    // the window (Weston's) need not say where it put it.
    if (event == FL_FOCUS || event == FL_PUSH) knowPosition();
    const int key = Fl::event_key();
    const bool alt = key == FL_Alt_L || key == FL_Alt_R;
    switch (event) {
        case FL_KEYBOARD:
        case FL_SHORTCUT:
            if (key == FL_F + 10 && menuBar_) {
                openMenu();
                return 1;
            }
            altAlone_ = alt;
            // No widget took it as a key; FLTK's groups would move the focus with it.
            if (event == FL_SHORTCUT && (key == FL_Enter || key == FL_KP_Enter) && enter_) {
                enter_();
                return 1;
            }
            break;
        case FL_KEYUP:
            if (alt && altAlone_ && menuBar_) {
                altAlone_ = false;
                openMenu();
                return 1;
            }
            altAlone_ = false;
            break;
        case FL_PUSH:
            altAlone_ = false;
            break;
        default:
            break;
    }
    return Fl_Double_Window::handle(event);
}

void FormWindow::knowPosition() {
    int left = 0;
    int top = 0;
    screenPositionOf(*this, left, top);
    x(left);  // FLTK's own record only: the window stays where it is
    y(top);
}

void FormWindow::openMenu() {
    knowPosition();
    // What the bar itself does on a click on its first title.
    const Fl_Menu_Item* items = menuBar_->menu();
    if (!items || !items->label()) return;
    const Fl_Menu_Item* chosen = items->pulldown(menuBar_->x(), menuBar_->y(), menuBar_->w(),
                                                 menuBar_->h(), items, menuBar_, nullptr, 1);
    menuBar_->picked(chosen);
}

}  // namespace torvexa::fltk
