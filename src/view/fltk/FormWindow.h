#pragma once

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Bar.H>

#include <functional>

namespace torvexa::fltk {

inline constexpr int kMenuHeight = 20;  // the menu bar above a window's pages

// A window whose menu bar opens from the keyboard, as menus do on the desktops: with F10, or
// with Alt pressed and let go alone. Arrows, Enter and Esc then work in the menu. Enter that no
// widget takes goes to the window's own handler.
class FormWindow : public Fl_Double_Window {
  public:
    FormWindow(int x, int y, int w, int h) : Fl_Double_Window(x, y, w, h) {}
    void menuBar(Fl_Menu_Bar* bar) { menuBar_ = bar; }
    void whenEnter(std::function<void()> enter) { enter_ = std::move(enter); }
    int handle(int event) override;
    // Opens the first menu of the bar, as F10 does.
    void openMenu();

  private:
    // Takes the window's place on the screen from the X server.
    void knowPosition();

    Fl_Menu_Bar* menuBar_ = nullptr;
    std::function<void()> enter_;
    bool altAlone_ = false;  // Alt is down and no other key came since
};

}  // namespace torvexa::fltk
