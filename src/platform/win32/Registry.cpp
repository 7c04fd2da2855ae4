#include "platform/win32/Registry.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>

#include "platform/win32/WideText.h"

namespace torvexa::winsys {
namespace {

// An open registry key, closed when it goes.
class Key {
  public:
    Key() = default;
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key() {
        if (key_) RegCloseKey(key_);
    }
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

}  // namespace

RegistryValue readMachineValue(std::string_view key, std::string_view valueName) {
    // Reading is all a normal user may do there. The game's 32-bit installer wrote to the
    // 32-bit view; the 64-bit view is the fallback.
    const std::wstring keyName = wide(key);
    Key opened;
    bool found = false;
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyName.c_str(), 0, KEY_READ | view, opened.out()) ==
            ERROR_SUCCESS) {
            found = true;
            break;
        }
    }
    if (!found) return {};

    const std::wstring name = wide(valueName);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
        return {};
    if (size == 0) return {RegistryValue::Kind::Text, {}};
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {RegistryValue::Kind::OtherType, {}};
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    DWORD bytes = size;
    if (RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &bytes) != ERROR_SUCCESS)
        return {};
    // Up to the first NUL, as stored: an expandable string is not expanded.
    data.resize(std::min<std::size_t>(std::wcslen(data.c_str()), bytes / sizeof(wchar_t)));
    return {RegistryValue::Kind::Text, ansi(data)};
}

}  // namespace torvexa::winsys
