#include "platform/win32/WideText.h"

#include <windows.h>

namespace torvexa::winsys {

std::wstring wide(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int size = static_cast<int>(ansi.size());
    std::wstring out(
        static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, out.data(), static_cast<int>(out.size()));
    return out;
}

namespace {

std::string narrow(std::wstring_view wide, UINT codePage) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    std::string out(static_cast<std::size_t>(WideCharToMultiByte(codePage, 0, wide.data(), size,
                                                                 nullptr, 0, nullptr, nullptr)),
                    '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, out.data(), static_cast<int>(out.size()),
                        nullptr, nullptr);
    return out;
}

}  // namespace

std::string ansi(std::wstring_view wide) { return narrow(wide, CP_ACP); }

std::string utf8(std::wstring_view wide) { return narrow(wide, CP_UTF8); }

std::wstring wideFromUtf8(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring out(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), static_cast<int>(out.size()));
    return out;
}

}  // namespace torvexa::winsys
