// A script of typed lines: the bytes of a file or of standard input, taken a
// line at a time as the program asks for them, so that a script read from a
// terminal is read as it is typed rather than all at once.
//
// A line ends at LF or CR LF; a last line without its LF still counts, and
// a lone CR stays in the line. A line keeps at most InputLineLimit bytes,
// as the window's input line does when typing; the bytes past that are
// dropped up to the line's end. Any byte (NUL included) is kept as it is.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

inline constexpr std::size_t InputLineLimit = 255;

class InputScript {
 public:
  // Fills buffer with up to size bytes; 0 once the source has ended.
  using Reader = std::function<std::size_t(char* buffer, std::size_t size)>;

  explicit InputScript(Reader reader) : reader_(std::move(reader)) {}
  // A script of the given bytes.
  static InputScript OfText(std::string text);

  // The next line without its line end; false once the script has ended.
  bool NextLine(std::string* line);
  // The next byte as a key: a CR LF pair is one key, CR. False once the
  // script has ended.
  bool NextKey(char* key);
  // Whether a byte is left for NextKey or NextLine.
  bool HasKey();
  // How many lines NextLine has given.
  std::size_t LinesRead() const { return lines_read_; }

 private:
  // Reads more bytes into pending_; false at the source's end.
  bool Fill();

  Reader reader_;
  std::string pending_;   // bytes read but not yet given
  std::size_t at_ = 0;    // the first byte of pending_ not yet given
  bool ended_ = false;
  std::size_t lines_read_ = 0;
};
