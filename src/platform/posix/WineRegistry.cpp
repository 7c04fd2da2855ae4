#include "platform/posix/WineRegistry.h"

#include <algorithm>
#include <cstdint>
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

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether the raw header at `pos` (just after its "[") is `escaped` without regard to case:
// yes, no, or "cannot tell" when the header holds an escape other than a doubled backslash.
enum class RawMatch { Yes, No, Unsure };
RawMatch rawMatch(std::string_view s, std::size_t pos, std::string_view escaped) {
    for (std::size_t i = 0; i < escaped.size(); ++i, ++pos) {
        if (pos >= s.size()) return RawMatch::No;
        const char c = s[pos];
        if (static_cast<unsigned char>(c) >= 0x80) return RawMatch::Unsure;
        if (c == '\\') {  // only a doubled backslash is compared as it stands
            if (pos + 1 >= s.size() || s[pos + 1] != '\\') return RawMatch::Unsure;
            if (escaped[i] != '\\' || i + 1 >= escaped.size()) return RawMatch::No;
            ++i;
            ++pos;
            continue;
        }
        if (foldAscii(c) != foldAscii(escaped[i])) return RawMatch::No;
    }
    return pos < s.size() && s[pos] == ']' ? RawMatch::Yes : RawMatch::No;
}

// Which of the candidates (at most 32) a key header names, decoding it only as far as one
// still matches; -1 for none. `pos` is just after the "["; it ends after the "]".
int matchingKey(std::string_view s, std::size_t& pos,
                const std::vector<std::u16string>& candidates) {
    std::uint32_t alive = (1u << candidates.size()) - 1;
    std::size_t at = 0;  // units decoded
    while (pos < s.size() && s[pos] != ']' && alive) {
        const char16_t unit = foldCase(nextUnit(s, pos));
        for (std::size_t k = 0; k < candidates.size(); ++k) {
            if (at >= candidates[k].size() || foldCase(candidates[k][at]) != unit)
                alive &= ~(1u << k);
        }
        ++at;
    }
    if (pos >= s.size() || s[pos] != ']') return -1;
    for (std::size_t k = 0; k < candidates.size(); ++k)
        if ((alive & (1u << k)) && candidates[k].size() == at) return static_cast<int>(k);
    return -1;
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
    const std::vector<std::u16string> candidates = candidateKeys(key);
    const std::u16string wantedValue = fromProgramText(valueName);
    std::vector<bool> keyFound(candidates.size(), false);
    std::vector<std::optional<RegistryValue>> values(candidates.size());

    std::vector<std::string> escaped;
    bool allAscii = true;
    for (const std::u16string& candidate : candidates) {
        escaped.push_back(escapedAscii(candidate));
        for (const char16_t unit : candidate)
            allAscii = allAscii && unit < 0x80;
    }

    // Only key headers ("[" at the start of a line) are looked at, and each only as far as it
    // can still be one of the wanted keys: as raw bytes where that tells, decoded otherwise.
    std::size_t pos = 0;
    while ((pos = systemReg.find('[', pos)) != std::string_view::npos) {
        if (pos > 0 && systemReg[pos - 1] != '\n') {
            ++pos;
            continue;
        }
        ++pos;
        int k = -1;
        bool unsure = !allAscii;
        // Wine escapes only a backslash in the name of a plain ASCII key, so a header of
        // another length cannot name one of the wanted keys.
        const std::size_t close = systemReg.find(']', pos);
        const std::size_t length = close == std::string_view::npos ? 0 : close - pos;
        for (std::size_t c = 0; c < escaped.size() && k < 0 && !unsure; ++c) {
            if (length != escaped[c].size()) continue;
            const RawMatch match = rawMatch(systemReg, pos, escaped[c]);
            if (match == RawMatch::Yes) k = static_cast<int>(c);
            unsure = match == RawMatch::Unsure;
        }
        if (unsure) k = matchingKey(systemReg, pos, candidates);
        if (k < 0) continue;
        keyFound[static_cast<std::size_t>(k)] = true;
        pos = std::min(systemReg.find('\n', pos), systemReg.size()) + 1;
        // The key's values, up to the next key.
        while (pos < systemReg.size() && systemReg[pos] != '[') {
            const std::string_view line = nextLine(systemReg, pos);
            const bool valueLine = line.starts_with("\"") || line.starts_with("@");
            if (values[static_cast<std::size_t>(k)] || !valueLine) continue;
            std::u16string name;
            std::size_t p = 1;
            if (line[0] == '"') name = unescape(line, p, '"');
            if (p >= line.size() || line[p] != '=' || !equalNoCase(name, wantedValue)) continue;
            std::string data(line.substr(p + 1));
            while (!data.empty() && data.back() == '\\' && pos < systemReg.size()) {
                data.pop_back();
                data += nextLine(systemReg, pos);
            }
            values[static_cast<std::size_t>(k)] = parseData(data);
        }
    }

    for (std::size_t k = 0; k < candidates.size(); ++k) {
        if (keyFound[k]) return values[k].value_or(RegistryValue{});
    }
    return {};
}

}  // namespace torvexa
