#include "view/fltk/LabelBox.h"

#include "ui/Scale.h"

#include "ui/PathLines.h"

#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>
#include <FL/fl_draw.H>

namespace torvexa::fltk {

LabelBox::LabelBox(int x, int y, int w, int h, bool underline, double scale)
    : Fl_Box(x, y, w, h), underline_(underline), scale_(scale) {
    box(FL_NO_BOX);
}

void LabelBox::path(std::string utf8) {
    path_ = std::move(utf8);
    label(nullptr);
    // The whole path, always, broken only between folders: FLTK breaks a tooltip at blanks.
    fl_font(Fl_Tooltip::font(), Fl_Tooltip::size());
    const std::string tip =
        wholePathLines(path_, Fl_Tooltip::wrap_width(), [](std::string_view text) {
            return static_cast<int>(fl_width(text.data(), static_cast<int>(text.size())));
        });
    copy_tooltip(path_.empty() ? nullptr : tip.c_str());
    redraw();
}

std::vector<std::string> LabelBox::pathLinesShown() const {
    fl_font(labelfont(), labelsize());
    return pathLines(path_, w(), h() / fl_height(), [](std::string_view text) {
        return static_cast<int>(fl_width(text.data(), static_cast<int>(text.size())));
    });
}

void LabelBox::draw() {
    draw_box();
    if (!path_.empty()) {
        std::string lines;
        for (const std::string& line : pathLinesShown())
            lines += line + "\n";
        fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
        // Drawn as it stands: no symbols, no access keys.
        fl_draw(lines.c_str(), x(), y(), w(), h(), FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_CLIP,
                nullptr, 0);
        return;
    }
    draw_label(x(), y(), w(), h(), align());
    if (!underline_ || !label()) return;
    fl_font(labelfont(), labelsize());
    int tw = (align() & FL_ALIGN_WRAP) ? w() : 0;
    int th = 0;
    fl_measure(label(), tw, th, 0);
    const int left = (align() & FL_ALIGN_LEFT) ? x() : x() + (w() - tw) / 2;
    fl_color(labelcolor());
    fl_line_style(FL_SOLID, lineWidth(scale_));
    fl_xyline(left, y() + fl_height() - fl_descent() + lineWidth(scale_), left + tw - 1);
    fl_line_style(0);
}

}  // namespace torvexa::fltk
