#pragma once

#include <map>
#include <vector>

#include "ui/Control.h"

namespace torvexa {

// The observers a view attached: each is told once at once, so the widget starts up to date,
// and all are detached when the view goes, before its widgets. A control may have several
// (a native label that carries another control's caption follows that control too).
class Following {
  public:
    Following() = default;
    ~Following() { detachAll(); }
    Following(const Following&) = delete;
    Following& operator=(const Following&) = delete;

    void follow(Control& control, Observer sync);
    // Tells every observer again, as at once, so that each widget is made up to date anew (after
    // the view has changed what they are drawn with, such as the screen's scale).
    void tellAll() const;
    void detachAll();

  private:
    std::map<Control*, std::vector<Observer>> followed_;
};

}  // namespace torvexa
