#include "basic/qb64/compile_qb64.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/qb64/metacommands.h"

void CompileQbTitle(Compiler& c) {
  c.Advance();
  StringExpression(c);
  c.builder.Emit(Op::QbTitle);
}

void CompileQbPause(Compiler& c, Op op) {
  c.Advance();
  NumberExpression(c);
  c.builder.Emit(op);
}

// A window that is always a window, its pixels drawn as they are: the
// arguments (_FULLSCREEN _SQUAREPIXELS, _SMOOTH) choose among nothing.
void CompileQbWindowWord(Compiler& c) {
  c.Advance();
  while (!c.AtStatementEnd()) c.Advance();
}

bool CompileMetacommand(Compiler& c, std::string_view line) {
  const MetacommandLine meta = ReadMetacommand(line);
  if (meta.kind == Metacommand::Invalid) throw CompileError{1, meta.error};
  if (meta.kind == Metacommand::NoPrefix) c.unprefixed = true;
  return StartsWithMetacommand(line);
}
