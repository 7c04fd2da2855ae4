#include "lang/Catalogue.h"

#include "common/Failure.h"
#include "common/TextLines.h"

namespace torvexa {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

void Catalogue::load(std::string_view fileContent) {
    entries_.clear();
    for (const std::string& line : splitTextLines(fileContent, kMaxEntries)) {
        const std::string_view text = std::string_view(line).substr(0, line.find('#'));
        entries_.emplace_back(trimmed(text));
    }
}

const std::string& Catalogue::entry(int n) const {
    if (n < 0 || n >= count()) throw ListIndexError(n);
    return entries_[static_cast<std::size_t>(n)];
}

}  // namespace torvexa
