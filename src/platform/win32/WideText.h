#pragma once

#include <string>
#include <string_view>

// The program's 8-bit text is in the system's ANSI code page; the Win32 API speaks UTF-16.
// These convert at that boundary and nowhere else.
namespace torvexa::winsys {

std::wstring wide(std::string_view ansi);
std::string ansi(std::wstring_view wide);

// A text of this machine that may hold letters outside the ANSI code page (a path).
std::string utf8(std::wstring_view wide);
std::wstring wideFromUtf8(std::string_view utf8);

}  // namespace torvexa::winsys
