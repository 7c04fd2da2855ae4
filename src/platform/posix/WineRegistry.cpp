#include "platform/posix/WineRegistry.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/Cp1252.h"

namespace torvexa {
namespace {

constexpr unsigned kRegSz = 1;
constexpr unsigned kRegExpandSz = 2;
constexpr unsigned kRegBinary = 3;

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

// Reads Wine's escaped text from `pos` up to an unescaped `end`; leaves pos after `end`.
std::u16string unescape(std::string_view s, std::size_t& pos, char end) {
    std::u16string out;
    while (pos < s.size() && s[pos] != end) {
        const char c = s[pos++];
        if (c != '\\' || pos >= s.size()) {
            out += static_cast<char16_t>(static_cast<unsigned char>(c));
            continue;
        }
        const char e = s[pos++];
        switch (e) {
            case 'a':
                out += u'\a';
                break;
            case 'b':
                out += u'\b';
                break;
            case 'e':
                out += char16_t{27};
                break;
            case 'f':
                out += u'\f';
                break;
            case 'n':
                out += u'\n';
                break;
            case 'r':
                out += u'\r';
                break;
            case 't':
                out += u'\t';
                break;
            case 'v':
                out += u'\v';
                break;
            case 'x': {
                unsigned unit = 0;
                int digits = 0;
                for (int d; digits < 4 && pos < s.size() && (d = hexDigit(s[pos])) >= 0;
                     ++digits, ++pos) {
                    unit = unit * 16 + static_cast<unsigned>(d);
                }
                out += digits > 0 ? static_cast<char16_t>(unit) : u'x';
                break;
            }
            default:
                if (e >= '0' && e <= '7') {
                    unsigned unit = static_cast<unsigned>(e - '0');
                    for (int n = 1; n < 3 && pos < s.size() && s[pos] >= '0' && s[pos] <= '7';
                         ++n) {
                        unit = unit * 8 + static_cast<unsigned>(s[pos++] - '0');
                    }
                    out += static_cast<char16_t>(unit);
                } else {
                    out += static_cast<char16_t>(static_cast<unsigned char>(e));
                }
        }
    }
    if (pos < s.size()) ++pos;  // the closing `end`
    return out;
}

std::vector<unsigned char> parseHexBytes(std::string_view s) {
    std::vector<unsigned char> bytes;
    int high = -1;
    for (const char c : s) {
        const int d = hexDigit(c);
        if (d < 0) {
            high = -1;
            continue;
        }
        if (high < 0) {
            high = d;
        } else {
            bytes.push_back(static_cast<unsigned char>(high * 16 + d));
            high = -1;
        }
    }
    return bytes;
}

RegistryValue textValue(std::u16string_view units) {
    return RegistryValue{RegistryValue::Kind::Text, toProgramText(units)};
}

RegistryValue otherType() { return RegistryValue{RegistryValue::Kind::OtherType, {}}; }

// Parses the data part of a value line ("...", str(N):"...", dword:..., hex(N):...).
RegistryValue parseData(std::string_view data) {
    std::size_t pos = 0;
    unsigned type = kRegSz;
    if (data.starts_with("str(") || data.starts_with("hex(")) {
        const std::size_t close = data.find("):");
        if (close == std::string_view::npos) return otherType();
        type = 0;
        for (std::size_t i = 4; i < close; ++i)
            type = type * 16 + static_cast<unsigned>(std::max(hexDigit(data[i]), 0));
        pos = close + 2;
    } else if (data.starts_with("str:")) {
        pos = 4;
    } else if (data.starts_with("hex:")) {
        type = kRegBinary;
        pos = 3;
    } else if (!data.starts_with("\"")) {
        return otherType();  // dword: and anything unknown
    }

    if (data.starts_with("hex")) {
        const std::vector<unsigned char> bytes = parseHexBytes(data.substr(pos));
        if (bytes.empty()) return textValue({});
        if (type != kRegSz && type != kRegExpandSz) return otherType();
        std::u16string units;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            units += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        }
        return textValue(units);
    }
    if (type != kRegSz && type != kRegExpandSz) return otherType();
    if (pos >= data.size() || data[pos] != '"') return otherType();
    ++pos;
    return textValue(unescape(data, pos, '"'));
}

std::vector<std::u16string> candidateKeys(std::string_view key) {
    const std::u16string plain = fromProgramText(key);
    const std::size_t slash = plain.find(u'\\');
    if (slash != std::u16string::npos && equalNoCase(plain.substr(0, slash), u"Software")) {
        return {plain.substr(0, slash) + u"\\Wow6432Node" + plain.substr(slash), plain};
    }
    return {plain};
}

// The line at `pos`, without its terminator; moves pos past it.
std::string_view nextLine(std::string_view text, std::size_t& pos) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

RegistryValue findMachineValue(std::string_view systemReg, std::string_view key,
                               std::string_view valueName) {
    constexpr std::size_t kOtherKey = static_cast<std::size_t>(-1);
    const std::vector<std::u16string> candidates = candidateKeys(key);
    const std::u16string wantedValue = fromProgramText(valueName);
    std::vector<bool> keyFound(candidates.size(), false);
    std::vector<std::optional<RegistryValue>> values(candidates.size());

    std::size_t current = kOtherKey;
    std::size_t pos = 0;
    while (pos < systemReg.size()) {
        const std::string_view line = nextLine(systemReg, pos);
        if (line.starts_with("[")) {
            std::size_t p = 1;
            const std::u16string name = unescape(line, p, ']');
            current = kOtherKey;
            for (std::size_t k = 0; k < candidates.size(); ++k) {
                if (equalNoCase(name, candidates[k])) current = k;
            }
            if (current != kOtherKey) keyFound[current] = true;
            continue;
        }
        const bool valueLine = line.starts_with("\"") || line.starts_with("@");
        if (current == kOtherKey || values[current] || !valueLine) continue;

        std::u16string name;
        std::size_t p = 1;
        if (line[0] == '"') name = unescape(line, p, '"');
        if (p >= line.size() || line[p] != '=' || !equalNoCase(name, wantedValue)) continue;

        std::string data(line.substr(p + 1));
        while (!data.empty() && data.back() == '\\' && pos < systemReg.size()) {
            data.pop_back();
            data += nextLine(systemReg, pos);
        }
        values[current] = parseData(data);
    }

    for (std::size_t k = 0; k < candidates.size(); ++k) {
        if (keyFound[k]) return values[k].value_or(RegistryValue{});
    }
    return {};
}

}  // namespace torvexa
