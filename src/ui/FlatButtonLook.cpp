#include "ui/FlatButtonLook.h"

namespace torvexa {

FlatFrame flatFrameOf(const FlatButtonState& state) {
    if (!state.enabled) return FlatFrame::Flat;
    if (state.pressed) return FlatFrame::Sunken;
    return state.hovered ? FlatFrame::Raised : FlatFrame::Flat;
}

}  // namespace torvexa
