// What a screen reader reads for every control of every window, from the real native windows
// under Wine, in German and after a switch to English. Buttons, check boxes, radio buttons,
// group boxes and edit fields are asked through Windows' accessibility layer (oleacc); drop-downs,
// lists, sliders and up-downs, for which Wine's oleacc has no label lookup, by Windows' documented
// rule itself: the window right before the field is a static text, and its text is the name.

// The program first: Windows' macros must not reach its headers.
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which they need
#include <commctrl.h>
#include <oleacc.h>

#include <functional>
#include <map>
#include <string>

#include "support/Scenario.h"
#include "view/win32/Win32View.h"
#include "windows/view/NativeWindows.h"

namespace torvexa {
namespace {

using test::Scenario;
using test::textOf;

// Each field and the name a person hears for it: what its label says, in each language. The
// preset and tint dialogs take their captions at start only, so after a switch at run time
// they still read German.
struct Names {
    std::wstring german;
    std::wstring english;
};
const std::map<std::string, Names> kFieldNames = {
    {"Form1.Edit3", {L"Zeile 27 setzen auf:", L"Set line 27 to:"}},
    {"Form1.UpDown1", {L"Zeile 27 setzen auf:", L"Set line 27 to:"}},
    {"Form1.ComboBox3", {L"Reflektionen werden erzeugt von:", L"Reflections are made by:"}},
    {"Form1.aufloesung", {L"Aufl\u00f6sung:", L"Resolution:"}},
    {"Form1.ComboBox1", {L"Texturqualit\u00e4t:", L"Texture quality:"}},
    {"Form1.ComboBox2",
     {L"Entfernung fuer geringere Grafikqualit\u00e4t:", L"Distance for lower graphics quality:"}},
    {"Form1.TrackBar3", {L"Weichzeichnung:", L"Softening:"}},
    {"Form1.ComboBox4", {L"Streckenkarte:", L"Track map:"}},
    {"Form1.ComboBox5", {L"Lenkrad anzeigen:", L"Steering wheel:"}},
    {"Form1.ComboBox6", {L"Regentropfeneffekt:", L"Raindrop effect:"}},
    {"Form1.TrackBar1", {L"Spiegel/Spiegelfunktion:", L"Mirrors/mirror function:"}},
    {"Form1.TrackBar2", {L"Zeile 49 (Prozent):", L"Line 49 (percent):"}},
    {"Form1.GameBox", {L"Spiel:", L"Game:"}},
    {"Form1.ListBox5", {L"Manuell bearbeiten", L"Edit by hand"}},
    {"Form1.ListBox1", {L"Neuer Wert:", L"New value:"}},
    {"Form1.ListBox4", {L"Beschreibung:", L"Description:"}},
    {"Form1.edit1", {L"Neuer Wert:", L"New value:"}},
    {"Form1.edit2", {L"Beschreibung:", L"Description:"}},
    {"Form3.TrackBar1", {L"Rot:", L"Rot:"}},
    {"Form3.TrackBar2", {L"Gr\u00fcn:", L"Gr\u00fcn:"}},
    {"Form3.TrackBar3", {L"Blau:", L"Blau:"}},
};

// A caption as a person reads it: "&&" is one "&", a single "&" only marks the access key.
std::wstring withoutAccessMark(const std::wstring& text) {
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

// A caption of the program (Windows-1252, here all of it Latin-1 alike), as it is read aloud.
std::wstring readAloud(const std::string& caption) {
    std::wstring wide;
    for (const unsigned char c : caption)
        wide += static_cast<wchar_t>(c);
    return withoutAccessMark(wide);
}

// The name the accessibility layer gives the window's client object.
std::wstring accessibleName(HWND window) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible))) ||
        !accessible)
        return L"(no accessible object)";
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT asked = accessible->get_accName(self, &name);
    std::wstring out = SUCCEEDED(asked) && name ? std::wstring(name, SysStringLen(name)) : L"";
    SysFreeString(name);
    accessible->Release();
    return out;
}

// Windows' rule for a field: the static text right before it in the window order.
std::wstring labelBefore(HWND window) {
    HWND before = GetWindow(window, GW_HWNDPREV);
    wchar_t kind[64] = {};
    if (!before || !GetClassNameW(before, kind, 64)) return L"(nothing before it)";
    if (lstrcmpiW(kind, L"Static") != 0) return L"(a " + std::wstring(kind) + L" before it)";
    return withoutAccessMark(textOf(before));
}

