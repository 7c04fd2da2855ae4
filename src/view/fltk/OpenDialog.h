#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace torvexa::fltk {

// The program's own open dialog: a folder listing filtered by the chosen pattern, a file name
// field that takes any typed name (an existing file or not), OK and Cancel. Returns the chosen
// full path in UTF-8, nothing on cancel. It opens in `folder` (the current one when empty).
std::optional<std::string> runOpenDialog(const std::string& title, const std::string& filter,
                                         const std::filesystem::path& folder);

}  // namespace torvexa::fltk
