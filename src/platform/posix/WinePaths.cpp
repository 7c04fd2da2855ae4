#include "platform/posix/WinePaths.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "common/Cp1252.h"
#include "common/Failure.h"

namespace torvexa {
namespace fs = std::filesystem;
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool equalNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerCp1252(a[i]) != lowerCp1252(b[i])) return false;
    }
    return true;
}

bool entryExists(const fs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// `component` is program text; directory entries are UTF-8.
fs::path resolveComponent(const fs::path& base, std::string_view component) {
    const fs::path exact = base / cp1252ToUtf8(component);
    if (entryExists(exact)) return exact;
    std::error_code ec;
    for (fs::directory_iterator it(base.empty() ? fs::path(".") : base, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (equalNoCase(utf8ToCp1252(name), component)) return base / name;
    }
    return exact;
}

// A path of this machine (the open dialog's answer, langopt.zel, a name in the working folder):
// its bytes as they are. Earlier versions remembered such paths in Windows-1252; one that is no
// UTF-8 and names nothing is still found under its UTF-8 spelling.
fs::path machinePath(std::string_view path) {
    const fs::path asIs(path);
    if (isUtf8(path) || entryExists(asIs)) return asIs;
    const fs::path converted(cp1252ToUtf8(path));
    return entryExists(converted) ? converted : asIs;
}

}  // namespace

fs::path windowsToPosix(std::string_view windowsPath, const fs::path& prefix) {
    std::string_view rest = windowsPath;
    const bool hasDrive =
        rest.size() >= 2 && rest[1] == ':' &&
        ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= 'a' && rest[0] <= 'z'));
    if (!hasDrive && rest.find('\\') == std::string_view::npos) return machinePath(rest);

    // A Windows path without a drive letter, rooted or not, is on drive C:, from its root:
    // it never reaches outside the prefix's drives.
    const char drive = hasDrive ? lowerCp1252(rest[0]) : 'c';
    fs::path result = prefix / "dosdevices" / (std::string(1, drive) + ":");
    if (hasDrive) rest.remove_prefix(2);
    std::size_t depth = 0;  // components above which ".." may not climb
    while (!rest.empty()) {
        while (!rest.empty() && isSeparator(rest[0]))
            rest.remove_prefix(1);
        std::size_t length = 0;
        while (length < rest.size() && !isSeparator(rest[length]))
            ++length;
        const std::string_view component = rest.substr(0, length);
        rest.remove_prefix(length);
        if (component.empty() || component == ".") continue;
        if (component == "..") {
            if (depth > 0) {
                result = result.parent_path();
                --depth;
            }
            continue;
        }
        result = resolveComponent(result, component);
        ++depth;
    }
    return result;
}

int windowsErrorFor(int error, const fs::path& path) {
    switch (error) {
        case ENOENT: {
            struct stat st {};
            const fs::path parent = path.parent_path().empty() ? fs::path(".") : path.parent_path();
            const bool folderExists = ::stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
            return folderExists ? winerror::fileNotFound : winerror::pathNotFound;
        }
        case ENOTDIR:
            return winerror::pathNotFound;
        case EMFILE:
        case ENFILE:
            return winerror::tooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EISDIR:
            return winerror::accessDenied;
        case EROFS:
            return winerror::writeProtect;
        case EBUSY:
        case ETXTBSY:
            return winerror::sharingViolation;
        case EEXIST:
            return winerror::fileExists;
        case EINVAL:
            return winerror::invalidParameter;
        case ENOSPC:
        case EDQUOT:
            return winerror::diskFull;
        case ENAMETOOLONG:
            return winerror::filenameTooLong;
        case EIO:
            return winerror::ioDevice;
        case ELOOP:
            return winerror::cantResolveFilename;
        default:
            return winerror::generalFailure;
    }
}

}  // namespace torvexa
