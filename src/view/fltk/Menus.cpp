#include "view/fltk/Builder.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/fl_draw.H>

#include "ui/Palette.h"
#include "view/fltk/Text.h"
#include "view/fltk/Toolkit.h"

namespace torvexa::fltk {
namespace {

// A menu item's label as FLTK draws it, measured with room after it: FLTK leaves a fixed few
// pixels after the longest item's text whatever the scale, so at 200 % the text touched the
// menu's border. Half a letter's height each side keeps the margins Windows' menus keep.
void drawMenuLabel(const Fl_Label* label, int x, int y, int w, int h, Fl_Align align) {
    fl_font(label->font, label->size);
    fl_color(static_cast<Fl_Color>(label->color));
    fl_draw(label->value, x, y, w, h, align, label->image, 1);
}

void measureMenuLabel(const Fl_Label* label, int& w, int& h) {
    fl_font(label->font, label->size);
    fl_measure(label->value, w, h);
    w += label->size / 2;
}

Fl_Labeltype menuLabel() {
    constexpr auto kMenuLabel = static_cast<Fl_Labeltype>(FL_FREE_LABELTYPE);
    static const bool defined = [] {
        Fl::set_labeltype(kMenuLabel, drawMenuLabel, measureMenuLabel);
        return true;
    }();
    (void)defined;
    return kMenuLabel;
}

}  // namespace

void Builder::visit(MainMenu& menu) {
    // One static table: the titles with their items, each list closed by an empty entry.
    std::size_t size = 1;
    for (Control* title : menu.children())
        size += title->children().size() + 2;
    window_.menuEntries.assign(size, Fl_Menu_Item{});
    window_.menuLabels.assign(size, std::string());
    for (Control* title : menu.children())
        title->accept(*this);

    auto* bar = new Fl_Menu_Bar(0, 0, window_.widget->w(), menuHeight_);
    record(menu, bar);
    bar->box(FL_FLAT_BOX);
    bar->color(toFl(Colour::ButtonFace));
    bar->textsize(FL_NORMAL_SIZE);
    bar->menu(window_.menuEntries.data());
    window_.widget->menuBar(bar);
}

void Builder::visit(MenuItem& item) {
    const std::size_t at = nextMenuEntry_++;
    Fl_Menu_Item* entry = &window_.menuEntries[at];
    std::string* label = &window_.menuLabels[at];
    view_.menuEntries[&item] = entry;
    Fl_Window* widget = window_.widget;
    if (!item.children().empty()) {  // a title: its items follow, then an empty entry
        entry->flags = FL_SUBMENU;
        for (Control* child : item.children())
            child->accept(*this);
        ++nextMenuEntry_;
    } else {
        entry->callback(UserActions::runFromWidget, view_.actions.add([&item] { item.click(); }));
        entry->labeltype(menuLabel());
    }
    follow(item, [entry, label, &item, widget](const Change&) {
        *label = captionText(item.caption());
        entry->label(label->c_str());
        if (item.enabled())
            entry->activate();
        else
            entry->deactivate();
        widget->redraw();
    });
}

}  // namespace torvexa::fltk
