#include "view/fltk/ScreenScale.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <cstdlib>
#include <iostream>
#include <string>

namespace torvexa::fltk {
namespace {

constexpr double kLayoutDpi = 96;
constexpr double kLargestScale = 4;
constexpr double kNearOne = 0.03;

std::optional<double> number(std::string_view text) {
    const std::string copy(text);
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    while (end && (*end == ' ' || *end == '\t'))
        ++end;
    if (copy.empty() || !end || *end != '\0' || !(value == value)) return std::nullopt;
    return value;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<double> xftDpi(std::string_view resources) {
    while (!resources.empty()) {
        const std::size_t end = resources.find('\n');
        const std::string_view line = resources.substr(0, end);
        resources.remove_prefix(end == std::string_view::npos ? resources.size() : end + 1);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || trimmed(line.substr(0, colon)) != "Xft.dpi")
            continue;
        const auto dpi = number(trimmed(line.substr(colon + 1)));
        return dpi && *dpi > 0 ? dpi : std::nullopt;
    }
    return std::nullopt;
}

double desktopScale(std::optional<double> dpi, const char* override, std::ostream& warnings) {
    double scale = dpi ? *dpi / kLayoutDpi : 1;
    if (override && *override) {
        const auto wanted = number(trimmed(override));
        if (wanted && *wanted >= 1 && *wanted <= kLargestScale)
            scale = *wanted;
        else
            warnings << "torvexa: TORVEXA_SCALE=" << override
                     << " is ignored: it takes a number from 1 to 4\n";
    }
    if (scale < 1 + kNearOne) return 1;  // the layout is never drawn smaller than made
    return scale > kLargestScale ? kLargestScale : scale;
}

double screenScale() {
    fl_open_display();
    const char* resources = XResourceManagerString(fl_display);
    return desktopScale(xftDpi(resources ? resources : ""), std::getenv("TORVEXA_SCALE"),
                        std::cerr);
}

}  // namespace torvexa::fltk
