// The main window's page buttons and menu commands that show a page or a dialog.
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "ui/Application.h"

namespace torvexa {

void TForm1::showPage(const Panel& shown) {
    for (const Page& page : pages())
        page.panel->setVisible(false);
    for (const Page& page : pages()) {
        if (page.panel == &shown) page.panel->setVisible(true);
        if (page.button) page.button->setFont(page.panel == &shown ? page.lookOnView : page.look);
    }
}

void TForm1::SpeedButton4Click() { showPage(Panel1); }
void TForm1::SpeedButton5Click() { showPage(Panel4); }
void TForm1::SpeedButton6Click() { showPage(Panel5); }
void TForm1::SpeedButton9Click() { showPage(Panel2); }
void TForm1::Info1Click() { showPage(Panel6); }

const Panel* TForm1::pageOnView() const {
    // In creation order: a later page lies above an earlier one.
    const Panel* onView = nullptr;
    for (const Control* child : children()) {
        const auto* page = dynamic_cast<const Panel*>(child);
        if (page && page != &Panel3 && page->visible()) onView = page;
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
