#pragma once

#include <filesystem>
#include <string_view>

namespace torvexa {

// Replaces `target` so that it holds either its old content or the whole new content, never a
// part: the content goes to a temporary file in the same folder, is synced, closed and renamed
// over the target, and the folder is synced. A symbolic link is followed (the link survives);
// the old file's permission bits are kept. On failure the temporary file is removed and
// FileError is thrown.
void writeFileAtomically(const std::filesystem::path& target, std::string_view content);

}  // namespace torvexa
