#pragma once

#include <string>
#include <string_view>

#include "platform/win32/FileCalls.h"

namespace torvexa::winsys {

// Writes `content` as the whole of `target`, which afterwards holds the old content or the new,
// whatever fails: a temporary file beside it, written and flushed, then put in its place. A
// folder or a read-only file is refused. Failures are FileError with the system's code.
void writeWhole(const FileCalls& calls, const std::wstring& target, std::string_view content);

}  // namespace torvexa::winsys
