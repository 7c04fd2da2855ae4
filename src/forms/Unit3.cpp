#include "forms/Unit3.h"

namespace torvexa {

TForm3::TForm3(TForm1& form1)
    : Form("Form3", {257, 358, 631, 153}, "",
           {.font = style::kSansSerif, .colour = Colour::MoneyGreen}),
      form1_(form1) {}

}  // namespace torvexa
