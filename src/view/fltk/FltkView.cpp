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
#include <FL/Fl_Input_Choice.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Multiline_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <memory>

#include "view/fltk/Text.h"
#include "view/fltk/Widgets.h"

namespace torvexa::fltk {
namespace {

constexpr int kMenuHeight = 20;

Fl_Color toFl(Colour colour) {
    switch (colour) {
        case Colour::ButtonFace:
            return fl_rgb_color(240, 240, 240);
        case Colour::WindowText:
            return FL_BLACK;
        case Colour::Window:
            return FL_WHITE;
        case Colour::SkyBlue:
            return fl_rgb_color(166, 202, 240);
        case Colour::MoneyGreen:
            return fl_rgb_color(192, 220, 192);
        case Colour::Navy:
            return fl_rgb_color(0, 0, 128);
    }
    return FL_BLACK;
}

Fl_Font toFl(const Font& font) {
    // Both typefaces are drawn with the Arial-metric Liberation Sans.
    if (font.bold && font.italic) return FL_HELVETICA_BOLD_ITALIC;
    if (font.bold) return FL_HELVETICA_BOLD;
    if (font.italic) return FL_HELVETICA_ITALIC;
    return FL_HELVETICA;
}

// The background a control shows: its own colour, else the nearest parent's.
Fl_Color backgroundOf(const Control& control) {
    for (const Control* c = &control; c; c = c->parent()) {
        if (c->look().colour) return toFl(*c->look().colour);
    }
    return toFl(Colour::ButtonFace);
}

void applyLook(Fl_Widget& widget, const Control& control) {
    widget.labelfont(toFl(control.font()));
    widget.labelsize(control.font().height);
    widget.labelcolor(toFl(control.look().textColour));
    widget.color(backgroundOf(control));
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

// A label: its text starts at its left edge (FLTK would inset it by 3 pixels), and an
// underlined font is drawn as a line under the text, which FLTK fonts lack.
class LabelBox : public Fl_Box {
  public:
    LabelBox(int x, int y, int w, int h, bool underline)
        : Fl_Box(x, y, w, h), underline_(underline) {}

  protected:
    void draw() override {
        draw_box();
        draw_label(x(), y(), w(), h(), align());
        if (!underline_ || !label()) return;
        fl_font(labelfont(), labelsize());
        int tw = (align() & FL_ALIGN_WRAP) ? w() : 0;
        int th = 0;
        fl_measure(label(), tw, th, 0);
        const int left = (align() & FL_ALIGN_LEFT) ? x() : x() + (w() - tw) / 2;
        fl_color(labelcolor());
        fl_xyline(left, y() + fl_height() - fl_descent() + 1, left + tw - 1);
    }

  private:
    bool underline_;
};

// A drop-down's items as a static FLTK menu table, so that no text is parsed for "/" or "_".
class MenuEntries {
  public:
    // Takes the items; whether they differ from the ones shown.
    bool update(const std::vector<std::string>& items) {
        if (items == source_ && !entries_.empty()) return false;
        source_ = items;
        labels_.clear();
        for (const std::string& item : items)
            labels_.push_back(itemText(item));
        entries_.assign(labels_.size() + 1, Fl_Menu_Item{});
        for (std::size_t i = 0; i < labels_.size(); ++i)
            entries_[i].label(labels_[i].c_str());
        return true;
    }
    const Fl_Menu_Item* menu() const { return entries_.data(); }

  private:
    std::vector<std::string> source_;
    std::vector<std::string> labels_;
    std::vector<Fl_Menu_Item> entries_;
};

}  // namespace

struct FltkView::Window {
    Form& form;
    Fl_Double_Window* widget;
};

void initialiseToolkit() {
    Fl::set_font(FL_HELVETICA, " Liberation Sans");
    Fl::set_font(FL_HELVETICA_BOLD, "BLiberation Sans");
    Fl::set_font(FL_HELVETICA_ITALIC, "ILiberation Sans");
    Fl::set_font(FL_HELVETICA_BOLD_ITALIC, "PLiberation Sans");
    FL_NORMAL_SIZE = 11;
    Fl::scheme("none");
    Fl::visible_focus(1);
}

FltkView::FltkView(Program& program) : program_(program) {
    windows_.push_back(buildWindow(program.form1(), kMenuHeight));
    windows_.push_back(buildWindow(program.form2(), 0));
    windows_.push_back(buildWindow(program.form3(), 0));
    program.application().setObserver([this] {
        for (auto& window : windows_)
            window->widget->hide();
    });
}

FltkView::~FltkView() {
    for (auto& window : windows_)
        delete window->widget;
}

int FltkView::run() {
    if (program_.application().terminated()) return 0;
    return Fl::run();
}

const char* FltkView::keep(std::string text) {
    texts_.push_back(std::move(text));
    return texts_.back().c_str();
}

void FltkView::onUser(Fl_Widget& widget, std::function<void()> action) {
    actions_.push_back(
        [this, action = std::move(action)] { program_.application().perform(action); });
    widget.callback([](Fl_Widget*, void* data) { (*static_cast<std::function<void()>*>(data))(); },
                    &actions_.back());
}

void FltkView::follow(Control& control, std::function<void()> sync) {
    sync();
    control.setObserver(std::move(sync));
}

std::unique_ptr<FltkView::Window> FltkView::buildWindow(Form& form, int menuHeight) {
    const Rect& r = form.bounds();
    auto* widget = new Fl_Double_Window(r.left, r.top, r.width, r.height + menuHeight);
    widget->color(backgroundOf(form));
    widget->size_range(r.width, r.height + menuHeight, r.width, r.height + menuHeight);
    buildChildren(form, 0, menuHeight);
    for (Control* child : form.children()) {
        if (auto* menu = dynamic_cast<MainMenu*>(child)) buildMenu(*menu, *widget, menuHeight);
    }
    widget->end();

    // Esc must not close a window; a close request from the window manager goes to the form.
    widget->callback(
        [](Fl_Widget*, void* data) {
            if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
            (*static_cast<std::function<void()>*>(data))();
        },
        &actions_.emplace_back(
            [this, &form] { program_.application().perform([&form] { form.closeRequest(); }); }));

    follow(form, [this, &form, widget] {
        widget->copy_label(displayText(form.caption()).c_str());
        if (!form.visible()) {
            widget->hide();
        } else if (!program_.application().terminated()) {
            widget->show();
        }
    });
    auto window = std::make_unique<Window>(Window{form, widget});
    return window;
}

void FltkView::buildChildren(Control& parent, int originX, int originY) {
    for (Control* child : parent.children()) {
        const Rect& r = child->bounds();
        Fl_Widget* widget = buildControl(*child, originX + r.left, originY + r.top);
        if (auto* group = dynamic_cast<Fl_Group*>(widget)) {
            buildChildren(*child, originX + r.left, originY + r.top);
            group->end();
        }
    }
}

Fl_Widget* FltkView::buildControl(Control& control, int x, int y) {
    const Rect& r = control.bounds();
    const int w = r.width;
    const int h = r.height;

    if (dynamic_cast<Panel*>(&control)) {
        auto* group = new Fl_Group(x, y, w, h);
        group->box(FL_FLAT_BOX);
        applyLook(*group, control);
        follow(control, [group, &control] { applyState(*group, control); });
        return group;
    }
    if (dynamic_cast<GroupBox*>(&control)) {
        auto* group = new GroupFrame(x, y, w, h);
        applyLook(*group, control);
        follow(control, [group, &control] {
            group->copy_label(captionText(control.caption()).c_str());
            applyState(*group, control);
            group->redraw();
        });
        return group;
    }
    if (auto* label = dynamic_cast<Label*>(&control)) {
        auto* box = new LabelBox(x, y, w, h, label->font().underline);
        applyLook(*box, control);
        box->box(FL_NO_BOX);
        Fl_Align align = FL_ALIGN_INSIDE | FL_ALIGN_TOP |
                         (label->look().align == Align::Centre ? 0 : FL_ALIGN_LEFT);
        if (label->look().wordWrap) align |= FL_ALIGN_WRAP;
        if (label->look().fixedSize) align |= FL_ALIGN_CLIP;
        box->align(align);
        follow(control, [box, label, w, h] {
            box->copy_label(boxCaptionText(label->caption()).c_str());
            if (!label->look().fixedSize) {  // grows with its caption, as a label does
                fl_font(box->labelfont(), box->labelsize());
                int tw = 0;
                int th = 0;
                fl_measure(box->label(), tw, th, 0);
                box->size(std::max(w, tw), h);
            }
            applyState(*box, *label);
            if (box->parent()) box->parent()->redraw();
        });
        return box;
    }
    if (dynamic_cast<Shape*>(&control)) {
        auto* box = new Fl_Box(x, y, w, h);
        box->box(FL_FLAT_BOX);
        box->color(toFl(*control.look().colour));
        follow(control, [box, &control] { applyState(*box, control); });
        return box;
    }
    if (auto* check = dynamic_cast<CheckBox*>(&control)) {
        auto* button = new Fl_Check_Button(x, y, w, h);
        applyLook(*button, control);
        onUser(*button, [check] { check->click(); });
        follow(control, [button, check] {
            button->copy_label(captionText(check->caption()).c_str());
            button->value(check->checked());
            applyState(*button, *check);
        });
        return button;
    }
    if (auto* radio = dynamic_cast<RadioButton*>(&control)) {
        auto* button = new Fl_Round_Button(x, y, w, h);
        button->type(FL_RADIO_BUTTON);
        applyLook(*button, control);
        onUser(*button, [radio] { radio->click(); });
        follow(control, [button, radio] {
            button->copy_label(captionText(radio->caption()).c_str());
            if (radio->checked())
                button->setonly();
            else
                button->value(0);
            applyState(*button, *radio);
        });
        return button;
    }
    if (auto* model = dynamic_cast<Button*>(&control)) {
        Fl_Button* button = dynamic_cast<SpeedButton*>(&control) ? new FlatButton(x, y, w, h)
                                                                 : new Fl_Button(x, y, w, h);
        applyLook(*button, control);
        if (!dynamic_cast<SpeedButton*>(&control)) button->color(toFl(Colour::ButtonFace));
        onUser(*button, [model] { model->click(); });
        follow(control, [button, model] {
            button->copy_label(captionText(model->caption()).c_str());
            button->labelfont(toFl(model->font()));
            applyState(*button, *model);
            button->redraw();
        });
        return button;
    }
    if (auto* edit = dynamic_cast<Edit*>(&control)) {
        Fl_Input* input = edit->lines() == Edit::Lines::Multi ? new Fl_Multiline_Input(x, y, w, h)
                                                              : new Fl_Input(x, y, w, h);
        if (edit->lines() == Edit::Lines::Multi) {
            input->wrap(1);
            input->box(FL_THIN_UP_BOX);
        } else {
            input->box(FL_DOWN_BOX);
        }
        input->textfont(FL_HELVETICA);
        input->textsize(control.font().height);
        input->color(backgroundOf(control));
        input->when(FL_WHEN_CHANGED);
        onUser(*input, [edit, input] { edit->type(typedText(input->value())); });
        follow(control, [input, edit] {
            const std::string shown = displayText(edit->text());
            if (shown != input->value()) input->value(shown.c_str());
            applyState(*input, *edit);
        });
        return input;
    }
    if (auto* updown = dynamic_cast<UpDown*>(&control)) {
        auto* group = new Fl_Group(x, y, w, h);
        auto* up = new Fl_Button(x, y, w, h / 2, "@-38>");
        auto* down = new Fl_Button(x, y + h / 2, w, h - h / 2, "@-32>");
        for (Fl_Button* arrow : {up, down}) {
            arrow->labelsize(6);
            arrow->visible_focus(0);
            arrow->color(toFl(Colour::ButtonFace));
        }
        group->end();
        onUser(*up, [updown] { updown->up(); });
        onUser(*down, [updown] { updown->down(); });
        follow(control, [group, updown] { applyState(*group, *updown); });
        return nullptr;  // the arrows are built; nothing below them
    }
    if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
        auto entries = std::make_shared<MenuEntries>();
        if (combo->style() == ComboBox::Style::Editable) {
            auto* choice = new Fl_Input_Choice(x, y, w, h);
            choice->input()->textsize(control.font().height);
            choice->menubutton()->textsize(control.font().height);
            choice->input()->when(FL_WHEN_CHANGED);
            // Picking the item already shown is a pick too.
            choice->menubutton()->when(FL_WHEN_RELEASE | FL_WHEN_NOT_CHANGED);
            onUser(*choice->input(),
                   [combo, choice] { combo->type(typedText(choice->input()->value())); });
            onUser(*choice->menubutton(),
                   [combo, choice] { combo->pick(choice->menubutton()->value()); });
            follow(control, [choice, combo, entries] {
                if (entries->update(combo->items())) choice->menubutton()->menu(entries->menu());
                const std::string shown = displayText(combo->text());
                if (shown != choice->input()->value()) choice->input()->value(shown.c_str());
                applyState(*choice, *combo);
            });
            return choice;
        }
        auto* choice = new Fl_Choice(x, y, w, h);
        choice->textsize(control.font().height);
        choice->down_box(FL_BORDER_BOX);
        choice->when(FL_WHEN_RELEASE | FL_WHEN_NOT_CHANGED);
        onUser(*choice, [combo, choice] { combo->pick(choice->value()); });
        follow(control, [choice, combo, entries] {
            if (entries->update(combo->items())) choice->menu(entries->menu());
            choice->value(combo->itemIndex());
            applyState(*choice, *combo);
            choice->redraw();
        });
        return choice;
    }
    if (auto* track = dynamic_cast<TrackBar*>(&control)) {
        auto* slider = new TickSlider(x, y, w, h, track->frequency());
        slider->color(backgroundOf(control));
        slider->bounds(track->min(), track->max());
        slider->step(1);
        slider->when(FL_WHEN_CHANGED | FL_WHEN_RELEASE_ALWAYS);
        onUser(*slider, [track, slider] { track->scroll(static_cast<int>(slider->value())); });
        follow(control, [slider, track] {
            slider->value(track->position());
            applyState(*slider, *track);
        });
        return slider;
    }
    if (auto* list = dynamic_cast<ListBox*>(&control)) {
        auto* browser = new RowBrowser(x, y, w, h, ListBox::kRowHeight);
        browser->box(list->look().frame == Frame::Flat ? FL_BORDER_BOX : FL_DOWN_BOX);
        browser->textfont(FL_HELVETICA);
        browser->textsize(control.font().height);
        browser->color(FL_WHITE);
        browser->when(FL_WHEN_CHANGED);
        onUser(*browser, [list, browser] {
            list->scrollTo(browser->firstShownRow());
            list->select(browser->value() - 1);
        });
        follow(control, [browser, list] {
            // "@." ends FLTK's formatting codes, so the rest of a row shows as it stands.
            const auto shown = [](const std::string& row) { return "@." + displayText(row); };
            const std::vector<std::string>& rows = list->items();
            if (browser->size() != static_cast<int>(rows.size())) {
                browser->clear();
                for (const std::string& row : rows)
                    browser->add(shown(row).c_str());
            } else {
                for (int i = 0; i < browser->size(); ++i) {
                    const std::string text = shown(rows[static_cast<std::size_t>(i)]);
                    if (text != browser->text(i + 1)) browser->text(i + 1, text.c_str());
                }
            }
            browser->showFromRow(list->topIndex());
            browser->value(list->itemIndex() + 1);
            applyState(*browser, *list);
        });
        return browser;
    }
    return nullptr;  // the main menu is built with the window
}

void FltkView::buildMenu(MainMenu& menu, Fl_Window& window, int height) {
    // One static table: the titles with their items, each list closed by an empty entry.
    std::size_t size = 1;
    for (Control* title : menu.children())
        size += title->children().size() + 2;
    menuItems_.assign(size, Fl_Menu_Item{});

    std::size_t at = 0;
    for (Control* titleControl : menu.children()) {
        auto* title = static_cast<MenuItem*>(titleControl);
        Fl_Menu_Item* titleItem = &menuItems_[at++];
        titleItem->flags = FL_SUBMENU;
        follow(*title, [this, titleItem, title, &window] {
            titleItem->label(keep(captionText(title->caption())));
            window.redraw();
        });
        for (Control* itemControl : title->children()) {
            auto* item = static_cast<MenuItem*>(itemControl);
            Fl_Menu_Item* entry = &menuItems_[at++];
            actions_.push_back(
                [this, item] { program_.application().perform([item] { item->click(); }); });
            entry->callback(
                [](Fl_Widget*, void* data) { (*static_cast<std::function<void()>*>(data))(); },
                &actions_.back());
            follow(*item, [this, entry, item] {
                entry->label(keep(captionText(item->caption())));
                if (item->enabled())
                    entry->activate();
                else
                    entry->deactivate();
            });
        }
        ++at;  // the empty entry that closes the submenu
    }

    auto* bar = new Fl_Menu_Bar(0, 0, window.w(), height);
    bar->box(FL_FLAT_BOX);
    bar->color(fl_rgb_color(240, 240, 240));
    bar->textsize(FL_NORMAL_SIZE);
    bar->menu(menuItems_.data());
}

}  // namespace torvexa::fltk
