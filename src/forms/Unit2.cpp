#include "forms/Unit2.h"

#include "forms/Unit1.h"
#include "platform/Dialogs.h"

namespace torvexa {
namespace {

// The nine lines of a preset, in the order they are written (53 before 43).
constexpr int kPresetLines[9] = {1, 2, 3, 25, 26, 29, 34, 53, 43};
constexpr const char* kPresets[4][9] = {
    {"800", "600", "0", "0", "0", "0", "0", "4", "1"},
    {"800", "600", "0", "1", "1", "0", "0", "3", "0"},
    {"800", "600", "0", "1", "0", "0", "0", "0", "0"},
    {"1024", "768", "1", "0", "0", "1", "1", "3", "1"},
};

}  // namespace

TForm2::TForm2(TForm1& form1, Dialogs& dialogs)
    : Form("Form2", {202, 510, 461, 138}, "f1graphics.cfg optimieren",
           {.font = style::kSansSerif, .colour = Colour::SkyBlue}),
      form1_(form1),
      dialogs_(dialogs) {
    SpeedButton1.OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2.OnClick = [this] { SpeedButton2Click(); };
}

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

void TForm2::SpeedButton1Click() {
    const RadioButton* const choices[] = {&RadioButton1, &RadioButton2, &RadioButton3,
                                          &RadioButton4};
    int preset = 0;
    while (preset < 4 && !choices[preset]->checked())
        ++preset;
    if (preset == 4) {
        dialogs_.errorBox(form1_.catalogue().entry(70));
        return;
    }
    for (int i = 0; i < 9; ++i)
        form1_.document().putValue(kPresetLines[i], kPresets[preset][i]);
    if (!form1_.save()) return;
    form1_.Laden1Click();
    dialogs_.informationBox(form1_.catalogue().entry(61));
    setVisible(false);
}

void TForm2::SpeedButton2Click() { setVisible(false); }

}  // namespace torvexa
