#pragma once

#include <string>
#include <string_view>

#include "ui/Controls.h"

// How texts are shown, in every view.
namespace torvexa {

// How wide a label is shown with a caption `textWidth` wide: a label grows with its caption
// (never shrinks below its layout width) unless it keeps a fixed size.
int shownWidth(const Label& label, int textWidth);
// The same on a screen where the label was placed `placedWidth` wide (text width in its pixels).
int shownWidth(const Label& label, int textWidth, int placedWidth);

// A message's text for a box that breaks lines at `lineBreak`: the program separates lines
// with CR alone (CR LF counts as one break); a lone LF is left as it is.
std::string messageText(std::string_view text, std::string_view lineBreak);

// Writes `held` into a text field only when the field shows something else: writing moves
// the caret, and a person typing keeps it where it is.
template <typename Shown, typename Write>
void showText(const std::string& held, const Shown& shown, const Write& write) {
    if (shown() != held) write(held);
}

}  // namespace torvexa
