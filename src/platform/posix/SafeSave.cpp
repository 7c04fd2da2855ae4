// The safe save: a temporary file beside the target, synced, renamed over it.
#include "platform/posix/SafeSave.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <optional>

#include "platform/TemporaryNames.h"
#include "platform/posix/FileDescriptor.h"

namespace torvexa {
namespace fs = std::filesystem;
namespace {

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
    failOnFile(ELOOP, path);
}

mode_t defaultMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void writeAll(int fd, std::string_view content, const fs::path& path) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) failOnFile(n < 0 ? errno : ENOSPC, path);
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

}  // namespace

void writeFileAtomically(const fs::path& target, std::string_view content) {
    const fs::path file = followLinks(target);
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();

    struct stat old {};
    const bool replacing = ::stat(file.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) failOnFile(EISDIR, file);
    // A write-protected file stays protected, as it would on Windows: without any write
    // permission bit it is read-only even for a user whom the system would let write it.
    if (replacing && (old.st_mode & 0222) == 0) failOnFile(EACCES, file);
    if (replacing && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0)
        failOnFile(errno, file);

    removeDeadWritersFiles(folder);
    std::string temporary = (folder / temporaryTemplate(file)).string();
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0) failOnFile(errno, file);

    try {
        if (::fchmod(fd.get(), replacing ? (old.st_mode & 07777) : defaultMode()) != 0)
            failOnFile(errno, file);
        writeAll(fd.get(), content, file);
        if (::fsync(fd.get()) != 0) failOnFile(errno, file);
        if (::close(fd.release()) != 0) failOnFile(errno, file);
        if (::rename(temporary.c_str(), file.c_str()) != 0) failOnFile(errno, file);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    syncFolder(folder);
}

}  // namespace torvexa
