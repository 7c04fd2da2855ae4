#include "platform/win32/WindowsSystem.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <optional>

#include "common/Failure.h"
#include "platform/TemporaryNames.h"
#include "platform/win32/FileCalls.h"
#include "platform/win32/WideText.h"

namespace torvexa {
namespace {

using win32text::ansi;
using win32text::wide;

[[noreturn]] void fail(DWORD code) { throw FileError(static_cast<int>(code)); }
[[noreturn]] void failWithLastError() { fail(GetLastError()); }

class Handle {
  public:
    Handle(HANDLE handle, const win32::FileCalls& calls) : handle_(handle), calls_(calls) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(); }
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE && handle_; }
    HANDLE get() const { return handle_; }
    // Closes now; whether that succeeded.
    bool close() {
        const bool closed = !*this || calls_.closeHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
    const win32::FileCalls& calls_;
};

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

std::wstring fullPathOf(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) failWithLastError();
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) failWithLastError();
    full.resize(length);
    return full;
}

std::wstring folderOf(const std::wstring& fullPath) {
    return fullPath.substr(0, fullPath.find_last_of(L"\\/"));
}

std::wstring nameOf(const std::wstring& fullPath) {
    return fullPath.substr(fullPath.find_last_of(L"\\/") + 1);
}

bool processHasEnded(unsigned long id) {
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (!process) return GetLastError() == ERROR_INVALID_PARAMETER;  // no such process
    const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Removes the temporary files of saves in `folder` whose writer was killed, but only where the
// file they were to replace exists: after a replace that failed half-way, a temporary file may
// hold the only copy of the content.
void removeDeadWritersFiles(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = ansi(found.cFileName);
        const std::optional<unsigned long> writer = writerOfTemporary(name);
        if (!writer || *writer == GetCurrentProcessId()) continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::wstring target = folder + L"\\" + wide(targetOfTemporary(name));
        if (exists(target) && processHasEnded(*writer))
            DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// A temporary name next to the target that names nothing yet.
std::wstring freeTemporaryName(const std::wstring& folder, const std::wstring& target,
                               unsigned long long& seed) {
    static constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const std::string stem = temporaryNameStem(ansi(nameOf(target)), GetCurrentProcessId());
    std::string random;
    for (std::size_t i = 0; i < kTemporaryNameRandom; ++i) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        random += kDigits[(seed >> 33) % (sizeof kDigits - 1)];
    }
    return folder + L"\\" + wide(stem + random);
}

unsigned long long freshSeed() {
    return GetTickCount64() ^ (static_cast<unsigned long long>(GetCurrentProcessId()) << 20);
}

// A new, empty temporary file next to the target; its name goes to `name`.
HANDLE createTemporary(const win32::FileCalls& calls, const std::wstring& folder,
                       const std::wstring& target, std::wstring& name) {
    unsigned long long seed = freshSeed();
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = freeTemporaryName(folder, target, seed);
        const HANDLE file = calls.createFile(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

void writeAll(const win32::FileCalls& calls, HANDLE file, std::string_view content) {
    while (!content.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1 << 20));
        DWORD written = 0;
        if (!calls.writeFile(file, content.data(), chunk, &written, nullptr)) failWithLastError();
        if (written == 0) fail(ERROR_DISK_FULL);
        content.remove_prefix(written);
    }
}

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

// Makes the folder and those above it that are missing.
void createFolders(const std::wstring& folder) {
    for (std::size_t at = folder.find_first_of(L"\\/", 3);;
         at = folder.find_first_of(L"\\/", at + 1)) {
        const std::wstring part = folder.substr(0, at);
        if (!CreateDirectoryW(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            failWithLastError();
        if (at == std::wstring::npos) return;
    }
}

bool writeProtected(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY));
}

}  // namespace

WindowsSystem::WindowsSystem()
    : calls_(std::make_unique<win32::FileCalls>()), store_(thisUsersStore()) {}
WindowsSystem::WindowsSystem(const win32::FileCalls& calls)
    : calls_(std::make_unique<win32::FileCalls>(calls)), store_(thisUsersStore()) {}
