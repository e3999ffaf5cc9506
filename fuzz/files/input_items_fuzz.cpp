// Fuzzes the cutting of a sequential file into INPUT # items and LINE
// INPUT # lines: any bytes, read by any sequence of item and line reads,
// must give items within the limit, each read that succeeds taking at
// least one byte, and InputPastEndOfFile only where nothing but blanks and
// line ends is left. The input's first byte says how many of the bytes
// after it choose the reads (each 0 number, 1 string, 2 line); the rest is
// the file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "basic/files/input_items.h"

namespace {

class TextSource final : public ByteSource {
 public:
  explicit TextSource(std::string_view text) : text_(text) {}
  int Peek() override { return at_ < text_.size() ? static_cast<unsigned char>(text_[at_]) : -1; }
  void Take() override {
    if (at_ >= text_.size()) std::abort();
    ++at_;
  }
  std::size_t at() const { return at_; }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

RunError Read(TextSource& source, uint8_t choice, std::string* text) {
  switch (choice % 3) {
    case 0:
      return ReadInputItem(source, InputItemKind::Number, text);
    case 1:
      return ReadInputItem(source, InputItemKind::String, text);
    default:
      return ReadInputLine(source, text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::size_t reads = std::min<std::size_t>(data[0], size - 1);
  const std::string_view file(reinterpret_cast<const char*>(data + 1 + reads), size - 1 - reads);
  TextSource source(file);
  std::string text;
  // The reads given, then reads to the end, so that every byte is cut.
  for (std::size_t read = 0; source.at() < file.size() || read < reads; ++read) {
    const std::size_t before = source.at();
    const RunError error = Read(source, read < reads ? data[1 + read] : static_cast<uint8_t>(read), &text);
    if (error == RunError::None) {
      if (source.at() <= before || text.size() > MaxItemBytes) std::abort();
    } else if (error != RunError::InputPastEndOfFile || file.find_first_not_of(" \t\r\n", before) != std::string_view::npos) {
      std::abort();
    } else if (read >= reads) {
      break;
    }
  }
  return 0;
}
