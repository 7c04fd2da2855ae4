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

// A name cut after each of its blanks.
std::vector<std::string> words(std::string_view name) {
    std::vector<std::string> out;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] != ' ') continue;
        out.emplace_back(name.substr(begin, i + 1 - begin));
        begin = i + 1;
    }
    if (begin < name.size()) out.emplace_back(name.substr(begin));
    return out;
}

// Pieces on lines, each line as many whole pieces as fit. A name wider than a line starts a
// line and breaks after its blanks ("Grand Prix 4 Edición Coleccionista"); `whole` tells
// whether every name is there whole, none shortened.
std::vector<std::string> wrapped(const std::vector<std::string>& parts, int width,
                                 const MeasureText& measure, bool& whole) {
    std::vector<std::string> lines;
    std::string line;
    whole = true;
    const auto add = [&](const std::string& piece) {
        if (measure(line + piece) <= width) {
            line += piece;
            return;
        }
        if (!line.empty()) lines.push_back(std::move(line));
        const bool fits = measure(piece) <= width;
        whole = whole && fits;
        line = fits ? piece : shortened(piece, width, measure);
    };
    for (const std::string& piece : parts) {
        if (measure(line + piece) <= width || measure(piece) <= width) {
            add(piece);
            continue;
        }
        if (!line.empty()) lines.push_back(std::move(line));
        line.clear();
        for (const std::string& word : words(piece))
            add(word);
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

bool isDriveC(std::string_view piece) {
    return piece.size() == 8 && (piece[0] == 'd' || piece[0] == 'D') &&
           piece.substr(1, 6) == "rive_c" && isSeparator(piece[7]);
}

// The order in which the pieces between the first `head` and the file give way.
std::vector<std::size_t> givingWay(const std::vector<std::string>& all, std::size_t head) {
    std::vector<std::size_t> order;
    const std::size_t game = all.size() - 2;  // the folder holding the file
    const auto drive = std::find_if(all.begin() + static_cast<std::ptrdiff_t>(head), all.end() - 1,
                                    [](const std::string& p) { return isDriveC(p); });
    const auto run = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            order.push_back(i);
    };
    if (drive == all.end() - 1 || drive - all.begin() == static_cast<std::ptrdiff_t>(game)) {
        run(head, game + 1);
        return order;
    }
    const auto driveC = static_cast<std::size_t>(drive - all.begin());
    const std::size_t prefix = driveC > head ? driveC - 1 : driveC;
    run(head, prefix);
    run(driveC + 1, game);
    order.push_back(driveC);
    order.push_back(game);
    if (prefix != driveC) order.push_back(prefix);
    return order;
}

// The pieces with those in `dropped` left out, each run of them one "…".
std::vector<std::string> leftOut(const std::vector<std::string>& all,
                                 const std::vector<bool>& dropped, const std::string& ellipsis) {
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!dropped[i])
            kept.push_back(all[i]);
        else if (i == 0 || !dropped[i - 1])
            kept.push_back(ellipsis);
    }
    return kept;
}

}  // namespace

std::string wholePathLines(std::string_view path, int width, const MeasureText& measure) {
    const std::vector<std::string> all = pieces(path);
    for (const std::string& piece : all)
        width = std::max(width, measure(piece));  // no name is shortened
    bool whole = true;
    std::string joined;
    for (const std::string& line : wrapped(all, width, measure, whole))
        joined += (joined.empty() ? "" : "\n") + line;
    return joined;
}

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
    const std::string ellipsis = std::string(kLeftOut) + separator;
    if (all.size() > head + 1) {
        std::vector<bool> dropped(all.size(), false);
        for (const std::size_t piece : givingWay(all, head)) {
            dropped[piece] = true;
            lines = wrapped(leftOut(all, dropped, ellipsis), width, measure, whole);
            if (fit()) return lines;
        }
    }
    // Leaving folders out does not help: a name wider than a line is shortened where it ends,
    // and in a place too small for the drive and the file, the file name comes first.
    lines = wrapped(all, width, measure, whole);
    if (static_cast<int>(lines.size()) <= maxLines) return lines;
    lines = wrapped({ellipsis, all.back()}, width, measure, whole);
    const auto extra = static_cast<std::ptrdiff_t>(lines.size()) - std::max(maxLines, 0);
    if (extra > 0) lines.erase(lines.begin(), lines.begin() + extra);
    return lines;
}

}  // namespace torvexa
