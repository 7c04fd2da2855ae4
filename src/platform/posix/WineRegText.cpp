#include "platform/posix/WineRegText.h"

#include "common/Cp1252.h"

namespace torvexa::winereg {

char16_t foldCase(char16_t c) {
    if (c < 0x100) return static_cast<unsigned char>(lowerCp1252(static_cast<char>(c)));
    return c;
}

bool equalNoCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldCase(a[i]) != foldCase(b[i])) return false;
    }
    return true;
}

std::u16string fromProgramText(std::string_view text) {
    std::u16string out;
    for (const char c : text)
        out += static_cast<char16_t>(cp1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

// UTF-16 up to the first NUL, to the program's 8-bit text.
std::string toProgramText(std::u16string_view units) {
    std::string out;
    for (std::size_t i = 0; i < units.size() && units[i] != 0; ++i) {
        char32_t cp = units[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (units[++i] - 0xDC00);
        }
        const auto mapped = unicodeToCp1252(cp);
        out += mapped ? static_cast<char>(*mapped) : '?';
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Decodes one unit of Wine's escaped text at `pos` and moves pos past it.
char16_t nextUnit(std::string_view s, std::size_t& pos) {
    const char c = s[pos++];
    if (c != '\\' || pos >= s.size()) return static_cast<char16_t>(static_cast<unsigned char>(c));
    const char e = s[pos++];
    switch (e) {
        case 'a':
            return u'\a';
        case 'b':
            return u'\b';
        case 'e':
            return char16_t{27};
        case 'f':
            return u'\f';
        case 'n':
            return u'\n';
        case 'r':
            return u'\r';
        case 't':
            return u'\t';
        case 'v':
            return u'\v';
        case 'x': {
            unsigned unit = 0;
            int digits = 0;
            for (int d; digits < 4 && pos < s.size() && (d = hexDigit(s[pos])) >= 0;
                 ++digits, ++pos)
                unit = unit * 16 + static_cast<unsigned>(d);
            return digits > 0 ? static_cast<char16_t>(unit) : u'x';
        }
        default:
            if (e >= '0' && e <= '7') {
                unsigned unit = static_cast<unsigned>(e - '0');
                for (int n = 1; n < 3 && pos < s.size() && s[pos] >= '0' && s[pos] <= '7'; ++n)
                    unit = unit * 8 + static_cast<unsigned>(s[pos++] - '0');
                return static_cast<char16_t>(unit);
            }
            return static_cast<char16_t>(static_cast<unsigned char>(e));
    }
}

// Reads Wine's escaped text from `pos` up to an unescaped `end`; leaves pos after `end`.
std::u16string unescape(std::string_view s, std::size_t& pos, char end) {
    std::u16string out;
    while (pos < s.size() && s[pos] != end)
        out += nextUnit(s, pos);
    if (pos < s.size()) ++pos;  // the closing `end`
    return out;
}

// A key as system.reg writes it when it is plain ASCII: each backslash doubled.
std::string escapedAscii(std::u16string_view key) {
    std::string out;
    for (const char16_t unit : key) {
        if (unit == u'\\') out += '\\';
        out += static_cast<char>(unit);
    }
    return out;
}

}  // namespace torvexa::winereg
