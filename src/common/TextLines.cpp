#include "common/TextLines.h"

namespace torvexa {

std::vector<std::string> splitTextLines(std::string_view content, std::size_t maxLines) {
    constexpr char ctrlZ = 26;
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < content.size() && content[pos] != ctrlZ && lines.size() < maxLines) {
        std::string line;
        while (pos < content.size()) {
            const char c = content[pos++];
            if (c == '\n') break;
            if (c == '\r') {
                if (pos < content.size() && content[pos] == '\n') {
                    ++pos;
                    break;
                }
                continue;
            }
            line += c;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace torvexa
