// Statements: the dispatch on the first token, and the statements that
// are neither blocks nor graphics.
#include "basic/compiler.h"

void Compiler::StatementList(bool in_one_line_if) {
  for (;;) {
    while (Match(TokenKind::Colon)) {
    }
    if (Check(TokenKind::EndOfLine) || (in_one_line_if && CheckKeyword(Keyword::Else))) return;
    Statement(in_one_line_if);
    if (Match(TokenKind::Colon)) continue;
    if (CheckKeyword(Keyword::Rem)) continue;  // ' may follow a statement directly
    if (Check(TokenKind::EndOfLine) || (in_one_line_if && CheckKeyword(Keyword::Else))) return;
    Unexpected("':' or end of line");
  }
}

void Compiler::Statement(bool in_one_line_if) {
  const Token& first = Peek();
  CheckCaseComesFirst(first);
  if (first.kind == TokenKind::Name) return NameStatement();
  if (first.kind != TokenKind::Keyword) Unexpected("a statement");
  switch (first.keyword) {
    case Keyword::Rem: Advance(); return;
    case Keyword::Let: Advance(); return Assignment();
    case Keyword::Print: Advance(); return Print();
    case Keyword::Input: Advance(); return Input();
    case Keyword::Dim: Advance(); return Dim();
    case Keyword::Goto: Advance(); return JumpStatement(Op::Jump);
    case Keyword::Gosub: Advance(); return JumpStatement(Op::Gosub);
    case Keyword::Return: Advance(); builder_.Emit(Op::Return); return;
    case Keyword::Stop: Advance(); builder_.Emit(Op::End); return;
    case Keyword::End:
      if (Peek(1).kind == TokenKind::Keyword && Peek(1).keyword == Keyword::If) return EndIf();
      if (EndOfProcedureOrSelect()) return;
      Advance();
      builder_.Emit(Op::End);
      return;
    case Keyword::If: return If();
    case Keyword::ElseIf: return ElseIf();
    case Keyword::Else:
      if (in_one_line_if) Unexpected("a statement");
      return Else();
    case Keyword::For: return For();
    case Keyword::Next: return Next();
    case Keyword::While: return While();
    case Keyword::Wend: return Wend();
    case Keyword::Do: return Do();
    case Keyword::Loop: return Loop();
    case Keyword::Exit: return Exit();
    case Keyword::Sub: return Procedure(ProcedureKind::Sub, in_one_line_if);
    case Keyword::Function: return Procedure(ProcedureKind::Function, in_one_line_if);
    case Keyword::Def: return Procedure(ProcedureKind::DefFn, in_one_line_if);
    case Keyword::Call: return CallStatement();
    case Keyword::Shared: return SharedOrStatic(true);
    case Keyword::Static: return SharedOrStatic(false);
    case Keyword::Declare: return Declare();
    case Keyword::Select: return Select();
    case Keyword::Case: return Case();
    case Keyword::Cls: return Cls();
    case Keyword::Line: return Line();
    case Keyword::Circle: return Circle();
    case Keyword::Pset: return Pset();
    case Keyword::Randomize:
      Advance();
      NumberExpression();
      builder_.Emit(Op::Randomize);
      return;
    case Keyword::Sleep:
      Advance();
      NumberExpression();
      builder_.Emit(Op::Sleep);
      return;
    case Keyword::Run: case Keyword::List: case Keyword::New: case Keyword::Load: case Keyword::Save:
    case Keyword::System:
      Fail(first, std::string(KeywordText(first.keyword)) + " is a command of the direct mode");
    default:
      Unexpected("a statement");
  }
}

Instruction Compiler::Variable(bool for_store, ValueKind* kind) {
  const Token& name = Expect(TokenKind::Name, "a variable");
  const std::string canonical = Declared(CanonicalName(name.text));
  CheckNotFunction(name, canonical);
  *kind = KindOfName(canonical);
  if (!Check(TokenKind::LeftParen)) {
    if (*kind == ValueKind::String) {
      return {for_store ? Op::StoreString : Op::LoadString, variables_->StringSlot(canonical)};
    }
    const Op store = *kind == ValueKind::Integer ? Op::StoreInteger : Op::StoreNumber;
    return {for_store ? store : Op::LoadNumber, variables_->NumberSlot(canonical)};
  }
  int32_t subscripts;
  const int32_t slot = ArrayWithSubscripts(name, &subscripts);
  if (*kind == ValueKind::String) {
    return {for_store ? Op::StoreStringElement : Op::LoadStringElement, slot, subscripts};
  }
  const Op store = *kind == ValueKind::Integer ? Op::StoreIntegerElement : Op::StoreElement;
  return {for_store ? store : Op::LoadElement, slot, subscripts};
}

