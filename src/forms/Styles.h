#pragma once

#include "ui/Control.h"

// Fonts and looks shared by the window layouts.
namespace torvexa::style {

inline constexpr Font kArial{.face = Typeface::Arial, .height = 11};
inline constexpr Font kArialBold{.face = Typeface::Arial, .height = 11, .bold = true};
inline constexpr Font kArialBoldItalic{
    .face = Typeface::Arial, .height = 11, .bold = true, .italic = true};
inline constexpr Font kArialItalic{.face = Typeface::Arial, .height = 11, .italic = true};
inline constexpr Font kSansSerif{.face = Typeface::MsSansSerif, .height = 11};

inline const Look kSkyBlue{.colour = Colour::SkyBlue};
inline const Look kMoneyGreen{.colour = Colour::MoneyGreen};
inline const Look kButtonFace{.colour = Colour::ButtonFace};

}  // namespace torvexa::style
