// How INPUT # and LINE INPUT # cut a sequential file's bytes into items and
// lines, over any source of bytes (a file, the keyboard, a test's text).
//
// An item, for either kind: blanks (space, tab), CR and LF before it are
// skipped; a comma right there ends an empty item. Then
//   - a number runs to a blank, comma, CR or LF;
//   - a string that starts with " runs to the next ", CR and LF kept inside;
//     whatever follows the closing quote up to the comma or line end is
//     dropped;
//   - another string runs to a comma, CR or LF, its trailing blanks
//     dropped.
// After the item, blanks are skipped and then one comma, or one line end
// (CR, CR LF or LF), is taken. An item that reaches MaxItemBytes ends there
// and the rest begins the next. The end of the source ends an item; only
// an item that finds nothing but blanks and line ends before the end is
// InputPastEndOfFile.
//
// A line runs to CR, LF or the end, and its line end (CR, CR LF or LF) is
// taken but not kept; a line reaching MaxItemBytes ends there, the rest
// being the next line. Reading a line at the very end is
// InputPastEndOfFile. Every byte other than these is kept as it is.
#pragma once

#include <cstddef>
#include <string>

#include "basic/executor/run_errors.h"

// A string's longest length in the classic BASICs, and so the most one
// item, line or INPUT$ takes.
inline constexpr std::size_t MaxItemBytes = 32767;

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // The next byte, 0 to 255, without taking it; -1 at the end.
  virtual int Peek() = 0;
  // Takes the byte Peek gave; never called at the end.
  virtual void Take() = 0;
};

enum class InputItemKind { Number, String };

RunError ReadInputItem(ByteSource& source, InputItemKind kind, std::string* item);
RunError ReadInputLine(ByteSource& source, std::string* line);
