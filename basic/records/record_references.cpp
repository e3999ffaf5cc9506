#include "basic/records/record_references.h"

#include <string>

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/procedures/compile_calls.h"
#include "basic/records/compile_records.h"
#include "basic/records/record_types.h"
#include "basic/variables/compile_constants.h"
#include "basic/variables/compile_variables.h"

namespace {

// A record's reference as its tokens give it, read before anything is
// compiled, so that a whole record and a field compile differently.
struct Place {
  std::string base;       // the record variable's name
  bool element = false;   // of an array of records
  int32_t end_type = -1;  // the record the path ends on; -1 when it ends on a field
  RecordLeaf leaf{"", ValueKind::Single, 0, 0};  // the path; at a field, its kind, length and size
  std::size_t end = 0;    // the token after the reference
};

std::size_t AfterParentheses(const std::vector<Token>& tokens, std::size_t i) {
  for (int depth = 0; i < tokens.size(); ++i) {
    depth += tokens[i].kind == TokenKind::LeftParen ? 1 : tokens[i].kind == TokenKind::RightParen ? -1 : 0;
    if (depth == 0) return i + 1;
  }
  return tokens.size() - 1;
}

const RecordField& FieldOf(const Compiler& c, int32_t type, const Token& name) {
  const RecordType& record = c.records.At(type);
  for (const RecordField& field : record.fields) {
    if (field.name == name.text) return field;
  }
  c.Fail(name, "TYPE " + record.name + " has no field " + name.text);
}

// False when the name at `at` is no record and no period follows it.
bool ShapeOf(const Compiler& c, std::size_t at, Place* place) {
  const std::vector<Token>& tokens = c.tokens;
  const Token& name = tokens[at];
  place->element = tokens[at + 1].kind == TokenKind::LeftParen;
  std::size_t i = place->element ? AfterParentheses(tokens, at + 1) : at + 1;
  const bool period = tokens[i].kind == TokenKind::Period;
  int32_t type = RecordOf(c, name.text, place->element);
  if (type < 0) {
    if (!period) return false;
    c.Fail(name, name.text + (place->element ? "() is not an array of records" : " is not a record variable"));
  }
  place->base = name.text;
  while (tokens[i].kind == TokenKind::Period && i + 1 < tokens.size()) {
    const Token& field_name = tokens[i + 1];
    if (type < 0) c.Fail(field_name, place->base + place->leaf.path + " is a field, not a record");
    const RecordField& field = FieldOf(c, type, field_name);
    place->leaf.path += "." + field.name;
    type = field.record;
    if (type < 0) place->leaf = {place->leaf.path, field.kind, field.length, field.size};
    i += 2;
  }
  place->end_type = type;
  place->end = i;
  return true;
}

// The hidden variables that hold an element's subscripts while its whole
// record is used: a space starts their names, which no program name can.
int32_t HeldSubscript(Compiler& c, int32_t set, int32_t i) {
  return c.variables->NumberSlot(" RECORD" + std::to_string(set * 3 + i));
}

int32_t HoldSubscripts(Compiler& c, int32_t set) {
  c.Expect(TokenKind::LeftParen, "'('");
  int32_t count = 0;
  do {
    if (++count > 3) c.Fail(c.Peek(), "an array has at most 3 subscripts");
    NumberExpression(c);
    c.builder.Emit(Op::StoreDouble, HeldSubscript(c, set, count - 1));
  } while (c.Match(TokenKind::Comma));
  c.Expect(TokenKind::RightParen, "')'");
  return count;
}

// An element's subscripts, pushed for one use: their number.
int32_t PushSubscripts(Compiler& c) {
  c.Expect(TokenKind::LeftParen, "'('");
  int32_t count = 0;
  do {
    if (++count > 3) c.Fail(c.Peek(), "an array has at most 3 subscripts");
    NumberExpression(c);
  } while (c.Match(TokenKind::Comma));
  c.Expect(TokenKind::RightParen, "')'");
  return count;
}

void PushHeld(Compiler& c, int32_t set, int32_t count) {
  for (int32_t i = 0; i < count; ++i) c.builder.Emit(Op::LoadNumber, HeldSubscript(c, set, i));
}

// A whole record's reference, compiled: its subscripts held in set.
int32_t CompileWholePlace(Compiler& c, const Place& place, int32_t set) {
  c.Advance();
  const int32_t subscripts = place.element ? HoldSubscripts(c, set) : 0;
  c.token_index = place.end;
  return subscripts;
}

int32_t LeafSlot(Compiler& c, const Place& place, const RecordLeaf& leaf, int32_t subscripts) {
  const std::string name = LeafName(place.base, leaf);
  if (!place.element) {
    return leaf.kind == ValueKind::String ? c.variables->StringSlot(name) : c.variables->NumberSlot(name);
  }
  const int32_t slot = c.variables->ArraySlot(name, subscripts, c.types.option_base);
  if (slot < 0) c.Fail(c.Peek(), "array " + place.base + " has another number of subscripts elsewhere");
  return slot;
}

// A leaf of the record a whole place ends on, with the place's path before it.
RecordLeaf Below(const Place& place, RecordLeaf leaf) {
  leaf.path = place.leaf.path + leaf.path;
  return leaf;
}

}  // namespace

