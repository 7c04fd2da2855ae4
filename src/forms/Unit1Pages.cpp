// The main window's page buttons and menu commands that show a page or a dialog.
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "ui/Application.h"

namespace torvexa {

void TForm1::showPage(Panel& page, SpeedButton* button, const Font& currentStyle) {
    for (const Page& other : pages())
        other.panel->setVisible(false);
    page.setVisible(true);
    SpeedButton4.setFont(style::kArialBold);
    SpeedButton5.setFont(style::kArialBold);
    SpeedButton6.setFont(style::kArialBold);
    SpeedButton9.setFont(style::kArial);
    if (button) button->setFont(currentStyle);
}

void TForm1::SpeedButton4Click() { showPage(Panel1, &SpeedButton4, style::kArialBoldItalic); }
void TForm1::SpeedButton5Click() { showPage(Panel4, &SpeedButton5, style::kArialBoldItalic); }
void TForm1::SpeedButton6Click() { showPage(Panel5, &SpeedButton6, style::kArialBoldItalic); }
void TForm1::SpeedButton9Click() { showPage(Panel2, &SpeedButton9, style::kArialItalic); }
void TForm1::Info1Click() { showPage(Panel6, nullptr, style::kArial); }

const Panel* TForm1::pageOnView() const {
    const Panel* onView = nullptr;
    for (const Panel* page : {&Panel4, &Panel2, &Panel5, &Panel1, &Panel6}) {
        if (page->visible()) onView = page;
    }
    return onView;
}

void TForm1::Beenden1Click() { application_.terminate(); }

void TForm1::f1graphicscfgoptimieren1Click() {
    if (Form2_) Form2_->showInFront();
}

void TForm1::SpeedButton12Click() {
    if (Form3_) Form3_->showInFront();
}

}  // namespace torvexa
