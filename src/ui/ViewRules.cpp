#include "ui/ViewRules.h"

#include <algorithm>

#include "ui/Controls.h"

namespace torvexa {

Rgb rgbOf(Colour colour) {
    switch (colour) {
        case Colour::ButtonFace:
            return {240, 240, 240};
        case Colour::WindowText:
            return {0, 0, 0};
        case Colour::Window:
            return {255, 255, 255};
        case Colour::SkyBlue:
            return {166, 202, 240};
        case Colour::MoneyGreen:
            return {192, 220, 192};
        case Colour::Navy:
            return {0, 0, 128};
    }
    return {0, 0, 0};
}

bool isSystemColour(Colour colour) {
    return colour == Colour::ButtonFace || colour == Colour::WindowText || colour == Colour::Window;
}

Colour backgroundOf(const Control& control) {
    for (const Control* c = &control; c; c = c->parent()) {
        if (c->look().colour) return *c->look().colour;
    }
    return Colour::ButtonFace;
}

int shownWidth(const Label& label, int textWidth) {
    const int layoutWidth = label.bounds().width;
    return label.look().fixedSize ? layoutWidth : std::max(layoutWidth, textWidth);
}

void choose(ListBox& list, int topRow, int row) {
    list.scrollTo(topRow);
    list.select(row);
}

std::string messageText(std::string_view text, std::string_view lineBreak) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += lineBreak;
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

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
