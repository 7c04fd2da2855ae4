#include "forms/Settings.h"

#include <algorithm>
#include <stdexcept>

#include "common/Integer.h"

namespace torvexa {
namespace {

template <class... Kinds>
struct Overloaded : Kinds... {
    using Kinds::operator()...;
};
template <class... Kinds>
Overloaded(Kinds...) -> Overloaded<Kinds...>;

const Control* controlOf(const Setting& s) {
    return std::visit(
        Overloaded{[](const setting::Flag& f) -> const Control* { return f.box; },
                   [](const setting::Position& p) -> const Control* { return p.slider; },
                   [](const auto& other) -> const Control* { return other.box; }},
        s);
}

}  // namespace

const Setting& SettingTable::of(const Control& control) const {
    for (const Setting& s : settings_) {
        if (controlOf(s) == &control) return s;
    }
    throw std::logic_error("no setting for " + control.name());
}

void SettingTable::connect() const {
    for (const Setting& s : settings_) {
        std::visit(Overloaded{[this](const setting::Flag& f) {
                                  if (!f.box->OnClick)
                                      f.box->OnClick = [this, &f] { write(*f.box); };
                              },
                              [this](const setting::Position& p) {
                                  if (!p.slider->OnChange)
                                      p.slider->OnChange = [this, &p] { write(*p.slider); };
                              },
                              [this](const auto& c) {
                                  if (!c.box->OnChange)
                                      c.box->OnChange = [this, &c] { write(*c.box); };
                              }},
                   s);
    }
}

void SettingTable::write(const Control& control) const {
    ConfigDocument& doc = document_;
    std::visit(Overloaded{
                   [&](const setting::Flag& f) {
                       for (int line : f.lines)
                           doc.putValue(line, f.box->checked() ? f.on : f.off);
                   },
                   [&](const setting::Text& t) { doc.putValue(t.line, t.box->text()); },
                   [&](const setting::ItemValues& v) {
                       const int item = v.box->itemIndex();
                       if (item >= 0 && item < static_cast<int>(v.values.size()))
                           doc.putValue(v.line, v.values[static_cast<std::size_t>(item)]);
                   },
                   [&](const setting::ItemPosition& p) {
                       doc.putValue(p.line, integerText(p.box->itemIndex()));
                   },
                   [&](const setting::Position& p) {
                       doc.putValue(p.line, integerText(p.slider->position()));
                   },
               },
               of(control));
}

void SettingTable::show(const Control& control) const {
    const ConfigDocument& doc = document_;
    std::visit(
        Overloaded{
            [&](const setting::Flag& f) { f.box->setChecked(doc.value(f.lines.front()) == f.on); },
            [&](const setting::Text& t) { t.box->setText(doc.value(t.line)); },
            [&](const setting::ItemValues& v) {
                // A value no item stands for shows nothing: the box never shows what the
                // file does not hold.
                const std::string value = doc.value(v.line);
                const auto item = std::find(v.values.begin(), v.values.end(), value);
                v.box->setText(
                    item == v.values.end()
                        ? std::string()
                        : v.box->items()[static_cast<std::size_t>(item - v.values.begin())]);
            },
            [&](const setting::ItemPosition& p) {
                p.box->setItemIndex(toInteger(doc.value(p.line)));
            },
            [&](const setting::Position& p) {
                p.slider->setPosition(toInteger(doc.value(p.line)));
            },
        },
        of(control));
}

}  // namespace torvexa
