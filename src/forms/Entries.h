#pragma once

// The entries of a translation file that Torvexa's code looks up by meaning, by their 0-based
// number in the file. Entries that only caption a control are listed with that control in the
// caption tables of each window.
namespace torvexa::entries {

inline constexpr int LanguageName = 0;
inline constexpr int Translator = 1;
inline constexpr int LanguageVersion = 2;  // must match the program's version

// Items of "Reflektionen werden erzeugt von:", by the value they stand for.
inline constexpr int ReflectionsByProcessor = 16;
inline constexpr int ReflectionsByGraphicsCard = 17;
inline constexpr int ReflectionsByBoth = 71;

// Messages.
inline constexpr int PresetSaved = 61;
inline constexpr int NoPresetChosen = 70;
inline constexpr int Number27Help = 76;
inline constexpr int Switch33Help = 77;
inline constexpr int NoBackup = 87;

// "Weichzeichnung" at 0.
inline constexpr int SofteningOff = 86;

}  // namespace torvexa::entries
