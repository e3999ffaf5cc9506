// QB64's metacommands, which programs kept runnable there carry on their
// first lines: $NOPREFIX, $CONSOLE, $RESIZE, $EXEICON. They are written as
// a $ word at the start of a line, or in a comment ('$RESIZE:ON) as
// QBasic's own '$DYNAMIC was. Only $NOPREFIX changes anything here: after
// it, QB64's words may be written without their underscore.
#pragma once

#include <string>
#include <string_view>

enum class Metacommand {
  None,      // no metacommand: an ordinary line, or a comment's unknown $ word
  Ignored,   // accepted, and nothing to do in a window of this BASIC
  NoPrefix,  // $NOPREFIX
  Invalid,   // error holds the message
};

struct MetacommandLine {
  Metacommand kind = Metacommand::None;
  std::string error;
};

// Whether the line's first non-blank character is '$': the whole line is
// then a metacommand, and never a statement.
bool StartsWithMetacommand(std::string_view line);
// What the line's metacommand is: the one the line starts with (an unknown
// one is an error that names it), or the one its comment starts with (an
// unknown one is a plain comment there, as QBasic took it).
MetacommandLine ReadMetacommand(std::string_view line);
