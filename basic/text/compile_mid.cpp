#include "basic/text/compile_mid.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/variables/compile_variables.h"

void CompileMidStatement(Compiler& c) {
  c.Advance();
  c.Expect(TokenKind::LeftParen, "'('");
  const Token& at = c.Peek();
  ValueKind kind;
  const Instruction store = CompileVariable(c, true, &kind);
  if (kind != ValueKind::String) c.Fail(at, "the MID$ statement needs a string variable");
  const bool element = store.op == Op::StoreStringElement || store.op == Op::StoreFixedStringElement;
  c.Expect(TokenKind::Comma, "','");
  NumberExpression(c);
  const bool count = c.Match(TokenKind::Comma);
  if (count) NumberExpression(c);
  c.Expect(TokenKind::RightParen, "')'");
  c.Expect(TokenKind::Equal, "'='");
  StringExpression(c);
  c.builder.Emit(Op::MidAssign, store.a, element ? store.b : 0, count);
}

