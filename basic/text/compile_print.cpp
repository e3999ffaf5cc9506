#include "basic/text/compile_print.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"

namespace {

// TAB(n) or SPC(n) as an item of PRINT; false when the item is another.
bool CompilePrintPosition(Compiler& c) {
  if (!c.CheckKeyword(Keyword::Tab) && !c.CheckKeyword(Keyword::Spc)) return false;
  const bool tab = c.Advance().keyword == Keyword::Tab;
  c.Expect(TokenKind::LeftParen, "'('");
  NumberExpression(c);
  c.Expect(TokenKind::RightParen, "')'");
  c.builder.Emit(tab ? Op::PrintTab : Op::PrintSpc);
  return true;
}

}  // namespace

// Items separated by ';' (nothing between) or ',' (next column of 14), or
// by nothing at all; a separator at the end keeps the cursor on the line.
void CompilePrint(Compiler& c) {
  c.Advance();
  bool ends_with_separator = false;
  while (!c.AtStatementEnd()) {
    if (c.Match(TokenKind::Semicolon)) {
      ends_with_separator = true;
      continue;
    }
    if (c.Match(TokenKind::Comma)) {
      c.builder.Emit(Op::PrintComma);
      ends_with_separator = true;
      continue;
    }
    if (CompilePrintPosition(c)) {
      ends_with_separator = true;  // TAB and SPC keep the line open, as ';' does
      continue;
    }
    const ValueKind kind = Expression(c);
    if (kind == ValueKind::String) {
      c.builder.Emit(Op::PrintString);
    } else {
      c.builder.Emit(Op::PrintNumber, static_cast<int32_t>(kind));
    }
    ends_with_separator = false;
  }
  if (!ends_with_separator) c.builder.Emit(Op::PrintNewline);
  c.builder.Emit(Op::PrintFlush);
}

// LOCATE [row] [, [column] [, [cursor] [, [start] [, stop]]]]: the
// cursor's shape is not this screen's to change.
void CompileLocate(Compiler& c) {
  c.Advance();
  c.builder.Emit(Op::Locate, OptionalArguments(c, 5, 2));
}

// WIDTH [columns] [, rows]
void CompileWidth(Compiler& c) {
  c.Advance();
  OptionalArguments(c, 2, 0);
}
