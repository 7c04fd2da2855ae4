#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvexa {

// The program's integer conversion: optional leading blanks, an optional sign, then decimal
// digits, or hexadecimal digits after "$", "x", "X" or "0x". The result must fit 32 bits.
std::optional<int> parseInteger(std::string_view text) noexcept;

// As parseInteger, but text that is no integer fails with NotAnIntegerError.
int toInteger(std::string_view text);

// Decimal text without leading zeros or plus sign.
std::string integerText(long long value);

}  // namespace torvexa
