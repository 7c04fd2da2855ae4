#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvexa {

// Splits 8-bit file content into lines by the program's text rules: a line ends at LF or at
// CR LF; a lone CR is dropped; the last line needs no terminator and a final terminator starts
// no empty line; a Ctrl-Z (26) where a line would begin ends the text. At most maxLines lines.
std::vector<std::string> splitTextLines(std::string_view content,
                                        std::size_t maxLines = static_cast<std::size_t>(-1));

}  // namespace torvexa
