#include "platform/posix/LauncherRecords.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>

namespace torvexa::launcher {
namespace {

using nlohmann::json;

json parsed(std::string_view text) {
    if (text.size() > kMostRecordBytes) return json();
    return json::parse(text.begin(), text.end(), nullptr, /*allow_exceptions=*/false);
}

std::optional<std::string> textAt(const json& object, const char* key) {
    if (!object.is_object()) return std::nullopt;
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string()) return std::nullopt;
    return it->get<std::string>();
}

// Valve's KeyValues text, token by token: quoted strings (with \" and \\), bare words, braces;
// "//" comments to the end of the line.
class KeyValuesTokens {
  public:
    explicit KeyValuesTokens(std::string_view text) : text_(text) {}
    // The next token; a brace is "{" or "}" with `brace` set; nothing at the end.
    std::optional<std::string> next(bool& brace) {
        skipBlanksAndComments();
        brace = false;
        if (at_ >= text_.size()) return std::nullopt;
        const char c = text_[at_];
        if (c == '{' || c == '}') {
            brace = true;
            ++at_;
            return std::string(1, c);
        }
        std::string token;
        if (c == '"') {
            for (++at_; at_ < text_.size() && text_[at_] != '"'; ++at_) {
                if (text_[at_] == '\\' && at_ + 1 < text_.size()) ++at_;
                token += text_[at_];
            }
            ++at_;  // the closing quote, or past the end
            return token;
        }
        while (at_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[at_])) &&
               text_[at_] != '{' && text_[at_] != '}' && text_[at_] != '"')
            token += text_[at_++];
        return token;
    }

  private:
    void skipBlanksAndComments() {
        while (at_ < text_.size()) {
            if (std::isspace(static_cast<unsigned char>(text_[at_]))) {
                ++at_;
            } else if (text_.substr(at_, 2) == "//") {
                const std::size_t end = text_.find('\n', at_);
                at_ = end == std::string_view::npos ? text_.size() : end;
            } else {
                return;
            }
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

bool allDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::optional<RecordedGame> heroicGameConfig(std::string_view json, const std::string& id) {
    const auto config = parsed(json);
    if (!config.is_object()) return std::nullopt;
    const auto game = config.find(id);
    if (game == config.end()) return std::nullopt;
    const auto prefix = textAt(*game, "winePrefix");
    if (!prefix || prefix->empty()) return std::nullopt;
    return RecordedGame{id, *prefix};
}

std::optional<std::string> heroicTitle(std::string_view json, const std::string& id) {
    const auto library = parsed(json);
    if (!library.is_object()) return std::nullopt;
    const auto games = library.find("games");
    if (games == library.end() || !games->is_array()) return std::nullopt;
    for (const auto& game : *games) {
        if (textAt(game, "app_name") == id) return textAt(game, "title");
    }
    return std::nullopt;
}

std::vector<RecordedGame> faugusGames(std::string_view json) {
    const auto games = parsed(json);
    std::vector<RecordedGame> found;
    if (!games.is_array()) return found;
    for (const auto& game : games) {
        const auto prefix = textAt(game, "prefix");
        if (prefix && !prefix->empty())
            found.push_back({textAt(game, "title").value_or(""), *prefix});
    }
    return found;
}

// Today's files: "libraryfolders" { "0" { "path" "…" … } … }; older ones: "LibraryFolders" {
// "1" "…" }.
std::vector<std::string> steamLibraries(std::string_view vdf) {
    std::vector<std::string> libraries;
    if (vdf.size() > kMostRecordBytes) return libraries;
    KeyValuesTokens tokens(vdf);
    int depth = 0;
    std::optional<std::string> key;
    bool brace = false;
    while (const auto token = tokens.next(brace)) {
        if (brace) {
            depth += *token == "{" ? 1 : -1;
            key.reset();
            if (depth < 0) return libraries;  // more closed than opened: not KeyValues
            continue;
        }
        if (!key) {
            key = *token;
            continue;
        }
        const bool path = (depth == 2 && lower(*key) == "path") || (depth == 1 && allDigits(*key));
        if (path && !token->empty()) libraries.push_back(*token);
        key.reset();
    }
    return libraries;
}

// Binary KeyValues: a type byte, a name ending in NUL, then the value: a nested list (0, up to
// its end byte 8), a text ending in NUL (1), 4 bytes (2: a number, 3: a float, 4: a pointer,
// 6: a colour) or 8 (7, 10: 64-bit numbers). Any other type, or an end inside a value, ends
// the reading.
std::vector<std::pair<std::uint32_t, std::string>> steamShortcuts(std::string_view vdf) {
    std::vector<std::pair<std::uint32_t, std::string>> shortcuts;
    if (vdf.size() > kMostRecordBytes) return shortcuts;
    std::size_t at = 0;
    const auto text = [&]() -> std::optional<std::string_view> {
        const std::size_t end = vdf.find('\0', at);
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view found = vdf.substr(at, end - at);
        at = end + 1;
        return found;
    };
    int depth = 0;
    std::optional<std::uint32_t> appId;
    std::string appName;
    while (at < vdf.size()) {
        const auto type = static_cast<unsigned char>(vdf[at++]);
        if (type == 8) {  // a list ends: a shortcut is the list of each entry of "shortcuts"
            if (depth == 2 && appId && !appName.empty()) shortcuts.emplace_back(*appId, appName);
            if (depth == 2) {
                appId.reset();
                appName.clear();
            }
            if (--depth < 0) break;
            continue;
        }
        const auto name = text();
        if (!name) break;
        const std::string key = lower(std::string(*name));
        if (type == 0) {
            ++depth;
        } else if (type == 1) {
            const auto value = text();
            if (!value) break;
            if (depth == 2 && key == "appname") appName = *value;
        } else if (type == 2 || type == 3 || type == 4 || type == 6) {
            if (vdf.size() - at < 4) break;
            if (depth == 2 && key == "appid" && type == 2) {
                std::uint32_t id = 0;
                for (int i = 3; i >= 0; --i)
                    id = (id << 8) |
                         static_cast<unsigned char>(vdf[at + static_cast<std::size_t>(i)]);
                appId = id;
            }
            at += 4;
        } else if (type == 7 || type == 10) {
            if (vdf.size() - at < 8) break;
            at += 8;
        } else {
            break;
        }
    }
    return shortcuts;
}

std::optional<std::string> yamlValue(std::string_view yaml, std::string_view key) {
    if (yaml.size() > kMostRecordBytes) return std::nullopt;
    std::size_t begin = 0;
    while (begin < yaml.size()) {
        std::size_t end = yaml.find('\n', begin);
        if (end == std::string_view::npos) end = yaml.size();
        std::string_view line = yaml.substr(begin, end - begin);
        begin = end + 1;
        const std::size_t indent = line.find_first_not_of(" \t");
        if (indent == std::string_view::npos) continue;
        line.remove_prefix(indent);
        if (!line.starts_with(key) || line.substr(key.size(), 1) != ":") continue;
        std::string value(line.substr(key.size() + 1));
        value.erase(0, value.find_first_not_of(" \t"));
        value.erase(value.find_last_not_of(" \t\r") + 1);
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        if (!value.empty()) return value;
    }
    return std::nullopt;
}

}  // namespace torvexa::launcher
