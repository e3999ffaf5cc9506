// The file statements that read or write variables: WRITE, INPUT #, LINE
// INPUT #, FIELD, LSET, RSET, GET and PUT (compile_files.h).
#include <string>

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/files/compile_files.h"
#include "basic/records/record_references.h"
#include "basic/screen/compile_sprites.h"
#include "basic/variables/compile_variables.h"

namespace {

// A scalar string variable, as FIELD, LSET, RSET and a string's GET take
// it: its slot.
int32_t StringVariable(Compiler& c, const char* statement) {
  const Token& at = c.Peek();
  if (at.kind != TokenKind::Name) c.Fail(at, std::string(statement) + " needs a string variable");
  ValueKind kind;
  const Instruction store = CompileVariable(c, true, &kind);
  if (store.op != Op::StoreString) c.Fail(at, std::string(statement) + " needs a string variable");
  return store.a;
}

// The end of an item list, a comma or a semicolon after an item.
bool MatchSeparator(Compiler& c) { return c.Match(TokenKind::Comma) || c.Match(TokenKind::Semicolon); }

}  // namespace

// WRITE [#n,] items: strings in quotes, numbers without spaces, commas
// between, the line ended.
void CompileWrite(Compiler& c) {
  c.Advance();
  const bool to_file = MatchHash(c);
  if (to_file) {
    NumberExpression(c);
    c.builder.Emit(Op::PrintFileStart);
    if (!c.AtStatementEnd()) c.Expect(TokenKind::Comma, "','");
  }
  while (!c.AtStatementEnd()) {
    const ValueKind kind = Expression(c);
    const bool more = MatchSeparator(c) && !c.AtStatementEnd();
    if (kind == ValueKind::String) {
      c.builder.Emit(Op::WriteString, 0, to_file, more);
    } else {
      c.builder.Emit(Op::WriteNumber, static_cast<int32_t>(kind), to_file, more);
    }
  }
  c.builder.Emit(Op::PrintNewline, 0, to_file);
  c.builder.Emit(to_file ? Op::PrintFileEnd : Op::PrintFlush);
}

bool CompileInputFile(Compiler& c, bool line) {
  const std::size_t words = line ? 2 : 1;
  if (c.Peek(words).kind != TokenKind::Unsupported || c.Peek(words).text != "#") return false;
  for (std::size_t word = 0; word < words; ++word) c.Advance();
  FileNumberItem(c);
  c.Expect(TokenKind::Comma, "','");
  c.builder.Emit(Op::InputFileStart);
  do {
    const Token& at = c.Peek();
    ValueKind kind;
    const Instruction store = CompileVariable(c, true, &kind);
    if (line && kind != ValueKind::String) c.Fail(at, "LINE INPUT needs a string variable");
    if (line) {
      c.builder.Emit(Op::LineInputFile);
    } else {
      c.builder.Emit(kind == ValueKind::String ? Op::InputFileString : Op::InputFileNumber);
    }
    c.builder.Emit(store.op, store.a, store.b);
  } while (!line && c.Match(TokenKind::Comma));
  return true;
}

// FIELD [#]n, width AS v$ [, width AS v$ ...]
void CompileField(Compiler& c) {
  c.Advance();
  FileNumberItem(c);
  c.builder.Emit(Op::FieldStart);
  while (c.Match(TokenKind::Comma)) {
    NumberExpression(c);
    if (!c.MatchWord("AS")) c.Unexpected("AS");
    c.builder.Emit(Op::Field, StringVariable(c, "FIELD"));
  }
}

// LSET v$ = text, RSET v$ = text
void CompileSetField(Compiler& c) {
  const bool right = c.Advance().keyword == Keyword::Rset;
  const int32_t slot = StringVariable(c, right ? "RSET" : "LSET");
  c.Expect(TokenKind::Equal, "'='");
  StringExpression(c);
  c.builder.Emit(Op::SetField, slot, right);
}

// GET [#]n [, [where] [, variable]] and PUT the same.
void CompileTransfer(Compiler& c) {
  if (IsSpriteTransfer(c)) return c.CheckKeyword(Keyword::Get) ? CompileSpriteGet(c) : CompileSpritePut(c);
  const bool get = c.Advance().keyword == Keyword::Get;
  FileNumberItem(c);
  bool where = false;
  bool variable = false;
  if (c.Match(TokenKind::Comma)) {
    where = !c.Check(TokenKind::Comma) && !c.AtStatementEnd();
    if (where) NumberExpression(c);
    variable = c.Match(TokenKind::Comma);
  }
  if (!where) c.builder.EmitNumber(0);
  c.builder.Emit(Op::TransferStart, where);
  if (!variable) {
    c.builder.Emit(get ? Op::GetRecord : Op::PutRecord);
    return;
  }
  if (const int32_t layout = CompileRecordLayout(c); layout >= 0) {
    const int32_t subscripts = c.code->record_layouts[static_cast<std::size_t>(layout)].subscripts;
    c.builder.Emit(get ? Op::GetRecordVariable : Op::PutRecordVariable, layout, subscripts);
    return;
  }
  const Token& at = c.Peek();
  ValueKind kind;
  if (!get) {
    const Instruction load = CompileVariable(c, false, &kind);
    c.builder.Emit(load.op, load.a, load.b);
    c.builder.Emit(kind == ValueKind::String ? Op::PutString : Op::PutNumber, static_cast<int32_t>(kind));
    return;
  }
  const Instruction store = CompileVariable(c, true, &kind);
  if (kind == ValueKind::String) {
    if (store.op != Op::StoreString) c.Fail(at, "GET needs a string variable, not an array's element");
    c.builder.Emit(Op::LoadString, store.a);
    c.builder.Emit(Op::GetString);
  } else {
    c.builder.Emit(Op::GetNumber, static_cast<int32_t>(kind));
  }
  c.builder.Emit(store.op, store.a, store.b);
}
