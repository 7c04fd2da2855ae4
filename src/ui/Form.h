#pragma once

#include <string>

#include "ui/Control.h"

namespace torvexa {

// A top-level window. Its bounds are its position on the screen and its client area.
class Form : public Control {
  public:
    Form(std::string name, Rect bounds, std::string caption, Look look);

    // The creation handler, run once when the program creates the window.
    virtual void FormCreate() {}

    // Shows the window modeless and brings it to the front.
    void showInFront();
    // Counts the requests to bring the window to the front, for the view.
    int frontRequests() const noexcept { return frontRequests_; }

    // The window manager asks the window to close: a dialog only hides.
    virtual void closeRequest() { setVisible(false); }

  private:
    int frontRequests_ = 0;
};

}  // namespace torvexa
