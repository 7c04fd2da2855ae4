// What each setting control of the main window stands for in f1graphics.cfg: one row each, in
// the order a load shows them. A new plain setting is its line in Lines.h, its control in
// Unit1.h, its caption's entry in Entries.h and every language file, one row here, and what
// the row writes in the bindings test (docs/how-it-works.md).
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
    using namespace entries;
    return {
        {&aufloesung,
         Own{{lines::ScreenWidth, lines::ScreenHeight}},
         {ResolutionLabel, &Label1},
         [this] { showResolution(); }},
        {&CheckBox3, Flag{{lines::AllSettingsFromFile}}, {AllSettingsFromFile}},
        {&CheckBox1, Flag{{lines::Colour32Bit}}, {Colour32Bit}},
        {&CheckBox2, Flag{{lines::FullScreen}}, {FullScreen}},
        {&CheckBox18, Flag{{lines::Switch26}}, {Switch26}},
        {&ComboBox1,
         ItemValues{lines::TextureReduction, {"0", "2", "4", "8"}},
         {TextureQualityLabel, &Label4}},
        {&ComboBox2,
         Text{lines::LowerQualityDistance, std::numeric_limits<std::int32_t>::max()},
         {LowerQualityDistanceLabel, &Label5}},
        {&ComboBox3,
         Own{{lines::ReflectionSource}},
         {ReflectionsLabel,
          &Label6,
          {ReflectionsByProcessor, ReflectionsByGraphicsCard, ReflectionsByBoth}},
         [this] { showReflectionSource(); }},
        // The T-cam box before the mirrors box, which decides whether it can be used.
        {&CheckBox5, Flag{{lines::MirrorsTCam}}, {MirrorsTCam}, [this] { showMirrorsTCam(); }},
        {&CheckBox4, Flag{{lines::Mirrors}}, {Mirrors}, [this] { showMirrors(); }},
        {&CheckBox6, Flag{{lines::HelmetVisor}}, {HelmetVisor}, [this] { showHelmetVisor(); }},
        {&CheckBox7, Flag{{lines::VisorTint, lines::VisorTintToo}}, {VisorTint}},
        {&CheckBox8, Flag{{lines::HardwareTnL}}, {HardwareTnL}},
        {&TrackBar1, Position{lines::MirrorView}, {MirrorViewLabel, &Label14}},
        // The tint's colours, edited in the tint dialog that this button opens.
        {&SpeedButton12,
         Own{tintLines()},
         {},
         [this] {
             if (Form3_) Form3_->showTint();
         }},
        {&TrackBar3, Position{lines::Softening}, {SofteningLabel, &Label38}},
        {&ComboBox4,
         ItemPosition{lines::TrackMap},
         {TrackMapLabel, &Label19, {TrackMapOff, TrackMapArcadeOnly, TrackMapAlways}}},
        {&ComboBox5,
         ItemPosition{lines::SteeringWheel},
         {SteeringWheelLabel, &Label20, {SteeringWheelCockpitOnly, SteeringWheelAlways}}},
        {&ComboBox6,
         ItemPosition{lines::Raindrops},
         {RaindropsLabel,
          &Label21,
          {RaindropsNever, RaindropsRealCameras, RaindropsAllButCockpit, RaindropsAll}}},
        {&CheckBox9, Flag{{lines::CarsMirroredInRain}}, {CarsMirroredInRain}},
        {&CheckBox10, Flag{{lines::Sky}}, {Sky}},
        {&CheckBox11, Flag{{lines::WaterReflections}}, {WaterReflections}},
        {&CheckBox12,
         Flag{{lines::DoubleFiltering, lines::DoubleFilteringToo}, "2", "0"},
         {DoubleFiltering}},
        {&CheckBox13, Flag{{lines::Switch102, lines::Switch102Too}}, {Switch102}},
        {&CheckBox14, Flag{{lines::Switch59}}, {Switch59}},
        {&CheckBox15, Flag{{lines::Switch25}, "0", "1"}, {Switch25}},
        {&CheckBox16, Flag{{lines::Switch34}}, {Switch34}},
        {&CheckBox17, Flag{{lines::Switch37}}, {Switch37}},
        {&CheckBox19, Flag{{lines::Switch33}}, {Switch33}},
        // The box switches the line on or off, the number beside it is its value.
        {&CheckBox20,
         Own{{lines::Number27}},
         {Number27},
         [this] { showNumber27(); },
         {&Edit3, &UpDown1}},
        {&TrackBar2, Position{lines::Percent49}, {Line49Label, &Label35}},
    };
}

}  // namespace torvexa
