#pragma once

#include <filesystem>
#include <string>

// Inputs the benchmarks make for themselves: no large files live in the repository.
namespace torvexa::bench {

// About `bytes` of plausible configuration lines: a value, blanks, ";" and a comment.
std::string plausibleConfig(std::size_t bytes);

// A Wine system.reg of about `bytes`, with the game's key near its end.
std::string largeSystemReg(std::size_t bytes);

// A player's home with 200 Wine prefixes where launchers put them (Lutris, Bottles, Heroic,
// Faugus, umu, PlayOnLinux, Steam's Proton), each with a 200 KB system.reg; the game, with its
// f1graphics.cfg, only in the last Steam prefix searched.
void homeWith200Prefixes(const std::filesystem::path& home);

}  // namespace torvexa::bench
