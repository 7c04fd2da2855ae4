#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ui/Dialogs.h"

namespace torvexa::fltk {

// The open dialog of this system: a folder listing filtered by the chosen pattern, a file name
// field that takes any typed name (an existing file or not), OK and Cancel, in the desktop's
// language. The filters' texts are UTF-8. Returns the chosen full path as this
// machine spells it (UTF-8 bytes, never converted), nothing on cancel. It opens in `folder`
// (the current one when empty), drawn at `scale`.
std::optional<std::string> runOpenDialog(std::vector<FileFilter> filters,
                                         const std::filesystem::path& folder, double scale = 1);

}  // namespace torvexa::fltk
