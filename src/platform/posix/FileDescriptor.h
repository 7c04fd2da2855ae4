#pragma once

// What reading and writing files on this machine share: an open file that closes itself, and
// a failure that carries the Windows code of an errno.

#include <unistd.h>

#include <filesystem>
#include <utility>

#include "common/Failure.h"
#include "platform/posix/WinePaths.h"

namespace torvexa {

// Throws the failure the program reports for `error` on `path` ("File access denied" …).
[[noreturn]] inline void failOnFile(int error, const std::filesystem::path& path) {
    throw FileError(windowsErrorFor(error, path));
}

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

}  // namespace torvexa
