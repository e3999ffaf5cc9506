#include "basic/procedures/procedure_headers.h"

#include <cctype>
#include <utility>

#include "basic/compiler/compiler.h"
#include "basic/records/compile_records.h"
#include "basic/records/compile_type.h"
#include "basic/tokens/lexer.h"
#include "basic/variables/compile_variables.h"

namespace {

ParameterKind KindOfParameter(ValueKind kind) {
  return kind == ValueKind::String ? ParameterKind::String : ParameterKind::Number;
}

// A DEFtype statement, read in the first pass too: the procedures' names
// and parameters without a suffix take the type in effect where they stand.
bool FindDefType(Compiler& c) {
  static const std::pair<Keyword, ValueKind> types[] = {
      {Keyword::DefInt, ValueKind::Integer}, {Keyword::DefLng, ValueKind::Long}, {Keyword::DefSng, ValueKind::Single},
      {Keyword::DefDbl, ValueKind::Double},  {Keyword::DefStr, ValueKind::String},
  };
  for (const auto& [keyword, kind] : types) {
    if (!c.CheckKeyword(keyword)) continue;
    CompileDefType(c, kind);
    return true;
  }
  return false;
}

void RecordDimShared(Compiler& c) {
  do {
    const Token& name = c.Expect(TokenKind::Name, "a name");
    const bool array = c.Match(TokenKind::LeftParen);
    for (int depth = array ? 1 : 0; depth > 0 && !c.Check(TokenKind::EndOfLine);) {
      const TokenKind kind = c.Advance().kind;
      depth += kind == TokenKind::LeftParen ? 1 : kind == TokenKind::RightParen ? -1 : 0;
    }
    if (RecordAfterAs(c) >= 0) {
      // A record is shared by its name; the type is read in the second pass.
      c.procedures.shared_everywhere.insert(array ? name.text + "()" : name.text);
      c.Advance();
      c.Advance();
      continue;
    }
    bool typed;
    const std::string canonical = TypedName(c, name, &typed);
    if (typed) c.procedures.shared_names[CanonicalName(name.text)] = canonical;
    c.procedures.shared_everywhere.insert(Tagged(canonical, array ? NameSpace::Array : NameSpace::Number));
  } while (c.Match(TokenKind::Comma));
}

HeaderParameter ReadParameter(Compiler& c, const Token& name, bool array_allowed) {
  const bool array = c.Check(TokenKind::LeftParen);
  if (array) {
    if (!array_allowed) c.Fail(c.Peek(), "a DEF FN parameter is a plain variable");
    c.Advance();
    c.Expect(TokenKind::RightParen, "')': an array parameter is written A()");
  }
  HeaderParameter parameter;
  parameter.name = TypedName(c, name, &parameter.typed);
  parameter.element = KindOfName(parameter.name);
  parameter.kind = array ? ParameterKind::Array : KindOfParameter(parameter.element);
  return parameter;
}

// The record type of "name AS typename" or "name() AS typename", the
// tokens read up to AS; -1, reading nothing, for any other parameter.
int32_t ReadRecordParameter(Compiler& c, bool* array) {
  *array = c.Check(TokenKind::LeftParen) && c.Peek(1).kind == TokenKind::RightParen;
  const std::size_t start = c.token_index;
  if (*array) c.token_index += 2;
  const int32_t record = RecordAfterAs(c);
  if (record < 0) c.token_index = start;
  return record;
}

// "name AS typename": the record's leaves, each a parameter by itself; of
// "name() AS typename", each leaf an array parameter.
void ReadParameters(Compiler& c, bool array_allowed, std::vector<HeaderParameter>* parameters) {
  const Token& name = c.Expect(TokenKind::Name, "a parameter");
  bool array;
  const int32_t record = ReadRecordParameter(c, &array);
  if (record < 0) return parameters->push_back(ReadParameter(c, name, array_allowed));
  if (!array_allowed) c.Fail(name, "a DEF FN parameter is a number or a string");
  if (HasSuffix(name.text)) c.Fail(name, name.text + " has a suffix: a record parameter has none");
  for (const HeaderParameter& other : *parameters) {
    if (other.record_name == name.text) c.Fail(name, "parameter " + name.text + " appears twice");
  }
  c.Advance();
  c.Advance();
  bool first = true;
  for (const RecordLeaf& leaf : c.records.Leaves(record)) {
    HeaderParameter parameter;
    parameter.name = LeafName(name.text, leaf);
    parameter.element = leaf.kind;
    parameter.kind = array ? ParameterKind::Array : KindOfParameter(leaf.kind);
    parameter.typed = false;
    parameter.record = record;
    if (first) parameter.record_name = name.text;
    first = false;
    parameters->push_back(std::move(parameter));
  }
  if (parameters->size() > MaxParameters) c.Fail(name, "more than 40 parameters, counting each field of a record");
}

// Looks at the start of every statement of the line; errors are left for
// the second pass to report where they stand.
void FindProcedureHeaders(Compiler& c) {
  const bool numbered = c.tokens[0].kind == TokenKind::Number && c.tokens[0].digits_only;
  for (std::size_t start = 0; start + 1 < c.tokens.size(); ++start) {
    const bool after_number = start == 1 && numbered;
    const Token& before = c.tokens[start > 0 ? start - 1 : 0];
    const bool after_then = before.kind == TokenKind::Keyword && (before.keyword == Keyword::Then || before.keyword == Keyword::Else);
    if (start > 0 && !after_number && !after_then && before.kind != TokenKind::Colon) continue;
    c.token_index = start;
    try {
      ProcedureKind kind;
      if (c.MatchKeyword(Keyword::Sub)) {
        kind = ProcedureKind::Sub;
      } else if (c.MatchKeyword(Keyword::Function)) {
        kind = ProcedureKind::Function;
      } else if (c.MatchKeyword(Keyword::Def)) {
        kind = ProcedureKind::DefFn;
      } else {
        if (FindDefType(c)) continue;
        const bool common = c.MatchWord("COMMON");
        if (!(common || c.MatchKeyword(Keyword::Dim)) || !c.MatchKeyword(Keyword::Shared)) continue;
        if (common && c.Match(TokenKind::Slash)) {  // a named block: /name/
          c.Advance();
          c.Match(TokenKind::Slash);
        }
        RecordDimShared(c);
        continue;
      }
      ProcedureHeader header = ReadHeader(c, kind);
      if (c.procedures.index.count(header.name)) continue;
      Procedure procedure;
      procedure.name = header.name;
      procedure.kind = kind;
      procedure.returns_string = KindOfName(header.name) == ValueKind::String;
      procedure.result_kind = KindOfName(header.name);
      for (const HeaderParameter& parameter : header.parameters) {
        procedure.parameters.push_back({parameter.kind, parameter.element});
      }
      c.procedures.index.emplace(header.name, static_cast<int32_t>(c.code->procedures.size()));
      c.code->procedures.push_back(std::move(procedure));
      c.procedures.headers.push_back(std::move(header));
    } catch (const CompileError&) {
    }
  }
}

}  // namespace

