#include "platform/VirtualStore.h"

#include <algorithm>

namespace torvexa {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string withoutTrailingSeparators(std::string folder) {
    while (folder.size() > 3 && isSeparator(folder.back()))
        folder.pop_back();
    return folder;
}

// Whether `path` is `folder` itself or lies below it.
bool liesIn(std::string_view path, std::string_view folder) {
    if (folder.empty() || path.size() <= folder.size()) return false;
    const bool samePrefix =
        std::equal(folder.begin(), folder.end(), path.begin(), [](char a, char b) {
            return lowerAscii(a) == lowerAscii(b) || (isSeparator(a) && isSeparator(b));
        });
    return samePrefix && isSeparator(path[folder.size()]);
}

}  // namespace

VirtualStore::VirtualStore(std::string store, std::vector<std::string> protectedFolders)
    : store_(withoutTrailingSeparators(std::move(store))) {
    for (std::string& folder : protectedFolders) {
        if (!folder.empty())
            protectedFolders_.push_back(withoutTrailingSeparators(std::move(folder)));
    }
}

std::optional<std::string> VirtualStore::copyOf(std::string_view fullPath) const {
    if (store_.empty()) return std::nullopt;
    const bool isProtected =
        std::any_of(protectedFolders_.begin(), protectedFolders_.end(),
                    [&](const std::string& folder) { return liesIn(fullPath, folder); });
    // A drive-letter path only: "X:\" is what the store leaves out.
    if (!isProtected || fullPath.size() < 3 || fullPath[1] != ':' || !isSeparator(fullPath[2]))
        return std::nullopt;
    std::string copy = store_;
    copy += '\\';
    copy += fullPath.substr(3);
    return copy;
}

}  // namespace torvexa
