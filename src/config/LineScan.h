#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace torvexa {

// Appends, for every LF in `text`, the offset just after it (plus `base`) to `starts`: where
// the next line begins. Finding the lines is most of a load's work, so it looks at many bytes
// at a time where the processor can.
void appendLineStarts(std::string_view text, std::size_t base, std::vector<std::uint32_t>& starts);

}  // namespace torvexa
