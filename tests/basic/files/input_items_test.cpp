// How INPUT # and LINE INPUT # cut a file's bytes, over text in memory.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "basic/files/input_items.h"

namespace {

class TextSource final : public ByteSource {
 public:
  explicit TextSource(std::string text) : text_(std::move(text)) {}
  int Peek() override { return at_ < text_.size() ? static_cast<unsigned char>(text_[at_]) : -1; }
  void Take() override {
    if (at_ >= text_.size()) ADD_FAILURE() << "Take at the end";
    ++at_;
  }
  std::size_t at() const { return at_; }
  std::size_t size() const { return text_.size(); }

 private:
  std::string text_;
  std::size_t at_ = 0;
};

// The reads asked for, one letter each (N number item, S string item, L
// line), and what each gave: its bytes and '|', or <62> for an error.
std::string Cut(const std::string& bytes, const std::string& reads) {
  TextSource source(bytes);
  std::string results;
  for (char read : reads) {
    std::string text;
    const RunError error = read == 'L' ? ReadInputLine(source, &text)
                                       : ReadInputItem(source, read == 'N' ? InputItemKind::Number
                                                                           : InputItemKind::String,
                                                       &text);
    results += error == RunError::None ? text + "|" : "<" + std::to_string(static_cast<int>(error)) + ">";
  }
  return results;
}

TEST(BasicFilesInputItems, CutAsTheClassicBasicsDid) {
  const std::string long_x(MaxItemBytes, 'x');
  const struct {
    std::string bytes;
    const char* reads;
    std::string results;
    const char* why;
  } cases[] = {
      {"1,2,3", "NNN", "1|2|3|", "commas part numbers"},
      {" 12  34\r\n56", "NNN", "12|34|56|", "so do blanks and line ends"},
      {"1 , 2", "NN", "1|2|", "blanks before a comma belong to the separator"},
      {"1,,2", "NNN", "1||2|", "two commas leave an empty item between them"},
      {",", "SS", "|<62>", "a lone comma is one empty item"},
      {"12abc def", "NN", "12abc|def|", "a number runs to a blank whatever it holds; its reader judges it"},
      {"\"12\",3", "NN", "\"12\"|3|", "a number does not heed quotes"},
      {"\"a,b\",c", "SS", "a,b|c|", "a quoted string keeps its commas"},
      {"\"\"", "S", "|", "an empty quoted string"},
      {"  hello world  ,x", "SS", "hello world|x|", "outer blanks dropped, inner kept"},
      {"a\tb\t,c", "SS", "a\tb|c|", "a tab is a blank"},
      {"a\"b\",c", "SS", "a\"b\"|c|", "a quote inside an unquoted string is kept"},
      {"\"a\r\nb\"", "S", "a\r\nb|", "a line end inside quotes is kept"},
      {"\"ab\"cd,e", "SS", "ab|e|", "what follows the closing quote is dropped up to the comma"},
      {"\"ab\" x\r\ny", "SS", "ab|y|", "... or up to the line end"},
      {"\"abc", "S", "abc|", "a quote never closed runs to the end"},
      {"  \"a\"  ,  7  ", "SN", "a|7|", "blanks around a quoted item and a number"},
      {std::string("a\0b,c", 5), "SS", std::string("a\0b|c|", 6), "a NUL is a byte like another"},
      {"", "N", "<62>", "an empty file has no item"},
      {"1\r\n", "NN", "1|<62>", "only a line end left: past the end, although EOF was false"},
      {"x \t\r\n \r\n", "SS", "x|<62>", "blanks and line ends alone are no item"},
      {"a\r\nb\nc\rd", "LLLL", "a|b|c|d|", "CR LF, LF and CR each end a line"},
      {"a\r\n\r\nb", "LLL", "a||b|", "an empty line"},
      {"\n\r", "LLL", "||<62>", "LF then CR: two empty lines"},
      {"abc", "LL", "abc|<62>", "a last line without its line end"},
      {"1,2\r\n\"q\", of line\r\n", "NLL", "1|2|\"q\", of line|", "LINE INPUT takes the rest of the line as it is"},
      {"\"q\" \r\nnext", "SL", "q|next|", "an item takes its line end"},
      {long_x + "xx,y", "SSS", long_x + "|xx|y|", "an item stops at the limit; the rest is the next"},
      {long_x + ",y", "SS", long_x + "|y|", "an item just at the limit keeps its comma"},
      {long_x + "zz\r\nw", "LLL", long_x + "|zz|w|", "so does a line"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cut(c.bytes, c.reads), c.results) << c.why;
  }
}

// Over random files and random reads: every read that succeeds takes at
// least one byte (so no loop of reads can hang), keeps within the limit,
// and a read fails only when nothing but blanks and line ends was left.
TEST(BasicFilesInputItems, EveryReadMovesOnOrMeetsTheEnd) {
  const char alphabet[] = {'a', '1', ' ', '\t', ',', '"', '\r', '\n', '\0', '\x1A', '\xFF'};
  std::mt19937 random(20240611);
  int failures = 0;
  for (int round = 0; round < 3000 && failures < 5; ++round) {
    std::string bytes(random() % 40, ' ');
    for (char& byte : bytes) byte = alphabet[random() % sizeof alphabet];
    TextSource source(bytes);
    for (int read = 0; read < 50 && source.at() < source.size(); ++read) {
      const std::size_t before = source.at();
      std::string text;
      const int kind = static_cast<int>(random() % 3);
      const RunError error = kind == 2 ? ReadInputLine(source, &text)
                                       : ReadInputItem(source, kind == 0 ? InputItemKind::Number
                                                                         : InputItemKind::String,
                                                       &text);
      const bool moved = source.at() > before;
      const bool blank_rest = bytes.find_first_not_of(" \t\r\n", before) == std::string::npos;
      const bool fine = error == RunError::None ? moved && text.size() <= MaxItemBytes
                                                : error == RunError::InputPastEndOfFile && blank_rest;
      if (!fine) {
        ++failures;
        ADD_FAILURE() << "bytes of size " << bytes.size() << " read " << kind << " at " << before << ": error "
                      << static_cast<int>(error) << ", now at " << source.at();
      }
    }
  }
}

}  // namespace
