#include "forms/Unit3.h"

#include "common/Integer.h"
#include "forms/Unit1.h"

namespace torvexa {

TForm3::TForm3(TForm1& form1)
    : Form("Form3", {257, 358, 631, 153}, "",
           {.font = style::kSansSerif, .colour = Colour::MoneyGreen},
           TitleButtons::SystemMenuAndClose),
      form1_(form1) {
    TrackBar1.OnChange = [this] { TrackBar1Change(); };
    TrackBar2.OnChange = [this] { TrackBar2Change(); };
    TrackBar3.OnChange = [this] { TrackBar3Change(); };
}

void TForm3::FormCreate() {
    const Catalogue& catalogue = form1_.catalogue();
    Label1.setCaption(catalogue.entry(81));
    Label2.setCaption(catalogue.entry(82));
    Label3.setCaption(catalogue.entry(83));
    CheckBox1.setCaption(catalogue.entry(84));
}

void TForm3::TrackBar1Change() { componentChanged(TrackBar1, Label4, 78, TrackBar2, TrackBar3); }
void TForm3::TrackBar2Change() { componentChanged(TrackBar2, Label5, 81, TrackBar1, TrackBar3); }
void TForm3::TrackBar3Change() { componentChanged(TrackBar3, Label6, 84, TrackBar1, TrackBar2); }

void TForm3::componentChanged(const TrackBar& slider, Label& percentage, int firstLine,
                              TrackBar& partner1, TrackBar& partner2) {
    ConfigDocument& document = form1_.document();
    percentage.setCaption(integerText(slider.position()) + "%");
    document.putValue(firstLine, integerText(slider.position()));
    document.putValue(firstLine + 1, integerText(slider.position() + 100));
    document.putValue(firstLine + 2, integerText(slider.position() + 100));
    // A partner already at this position raises no change, so the coupling ends by itself.
    if (CheckBox1.checked()) {
        partner1.setPosition(slider.position());
        partner2.setPosition(slider.position());
    }
}

}  // namespace torvexa
