#pragma once

#include <windows.h>

#include <functional>

namespace torvexa::winsys {

// The Windows file calls of a save, a backup and a restore, each replaceable, so that tests can
// make any of them fail the way Windows documents it (Wine rarely does). The program uses the
// real ones.
struct FileCalls {
    std::function<HANDLE(LPCWSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE)>
        createFile = ::CreateFileW;
    std::function<BOOL(HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED)> readFile = ::ReadFile;
    std::function<BOOL(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED)> writeFile = ::WriteFile;
    std::function<BOOL(HANDLE)> flushFileBuffers = ::FlushFileBuffers;
    std::function<BOOL(HANDLE)> closeHandle = ::CloseHandle;
    std::function<BOOL(LPCWSTR, LPCWSTR, LPCWSTR, DWORD, LPVOID, LPVOID)> replaceFile =
        ::ReplaceFileW;
    std::function<BOOL(LPCWSTR, LPCWSTR, DWORD)> moveFile = ::MoveFileExW;
    std::function<BOOL(LPCWSTR)> deleteFile = ::DeleteFileW;
};

}  // namespace torvexa::winsys