bool StartsRecordReference(const Compiler& c) {
  Place place;
  return ShapeOf(c, c.token_index, &place);
}

Instruction CompileFieldReference(Compiler& c, bool for_store, ValueKind* kind) {
  Place place;
  ShapeOf(c, c.token_index, &place);
  const Token& name = c.Advance();
  if (place.end_type >= 0) {
    c.Fail(name, "Type mismatch: " + name.text + place.leaf.path + " is a whole record of TYPE " +
                     c.records.At(place.end_type).name + "; name one of its fields");
  }
  const int32_t subscripts = place.element ? PushSubscripts(c) : 0;
  c.token_index = place.end;
  *kind = place.leaf.kind;
  const int32_t slot = LeafSlot(c, place, place.leaf, subscripts);
  return AccessOf(place.leaf.kind, place.leaf.length, place.element, for_store, slot, subscripts);
}

namespace {

// Two whole records of one type, "A = B" or "A, B": both compiled, their
// elements' subscripts held in sets 0 and 1. False, reading nothing, when
// no whole record stands first.
struct RecordPair {
  Place first, second;
  int32_t first_subscripts = 0, second_subscripts = 0;

  // Pushes both elements' subscripts again, for one leaf's instruction.
  void PushSubscripts(Compiler& c) const {
    if (first.element) PushHeld(c, 0, first_subscripts);
    if (second.element) PushHeld(c, 1, second_subscripts);
  }
  int32_t FirstSlot(Compiler& c, const RecordLeaf& leaf) const {
    return LeafSlot(c, first, Below(first, leaf), first_subscripts);
  }
  int32_t SecondSlot(Compiler& c, const RecordLeaf& leaf) const {
    return LeafSlot(c, second, Below(second, leaf), second_subscripts);
  }
};

template <typename Mismatch>
bool ReadRecordPair(Compiler& c, TokenKind between, const char* between_text, Mismatch mismatch, RecordPair* pair) {
  if (!c.Check(TokenKind::Name) || !ShapeOf(c, c.token_index, &pair->first) || pair->first.end_type < 0) return false;
  const Token& name = c.Peek();
  pair->first_subscripts = CompileWholePlace(c, pair->first, 0);
  c.Expect(between, between_text);
  const Token& other = c.Peek();
  if (other.kind != TokenKind::Name || !ShapeOf(c, c.token_index, &pair->second) ||
      pair->second.end_type != pair->first.end_type) {
    c.Fail(other, mismatch(name.text + pair->first.leaf.path, c.records.At(pair->first.end_type).name));
  }
  pair->second_subscripts = CompileWholePlace(c, pair->second, 1);
  return true;
}

}  // namespace

bool CompileRecordAssignment(Compiler& c) {
  RecordPair pair;
  const auto mismatch = [](const std::string& to, const std::string& type) {
    return "Type mismatch: " + to + " is a record of TYPE " + type + " and takes only a record of that TYPE";
  };
  if (!ReadRecordPair(c, TokenKind::Equal, "'='", mismatch, &pair)) return false;
  for (const RecordLeaf& leaf : c.records.Leaves(pair.first.end_type)) {
    pair.PushSubscripts(c);
    const Instruction load =
        AccessOf(leaf.kind, 0, pair.second.element, false, pair.SecondSlot(c, leaf), pair.second_subscripts);
    c.builder.Emit(load.op, load.a, load.b);
    const Instruction store =
        AccessOf(leaf.kind, 0, pair.first.element, true, pair.FirstSlot(c, leaf), pair.first_subscripts);
    c.builder.Emit(store.op, store.a, store.b);
  }
  return true;
}

