#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvexa {

// A save writes ".<target>.torvexa-<process id>-XXXXXX" next to its target first, so that a
// later save can tell whether the process that was writing such a file still runs.
std::string temporaryNameStem(std::string_view targetName, unsigned long processId);

// How many characters follow the stem.
inline constexpr std::size_t kTemporaryNameRandom = 6;

// The writer's process id from a temporary file's name; nothing for any other name.
std::optional<unsigned long> writerOfTemporary(std::string_view name);

// The name of the file a temporary file was to replace (for a name writerOfTemporary accepts).
std::string targetOfTemporary(std::string_view name);

}  // namespace torvexa
