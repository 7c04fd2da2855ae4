#include "support/GameMachine.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/WideText.h"
#endif

namespace torvexa::test {

#ifdef _WIN32

namespace {
const wchar_t* const kInstallKey = L"SOFTWARE\\Infogrames\\Grand Prix 4\\1.00\\Install Dir";

void setDirectory(DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kInstallKey, 0, nullptr, 0,
                        KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the registry key");
    RegSetValueExW(key, L"Directory", 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}
}  // namespace

GameMachine::GameMachine() = default;

GameMachine::~GameMachine() {
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kInstallKey, KEY_WOW64_32KEY, 0);
}

std::string GameMachine::windowsFolder(const std::string& name) const {
    return winsys::ansi(folder(name).wstring());
}

std::filesystem::path GameMachine::folder(const std::string& name) const {
    return drive_.path() / winsys::wide(name);
}

void GameMachine::registerGame(std::string_view windowsDirectory) const {
    const std::wstring text = winsys::wide(windowsDirectory);
    setDirectory(REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void GameMachine::registerWrongType() const {
    const DWORD one = 1;
    setDirectory(REG_DWORD, &one, sizeof one);
}

#else

GameMachine::GameMachine() = default;
GameMachine::~GameMachine() = default;

std::string GameMachine::windowsFolder(const std::string& name) const { return "C:\\" + name; }

std::filesystem::path GameMachine::folder(const std::string& name) const {
    return prefix.driveC() / name;
}

void GameMachine::registerGame(std::string_view windowsDirectory) const {
    prefix.registerGame(windowsDirectory);
}

void GameMachine::registerWrongType() const {
    prefix.writeSystemReg(
        "[Software\\\\Wow6432Node\\\\Infogrames\\\\Grand Prix 4\\\\1.00\\\\Install Dir] "
        "1733000000\n"
        "\"Directory\"=dword:00000001\n");
}

#endif

}  // namespace torvexa::test
