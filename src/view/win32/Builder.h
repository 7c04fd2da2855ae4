#pragma once

#include "view/win32/ViewParts.h"

#include "ui/ControlVisitor.h"

namespace torvexa::win32 {

// Builds one native control per model control, each kind in its own member, and keeps it up to
// date through the control's observer. Edit fields and up-downs (Fields.cpp), drop-downs
// (DropDown.cpp), labels (Labels.cpp), lists (Lists.cpp) and menus (Menus.cpp) have files of
// their own.
class Builder : public ControlVisitor {
  public:
    explicit Builder(ViewParts& view) : view_(view) {}

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
    void visit(ComboBox& combo) override;
    void visit(TrackBar& track) override;
    void visit(ListBox& list) override;
    void visit(MainMenu& menu) override;
    void visit(MenuItem& item) override;

  private:
    // A native child control at the control's place, bound to it.
    HWND child(Control& control, const wchar_t* kind, DWORD style, DWORD exStyle = 0,
               int extraHeight = 0);
    Binding& bind(HWND window, Control& control);
    void children(Control& parent, HWND container);
    // A hidden label right before `field` that carries the caption naming it for screen readers.
    void nameOnlyLabel(const Control& field, Control& caption);
    // A label that shows a path of this machine (see pathLinesShown).
    void pathLabel(Label& label);
    void raiseAboveWhatItCovers(HWND window, const Label& label);
    // A window of the container class for a panel or a group box, with its controls inside.
    HWND container(Control& control, GroupBox* frame);
    // A BUTTON window with the control's caption; `mark` shows a check box's or radio
    // button's state.
    HWND captionedButton(Control& control, DWORD style, std::function<void()> click,
                         std::function<bool()> mark = {}, std::function<void()> synced = {});
    // Menus.cpp: a form's menu bar, built before its window, which takes it.
    HMENU buildMenu(MainMenu& menu);

    ViewParts& view_;
    HWND parent_ = nullptr;
    HMENU menu_ = nullptr;
};

// The control's visibility and whether it is enabled.
void applyState(HWND window, const Control& control);

}  // namespace torvexa::win32
