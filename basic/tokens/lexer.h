// The lexer: one source line to tokens.
//
// Bytes from 0x80 up are text only inside string literals and comments; a
// Shift-JIS lead byte (0x81-0x9F, 0xE0-0xFC) takes the byte after it along,
// so a double-byte character is never split, not even when its second byte
// is a quote. Lines are split before lexing, at LF, so a line never ends in
// the middle of a character that the next line would finish.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "basic/tokens/token.h"

inline constexpr int MaxNameLength = 40;

struct LexResult {
  std::vector<Token> tokens;  // always ends with EndOfLine
  bool failed = false;        // tokens stop at the error
  int32_t error_column = 0;
  std::string error;
};

// Cuts one line (without its line end) into tokens. REM and ' give a Rem
// keyword token and drop the rest of the line. A word starting with '_'
// followed by a letter is one of QB64's: a keyword when this BASIC has it
// (_TITLE), else an Unsupported token. unprefixed (after $NOPREFIX): those
// keywords may also be written without their '_' (TITLE, PI).
LexResult LexLine(std::string_view line, bool unprefixed = false);

// A Ctrl-Z ends the program text, as it ended the files of old editors:
// the text is what comes before the first one.
inline constexpr char EndOfTextMark = '\x1A';
std::string_view TextBeforeEndMark(std::string_view source);

// The text's lines, cut at LF, each without its LF and a CR before it; a
// final line end does not start another line.
std::vector<std::string_view> SplitSourceLines(std::string_view source);

// Whether byte is the first byte of a double-byte character.
bool IsLeadByte(unsigned char byte);
