#include "ui/Following.h"

namespace torvexa {

void Following::follow(Control& control, Observer sync) {
    sync({.what = Change::What::Rows});
    control.setObserver(std::move(sync));
    followed_.push_back(&control);
}

void Following::detachAll() {
    for (Control* control : followed_)
        control->setObserver({});
    followed_.clear();
}

}  // namespace torvexa
