#include "forms/Unit2.h"

namespace torvexa {

TForm2::TForm2(TForm1& form1)
    : Form("Form2", {202, 510, 461, 138}, "f1graphics.cfg optimieren",
           {.font = style::kSansSerif, .colour = Colour::SkyBlue}),
      form1_(form1) {}

}  // namespace torvexa
