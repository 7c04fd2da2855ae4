#include "view/fltk/DropDownList.h"

#include "view/fltk/DropDownKeys.h"
#include "view/fltk/Text.h"

#include <algorithm>

#include <FL/Fl.H>
#include <FL/Fl_Menu_Window.H>
#include <FL/Fl_Scrollbar.H>
#include <FL/fl_draw.H>

#include "ui/Controls.h"
#include "ui/ListRules.h"
#include "ui/Scale.h"
#include "view/fltk/Toolkit.h"
#include "view/fltk/WindowHints.h"

namespace torvexa::fltk {
namespace {

constexpr int kMostRows = 12;  // a longer list scrolls
constexpr int kRowsPerNotch = 3;

std::optional<ListKey> arrowKeyOf(int key) {
    switch (key) {
        case FL_Up:
            return ListKey::Up;
        case FL_Down:
            return ListKey::Down;
        case FL_Page_Up:
            return ListKey::PageUp;
        case FL_Page_Down:
            return ListKey::PageDown;
        case FL_Home:
            return ListKey::Home;
        case FL_End:
            return ListKey::End;
        default:
            return std::nullopt;
    }
}

// The list as a borderless window of its own above every other, holding every event while open.
class ListWindow : public Fl_Menu_Window {
  public:
    ListWindow(int x, int y, int w, int rows, const DropDownItems& list)
        : Fl_Menu_Window(x, y, w, rows * scaled(ListBox::kRowHeight, list.scale) + 2),
          items_(list.items),
          rowHeight_(scaled(ListBox::kRowHeight, list.scale)),
          rows_(rows),
          textSize_(list.textSize),
          highlight_(list.chosen),
          bar_(w - 1 - Fl::scrollbar_size(), 1, Fl::scrollbar_size(), rows * rowHeight_) {
        end();
        // A popup, as FLTK's own menus are: no window manager frames or places it.
        set_override();
        box(FL_BORDER_BOX);
        color(toFl(Colour::Window));
        if (count() > rows_) {
            bar_.type(FL_VERTICAL);
            bar_.callback([](Fl_Widget* bar, void*) {
                auto* self = static_cast<ListWindow*>(bar->window());
                self->top_ = static_cast<int>(static_cast<Fl_Scrollbar*>(bar)->value());
                self->redraw();
            });
        } else {
            bar_.hide();
        }
        scrollTo(0);
        showHighlight();
    }

    std::optional<int> chosen() const { return chosen_; }

    int handle(int event) override {
        switch (event) {
            case FL_KEYBOARD:
                key(Fl::event_key(), Fl::event_state(FL_ALT) != 0);
                return 1;
            case FL_PUSH:
                if (onBar()) break;
                if (!inside())
                    close(std::nullopt);
                else
                    highlight(rowUnderPointer());
                return 1;
            case FL_MOVE:
            case FL_DRAG:
                if (Fl::pushed() == &bar_) break;
                // The pointer moves the highlight only over a row; outside it changes nothing.
                if (inside() && !onBar()) highlight(rowUnderPointer());
                return 1;
            case FL_RELEASE:
                if (Fl::pushed() == &bar_ || onBar()) break;
                if (inside() && rowUnderPointer() >= 0) close(rowUnderPointer());
                return 1;
            case FL_MOUSEWHEEL:
                scrollTo(top_ + kRowsPerNotch * Fl::event_dy());
                return 1;
            default:
                break;
        }
        return Fl_Menu_Window::handle(event);
    }

  protected:
    void draw() override {
        draw_box();
        const int width = w() - 2 - (bar_.visible() ? bar_.w() : 0);
        fl_push_clip(1, 1, width, h() - 2);
        fl_font(FL_HELVETICA, textSize_);
        for (int row = top_; row < std::min(count(), top_ + rows_); ++row) {
            const int y = 1 + (row - top_) * rowHeight_;
            const bool lit = row == highlight_;
            fl_color(lit ? FL_SELECTION_COLOR : color());
            fl_rectf(1, y, width, rowHeight_);
            fl_color(lit ? fl_contrast(FL_FOREGROUND_COLOR, FL_SELECTION_COLOR)
                         : FL_FOREGROUND_COLOR);
            // Drawn as they stand: no symbols.
            fl_draw(items_[static_cast<std::size_t>(row)].c_str(), 4, y, width - 6, rowHeight_,
                    FL_ALIGN_LEFT | FL_ALIGN_CLIP, nullptr, 0);
        }
        fl_pop_clip();
        if (bar_.visible()) draw_child(bar_);
    }

