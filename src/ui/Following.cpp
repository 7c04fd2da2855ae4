#include "ui/Following.h"

namespace torvexa {

void Following::follow(Control& control, Observer sync) {
    sync({.what = Change::What::Rows});
    std::vector<Observer>& syncs = followed_[&control];  // a map's elements stay where they are
    syncs.push_back(std::move(sync));
    control.setObserver([&syncs](const Change& change) {
        for (const Observer& each : syncs)
            each(change);
    });
}

void Following::tellAll() const {
    for (const auto& [control, syncs] : followed_)
        for (const Observer& sync : syncs)
            sync({.what = Change::What::Rows});
}

void Following::detachAll() {
    for (const auto& [control, syncs] : followed_)
        control->setObserver({});
    followed_.clear();
}

}  // namespace torvexa