class ScreenReaderNames : public ::testing::Test {
  protected:
    ScreenReaderNames() {
        CoInitialize(nullptr);
        s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
        s.installGame(Scenario::sampleConfig());
        s.start();
        view = std::make_unique<win32::Win32View>(s.program());
    }
    ~ScreenReaderNames() override {
        view.reset();
        CoUninitialize();
    }

    HWND hwnd(const Control& control) const { return static_cast<HWND>(view->windowOf(control)); }

    // Every control of every window that a person can meet, with the name it is read by.
    void expectNames(const std::string& language) {
        const bool german = language == "German";
        int fields = 0;
        for (Form* form : s.program().forms()) {
            walk(*form, [&](Control& control) {
                const std::string name = form->name() + "." + control.name();
                HWND window = hwnd(control);
                if (!control.visible() || !window) return;  // the catalogue's and tail's lists
                if (isCaptioned(control)) {
                    EXPECT_EQ(accessibleName(window), readAloud(control.caption()))
                        << language << ": " << name;
                    return;
                }
                if (!isField(control)) return;
                ++fields;
                const auto expected = kFieldNames.find(name);
                ASSERT_NE(expected, kFieldNames.end()) << name << " has no name to expect";
                const std::wstring heard =
                    german ? expected->second.german : expected->second.english;
                EXPECT_EQ(labelBefore(window), heard) << language << ": " << name;
                if (dynamic_cast<Edit*>(&control)) {
                    EXPECT_EQ(accessibleName(window), heard)
                        << language << ": " << name << " through oleacc";
                }
            });
        }
        EXPECT_EQ(fields, static_cast<int>(kFieldNames.size()));
    }

    static void walk(Control& control, const std::function<void(Control&)>& each) {
        each(control);
        for (Control* child : control.children())
            walk(*child, each);
    }
    static bool isCaptioned(const Control& c) {
        return dynamic_cast<const CheckBox*>(&c) || dynamic_cast<const RadioButton*>(&c) ||
               dynamic_cast<const Button*>(&c) || dynamic_cast<const SpeedButton*>(&c) ||
               dynamic_cast<const GroupBox*>(&c);
    }
    static bool isField(const Control& c) {
        return dynamic_cast<const Edit*>(&c) || dynamic_cast<const ComboBox*>(&c) ||
               dynamic_cast<const ListBox*>(&c) || dynamic_cast<const TrackBar*>(&c) ||
               dynamic_cast<const UpDown*>(&c);
    }

    mutable Scenario s;
    std::unique_ptr<win32::Win32View> view;
};

TEST_F(ScreenReaderNames, EveryControlIsReadByItsCaptionInGermanAndAfterTheSwitchToEnglish) {
    expectNames("German");

    // "Andere Sprachdatei wählen" pressed as a screen reader presses a button.
    s.dialogs.fileAnswers = {Scenario::shippedLanguage("english.zpr")};
    SendMessageW(hwnd(s.form1().SpeedButton11), BM_CLICK, 0, 0);
    ASSERT_EQ(s.form1().SpeedButton11.caption(), "Choose another language file");
    expectNames("English");
}

TEST_F(ScreenReaderNames, TheNamesTakeNoTabStopAndNameOnlyLabelsAreHidden) {
    // A label before its field is passed over by Tab: the field after it is the tab stop.
    for (Form* form : s.program().forms()) {
        walk(*form, [&](Control& control) {
            if (!kFieldNames.count(form->name() + "." + control.name())) return;
            HWND before = GetWindow(hwnd(control), GW_HWNDPREV);
            EXPECT_FALSE(GetWindowLongW(before, GWL_STYLE) & WS_TABSTOP) << control.name();
        });
    }
    // The number for line 27 is named by the check box beside it, through a label no one sees.
    HWND hiddenName = GetWindow(hwnd(s.form1().Edit3), GW_HWNDPREV);
    EXPECT_NE(hiddenName, hwnd(s.form1().CheckBox20));
    EXPECT_FALSE(GetWindowLongW(hiddenName, GWL_STYLE) & WS_VISIBLE);
    // The manual page's own labels stand before their fields, and are seen.
    EXPECT_EQ(GetWindow(hwnd(s.form1().edit1), GW_HWNDPREV), hwnd(s.form1().Label29));
    EXPECT_TRUE(GetWindowLongW(hwnd(s.form1().Label29), GWL_STYLE) & WS_VISIBLE);
}

}  // namespace
}  // namespace torvexa
