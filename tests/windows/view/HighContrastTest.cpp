// Windows' high-contrast theme, switched on and off while the program runs: every window then
// draws with the system's colours (here a black and yellow scheme), none with the layout's own,
// and goes back to them when it is switched off. Wine keeps no high-contrast switch, so the
// view is told the theme's state; the system's colours are Wine's own, set as a theme sets them.
// Each window is kept as high-contrast-<form>.bmp and normal-<form>.bmp in the working folder.

// The program first: Windows' macros must not reach its headers.
#include "forms/Program.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/Scenario.h"
#include "view/win32/Win32View.h"
#include "windows/view/NativeWindows.h"

namespace torvexa {
namespace {

using test::Picture;
using test::pictureOf;
using test::pump;
using test::Scenario;

constexpr COLORREF kSkyBlue = RGB(166, 202, 240);
constexpr COLORREF kMoneyGreen = RGB(192, 220, 192);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// A high-contrast theme's colours: black behind, white text, yellow links.
const std::vector<std::pair<int, COLORREF>> kContrastScheme = {
    {COLOR_BTNFACE, kBlack},     {COLOR_WINDOW, kBlack},    {COLOR_WINDOWTEXT, kWhite},
    {COLOR_BTNTEXT, kWhite},     {COLOR_HOTLIGHT, kYellow}, {COLOR_3DFACE, kBlack},
    {COLOR_WINDOWFRAME, kWhite},
};

class HighContrast : public ::testing::Test {
  protected:
    HighContrast() {
        for (const auto& [element, colour] : kContrastScheme) {
            (void)colour;
            saved.emplace_back(element, GetSysColor(element));
        }
        s.rememberLanguage(Scenario::shippedLanguage("deutsch.zpr"));
        s.installGame(Scenario::sampleConfig());
        s.start();
        view = std::make_unique<win32::Win32View>(s.program(), [this] { return contrast; });
    }
    ~HighContrast() override {
        setColours(saved);  // the prefix's colours as they were, for every later test
        view.reset();
    }

    HWND hwnd(const Control& control) const { return static_cast<HWND>(view->windowOf(control)); }

    // As Windows changes a theme: the colours (WM_SYSCOLORCHANGE to every window), then the
    // setting (WM_SETTINGCHANGE).
    void switchTheme(bool on) {
        setColours(on ? kContrastScheme : saved);
        contrast = on;
        for (Form* form : s.program().forms())
            SendMessageW(hwnd(*form), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        pump();
    }
    static void setColours(const std::vector<std::pair<int, COLORREF>>& colours) {
        std::vector<int> elements;
        std::vector<COLORREF> values;
        for (const auto& [element, colour] : colours) {
            elements.push_back(element);
            values.push_back(colour);
        }
        SetSysColors(static_cast<int>(elements.size()), elements.data(), values.data());
        pump();
    }
    // Each window in front of the others, as it shows itself.
    Picture picture(const Form& form, const std::string& mode) {
        s.user([&] { const_cast<Form&>(form).showInFront(); });
        pump();
        Picture shown = pictureOf(hwnd(form));
        shown.save(shots / (mode + "-" + form.name() + ".bmp"));
        return shown;
    }
    RECT placeIn(const Control& control, const Form& form) const {
        RECT r{};
        GetWindowRect(hwnd(control), &r);
        MapWindowPoints(nullptr, hwnd(form), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    // The folder the test was started in, before the program's start moves into its own.
    const std::filesystem::path shots = std::filesystem::current_path();
    bool contrast = false;
    std::vector<std::pair<int, COLORREF>> saved;
    Scenario s;
    std::unique_ptr<win32::Win32View> view;
};

TEST_F(HighContrast, EveryWindowTakesTheSystemsColoursWhileTheThemeIsOn) {
    TForm1& f = s.form1();
    s.user([&] {
        f.Laden1.click();
        f.SpeedButton6.click();  // "Objekte": a page, the tint check box and a link-less page
    });
    const Form& presets = s.program().form2();
    const Form& tint = s.program().form3();

    // The layout's own colours first, so that the test sees the change.
    EXPECT_GT(picture(f, "normal").count(kSkyBlue), 1000);
    EXPECT_GT(picture(tint, "normal").count(kMoneyGreen), 1000);
    EXPECT_GT(picture(presets, "normal").count(kSkyBlue), 1000);

    switchTheme(true);
    for (const Form* form : {static_cast<const Form*>(&f), &presets, &tint}) {
        const Picture shown = picture(*form, "high-contrast");
        for (const COLORREF layout : {kSkyBlue, kMoneyGreen, kNavy})
            EXPECT_EQ(shown.count(layout), 0) << form->name() << " still shows a layout colour";
        EXPECT_GT(shown.count(kBlack), shown.width * shown.height / 2) << form->name();
        EXPECT_GT(shown.count(kWhite), 50) << form->name() << " shows no text in white";
    }
    // The page buttons, painted by the program: black, with white captions.
    const Picture page = picture(f, "high-contrast");
    const RECT button = placeIn(f.SpeedButton6, f);
    EXPECT_EQ(page.at(button.left + 2, button.top + 2), kBlack);
    EXPECT_GT(page.count(kWhite, button), 20);
    // The Info page's links, underlined by the program: in the links' colour.
    s.user([&] { f.Info1.click(); });
    const Picture info = picture(f, "high-contrast-info");
    EXPECT_GT(info.count(kYellow, placeIn(f.Label7, f)), 20);
    EXPECT_GT(info.count(kYellow, placeIn(f.Label31, f)), 20);
    EXPECT_EQ(info.count(kNavy), 0);

    // Off again without a restart: the layout's colours are back.
    switchTheme(false);
    EXPECT_GT(picture(f, "normal-info").count(kSkyBlue), 1000);
    EXPECT_GT(picture(tint, "normal").count(kMoneyGreen), 1000);
}

}  // namespace
}  // namespace torvexa
