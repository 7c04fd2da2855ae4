#include "forms/Unit3.h"

#include "forms/Unit1.h"

namespace torvexa {

TForm3::TForm3(TForm1& form1)
    : Form("Form3", {257, 358, 631, 153}, "",
           {.font = style::kSansSerif, .colour = Colour::MoneyGreen}),
      form1_(form1) {}

void TForm3::FormCreate() {
    const Catalogue& catalogue = form1_.catalogue();
    Label1.setCaption(catalogue.entry(81));
    Label2.setCaption(catalogue.entry(82));
    Label3.setCaption(catalogue.entry(83));
    CheckBox1.setCaption(catalogue.entry(84));
}

}  // namespace torvexa