// "(a [, b [, c]])" after an array's name: compiles the subscripts (or
// bounds) and gives the array's slot, checking that every use of the array
// agrees on their number.
int32_t Compiler::ArrayWithSubscripts(const Token& name, int32_t* subscripts) {
  const std::string canonical = Declared(CanonicalName(name.text));
  Expect(TokenKind::LeftParen, "'('");
  *subscripts = 0;
  do {
    if (++*subscripts > 3) Fail(Peek(), "an array has at most 3 subscripts");
    NumberExpression();
  } while (Match(TokenKind::Comma));
  Expect(TokenKind::RightParen, "')'");
  const int32_t slot = variables_->ArraySlot(canonical, *subscripts);
  if (slot < 0) {
    Fail(name, "array " + canonical + " has " + std::to_string(variables_->ArraySubscripts(canonical)) +
                   " subscripts elsewhere");
  }
  return slot;
}

void Compiler::Assignment() {
  ValueKind kind;
  const Instruction store = Variable(true, &kind);
  Expect(TokenKind::Equal, "'='");
  if (kind == ValueKind::String) {
    StringExpression();
  } else {
    NumberExpression();
  }
  builder_.Emit(store.op, store.a, store.b);
}

// Items separated by ';' (nothing between) or ',' (next column of 14), or
// by nothing at all; a separator at the end keeps the cursor on the line.
void Compiler::Print() {
  bool ends_with_separator = false;
  while (!AtStatementEnd()) {
    if (Match(TokenKind::Semicolon)) {
      ends_with_separator = true;
      continue;
    }
    if (Match(TokenKind::Comma)) {
      builder_.Emit(Op::PrintComma);
      ends_with_separator = true;
      continue;
    }
    builder_.Emit(Expression() == ValueKind::String ? Op::PrintString : Op::PrintNumber);
    ends_with_separator = false;
  }
  if (!ends_with_separator) builder_.Emit(Op::PrintNewline);
  builder_.Emit(Op::PrintFlush);
}

void Compiler::Input() {
  int32_t prompt = -1;
  bool question = true;
  if (Check(TokenKind::String)) {
    prompt = builder_.StringConstant(Advance().text);
    if (Match(TokenKind::Comma)) {
      question = false;
    } else {
      Expect(TokenKind::Semicolon, "';' or ',' after the prompt");
    }
  }
  // The line is read first; then each variable, subscripts included, is
  // evaluated and given its field in turn.
  builder_.Emit(Op::Input, static_cast<int32_t>(code_->input_forms.size()), prompt, question);
  std::vector<bool> form;
  do {
    ValueKind kind;
    const Instruction store = Variable(true, &kind);
    const int32_t field = static_cast<int32_t>(form.size());
    form.push_back(kind == ValueKind::String);
    builder_.Emit(kind == ValueKind::String ? Op::InputFieldString : Op::InputFieldNumber, field);
    builder_.Emit(store.op, store.a, store.b);
  } while (Match(TokenKind::Comma));
  code_->input_forms.push_back(std::move(form));
}

void Compiler::Dim() {
  if (MatchKeyword(Keyword::Shared)) return DimShared();
  do {
    const Token& name = Expect(TokenKind::Name, "an array name");
    if (!Check(TokenKind::LeftParen)) Unexpected("'(' and the array's bounds");
    int32_t subscripts;
    const int32_t slot = ArrayWithSubscripts(name, &subscripts);
    builder_.Emit(Op::Dim, slot, subscripts);
  } while (Match(TokenKind::Comma));
}

void Compiler::JumpStatement(Op op) {
  const Token& at = Peek();
  std::string label = Target();
  AddJump(builder_.Emit(op), at, std::move(label));
}

// A line number or a label name.
std::string Compiler::Target() {
  const Token& token = Peek();
  if (token.kind == TokenKind::Number && token.digits_only) {
    Advance();
    if (token.number > 65529) Fail(token, "line number must be 0 to 65529");
    return std::to_string(static_cast<int32_t>(token.number));
  }
  if (token.kind == TokenKind::Name) return Advance().text;
  Unexpected("a line number or label");
}

void Compiler::AddJump(int32_t position, const Token& at, std::string label) {
  jumps_.push_back(PendingJump{position, std::move(label), line_, at.column});
}
