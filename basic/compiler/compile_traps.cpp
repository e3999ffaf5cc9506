#include "basic/compiler/compile_traps.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compile_jumps.h"
#include "basic/compiler/compiler.h"
#include "basic/executor/error_trap.h"

namespace {

// Line 0 is no line here: GOTO 0 and RESUME 0 have meanings of their own.
bool AtLineZero(const Compiler& c) {
  const Token& token = c.Peek();
  return token.kind == TokenKind::Number && token.digits_only && token.number == 0;
}

}  // namespace

void CompileOnError(Compiler& c) {
  c.ExpectKeyword(Keyword::Error);
  c.ExpectKeyword(Keyword::Goto);
  if (AtLineZero(c)) {
    c.Advance();
    c.builder.Emit(Op::OnErrorGoto, -1);
    return;
  }
  const Token& at = c.Peek();
  std::string label = ReadTarget(c);
  AddJump(c, c.builder.Emit(Op::OnErrorGoto), at, std::move(label));
}

void CompileResume(Compiler& c) {
  c.Advance();
  if (c.MatchKeyword(Keyword::Next)) {
    c.builder.Emit(Op::Resume, 0, ResumeNext);
    return;
  }
  if (c.AtStatementEnd() || AtLineZero(c)) {
    if (!c.AtStatementEnd()) c.Advance();
    c.builder.Emit(Op::Resume, 0, ResumeFailed);
    return;
  }
  const Token& at = c.Peek();
  std::string label = ReadTarget(c);
  AddJump(c, c.builder.Emit(Op::Resume, 0, ResumeAtLine), at, std::move(label));
}

void CompileRaiseError(Compiler& c) {
  c.Advance();
  NumberExpression(c);
  c.builder.Emit(Op::RaiseError);
}
