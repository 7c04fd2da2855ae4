#include "platform/posix/AtomicFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <optional>
#include <utility>

#include "common/Failure.h"
#include "platform/TemporaryNames.h"
#include "platform/posix/WinePaths.h"

namespace torvexa {
namespace fs = std::filesystem;
namespace {

[[noreturn]] void fail(int error, const fs::path& path) {
    throw FileError(windowsErrorFor(error, path));
}

// The file a chain of symbolic links ends at (which need not exist yet).
fs::path followLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::error_code ec;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    fail(ELOOP, path);
}

mode_t defaultMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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

void writeAll(int fd, std::string_view content, const fs::path& path) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail(n < 0 ? errno : ENOSPC, path);
        content.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::string temporaryTemplate(const fs::path& file) {
    return temporaryNameStem(file.filename().string(), static_cast<unsigned long>(::getpid())) +
           std::string(kTemporaryNameRandom, 'X');
}

// Removes the temporary files of saves in `folder` whose writer was killed.
void removeDeadWritersFiles(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::optional<unsigned long> writer = writerOfTemporary(name);
        if (!writer || *writer == static_cast<unsigned long>(::getpid())) continue;
        const auto pid = static_cast<pid_t>(*writer);
        if (::kill(pid, 0) != 0 && errno == ESRCH && it->is_regular_file(ec))
            ::unlink(it->path().c_str());
    }
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // the rename has happened; a folder that cannot be synced is no failure
    ::fsync(fd);
    ::close(fd);
}

// Opens a regular file for reading; its size goes to `size`.
FileDescriptor openRegular(const fs::path& path, std::size_t& size) {
    // Without blocking: opening a FIFO for reading would wait for a writer for ever.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) fail(errno, path);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) fail(errno, path);
    // A FIFO, device or socket has no end to read to.
    if (!S_ISREG(st.st_mode)) fail(EACCES, path);
    size = static_cast<std::size_t>(st.st_size);
    return fd;
}

}  // namespace

MappedFile::MappedFile(const fs::path& path) {
    std::size_t size = 0;
    const FileDescriptor fd = openRegular(path, size);
    if (size == 0) return;
    void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd.get(), 0);
    if (mapped == MAP_FAILED) fail(errno, path);
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
        if (n < 0) fail(errno, path);
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
    }
    content.resize(filled);
    return content;
}

void writeFileAtomically(const fs::path& target, std::string_view content) {
    const fs::path file = followLinks(target);
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();

    struct stat old {};
    const bool replacing = ::stat(file.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) fail(EISDIR, file);
    // A write-protected file stays protected, as it would on Windows: without any write
    // permission bit it is read-only even for a user whom the system would let write it.
    if (replacing && (old.st_mode & 0222) == 0) fail(EACCES, file);
    if (replacing && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) fail(errno, file);

    removeDeadWritersFiles(folder);
    std::string temporary = (folder / temporaryTemplate(file)).string();
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0) fail(errno, file);

    try {
        if (::fchmod(fd.get(), replacing ? (old.st_mode & 07777) : defaultMode()) != 0)
            fail(errno, file);
        writeAll(fd.get(), content, file);
        if (::fsync(fd.get()) != 0) fail(errno, file);
        if (::close(fd.release()) != 0) fail(errno, file);
        if (::rename(temporary.c_str(), file.c_str()) != 0) fail(errno, file);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    syncFolder(folder);
}

}  // namespace torvexa
