#pragma once

// The room a growing label has on its row, the same rule for the FLTK and the Windows checks.

#include "ui/Control.h"

namespace torvexa::test {

// The gap a label's last letter keeps from the control beside it, in layout pixels.
inline constexpr int kLabelGap = 2;

// Whether a label at `label` whose text ends at `textRight` runs into the control at `other`
// (both in the same parent's pixels), keeping `gap` pixels. Only a control on the label's row
// counts: one it overlaps by a pixel or two (a tick mark above it) is not, nor one to its left.
inline bool runsInto(const Rect& label, int textRight, const Rect& other, int gap) {
    const int shared = std::min(other.top + other.height, label.top + label.height) -
                       std::max(other.top, label.top);
    if (shared < label.height / 2 || other.left <= label.left) return false;
    return textRight + gap > other.left;
}

}  // namespace torvexa::test
