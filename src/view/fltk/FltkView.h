#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Fl_Group;
class Fl_Menu_Bar;
class Fl_Widget;
class Fl_Window;
struct Fl_Menu_Item;

namespace torvexa {
class Control;
class Form;
class MainMenu;
class Program;
}  // namespace torvexa

namespace torvexa::fltk {

// Sets FLTK's fonts and sizes; call once before any widget exists.
void initialiseToolkit();

// Draws the program's three windows with FLTK: one widget per control. A person's actions go
// to the controls' user entry points through the program's top level; the controls' observers
// bring the widgets up to date without running any callback.
class FltkView {
  public:
    explicit FltkView(Program& program);
    ~FltkView();
    FltkView(const FltkView&) = delete;
    FltkView& operator=(const FltkView&) = delete;

    // Runs the event loop until the end of the program is requested.
    int run();

  private:
    struct Window;

    std::unique_ptr<Window> buildWindow(Form& form, int menuHeight);
    void buildChildren(Control& parent, int originX, int originY);
    Fl_Widget* buildControl(Control& control, int x, int y);
    void buildMenu(MainMenu& menu, Fl_Window& window, int height);

    // Runs a person's action under the top level.
    void onUser(Fl_Widget& widget, std::function<void()> action);
    // Runs `sync` now and after every change of the control.
    void follow(Control& control, std::function<void()> sync);
    const char* keep(std::string text);

    Program& program_;
    std::vector<std::unique_ptr<Window>> windows_;
    std::deque<std::function<void()>> actions_;
    std::deque<std::string> texts_;
    std::vector<Fl_Menu_Item> menuItems_;
};

}  // namespace torvexa::fltk
