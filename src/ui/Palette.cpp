#include "ui/Palette.h"

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
        case Colour::HotLight:
            return {0, 102, 204};
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
    return colour == Colour::ButtonFace || colour == Colour::WindowText ||
           colour == Colour::Window || colour == Colour::HotLight;
}

Colour highContrastOf(Colour colour) {
    switch (colour) {
        case Colour::SkyBlue:
        case Colour::MoneyGreen:
            return Colour::ButtonFace;
        case Colour::Navy:
            return Colour::HotLight;
        default:
            return colour;
    }
}

Colour backgroundOf(const Control& control) {
    for (const Control* c = &control; c; c = c->parent()) {
        if (c->look().colour) return *c->look().colour;
    }
    return Colour::ButtonFace;
}

Colour textBackgroundOf(const Control& control) {
    const bool field = dynamic_cast<const ListBox*>(&control) != nullptr ||
                       dynamic_cast<const ComboBox*>(&control) != nullptr;
    return field ? Colour::Window : backgroundOf(control);
}

}  // namespace torvexa
