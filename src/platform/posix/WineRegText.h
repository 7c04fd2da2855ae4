#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text of a Wine registry file: key and value names are UTF-16, written with escapes
// ("\\", "\"", "\xNNNN", octal) in an 8-bit file.
namespace torvexa::winereg {

// A UTF-16 unit in lower case, as the registry folds names (the Windows-1252 letters).
char16_t foldCase(char16_t c);
// Whether two names are the same without regard to case, as the registry compares them.
bool equalNoCase(std::u16string_view a, std::u16string_view b);

// The program's 8-bit text (Windows-1252) as UTF-16, and back (up to the first NUL; a letter
// the code page lacks becomes "?").
std::u16string fromProgramText(std::string_view text);
std::string toProgramText(std::u16string_view units);

// Decodes one unit of Wine's escaped text at `pos` and moves pos past it.
char16_t nextUnit(std::string_view s, std::size_t& pos);
// Reads Wine's escaped text from `pos` up to an unescaped `end`; leaves pos after `end`.
std::u16string unescape(std::string_view s, std::size_t& pos, char end);
// A key as system.reg writes it when it is plain ASCII: each backslash doubled.
std::string escapedAscii(std::u16string_view key);

// The value of a hexadecimal digit, -1 for any other character.
int hexDigit(char c);

}  // namespace torvexa::winereg
