#include "platform/win32/NativeFiles.h"

#include "common/Failure.h"

namespace torvexa::winsys {

void fail(DWORD code) { throw FileError(static_cast<int>(code)); }
void failWithLastError() { fail(GetLastError()); }

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

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool writeProtected(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY));
}

void createFolders(const std::wstring& folder) {
    for (std::size_t at = folder.find_first_of(L"\\/", 3);;
         at = folder.find_first_of(L"\\/", at + 1)) {
        const std::wstring part = folder.substr(0, at);
        if (!CreateDirectoryW(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            failWithLastError();
        if (at == std::wstring::npos) return;
    }
}

}  // namespace torvexa::winsys
