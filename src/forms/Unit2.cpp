#include "forms/Unit2.h"

#include "forms/Unit1.h"

namespace torvexa {

TForm2::TForm2(TForm1& form1)
    : Form("Form2", {202, 510, 461, 138}, "f1graphics.cfg optimieren",
           {.font = style::kSansSerif, .colour = Colour::SkyBlue}),
      form1_(form1) {}

void TForm2::FormCreate() {
    const Catalogue& catalogue = form1_.catalogue();
    RadioButton1.setCaption(catalogue.entry(63));
    RadioButton2.setCaption(catalogue.entry(64));
    RadioButton3.setCaption(catalogue.entry(65));
    RadioButton4.setCaption(catalogue.entry(66));
    SpeedButton2.setCaption(catalogue.entry(67));
    SpeedButton1.setCaption(catalogue.entry(68));
    setCaption(catalogue.entry(62));
    GroupBox1.setCaption(catalogue.entry(69));
}

}  // namespace torvexa
