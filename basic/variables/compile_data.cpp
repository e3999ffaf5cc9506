// DATA, READ and RESTORE. Every DATA item of the program goes into one list
// in text order before the run; DATA itself does nothing when reached, READ
// takes the next items and RESTORE says which comes next.
#include "basic/compiler/compiler.h"
#include "basic/text/fields.h"

void Compiler::Data() {
  const Token& data = Advance();
  // Messages about an item name the DATA's own line number where it has one.
  const Token& first = tokens_.front();
  const bool numbered = first.kind == TokenKind::Number && first.digits_only && first.number <= 65529;
  const int32_t line = numbered ? static_cast<int32_t>(first.number) : ReportedLine(line_);
  for (const Field& field : SplitFields(data.text)) {
    if (field.malformed) {
      const auto offset = static_cast<int32_t>(field.text.data() - data.text.data());
      throw CompileError{data.column + 4 + offset, "expected ',' after the quoted DATA item"};
    }
    code_->data.push_back(DataItem{std::string(field.text), field.quoted, line});
  }
}

// READ v [, v ...]: each variable, subscripts first, takes the next item.
void Compiler::Read() {
  Advance();
  do {
    ValueKind kind;
    const Instruction store = Variable(true, &kind);
    builder_.Emit(kind == ValueKind::String ? Op::ReadString : Op::ReadNumber);
    builder_.Emit(store.op, store.a, store.b);
  } while (Match(TokenKind::Comma));
}

// RESTORE [line or label]: the first item, or the first at or after it.
void Compiler::Restore() {
  Advance();
  const int32_t restore = builder_.Emit(Op::Restore, 0);
  if (AtStatementEnd()) return;
  const Token& at = Peek();
  std::string label = Target();
  jumps_.push_back(PendingJump{restore, std::move(label), line_, at.column, true});
}
