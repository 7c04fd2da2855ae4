// Integer conversion against a reference written again from the rules: optional leading
// blanks, an optional sign, then decimal digits, or hexadecimal digits after "$", "x", "X" or
// "0x"; 32-bit range; anything else, the empty text included, is no integer.
#include <cstdint>
#include <optional>
#include <string>

#include "Check.h"
#include "common/Integer.h"

using namespace torvexa;

namespace {

std::optional<long long> reference(const std::string& text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return std::nullopt;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    int base = 10;
    if (text.compare(i, 2, "0x") == 0) {
        base = 16;
        i += 2;
    } else if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        i += 1;
    }
    if (i >= text.size()) return std::nullopt;
    long long magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > 2147483648LL) return std::nullopt;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > 2147483647LL) return std::nullopt;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<int> ours = parseInteger(text);
    const std::optional<long long> expected = reference(text);
    FUZZ_CHECK(ours.has_value() == expected.has_value(), "the same texts are integers");
    if (ours) FUZZ_CHECK(*ours == *expected, "the same value");
    if (ours) FUZZ_CHECK(parseInteger(integerText(*ours)) == ours, "written text reads back");
    return 0;
}
