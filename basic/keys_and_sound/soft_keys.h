// The function keys' texts (KEY n, text$): twelve of them, 15 bytes kept
// each, the classic defaults at the start of a run; KEY LIST's lines, and
// the line of labels KEY ON shows at the bottom of the text screen.
#pragma once

#include <cstdint>
#include <string>

inline constexpr int32_t SoftKeyCount = 12;
inline constexpr std::size_t SoftKeyLength = 15;
// KEY ON's line: each label is its number and this many of its bytes.
inline constexpr int32_t SoftKeyLabelWidth = 6;

struct SoftKeys {
  std::string texts[SoftKeyCount] = {"LIST ", "RUN\r", "LOAD\"", "SAVE\"", "CONT\r", ",\"LPT1:\"\r",
                                     "TRON\r", "TROFF\r", "KEY ", "SCREEN 0,0,0\r", "", ""};
  bool shown = false;  // KEY ON's line is on the bottom row
};

struct Machine;

// Draws KEY ON's line on the bottom row, and keeps text above it, when it
// is on and the PC's text screen shows; a screen started or cleared whole
// calls it to have the line back.
void ShowSoftKeyLine(Machine& machine);

// Gives the window key index's text, which it types into a line INPUT
// reads on the runtime's own screen; a run hands it all twelve at its start.
void HandSoftKeyToWindow(const SoftKeys& keys, int32_t index);

// KEY LIST's text: "F1 LIST " and so on, a line each, a CR shown as a space.
std::string SoftKeyList(const SoftKeys& keys, int32_t count);
// The bottom row's characters and which are reversed (1) for KEY ON, for a
// screen `columns` wide: the key's digit (0 for F10) then the label's first six bytes, then a space.
std::string SoftKeyLine(const SoftKeys& keys, int32_t columns, std::string* reversed);
