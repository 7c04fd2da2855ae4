#include "platform/posix/WineRegistry.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/posix/WineRegText.h"

namespace torvexa {
namespace {

using namespace winereg;

constexpr unsigned kRegSz = 1;
constexpr unsigned kRegExpandSz = 2;
constexpr unsigned kRegBinary = 3;

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
