#include "view/fltk/FltkView.h"

// The windows first: X11, which FLTK brings in, defines macros named like controls (Button1).
#include "forms/Program.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Multiline_Input.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "ui/ViewRules.h"
#include "view/fltk/Modal.h"
#include "view/fltk/Text.h"
#include "view/fltk/Widgets.h"
#include "view/fltk/WindowHints.h"

namespace torvexa::fltk {
namespace {

constexpr int kMenuHeight = 20;

Fl_Color toFl(Colour colour) {
    const Rgb rgb = rgbOf(colour);
    return fl_rgb_color(rgb.red, rgb.green, rgb.blue);
}

Fl_Font toFl(const Font& font) {
    // Both typefaces are drawn with the Arial-metric Liberation Sans.
    if (font.bold && font.italic) return FL_HELVETICA_BOLD_ITALIC;
    if (font.bold) return FL_HELVETICA_BOLD;
    if (font.italic) return FL_HELVETICA_ITALIC;
    return FL_HELVETICA;
}

Fl_Color backgroundColour(const Control& control) { return toFl(backgroundOf(control)); }

void applyLook(Fl_Widget& widget, const Control& control) {
    widget.labelfont(toFl(control.font()));
    widget.labelsize(control.font().height);
    widget.labelcolor(toFl(control.look().textColour));
    widget.color(backgroundColour(control));
}

void applyState(Fl_Widget& widget, const Control& control) {
    if (control.visible())
        widget.show();
    else
        widget.hide();
    if (control.enabled())
        widget.activate();
    else
        widget.deactivate();
}

}  // namespace

// A window with its widget and its menu, whose entries and labels it owns.
struct FltkView::Window {
    Form& form;
    FormWindow* widget = nullptr;
    std::vector<Fl_Menu_Item> menuEntries;
    std::vector<std::string> menuLabels;
};

// Builds one widget per control, each kind in its own member, inside the window being built.
class FltkView::Builder : public ControlVisitor {
  public:
    Builder(FltkView& view, Window& window) : view_(view), window_(window) {}

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
    // The control's rectangle in window coordinates.
    int x(const Control& c) const { return originX_ + c.bounds().left; }
    int y(const Control& c) const { return originY_ + c.bounds().top; }
    static int w(const Control& c) { return c.bounds().width; }
    static int h(const Control& c) { return c.bounds().height; }

    void children(Control& parent, Fl_Group& group);
    void button(Button& model, Fl_Button& widget);
    // A check box or radio button: its mark shows the model's state.
    template <typename Widget, typename Model>
    void markedButton(Model& model);
    void editableCombo(ComboBox& combo);
    void fixedCombo(ComboBox& combo);
    void record(const Control& control, Fl_Widget* widget) { view_.widgets_[&control] = widget; }

