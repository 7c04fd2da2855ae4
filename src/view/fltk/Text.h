#pragma once

#include <string>
#include <string_view>

// The program's 8-bit text as FLTK shows it, and back. FLTK speaks UTF-8, reads "@" in a label
// as the start of a symbol, and reads "&" as an access key in buttons and menus; the program's
// texts are literal apart from the "&" convention of captions.
namespace torvexa::fltk {

// A caption for a widget that honours "&" itself (buttons, check boxes, menu titles).
std::string captionText(std::string_view programText);

// A caption for a box or a group's frame, which do not: "&&" shows one "&", a single "&" is
// dropped.
std::string boxCaptionText(std::string_view programText);

// A drop-down item: shown exactly as it stands.
std::string itemText(std::string_view programText);

// A box's text shown exactly as it stands (message texts).
std::string plainText(std::string_view programText);

// Text of inputs and list rows, which FLTK never interprets.
std::string displayText(std::string_view programText);

// A text of this machine (a path, already UTF-8) shown exactly as it stands in a box.
std::string machineText(std::string_view utf8);

// What a person typed, as program text.
std::string typedText(const char* utf8);

}  // namespace torvexa::fltk
