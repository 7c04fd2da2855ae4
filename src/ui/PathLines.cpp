#include "ui/PathLines.h"

#include <algorithm>

namespace torvexa {
namespace {

bool continuesALetter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }
bool isSeparator(char c) { return c == '/' || c == '\\'; }

// The path cut after each separator: each folder with the separator after it, then the file.
std::vector<std::string> pieces(std::string_view path) {
    std::vector<std::string> out;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (!isSeparator(path[i])) continue;
        out.emplace_back(path.substr(begin, i + 1 - begin));
        begin = i + 1;
    }
    if (begin < path.size()) out.emplace_back(path.substr(begin));
    return out;
}

// A name wider than a line: as many whole letters as fit before "…", at least one.
std::string shortened(std::string_view name, int width, const MeasureText& measure) {
    std::string kept;
    for (std::size_t i = 0; i < name.size();) {
        std::size_t letter = 1;
        while (i + letter < name.size() && continuesALetter(name[i + letter]))
            ++letter;
        const std::string longer = kept + std::string(name.substr(i, letter));
        if (!kept.empty() && measure(longer + std::string(kLeftOut)) > width) break;
        kept = longer;
        i += letter;
    }
    return kept + std::string(kLeftOut);
}

// Pieces on lines, each line as many whole pieces as fit; `whole` tells whether every name
// is there whole.
std::vector<std::string> wrapped(const std::vector<std::string>& parts, int width,
                                 const MeasureText& measure, bool& whole) {
    std::vector<std::string> lines;
    std::string line;
    whole = true;
    for (const std::string& piece : parts) {
        if (measure(line + piece) <= width) {
            line += piece;
            continue;
        }
        if (!line.empty()) lines.push_back(std::move(line));
        const bool fits = measure(piece) <= width;
        whole = whole && fits;
        line = fits ? piece : shortened(piece, width, measure);
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

}  // namespace

std::vector<std::string> pathLines(std::string_view path, int width, int maxLines,
                                   const MeasureText& measure) {
    const std::vector<std::string> all = pieces(path);
    bool whole = true;
    std::vector<std::string> lines = wrapped(all, width, measure, whole);
    const auto fit = [&] { return whole && static_cast<int>(lines.size()) <= maxLines; };
    if (fit()) return lines;

    // The first folder stays with the drive or the root before it: "C:\", "/home/".
    const std::size_t head = all.size() > 2 && all.front().size() == 1 ? 2 : 1;
    const char separator = *std::find_if(path.rbegin(), path.rend(), isSeparator);
    const std::string leftOut = std::string(kLeftOut) + separator;
    for (std::size_t from = head + 1; from < all.size(); ++from) {
        std::vector<std::string> shorter(all.begin(), all.begin() + head);
        shorter.push_back(leftOut);
        shorter.insert(shorter.end(), all.begin() + from, all.end());
        lines = wrapped(shorter, width, measure, whole);
        if (fit()) return lines;
    }
    // Leaving folders out does not help: a name wider than a line is shortened where it ends,
    // and in a place too small for the drive and the file, the file name comes first.
    lines = wrapped(all, width, measure, whole);
    if (static_cast<int>(lines.size()) <= maxLines) return lines;
    lines = wrapped({leftOut, all.back()}, width, measure, whole);
    const auto extra = static_cast<std::ptrdiff_t>(lines.size()) - std::max(maxLines, 0);
    if (extra > 0) lines.erase(lines.begin(), lines.begin() + extra);
    return lines;
}

}  // namespace torvexa
