#include "config/ConfigDocument.h"

#include <cstring>
#include <limits>
#include <stdexcept>

#include "common/Failure.h"
#include "common/Integer.h"
#include "config/LineScan.h"

namespace torvexa {
namespace {

constexpr std::size_t kSplitScan = 20;  // how many leading characters may form the digit run
// The game writes a line as its value, two blanks, ";" and a blank ("1  ; fullscreen"), so
// its comment starts four characters after the value's digits. The comment list takes that
// place on every line, whatever stands there: "800;Breite" shows "ite" (the value ends at 3).
// Only the manual page shows comments; no byte of the file depends on it.
constexpr std::size_t kCommentOffset = 4;
constexpr char kEndMark = 26;  // Ctrl-Z where a line would begin ends the document

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

// 0-based split point: the first non-digit among the first 20 characters. A line of 20 or
// more digits splits after its 20th, so it still gets a tail and a comment entry.
std::size_t splitPoint(std::string_view line) {
    std::size_t p = 0;
    while (p < kSplitScan && p < line.size() && isDigit(line[p]))
        ++p;
    return p;
}

}  // namespace

ConfigDocument::ConfigDocument() = default;

ConfigDocument::ConfigDocument(const ConfigDocument& other)
    : content_(other.content_),
      starts_(other.starts_),
      changed_(other.changed_),
      endMark_(other.endMark_) {}

ConfigDocument& ConfigDocument::operator=(const ConfigDocument& other) {
    content_ = other.content_;
    starts_ = other.starts_;
    changed_ = other.changed_;
    endMark_ = other.endMark_;
    notify({.lines = true});
    return *this;
}

void ConfigDocument::clear() {
    if (starts_.empty() && endMark_.empty()) return;
    // Give the memory back: a document can be large.
    std::string().swap(content_);
    std::vector<std::uint32_t>().swap(starts_);
    changed_.clear();
    endMark_.clear();
    notify({.lines = true});
}

void ConfigDocument::load(std::string fileContent) {
    if (fileContent.size() >= std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("configuration file too large");
    const bool heldSomething = !starts_.empty() || !endMark_.empty();
    content_ = std::move(fileContent);
    std::vector<std::uint32_t>().swap(starts_);
    changed_.clear();
    endMark_.clear();
    if (!content_.empty()) {
        starts_.reserve(content_.size() / 40 + 1);
        starts_.push_back(0);
        appendLineStarts(content_, 0, starts_);
        if (starts_.back() != content_.size())  // the last line needs no terminator
            starts_.push_back(static_cast<std::uint32_t>(content_.size()));
    }
    // A Ctrl-Z where a line would begin ends the lines; it and what follows are kept apart.
    for (std::size_t i = 0; i + 1 < starts_.size(); ++i) {
        if (content_[starts_[i]] != kEndMark) continue;
        endMark_.assign(content_, starts_[i]);
        content_.resize(starts_[i]);
        starts_.resize(i + 1);
        break;
    }
    if (starts_.size() == 1) starts_.clear();  // nothing before the end mark: no line
    if (heldSomething || !starts_.empty() || !endMark_.empty()) notify({.lines = true});
}

std::string_view ConfigDocument::raw(std::size_t index) const {
    std::string_view line =
        std::string_view(content_).substr(starts_[index], starts_[index + 1] - starts_[index]);
    // A line ends at LF or CR LF; any other CR belongs to the line's bytes.
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    }
    return line;
}

ConfigDocument::Parts ConfigDocument::partsOf(std::size_t index) const {
    const std::string_view bytes = raw(index);
    Parts parts;
    // The lists see the line without its lone CRs; writing an unchanged line gives them back.
    if (bytes.find('\r') == std::string_view::npos) {
        parts.text.assign(bytes);
    } else {
        for (const char c : bytes)
            if (c != '\r') parts.text += c;
    }
    const std::string& line = parts.text;
    parts.split = splitPoint(line);
    std::size_t begin = 0;
    std::size_t end = 0;
    if (const std::size_t semicolon = line.find(';'); semicolon != std::string::npos) {
        end = semicolon;
        while (begin < end && isBlank(line[begin]))
            ++begin;
        while (end > begin && isBlank(line[end - 1]))
            --end;
    }
    if (begin == end) begin = end = 0;
    parts.valueBegin = begin;
    parts.valueEnd = end;
    return parts;
}

std::string ConfigDocument::lineNumberAt(std::size_t index) const {
    return integerText(static_cast<long long>(index));
}

std::string ConfigDocument::valueAt(std::size_t index) const {
    if (const auto it = changed_.find(index); it != changed_.end()) return it->second;
    const Parts parts = partsOf(index);
    return parts.text.substr(parts.valueBegin, parts.valueEnd - parts.valueBegin);
}

std::string ConfigDocument::commentAt(std::size_t index) const {
    const Parts parts = partsOf(index);
    const std::size_t start = parts.split + kCommentOffset;
    return start < parts.text.size() ? parts.text.substr(start, kCommentLimit) : std::string();
}

void ConfigDocument::checkIndex(int index) const {
    if (index < 0 || index >= count()) throw ListIndexError(index);
}

std::string ConfigDocument::value(int index) const {
    checkIndex(index);
    return valueAt(static_cast<std::size_t>(index));
}

std::string ConfigDocument::comment(int index) const {
    checkIndex(index);
    return commentAt(static_cast<std::size_t>(index));
}

std::string ConfigDocument::tail(int index) const {
    checkIndex(index);
    const Parts parts = partsOf(static_cast<std::size_t>(index));
    return parts.text.substr(parts.split);
}

void ConfigDocument::putValue(int index, std::string text) {
    if (index < 0) throw ListIndexError(index);
    if (index >= count()) throw InsertLineError();
    changed_[static_cast<std::size_t>(index)] = std::move(text);
    notify({.row = index});
}

void ConfigDocument::undoPutsSince(Puts earlier) {
    std::vector<std::size_t> rows;
    for (const auto& [row, text] : changed_) {
        const auto was = earlier.find(row);
        if (was == earlier.end() || was->second != text) rows.push_back(row);
    }
    changed_ = std::move(earlier);
    for (const std::size_t row : rows)
        notify({.row = static_cast<int>(row)});
}

namespace {

// Where the `cleaned`-th byte that is not a CR lies in `raw`; past the last such byte, just
// after it (CRs after it stay with what follows).
std::size_t rawIndex(std::string_view raw, std::size_t cleaned) {
    std::size_t seen = 0;
    std::size_t after = 0;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r') continue;
        if (seen++ == cleaned) return i;
        after = i + 1;
    }
    return after;
}

}  // namespace

