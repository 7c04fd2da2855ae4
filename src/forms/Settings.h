#pragma once

#include <string>
#include <variant>
#include <vector>

#include "config/ConfigDocument.h"
#include "ui/Controls.h"

namespace torvexa {

// How a control's state stands for the value of its line(s) in f1graphics.cfg. One kind per
// plain mapping; what a control does beyond it (enabling others, messages) is its handler's.
namespace setting {

// Ticked writes `on`, unticked `off`, to each line in order; the first line holding `on`
// ticks it when the file is read.
struct Flag {
    CheckBox* box;
    std::vector<int> lines;
    std::string on = "1";
    std::string off = "0";
};

// The drop-down's text is the line's value as it stands.
struct Text {
    ComboBox* box;
    int line;
};

// Each item of the drop-down stands for one value of the line, in item order.
struct ItemValues {
    ComboBox* box;
    int line;
    std::vector<std::string> values;
};

// The position of the chosen item is the line's value.
struct ItemPosition {
    ComboBox* box;
    int line;
};

// The slider's position is the line's value.
struct Position {
    TrackBar* slider;
    int line;
};

}  // namespace setting

using Setting = std::variant<setting::Flag, setting::Text, setting::ItemValues,
                             setting::ItemPosition, setting::Position>;

// A window's settings: writes a control's state into the document, and sets a control from the
// document through its program setter (so its handler runs as the event rules say).
class SettingTable {
  public:
    SettingTable(ConfigDocument& document, std::vector<Setting> settings)
        : document_(document), settings_(std::move(settings)) {}

    // Connects every control of the table that has no handler of its own: a person's change
    // writes its line(s). Controls with more to do have named handlers that call write().
    void connect() const;
    // Writes the control's state into its lines.
    void write(const Control& control) const;
    // Sets the control from the first of its lines.
    void show(const Control& control) const;

    const std::vector<Setting>& settings() const noexcept { return settings_; }

  private:
    const Setting& of(const Control& control) const;

    ConfigDocument& document_;
    std::vector<Setting> settings_;
};

}  // namespace torvexa
