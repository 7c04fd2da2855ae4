#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace torvexa {

// The in-memory copy of f1graphics.cfg: one entry per line in each of the parallel lists
// (line numbers, values, comments, and the tail kept for writing).
//
// Beyond the lists it keeps every line as read, so that writing never damages a line the
// user did not change: an unchanged value writes the line back byte for byte, and a changed
// value replaces exactly the text the old value came from.
class ConfigDocument {
  public:
    static constexpr std::size_t kCommentLimit = 500;

    void clear();

    // Appends one entry per line of the file content to every list; what follows an end mark
    // (Ctrl-Z where a line would begin) is kept for writing.
    void append(std::string_view fileContent);

    // The file content that writing the document produces, every line ended by CR LF, then
    // the end mark and what followed it.
    std::string serialize() const;

    int count() const noexcept { return static_cast<int>(values_.size()); }

    // Fails with ListIndexError outside 0..count-1.
    const std::string& value(int index) const;
    const std::string& comment(int index) const;
    std::string_view tail(int index) const;

    // Replaces value entry `index`. An index past the end fails with InsertLineError, a
    // negative one with ListIndexError; neither changes anything.
    void putValue(int index, std::string text);

    // What the observer is told once after every change: lines came or went (clear, append),
    // or the value of line `row` changed.
    struct Change {
        bool lines = false;
        int row = -1;
    };
    void setObserver(std::function<void(const Change&)> observer) {
        observer_ = std::move(observer);
    }

    const std::vector<std::string>& lineNumbers() const noexcept { return lineNumbers_; }
    const std::vector<std::string>& values() const noexcept { return values_; }
    const std::vector<std::string>& comments() const noexcept { return comments_; }

  private:
    struct ReadLine {
        std::string text;        // the line as read, without its terminator and lone CRs
        std::string raw;         // the line's bytes when they held lone CRs, else empty
        std::size_t split;       // 0-based start of the tail
        std::size_t valueBegin;  // the value as read is text[valueBegin, valueEnd)
        std::size_t valueEnd;
        std::string_view readValue() const {
            return std::string_view(text).substr(valueBegin, valueEnd - valueBegin);
        }
    };

    void appendLine(std::string_view raw);
    void notify(const Change& change) const {
        if (observer_) observer_(change);
    }
    void checkIndex(int index) const;
    void writeLine(std::string& out, int index) const;

    std::vector<std::string> lineNumbers_;
    std::vector<std::string> values_;
    std::vector<std::string> comments_;
    std::vector<ReadLine> lines_;
    std::string endMark_;  // the Ctrl-Z that ended the file and every byte after it
    std::function<void(const Change&)> observer_;
};

}  // namespace torvexa
