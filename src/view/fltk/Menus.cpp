#include "view/fltk/Builder.h"

#include <FL/Fl_Menu_Bar.H>

#include "ui/Palette.h"
#include "view/fltk/Text.h"
#include "view/fltk/Toolkit.h"

namespace torvexa::fltk {

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
