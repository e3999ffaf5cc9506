// The statements of text: PRINT's TAB and SPC, LINE INPUT, the MID$
// statement, and RANDOMIZE with or without its seed.
#include "basic/builtins/builtins.h"
#include "basic/compiler/compiler.h"

// TAB(n) or SPC(n) as an item of PRINT; false when the item is another.
bool Compiler::PrintPosition() {
  if (!CheckKeyword(Keyword::Tab) && !CheckKeyword(Keyword::Spc)) return false;
  const bool tab = Advance().keyword == Keyword::Tab;
  Expect(TokenKind::LeftParen, "'('");
  NumberExpression();
  Expect(TokenKind::RightParen, "')'");
  builder_.Emit(tab ? Op::PrintTab : Op::PrintSpc);
  return true;
}

// LINE INPUT [;] ["prompt";] v$: the whole line typed, commas and quotes
// included, into one string variable or element.
void Compiler::LineInput() {
  Advance();
  Advance();
  Match(TokenKind::Semicolon);  // as after INPUT
  int32_t prompt = -1;
  if (Check(TokenKind::String)) {
    prompt = builder_.StringConstant(Advance().text);
    Expect(TokenKind::Semicolon, "';' after the prompt");
  }
  // The line is read first, then the variable's subscripts are evaluated.
  builder_.Emit(Op::LineInput, prompt);
  const Token& at = Peek();
  ValueKind kind;
  const Instruction store = Variable(true, &kind);
  if (kind != ValueKind::String) Fail(at, "LINE INPUT needs a string variable");
  builder_.Emit(store.op, store.a, store.b);
}

// MID$(v$, start [, count]) = text: overwrites bytes of v$ in place.
void Compiler::MidAssignment() {
  Advance();
  Expect(TokenKind::LeftParen, "'('");
  const Token& at = Peek();
  ValueKind kind;
  const Instruction store = Variable(true, &kind);
  if (kind != ValueKind::String) Fail(at, "the MID$ statement needs a string variable");
  const bool element = store.op == Op::StoreStringElement;
  Expect(TokenKind::Comma, "','");
  NumberExpression();
  const bool count = Match(TokenKind::Comma);
  if (count) NumberExpression();
  Expect(TokenKind::RightParen, "')'");
  Expect(TokenKind::Equal, "'='");
  StringExpression();
  builder_.Emit(Op::MidAssign, store.a, element ? store.b : 0, count);
}

// RANDOMIZE alone is RANDOMIZE TIMER: the seed comes from the clock.
void Compiler::Randomize() {
  Advance();
  if (AtStatementEnd()) {
    builder_.Emit(Op::CallBuiltin, FindBuiltin(Keyword::Timer, ""));
  } else {
    NumberExpression();
  }
  builder_.Emit(Op::Randomize);
}
