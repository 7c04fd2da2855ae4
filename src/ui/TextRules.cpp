#include "ui/TextRules.h"

#include <algorithm>

namespace torvexa {

int shownWidth(const Label& label, int textWidth) {
    return shownWidth(label, textWidth, label.bounds().width);
}

int shownWidth(const Label& label, int textWidth, int placedWidth) {
    return label.look().fixedSize ? placedWidth : std::max(placedWidth, textWidth);
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
