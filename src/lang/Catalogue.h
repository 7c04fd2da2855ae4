#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvexa {

// The language catalogue: entry n is line n of the translation file, without its comment and
// trimmed. Every caption and most messages come from here.
class Catalogue {
  public:
    static constexpr std::size_t kMaxEntries = 201;

    // Replaces the entries with those of a translation file's content: at most 201 lines,
    // each cut before its first "#" and trimmed of characters up to code 32 at both ends.
    void load(std::string_view fileContent);

    // Fails with ListIndexError outside the entries.
    const std::string& entry(int n) const;
    int count() const noexcept { return static_cast<int>(entries_.size()); }

  private:
    std::vector<std::string> entries_;
};

// Removes the characters up to code 32 at both ends.
std::string_view trimmed(std::string_view text);

}  // namespace torvexa
