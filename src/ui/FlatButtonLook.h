#pragma once

// The page buttons' look, in every view: no frame until the pointer is over one; disabled,
// only its greyed caption on the colour behind it; the focus mark only for a focus the
// keyboard brought, as push buttons show it.
namespace torvexa {

enum class FlatFrame { Flat, Raised, Sunken };

struct FlatButtonState {
    bool enabled = true;
    bool hovered = false;  // the pointer is over it
    bool pressed = false;  // the mouse button went down on it and the pointer is over it
};

FlatFrame flatFrameOf(const FlatButtonState& state);

// Space and Enter press a page button that has the focus, as they press a push button.
enum class ButtonKey { Space, Enter, Other };
inline bool pressesButton(ButtonKey key) { return key != ButtonKey::Other; }

}  // namespace torvexa
