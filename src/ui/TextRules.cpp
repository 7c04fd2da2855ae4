#include "ui/TextRules.h"

#include <algorithm>

namespace torvexa {

int shownWidth(const Label& label, int textWidth) {
    const int layoutWidth = label.bounds().width;
    return label.look().fixedSize ? layoutWidth : std::max(layoutWidth, textWidth);
}

std::string messageText(std::string_view text, std::string_view lineBreak) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += lineBreak;
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

}  // namespace torvexa
