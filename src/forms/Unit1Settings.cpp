// The main window's setting controls beyond their rows in the setting table
// (Unit1SettingTable.cpp): the handlers of the controls that do more than write their line(s),
// and the show hooks of the rows whose file values a plain mapping cannot show.
#include <algorithm>
#include <optional>
#include <utility>

#include "common/Integer.h"
#include "forms/Entries.h"
#include "forms/Lines.h"
#include "forms/Unit1.h"

namespace torvexa {
namespace {

// The resolutions "Auflösung" offers, and the width and height lines each writes.
struct Resolution {
    const char* text;
    const char* width;
    const char* height;
};
constexpr Resolution kResolutions[] = {
    {"800x600", "800", "600"}, {"1024x768", "1024", "768"}, {"1152x864", "1152", "864"}};

// The sizes a typed "WxH" may give: the game cannot run narrower, and no screen is wider.
constexpr int kSmallestSide = 200;
constexpr int kLargestSide = 16384;

bool isWholeNumber(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A side of a typed resolution, when it is digits within the sizes above.
std::optional<int> side(std::string_view text) {
    if (!isWholeNumber(text) || text.size() > 5) return std::nullopt;
    const int pixels = std::stoi(std::string(text));
    if (pixels < kSmallestSide || pixels > kLargestSide) return std::nullopt;
    return pixels;
}

struct Size {
    int width;
    int height;
};

// "2560x1440" or "2560X1440".
std::optional<Size> typedResolution(std::string_view text) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos) return std::nullopt;
    const auto width = side(text.substr(0, x));
    const auto height = side(text.substr(x + 1));
    if (!width || !height) return std::nullopt;
    return Size{*width, *height};
}

}  // namespace

// ---- Handlers of the controls that do more than write their line(s); the others are
// connected by the table itself (SettingTable::connect).

// The T-cam mirrors can be switched only while the mirrors are on.
void TForm1::CheckBox4Click() {
    CheckBox5.setEnabled(CheckBox4.checked());
    settings_.write(CheckBox4);
}

// The visor tint needs the visor: switching the visor off switches the tint off too.
void TForm1::CheckBox6Click() {
    settings_.write(CheckBox6);
    if (CheckBox6.checked()) {
        CheckBox7.setEnabled(true);
    } else {
        CheckBox7.setEnabled(false);
        CheckBox7.setChecked(false);
    }
}

// The tint's colours can be edited only while the tint is on.
void TForm1::CheckBox7Click() {
    settings_.write(CheckBox7);
    SpeedButton12.setEnabled(CheckBox7.checked());
}

// The tick switches line 27 on with the up-down's number (starting at 4) or off with 0; the
// line itself is written by Edit3Change as the up-down's edit field changes.
void TForm1::CheckBox20Click() {
    if (CheckBox20.checked()) {
        UpDown1.setEnabled(true);
        Edit3.setEnabled(true);
        Edit3.setText("4");
        UpDown1.setPosition(4);
    } else {
        dialogs_.informationBox(catalogue_.entry(entries::Number27Help));
        UpDown1.setEnabled(false);
        Edit3.setEnabled(false);
        Edit3.setText("0");
    }
}

void TForm1::Edit3Change() {
    // The field takes digits only; the line takes a number in the up-down's range (its help
    // says so), or 0 from the unticked box, which switches it off; anything else, an empty
    // field included, leaves the line as it is. The line may not exist yet (nothing loaded): a
    // failed write is swallowed.
    const auto number = parseInteger(Edit3.text());
    const bool inRange = number && *number >= UpDown1.min() && *number <= UpDown1.max();
    const bool switchedOff = !CheckBox20.checked() && Edit3.text() == "0";
    if (!inRange && !switchedOff) return;
    try {
        document_.putValue(lines::Number27, Edit3.text());
    } catch (const std::exception&) {
    }
}

// A resolution is written once the text is one of the offered ones, or a typed "WxH" the game
// can take; anything else waits until the person leaves the box.
void TForm1::aufloesungChange() {
    for (const Resolution& resolution : kResolutions) {
        if (aufloesung.text() != resolution.text) continue;
        document_.putValue(lines::ScreenWidth, resolution.width);
        document_.putValue(lines::ScreenHeight, resolution.height);
        return;
    }
    if (const auto size = typedResolution(aufloesung.text())) {
        document_.putValue(lines::ScreenWidth, integerText(size->width));
        document_.putValue(lines::ScreenHeight, integerText(size->height));
    }
}

// Leaving a box whose text the file does not hold shows the file's value again.
void TForm1::aufloesungExit() { showResolution(); }
void TForm1::ComboBox1Exit() { settings_.show(ComboBox1); }
void TForm1::ComboBox2Enter() { holdOnEntry(lines::LowerQualityDistance); }
void TForm1::ComboBox2Exit() {
    giveBackIfRefused(ComboBox2.text(), lines::LowerQualityDistance);
    settings_.show(ComboBox2);
}
void TForm1::Edit3Enter() { holdOnEntry(lines::Number27); }
void TForm1::Edit3Exit() {
    giveBackIfRefused(Edit3.text(), lines::Number27);
    if (CheckBox20.checked() && document_.count() > lines::Number27)
        Edit3.setText(value(lines::Number27));
}

