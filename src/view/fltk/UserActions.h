#pragma once

#include <deque>
#include <functional>

#include <FL/Fl_Widget.H>

#include "ui/Application.h"

namespace torvexa::fltk {

// A person's actions, each run under the program's top level when its widget calls back.
// FLTK calls back through a plain function pointer with one `void*`: each action is held here
// and its address is that pointer. A deque, because its elements stay where they are while
// more are added; the actions live as long as the view, longer than any widget that calls them.
class UserActions {
  public:
    explicit UserActions(Application& application) : application_(application) {}

    // The action, wrapped to run under the top level; pass it with run() as a callback.
    void* add(std::function<void()> action) {
        return &actions_.emplace_back(
            [this, action = std::move(action)] { application_.perform(action); });
    }
    static void run(void* action) { (*static_cast<std::function<void()>*>(action))(); }
    static void runFromWidget(Fl_Widget*, void* action) { run(action); }

    // The widget's callback runs the action.
    void onUser(Fl_Widget& widget, std::function<void()> action) {
        widget.callback(runFromWidget, add(std::move(action)));
    }

  private:
    Application& application_;
    std::deque<std::function<void()>> actions_;
};

}  // namespace torvexa::fltk