WindowsSystem::WindowsSystem(const win32::FileCalls& calls, VirtualStore store)
    : calls_(std::make_unique<win32::FileCalls>(calls)), store_(std::move(store)) {}
WindowsSystem::~WindowsSystem() = default;

RegistryValue WindowsSystem::readMachineValue(std::string_view key, std::string_view valueName) {
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

std::wstring WindowsSystem::seenByGame(const std::string& path) const {
    const std::wstring full = fullPathOf(wide(path));
    const std::optional<std::string> copy = store_.copyOf(ansi(full));
    return copy && exists(wide(*copy)) ? wide(*copy) : full;
}

std::string WindowsSystem::machinePath(const std::string& path) {
    return win32text::utf8(seenByGame(path));
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
        writeWhole(wide(*copy), content);
        return;
    }
    try {
        writeWhole(full, content);
    } catch (const FileError& failure) {
        // Where the game may not write, its write makes its own copy; so does this one. A
        // write-protected file stays refused.
        if (!copy || failure.code() != ERROR_ACCESS_DENIED || writeProtected(full)) throw;
        createFolders(folderOf(wide(*copy)));
        writeWhole(wide(*copy), content);
    }
}

void WindowsSystem::writeWhole(const std::wstring& target, std::string_view content) {
    const std::wstring folder = folderOf(target);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool replacing = attributes != INVALID_FILE_ATTRIBUTES;
    if (!replacing && GetLastError() != ERROR_FILE_NOT_FOUND) failWithLastError();
    // A folder, or a write-protected file, stays as it is.
    if (replacing && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        fail(ERROR_ACCESS_DENIED);

    removeDeadWritersFiles(folder);
    std::wstring temporary;
    Handle file(createTemporary(*calls_, folder, target, temporary), *calls_);
    if (!file) failWithLastError();
    try {
        writeAll(*calls_, file.get(), content);
        if (!calls_->flushFileBuffers(file.get())) failWithLastError();
        if (!file.close()) failWithLastError();
        if (!replacing) {
            if (!calls_->moveFile(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
                failWithLastError();
            return;
        }
        // Replacing keeps the old file's attributes and security; the attributes are set
        // beforehand too, for systems whose replace is a plain rename (Wine's).
        SetFileAttributesW(temporary.c_str(), attributes);
    } catch (...) {
        file.close();
        calls_->deleteFile(temporary.c_str());
        throw;
    }
    putInPlace(target, temporary);
}

// Replaces the target with the finished temporary file, so that afterwards the old or the new
// content is whole under the target's name, whatever fails. ReplaceFileW is given a backup name:
// then each of its documented failures leaves the old content under a name we know
// (https://learn.microsoft.com/windows/win32/api/winbase/nf-winbase-replacefilew):
// ERROR_UNABLE_TO_REMOVE_REPLACED and ERROR_UNABLE_TO_MOVE_REPLACEMENT leave both files under
// their own names; ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 leaves the old file under the backup name
// and the target's name free; a sharing violation (the game holds the file) changes nothing.
// So the state is read from the names, not from the code: while the target exists it is whole,
// and the temporary file is only removed when it is not the only copy of the new content.
void WindowsSystem::putInPlace(const std::wstring& target, const std::wstring& temporary) {
    unsigned long long seed = freshSeed();
    std::wstring backup;
    do {
        backup = freeTemporaryName(folderOf(target), target, seed);
    } while (exists(backup));
    if (calls_->replaceFile(target.c_str(), temporary.c_str(), backup.c_str(),
                            REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        calls_->deleteFile(backup.c_str());
        return;
    }
    const DWORD error = GetLastError();
    if (!exists(target)) {
        // Half-way: the new content goes in; failing that, the old content goes back.
        if (calls_->moveFile(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
            calls_->deleteFile(backup.c_str());
            return;
        }
        if (!exists(backup) ||
            !calls_->moveFile(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
            fail(error);  // both copies stay; no save removes them while the target is missing
    }
    if (exists(backup)) calls_->deleteFile(backup.c_str());
    calls_->deleteFile(temporary.c_str());
    fail(error);
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
