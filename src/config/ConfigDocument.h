#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/Rows.h"

namespace torvexa {

// The in-memory copy of f1graphics.cfg: one entry per line in each of the parallel lists
// (line numbers, values, comments, and the tail kept for writing).
//
// It holds the file's bytes once, each line as a place in them; the lists are worked out from
// a line when asked for. A changed value is the only text of its own. So writing never damages
// a line the user did not change: an unchanged value writes the line back byte for byte, and a
// changed value replaces exactly the text the old value came from.
class ConfigDocument {
  public:
    static constexpr std::size_t kCommentLimit = 500;

    ConfigDocument();
    // Copies the content, not the observer.
    ConfigDocument(const ConfigDocument& other);
    ConfigDocument& operator=(const ConfigDocument& other);

    void clear();

    // Replaces the content with the file's: one entry per line in every list; an end mark
    // (Ctrl-Z where a line would begin) and what follows it are kept for writing.
    void load(std::string fileContent);

    // The file content that writing the document produces, every line ended by CR LF, then
    // the end mark and what followed it.
    std::string serialize() const;

    int count() const noexcept {
        return starts_.empty() ? 0 : static_cast<int>(starts_.size() - 1);
    }

    // Fail with ListIndexError outside 0..count-1.
    std::string value(int index) const;
    std::string comment(int index) const;
    std::string tail(int index) const;

    // Replaces value entry `index`. An index past the end fails with InsertLineError, a
    // negative one with ListIndexError; neither changes anything.
    void putValue(int index, std::string text);

    // The values put since the read: taken before a series of puts, given back to undo them
    // all, so that every line is again exactly as it was.
    using Puts = std::unordered_map<std::size_t, std::string>;
    Puts puts() const { return changed_; }
    void undoPutsSince(Puts earlier);

    // What the observer is told once after every change: lines came or went (clear, load),
    // or the value of line `row` changed.
    struct Change {
        bool lines = false;
        int row = -1;
    };
    void setObserver(std::function<void(const Change&)> observer) {
        observer_ = std::move(observer);
    }

    const Rows& lineNumbers() const noexcept { return lineNumbers_; }
    const Rows& values() const noexcept { return values_; }
    const Rows& comments() const noexcept { return comments_; }

  private:
    // The parts of a line, found in its text (its bytes without lone CRs).
    struct Parts {
        std::string text;
        std::size_t split;       // 0-based start of the tail
        std::size_t valueBegin;  // the value as read is text[valueBegin, valueEnd)
        std::size_t valueEnd;
    };

    template <std::string (ConfigDocument::*Entry)(std::size_t) const>
    class List : public Rows {
      public:
        explicit List(const ConfigDocument& document) : document_(document) {}
        std::size_t size() const override { return static_cast<std::size_t>(document_.count()); }
        std::string operator[](std::size_t row) const override { return (document_.*Entry)(row); }

      private:
        const ConfigDocument& document_;
    };

    // Line `index` as read, without its terminator.
    std::string_view raw(std::size_t index) const;
    Parts partsOf(std::size_t index) const;
    std::string lineNumberAt(std::size_t index) const;
    std::string valueAt(std::size_t index) const;
    std::string commentAt(std::size_t index) const;
    void notify(const Change& change) const {
        if (observer_) observer_(change);
    }
    void checkIndex(int index) const;
    void writeLine(std::string& out, std::size_t index) const;

    std::string content_;  // the bytes of every line read, as read
    // Where each line begins in the content, and where the last one ends: line i is
    // content_[starts_[i], starts_[i + 1]) with its terminator.
    std::vector<std::uint32_t> starts_;
    Puts changed_;         // values put since the read
    std::string endMark_;  // the Ctrl-Z that ended the file and every byte after it
    std::function<void(const Change&)> observer_;
    List<&ConfigDocument::lineNumberAt> lineNumbers_{*this};
    List<&ConfigDocument::valueAt> values_{*this};
    List<&ConfigDocument::commentAt> comments_{*this};
};

}  // namespace torvexa
