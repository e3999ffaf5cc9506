// Method: one pass over the bytes of a line, longest match first. Names are
// folded to upper case with their suffix kept; a word that is a keyword
// becomes one (LEFT$ with its '$'), so keywords are never names; a word of
// classic BASIC that this one lacks becomes an Unsupported token, so it is
// never a name either.
#include "basic/tokens/lexer.h"

#include <algorithm>
#include <cctype>

#include "basic/tokens/classic_words.h"
#include "basic/tokens/number_literal.h"

namespace {

bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsSuffix(char c) { return c == '$' || c == '%' || c == '#' || c == '!' || c == '&'; }
bool IsNameByte(unsigned char c) { return IsLetter(c) || IsDigit(c) || c == '_'; }

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
  return upper;
}

class Lexer {
 public:
  Lexer(std::string_view line, bool unprefixed) : line_(line), unprefixed_(unprefixed) {}

  LexResult Run() {
    while (!result_.failed) {
      SkipSpaces();
      if (at_ >= line_.size()) break;
      if (!NextToken()) break;
    }
    Token end;
    end.column = static_cast<int32_t>(line_.size()) + 1;
    result_.tokens.push_back(end);
    return std::move(result_);
  }

 private:
  void SkipSpaces() {
    while (at_ < line_.size() && (line_[at_] == ' ' || line_[at_] == '\t' || line_[at_] == '\r')) ++at_;
  }
  unsigned char Peek(std::size_t ahead = 0) const {
    return at_ + ahead < line_.size() ? static_cast<unsigned char>(line_[at_ + ahead]) : 0;
  }
  Token Start() const {
    Token token;
    token.column = static_cast<int32_t>(at_) + 1;
    return token;
  }
  void Fail(std::size_t at, std::string message) {
    result_.failed = true;
    result_.error_column = static_cast<int32_t>(at) + 1;
    result_.error = std::move(message);
  }
  void Add(Token token) { result_.tokens.push_back(std::move(token)); }

  // Returns false when the rest of the line is consumed (a comment).
  bool NextToken() {
    const unsigned char c = Peek();
    if (IsLetter(c) || (c == '_' && IsLetter(Peek(1)))) return Word();
    if (StartsNumber(line_.substr(at_))) return Number();
    if (c == '"') return String();
    if (c == '\'') return Comment(Start());
    return Punctuation();
  }

  bool Word() {
    Token token = Start();
    const std::size_t begin = at_;
    while (IsNameByte(Peek())) ++at_;
    const std::size_t length = at_ - begin;
    std::string word = UpperCase(line_.substr(begin, length));
    if (AfterPeriod()) return PlainName(std::move(token), std::move(word), begin);
    if (IsSuffix(static_cast<char>(Peek()))) {
      const Keyword with_suffix = FindKeyword(word + static_cast<char>(Peek()));
      if (with_suffix != Keyword::None) {
        ++at_;
        token.kind = TokenKind::Keyword;
        token.keyword = with_suffix;
        Add(std::move(token));
        return true;
      }
      const std::string spelled = word + static_cast<char>(Peek());
      if (FindClassicWord(spelled)) {
        ++at_;
        return Unsupported(std::move(token), spelled);
      }
    }
    if (word == "GO" && GoesTo(&token)) {
      Add(std::move(token));
      return true;
    }
    const Keyword keyword = KeywordOf(word);
    if (keyword != Keyword::None) {
      token.kind = TokenKind::Keyword;
      token.keyword = keyword;
      if (keyword == Keyword::Rem) return Comment(std::move(token));
      if (keyword == Keyword::Data) return DataItems(std::move(token));
      Add(std::move(token));
      return true;
    }
    if (word.front() == '_') {
      if (length > MaxNameLength) {
        Fail(begin, "name longer than 40 characters");
        return false;
      }
      if (IsSuffix(static_cast<char>(Peek()))) word += static_cast<char>(line_[at_++]);
      return Unsupported(std::move(token), word);
    }
    // LOCK$ and MOTOR% stay names: only the table's own spelling is reserved.
    if (!IsSuffix(static_cast<char>(Peek())) && FindClassicWord(word)) return Unsupported(std::move(token), word);
    return PlainName(std::move(token), std::move(word), begin);
  }

  // After $NOPREFIX, PI is _PI; without it, PI stays the program's name.
  Keyword KeywordOf(const std::string& word) const {
    const Keyword keyword = FindKeyword(word);
    if (keyword != Keyword::None || !unprefixed_ || word.front() == '_') return keyword;
    if (IsSuffix(static_cast<char>(Peek()))) return Keyword::None;  // PI$ stays a name
    return FindKeyword("_" + word);
  }

  bool PlainName(Token token, std::string word, std::size_t begin) {
    if (at_ - begin > MaxNameLength) {
      Fail(begin, "name longer than 40 characters");
      return false;
    }
    if (IsSuffix(static_cast<char>(Peek()))) word += static_cast<char>(line_[at_++]);
    token.kind = TokenKind::Name;
    token.text = std::move(word);
    Add(std::move(token));
    return true;
  }

  // A record's field: P.X, P(1).POS.X. The word after the period is a
  // field's name even when it is a keyword (P.NAME, P.COLOR).
  bool AfterPeriod() const {
    return !result_.tokens.empty() && result_.tokens.back().kind == TokenKind::Period;
  }
  bool FieldPeriod() const {
    if (result_.tokens.empty() || !IsLetter(Peek(1))) return false;
    const TokenKind before = result_.tokens.back().kind;
    return before == TokenKind::Name || before == TokenKind::RightParen;
  }