    FltkView& view_;
    Window& window_;
    int originX_ = 0;
    int originY_ = 0;
    std::size_t nextMenuEntry_ = 0;
};

void FltkView::Builder::children(Control& parent, Fl_Group& group) {
    const int savedX = originX_;
    const int savedY = originY_;
    originX_ = x(parent);
    originY_ = y(parent);
    for (Control* child : parent.tabOrder())  // the keyboard visits them in this order
        child->accept(*this);
    originX_ = savedX;
    originY_ = savedY;
    group.end();
}

void FltkView::Builder::visit(Form& form) {
    const Rect& r = form.bounds();
    const int menuHeight = form.mainMenu() ? kMenuHeight : 0;
    auto* widget = new FormWindow(r.left, r.top, r.width, r.height + menuHeight);
    window_.widget = widget;
    record(form, widget);
    widget->color(backgroundColour(form));
    widget->size_range(r.width, r.height + menuHeight, r.width, r.height + menuHeight);
    // The pages lie below the menu bar; the form's own bounds are its place on the screen.
    originX_ = -r.left;
    originY_ = menuHeight - r.top;
    children(form, *widget);

    // Esc must not close a window; a close request from the window manager goes to the form.
    widget->callback(
        [](Fl_Widget*, void* data) {
            if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
            (*static_cast<std::function<void()>*>(data))();
        },
        &view_.userAction([&form] { form.closeRequest(); }));

    Program& program = view_.program_;
    view_.follow(form, [widget, &form, &program](const Change&) {
        widget->copy_label(displayText(form.caption()).c_str());
        if (!form.visible()) {
            widget->hide();
        } else if (!program.application().terminated()) {
            widget->show();
            setTitleBarButtons(*widget, form.titleButtons() == Form::TitleButtons::NoButtons
                                            ? TitleBar::NoButtons
                                            : TitleBar::SystemMenuAndClose);
        }
    });
}

void FltkView::Builder::visit(Panel& panel) {
    auto* group = new Fl_Group(x(panel), y(panel), w(panel), h(panel));
    record(panel, group);
    group->box(FL_FLAT_BOX);
    applyLook(*group, panel);
    children(panel, *group);
    view_.follow(panel, [group, &panel](const Change&) { applyState(*group, panel); });
}

void FltkView::Builder::visit(GroupBox& frame) {
    auto* group = new GroupFrame(x(frame), y(frame), w(frame), h(frame));
    record(frame, group);
    applyLook(*group, frame);
    children(frame, *group);
    view_.follow(frame, [group, &frame](const Change&) {
        group->copy_label(captionText(frame.caption()).c_str());
        applyState(*group, frame);
        group->redraw();
    });
}

void FltkView::Builder::visit(Label& label) {
    auto* box = new LabelBox(x(label), y(label), w(label), h(label), label.font().underline);
    record(label, box);
    applyLook(*box, label);
    Fl_Align align =
        FL_ALIGN_INSIDE | FL_ALIGN_TOP | (label.look().align == Align::Centre ? 0 : FL_ALIGN_LEFT);
    if (label.look().wordWrap) align |= FL_ALIGN_WRAP;
    if (label.look().fixedSize) align |= FL_ALIGN_CLIP;
    box->align(align);
    view_.follow(label, [box, &label](const Change&) {
        if (label.look().path) {
            box->path(label.caption());
            applyState(*box, label);
            return;
        }
        box->copy_label(boxCaptionText(label.caption()).c_str());
        fl_font(box->labelfont(), box->labelsize());
        int textWidth = 0;
        int textHeight = 0;
        fl_measure(box->label(), textWidth, textHeight, 0);
        box->size(shownWidth(label, textWidth), box->h());
        applyState(*box, label);
        if (box->parent()) box->parent()->redraw();
    });
}

void FltkView::Builder::visit(Shape& shape) {
    auto* box = new Fl_Box(x(shape), y(shape), w(shape), h(shape));
    record(shape, box);
    box->box(FL_FLAT_BOX);
    box->color(toFl(*shape.look().colour));
    view_.follow(shape, [box, &shape](const Change&) { applyState(*box, shape); });
}

template <typename Widget, typename Model>
void FltkView::Builder::markedButton(Model& model) {
    auto* widget = new Widget(x(model), y(model), w(model), h(model));
    record(model, widget);
    applyLook(*widget, model);
    view_.onUser(*widget, [&model] { model.click(); });
    view_.follow(model, [widget, &model](const Change&) {
        widget->copy_label(captionText(model.caption()).c_str());
        widget->value(model.checked());
        applyState(*widget, model);
        widget->redraw();
    });
}

void FltkView::Builder::visit(CheckBox& box) { markedButton<Fl_Check_Button>(box); }

void FltkView::Builder::visit(RadioButton& radio) { markedButton<RadioDot>(radio); }

void FltkView::Builder::button(Button& model, Fl_Button& widget) {
    record(model, &widget);
    applyLook(widget, model);
    view_.onUser(widget, [&model] { model.click(); });
    view_.follow(model, [&widget, &model](const Change&) {
        widget.copy_label(captionText(model.caption()).c_str());
        widget.labelfont(toFl(model.font()));
        applyState(widget, model);
        widget.redraw();
    });
}

void FltkView::Builder::visit(Button& model) {
    auto* widget = new Fl_Button(x(model), y(model), w(model), h(model));
    button(model, *widget);
    widget->color(toFl(Colour::ButtonFace));
}

void FltkView::Builder::visit(SpeedButton& model) {
    button(model, *new FlatButton(x(model), y(model), w(model), h(model)));
}

void FltkView::Builder::visit(Edit& edit) {
    const bool multi = edit.lines() == Edit::Lines::Multi;
    Fl_Input* input = multi ? new Fl_Multiline_Input(x(edit), y(edit), w(edit), h(edit))
                            : new Fl_Input(x(edit), y(edit), w(edit), h(edit));
    record(edit, input);
    if (multi) input->wrap(1);
    input->box(multi ? FL_THIN_UP_BOX : FL_DOWN_BOX);
    input->textfont(FL_HELVETICA);
    input->textsize(edit.font().height);
    input->color(backgroundColour(edit));
    input->when(FL_WHEN_CHANGED);
    view_.onUser(*input, [&edit, input] { edit.type(typedText(input->value())); });
    view_.follow(edit, [input, &edit](const Change&) {
        const std::string shown = displayText(edit.text());
        if (shown != input->value()) input->value(shown.c_str());
        applyState(*input, edit);
    });
}

void FltkView::Builder::visit(UpDown& updown) {
    auto* arrows = new UpDownArrows(x(updown), y(updown), w(updown), h(updown));
    record(updown, arrows);
    view_.onUser(arrows->up(), [&updown] { updown.up(); });
    view_.onUser(arrows->down(), [&updown] { updown.down(); });
    view_.follow(updown, [arrows, &updown](const Change&) { applyState(*arrows, updown); });
}

void FltkView::Builder::visit(ComboBox& combo) {
    if (combo.style() == ComboBox::Style::Editable)
        editableCombo(combo);
    else
        fixedCombo(combo);
}

void FltkView::Builder::editableCombo(ComboBox& combo) {
    auto* widget = new EditableCombo(x(combo), y(combo), w(combo), h(combo));
    record(combo, widget);
    widget->textsize(combo.font().height);
    view_.onUser(widget->input(),
                 [&combo, widget] { combo.type(typedText(widget->input().value())); });
    // Picking the item already shown is a pick too.
    view_.onUser(*widget, [&combo, widget] { combo.pick(widget->picked()); });
    widget->whenLeft([](void* data) { (*static_cast<std::function<void()>*>(data))(); },
                     &view_.userAction([&combo] { combo.leave(); }));
    view_.follow(combo, [widget, &combo](const Change&) {
        widget->items(combo.items(), itemText);
        const std::string shown = displayText(combo.text());
        if (shown != widget->input().value()) widget->input().value(shown.c_str());
        applyState(*widget, combo);
    });
}

void FltkView::Builder::fixedCombo(ComboBox& combo) {
    auto* widget = new FixedCombo(x(combo), y(combo), w(combo), h(combo));
    record(combo, widget);
    widget->textsize(combo.font().height);
    widget->down_box(FL_BORDER_BOX);
    widget->when(FL_WHEN_RELEASE | FL_WHEN_NOT_CHANGED);
    view_.onUser(*widget, [&combo, widget] { combo.pick(widget->value()); });
    view_.follow(combo, [widget, &combo](const Change&) {
        widget->items(combo.items(), itemText);
        widget->value(combo.itemIndex());
        applyState(*widget, combo);
        widget->redraw();
    });
}

void FltkView::Builder::visit(TrackBar& track) {
    auto* slider = new TickSlider(x(track), y(track), w(track), h(track), track.frequency());
    record(track, slider);
    slider->color(backgroundColour(track));
    slider->bounds(track.min(), track.max());
    slider->step(1);
    slider->when(FL_WHEN_CHANGED | FL_WHEN_RELEASE_ALWAYS);
    view_.onUser(*slider, [&track, slider] { track.scroll(static_cast<int>(slider->value())); });
    view_.follow(track, [slider, &track](const Change&) {
        slider->value(track.position());
        applyState(*slider, track);
    });
}

void FltkView::Builder::visit(ListBox& list) {
    auto* browser = new RowBrowser(x(list), y(list), w(list), h(list), ListBox::kRowHeight);
    record(list, browser);
    browser->box(list.look().frame == Frame::Flat ? FL_BORDER_BOX : FL_DOWN_BOX);
    browser->textfont(FL_HELVETICA);
    browser->textsize(list.font().height);
    browser->color(FL_WHITE);
    browser->when(FL_WHEN_CHANGED);
    view_.onUser(*browser, [&list, browser] {
        // Both read first: the scroll's notice brings the widget back to the model's selection.
        const int top = browser->firstShownRow();
        const int row = browser->value() - 1;
        choose(list, top, row);
    });
    browser->whenScrolled(
        [](void* data) { (*static_cast<std::function<void()>*>(data))(); },
        &view_.userAction([&list, browser] { list.scrollTo(browser->firstShownRow()); }));
    view_.follow(list, [browser, &list](const Change& change) {
        showList(list, change, *browser);
        applyState(*browser, list);
    });
}

void FltkView::Builder::visit(MainMenu& menu) {
    // One static table: the titles with their items, each list closed by an empty entry.
    std::size_t size = 1;
    for (Control* title : menu.children())
        size += title->children().size() + 2;
    window_.menuEntries.assign(size, Fl_Menu_Item{});
    window_.menuLabels.assign(size, std::string());
    for (Control* title : menu.children())
        title->accept(*this);

    auto* bar = new Fl_Menu_Bar(0, 0, window_.widget->w(), kMenuHeight);
    record(menu, bar);
    bar->box(FL_FLAT_BOX);
    bar->color(toFl(Colour::ButtonFace));
    bar->textsize(FL_NORMAL_SIZE);
    bar->menu(window_.menuEntries.data());
    window_.widget->menuBar(bar);
}

void FltkView::Builder::visit(MenuItem& item) {
    const std::size_t at = nextMenuEntry_++;
    Fl_Menu_Item* entry = &window_.menuEntries[at];
    std::string* label = &window_.menuLabels[at];
    view_.menuEntries_[&item] = entry;
    Fl_Window* widget = window_.widget;
    if (!item.children().empty()) {  // a title: its items follow, then an empty entry
        entry->flags = FL_SUBMENU;
        for (Control* child : item.children())
            child->accept(*this);
        ++nextMenuEntry_;
    } else {
        entry->callback(
            [](Fl_Widget*, void* data) { (*static_cast<std::function<void()>*>(data))(); },
            &view_.userAction([&item] { item.click(); }));
    }
    view_.follow(item, [entry, label, &item, widget](const Change&) {
        *label = captionText(item.caption());
        entry->label(label->c_str());
        if (item.enabled())
            entry->activate();
        else
            entry->deactivate();
        widget->redraw();
    });
}

void initialiseToolkit() {
    Fl::set_font(FL_HELVETICA, " Liberation Sans");
    Fl::set_font(FL_HELVETICA_BOLD, "BLiberation Sans");
    Fl::set_font(FL_HELVETICA_ITALIC, "ILiberation Sans");
    Fl::set_font(FL_HELVETICA_BOLD_ITALIC, "PLiberation Sans");
    FL_NORMAL_SIZE = 11;
    Fl::scheme("none");
    Fl::visible_focus(1);
    Fl::event_dispatch(routeToModal);
}

FltkView::FltkView(Program& program) : program_(program) {
    for (Form* form : program.forms()) {
        auto window = std::make_unique<Window>(Window{*form});
        Builder builder(*this, *window);
        form->accept(builder);
        windows_.push_back(std::move(window));
    }
    program.application().setObserver([this] {
        for (auto& window : windows_)
            window->widget->hide();
    });
}

FltkView::~FltkView() {
    program_.application().setObserver({});
    following_.detachAll();
    for (auto& window : windows_)
        delete window->widget;
}

int FltkView::run() {
    if (program_.application().terminated()) return 0;
    return Fl::run();
}

Fl_Widget* FltkView::widgetOf(const Control& control) const {
    const auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

const Fl_Menu_Item* FltkView::menuEntryOf(const MenuItem& item) const {
    const auto it = menuEntries_.find(&item);
    return it == menuEntries_.end() ? nullptr : it->second;
}

std::function<void()>& FltkView::userAction(std::function<void()> action) {
    return actions_.emplace_back(
        [this, action = std::move(action)] { program_.application().perform(action); });
}

void FltkView::onUser(Fl_Widget& widget, std::function<void()> action) {
    widget.callback([](Fl_Widget*, void* data) { (*static_cast<std::function<void()>*>(data))(); },
                    &userAction(std::move(action)));
}

void FltkView::follow(Control& control, Observer sync) {
    following_.follow(control, std::move(sync));
}

}  // namespace torvexa::fltk
