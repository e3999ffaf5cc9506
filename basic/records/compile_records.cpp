#include "basic/records/compile_records.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/records/record_types.h"

namespace {

struct NumberType {
  const char* text;
  ValueKind kind;
};
constexpr NumberType PlainTypes[] = {
    {"INTEGER", ValueKind::Integer}, {"LONG", ValueKind::Long},     {"SINGLE", ValueKind::Single},
    {"DOUBLE", ValueKind::Double},   {"STRING", ValueKind::String},
};

bool Shared(const ProcedureScope& scope, const std::string& tagged) {
  return scope.shared.count(tagged) || (scope.shared_everywhere && scope.shared_everywhere->count(tagged));
}

void EmitBounds(Compiler& c, std::size_t bounds_at) {
  const std::size_t after = c.token_index;
  c.token_index = bounds_at;
  c.Expect(TokenKind::LeftParen, "'('");
  do {
    NumberExpression(c);
    if (c.MatchKeyword(Keyword::To)) NumberExpression(c);
  } while (c.Match(TokenKind::Comma));
  c.token_index = after;
}

}  // namespace

int32_t RecordAfterAs(const Compiler& c) {
  if (c.Peek().kind != TokenKind::Name || c.Peek().text != "AS" || c.Peek(1).kind != TokenKind::Name) return -1;
  return c.records.Find(c.Peek(1).text);
}

bool ReadAs(Compiler& c, AsClause* as) {
  if (!c.Check(TokenKind::Name) || c.Peek().text != "AS") return false;
  const int32_t record = RecordAfterAs(c);
  c.Advance();
  if (record >= 0) {
    c.Advance();
    as->record = record;
    return true;
  }
  const Token& type = c.Peek();
  for (const NumberType& entry : PlainTypes) {
    if (type.kind != TokenKind::Name || type.text != entry.text) continue;
    c.Advance();
    as->kind = entry.kind;
    if (entry.kind == ValueKind::String && c.Match(TokenKind::Star)) {
      const Token& length = c.Peek();
      if (length.kind != TokenKind::Number || !length.digits_only || length.number < 1 ||
          length.number > MaxFixedLength) {
        c.Unexpected("a length from 1 to 32767");
      }
      c.Advance();
      as->length = static_cast<int32_t>(length.number);
    }
    return true;
  }
  if (type.kind == TokenKind::Name) c.Fail(type, "no TYPE " + type.text + " is defined before here");
  c.Unexpected("INTEGER, LONG, SINGLE, DOUBLE, STRING or a TYPE's name");
}

std::string ScopedKey(const Compiler& c, const std::string& tagged) {
  const ProcedureScope* scope = c.procedures.scope.get();
  if (!scope) return tagged;
  const bool local = scope->own.count(tagged) || (scope->names_local && !Shared(*scope, tagged));
  return local ? scope->prefix + tagged : tagged;
}

int32_t RecordOf(const Compiler& c, const std::string& bare, bool array) {
  const auto found = c.records.variables.find(ScopedKey(c, array ? bare + "()" : bare));
  return found == c.records.variables.end() ? -1 : found->second;
}

int32_t FixedLengthOf(const Compiler& c, const std::string& canonical, bool array) {
  const auto found = c.records.fixed_lengths.find(ScopedKey(c, array ? canonical + "()" : canonical));
  return found == c.records.fixed_lengths.end() ? 0 : found->second;
}

void DeclareRecord(Compiler& c, const Token& name, bool array, int32_t type) {
  if (name.text.find_first_of("$%&!#") != std::string::npos) {
    c.Fail(name, name.text + " has a suffix: a record variable has none");
  }
  const auto [entry, added] = c.records.variables.emplace(ScopedKey(c, array ? name.text + "()" : name.text), type);
  if (!added && entry->second != type) {
    c.Fail(name, name.text + " is declared AS " + c.records.At(entry->second).name + " already");
  }
}

void DeclareFixedLength(Compiler& c, const std::string& canonical, bool array, int32_t length) {
  const auto [entry, added] = c.records.fixed_lengths.emplace(ScopedKey(c, array ? canonical + "()" : canonical), length);
  if (!added && entry->second != length) {
    c.Fail(c.Peek(), canonical + " is declared AS STRING * " + std::to_string(entry->second) + " already");
  }
}

Instruction AccessOf(ValueKind kind, int32_t length, bool element, bool for_store, int32_t slot, int32_t subscripts) {
  const int32_t b = element ? subscripts : 0;
  if (kind == ValueKind::String && length > 0) {
    const Op op = for_store ? (element ? Op::StoreFixedStringElement : Op::StoreFixedString)
                            : (element ? Op::LoadFixedStringElement : Op::LoadFixedString);
    return {op, slot, b, length};
  }
  if (for_store) return {StoreOp(kind, element), slot, b};
  if (kind == ValueKind::String) return {element ? Op::LoadStringElement : Op::LoadString, slot, b};
  return {element ? Op::LoadElement : Op::LoadNumber, slot, b};
}

void DimRecordArray(Compiler& c, const Token& name, int32_t type, bool redim, std::size_t bounds_at,
                    int32_t subscripts, int32_t given_lower) {
  const std::vector<RecordLeaf> leaves = c.records.Leaves(type);
  c.types.arrays_seen = true;
  for (std::size_t i = 0; i < leaves.size(); ++i) {
    if (i > 0) EmitBounds(c, bounds_at);
    const std::string leaf = LeafName(name.text, leaves[i]);
    const int32_t slot = c.variables->ArraySlot(leaf, subscripts, c.types.option_base);
    if (slot < 0) c.Fail(name, "array " + name.text + " has another number of subscripts elsewhere");
    c.builder.Emit(redim ? Op::Redim : Op::Dim, slot, subscripts, given_lower);
  }
}

bool EraseRecordArray(Compiler& c, const Token& name) {
  const int32_t type = RecordOf(c, name.text, true);
  if (type < 0) return false;
  for (const RecordLeaf& leaf : c.records.Leaves(type)) {
    c.builder.Emit(Op::Erase, c.variables->ArraySlot(LeafName(name.text, leaf), 0));
  }
  return true;
}

int32_t RecordArrayBoundSlot(Compiler& c, const Token& name) {
  const int32_t type = RecordOf(c, name.text, true);
  if (type < 0) return -1;
  return c.variables->ArraySlot(LeafName(name.text, c.records.Leaves(type).front()), 0);
}
