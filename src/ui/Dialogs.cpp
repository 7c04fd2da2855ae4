#include "ui/Dialogs.h"

namespace torvexa {

std::vector<FileFilter> FileDialogSettings::filters() const {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::vector<FileFilter> pairs;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        pairs.push_back({parts[i], parts[i + 1]});
    return pairs;
}

}  // namespace torvexa
