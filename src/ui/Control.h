#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace torvexa {

// Positions and sizes in pixels at 96 dpi, relative to the parent's client area.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

// The colours the layouts use; the system colours are resolved by the view.
// The system's colours (button face, window text, window, and links: hot light) and the
// layout's own.
enum class Colour { ButtonFace, WindowText, Window, HotLight, SkyBlue, MoneyGreen, Navy };

enum class Typeface { Arial, MsSansSerif };

struct Font {
    Typeface face = Typeface::Arial;
    int height = 11;  // character height in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

enum class Align { Left, Centre };

enum class Frame { Borderless, Flat, FlatBevelled };

class ControlVisitor;

// What a control tells its observer after a change, so that a view updates only that: its
// state (caption, flags, value, selection), every row (a list's rows, a drop-down's items),
// or one row of a list.
struct Change {
    enum class What { State, Rows, Row };
    What what = What::State;
    int row = -1;
    bool operator==(const Change&) const = default;
};
using Observer = std::function<void(const Change&)>;

// How a control looks, where it differs from what it inherits from its parent.
struct Look {
    std::optional<Font> font;
    std::optional<Colour> colour;  // background; none: the parent shows through
    Colour textColour = Colour::WindowText;
    Align align = Align::Left;
    bool wordWrap = false;
    Frame frame = Frame::Borderless;
    bool fixedSize = false;  // a label otherwise grows with its caption
    // The caption is a path of this machine (its own bytes, UTF-8, no program text), shown on
    // as many lines as it needs, broken after its separators.
    bool path = false;
};

// A control of a window. Program entry points (setters) change state and run handlers only as
// the event rules say; user entry points are what the view calls for a person's action, and do
// nothing while the control cannot be reached (it or a parent is disabled or hidden).
// After any change of its state a control tells its one observer.
class Control {
  public:
    Control(Control* parent, std::string name, Rect bounds, Look look = {});
    // Leaves its parent's children.
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Calls the visitor's member for this control's kind.
    virtual void accept(ControlVisitor& visitor) = 0;

    const std::string& name() const noexcept { return name_; }
    Control* parent() const noexcept { return parent_; }
    const std::vector<Control*>& children() const noexcept { return children_; }
    // The order in which the keyboard's focus visits the children: as set, else the order
    // they were created in (which is their layout order).
    const std::vector<Control*>& tabOrder() const noexcept {
        return tabOrder_.empty() ? children_ : tabOrder_;
    }
    // Children left out of `order` follow it in creation order.
    void setTabOrder(std::vector<Control*> order);
    const Rect& bounds() const noexcept { return bounds_; }
    const Look& look() const noexcept { return look_; }

    // The font in effect: the control's own, else its parent's.
    Font font() const;
    void setFont(const Font& font);

    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption);

    bool enabled() const noexcept { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const noexcept { return visible_; }
    void setVisible(bool visible);

    // Whether a person can use it: it and every parent enabled and visible.
    bool reachable() const;

    // The control whose caption names this one for screen readers (see ui/ReaderNames.h).
    Control* namedBy() const noexcept { return namedBy_; }
    void setNamedBy(Control& caption) noexcept { namedBy_ = &caption; }

    // One observer; an empty one detaches it.
    void setObserver(Observer observer) { observer_ = std::move(observer); }

  protected:
    void notify(const Change& change = {}) const;
    static void run(const std::function<void()>& handler);

  private:
    Control* parent_;
    std::string name_;
    Rect bounds_;
    Look look_;
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    std::vector<Control*> children_;
    std::vector<Control*> tabOrder_;
    Control* namedBy_ = nullptr;
    Observer observer_;
};

}  // namespace torvexa
