#include "basic/tokens/token.h"

namespace {

struct KeywordEntry {
  const char* text;
  Keyword keyword;
};
constexpr KeywordEntry Keywords[] = {
#define BASIC_KEYWORD_ENTRY(name, text) {text, Keyword::name},
    BASIC_KEYWORDS(BASIC_KEYWORD_ENTRY)
#undef BASIC_KEYWORD_ENTRY
};

}  // namespace

Keyword FindKeyword(const std::string& word) {
  for (const KeywordEntry& entry : Keywords) {
    if (word == entry.text) return entry.keyword;
  }
  return Keyword::None;
}

const char* KeywordText(Keyword keyword) {
  for (const KeywordEntry& entry : Keywords) {
    if (entry.keyword == keyword) return entry.text;
  }
  return "";
}

std::string DescribeToken(const Token& token) {
  switch (token.kind) {
    case TokenKind::EndOfLine: return "end of line";
    case TokenKind::Number: return "a number";
    case TokenKind::String: return "a string";
    case TokenKind::Name: case TokenKind::Unsupported: return "'" + token.text + "'";
    case TokenKind::Keyword:
      if (token.keyword == Keyword::Rem) return "a comment";
      return std::string("'") + KeywordText(token.keyword) + "'";
    case TokenKind::Colon: return "':'";
    case TokenKind::Comma: return "','";
    case TokenKind::Semicolon: return "';'";
    case TokenKind::LeftParen: return "'('";
    case TokenKind::RightParen: return "')'";
    case TokenKind::Plus: return "'+'";
    case TokenKind::Minus: return "'-'";
    case TokenKind::Star: return "'*'";
    case TokenKind::Slash: return "'/'";
    case TokenKind::Backslash: return "'\\'";
    case TokenKind::Caret: return "'^'";
    case TokenKind::Equal: return "'='";
    case TokenKind::NotEqual: return "'<>'";
    case TokenKind::Less: return "'<'";
    case TokenKind::Greater: return "'>'";
    case TokenKind::LessEqual: return "'<='";
    case TokenKind::GreaterEqual: return "'>='";
    case TokenKind::Period: return "'.'";
  }
  return "a token";
}
