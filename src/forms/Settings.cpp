#include "forms/Settings.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "common/Integer.h"
#include "lang/Catalogue.h"

namespace torvexa {
namespace {

template <class... Kinds>
struct Overloaded : Kinds... {
    using Kinds::operator()...;
};
template <class... Kinds>
Overloaded(Kinds...) -> Overloaded<Kinds...>;

template <class Kind>
bool isA(const Control* control) {
    return dynamic_cast<const Kind*>(control) != nullptr;
}

// Decimal digits only, standing for a number from 0 to `most`.
bool isNumberUpTo(const std::string& text, int most) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const auto number = parseInteger(text);
    return number && *number <= most;
}

// The targets of a row's captions: the caption that names it, then a drop-down's items.
std::vector<CaptionTarget> captionsOf(const Setting& row) {
    std::vector<CaptionTarget> targets;
    const SettingCaption& caption = row.caption;
    if (caption.entry >= 0)
        targets.push_back({caption.entry, caption.label ? caption.label : row.control});
    for (std::size_t item = 0; item < caption.items.size(); ++item)
        targets.push_back({caption.items[item], row.control, static_cast<int>(item)});
    return targets;
}

}  // namespace

std::vector<int> linesOf(const Mapping& mapping) {
    return std::visit(Overloaded{[](const setting::Flag& f) { return f.lines; },
                                 [](const setting::Own& o) { return o.lines; },
                                 [](const auto& single) { return std::vector<int>{single.line}; }},
                      mapping);
}

void putCaptions(const Catalogue& catalogue, const std::vector<CaptionTarget>& targets) {
    for (const CaptionTarget& target : targets) {
        const std::string& text = catalogue.entry(target.entry);
        if (target.item >= 0)
            static_cast<ComboBox*>(target.control)->setItem(target.item, text);
        else
            target.control->setCaption(text);
    }
}

const Setting* SettingTable::find(const Control& control) const {
    for (const Setting& row : rows_) {
        if (row.control == &control ||
            std::find(row.parts.begin(), row.parts.end(), &control) != row.parts.end())
            return &row;
    }
    return nullptr;
}

const Setting& SettingTable::of(const Control& control) const {
    for (const Setting& row : rows_) {
        if (row.control == &control) return row;
    }
    throw std::logic_error("no setting for " + control.name());
}

SettingTable::SettingTable(ConfigDocument& document, std::vector<Setting> rows)
    : document_(document), rows_(std::move(rows)) {
    for (const Setting& row : rows_) {
        const Control* control = row.control;
        const bool fits =
            std::visit(Overloaded{[&](const setting::Flag&) { return isA<CheckBox>(control); },
                                  [&](const setting::Position&) { return isA<TrackBar>(control); },
                                  [](const setting::Own&) { return true; },
                                  [&](const auto&) { return isA<ComboBox>(control); }},
                       row.mapping);
        if (!fits)
            throw std::logic_error(control->name() +
                                   ": the setting table maps it as a control of another kind");
    }
}

void SettingTable::connect() {
    for (const Setting& row : rows_) {
        Control* const control = row.control;
        Handler* const event =
            std::visit(Overloaded{[&](const setting::Flag&) -> Handler* {
                                      return &static_cast<CheckBox*>(control)->OnClick;
                                  },
                                  [&](const setting::Position&) -> Handler* {
                                      return &static_cast<TrackBar*>(control)->OnChange;
                                  },
                                  [](const setting::Own&) -> Handler* { return nullptr; },
                                  [&](const auto&) -> Handler* {
                                      return &static_cast<ComboBox*>(control)->OnChange;
                                  }},
                       row.mapping);
        if (!event || *event) continue;
        *event = [this, control] { write(*control); };
        connected_.push_back(control);
    }
}

bool SettingTable::connects(const Control& control) const {
    return std::find(connected_.begin(), connected_.end(), &control) != connected_.end();
}

