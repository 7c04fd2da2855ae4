#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace torvexa {

// How wide a text is drawn, in pixels.
using MeasureText = std::function<int(std::string_view)>;

// A path of this machine (UTF-8) on lines no wider than `width`: broken after its separators
// ('/' or '\'), and inside a name that alone is wider than a line, never inside a letter.
std::vector<std::string> pathLines(std::string_view path, int width, const MeasureText& measure);

}  // namespace torvexa