void ConfigDocument::writeLine(std::string& out, std::size_t index) const {
    const std::string_view bytes = raw(index);
    const auto changed = changed_.find(index);
    if (changed == changed_.end()) {
        out += bytes;
        out += "\r\n";
        return;
    }
    const Parts line = partsOf(index);
    const std::string& value = changed->second;
    const std::string_view readValue =
        std::string_view(line.text).substr(line.valueBegin, line.valueEnd - line.valueBegin);
    // The new value goes into the line's own bytes, lone CRs and all.
    if (value == readValue) {
        out += bytes;
    } else if (line.valueBegin == line.valueEnd) {
        out += value;
        out += bytes.substr(rawIndex(bytes, line.split));
    } else {
        out += bytes.substr(0, rawIndex(bytes, line.valueBegin));
        out += value;
        out += bytes.substr(rawIndex(bytes, line.valueEnd));
    }
    out += "\r\n";
}

std::string ConfigDocument::serialize() const {
    std::size_t size = content_.size() + 2 * starts_.size() + endMark_.size();
    for (const auto& [index, value] : changed_)
        size += value.size();
    std::string out;
    out.reserve(size);
    for (std::size_t i = 0; i < static_cast<std::size_t>(count()); ++i)
        writeLine(out, i);
    out += endMark_;
    return out;
}

}  // namespace torvexa
