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

PosixSystem::PosixSystem(std::filesystem::path winePrefix)
    : copies_({}, [this](const std::string& folder) { return copyInFolder(folder); }),
      prefix_(std::move(winePrefix)) {}

PosixSystem::PosixSystem(PrefixSearch search, GameMark game)
    : search_(std::move(search)),
      copies_(std::move(game), [this](const std::string& folder) { return copyInFolder(folder); }),
      prefix_(search_->fallback()) {}

std::filesystem::path PosixSystem::toPosixPath(std::string_view windowsPath) const {
    // A copy chosen by its folder answers the game's folder with that folder, a path of this
    // machine; the game's files are named below it.
    const std::optional<Installation>& copy = copies_.inUse();
    if (copy && !copy->folder.empty() && windowsPath.size() > copy->folder.size() &&
        windowsPath.starts_with(copy->folder) && windowsPath[copy->folder.size()] == '\\') {
        std::string below(windowsPath.substr(copy->folder.size() + 1));
        std::replace(below.begin(), below.end(), '\\', '/');
        return std::filesystem::path(copy->folder) / below;
    }
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
    if (std::optional<RegistryValue> answer = copies_.answerFor(key, valueName)) return *answer;
    if (!search_) return valueIn(prefix_, key, valueName);
    if (key == copies_.game().key && valueName == copies_.game().valueName) return lookUpGame();
    for (const std::filesystem::path& prefix : search_->prefixes()) {
        RegistryValue value = valueIn(prefix, key, valueName);
        if (value.kind == RegistryValue::Kind::Missing) continue;
        prefix_ = prefix;
        return value;
    }
    prefix_ = search_->fallback();
    return {};
}

// A search reads again only the registries that changed since the last: each known by its
// file's device, inode, size and time of change (Wine replaces system.reg whole when it saves).
RegistryValue PosixSystem::gameValueIn(const std::filesystem::path& prefix) {
    struct stat file {};
    if (::stat((prefix / "system.reg").c_str(), &file) != 0) return {};
    const RegistryStamp stamp{file.st_dev, file.st_ino, file.st_size, file.st_mtim.tv_sec,
                              file.st_mtim.tv_nsec};
    const auto known = gameValues_.find(prefix);
    if (known != gameValues_.end() && known->second.first == stamp) return known->second.second;
    RegistryValue value = valueIn(prefix, copies_.game().key, copies_.game().valueName);
    gameValues_.insert_or_assign(prefix, std::make_pair(stamp, value));
    return value;
}

// A prefix whose registry still names the game after its folder was deleted, or names a
// folder without the game's file, would hide the copy the player plays: it is passed over.
std::vector<Installation> PosixSystem::prefixCopies() {
    passedOver_.clear();
    firstNaming_.reset();
    std::vector<Installation> found;
    if (!search_) return found;
    const GameMark& game = copies_.game();
    for (const PrefixPlace& place : search_->places()) {
        RegistryValue value = gameValueIn(place.prefix);
        if (value.kind == RegistryValue::Kind::Missing) continue;
        if (!firstNaming_) firstNaming_.emplace(place.prefix, value);
        if (value.kind == RegistryValue::Kind::OtherType) {
            passedOver_.push_back({place.prefix,
                                   "its registry names the game's folder in a value that "
                                   "is not text"});
            continue;
        }
        const std::filesystem::path file =
            windowsToPosix(value.text + "\\" + game.file, place.prefix);
        std::error_code error;
        if (!std::filesystem::is_regular_file(file, error)) {
            passedOver_.push_back({place.prefix, "there is no " + file.string()});
            continue;
        }
        const std::string shown = std::filesystem::weakly_canonical(file, error).string();
        found.push_back({place.name,
                         shown,
                         shown,
                         std::filesystem::last_write_time(file, error),
                         place.prefix,
                         {}});
    }
    return found;
}

std::optional<Installation> PosixSystem::copyInFolder(const std::string& folder) const {
    const std::filesystem::path file = std::filesystem::path(folder) / copies_.game().file;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    const std::string shown = std::filesystem::weakly_canonical(file, error).string();
    return Installation{"Folder: " + std::string(lastNameOf(folder)),  shown, shown,
                        std::filesystem::last_write_time(file, error), {},    folder};
}

std::vector<Installation> PosixSystem::installations() { return copies_.all(prefixCopies()); }

std::optional<Installation> PosixSystem::addFolder(const std::string& path) {
    return copies_.addFolder(path);
}

// The copy is one of those listed last (the list the player chose from), else searched anew.
bool PosixSystem::use(const std::string& file) {
    return copies_.use(file, copies_.listed()) || copies_.use(file, installations());
}

// Without a choice, the copy in the prefix WINEPREFIX names, else the one written last.
std::optional<Installation> PosixSystem::inUse() {
    if (copies_.inUse()) return copies_.inUse();
    const std::vector<Installation> all = installations();
    const auto named = std::find_if(all.begin(), all.end(),
                                    [](const Installation& copy) { return !copy.prefix.empty(); });
    if (search_ && search_->namesWinePrefix() && named != all.end()) copies_.use(named->file, all);
    return copies_.inUse();
}

bool PosixSystem::namedForThisRun() {
    return namedForThisRun_ || (search_ && search_->namesWinePrefix());
}

std::optional<Installation> PosixSystem::nameForThisRun(const std::filesystem::path& path) {
    std::error_code error;
    if (search_ && (std::filesystem::exists(path / "system.reg", error) ||
                    std::filesystem::exists(path / "pfx" / "system.reg", error))) {
        search_ = search_->withWinePrefix(path);
        for (const Installation& copy : installations()) {
            if (!copy.prefix.empty() && use(copy.file)) {
                namedForThisRun_ = true;
                return copy;
            }
        }
        return std::nullopt;
    }
    std::optional<Installation> copy = addFolder(path.string());
    namedForThisRun_ = copy && use(copy->file);
    return copy;
}

// The game's folder as the registry of the copy in use names it, read anew at each lookup. While
// no prefix holds the game's file, the first that names the game is used, so that "Laden" says
// what it always said (a folder or file not found, a value of the wrong type).
RegistryValue PosixSystem::lookUpGame() {
    if (const std::optional<Installation> copy = inUse()) {
        prefix_ = copy->prefix;
        return valueIn(prefix_, copies_.game().key, copies_.game().valueName);
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
