#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace torvexa {

// How wide a text is drawn, in pixels.
using MeasureText = std::function<int(std::string_view)>;

// The ellipsis (UTF-8) that stands for the folders a path leaves out.
inline constexpr std::string_view kLeftOut = "\xE2\x80\xA6";

// A path of this machine (UTF-8) on at most `maxLines` lines no wider than `width`, broken
// after its separators ('/' or '\'), and inside a name wider than a line after its blanks. When the
// whole path does not fit, folders give way to "…", so that what tells one game from another stays:
// the drive or first folder, a Wine prefix's own folder (the one holding drive_c: a bottle, a Steam
// game's number is above it), the game's folder and the file name. The folders between the first
// and the prefix give way first, then those inside drive_c from the left, then drive_c, and only
// where the place is too small for the rest, the game's folder and the prefix. A single word wider
// than a line ends in "…" where the line does; in a place too small for the first folder and the
// file, the file name comes first.
std::vector<std::string> pathLines(std::string_view path, int width, int maxLines,
                                   const MeasureText& measure);

// The whole path for a tooltip, its lines joined by "\n": broken only after separators into
// lines no wider than `width`, a single wider name on a line of its own, nothing left out.
std::string wholePathLines(std::string_view path, int width, const MeasureText& measure);

}  // namespace torvexa
