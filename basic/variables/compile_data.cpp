#include "basic/variables/compile_data.h"

#include "basic/compiler/compile_jumps.h"
#include "basic/compiler/compiler.h"
#include "basic/text/fields.h"
#include "basic/variables/compile_variables.h"

void CompileData(Compiler& c) {
  const Token& data = c.Advance();
  // Messages about an item name the DATA's own line number where it has one.
  const Token& first = c.tokens.front();
  const bool numbered = first.kind == TokenKind::Number && first.digits_only && first.number <= 65529;
  const int32_t line = numbered ? static_cast<int32_t>(first.number) : c.ReportedLine(c.current_line);
  for (const Field& field : SplitFields(data.text)) {
    if (field.malformed) {
      const auto offset = static_cast<int32_t>(field.text.data() - data.text.data());
      throw CompileError{data.column + 4 + offset, "expected ',' after the quoted DATA item"};
    }
    c.code->data.push_back(DataItem{std::string(field.text), field.quoted, line});
  }
}

// READ v [, v ...]: each variable, subscripts first, takes the next item.
void CompileRead(Compiler& c) {
  c.Advance();
  do {
    ValueKind kind;
    const Instruction store = CompileVariable(c, true, &kind);
    c.builder.Emit(kind == ValueKind::String ? Op::ReadString : Op::ReadNumber);
    c.builder.Emit(store.op, store.a, store.b, store.c);
  } while (c.Match(TokenKind::Comma));
}

// RESTORE [line or label]: the first item, or the first at or after it.
void CompileRestore(Compiler& c) {
  c.Advance();
  const int32_t restore = c.builder.Emit(Op::Restore, 0);
  if (c.AtStatementEnd()) return;
  const Token& at = c.Peek();
  std::string label = ReadTarget(c);
  c.jumps.push_back(PendingJump{restore, std::move(label), c.current_line, at.column, true});
}
