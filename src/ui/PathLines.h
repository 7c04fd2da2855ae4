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
// only after its separators ('/' or '\'). When the whole path does not fit, folders from its
// middle give way to one "…": the drive or first folder and the file name show, and as many
// folders before the file name as there is room for (in a place too small for both, the file
// name). A single name wider than a line ends in "…" where the line does.
std::vector<std::string> pathLines(std::string_view path, int width, int maxLines,
                                   const MeasureText& measure);

}  // namespace torvexa
