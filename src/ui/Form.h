#pragma once

#include <string>

#include "ui/Control.h"
#include "ui/ControlVisitor.h"

namespace torvexa {

class MainMenu;

// A top-level window. Its bounds are its position on the screen and its client area.
class Form : public Control {
  public:
    // The buttons of the title bar; the border is always fixed.
    enum class TitleButtons { NoButtons, SystemMenuAndClose };

    Form(std::string name, Rect bounds, std::string caption, Look look,
         TitleButtons titleButtons = TitleButtons::NoButtons);
    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

    TitleButtons titleButtons() const noexcept { return titleButtons_; }
    // The window's main menu, if it has one.
    MainMenu* mainMenu() const noexcept { return mainMenu_; }

    // The creation handler, run once when the program creates the window.
    virtual void FormCreate() {}

    // Shows the window modeless and brings it to the front.
    void showInFront();
    // Counts the requests to bring the window to the front, for the view.
    int frontRequests() const noexcept { return frontRequests_; }

    // The window manager asks the window to close: a dialog only hides.
    virtual void closeRequest() { setVisible(false); }
    // A person presses Esc in the window: a dialog's way out, as its form says; none by default.
    virtual void escapeRequest() {}
    // A person presses Enter where no field or button takes it: the window's button that
    // applies, as its form says; none by default.
    virtual void enterRequest() {}

  private:
    friend class MainMenu;

    TitleButtons titleButtons_;
    MainMenu* mainMenu_ = nullptr;
    int frontRequests_ = 0;
};

}  // namespace torvexa
