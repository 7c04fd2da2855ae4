#pragma once

#include <memory>

class Fl_Widget;
struct Fl_Menu_Item;

namespace torvexa {
class Control;
class MenuItem;
class Program;
}  // namespace torvexa

namespace torvexa::fltk {

struct ViewParts;

// Draws the program's three windows with FLTK: one widget per control, built by one builder
// per kind of control. A person's actions go to the controls' user entry points through the
// program's top level; the controls' observers bring the widgets up to date without running
// any callback.
class FltkView {
  public:
    // Draws the layout at `scale` screen pixels for each of its 96-dpi pixels.
    explicit FltkView(Program& program, double scale = 1);
    // Detaches every observer, then destroys the windows.
    ~FltkView();
    FltkView(const FltkView&) = delete;
    FltkView& operator=(const FltkView&) = delete;

    // Runs the event loop until the end of the program is requested.
    int run();

    // What shows a control, for tests that compare the widgets with the model.
    Fl_Widget* widgetOf(const Control& control) const;
    const Fl_Menu_Item* menuEntryOf(const MenuItem& item) const;

  private:
    std::unique_ptr<ViewParts> parts_;
};

}  // namespace torvexa::fltk
