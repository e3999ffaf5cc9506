// Statements: the dispatch on the first token, and the statements that
// are neither blocks nor graphics.
#include "basic/compiler/compiler.h"

void Compiler::StatementList(bool in_one_line_if) {
  for (;;) {
    while (Match(TokenKind::Colon)) {
    }
    if (Check(TokenKind::EndOfLine) || (in_one_line_if && CheckKeyword(Keyword::Else))) return;
    builder_.SetColumn(Peek().column);
    Statement(in_one_line_if);
    if (Match(TokenKind::Colon)) continue;
    if (CheckKeyword(Keyword::Rem)) continue;  // ' may follow a statement directly
    if (Check(TokenKind::EndOfLine) || (in_one_line_if && CheckKeyword(Keyword::Else))) return;
    Unexpected("':' or end of line");
  }
}

void Compiler::Statement(bool in_one_line_if) {
  RejectClassicStatement();
  const Token& first = Peek();
  CheckCaseComesFirst(first);
  if (first.kind == TokenKind::Name) return NameStatement();
  if (first.kind != TokenKind::Keyword) Unexpected("a statement");
  switch (first.keyword) {
    case Keyword::Rem: Advance(); return;
    case Keyword::Let: Advance(); return Assignment();
    case Keyword::Print: Advance(); return Print();
    case Keyword::Input: Advance(); return Input();
    case Keyword::Dim: Advance(); return Dim(false);
    case Keyword::Redim: Advance(); return Dim(true);
    case Keyword::Erase: return Erase();
    case Keyword::Swap: return Swap();
    case Keyword::Clear: return Clear();
    case Keyword::Const: return Const();
    case Keyword::Option: return OptionBase();
    case Keyword::DefInt: return DefType(ValueKind::Integer);
    case Keyword::DefLng: return DefType(ValueKind::Long);
    case Keyword::DefSng: case Keyword::DefDbl: return DefType(ValueKind::Number);
    case Keyword::DefStr: return DefType(ValueKind::String);
    case Keyword::Data: return Data();
    case Keyword::Read: return Read();
    case Keyword::Restore: return Restore();
    case Keyword::Goto: Advance(); return JumpStatement(Op::Jump);
    case Keyword::Gosub: Advance(); return JumpStatement(Op::Gosub);
    case Keyword::Return: Advance(); builder_.Emit(Op::Return); return;
    case Keyword::On: return On();
    case Keyword::System: Advance(); builder_.Emit(Op::End); return;  // as END; typed alone it ends basic.exe
    case Keyword::Stop: Advance(); builder_.Emit(Op::Stop); return;
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
    case Keyword::Declare: return DeclareStatement();
    case Keyword::Select: return Select();
    case Keyword::Case: return Case();
    case Keyword::Cls: return Cls();
    case Keyword::Line:
      if (Peek(1).kind == TokenKind::Keyword && Peek(1).keyword == Keyword::Input) return LineInput();
      return Line();
    case Keyword::Mid: return MidAssignment();
    case Keyword::Circle: return Circle();
    case Keyword::Pset: case Keyword::Preset: return Pset();
    case Keyword::Draw: return Draw();
    case Keyword::Screen: return Screen();
    case Keyword::Color: return Color();
    case Keyword::Palette: return Palette();
    case Keyword::Paint: return Paint();
    case Keyword::Window: return Window();
    case Keyword::Randomize: return Randomize();
    case Keyword::Sleep: return Sleep();
    case Keyword::Locate: return Locate();
    case Keyword::Width: return Width();
    case Keyword::Key: return KeyStatement();
    case Keyword::Beep:
      Advance();
      builder_.Emit(Op::Beep);
      return;
    case Keyword::Sound: return Sound();
    case Keyword::Date: case Keyword::Time:
      Fail(first, std::string(KeywordText(first.keyword)) + " = is not a statement of this BASIC: it does not set the clock");
    case Keyword::Run: case Keyword::List: case Keyword::New: case Keyword::Load: case Keyword::Save:
    case Keyword::Cont:
      Fail(first, std::string(KeywordText(first.keyword)) + " is a command of the direct mode");
    default:
      Unexpected("a statement");
  }
}

Op StoreOp(ValueKind kind, bool element) {
  switch (kind) {
    case ValueKind::Integer: return element ? Op::StoreIntegerElement : Op::StoreInteger;
    case ValueKind::Long: return element ? Op::StoreLongElement : Op::StoreLong;
    case ValueKind::String: return element ? Op::StoreStringElement : Op::StoreString;
    case ValueKind::Number: break;
  }
  return element ? Op::StoreElement : Op::StoreNumber;
}

Instruction Compiler::Variable(bool for_store, ValueKind* kind) {
  const Token& name = Expect(TokenKind::Name, "a variable");
  if (!Check(TokenKind::LeftParen)) {
    if (const Instruction* constant = Constant(name)) {
      if (for_store) Fail(name, name.text + " is a constant");
      *kind = constant->op == Op::PushString ? ValueKind::String : ValueKind::Number;
      return *constant;
    }
    const std::string canonical = VariableName(name, false, kind);
    const bool text = *kind == ValueKind::String;
    const int32_t slot = text ? variables_->StringSlot(canonical) : variables_->NumberSlot(canonical);
    if (for_store) return {StoreOp(*kind, false), slot};
    return {text ? Op::LoadString : Op::LoadNumber, slot};
  }
  int32_t subscripts;
  const int32_t slot = ArrayWithSubscripts(name, &subscripts, kind);
  if (for_store) return {StoreOp(*kind, true), slot, subscripts};
  return {*kind == ValueKind::String ? Op::LoadStringElement : Op::LoadElement, slot, subscripts};
}

// "(a [, b [, c]])" after an array's name: compiles the subscripts (or
// bounds) and gives the array's slot, checking that every use of the array
// agrees on their number.
int32_t Compiler::ArrayWithSubscripts(const Token& name, int32_t* subscripts, ValueKind* kind) {
  Expect(TokenKind::LeftParen, "'('");
  *subscripts = 0;
  do {
    if (++*subscripts > 3) Fail(Peek(), "an array has at most 3 subscripts");
    NumberExpression();
  } while (Match(TokenKind::Comma));
  Expect(TokenKind::RightParen, "')'");
  return ArraySlotOf(name, *subscripts, kind);
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
    if (PrintPosition()) {
      ends_with_separator = true;  // TAB and SPC keep the line open, as ';' does
      continue;
    }
    builder_.Emit(Expression() == ValueKind::String ? Op::PrintString : Op::PrintNumber);
    ends_with_separator = false;
  }
  if (!ends_with_separator) builder_.Emit(Op::PrintNewline);
  builder_.Emit(Op::PrintFlush);
}

// INPUT; and LINE INPUT; kept the cursor on the line after Enter on the
// classic screens; here the line ends as usual, so the ';' is only read.
void Compiler::Input() {
  Match(TokenKind::Semicolon);
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
