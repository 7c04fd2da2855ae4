#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace torvexa {

// Reads a whole file; failures throw FileError with the mapped Windows code.
std::string readWholeFile(const std::filesystem::path& path);

// Replaces `target` so that it holds either its old content or the whole new content, never a
// part: the content goes to a temporary file in the same folder, is synced, closed and renamed
// over the target, and the folder is synced. A symbolic link is followed (the link survives);
// the old file's permission bits are kept. On failure the temporary file is removed and
// FileError is thrown.
void writeFileAtomically(const std::filesystem::path& target, std::string_view content);

}  // namespace torvexa
