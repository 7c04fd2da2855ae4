#include "ui/Following.h"

namespace torvexa {

void Following::follow(Control& control, Observer sync) {
    sync({.what = Change::What::Rows});
    control.setObserver(sync);
    followed_.emplace_back(&control, std::move(sync));
}

void Following::tellAll() const {
    for (const auto& [control, sync] : followed_)
        sync({.what = Change::What::Rows});
}

void Following::detachAll() {
    for (const auto& [control, sync] : followed_)
        control->setObserver({});
    followed_.clear();
}

}  // namespace torvexa
