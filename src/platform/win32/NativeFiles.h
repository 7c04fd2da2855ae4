#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/FileCalls.h"

// The file system as the Windows system layer uses it: failures as FileError with the system's
// code, handles closed with their owner, and full paths cut into folder and name.
namespace torvexa::winsys {

[[noreturn]] void fail(DWORD code);
[[noreturn]] void failWithLastError();

// A file handle, closed through the file calls when it goes.
class Handle {
  public:
    Handle(HANDLE handle, const winsys::FileCalls& calls) : handle_(handle), calls_(calls) {}
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
    const winsys::FileCalls& calls_;
};

std::wstring fullPathOf(const std::wstring& path);
std::wstring folderOf(const std::wstring& fullPath);
std::wstring nameOf(const std::wstring& fullPath);
bool exists(const std::wstring& path);
// A folder, or a file marked read-only: nothing may replace it.
bool writeProtected(const std::wstring& path);
// Makes the folder and those above it that are missing.
void createFolders(const std::wstring& folder);

}  // namespace torvexa::winsys
