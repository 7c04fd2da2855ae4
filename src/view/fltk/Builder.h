#pragma once

#include "ui/ControlVisitor.h"
#include "view/fltk/ViewParts.h"

class Fl_Button;
class Fl_Group;

namespace torvexa::fltk {

// Builds one widget per control, each kind in its own member, inside the window being built;
// each widget's callback runs the control's user entry point, and the control's observer
// brings the widget up to date.
class Builder : public ControlVisitor {
  public:
    Builder(ViewParts& view, WindowParts& window) : view_(view), window_(window) {}

    void visit(Form& form) override;
    void visit(Panel& panel) override;
    void visit(GroupBox& group) override;
    void visit(Label& label) override;
    void visit(Shape& shape) override;
    void visit(CheckBox& box) override;
    void visit(RadioButton& radio) override;
    void visit(Button& button) override;
    void visit(SpeedButton& button) override;
    void visit(Edit& edit) override;
    void visit(UpDown& updown) override;
    void visit(ComboBox& combo) override;  // DropDown.cpp
    void visit(TrackBar& track) override;
    void visit(ListBox& list) override;
    // Menus.cpp: a form's menu is one static FLTK table.
    void visit(MainMenu& menu) override;
    void visit(MenuItem& item) override;

  private:
    // The control's rectangle in the window's pixels: its layout rectangle in the window,
    // scaled edge by edge, below the menu bar.
    Rect placed(const Control& c) const;
    int x(const Control& c) const { return placed(c).left; }
    int y(const Control& c) const { return placed(c).top; }
    int w(const Control& c) const { return placed(c).width; }
    int h(const Control& c) const { return placed(c).height; }
    int px(int layout) const { return view_.px(layout); }

    void children(Control& parent, Fl_Group& group);
    void button(Button& model, Fl_Button& widget);
    // A check box or radio button: its mark shows the model's state.
    template <typename Model>
    void markedButton(Model& model, Fl_Button* widget);
    void editableCombo(ComboBox& combo);
    void fixedCombo(ComboBox& combo);
    void record(const Control& control, Fl_Widget* widget) { view_.widgets[&control] = widget; }
    void onUser(Fl_Widget& widget, std::function<void()> action) {
        view_.actions.onUser(widget, std::move(action));
    }
    void follow(Control& control, Observer sync) {
        view_.following.follow(control, std::move(sync));
    }

    ViewParts& view_;
    WindowParts& window_;
    int originX_ = 0;  // the parent's place in the window, in layout pixels
    int originY_ = 0;
    int menuHeight_ = 0;  // in the window's pixels
    std::size_t nextMenuEntry_ = 0;
};

}  // namespace torvexa::fltk
