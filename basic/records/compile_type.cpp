#include "basic/records/compile_type.h"

#include <cctype>
#include <cstddef>
#include <string>
#include <vector>

#include "basic/compiler/compiler.h"
#include "basic/records/compile_records.h"
#include "basic/records/record_types.h"

namespace {

// A field's name may be a word this BASIC reserves (NAME, COLOR): after a
// period it is read as a name, so it is one here too.
std::string FieldName(Compiler& c) {
  const Token& token = c.Peek();
  std::string name;
  if (token.kind == TokenKind::Name || token.kind == TokenKind::Unsupported) name = token.text;
  if (token.kind == TokenKind::Keyword && token.keyword != Keyword::Rem) name = KeywordText(token.keyword);
  if (name.empty() || name == "#") c.Unexpected("a field's name, or END TYPE");
  const char last = name.back();
  if (last == '$' || last == '%' || last == '&' || last == '!' || last == '#') {
    c.Fail(token, "field " + name + " has a suffix: a field's type is given by AS");
  }
  c.Advance();
  return name;
}

// AS and the field's type, which may be a record type defined before;
// a string has a fixed length.
RecordField ReadFieldType(Compiler& c, RecordField field) {
  const Token& type = c.Peek(1);
  AsClause as;
  if (!ReadAs(c, &as)) c.Unexpected("AS and the field's type");
  if (as.record >= 0) {
    field.record = as.record;
    field.size = c.records.At(as.record).size;
    return field;
  }
  if (as.kind == ValueKind::String && as.length == 0) c.Fail(type, "a field of a TYPE is STRING * n, a fixed length");
  field.kind = as.kind;
  field.length = as.length;
  field.size = SizeOfKind(field.kind, field.length);
  return field;
}

void EndType(Compiler& c) {
  const Token& end = c.Advance();
  c.Advance();
  RecordType& type = c.records.types[static_cast<std::size_t>(c.records.open)];
  if (!type.name.empty()) c.records.index.emplace(type.name, c.records.open);
  c.records.open = -1;
  if (type.fields.empty() && !type.name.empty()) c.Fail(end, "TYPE " + type.name + " has no fields");
}

}  // namespace

// The block is open even when its first line is wrong, so that its fields
// are read as fields; a type whose name is wrong is defined under none.
void CompileType(Compiler& c) {
  const Token& at = c.Advance();
  // The first pass looks for types at the starts of lines only.
  if (c.token_index != FirstStatement(c) + 1) c.Fail(at, "TYPE begins its line");
  const Token& name = c.Peek();
  const bool named = name.kind == TokenKind::Name && !HasSuffix(name.text);
  const bool again = named && c.records.Find(name.text) >= 0;
  c.records.open = static_cast<int32_t>(c.records.types.size());
  c.records.open_line = c.current_line;
  c.records.open_column = at.column;
  c.records.types.push_back(RecordType{named && !again ? name.text : "", {}, 0});
  if (c.procedures.scope) c.Fail(at, "TYPE belongs outside SUB and FUNCTION");
  if (!c.blocks.empty()) c.Fail(at, "TYPE cannot stand inside a block");
  if (name.kind == TokenKind::Name && !named) c.Fail(name, "a TYPE's name has no suffix");
  if (!named) c.Unexpected("the type's name");
  if (again) c.Fail(name, "TYPE " + name.text + " is defined twice");
  c.Advance();
}

bool InTypeBlock(const Compiler& c) { return c.records.open >= 0; }

void CompileTypeLine(Compiler& c) {
  if (c.CheckKeyword(Keyword::End) && c.Peek(1).kind == TokenKind::Keyword && c.Peek(1).keyword == Keyword::Type) {
    return EndType(c);
  }
  if (c.CheckKeyword(Keyword::Rem)) {
    c.Advance();
    return;
  }
  const Token& at = c.Peek();
  const Token& after = c.Peek(1);
  if (at.kind == TokenKind::Keyword && (after.kind != TokenKind::Name || after.text != "AS")) {
    c.Fail(at, "only fields and END TYPE stand between TYPE and END TYPE");
  }
  RecordField field;
  field.name = FieldName(c);
  field = ReadFieldType(c, field);
  RecordType& type = c.records.types[static_cast<std::size_t>(c.records.open)];
  for (const RecordField& other : type.fields) {
    if (other.name == field.name) c.Fail(at, "field " + field.name + " appears twice in TYPE " + type.name);
  }
  if (type.size + int64_t{field.size} > MaxRecordSize) c.Fail(at, "TYPE " + type.name + " is longer than 65535 bytes");
  type.size += field.size;
  type.fields.push_back(std::move(field));
}

void CloseOpenType(Compiler& c) {
  if (c.records.open < 0) return;
  c.Report(c.records.open_line, c.records.open_column, "TYPE without END TYPE");
  c.records.open = -1;
}

// Both passes must find the same types, field for field, or a procedure's
// header (read in the first) would disagree with its body (compiled in the
// second): the line's statements are read as the second pass reads them,
// one TYPE block may stand on one line.
bool FindTypeLine(Compiler& c) {
  c.token_index = FirstStatement(c);
  if (!InTypeBlock(c) && !c.CheckKeyword(Keyword::Type)) return false;
  try {
    for (;;) {
      while (c.Match(TokenKind::Colon)) {
      }
      if (InTypeBlock(c)) {
        CompileTypeLine(c);
      } else if (c.CheckKeyword(Keyword::Type)) {
        CompileType(c);
      } else {
        break;
      }
      if (!c.Match(TokenKind::Colon)) break;
    }
  } catch (const CompileError&) {
  }
  return true;
}

// Where a line's first statement starts: past its number, its label and any
// colons.
std::size_t FirstStatement(const Compiler& c) {
  const std::vector<Token>& tokens = c.tokens;
  std::size_t at = 0;
  const auto is = [&](std::size_t i, TokenKind kind) { return i < tokens.size() && tokens[i].kind == kind; };
  if (is(at, TokenKind::Number) && tokens[at].digits_only) ++at;
  if (is(at, TokenKind::Name) && is(at + 1, TokenKind::Colon) && !tokens[at].text.empty() &&
      std::isalnum(static_cast<unsigned char>(tokens[at].text.back()))) {
    at += 2;
  }
  while (is(at, TokenKind::Colon)) ++at;
  return at;
}
