#include "config/ConfigDocument.h"

#include "common/Failure.h"
#include "common/Integer.h"

namespace torvexa {
namespace {

constexpr std::size_t kSplitScan = 20;  // how many leading characters may form the digit run
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

void ConfigDocument::clear() {
    if (lines_.empty()) return;
    lineNumbers_.clear();
    values_.clear();
    comments_.clear();
    lines_.clear();
    endMark_.clear();
    notify({.lines = true});
}

void ConfigDocument::append(std::string_view fileContent) {
    const std::size_t before = lines_.size();
    std::size_t pos = 0;
    while (pos < fileContent.size()) {
        if (fileContent[pos] == kEndMark) {
            endMark_.append(fileContent.substr(pos));
            break;
        }
        // A line ends at LF or CR LF; any other CR belongs to the line's bytes.
        const std::size_t lf = fileContent.find('\n', pos);
        const std::size_t end = lf == std::string_view::npos ? fileContent.size() : lf;
        std::string_view raw = fileContent.substr(pos, end - pos);
        if (lf != std::string_view::npos && !raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        appendLine(raw);
        pos = lf == std::string_view::npos ? fileContent.size() : lf + 1;
    }
    if (lines_.size() != before) notify({.lines = true});
}

void ConfigDocument::appendLine(std::string_view raw) {
    // The lists see the line without its lone CRs; writing an unchanged line gives them back.
    std::string line;
    std::string kept;
    if (raw.find('\r') == std::string_view::npos) {
        line.assign(raw);
    } else {
        for (const char c : raw)
            if (c != '\r') line += c;
        kept.assign(raw);
    }

    lineNumbers_.push_back(integerText(count()));

    const std::size_t split = splitPoint(line);
    const std::size_t commentStart = split + kCommentOffset;
    comments_.push_back(commentStart < line.size() ? line.substr(commentStart, kCommentLimit)
                                                   : std::string());

    std::size_t begin = 0;
    std::size_t end = 0;
    if (const std::size_t semicolon = line.find(';'); semicolon != std::string::npos) {
        begin = 0;
        end = semicolon;
        while (begin < end && isBlank(line[begin]))
            ++begin;
        while (end > begin && isBlank(line[end - 1]))
            --end;
    }
    if (begin == end) begin = end = 0;

    values_.emplace_back(line, begin, end - begin);
    lines_.push_back(ReadLine{std::move(line), std::move(kept), split, begin, end});
}

void ConfigDocument::checkIndex(int index) const {
    if (index < 0 || index >= count()) throw ListIndexError(index);
}

const std::string& ConfigDocument::value(int index) const {
    checkIndex(index);
    return values_[static_cast<std::size_t>(index)];
}

const std::string& ConfigDocument::comment(int index) const {
    checkIndex(index);
    return comments_[static_cast<std::size_t>(index)];
}

std::string_view ConfigDocument::tail(int index) const {
    checkIndex(index);
    const ReadLine& line = lines_[static_cast<std::size_t>(index)];
    return std::string_view(line.text).substr(line.split);
}

void ConfigDocument::putValue(int index, std::string text) {
    if (index < 0) throw ListIndexError(index);
    if (index >= count()) throw InsertLineError();
    values_[static_cast<std::size_t>(index)] = std::move(text);
    notify({.row = index});
}

void ConfigDocument::writeLine(std::string& out, int index) const {
    const ReadLine& line = lines_[static_cast<std::size_t>(index)];
    const std::string& value = values_[static_cast<std::size_t>(index)];
    if (value == line.readValue()) {
        out += line.raw.empty() ? line.text : line.raw;
    } else if (line.valueBegin == line.valueEnd) {
        out += value;
        out += tail(index);
    } else {
        out.append(line.text, 0, line.valueBegin);
        out += value;
        out.append(line.text, line.valueEnd);
    }
    out += "\r\n";
}

std::string ConfigDocument::serialize() const {
    std::size_t size = 0;
    for (std::size_t i = 0; i < lines_.size(); ++i)
        size += lines_[i].text.size() + lines_[i].raw.size() + values_[i].size() + 2;
    std::string out;
    out.reserve(size + endMark_.size());
    for (int i = 0; i < count(); ++i)
        writeLine(out, i);
    out += endMark_;
    return out;
}

}  // namespace torvexa
