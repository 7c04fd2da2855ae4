#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <FL/Fl_Menu_Item.H>

#include "forms/Program.h"
#include "ui/Following.h"
#include "ui/Scale.h"
#include "view/fltk/FormWindow.h"
#include "view/fltk/UserActions.h"

namespace torvexa::fltk {

// A form's window, with its menu's static table and the labels the table points at.
struct WindowParts {
    Form& form;
    FormWindow* widget = nullptr;
    std::vector<Fl_Menu_Item> menuEntries;
    std::vector<std::string> menuLabels;
};

// What the FLTK view made and follows; the builder fills it, the view owns it.
struct ViewParts {
    ViewParts(Program& shown, double screenScale)
        : program(shown), actions(shown.application()), scale(screenScale) {}

    // A length of the layout (96-dpi pixels) on the screen.
    int px(int layout) const { return scaled(layout, scale); }

    Program& program;
    UserActions actions;
    double scale;  // the screen's pixels for one of the layout's
    Following following;
    std::vector<std::unique_ptr<WindowParts>> windows;
    // What shows each control, for the arrow keys between radio buttons and for tests.
    std::unordered_map<const Control*, Fl_Widget*> widgets;
    std::unordered_map<const MenuItem*, const Fl_Menu_Item*> menuEntries;
};

// Builds the window of one form and a widget for every control in it.
void buildWindow(ViewParts& parts, WindowParts& window);

}  // namespace torvexa::fltk
