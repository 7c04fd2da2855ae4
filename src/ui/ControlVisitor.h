#pragma once

namespace torvexa {

class Form;
class Panel;
class GroupBox;
class Label;
class Shape;
class CheckBox;
class RadioButton;
class Button;
class SpeedButton;
class Edit;
class UpDown;
class ComboBox;
class TrackBar;
class ListBox;
class MainMenu;
class MenuItem;

// One member per kind of control, so that a view builds each kind in its own member and the
// compiler names any kind a view has not handled.
class ControlVisitor {
  public:
    virtual ~ControlVisitor() = default;
    virtual void visit(Form& form) = 0;
    virtual void visit(Panel& panel) = 0;
    virtual void visit(GroupBox& group) = 0;
    virtual void visit(Label& label) = 0;
    virtual void visit(Shape& shape) = 0;
    virtual void visit(CheckBox& box) = 0;
    virtual void visit(RadioButton& radio) = 0;
    virtual void visit(Button& button) = 0;
    virtual void visit(SpeedButton& button) = 0;
    virtual void visit(Edit& edit) = 0;
    virtual void visit(UpDown& updown) = 0;
    virtual void visit(ComboBox& combo) = 0;
    virtual void visit(TrackBar& track) = 0;
    virtual void visit(ListBox& list) = 0;
    virtual void visit(MainMenu& menu) = 0;
    virtual void visit(MenuItem& item) = 0;
};

}  // namespace torvexa
