#pragma once

#include "forms/Settings.h"
#include "forms/Styles.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace torvexa {

class TForm1;

// The visor tint dialog: red, green and blue of the helmet-visor tint, 0 to 100 each.
class TForm3 : public Form {
  public:
    explicit TForm3(TForm1& form1);

    Label Label1{this, "Label1", {16, 32, 20, 13}, "Rot:"};
    TrackBar TrackBar1{this, "TrackBar1", {64, 24, 521, 33}, 0, 100, 1, 0};
    Label Label4{this, "Label4", {592, 24, 33, 13}, "#", {.fixedSize = true}};
    Label Label2{this, "Label2", {16, 64, 26, 13}, "Gr\xFCn:"};
    TrackBar TrackBar2{this, "TrackBar2", {64, 56, 521, 33}, 0, 100, 1, 0};
    Label Label5{this, "Label5", {590, 56, 33, 13}, "#", {.fixedSize = true}};
    Label Label3{this, "Label3", {16, 96, 24, 13}, "Blau:"};
    TrackBar TrackBar3{this, "TrackBar3", {64, 88, 521, 33}, 0, 100, 1, 0};
    Label Label6{this, "Label6", {590, 88, 33, 13}, "#", {.fixedSize = true}};
    CheckBox CheckBox1{this, "CheckBox1", {72, 128, 105, 17}, "Regler fixieren"};

    // Takes the captions from the main window's catalogue.
    void FormCreate() override;
    // Esc closes the dialog as its close button does: it hides.
    // The sliders apply as they move: Enter and Esc close it, as its close button does.
    void escapeRequest() override { closeRequest(); }
    void enterRequest() override { closeRequest(); }
    void TrackBar1Change();
    void TrackBar2Change();
    void TrackBar3Change();

    // Sets the three sliders from the document, red first.
    void showTint();

    // The colour each slider edits.
    const SettingTable& settings() const noexcept { return settings_; }

  private:
    // One colour component: its slider writes its position at its first line and the
    // position plus 100 at the other two; with the lock on it moves the other two sliders.
    void componentChanged(const TrackBar& slider, Label& percentage, TrackBar& partner1,
                          TrackBar& partner2);

    std::vector<Setting> settingTable();

    TForm1& form1_;
    SettingTable settings_;
};

}  // namespace torvexa
