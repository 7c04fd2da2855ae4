#include "platform/win32/SafeSave.h"

#include <algorithm>
#include <optional>

#include "platform/TemporaryNames.h"
#include "platform/win32/NativeFiles.h"
#include "platform/win32/WideText.h"

namespace torvexa::winsys {
namespace {

bool processHasEnded(unsigned long id) {
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (!process) return GetLastError() == ERROR_INVALID_PARAMETER;  // no such process
    const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
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
HANDLE createTemporary(const FileCalls& calls, const std::wstring& folder,
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

void writeAll(const FileCalls& calls, HANDLE file, std::string_view content) {
    while (!content.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1 << 20));
        DWORD written = 0;
        if (!calls.writeFile(file, content.data(), chunk, &written, nullptr)) failWithLastError();
        if (written == 0) fail(ERROR_DISK_FULL);
        content.remove_prefix(written);
    }
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
void putInPlace(const FileCalls& calls, const std::wstring& target, const std::wstring& temporary) {
    unsigned long long seed = freshSeed();
    std::wstring backup;
    do {
        backup = freeTemporaryName(folderOf(target), target, seed);
    } while (exists(backup));
    if (calls.replaceFile(target.c_str(), temporary.c_str(), backup.c_str(),
                          REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        calls.deleteFile(backup.c_str());
        return;
    }
    const DWORD error = GetLastError();
    if (!exists(target)) {
        // Half-way: the new content goes in; failing that, the old content goes back.
        if (calls.moveFile(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
            calls.deleteFile(backup.c_str());
            return;
        }
        if (!exists(backup) ||
            !calls.moveFile(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
            fail(error);  // both copies stay; no save removes them while the target is missing
    }
    if (exists(backup)) calls.deleteFile(backup.c_str());
    calls.deleteFile(temporary.c_str());
    fail(error);
}

}  // namespace

void writeWhole(const FileCalls& calls, const std::wstring& target, std::string_view content) {
    const std::wstring folder = folderOf(target);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool replacing = attributes != INVALID_FILE_ATTRIBUTES;
    if (!replacing && GetLastError() != ERROR_FILE_NOT_FOUND) failWithLastError();
    // A folder, or a write-protected file, stays as it is.
    if (replacing && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        fail(ERROR_ACCESS_DENIED);

    removeDeadWritersFiles(folder);
    std::wstring temporary;
    Handle file(createTemporary(calls, folder, target, temporary), calls);
    if (!file) failWithLastError();
    try {
        writeAll(calls, file.get(), content);
        if (!calls.flushFileBuffers(file.get())) failWithLastError();
        if (!file.close()) failWithLastError();
        if (!replacing) {
            if (!calls.moveFile(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
                failWithLastError();
            return;
        }
        // Replacing keeps the old file's attributes and security; the attributes are set
        // beforehand too, for systems whose replace is a plain rename (Wine's).
        SetFileAttributesW(temporary.c_str(), attributes);
    } catch (...) {
        file.close();
        calls.deleteFile(temporary.c_str());
        throw;
    }
    putInPlace(calls, target, temporary);
}

}  // namespace torvexa::winsys
