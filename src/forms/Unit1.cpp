#include "forms/Unit1.h"

#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "ui/Application.h"

namespace torvexa {

TForm1::TForm1(Application& application, System& system, Dialogs& dialogs)
    : Form("Form1", {286, 171, 587, 259}, "ZEL Torvexa",
           {.font = style::kArial, .colour = Colour::ButtonFace}),
      application_(application),
      system_(system),
      dialogs_(dialogs) {
    // The window opens on the Info page; the other pages wait for a page command.
    for (Panel* page : {&Panel4, &Panel2, &Panel5, &Panel1})
        page->setVisible(false);
    for (SpeedButton* button : {&SpeedButton4, &SpeedButton5, &SpeedButton6, &SpeedButton9}) {
        button->setVisible(false);
    }
    Edit3.setEnabled(false);
    UpDown1.setEnabled(false);
    SpeedButton12.setEnabled(false);

    SpeedButton4.OnClick = [this] { SpeedButton4Click(); };
    SpeedButton5.OnClick = [this] { SpeedButton5Click(); };
    SpeedButton6.OnClick = [this] { SpeedButton6Click(); };
    SpeedButton9.OnClick = [this] { SpeedButton9Click(); };
    SpeedButton12.OnClick = [this] { SpeedButton12Click(); };
    Beenden1.OnClick = [this] { Beenden1Click(); };
    f1graphicscfgoptimieren1.OnClick = [this] { f1graphicscfgoptimieren1Click(); };
    Info1.OnClick = [this] { Info1Click(); };
}

void TForm1::attachDialogs(TForm2& form2, TForm3& form3) {
    Form2_ = &form2;
    Form3_ = &form3;
}

void TForm1::FormCreate() {
    game_.lookUp(system_);
}

void TForm1::showPage(Panel& page, SpeedButton* button, const Font& currentStyle) {
    for (Panel* panel : {&Panel1, &Panel2, &Panel4, &Panel5, &Panel6})
        panel->setVisible(false);
    page.setVisible(true);
    SpeedButton4.setFont(style::kArialBold);
    SpeedButton5.setFont(style::kArialBold);
    SpeedButton6.setFont(style::kArialBold);
    SpeedButton9.setFont(style::kArial);
    if (button) button->setFont(currentStyle);
}

void TForm1::SpeedButton4Click() {
    showPage(Panel1, &SpeedButton4, style::kArialBoldItalic);
}
void TForm1::SpeedButton5Click() {
    showPage(Panel4, &SpeedButton5, style::kArialBoldItalic);
}
void TForm1::SpeedButton6Click() {
    showPage(Panel5, &SpeedButton6, style::kArialBoldItalic);
}
void TForm1::SpeedButton9Click() {
    showPage(Panel2, &SpeedButton9, style::kArialItalic);
}
void TForm1::Info1Click() {
    showPage(Panel6, nullptr, style::kArial);
}

void TForm1::Beenden1Click() {
    application_.terminate();
}

void TForm1::f1graphicscfgoptimieren1Click() {
    if (Form2_) Form2_->showInFront();
}

void TForm1::SpeedButton12Click() {
    if (Form3_) Form3_->showInFront();
}

const Panel* TForm1::pageOnView() const {
    const Panel* onView = nullptr;
    for (const Panel* page : {&Panel4, &Panel2, &Panel5, &Panel1, &Panel6}) {
        if (page->visible()) onView = page;
    }
    return onView;
}

}  // namespace torvexa
