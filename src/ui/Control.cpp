#include "ui/Control.h"

#include <algorithm>
#include <vector>

namespace torvexa {

Control::Control(Control* parent, std::string name, Rect bounds, Look look)
    : parent_(parent), name_(std::move(name)), bounds_(bounds), look_(std::move(look)) {
    if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
    if (!parent_) return;
    std::erase(parent_->children_, this);
    std::erase(parent_->tabOrder_, this);
}

void Control::setTabOrder(std::vector<Control*> order) {
    for (Control* child : children_) {
        if (std::find(order.begin(), order.end(), child) == order.end()) order.push_back(child);
    }
    tabOrder_ = std::move(order);
}

Font Control::font() const {
    if (look_.font) return *look_.font;
    return parent_ ? parent_->font() : Font{};
}

void Control::setFont(const Font& font) {
    if (look_.font == font) return;
    look_.font = font;
    notify();
}

void Control::setCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    notify();
}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    notify();
}

void Control::setVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    notify();
}

bool Control::reachable() const {
    for (const Control* c = this; c; c = c->parent_) {
        if (!c->enabled_ || !c->visible_) return false;
    }
    return true;
}

void Control::notify(const Change& change) const {
    if (observer_) observer_(change);
}

void Control::run(const std::function<void()>& handler) {
    if (handler) handler();
}

}  // namespace torvexa
