#include "platform/posix/PosixSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "common/Failure.h"
#include "platform/posix/FileReading.h"
#include "platform/posix/SafeSave.h"
#include "platform/posix/WinePaths.h"
#include "platform/posix/WineRegistry.h"

namespace torvexa {

PosixSystem::PosixSystem(std::filesystem::path winePrefix) : prefix_(std::move(winePrefix)) {}

PosixSystem::PosixSystem(PrefixSearch search)
    : search_(std::move(search)), prefix_(search_->fallback()) {}

std::filesystem::path PosixSystem::toPosixPath(std::string_view windowsPath) const {
    return windowsToPosix(windowsPath, prefix_);
}

namespace {

RegistryValue valueIn(const std::filesystem::path& prefix, std::string_view key,
                      std::string_view valueName) {
    try {
        const MappedFile systemReg(prefix / "system.reg");
        return findMachineValue(systemReg.bytes(), key, valueName);
    } catch (const FileError&) {
        return {};  // a registry that cannot be read: like a key that cannot be opened
    }
}

}  // namespace

RegistryValue PosixSystem::readMachineValue(std::string_view key, std::string_view valueName) {
    if (!search_) return valueIn(prefix_, key, valueName);
    for (const std::filesystem::path& prefix : search_->prefixes()) {
        RegistryValue value = valueIn(prefix, key, valueName);
        if (value.kind == RegistryValue::Kind::Missing) continue;
        prefix_ = prefix;
        return value;
    }
    prefix_ = search_->fallback();
    return {};
}

std::string PosixSystem::readFile(const std::string& path) {
    return readWholeFile(toPosixPath(path));
}

void PosixSystem::writeFile(const std::string& path, std::string_view content) {
    writeFileAtomically(toPosixPath(path), content);
}

bool PosixSystem::isFile(const std::string& path) {
    struct stat st {};
    return ::stat(toPosixPath(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void PosixSystem::deleteFile(const std::string& path) noexcept {
    try {
        ::unlink(toPosixPath(path).c_str());
    } catch (...) {
        // deleting is best effort
    }
}

void PosixSystem::copyFile(const std::string& from, const std::string& to) {
    writeFileAtomically(toPosixPath(to), readWholeFile(toPosixPath(from)));
}

std::string PosixSystem::machinePath(const std::string& path) {
    // Through the drive's link into the prefix's own folder, as a file manager shows it.
    const std::filesystem::path mapped = toPosixPath(path);
    std::error_code failed;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(mapped, failed);
    return (failed ? mapped : resolved).string();
}

void PosixSystem::sleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace torvexa
