#pragma once

#include <array>

#include "forms/Lines.h"
#include "forms/Styles.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace torvexa {

class Dialogs;
class TForm1;

// The optimisation preset dialog: four presets for nine lines of the configuration.
class TForm2 : public Form {
  public:
    TForm2(TForm1& form1, Dialogs& dialogs);

    GroupBox GroupBox1{this, "GroupBox1", {8, 8, 441, 89}, "#"};
    RadioButton RadioButton1{&GroupBox1, "RadioButton1", {8, 16, 425, 17}, ""};
    RadioButton RadioButton2{&GroupBox1, "RadioButton2", {8, 32, 425, 17}, ""};
    RadioButton RadioButton3{&GroupBox1, "RadioButton3", {8, 48, 425, 17}, ""};
    RadioButton RadioButton4{&GroupBox1, "RadioButton4", {8, 64, 425, 17}, ""};
    SpeedButton SpeedButton2{this, "SpeedButton2", {8, 104, 217, 25}, "Abbrechen"};
    SpeedButton SpeedButton1{
        this, "SpeedButton1", {232, 104, 217, 25}, "f1graphics.cfg optimieren "};

    // The nine lines a preset writes, in the order they are written (the reflections before
    // the mirrors).
    static constexpr std::array<int, 9> kPresetLines = {
        lines::ScreenWidth, lines::ScreenHeight,     lines::Colour32Bit,
        lines::Switch25,    lines::Switch26,         lines::PresetOnly29,
        lines::Switch34,    lines::ReflectionSource, lines::Mirrors};

    // Takes the captions from the main window's catalogue.
    void FormCreate() override;
    void SpeedButton1Click();
    void SpeedButton2Click();
    // Esc is "Abbrechen".
    void escapeRequest() override { SpeedButton2.click(); }
    void enterRequest() override { SpeedButton1.click(); }

  private:
    TForm1& form1_;
    Dialogs& dialogs_;
};

}  // namespace torvexa
