#include "view/fltk/Builder.h"

// The program's headers first: X11, which FLTK brings in, defines macros named like controls.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Multiline_Input.H>
#include <FL/fl_draw.H>

#include "ui/ListRules.h"
#include "ui/Palette.h"
#include "ui/RadioGroups.h"
#include "ui/TextRules.h"
#include "ui/WindowRules.h"
#include "view/fltk/FieldInput.h"
#include "view/fltk/FlatButton.h"
#include "view/fltk/GroupFrame.h"
#include "view/fltk/LabelBox.h"
#include "view/fltk/RadioDot.h"
#include "view/fltk/RowBrowser.h"
#include "view/fltk/Text.h"
#include "view/fltk/TickSlider.h"
#include "view/fltk/Toolkit.h"
#include "view/fltk/UpDownArrows.h"
#include "view/fltk/WindowHints.h"

namespace torvexa::fltk {

void buildWindow(ViewParts& parts, WindowParts& window) {
    Builder builder(parts, window);
    window.form.accept(builder);
}

Rect Builder::placed(const Control& c) const {
    const Rect& b = c.bounds();
    Rect r = scaledRect({originX_ + b.left, originY_ + b.top, b.width, b.height}, view_.scale);
    r.top += menuHeight_;
    return r;
}

void Builder::children(Control& parent, Fl_Group& group) {
    const int savedX = originX_;
    const int savedY = originY_;
    originX_ += parent.bounds().left;
    originY_ += parent.bounds().top;
    for (Control* child : parent.tabOrder())  // the keyboard visits them in this order
        child->accept(*this);
    originX_ = savedX;
    originY_ = savedY;
    group.end();
}

void Builder::visit(Form& form) {
    const Rect& r = form.bounds();
    menuHeight_ = form.mainMenu() ? px(kMenuHeight) : 0;
    Rect onScreen = scaledRect(r, view_.scale);
    onScreen.height += menuHeight_;
    onScreen = placedOnScreen(onScreen, view_.scale);
    auto* widget = new FormWindow(onScreen.left, onScreen.top, onScreen.width, onScreen.height);
    window_.widget = widget;
    record(form, widget);
    widget->color(toFl(backgroundOf(form)));
    widget->size_range(onScreen.width, onScreen.height, onScreen.width, onScreen.height);
    // The pages lie below the menu bar; the form's own bounds are its place on the screen.
    originX_ = -r.left;
    originY_ = -r.top;
    children(form, *widget);

    // FLTK asks a window to close on Esc too.
    onUser(*widget, [&form] {
        const bool escape = Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape;
        requestClose(form, escape ? CloseRequest::EscapeKey : CloseRequest::TitleBar);
    });

    Application& application = view_.program.application();
    widget->whenEnter([&form, &application] {
        application.perform([&form] { requestClose(form, CloseRequest::EnterKey); });
    });
    follow(form, [widget, &form, &application](const Change&) {
        widget->copy_label(displayText(form.caption()).c_str());
        if (!shownOnScreen(form, application)) {
            widget->hide();
        } else {
            widget->show();
            setTitleBarButtons(*widget, form.titleButtons() == Form::TitleButtons::NoButtons
                                            ? TitleBar::NoButtons
                                            : TitleBar::SystemMenuAndClose);
        }
    });
}

void Builder::visit(Panel& panel) {
    auto* group = new Fl_Group(x(panel), y(panel), w(panel), h(panel));
    record(panel, group);
    group->box(FL_FLAT_BOX);
    applyLook(*group, panel, view_.scale);
    children(panel, *group);
    follow(panel, [group, &panel](const Change&) { applyState(*group, panel); });
}

void Builder::visit(GroupBox& frame) {
    auto* group = new GroupFrame(x(frame), y(frame), w(frame), h(frame), view_.scale);
    record(frame, group);
    applyLook(*group, frame, view_.scale);
    children(frame, *group);
    follow(frame, [group, &frame](const Change&) {
        group->copy_label(boxCaptionText(frame.caption()).c_str());
        applyState(*group, frame);
        group->redraw();
    });
}

void Builder::visit(Label& label) {
    auto* box =
        new LabelBox(x(label), y(label), w(label), h(label), label.font().underline, view_.scale);
    record(label, box);
    applyLook(*box, label, view_.scale);
    Fl_Align align =
        FL_ALIGN_INSIDE | FL_ALIGN_TOP | (label.look().align == Align::Centre ? 0 : FL_ALIGN_LEFT);
    if (label.look().wordWrap) align |= FL_ALIGN_WRAP;
    if (label.look().fixedSize) align |= FL_ALIGN_CLIP;
    box->align(align);
    follow(label, [box, &label, placedWidth = w(label)](const Change&) {
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
        box->size(shownWidth(label, textWidth, placedWidth), box->h());
        applyState(*box, label);
        if (box->parent()) box->parent()->redraw();
    });
}

void Builder::visit(Shape& shape) {
    auto* box = new Fl_Box(x(shape), y(shape), w(shape), h(shape));
    record(shape, box);
    box->box(FL_FLAT_BOX);
    box->color(toFl(*shape.look().colour));
    follow(shape, [box, &shape](const Change&) { applyState(*box, shape); });
}

template <typename Model>
void Builder::markedButton(Model& model, Fl_Button* widget) {
    record(model, widget);
    applyLook(*widget, model, view_.scale);
    onUser(*widget, [&model] { model.click(); });
    follow(model, [widget, &model](const Change&) {
        widget->copy_label(captionText(model.caption()).c_str());
        widget->value(model.checked());
        applyState(*widget, model);
        widget->redraw();
    });
}

void Builder::visit(CheckBox& box) {
    markedButton(box, new Fl_Check_Button(x(box), y(box), w(box), h(box)));
}

void Builder::visit(RadioButton& radio) {
    markedButton(radio, new RadioDot(x(radio), y(radio), w(radio), h(radio), view_.scale));
    // Tab stops once at the group, at its tab stop; the arrow keys choose along the group, as
    // the model groups them, and take the focus along.
    auto* dot = static_cast<RadioDot*>(view_.widgets[&radio]);
    follow(radio, [dot, &radio](const Change&) {
        if (isRadioTabStop(radio))
            dot->set_visible_focus();
        else
            dot->clear_visible_focus();
    });
    dot->whenArrow([view = &view_, &radio](int step) {
        RadioButton* next = radioNeighbour(radio, step);
        if (!next) return;
        view->program.application().perform([next] { next->click(); });
        view->widgets[next]->take_focus();  // the chosen one is the group's tab stop now
    });
}

void Builder::button(Button& model, Fl_Button& widget) {
    record(model, &widget);
    applyLook(widget, model, view_.scale);
    onUser(widget, [&model] { model.click(); });
    follow(model, [&widget, &model](const Change&) {
        widget.copy_label(captionText(model.caption()).c_str());
        widget.labelfont(toFl(model.font()));
        applyState(widget, model);
        widget.redraw();
    });
}

void Builder::visit(Button& model) {
    auto* widget = new Fl_Button(x(model), y(model), w(model), h(model));
    button(model, *widget);
    widget->color(toFl(Colour::ButtonFace));
}

void Builder::visit(SpeedButton& model) {
    button(model, *new FlatButton(x(model), y(model), w(model), h(model)));
}

void Builder::visit(Edit& edit) {
    const bool multi = edit.lines() == Edit::Lines::Multi;
    Fl_Input* input = nullptr;
    if (multi) {
        input = new Fl_Multiline_Input(x(edit), y(edit), w(edit), h(edit));
    } else {
        auto* field = new FieldInput(x(edit), y(edit), w(edit), h(edit));
        Application& application = view_.program.application();
        field->whenKey([&edit, &application](Edit::Key key) {
            bool took = false;
            application.perform([&] { took = edit.press(key); });
            return took;
        });
        field->whenEntered([&edit, &application] { application.perform([&] { edit.enter(); }); });
        field->whenLeft([&edit, &application] { application.perform([&] { edit.leave(); }); });
        input = field;
    }
    record(edit, input);
    if (multi) input->wrap(1);
    // A number field beside its up-down is narrow: a thin frame leaves its largest number room
    // (FLTK scrolls a text that does not leave 4 pixels after it).
    input->box(multi ? FL_THIN_UP_BOX : edit.upDown() ? FL_THIN_DOWN_BOX : FL_DOWN_BOX);
    input->textfont(FL_HELVETICA);
    input->textsize(scaledFont(edit.font().height, view_.scale));
    input->color(toFl(backgroundOf(edit)));
    input->when(FL_WHEN_CHANGED);
    onUser(*input, [&edit, input] { edit.type(typedText(input->value())); });
    follow(edit, [input, &edit](const Change&) {
        showText(
            displayText(edit.text()), [input] { return std::string(input->value()); },
            [input](const std::string& text) { input->value(text.c_str()); });
        applyState(*input, edit);
    });
}

void Builder::visit(UpDown& updown) {
    auto* arrows = new UpDownArrows(x(updown), y(updown), w(updown), h(updown), view_.scale);
    record(updown, arrows);
    onUser(arrows->up(), [&updown] { updown.up(); });
    onUser(arrows->down(), [&updown] { updown.down(); });
    follow(updown, [arrows, &updown](const Change&) { applyState(*arrows, updown); });
}

void Builder::visit(TrackBar& track) {
    auto* slider =
        new TickSlider(x(track), y(track), w(track), h(track), track.frequency(), view_.scale);
    record(track, slider);
    slider->color(toFl(backgroundOf(track)));
    slider->bounds(track.min(), track.max());
    slider->step(1);
    slider->when(FL_WHEN_CHANGED | FL_WHEN_RELEASE_ALWAYS);
    onUser(*slider, [&track, slider] { track.scroll(static_cast<int>(slider->value())); });
    follow(track, [slider, &track](const Change&) {
        slider->value(track.position());
        applyState(*slider, track);
    });
}

void Builder::visit(ListBox& list) {
    auto* browser = new RowBrowser(x(list), y(list), w(list), h(list), px(ListBox::kRowHeight));
    record(list, browser);
    browser->wholeRows(list.visibleRows());  // the three lists side by side end alike
    if (!list.scrollBar()) browser->has_scrollbar(0);
    browser->box(list.look().frame == Frame::Flat ? FL_BORDER_BOX : FL_DOWN_BOX);
    browser->textfont(FL_HELVETICA);
    browser->textsize(scaledFont(list.font().height, view_.scale));
    browser->color(toFl(textBackgroundOf(list)));
    browser->when(FL_WHEN_CHANGED);
    onUser(*browser, [&list, browser] {
        // Both read first: the scroll's notice brings the widget back to the model's selection.
        const int top = browser->firstShownRow();
        const int row = browser->value() - 1;
        choose(list, top, row);
    });
    browser->whenScrolled(UserActions::run, view_.actions.add([&list, browser] {
        list.scrollTo(browser->firstShownRow());
    }));
    follow(list, [browser, &list](const Change& change) {
        showList(list, change, *browser);
        applyState(*browser, list);
    });
}

}  // namespace torvexa::fltk
