// Reading files: whole, or mapped into memory; only regular files, never blocking.
#include "platform/posix/FileReading.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/posix/FileDescriptor.h"

namespace torvexa {
namespace fs = std::filesystem;
namespace {

// Opens a regular file for reading; its size goes to `size`.
FileDescriptor openRegular(const fs::path& path, std::size_t& size) {
    // Without blocking: opening a FIFO for reading would wait for a writer for ever.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) failOnFile(errno, path);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) failOnFile(errno, path);
    // A FIFO, device or socket has no end to read to.
    if (!S_ISREG(st.st_mode)) failOnFile(EACCES, path);
    size = static_cast<std::size_t>(st.st_size);
    return fd;
}

}  // namespace

MappedFile::MappedFile(const fs::path& path) {
    std::size_t size = 0;
    const FileDescriptor fd = openRegular(path, size);
    if (size == 0) return;
    void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd.get(), 0);
    if (mapped == MAP_FAILED) failOnFile(errno, path);
    data_ = static_cast<const char*>(mapped);
    size_ = size;
}

MappedFile::~MappedFile() {
    if (data_) ::munmap(const_cast<char*>(data_), size_);
}

std::string readWholeFile(const fs::path& path) {
    std::size_t size = 0;
    const FileDescriptor fd = openRegular(path, size);

    // Straight into the string, sized as the file is; a file that grows meanwhile is read on.
    std::string content(size + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == content.size()) content.resize(content.size() * 2);
        const ssize_t n = ::read(fd.get(), content.data() + filled, content.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failOnFile(errno, path);
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
    }
    content.resize(filled);
    return content;
}

}  // namespace torvexa
