#include "view/fltk/Text.h"

#include "common/Cp1252.h"

namespace torvexa::fltk {
namespace {

std::string doubledUtf8(std::string_view text, std::string_view special) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (special.find(c) != std::string_view::npos) out += c;
        out += c;
    }
    return out;
}

std::string doubled(std::string_view text, std::string_view special) {
    return cp1252ToUtf8(doubledUtf8(text, special));
}

}  // namespace

std::string captionText(std::string_view programText) { return doubled(programText, "@"); }

std::string boxCaptionText(std::string_view programText) {
    std::string plain;
    for (std::size_t i = 0; i < programText.size(); ++i) {
        if (programText[i] != '&') {
            plain += programText[i];
        } else if (i + 1 < programText.size() && programText[i + 1] == '&') {
            plain += '&';
            ++i;
        }
    }
    return doubled(plain, "@");
}

std::string itemText(std::string_view programText) { return doubled(programText, "@&"); }

std::string plainText(std::string_view programText) { return doubled(programText, "@"); }

std::string displayText(std::string_view programText) { return cp1252ToUtf8(programText); }

std::string machineText(std::string_view utf8) { return doubledUtf8(utf8, "@"); }

std::string typedText(const char* utf8) { return utf8ToCp1252(utf8 ? utf8 : ""); }

}  // namespace torvexa::fltk
