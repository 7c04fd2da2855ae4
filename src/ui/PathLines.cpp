#include "ui/PathLines.h"

namespace torvexa {
namespace {

bool continuesALetter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The path cut after each separator.
std::vector<std::string_view> pieces(std::string_view path) {
    std::vector<std::string_view> out;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] != '/' && path[i] != '\\') continue;
        out.push_back(path.substr(begin, i + 1 - begin));
        begin = i + 1;
    }
    if (begin < path.size()) out.push_back(path.substr(begin));
    return out;
}

}  // namespace

std::vector<std::string> pathLines(std::string_view path, int width, const MeasureText& measure) {
    std::vector<std::string> lines;
    std::string line;
    const auto fits = [&](std::string_view more) {
        return measure(line + std::string(more)) <= width;
    };
    for (std::string_view piece : pieces(path)) {
        if (fits(piece)) {
            line += piece;
            continue;
        }
        if (!line.empty()) lines.push_back(std::move(line));
        line.clear();
        // A name wider than a line: as many letters as fit, at least one.
        while (!piece.empty()) {
            std::size_t letter = 1;
            while (letter < piece.size() && continuesALetter(piece[letter]))
                ++letter;
            if (!line.empty() && !fits(piece.substr(0, letter))) {
                lines.push_back(std::move(line));
                line.clear();
            }
            line += piece.substr(0, letter);
            piece.remove_prefix(letter);
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

}  // namespace torvexa
