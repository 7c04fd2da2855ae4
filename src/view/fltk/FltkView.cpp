#include "view/fltk/FltkView.h"

// The windows first: X11, which FLTK brings in, defines macros named like controls (Button1).
#include "view/fltk/ViewParts.h"

#include <FL/Fl.H>

#include "ui/WindowRules.h"

namespace torvexa::fltk {

FltkView::FltkView(Program& program, double scale)
    : parts_(std::make_unique<ViewParts>(program, scale)) {
    for (Form* form : program.forms()) {
        auto& window =
            *parts_->windows.emplace_back(std::make_unique<WindowParts>(WindowParts{*form}));
        buildWindow(*parts_, window);
    }
    // The end of the program hides every window, whatever its form says.
    program.application().setObserver([parts = parts_.get()] {
        for (auto& window : parts->windows)
            if (!shownOnScreen(window->form, parts->program.application())) window->widget->hide();
    });
}

FltkView::~FltkView() {
    parts_->program.application().setObserver({});
    parts_->following.detachAll();
    for (auto& window : parts_->windows)
        delete window->widget;
}

int FltkView::run() {
    if (parts_->program.application().terminated()) return 0;
    return Fl::run();
}

Fl_Widget* FltkView::widgetOf(const Control& control) const {
    const auto it = parts_->widgets.find(&control);
    return it == parts_->widgets.end() ? nullptr : it->second;
}

const Fl_Menu_Item* FltkView::menuEntryOf(const MenuItem& item) const {
    const auto it = parts_->menuEntries.find(&item);
    return it == parts_->menuEntries.end() ? nullptr : it->second;
}

}  // namespace torvexa::fltk
