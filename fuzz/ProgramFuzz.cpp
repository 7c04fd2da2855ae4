// The whole program, headless: a translation file and a configuration file from the input,
// start, load, a sequence of a person's actions chosen by the input, save. Every line whose
// value the actions left as it was read is saved byte for byte; nothing is saved that was not
// loaded whole. The input is translation, NUL, configuration, NUL, actions.
#include <cstdint>
#include <string>

#include "Check.h"
#include "Lines.h"
#include "support/Scenario.h"

using namespace torvexa;
using test::Scenario;

namespace {

std::string part(const std::string& bytes, std::size_t& pos) {
    if (pos >= bytes.size()) return {};
    const std::size_t end = std::min(bytes.find('\0', pos), bytes.size());
    std::string piece = bytes.substr(pos, end - pos);
    pos = end + 1;
    return piece;
}

// One of a person's actions, chosen by two bytes.
void act(Scenario& s, std::uint8_t what, std::uint8_t how) {
    TForm1& f = s.form1();
    CheckBox* boxes[] = {&f.CheckBox1,  &f.CheckBox2,  &f.CheckBox3,  &f.CheckBox4,  &f.CheckBox5,
                         &f.CheckBox6,  &f.CheckBox7,  &f.CheckBox8,  &f.CheckBox9,  &f.CheckBox10,
                         &f.CheckBox11, &f.CheckBox12, &f.CheckBox13, &f.CheckBox14, &f.CheckBox15,
                         &f.CheckBox16, &f.CheckBox17, &f.CheckBox18, &f.CheckBox19, &f.CheckBox20};
    ComboBox* combos[] = {&f.aufloesung, &f.ComboBox1, &f.ComboBox2, &f.ComboBox3,
                          &f.ComboBox4,  &f.ComboBox5, &f.ComboBox6};
    TrackBar* tracks[] = {&f.TrackBar1,
                          &f.TrackBar2,
                          &f.TrackBar3,
                          &s.program().form3().TrackBar1,
                          &s.program().form3().TrackBar2,
                          &s.program().form3().TrackBar3};
    SpeedButton* pages[] = {&f.SpeedButton4, &f.SpeedButton5, &f.SpeedButton6, &f.SpeedButton9};
    s.user([&] {
        switch (what % 9) {
            case 0:
                boxes[how % 20]->click();
                break;
            case 1:
                combos[how % 7]->pick(how / 7 % 20);
                break;
            case 2:
                combos[how % 7]->type(std::to_string(how));
                break;
            case 3:
                tracks[how % 6]->scroll(how / 6);
                break;
            case 4:
                pages[how % 4]->click();
                break;
            case 5:
                f.ListBox1.select(how);
                break;
            case 6:
                f.edit1.type(std::to_string(how));
                break;
            case 7:
                f.SpeedButton10.click();
                break;
            default:
                f.UpDown1.up();
                break;
        }
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::size_t pos = 0;
    const std::string translation = part(bytes, pos);
    const std::string config = part(bytes, pos);
    const std::string actions = pos < bytes.size() ? bytes.substr(pos) : std::string();

    Scenario s;
    s.rememberLanguage(s.writeLanguage("fuzz.zpr", translation));
    s.installGame(config);
    s.start();
    if (!s.program().running()) return 0;
    s.user([&] { s.form1().Laden1.click(); });
    for (std::size_t i = 0; i + 1 < actions.size() && i < 64; i += 2)
        act(s, static_cast<std::uint8_t>(actions[i]), static_cast<std::uint8_t>(actions[i + 1]));
    s.user([&] { s.form1().Sichern1.click(); });

    const std::string saved = s.configBytes();
    const fuzz::Lines before = fuzz::splitLines(config);
    ConfigDocument read;
    read.load(config);
    const ConfigDocument& now = s.form1().document();
    if (now.count() != read.count()) {  // the load did not read the file whole: nothing saved
        FUZZ_CHECK(saved == config, "a file not loaded whole is not written");
        return 0;
    }
    const fuzz::Lines after = fuzz::splitLines(saved);
    FUZZ_CHECK(after.raw.size() == before.raw.size(), "the saved file has as many lines");
    for (int i = 0; i < read.count(); ++i) {
        const auto line = static_cast<std::size_t>(i);
        if (now.value(i) == read.value(i))
            FUZZ_CHECK(after.raw[line] == before.raw[line], "an unchanged line is saved as read");
    }
    return 0;
}
