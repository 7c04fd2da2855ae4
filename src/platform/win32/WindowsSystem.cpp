#include "platform/win32/WindowsSystem.h"

#include <windows.h>

#include <filesystem>
#include <optional>

#include "common/Failure.h"
#include "platform/win32/FileCalls.h"
#include "platform/win32/NativeFiles.h"
#include "platform/win32/Registry.h"
#include "platform/win32/SafeSave.h"
#include "platform/win32/WideText.h"

namespace torvexa {
namespace {

using winsys::ansi;
using winsys::exists;
using winsys::fail;
using winsys::failWithLastError;
using winsys::fullPathOf;
using winsys::Handle;
using winsys::wide;
using winsys::writeProtected;

std::string environment(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return ansi(value);
}

// This user's store and the folders Windows virtualises: both Program Files folders (a 32-bit
// program sees the 64-bit one only as ProgramW6432), the Windows folder and ProgramData.
VirtualStore thisUsersStore() {
    const std::string local = environment(L"LOCALAPPDATA");
    return VirtualStore(
        local.empty() ? std::string() : local + "\\VirtualStore",
        {environment(L"ProgramFiles"), environment(L"ProgramFiles(x86)"),
         environment(L"ProgramW6432"), environment(L"SystemRoot"), environment(L"ProgramData")});
}

}  // namespace

WindowsSystem::WindowsSystem(GameMark game) : WindowsSystem(winsys::FileCalls(), std::move(game)) {}
WindowsSystem::WindowsSystem(const winsys::FileCalls& calls, GameMark game)
    : WindowsSystem(calls, thisUsersStore(), std::move(game)) {}
WindowsSystem::WindowsSystem(const winsys::FileCalls& calls, VirtualStore store, GameMark game)
    : calls_(std::make_unique<winsys::FileCalls>(calls)),
      store_(std::move(store)),
      copies_(std::move(game), [this](const std::string& folder) {
          return copyIn(folder, "Folder: " + std::string(lastNameOf(folder)));
      }) {}
WindowsSystem::~WindowsSystem() = default;

RegistryValue WindowsSystem::readMachineValue(std::string_view key, std::string_view valueName) {
    if (std::optional<RegistryValue> answer = copies_.answerFor(key, valueName)) return *answer;
    return winsys::readMachineValue(key, valueName);
}

std::optional<Installation> WindowsSystem::copyIn(const std::string& folder, std::string name) {
    const std::string file = folder + "\\" + copies_.game().file;
    if (!isFile(file)) return std::nullopt;
    const std::string shown = machinePath(file);
    std::error_code error;
    const auto written =
        std::filesystem::last_write_time(std::filesystem::path(winsys::wideFromUtf8(shown)), error);
    return Installation{std::move(name), file, shown, written, {}, folder};
}

std::vector<Installation> WindowsSystem::installations() {
    std::vector<Installation> found;
    const GameMark& game = copies_.game();
    const RegistryValue registered = winsys::readMachineValue(game.key, game.valueName);
    if (registered.kind == RegistryValue::Kind::Text) {
        if (std::optional<Installation> copy = copyIn(registered.text, "Registry")) {
            copy->folder.clear();  // the registry answers for it, read anew at each load
            found.push_back(std::move(*copy));
        }
    }
    return copies_.all(std::move(found));
}

std::optional<Installation> WindowsSystem::addFolder(const std::string& path) {
    return copies_.addFolder(path);
}

// The copy is one of those listed last (the list the player chose from), else searched anew.
bool WindowsSystem::use(const std::string& file) {
    return copies_.use(file, copies_.listed()) || copies_.use(file, installations());
}

std::optional<Installation> WindowsSystem::inUse() {
    if (!copies_.inUse()) installations();
    return copies_.inUse();
}

std::wstring WindowsSystem::seenByGame(const std::string& path) const {
    const std::wstring full = fullPathOf(wide(path));
    const std::optional<std::string> copy = store_.copyOf(ansi(full));
    return copy && exists(wide(*copy)) ? wide(*copy) : full;
}

std::string WindowsSystem::machinePath(const std::string& path) {
    return winsys::utf8(seenByGame(path));
}

std::string WindowsSystem::readFile(const std::string& path) {
    Handle file(calls_->createFile(seenByGame(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                *calls_);
    if (!file) failWithLastError();
    // A pipe or a device has no end to read to.
    if (GetFileType(file.get()) != FILE_TYPE_DISK) fail(ERROR_ACCESS_DENIED);
    std::string content;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.get(), &size)) content.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[1 << 16];
    for (;;) {
        DWORD read = 0;
        if (!calls_->readFile(file.get(), buffer, sizeof buffer, &read, nullptr))
            failWithLastError();
        if (read == 0) break;
        content.append(buffer, read);
    }
    return content;
}

void WindowsSystem::writeFile(const std::string& path, std::string_view content) {
    const std::wstring full = fullPathOf(wide(path));
    const std::optional<std::string> copy = store_.copyOf(ansi(full));
    if (copy && exists(wide(*copy))) {
        winsys::writeWhole(*calls_, wide(*copy), content);
        return;
    }
    try {
        winsys::writeWhole(*calls_, full, content);
    } catch (const FileError& failure) {
        // Where the game may not write, its write makes its own copy; so does this one. A
        // write-protected file stays refused.
        if (!copy || failure.code() != ERROR_ACCESS_DENIED || writeProtected(full)) throw;
        winsys::createFolders(winsys::folderOf(wide(*copy)));
        winsys::writeWhole(*calls_, wide(*copy), content);
    }
}

bool WindowsSystem::isFile(const std::string& path) {
    std::wstring seen;
    try {
        seen = seenByGame(path);
    } catch (const FileError&) {
        return false;  // a name that is no path names no file
    }
    const DWORD attributes = GetFileAttributesW(seen.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WindowsSystem::deleteFile(const std::string& path) noexcept {
    calls_->deleteFile(wide(path).c_str());
}

void WindowsSystem::copyFile(const std::string& from, const std::string& to) {
    writeFile(to, readFile(from));
}

void WindowsSystem::sleep(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

}  // namespace torvexa
