#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvexa {

// The program's text is 8-bit Windows-1252; the platform around it speaks Unicode.
// These convert at the boundary only.

char32_t cp1252ToUnicode(unsigned char byte) noexcept;
std::optional<unsigned char> unicodeToCp1252(char32_t codePoint) noexcept;

std::string cp1252ToUtf8(std::string_view text);

// Bytes that are not valid UTF-8 are taken as Windows-1252 bytes, so nothing is lost;
// characters that Windows-1252 cannot hold become "?".
std::string utf8ToCp1252(std::string_view text);

// Decodes the UTF-8 sequence of two to four bytes at text[at] into `codePoint`; returns its
// length, or 0 when no valid sequence starts there (an ASCII byte included).
std::size_t decodeUtf8(std::string_view text, std::size_t at, char32_t& codePoint);

// Whether the text is valid UTF-8 throughout.
bool isUtf8(std::string_view text);

// Windows-1252 letters to lower case (ASCII and the Latin-1 letters), for names that the
// platform compares without regard to case.
char lowerCp1252(char c) noexcept;

}  // namespace torvexa
