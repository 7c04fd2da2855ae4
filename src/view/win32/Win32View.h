#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ui/Control.h"

namespace torvexa {
class Form;
class Program;
}  // namespace torvexa

namespace torvexa::win32 {

// Draws the program's three windows with native Win32 controls: one control per model control,
// built by one builder per kind of control. A person's actions go to the controls' user entry
// points through the program's top level; the controls' observers bring the native controls up
// to date, and a change made that way never counts as a person's action.
class Win32View {
  public:
    explicit Win32View(Program& program);
    // Detaches every observer, then destroys the windows.
    ~Win32View();
    Win32View(const Win32View&) = delete;
    Win32View& operator=(const Win32View&) = delete;

    // Runs the message loop until the end of the program is requested.
    int run();

    // The native window of a control (for tests and journeys).
    void* windowOf(const Control& control) const;

    // What a native control does when it notifies its container.
    struct Binding {
        std::function<void(int code)> command;  // WM_COMMAND notification code
        std::function<void()> scroll;           // WM_HSCROLL of a slider
        std::function<bool(int delta)> upDown;  // UDN_DELTAPOS; true: the native change is refused
        Control* control = nullptr;             // whose colours it takes
        Win32View* view = nullptr;
        bool hovered = false;  // a flat button: the pointer is over it
        bool pressed = false;  // a flat button: the mouse button is down on it
    };

  private:
    class Builder;
    class Resources;
    struct Container;

    // Runs a person's action under the top level.
    void perform(const std::function<void()>& action);
    void follow(Control& control, Observer sync);

    Program& program_;
    std::unique_ptr<Resources> resources_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    std::vector<std::unique_ptr<Container>> containers_;
    std::vector<Control*> followed_;
    std::map<const Control*, void*> windows_;
    std::vector<void*> topLevel_;
    std::vector<std::function<void()>> menuCommands_;
};

}  // namespace torvexa::win32
