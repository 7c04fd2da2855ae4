#pragma once

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "config/ConfigDocument.h"
#include "ui/Controls.h"

namespace torvexa {

class Catalogue;

// How a control's state stands for the value of its line(s) in f1graphics.cfg. One kind per
// plain mapping; what a control does beyond it (enabling others, messages) is its handler's.
namespace setting {

// Ticked writes `on`, unticked `off`, to each line in order; the first line holding `on`
// ticks it when the file is read.
struct Flag {
    std::vector<int> lines;
    std::string on = "1";
    std::string off = "0";
};

// The drop-down's text is the line's value as it stands. With `mostNumber`, only an empty text
// or a whole number from 0 to it is written: a number the game can hold.
struct Text {
    int line;
    std::optional<int> mostNumber = std::nullopt;
};

// Each item of the drop-down stands for one value of the line, in item order.
struct ItemValues {
    int line;
    std::vector<std::string> values;
};

// The position of the chosen item is the line's value.
struct ItemPosition {
    int line;
};

// The slider's position is the line's value.
struct Position {
    int line;
};

// The lines hold more than the control's state: its named handlers write them and the row's
// show hook shows them.
struct Own {
    std::vector<int> lines;
};

}  // namespace setting

using Mapping = std::variant<setting::Flag, setting::Text, setting::ItemValues,
                             setting::ItemPosition, setting::Position, setting::Own>;

// The lines a mapping writes, in the order it writes them.
std::vector<int> linesOf(const Mapping& mapping);

// A catalogue entry and where it goes: a control's caption, or item `item` of a drop-down.
struct CaptionTarget {
    int entry;
    Control* control;
    int item = -1;
};

// Puts each entry on its target in order; throws at the first entry the catalogue lacks, and
// the targets before it keep their new captions.
void putCaptions(const Catalogue& catalogue, const std::vector<CaptionTarget>& targets);

// What a setting is called in the window, in the catalogue.
struct SettingCaption {
    SettingCaption() = default;
    SettingCaption(int captionEntry, Control* captionLabel = nullptr,
                   std::vector<int> itemEntries = {})
        : entry(captionEntry), label(captionLabel), items(std::move(itemEntries)) {}

    // The entry of the caption that says what the setting is; -1 keeps the layout's text.
    int entry = -1;
    // The label before the control that shows that caption; none when the control shows it
    // itself (a check box). A screen reader names the control by it.
    Control* label = nullptr;
    // The entries of a drop-down's items, in item order.
    std::vector<int> items;
};

// One bound control: the line(s) of f1graphics.cfg it edits, how it shows and writes them, and
// its caption. What a control does beyond its lines (enabling others, a message) is in its
// named handler (Unit1Settings.cpp).
struct Setting {
    Control* control;
    Mapping mapping;
    SettingCaption caption = {};
    // Shows the file's value where the mapping cannot say it all (it involves other controls,
    // or shows less than it writes); runs instead of the mapping's show.
    std::function<void()> show = {};
    // Further controls that edit the same line(s), named for screen readers by the caption.
    std::vector<Control*> parts = {};
};

// A window's settings in the order a load shows them: writes a control's state into the
// document, and sets a control from the document through its program setter (so its handler
// runs as the event rules say). The order matters: handlers run as each control changes, and a
// later row reads what an earlier handler wrote.
class SettingTable {
  public:
    // Refuses (std::logic_error, naming the control) a row whose mapping does not fit its
    // control's kind: a tick is a check box's, a position a slider's, the others a drop-down's.
    SettingTable(ConfigDocument& document, std::vector<Setting> rows);

    // Connects every control of the table that has no handler of its own: a person's change
    // writes its line(s). Controls with more to do have named handlers that call write().
    void connect();
    // Whether connect() gave the control its handler.
    bool connects(const Control& control) const;
    // Writes the control's state into its lines.
    void write(const Control& control) const;
    // Sets the control from the document: its row's show hook, else from the first of its
    // lines.
    void show(const Control& control) const;
    // Shows the document in every row, in row order.
    void showFile() const;
    // After a caption pass has renamed their items, which leaves them without a choice: each
    // drop-down whose items are captions shows its line's value again, in the new words, where
    // the document holds the line. A line it cannot show leaves it without a choice. Nothing is
    // written.
    void showTranslatedChoices() const;

    // Names each row's control and parts for screen readers by the row's label, or the parts by
    // the control when it shows the caption itself.
    void nameFieldsForReaders() const;
    // A window's caption pass: `others` in their order, and each row's captions, the rows by
    // their first entry, before the first of `others` with a later entry. So the pass takes the
    // entries in rising order wherever `others` does, and a drop-down's items stay together.
    std::vector<CaptionTarget> captionPass(const std::vector<CaptionTarget>& others) const;

    // The row of a control or of one of its parts; nullptr for a control the table lacks.
    const Setting* find(const Control& control) const;
    const std::vector<Setting>& rows() const noexcept { return rows_; }

  private:
    const Setting& of(const Control& control) const;
    void showMapping(const Setting& row) const;

    ConfigDocument& document_;
    std::vector<Setting> rows_;
    std::vector<const Control*> connected_;
};

}  // namespace torvexa
