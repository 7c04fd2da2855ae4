#include "platform/posix/PosixSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

PosixSystem::PosixSystem(PrefixSearch search, GameMark game)
    : search_(std::move(search)), game_(std::move(game)), prefix_(search_->fallback()) {}

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
    if (key == game_.key && valueName == game_.valueName) return lookUpGame();
    for (const std::filesystem::path& prefix : search_->prefixes()) {
        RegistryValue value = valueIn(prefix, key, valueName);
        if (value.kind == RegistryValue::Kind::Missing) continue;
        prefix_ = prefix;
        return value;
    }
    prefix_ = search_->fallback();
    return {};
}

// A prefix whose registry still names the game after its folder was deleted, or names a
// folder without the game's file, would hide the copy the player plays: it is passed over.
std::vector<Installation> PosixSystem::installations() {
    passedOver_.clear();
    firstNaming_.reset();
    std::vector<Installation> found;
    for (const PrefixPlace& place : search_->places()) {
        RegistryValue value = valueIn(place.prefix, game_.key, game_.valueName);
        if (value.kind == RegistryValue::Kind::Missing) continue;
        if (!firstNaming_) firstNaming_.emplace(place.prefix, value);
        if (value.kind == RegistryValue::Kind::OtherType) {
            passedOver_.push_back({place.prefix,
                                   "its registry names the game's folder in a value that "
                                   "is not text"});
            continue;
        }
        std::filesystem::path file = windowsToPosix(value.text + "\\" + game_.file, place.prefix);
        std::error_code error;
        if (!std::filesystem::is_regular_file(file, error)) {
            passedOver_.push_back({place.prefix, "there is no " + file.string()});
            continue;
        }
        const auto written = std::filesystem::last_write_time(file, error);
        found.push_back(
            {place.name, place.prefix, std::move(file), std::move(value.text), written});
    }
    return found;
}

// Of the prefixes that hold the game, the one in use stays (a load, a backup and a save all go
// to the copy the player opened, whichever copy is written later meanwhile), else the one whose
// file was written last. When no prefix holds the file, the first that names the game is used,
// so that "Laden" says what it always said (a folder or file not found, a value of the wrong
// type).
RegistryValue PosixSystem::lookUpGame() {
    const std::vector<Installation> found = installations();
    const auto inUse = [this](const Installation& one) {
        return foundGame_ && one.prefix == prefix_;
    };
    const auto chosen = std::max_element(
        found.begin(), found.end(), [&](const Installation& a, const Installation& b) {
            return std::make_pair(inUse(a), a.written) < std::make_pair(inUse(b), b.written);
        });
    foundGame_ = chosen != found.end();
    if (foundGame_) {
        prefix_ = chosen->prefix;
        return {RegistryValue::Kind::Text, chosen->folder};
    }
    if (!firstNaming_) {
        prefix_ = search_->fallback();
        return {};
    }
    prefix_ = firstNaming_->first;
    return firstNaming_->second;
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
