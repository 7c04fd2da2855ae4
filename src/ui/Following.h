#pragma once

#include <vector>

#include "ui/Control.h"

namespace torvexa {

// The observers a view attached: each is told once at once, so the widget starts up to date,
// and all are detached when the view goes, before its widgets.
class Following {
  public:
    Following() = default;
    ~Following() { detachAll(); }
    Following(const Following&) = delete;
    Following& operator=(const Following&) = delete;

    void follow(Control& control, Observer sync);
    void detachAll();

  private:
    std::vector<Control*> followed_;
};

}  // namespace torvexa
