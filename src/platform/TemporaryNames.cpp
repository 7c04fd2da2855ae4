#include "platform/TemporaryNames.h"

namespace torvexa {
namespace {
constexpr std::string_view kMark = ".torvexa-";
}

std::string temporaryNameStem(std::string_view targetName, unsigned long processId) {
    return "." + std::string(targetName) + std::string(kMark) + std::to_string(processId) + "-";
}

std::optional<unsigned long> writerOfTemporary(std::string_view name) {
    if (name.empty() || name[0] != '.') return std::nullopt;
    const std::size_t mark = name.rfind(kMark);
    if (mark == std::string_view::npos || mark == 0) return std::nullopt;
    const std::string_view tail = name.substr(mark + kMark.size());
    const std::size_t dash = tail.find('-');
    if (dash == 0 || dash == std::string_view::npos ||
        tail.size() - dash - 1 != kTemporaryNameRandom)
        return std::nullopt;
    unsigned long id = 0;
    for (const char c : tail.substr(0, dash)) {
        if (c < '0' || c > '9' || id > 400'000'000) return std::nullopt;
        id = id * 10 + static_cast<unsigned long>(c - '0');
    }
    return id;
}

std::string targetOfTemporary(std::string_view name) {
    const std::size_t mark = name.rfind(kMark);
    return mark == std::string_view::npos || mark == 0 ? std::string()
                                                       : std::string(name.substr(1, mark - 1));
}

}  // namespace torvexa