bool CompileRecordSwap(Compiler& c) {
  RecordPair pair;
  const auto mismatch = [](const std::string& first, const std::string& type) {
    return "Type mismatch: SWAP of " + first + " needs a record of TYPE " + type;
  };
  if (!ReadRecordPair(c, TokenKind::Comma, "','", mismatch, &pair)) return false;
  for (const RecordLeaf& leaf : c.records.Leaves(pair.first.end_type)) {
    pair.PushSubscripts(c);
    c.builder.Emit(leaf.kind == ValueKind::String ? Op::SwapStrings : Op::SwapNumbers, pair.FirstSlot(c, leaf),
                   pair.SecondSlot(c, leaf), pair.first_subscripts + 4 * pair.second_subscripts);
  }
  return true;
}

bool CompileLenOfRecord(Compiler& c) {
  if (!c.Check(TokenKind::LeftParen) || c.Peek(1).kind != TokenKind::Name) return false;
  const std::size_t at = c.token_index + 1;
  const Token& name = c.tokens[at];
  Place place;
  int32_t size;
  if (ShapeOf(c, at, &place)) {
    if (c.tokens[place.end].kind != TokenKind::RightParen) return false;
    if (place.end_type < 0 && place.leaf.kind == ValueKind::String) return false;
    size = place.end_type >= 0 ? c.records.At(place.end_type).size : place.leaf.size;
    c.token_index = place.end + 1;
  } else {
    // A number variable's bytes too: LEN(I%) is 2.
    if (c.tokens[at + 1].kind != TokenKind::RightParen || IsFunctionCall(c, name) || ConstantNamed(c, name)) return false;
    ValueKind kind;
    VariableName(c, name, false, &kind);
    if (kind == ValueKind::String) return false;
    size = SizeOfKind(kind, 0);
    c.token_index = at + 2;
  }
  c.builder.EmitNumber(size);
  return true;
}

std::vector<Argument> CompileRecordArgument(Compiler& c, int32_t type, const std::string& position, int32_t* numbers) {
  const Token& at = c.Peek();
  Place place;
  if (at.kind != TokenKind::Name || !ShapeOf(c, c.token_index, &place) || place.end_type != type) {
    c.Fail(at, "Type mismatch: " + position + " must be a record of TYPE " + c.records.At(type).name);
  }
  const int32_t subscripts = CompileWholePlace(c, place, 0);
  std::vector<Argument> arguments;
  for (const RecordLeaf& leaf : c.records.Leaves(type)) {
    const bool text = leaf.kind == ValueKind::String;
    ArgumentKind kind = text ? ArgumentKind::StringVariable : ArgumentKind::NumberVariable;
    if (place.element) {
      PushHeld(c, 0, subscripts);
      *numbers += subscripts;
      kind = text ? ArgumentKind::StringElement : ArgumentKind::NumberElement;
    }
    arguments.push_back(Argument{kind, LeafSlot(c, place, Below(place, leaf), subscripts), subscripts, leaf.kind});
  }
  return arguments;
}

int32_t CompileRecordLayout(Compiler& c) {
  Place place;
  if (!c.Check(TokenKind::Name) || !ShapeOf(c, c.token_index, &place) || place.end_type < 0) return -1;
  c.Advance();
  const int32_t subscripts = place.element ? PushSubscripts(c) : 0;
  c.token_index = place.end;
  RecordLayout made;
  made.subscripts = subscripts;
  for (const RecordLeaf& leaf : c.records.Leaves(place.end_type)) {
    made.fields.push_back({leaf.kind, leaf.size, LeafSlot(c, place, Below(place, leaf), subscripts)});
    made.size += leaf.size;
  }
  c.code->record_layouts.push_back(std::move(made));
  return static_cast<int32_t>(c.code->record_layouts.size()) - 1;
}

int32_t CompileRecordPlace(Compiler& c, int32_t* byte) {
  Place place;
  if (!c.Check(TokenKind::Name) || !ShapeOf(c, c.token_index, &place)) return -1;
  const Token& name = c.Advance();
  const int32_t subscripts = place.element ? PushSubscripts(c) : 0;
  c.token_index = place.end;
  // The whole record the reference starts from, and where its path lies in it.
  Place whole = place;
  whole.leaf.path.clear();
  const std::string& path = place.leaf.path;
  RecordLayout made;
  made.subscripts = subscripts;
  *byte = -1;
  for (const RecordLeaf& leaf : c.records.Leaves(RecordOf(c, name.text, place.element))) {
    const bool inside = leaf.path == path || leaf.path.compare(0, path.size() + 1, path + ".") == 0;
    if (*byte < 0 && inside) *byte = made.size;
    made.fields.push_back({leaf.kind, leaf.size, LeafSlot(c, whole, leaf, subscripts)});
    made.size += leaf.size;
  }
  if (*byte < 0) *byte = 0;
  c.code->record_layouts.push_back(std::move(made));
  return static_cast<int32_t>(c.code->record_layouts.size()) - 1;
}