void SettingTable::write(const Control& control) const {
    ConfigDocument& doc = document_;
    const Setting& row = of(control);
    std::visit(Overloaded{
                   [&](const setting::Flag& f) {
                       const bool ticked = static_cast<const CheckBox&>(control).checked();
                       for (int line : f.lines)
                           doc.putValue(line, ticked ? f.on : f.off);
                   },
                   [&](const setting::Text& t) {
                       const std::string& text = static_cast<const ComboBox&>(control).text();
                       if (t.mostNumber && !text.empty() && !isNumberUpTo(text, *t.mostNumber))
                           return;
                       doc.putValue(t.line, text);
                   },
                   [&](const setting::ItemValues& v) {
                       const int item = static_cast<const ComboBox&>(control).itemIndex();
                       if (item >= 0 && item < static_cast<int>(v.values.size()))
                           doc.putValue(v.line, v.values[static_cast<std::size_t>(item)]);
                   },
                   [&](const setting::ItemPosition& p) {
                       doc.putValue(p.line,
                                    integerText(static_cast<const ComboBox&>(control).itemIndex()));
                   },
                   [&](const setting::Position& p) {
                       doc.putValue(p.line,
                                    integerText(static_cast<const TrackBar&>(control).position()));
                   },
                   [&](const setting::Own&) {
                       throw std::logic_error(control.name() + " writes its lines itself");
                   },
               },
               row.mapping);
}

void SettingTable::showTranslatedChoices() const {
    for (const Setting& row : rows_) {
        const std::vector<int> lines = linesOf(row.mapping);
        const bool held = std::all_of(lines.begin(), lines.end(),
                                      [&](int line) { return line < document_.count(); });
        if (row.caption.items.empty() || !held) continue;
        try {
            show(*row.control);
        } catch (const std::exception&) {  // a value that is no item: no choice, as after a load
        }
    }
}

void SettingTable::show(const Control& control) const {
    const Setting& row = of(control);
    if (row.show)
        row.show();
    else
        showMapping(row);
}

void SettingTable::showFile() const {
    for (const Setting& row : rows_)
        show(*row.control);
}

void SettingTable::showMapping(const Setting& row) const {
    const ConfigDocument& doc = document_;
    Control* const control = row.control;
    std::visit(
        Overloaded{
            [&](const setting::Flag& f) {
                static_cast<CheckBox*>(control)->setChecked(doc.value(f.lines.front()) == f.on);
            },
            [&](const setting::Text& t) {
                static_cast<ComboBox*>(control)->setText(doc.value(t.line));
            },
            [&](const setting::ItemValues& v) {
                // A value no item stands for shows nothing: the box never shows what the
                // file does not hold.
                auto* box = static_cast<ComboBox*>(control);
                const std::string value = doc.value(v.line);
                const auto item = std::find(v.values.begin(), v.values.end(), value);
                box->setText(item == v.values.end()
                                 ? std::string()
                                 : box->items()[static_cast<std::size_t>(item - v.values.begin())]);
            },
            [&](const setting::ItemPosition& p) {
                static_cast<ComboBox*>(control)->setItemIndex(toInteger(doc.value(p.line)));
            },
            [&](const setting::Position& p) {
                static_cast<TrackBar*>(control)->setPosition(toInteger(doc.value(p.line)));
            },
            [&](const setting::Own&) {
                throw std::logic_error(control->name() + " has no hook that shows its lines");
            },
        },
        row.mapping);
}

void SettingTable::nameFieldsForReaders() const {
    for (const Setting& row : rows_) {
        Control* const caption = row.caption.label ? row.caption.label : row.control;
        if (caption != row.control) row.control->setNamedBy(*caption);
        for (Control* part : row.parts)
            part->setNamedBy(*caption);
    }
}

std::vector<CaptionTarget> SettingTable::captionPass(
    const std::vector<CaptionTarget>& others) const {
    std::vector<std::vector<CaptionTarget>> rowCaptions;
    for (const Setting& row : rows_) {
        if (auto targets = captionsOf(row); !targets.empty())
            rowCaptions.push_back(std::move(targets));
    }
    std::stable_sort(rowCaptions.begin(), rowCaptions.end(), [](const auto& a, const auto& b) {
        return a.front().entry < b.front().entry;
    });
    std::vector<CaptionTarget> pass;
    auto next = rowCaptions.begin();
    const auto takeRowsBefore = [&](int entry) {
        for (; next != rowCaptions.end() && next->front().entry < entry; ++next)
            pass.insert(pass.end(), next->begin(), next->end());
    };
    for (const CaptionTarget& other : others) {
        takeRowsBefore(other.entry);
        pass.push_back(other);
    }
    takeRowsBefore(std::numeric_limits<int>::max());
    return pass;
}

}  // namespace torvexa
