// The classic words this BASIC lacks, met where a statement starts or in
// an expression: each is an error that names it.
#include "basic/tokens/classic_words.h"
#include "basic/compiler/compiler.h"

namespace {

bool IsWord(const Token& token) { return token.kind == TokenKind::Name || token.kind == TokenKind::Keyword; }

std::string WordOf(const Token& token) {
  return token.kind == TokenKind::Keyword ? KeywordText(token.keyword) : token.text;
}

// '#' and USING, SEG: the second word of PRINT #, PRINT USING, DEF SEG.
bool IsModifier(const Token& token) {
  if (token.kind != TokenKind::Unsupported) return false;
  const ClassicWord* word = FindClassicWord(token.text);
  return token.text == "#" || (word && word->use == ClassicUse::Modifier);
}

std::string NotAStatement(const std::string& words) { return words + " is not a statement of this BASIC"; }

}  // namespace

// PCOPY 1, 0 and KEY OFF, but also PRINT #1, X and LINE INPUT #1, A$:
// the words up to the one this BASIC lacks name the statement.
void Compiler::RejectClassicStatement() {
  const Token& first = Peek();
  if (first.kind == TokenKind::Unsupported) Fail(first, NotAStatement(first.text));
  std::string words;
  for (std::size_t ahead = 0; ahead < 3 && IsWord(Peek(ahead)); ++ahead) {
    words += WordOf(Peek(ahead)) + " ";
    if (IsModifier(Peek(ahead + 1))) Fail(first, NotAStatement(words + Peek(ahead + 1).text));
  }
}

// INKEY$ and PEEK(0) are functions there, so they are named as such; a
// statement's word in an expression is merely out of place.
ValueKind Compiler::ClassicFunction(const Token& word) {
  const ClassicWord* entry = FindClassicWord(word.text);
  if (entry && entry->use == ClassicUse::Function) Fail(word, word.text + " is not a function of this BASIC");
  Unexpected("an expression");
}

// ON ERROR, ON KEY(n), ON TIMER(n) and their kin trap events, which this
// BASIC does not have.
void Compiler::RejectEventTrap(const Token& on) {
  static const char* const events[] = {"COM", "ERROR", "KEY", "PEN", "PLAY", "STRIG", "TIMER"};
  const Token& next = Peek();
  if (!IsWord(next) && next.kind != TokenKind::Unsupported) return;
  const std::string word = WordOf(next);
  for (const char* event : events) {
    if (word == event) Fail(on, NotAStatement("ON " + word));
  }
}
