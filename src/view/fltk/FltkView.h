#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/ViewRules.h"

class Fl_Widget;
class Fl_Window;
struct Fl_Menu_Item;

namespace torvexa {
class MenuItem;
class Program;
}  // namespace torvexa

namespace torvexa::fltk {

// Sets FLTK's fonts and sizes; call once before any widget exists.
void initialiseToolkit();

// Draws the program's three windows with FLTK: one widget per control, built by one builder
// per kind of control. A person's actions go to the controls' user entry points through the
// program's top level; the controls' observers bring the widgets up to date without running
// any callback.
class FltkView {
  public:
    explicit FltkView(Program& program);
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
    class Builder;
    struct Window;

    // Runs a person's action under the top level when the widget calls back.
    void onUser(Fl_Widget& widget, std::function<void()> action);
    std::function<void()>& userAction(std::function<void()> action);
    // Brings the widget up to date now and after every change of the control.
    void follow(Control& control, Observer sync);

    Program& program_;
    std::vector<std::unique_ptr<Window>> windows_;
    std::deque<std::function<void()>> actions_;
    Following following_;
    std::unordered_map<const Control*, Fl_Widget*> widgets_;
    std::unordered_map<const MenuItem*, const Fl_Menu_Item*> menuEntries_;
};

}  // namespace torvexa::fltk
