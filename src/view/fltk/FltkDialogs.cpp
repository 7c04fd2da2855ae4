#include "view/fltk/FltkDialogs.h"

#include <cstdlib>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/Scale.h"
#include "ui/TextRules.h"
#include "view/fltk/LabelBox.h"
#include "view/fltk/Modal.h"
#include "view/fltk/OpenDialog.h"
#include "view/fltk/Text.h"
#include "view/fltk/WindowHints.h"

namespace torvexa::fltk {
namespace {

// In layout pixels.
constexpr int kLayoutMargin = 16;
constexpr int kLayoutIconSize = 32;
constexpr int kLayoutMinTextWidth = 160;
constexpr int kLayoutMaxTextWidth = 420;
constexpr int kLayoutButtonWidth = 75;
constexpr int kLayoutButtonHeight = 23;
constexpr int kLayoutSymbolSize = 18;

}  // namespace

MessageLayout layoutMessage(const std::string& shownText, double scale) {
    const int kMargin = scaled(kLayoutMargin, scale);
    const int kIconSize = scaled(kLayoutIconSize, scale);
    const int kMinTextWidth = scaled(kLayoutMinTextWidth, scale);
    const int kMaxTextWidth = scaled(kLayoutMaxTextWidth, scale);
    const int kButtonWidth = scaled(kLayoutButtonWidth, scale);
    const int kButtonHeight = scaled(kLayoutButtonHeight, scale);
    fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
    int textW = 0;  // unwrapped: the widest line
    int textH = 0;
    fl_measure(shownText.c_str(), textW, textH, 0);
    if (textW > kMaxTextWidth) {
        textW = kMaxTextWidth;
        textH = 0;
        fl_measure(shownText.c_str(), textW, textH, 0);
    }
    textW = std::max(textW, kMinTextWidth);
    const int bodyH = std::max(textH, kIconSize);
    const int width = kMargin * 3 + kIconSize + textW;
    const int buttonTop = kMargin + bodyH + kMargin;
    return MessageLayout{width,
                         buttonTop + kButtonHeight + kMargin,
                         {kMargin, kMargin, kIconSize, kIconSize},
                         {kMargin * 2 + kIconSize, kMargin, textW, textH},
                         {(width - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight}};
}

void FltkDialogs::showMessage(MessageIcon icon, std::string_view title, std::string_view text) {
    const std::string shown = plainText(messageText(text, "\n"));  // FLTK breaks at LF
    const MessageLayout layout = layoutMessage(shown, scale_);
    const std::string windowTitle = displayText(title);
    Fl_Window window(layout.width, layout.height, windowTitle.c_str());

    const auto& i = layout.icon;
    Fl_Box symbol(i.x, i.y, i.w, i.h, icon == MessageIcon::Error ? "X" : "i");
    symbol.box(FL_OVAL_BOX);
    symbol.color(icon == MessageIcon::Error ? fl_rgb_color(200, 30, 30)
                                            : fl_rgb_color(30, 80, 200));
    symbol.labelcolor(FL_WHITE);
    symbol.labelfont(FL_HELVETICA_BOLD);
    symbol.labelsize(scaled(kLayoutSymbolSize, scale_));

    // A label box draws its text at the full width it was measured for.
    const auto& t = layout.text;
    LabelBox message(t.x, t.y, t.w, t.h, false);
    message.copy_label(shown.c_str());
    message.align(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);

    const auto& b = layout.button;
    Fl_Button ok(b.x, b.y, b.w, b.h, "OK");
    ok.shortcut(FL_Enter);  // Enter closes the box, as Space (on the button) and Esc do
    ok.callback([](Fl_Widget* w, void*) { w->window()->hide(); });
    window.end();
    window.callback([](Fl_Widget* w, void*) { w->hide(); });  // Esc and the close button: like OK
    placeCentred(window, scale_);
    runModal(window, &ok);
}

std::optional<std::string> FltkDialogs::chooseFile(const FileDialogSettings& settings) {
    // A path of this machine: its own bytes, which every file call takes as they are.
    std::vector<FileFilter> filters = settings.filters();
    for (FileFilter& filter : filters)
        filter = {displayText(filter.name), displayText(filter.pattern)};
    const char* home = std::getenv("HOME");
    const std::filesystem::path start =
        settings.startInLanguages ? openFolder_ : std::filesystem::path(home ? home : "");
    return runOpenDialog(std::move(filters), start, scale_);
}

}  // namespace torvexa::fltk
