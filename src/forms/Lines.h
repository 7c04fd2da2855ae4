#pragma once

// The lines of f1graphics.cfg that Torvexa reads or writes, by their 0-based number in the
// file. What the game does with a line is said where it is known; the translation files name
// some lines only by their number ("Switch on line 26"), and so do we.
namespace torvexa::lines {

// Page "Allgemein"
inline constexpr int AllSettingsFromFile = 0;  // 1: the game takes every graphics setting here
inline constexpr int ScreenWidth = 1;          // pixels, written with ScreenHeight
inline constexpr int ScreenHeight = 2;
inline constexpr int Colour32Bit = 3;        // 1: 32-bit colour, 0: 16-bit
inline constexpr int HardwareTnL = 4;        // 1: transform and lighting by the graphics card
inline constexpr int FullScreen = 5;         // 1: full screen, 0: in a window
inline constexpr int Switch26 = 26;          // 1: on
inline constexpr int Number27 = 27;          // 1 to 100; 0 switches it off
inline constexpr int Switch33 = 33;          // 1: on
inline constexpr int ReflectionSource = 53;  // 2: processor, 3: graphics card, 4: both
inline constexpr int DoubleFiltering = 93;   // 2: on, 0: off; written with DoubleFilteringToo
inline constexpr int DoubleFilteringToo = 94;

// Page "Grafikqualität"
inline constexpr int TextureReduction = 23;  // 0: full texture size, 2: half, 4: quarter, 8: eighth
inline constexpr int Switch25 = 25;          // 0: on, 1: off
inline constexpr int Softening = 30;         // 0 (off) to 8
inline constexpr int Switch34 = 34;          // 1: on
inline constexpr int Switch37 = 37;          // 1: on
inline constexpr int LowerQualityDistance = 101;  // distance at which detail drops

// Page "Objekte"
inline constexpr int Mirrors = 43;      // 1: on
inline constexpr int MirrorView = 46;   // 1 (wide) to 32 (zoom)
inline constexpr int Percent49 = 49;    // 0 to 100
inline constexpr int MirrorsTCam = 50;  // 1: mirrors also in the T-cam view
inline constexpr int TrackMap = 51;     // 0: off, 1: arcade only, 2: always but TV view
inline constexpr int Switch59 = 59;     // 1: on
inline constexpr int HelmetVisor = 60;  // 1: the visor is drawn
inline constexpr int VisorTint = 67;    // 1: the visor is tinted; written with VisorTintToo
inline constexpr int VisorTintToo = 77;
inline constexpr int Switch102 = 102;           // 1: on; written with Switch102Too
inline constexpr int WaterReflections = 107;    // 1: the track reflects
inline constexpr int CarsMirroredInRain = 109;  // 1: on
inline constexpr int SteeringWheel = 117;       // 0: in the cockpit only, 1: always
inline constexpr int Sky = 121;                 // 1: the sky is drawn
inline constexpr int Raindrops = 123;  // 0: never, 1: real cameras, 2: all but cockpit, 3: all
inline constexpr int Switch102Too = 165;

// The visor tint: each colour is three lines, its share (0 to 100), then twice share + 100.
inline constexpr int VisorRed = 78;
inline constexpr int VisorGreen = 81;
inline constexpr int VisorBlue = 84;

// Written only by the optimisation presets.
inline constexpr int PresetOnly29 = 29;

}  // namespace torvexa::lines
