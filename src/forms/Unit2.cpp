#include "forms/Unit2.h"

#include "forms/Entries.h"
#include "forms/Unit1.h"
#include "ui/Dialogs.h"

namespace torvexa {
namespace {

// Each preset's values for TForm2::kPresetLines.
constexpr const char* kPresets[4][TForm2::kPresetLines.size()] = {
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
    // The entry of each caption, in the order they are put.
    using namespace entries;
    const std::pair<int, Control*> captions[] = {
        {Preset1, &RadioButton1}, {Preset2, &RadioButton2},      {Preset3, &RadioButton3},
        {Preset4, &RadioButton4}, {PresetCancel, &SpeedButton2}, {PresetApply, &SpeedButton1},
        {OptimiseMenu, this},     {PresetGroup, &GroupBox1}};
    for (const auto& [entry, control] : captions)
        control->setCaption(form1_.catalogue().entry(entry));
}

void TForm2::SpeedButton1Click() {
    const RadioButton* const choices[] = {&RadioButton1, &RadioButton2, &RadioButton3,
                                          &RadioButton4};
    int preset = 0;
    while (preset < 4 && !choices[preset]->checked())
        ++preset;
    if (preset == 4) {
        dialogs_.errorBox(form1_.catalogue().entry(entries::NoPresetChosen));
        return;
    }
    // A preset that cannot be written or saved leaves nothing of itself behind, so no later
    // "Sichern" writes values the person never saw.
    ConfigDocument& document = form1_.document();
    const ConfigDocument::Puts before = document.puts();
    try {
        for (std::size_t i = 0; i < kPresetLines.size(); ++i)
            document.putValue(kPresetLines[i], kPresets[preset][i]);
        if (!form1_.save()) {
            document.undoPutsSince(before);
            return;
        }
    } catch (...) {
        document.undoPutsSince(before);
        throw;
    }
    form1_.load();
    dialogs_.informationBox(form1_.catalogue().entry(entries::PresetSaved));
    setVisible(false);
}

void TForm2::SpeedButton2Click() { setVisible(false); }

}  // namespace torvexa
