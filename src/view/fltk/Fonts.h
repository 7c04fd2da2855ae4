#pragma once

#include <filesystem>
#include <iosfwd>

namespace torvexa::fltk {

// The layout is measured for Arial's metrics, which Liberation Sans shares. A program that
// brings its own copy (the portable archive) registers the font files of `folder` with
// fontconfig as the program's own, so that they are drawn whatever the system has; a folder
// that does not exist adds nothing. Call before any text is drawn.
void useOwnFonts(const std::filesystem::path& folder);

// Whether fontconfig gives a font of Arial's metrics for the layout's font; when it does not,
// says once on `errors` which package brings it, on the distributions players use.
bool checkLayoutFont(std::ostream& errors);

}  // namespace torvexa::fltk
