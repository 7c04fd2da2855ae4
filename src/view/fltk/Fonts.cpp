#include "view/fltk/Fonts.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <ostream>
#include <string_view>
#include <system_error>

namespace torvexa::fltk {
namespace {

constexpr const char* kLayoutFont = "Liberation Sans";

struct PatternRelease {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternRelease>;

// The family fontconfig draws for the layout's font, as a program's font request is matched.
std::string_view familyDrawnFor(const char* family, Pattern& match) {
    Pattern wanted(FcNameParse(reinterpret_cast<const FcChar8*>(family)));
    if (!wanted) return {};
    FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());
    FcResult result = FcResultNoMatch;
    match.reset(FcFontMatch(nullptr, wanted.get(), &result));
    FcChar8* found = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &found) != FcResultMatch) return {};
    return reinterpret_cast<const char*>(found);
}

}  // namespace

void useOwnFonts(const std::filesystem::path& folder) {
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error)) return;
    FcConfigAppFontAddDir(nullptr, reinterpret_cast<const FcChar8*>(folder.c_str()));
}

bool checkLayoutFont(std::ostream& errors) {
    Pattern match;
    const std::string_view family = familyDrawnFor(kLayoutFont, match);
    if (family == kLayoutFont || family == "Arial") return true;
    errors << "torvexa: the font Liberation Sans is missing, so some captions may be cut; "
              "install it (Debian, Ubuntu: fonts-liberation; Fedora: liberation-sans-fonts; "
              "Arch: ttf-liberation)\n";
    return false;
}

}  // namespace torvexa::fltk
