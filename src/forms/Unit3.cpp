#include "forms/Unit3.h"

#include "common/Integer.h"
#include "forms/Lines.h"
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
    // Each slider is named for screen readers by the colour's label before it.
    TrackBar1.setNamedBy(Label1);  // "Rot:"
    TrackBar2.setNamedBy(Label2);  // "Grün:"
    TrackBar3.setNamedBy(Label3);  // "Blau:"
}

void TForm3::FormCreate() {
    // The entry of each caption, in the order they are put.
    const std::pair<int, Control*> captions[] = {
        {81, &Label1}, {82, &Label2}, {83, &Label3}, {84, &CheckBox1}};
    for (const auto& [entry, control] : captions)
        control->setCaption(form1_.catalogue().entry(entry));
}

void TForm3::TrackBar1Change() {
    componentChanged(TrackBar1, Label4, lines::VisorRed, TrackBar2, TrackBar3);
}
void TForm3::TrackBar2Change() {
    componentChanged(TrackBar2, Label5, lines::VisorGreen, TrackBar1, TrackBar3);
}
void TForm3::TrackBar3Change() {
    componentChanged(TrackBar3, Label6, lines::VisorBlue, TrackBar1, TrackBar2);
}

void TForm3::showTint() {
    const ConfigDocument& document = form1_.document();
    TrackBar1.setPosition(toInteger(document.value(lines::VisorRed)));
    TrackBar2.setPosition(toInteger(document.value(lines::VisorGreen)));
    TrackBar3.setPosition(toInteger(document.value(lines::VisorBlue)));
}

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