  private:
    int count() const { return static_cast<int>(items_.size()); }
    int pointerX() const { return Fl::event_x_root() - x(); }
    int pointerY() const { return Fl::event_y_root() - y(); }
    bool inside() const {
        return pointerX() >= 0 && pointerX() < w() && pointerY() >= 0 && pointerY() < h();
    }
    bool onBar() const {
        return bar_.visible() && pointerX() >= bar_.x() && pointerX() < bar_.x() + bar_.w() &&
               pointerY() >= bar_.y() && pointerY() < bar_.y() + bar_.h();
    }
    int rowUnderPointer() const {
        const int row = top_ + (pointerY() - 1) / rowHeight_;
        return pointerY() >= 1 && row < count() ? row : -1;
    }

    void key(int key, bool alt) {
        const bool chooses = key == FL_Enter || key == FL_KP_Enter || key == FL_F + 4 ||
                             (alt && (key == FL_Up || key == FL_Down));
        if (chooses) {
            close(highlight_ >= 0 ? std::optional<int>(highlight_) : std::nullopt);
        } else if (key == FL_Escape || key == FL_Tab) {
            close(std::nullopt);
        } else if (const auto move = arrowKeyOf(key)) {
            highlight(movedItem(highlight_, count(), *move, rows_));
            showHighlight();
        }
    }

    void highlight(int row) {
        if (row < 0 || row == highlight_) return;
        highlight_ = row;
        redraw();
    }
    void showHighlight() {
        if (highlight_ < 0) return;
        if (highlight_ < top_) scrollTo(highlight_);
        if (highlight_ >= top_ + rows_) scrollTo(highlight_ - rows_ + 1);
    }
    void scrollTo(int top) {
        top_ = std::clamp(top, 0, std::max(0, count() - rows_));
        bar_.value(top_, rows_, 0, count());
        redraw();
    }
    // Hiding it ends its loop (and wakes it: the server tells of the hidden window).
    void close(std::optional<int> chosen) {
        chosen_ = chosen;
        hide();
    }

    const std::vector<std::string>& items_;
    int rowHeight_;
    int rows_;
    int textSize_;
    int highlight_;
    int top_ = 0;
    std::optional<int> chosen_;
    Fl_Scrollbar bar_;
};

}  // namespace

bool opensList(bool spaceOpens) {
    const int key = Fl::event_key();
    if (Fl::event_state(FL_CTRL | FL_META)) return false;
    if (Fl::event_state(FL_ALT)) return key == FL_Down || key == FL_Up;
    return key == FL_F + 4 || (spaceOpens && key == ' ');
}

std::optional<ListKey> closedListKey() {
    if (Fl::event_state(FL_ALT | FL_CTRL | FL_META)) return std::nullopt;
    return arrowKeyOf(Fl::event_key());
}

int openListRows(int count) { return std::min(count, kMostRows); }

std::vector<std::string> displayItems(const std::vector<std::string>& items) {
    std::vector<std::string> shown;
    shown.reserve(items.size());
    for (const std::string& item : items)
        shown.push_back(displayText(item));
    return shown;
}

std::optional<int> openDropDownList(Fl_Widget& box, const DropDownItems& list) {
    if (list.items.empty()) return std::nullopt;
    int left = 0;
    int below = 0;
    box.top_window_offset(left, below);
    int windowX = 0;
    int windowY = 0;
    screenPositionOf(*box.top_window(), windowX, windowY);
    left += windowX;
    below += windowY + box.h();
    const int rows = openListRows(static_cast<int>(list.items.size()));
    ListWindow window(left, below, box.w(), rows, list);
    int areaX = 0, areaY = 0, areaW = 0, areaH = 0;
    Fl::screen_work_area(areaX, areaY, areaW, areaH, left, below);
    if (below + window.h() > areaY + areaH) window.position(left, below - box.h() - window.h());
    window.show();
    Fl::grab(&window);
    while (window.shown())
        Fl::wait();
    Fl::grab(nullptr);
    return window.chosen();
}

}  // namespace torvexa::fltk