void FindProcedures(Compiler& c) {
  for (std::size_t i = 0; i < c.lines.size(); ++i) {
    c.current_line = static_cast<int32_t>(i) + 1;
    LexResult lexed = LexLine(c.lines[i]);
    if (lexed.failed) continue;
    c.tokens = std::move(lexed.tokens);
    if (FindTypeLine(c)) continue;
    FindProcedureHeaders(c);
  }
  // The second pass reads the DEFtype and TYPE statements again, in their
  // order, and finds the same types.
  c.types = TypeDeclarations();
  c.records = RecordTypes();
}

ProcedureHeader ReadHeader(Compiler& c, ProcedureKind kind) {
  ProcedureHeader header;
  header.line = c.current_line;
  const Token& name = c.Expect(TokenKind::Name, kind == ProcedureKind::DefFn ? "FN and the function's name"
                                                                          : "the procedure's name");
  header.name = kind == ProcedureKind::Sub ? CanonicalName(name.text) : DefaultTypedName(c, name.text);
  if (kind == ProcedureKind::DefFn && !IsDefFnName(header.name)) c.Fail(name, "a DEF FN function's name starts with FN");
  if (kind != ProcedureKind::DefFn && IsDefFnName(header.name)) c.Fail(name, "names starting with FN belong to DEF FN");
  if (kind == ProcedureKind::Sub && !std::isalnum(static_cast<unsigned char>(name.text.back()))) {
    c.Fail(name, "a SUB's name has no type suffix");
  }
  if (c.Match(TokenKind::LeftParen) && !c.Match(TokenKind::RightParen)) {
    do {
      if (header.parameters.size() == MaxParameters) c.Fail(c.Peek(), "more than 40 parameters");
      ReadParameters(c, kind != ProcedureKind::DefFn, &header.parameters);
      for (std::size_t i = 0; i + 1 < header.parameters.size(); ++i) {
        if (header.parameters[i].name == header.parameters.back().name &&
            (header.parameters[i].kind == ParameterKind::Array) == (header.parameters.back().kind == ParameterKind::Array)) {
          c.Fail(c.Peek(), "parameter " + header.parameters.back().name + " appears twice");
        }
      }
    } while (c.Match(TokenKind::Comma));
    c.Expect(TokenKind::RightParen, "')'");
  }
  if (kind != ProcedureKind::DefFn) header.is_static = c.MatchKeyword(Keyword::Static);
  // AS after the parameters is read past, for its FUNCTION to report it
  // and still open its body.
  if (kind == ProcedureKind::Function && c.Check(TokenKind::Name) && c.Peek().text == "AS") {
    header.as_column = c.Advance().column;
    if (c.Check(TokenKind::Name)) c.Advance();
  }
  return header;
}

std::string DefaultTypedName(const Compiler& c, const std::string& name) {
  if (HasSuffix(name)) return CanonicalName(name);
  return NameOfKind(name, c.types.letter_kinds[name[0] - 'A']);
}

std::string TypedName(Compiler& c, const Token& name, bool* typed) {
  const std::string canonical = CanonicalName(name.text);
  *typed = c.MatchWord("AS");
  if (!*typed) return DefaultTypedName(c, name.text);
  if (!std::isalnum(static_cast<unsigned char>(name.text.back()))) {
    c.Fail(name, name.text + " has a type suffix and cannot also have AS");
  }
  if (c.MatchWord("INTEGER")) return canonical + "%";
  if (c.MatchWord("STRING")) return canonical + "$";
  if (c.MatchWord("LONG")) return canonical + "&";
  if (c.MatchWord("SINGLE")) return canonical;
  if (c.MatchWord("DOUBLE")) return canonical + "#";
  c.Unexpected("INTEGER, LONG, SINGLE, DOUBLE or STRING");
}
