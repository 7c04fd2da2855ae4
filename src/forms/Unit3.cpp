#include "forms/Unit3.h"

#include "common/Integer.h"
#include "forms/Entries.h"
#include "forms/Lines.h"
#include "forms/Unit1.h"

namespace torvexa {

TForm3::TForm3(TForm1& form1)
    : Form("Form3", {257, 358, 631, 153}, "",
           {.font = style::kSansSerif, .colour = Colour::MoneyGreen},
           TitleButtons::SystemMenuAndClose),
      form1_(form1),
      settings_(form1.document(), settingTable()) {
    TrackBar1.OnChange = [this] { TrackBar1Change(); };
    TrackBar2.OnChange = [this] { TrackBar2Change(); };
    TrackBar3.OnChange = [this] { TrackBar3Change(); };
    settings_.nameFieldsForReaders();  // each slider by the colour's label before it
}

std::vector<Setting> TForm3::settingTable() {
    // Each colour's lines: its share, then the share plus 100 twice.
    const auto colour = [this](TrackBar& slider, int firstLine, Label& label, int entry) {
        return Setting{&slider,
                       setting::Own{{firstLine, firstLine + 1, firstLine + 2}},
                       {entry, &label},
                       [this, &slider, firstLine] {
                           slider.setPosition(toInteger(form1_.document().value(firstLine)));
                       }};
    };
    return {colour(TrackBar1, lines::VisorRed, Label1, entries::TintRed),
            colour(TrackBar2, lines::VisorGreen, Label2, entries::TintGreen),
            colour(TrackBar3, lines::VisorBlue, Label3, entries::TintBlue)};
}

void TForm3::FormCreate() {
    putCaptions(form1_.catalogue(), settings_.captionPass({{entries::LinkSliders, &CheckBox1}}));
}

void TForm3::TrackBar1Change() { componentChanged(TrackBar1, Label4, TrackBar2, TrackBar3); }
void TForm3::TrackBar2Change() { componentChanged(TrackBar2, Label5, TrackBar1, TrackBar3); }
void TForm3::TrackBar3Change() { componentChanged(TrackBar3, Label6, TrackBar1, TrackBar2); }

void TForm3::showTint() { settings_.showFile(); }

void TForm3::componentChanged(const TrackBar& slider, Label& percentage, TrackBar& partner1,
                              TrackBar& partner2) {
    ConfigDocument& document = form1_.document();
    percentage.setCaption(integerText(slider.position()) + "%");
    const std::vector<int> lines = linesOf(settings_.find(slider)->mapping);
    document.putValue(lines[0], integerText(slider.position()));
    document.putValue(lines[1], integerText(slider.position() + 100));
    document.putValue(lines[2], integerText(slider.position() + 100));
    // A partner already at this position raises no change, so the coupling ends by itself.
    if (CheckBox1.checked()) {
        partner1.setPosition(slider.position());
        partner2.setPosition(slider.position());
    }
}

}  // namespace torvexa
