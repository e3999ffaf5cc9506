#include "basic/compiler/compile_classic.h"

#include <string>

#include "basic/compiler/compiler.h"
#include "basic/tokens/classic_words.h"

namespace {

bool IsWord(const Token& token) { return token.kind == TokenKind::Name || token.kind == TokenKind::Keyword; }

std::string WordOf(const Token& token) {
  return token.kind == TokenKind::Keyword ? KeywordText(token.keyword) : token.text;
}

// SEG: the second word of DEF SEG.
bool IsModifier(const Token& token) {
  if (token.kind != TokenKind::Unsupported) return false;
  const ClassicWord* word = FindClassicWord(token.text);
  return word && word->use == ClassicUse::Modifier;
}

std::string NotAStatement(const std::string& words) { return words + " is not a statement of this BASIC"; }

// _NEWIMAGE, _RGB32: QB64's own words, named as such.
[[noreturn]] void RejectQb64Word(Compiler& c, const Token& word) {
  c.Fail(word, word.text + " is a QB64 word that this BASIC does not have");
}
bool IsQb64Word(const Token& token) { return token.kind == TokenKind::Unsupported && token.text[0] == '_'; }

}  // namespace

// PCOPY 1, 0 and KEY OFF, but also PRINT #1, X and LINE INPUT #1, A$:
// the words up to the one this BASIC lacks name the statement.
void RejectClassicStatement(Compiler& c) {
  const Token& first = c.Peek();
  if (IsQb64Word(first)) RejectQb64Word(c, first);
  if (first.kind == TokenKind::Unsupported) c.Fail(first, NotAStatement(first.text));
  std::string words;
  for (std::size_t ahead = 0; ahead < 3 && IsWord(c.Peek(ahead)); ++ahead) {
    words += WordOf(c.Peek(ahead)) + " ";
    if (IsModifier(c.Peek(ahead + 1))) c.Fail(first, NotAStatement(words + c.Peek(ahead + 1).text));
  }
}

// INKEY$ and PEEK(0) are functions there, so they are named as such; a
// statement's word in an expression is merely out of place.
ValueKind CompileClassicFunction(Compiler& c, const Token& word) {
  if (IsQb64Word(word)) RejectQb64Word(c, word);
  const ClassicWord* entry = FindClassicWord(word.text);
  if (entry && entry->use == ClassicUse::Function) c.Fail(word, word.text + " is not a function of this BASIC");
  c.Unexpected("an expression");
}

// ON KEY(n), ON TIMER(n) and their kin trap events, which this
// BASIC does not have.
void RejectEventTrap(Compiler& c, const Token& on) {
  static const char* const events[] = {"COM", "KEY", "PEN", "PLAY", "STRIG", "TIMER"};
  const Token& next = c.Peek();
  if (!IsWord(next) && next.kind != TokenKind::Unsupported) return;
  const std::string word = WordOf(next);
  for (const char* event : events) {
    if (word == event) c.Fail(on, NotAStatement("ON " + word));
  }
}
