#include "view/fltk/FltkVersion.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_Browser_.H>
#include <FL/Fl_Input_.H>

#if FL_API_VERSION >= 10400
#include <FL/Fl_Preferences.H>
#include <FL/platform.H>
#ifndef FLTK_USE_X11
#error "Torvexa draws through X11: this FLTK was built without it (FLTK_BACKEND_X11=OFF)"
#endif
#else
#include <FL/x.H>
#endif

namespace torvexa::fltk {
namespace {

struct Option {
    Fl::Fl_Option option;
    bool on;
};
constexpr Option kOptions[] = {
    {Fl::OPTION_ARROW_FOCUS, false},   {Fl::OPTION_VISIBLE_FOCUS, true},
    {Fl::OPTION_DND_TEXT, true},       {Fl::OPTION_SHOW_TOOLTIPS, true},
    {Fl::OPTION_FNFC_USES_GTK, false},  // Torvexa's own open dialog is used, never GTK's
};

#if FL_API_VERSION < 10400
// FLTK 1.3 keeps the options private; an explicit instantiation is where C++ lets a name be
// used regardless of access.
unsigned char* fltkOptionsRead();
unsigned char* fltkOptions();
template <unsigned char* Read, unsigned char* Options>
struct FltkOptionStorage {
    friend unsigned char* fltkOptionsRead() { return Read; }
    friend unsigned char* fltkOptions() { return Options; }
};
template struct FltkOptionStorage<&Fl::options_read_, Fl::options_>;
#endif

}  // namespace

void setOptionsWithoutPreferenceFiles() {
#if FL_API_VERSION >= 10400
    Fl_Preferences::file_access(Fl_Preferences::NONE);
    for (const Option& o : kOptions)
        Fl::option(o.option, o.on);
#else
    unsigned char* options = fltkOptions();
    for (const Option& o : kOptions)
        options[o.option] = o.on ? 1 : 0;
    *fltkOptionsRead() = 1;
#endif
}

void keepOneScale() {
#if FL_API_VERSION >= 10400
    Fl::keyboard_screen_scaling(0);
    for (int screen = 0; screen < Fl::screen_count(); ++screen)
        Fl::screen_scale(screen, 1.0f);
#endif
}

float toolkitScale([[maybe_unused]] int screen) {
#if FL_API_VERSION >= 10400
    return Fl::screen_scale(screen);
#else
    return 1.0f;
#endif
}

void useDisplay(_XDisplay* display) {
#if FL_API_VERSION >= 10400
    fl_x11_use_display(display);
#else
    fl_open_display(display);
#endif
}

void openDisplay() { fl_open_display(); }

bool toolkitOnX11() {
#if FL_API_VERSION >= 10400
    return fl_x11_display() != nullptr;
#else
    return fl_display != nullptr;
#endif
}

int verticalPosition(const Fl_Browser_& browser) {
#if FL_API_VERSION >= 10400
    return browser.vposition();
#else
    return browser.position();
#endif
}

void setVerticalPosition(Fl_Browser_& browser, int pixels) {
#if FL_API_VERSION >= 10400
    browser.vposition(pixels);
#else
    browser.position(pixels);
#endif
}

int cursorOf(const Fl_Input_& input) {
#if FL_API_VERSION >= 10400
    return input.insert_position();
#else
    return input.position();
#endif
}

void markText(Fl_Input_& input, int cursor, int mark) {
#if FL_API_VERSION >= 10400
    input.insert_position(cursor, mark);
#else
    input.position(cursor, mark);
#endif
}

}  // namespace torvexa::fltk
