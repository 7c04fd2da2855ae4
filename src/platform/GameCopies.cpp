#include "platform/GameCopies.h"

#include <algorithm>

#include "common/Cp1252.h"

namespace torvexa {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool equalNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerCp1252(x) == lowerCp1252(y);
           });
}

std::string_view withoutEndSeparators(std::string_view path) {
    // The root ("/", "C:\") keeps its separator.
    while (path.size() > 1 && isSeparator(path.back()) && path[path.size() - 2] != ':')
        path.remove_suffix(1);
    return path;
}

}  // namespace

std::string_view lastNameOf(std::string_view path) {
    path = withoutEndSeparators(path);
    const auto cut = path.find_last_of("\\/");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string gameFolderOf(std::string_view path, std::string_view gameFile) {
    path = withoutEndSeparators(path);
    if (!equalNoCase(lastNameOf(path), gameFile)) return std::string(path);
    path.remove_suffix(gameFile.size());
    return std::string(withoutEndSeparators(path));
}

GameCopies::GameCopies(GameMark game, CopyIn copyIn)
    : game_(std::move(game)), copyIn_(std::move(copyIn)) {}

std::vector<Installation> GameCopies::all(std::vector<Installation> found) {
    for (const std::string& folder : folders_) {
        std::optional<Installation> copy = copyIn_(folder);
        // The same file by another name (a folder chosen by hand that a record names too).
        const auto listed = [&](const Installation& one) {
            return copy && one.shown == copy->shown;
        };
        if (copy && std::none_of(found.begin(), found.end(), listed))
            found.push_back(std::move(*copy));
    }
    if (!inUse_ && !found.empty()) {
        inUse_ = *std::max_element(
            found.begin(), found.end(),
            [](const Installation& a, const Installation& b) { return a.written < b.written; });
    }
    listed_ = found;
    return found;
}

std::optional<Installation> GameCopies::addFolder(const std::string& path) {
    const std::string folder = gameFolderOf(path, game_.file);
    std::optional<Installation> copy = copyIn_(folder);
    if (copy && std::find(folders_.begin(), folders_.end(), folder) == folders_.end())
        folders_.push_back(folder);
    return copy;
}

bool GameCopies::use(const std::string& file, const std::vector<Installation>& all) {
    const auto chosen = std::find_if(all.begin(), all.end(),
                                     [&](const Installation& one) { return one.file == file; });
    if (chosen == all.end()) return false;
    inUse_ = *chosen;
    return true;
}

std::optional<RegistryValue> GameCopies::answerFor(std::string_view key,
                                                   std::string_view valueName) const {
    if (!inUse_ || inUse_->folder.empty() || key != game_.key || valueName != game_.valueName)
        return std::nullopt;
    return RegistryValue{RegistryValue::Kind::Text, inUse_->folder};
}

}  // namespace torvexa
