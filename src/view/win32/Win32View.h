#pragma once

#include <functional>
#include <memory>

namespace torvexa {
class Control;
class Program;
}  // namespace torvexa

namespace torvexa::win32 {

struct ViewParts;

// Draws the program's three windows with native Win32 controls: one control per model control,
// built by one builder per kind of control. A person's actions go to the controls' user entry
// points through the program's top level; the controls' observers bring the native controls up
// to date, and a change made that way never counts as a person's action.
class Win32View {
  public:
    // `highContrast` tells whether Windows' high-contrast theme is on (asked again whenever
    // Windows says a setting or the system's colours changed); by default Windows' own answer.
    explicit Win32View(Program& program, std::function<bool()> highContrast = {});
    // Detaches every observer, then destroys the windows.
    ~Win32View();
    Win32View(const Win32View&) = delete;
    Win32View& operator=(const Win32View&) = delete;

    // Runs the message loop until the end of the program is requested.
    int run();

    // The native window of a control (for tests and journeys).
    void* windowOf(const Control& control) const;

  private:
    std::unique_ptr<ViewParts> parts_;
};

}  // namespace torvexa::win32