void TForm1::holdOnEntry(int line) {
    heldOnEntry_.reset();
    if (document_.count() > line) heldOnEntry_ = value(line);
}

// A number the field took is its line's value as it stands; any other text was refused. An
// empty field is no number: it writes nothing and gives nothing back.
void TForm1::giveBackIfRefused(const std::string& text, int line) {
    const std::optional<std::string> held = std::exchange(heldOnEntry_, std::nullopt);
    if (!held || text.empty() || document_.count() <= line || value(line) == text) return;
    document_.putValue(line, *held);
}
void TForm1::ComboBox3Exit() { showReflectionSource(); }

// The items come from the translation file, so the text is compared with the entries.
void TForm1::ComboBox3Change() {
    const std::string& text = ComboBox3.text();
    if (text == catalogue_.entry(entries::ReflectionsByGraphicsCard))
        document_.putValue(lines::ReflectionSource, "3");
    else if (text == catalogue_.entry(entries::ReflectionsByProcessor))
        document_.putValue(lines::ReflectionSource, "2");
    else if (text == catalogue_.entry(entries::ReflectionsByBoth))
        document_.putValue(lines::ReflectionSource, "4");
}

void TForm1::TrackBar1Change() {
    settings_.write(TrackBar1);
    Label15.setCaption(integerText(TrackBar1.position()));
}

void TForm1::TrackBar2Change() {
    settings_.write(TrackBar2);
    Label36.setCaption(integerText(TrackBar2.position()) + "%");
}

void TForm1::TrackBar3Change() {
    settings_.write(TrackBar3);
    Label39.setCaption(TrackBar3.position() > 0 ? integerText(TrackBar3.position())
                                                : catalogue_.entry(entries::SofteningOff));
}

void TForm1::Button1Click() { dialogs_.informationBox(catalogue_.entry(entries::Number27Help)); }
void TForm1::Button2Click() { dialogs_.informationBox(catalogue_.entry(entries::Switch33Help)); }

// ---- Showing a freshly read file

// Exactly these five: the T-cam box (CheckBox5) is only ever ticked by showMirrorsTCam, never
// unticked, so each read must start with it clear, and the mirrors box (CheckBox4) must change
// for its handler to enable the T-cam box again. Each box that starts clear and is ticked by
// the file runs its handler, which writes its line(s) back into the document, so this set
// decides which values a load rewrites (a 3 in the mirrors' line 43 comes back as 1).
void TForm1::uncheckBeforeReading() {
    for (CheckBox* box : {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5})
        box->setChecked(false);
}

void TForm1::showFileInControls() { settings_.showFile(); }

// The file's "width x height" whenever both are whole numbers, an offered item or not; empty
// otherwise.
void TForm1::showResolution() {
    const std::string width = value(lines::ScreenWidth);
    // A file too short for the height shows no resolution; the next step's read of a later
    // line reports the short file.
    const std::string height =
        document_.count() > lines::ScreenHeight ? value(lines::ScreenHeight) : std::string();
    const bool numbers = isWholeNumber(width) && isWholeNumber(height);
    aufloesung.setText(numbers ? width + "x" + height : std::string());
}

// Any value but the graphics card's or both shows the processor.
void TForm1::showReflectionSource() {
    const std::string source = value(lines::ReflectionSource);
    if (source == "3")
        ComboBox3.setText(catalogue_.entry(entries::ReflectionsByGraphicsCard));
    else if (source == "4")
        ComboBox3.setText(catalogue_.entry(entries::ReflectionsByBoth));
    else
        ComboBox3.setText(catalogue_.entry(entries::ReflectionsByProcessor));
}

// The T-cam box is only ever ticked here (uncheckBeforeReading has just cleared it).
void TForm1::showMirrorsTCam() {
    if (value(lines::MirrorsTCam) == "1") CheckBox5.setChecked(true);
}

// Any value but 0 shows the mirrors on; off, the T-cam box cannot be used.
void TForm1::showMirrors() {
    if (value(lines::Mirrors) == "0") {
        CheckBox4.setChecked(false);
        CheckBox5.setEnabled(false);
    } else {
        CheckBox4.setChecked(true);
    }
}

// The tint box is enabled or disabled before the visor box changes.
void TForm1::showHelmetVisor() {
    const bool visor = value(lines::HelmetVisor) == "1";
    CheckBox7.setEnabled(visor);
    CheckBox6.setChecked(visor);
}

void TForm1::showNumber27() {
    if (value(lines::Number27) == "0") {
        CheckBox20.setChecked(false);
        return;
    }
    UpDown1.setPosition(toInteger(value(lines::Number27)));
    UpDown1.setEnabled(true);
    Edit3.setEnabled(true);
    CheckBox20.setChecked(true);
}

}  // namespace torvexa