  bool Comment(Token token) {
    token.kind = TokenKind::Keyword;
    token.keyword = Keyword::Rem;
    Add(std::move(token));
    at_ = line_.size();
    return false;
  }

  // GO TO and GO SUB, with the space, are GOTO and GOSUB; GO before
  // anything else stays a name.
  bool GoesTo(Token* token) {
    std::size_t after = at_;
    while (after < line_.size() && (line_[after] == ' ' || line_[after] == '\t')) ++after;
    std::size_t end = after;
    while (end < line_.size() && IsNameByte(static_cast<unsigned char>(line_[end]))) ++end;
    const std::string next = UpperCase(line_.substr(after, end - after));
    const bool suffix = end < line_.size() && IsSuffix(line_[end]);
    if (after == at_ || suffix || (next != "TO" && next != "SUB")) return false;
    token->kind = TokenKind::Keyword;
    token->keyword = next == "TO" ? Keyword::Goto : Keyword::Gosub;
    at_ = end;
    return true;
  }

  // DATA keeps its items as written, up to a ':' outside quotes or the end
  // of the line; the compiler splits them.
  bool DataItems(Token token) {
    const std::size_t begin = at_;
    bool quoted = false;
    while (at_ < line_.size() && (quoted || line_[at_] != ':')) {
      if (line_[at_] == '"') quoted = !quoted;
      at_ += IsLeadByte(Peek()) && at_ + 1 < line_.size() ? 2 : 1;
    }
    token.text = std::string(line_.substr(begin, at_ - begin));
    Add(std::move(token));
    return true;
  }

  bool Unsupported(Token token, std::string word) {
    token.kind = TokenKind::Unsupported;
    token.text = std::move(word);
    Add(std::move(token));
    return true;
  }

  bool Number() {
    Token token = Start();
    const ScannedNumber scanned = ScanNumber(line_.substr(at_));
    if (!scanned.error.empty()) {
      Fail(at_, scanned.error);
      return false;
    }
    at_ += scanned.length;
    token.kind = TokenKind::Number;
    token.number = scanned.value;
    token.number_kind = scanned.kind;
    token.digits_only = scanned.digits_only;
    Add(std::move(token));
    return true;
  }

  bool String() {
    Token token = Start();
    const std::size_t begin = at_++;
    while (at_ < line_.size() && line_[at_] != '"') {
      const bool pair = IsLeadByte(Peek()) && at_ + 1 < line_.size();
      token.text.append(line_.substr(at_, pair ? 2 : 1));
      at_ += pair ? 2 : 1;
    }
    if (at_ >= line_.size()) {
      Fail(begin, "string without its closing quote");
      return false;
    }
    ++at_;
    token.kind = TokenKind::String;
    Add(std::move(token));
    return true;
  }

  bool Unexpected(unsigned char c) {
    Fail(at_, c >= 0x80 || c < 0x20 ? "unexpected byte in program text"
                                    : std::string("unexpected character '") + static_cast<char>(c) + "'");
    return false;
  }

  bool Punctuation() {
    Token token = Start();
    const unsigned char c = Peek();
    const unsigned char next = Peek(1);
    std::size_t length = 1;
    switch (c) {
      case ':': token.kind = TokenKind::Colon; break;
      case ',': token.kind = TokenKind::Comma; break;
      case ';': token.kind = TokenKind::Semicolon; break;
      case '(': token.kind = TokenKind::LeftParen; break;
      case ')': token.kind = TokenKind::RightParen; break;
      case '+': token.kind = TokenKind::Plus; break;
      case '-': token.kind = TokenKind::Minus; break;
      case '*': token.kind = TokenKind::Star; break;
      case '/': token.kind = TokenKind::Slash; break;
      case '\\': token.kind = TokenKind::Backslash; break;
      case '^': token.kind = TokenKind::Caret; break;
      case '=': token.kind = TokenKind::Equal; break;
      case '.':
        if (!FieldPeriod()) return Unexpected(c);
        token.kind = TokenKind::Period;
        break;
      case '?':
        token.kind = TokenKind::Keyword;
        token.keyword = Keyword::Print;
        break;
      case '#':  // a file number: PRINT #1, INPUT #1
        ++at_;
        return Unsupported(std::move(token), "#");
      case '<':
        token.kind = next == '>' ? TokenKind::NotEqual : next == '=' ? TokenKind::LessEqual : TokenKind::Less;
        length = token.kind == TokenKind::Less ? 1 : 2;
        break;
      case '>':
        token.kind = next == '=' ? TokenKind::GreaterEqual : TokenKind::Greater;
        length = token.kind == TokenKind::Greater ? 1 : 2;
        break;
      default:
        return Unexpected(c);
    }
    at_ += length;
    Add(std::move(token));
    return true;
  }

  std::string_view line_;
  bool unprefixed_;
  std::size_t at_ = 0;
  LexResult result_;
};

}  // namespace

bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

LexResult LexLine(std::string_view line, bool unprefixed) { return Lexer(line, unprefixed).Run(); }

std::string_view TextBeforeEndMark(std::string_view source) {
  return source.substr(0, source.find(EndOfTextMark));
}

std::vector<std::string_view> SplitSourceLines(std::string_view source) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start <= source.size()) {
    std::size_t end = source.find('\n', start);
    if (end == std::string_view::npos) end = source.size();
    std::string_view line = source.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
  return lines;
}
