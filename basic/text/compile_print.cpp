#include "basic/text/compile_print.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/files/compile_files.h"

namespace {

// TAB(n) or SPC(n) as an item of PRINT; false when the item is another.
bool CompilePrintPosition(Compiler& c, bool to_file) {
  if (!c.CheckKeyword(Keyword::Tab) && !c.CheckKeyword(Keyword::Spc)) return false;
  const bool tab = c.Advance().keyword == Keyword::Tab;
  c.Expect(TokenKind::LeftParen, "'('");
  NumberExpression(c);
  c.Expect(TokenKind::RightParen, "')'");
  c.builder.Emit(tab ? Op::PrintTab : Op::PrintSpc, 0, to_file);
  return true;
}

// PRINT #n, and LPRINT: where the items go; true for a file or the printer.
bool CompilePrintTarget(Compiler& c) {
  if (c.Advance().keyword == Keyword::Lprint) {
    c.builder.Emit(Op::PrintFileStart, 1);
    return true;
  }
  if (!MatchHash(c)) return false;
  NumberExpression(c);
  c.builder.Emit(Op::PrintFileStart);
  if (!c.AtStatementEnd()) c.Expect(TokenKind::Comma, "','");
  return true;
}

// USING format; items: the items fill the format's fields in turn, ';'
// and ',' only part them. Gives whether a separator ended the list.
bool CompilePrintUsing(Compiler& c, bool to_file) {
  StringExpression(c);
  c.Expect(TokenKind::Semicolon, "';' after the format");
  c.builder.Emit(Op::UsingStart);
  bool ends_with_separator = true;
  while (!c.AtStatementEnd()) {
    if (c.Match(TokenKind::Semicolon) || c.Match(TokenKind::Comma)) {
      ends_with_separator = true;
      continue;
    }
    const ValueKind kind = Expression(c);
    if (kind == ValueKind::String) {
      c.builder.Emit(Op::UsingString, 0, to_file);
    } else {
      c.builder.Emit(Op::UsingNumber, static_cast<int32_t>(kind), to_file);
    }
    ends_with_separator = false;
  }
  c.builder.Emit(Op::UsingEnd, 0, to_file);
  return ends_with_separator;
}

}  // namespace

// PRINT [#n,] [USING format;] items, and LPRINT the same without #n.
// Items separated by ';' (nothing between) or ',' (next column of 14), or
// by nothing at all; a separator at the end keeps the cursor on the line.
void CompilePrint(Compiler& c) {
  const bool to_file = CompilePrintTarget(c);
  bool ends_with_separator = false;
  if (c.MatchKeyword(Keyword::Using)) ends_with_separator = CompilePrintUsing(c, to_file);
  while (!c.AtStatementEnd()) {
    if (c.Match(TokenKind::Semicolon)) {
      ends_with_separator = true;
      continue;
    }
    if (c.Match(TokenKind::Comma)) {
      c.builder.Emit(Op::PrintComma, 0, to_file);
      ends_with_separator = true;
      continue;
    }
    if (CompilePrintPosition(c, to_file)) {
      ends_with_separator = true;  // TAB and SPC keep the line open, as ';' does
      continue;
    }
    const ValueKind kind = Expression(c);
    if (kind == ValueKind::String) {
      c.builder.Emit(Op::PrintString, 0, to_file);
    } else {
      c.builder.Emit(Op::PrintNumber, static_cast<int32_t>(kind), to_file);
    }
    ends_with_separator = false;
  }
  if (!ends_with_separator) c.builder.Emit(Op::PrintNewline, 0, to_file);
  c.builder.Emit(to_file ? Op::PrintFileEnd : Op::PrintFlush);
}

// LOCATE [row] [, [column] [, [cursor] [, [start] [, stop]]]]: the
// cursor and its shape matter on the PC's text screen only.
void CompileLocate(Compiler& c) {
  c.Advance();
  c.builder.Emit(Op::Locate, OptionalArguments(c, 5, 5));
}

// WIDTH [columns] [, rows]
void CompileWidth(Compiler& c) {
  c.Advance();
  c.builder.Emit(Op::Width, OptionalArguments(c, 2, 2));
}
