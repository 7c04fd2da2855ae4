// What each setting control of the main window stands for in f1graphics.cfg: one row each, in
// the order a load shows them. A new plain setting is its line in Lines.h, its control in
// Unit1.h, one row here and its caption in every language file.
#include <cstdint>
#include <limits>

#include "forms/Entries.h"
#include "forms/Lines.h"
#include "forms/Unit1.h"
#include "forms/Unit3.h"

namespace torvexa {
namespace {

// The nine lines of the visor tint: three for each colour.
std::vector<int> tintLines() {
    std::vector<int> tint;
    for (int first : {lines::VisorRed, lines::VisorGreen, lines::VisorBlue}) {
        for (int line = first; line < first + 3; ++line)
            tint.push_back(line);
    }
    return tint;
}

}  // namespace

// Row order is the load's order: showing a row can run handlers whose effects a later row
// relies on (the visor box enables the tint box before the tint box is shown).
std::vector<Setting> TForm1::settingTable() {
    using namespace setting;
    return {
        {&aufloesung,
         Own{{lines::ScreenWidth, lines::ScreenHeight}},
         {18, &Label1},
         [this] { showResolution(); }},
        {&CheckBox3, Flag{{lines::AllSettingsFromFile}}, {10}},
        {&CheckBox1, Flag{{lines::Colour32Bit}}, {11}},
        {&CheckBox2, Flag{{lines::FullScreen}}, {12}},
        {&CheckBox18, Flag{{lines::Switch26}}, {72}},
        {&ComboBox1, ItemValues{lines::TextureReduction, {"0", "2", "4", "8"}}, {19, &Label4}},
        {&ComboBox2,
         Text{lines::LowerQualityDistance, std::numeric_limits<std::int32_t>::max()},
         {20, &Label5}},
        {&ComboBox3,
         Own{{lines::ReflectionSource}},
         {15,
          &Label6,
          {entries::ReflectionsByProcessor, entries::ReflectionsByGraphicsCard,
           entries::ReflectionsByBoth}},
         [this] { showReflectionSource(); }},
        // The T-cam box before the mirrors box, which decides whether it can be used.
        {&CheckBox5, Flag{{lines::MirrorsTCam}}, {22}, [this] { showMirrorsTCam(); }},
        {&CheckBox4, Flag{{lines::Mirrors}}, {21}, [this] { showMirrors(); }},
        {&CheckBox6, Flag{{lines::HelmetVisor}}, {23}, [this] { showHelmetVisor(); }},
        {&CheckBox7, Flag{{lines::VisorTint, lines::VisorTintToo}}, {24}},
        {&CheckBox8, Flag{{lines::HardwareTnL}}, {13}},
        {&TrackBar1, Position{lines::MirrorView}, {40, &Label14}},
        // The tint's colours, edited in the tint dialog that this button opens.
        {&SpeedButton12,
         Own{tintLines()},
         {},
         [this] {
             if (Form3_) Form3_->showTint();
         }},
        {&TrackBar3, Position{lines::Softening}, {85, &Label38}},
        {&ComboBox4, ItemPosition{lines::TrackMap}, {28, &Label19, {29, 30, 31}}},
        {&ComboBox5, ItemPosition{lines::SteeringWheel}, {32, &Label20, {33, 34}}},
        {&ComboBox6, ItemPosition{lines::Raindrops}, {35, &Label21, {36, 37, 38, 39}}},
        {&CheckBox9, Flag{{lines::CarsMirroredInRain}}, {25}},
        {&CheckBox10, Flag{{lines::Sky}}, {26}},
        {&CheckBox11, Flag{{lines::WaterReflections}}, {27}},
        {&CheckBox12, Flag{{lines::DoubleFiltering, lines::DoubleFilteringToo}, "2", "0"}, {14}},
        {&CheckBox13, Flag{{lines::Switch102, lines::Switch102Too}}, {48}},
        {&CheckBox14, Flag{{lines::Switch59}}, {49}},
        {&CheckBox15, Flag{{lines::Switch25}, "0", "1"}, {50}},
        {&CheckBox16, Flag{{lines::Switch34}}, {51}},
        {&CheckBox17, Flag{{lines::Switch37}}, {52}},
        {&CheckBox19, Flag{{lines::Switch33}}, {73}},
        // The box switches the line on or off, the number beside it is its value.
        {&CheckBox20, Own{{lines::Number27}}, {74}, [this] { showNumber27(); }, {&Edit3, &UpDown1}},
        {&TrackBar2, Position{lines::Percent49}, {57, &Label35}},
    };
}

}  // namespace torvexa
