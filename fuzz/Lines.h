#pragma once

#include <string>
#include <string_view>
#include <vector>

// An independent reading of a configuration file's lines, as the rules say: a line ends at LF
// or CR LF; a Ctrl-Z where a line would begin ends the lines, and it and what follows are
// returned apart.
namespace torvexa::fuzz {

struct Lines {
    std::vector<std::string> raw;  // each line's bytes without its terminator
    std::string endMark;
};

inline Lines splitLines(std::string_view bytes) {
    Lines lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (bytes[pos] == 26) {
            lines.endMark = std::string(bytes.substr(pos));
            break;
        }
        std::size_t end = bytes.find('\n', pos);
        const bool terminated = end != std::string_view::npos;
        if (!terminated) end = bytes.size();
        std::size_t stop = end;
        if (terminated && stop > pos && bytes[stop - 1] == '\r') --stop;
        lines.raw.emplace_back(bytes.substr(pos, stop - pos));
        pos = terminated ? end + 1 : bytes.size();
    }
    return lines;
}

// The file that writing the lines unchanged must give: every line ended by CR LF, then the end
// mark.
inline std::string written(const Lines& lines) {
    std::string out;
    for (const std::string& line : lines.raw)
        out += line + "\r\n";
    return out + lines.endMark;
}

}  // namespace torvexa::fuzz
