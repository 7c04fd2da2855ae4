#pragma once

#include <string>

// Inputs the benchmarks make for themselves: no large files live in the repository.
namespace torvexa::bench {

// About `bytes` of plausible configuration lines: a value, blanks, ";" and a comment.
std::string plausibleConfig(std::size_t bytes);

// A Wine system.reg of about `bytes`, with the game's key near its end.
std::string largeSystemReg(std::size_t bytes);

}  // namespace torvexa::bench
