#include "basic/variables/compile_variables.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/procedures/compile_calls.h"
#include "basic/procedures/compile_shared_names.h"
#include "basic/records/compile_records.h"
#include "basic/records/record_references.h"
#include "basic/variables/compile_constants.h"

namespace {

struct TypeName {
  const char* text;
  ValueKind kind;
};
constexpr TypeName TypeNames[] = {
    {"INTEGER", ValueKind::Integer}, {"LONG", ValueKind::Long},     {"SINGLE", ValueKind::Single},
    {"DOUBLE", ValueKind::Double},   {"STRING", ValueKind::String},
};

const char* TextOfType(ValueKind kind) {
  for (const TypeName& type : TypeNames) {
    if (type.kind == kind) return type.text;
  }
  return "";
}

// "(a [, b [, c]])" after an array's name: compiles the subscripts (or
// bounds) and gives the array's slot, checking that every use of the array
// agrees on their number.
int32_t CompileSubscripts(Compiler& c, const Token& name, int32_t* subscripts, ValueKind* kind) {
  c.Expect(TokenKind::LeftParen, "'('");
  *subscripts = 0;
  do {
    if (++*subscripts > 3) c.Fail(c.Peek(), "an array has at most 3 subscripts");
    NumberExpression(c);
  } while (c.Match(TokenKind::Comma));
  c.Expect(TokenKind::RightParen, "')'");
  return ArraySlotOf(c, name, *subscripts, kind);
}

}  // namespace

// Its own suffix, or else the type that DIM ... AS or a DEFtype earlier in
// the text gave it.
std::string VariableName(Compiler& c, const Token& name, bool array, ValueKind* kind) {
  const std::string& text = name.text;
  const bool suffixed = HasSuffix(text);
  const std::string bare = suffixed ? text.substr(0, text.size() - 1) : text;
  const auto declared = c.types.declared.find(array ? bare + "()" : bare);
  if (!suffixed) {
    *kind = declared != c.types.declared.end() ? declared->second : c.types.letter_kinds[bare[0] - 'A'];
  } else {
    *kind = KindOfName(text);
    if (declared != c.types.declared.end() && declared->second != *kind) {
      c.Fail(name, bare + " is declared AS " + TextOfType(declared->second) + ", not " + text);
    }
  }
  // A parameter or a DIM SHARED name declared AS a type means its typed
  // variable without the suffix too.
  const std::string canonical = DeclaredName(c, NameOfKind(bare, *kind));
  if (!array) CheckNotFunction(c, name, canonical);
  *kind = KindOfName(canonical);
  return canonical;
}

int32_t ArraySlotOf(Compiler& c, const Token& name, int32_t subscripts, ValueKind* kind) {
  const std::string canonical = VariableName(c, name, true, kind);
  c.types.arrays_seen = true;
  const int32_t slot = c.variables->ArraySlot(canonical, subscripts, c.types.option_base);
  if (slot < 0) {
    c.Fail(name, "array " + canonical + " has " + std::to_string(c.variables->ArraySubscripts(canonical)) +
                   " subscripts elsewhere");
  }
  return slot;
}

void DeclareType(Compiler& c, const Token& name, bool array, ValueKind kind) {
  if (HasSuffix(name.text)) c.Fail(name, name.text + " has a suffix: a name declared AS a type has none");
  const auto [entry, added] = c.types.declared.emplace(array ? name.text + "()" : name.text, kind);
  if (!added && entry->second != kind) {
    c.Fail(name, name.text + " is declared AS " + TextOfType(entry->second) + " already");
  }
}

// DEFINT A-Z, DEFSTR S, T-V: the type of the names without a suffix that
// start with those letters, from here to the end of the text.
void CompileDefType(Compiler& c, ValueKind kind) {
  c.Advance();
  const auto letter = [&c]() -> const Token& {
    const Token& token = c.Expect(TokenKind::Name, "a letter");
    if (token.text.size() != 1) c.Fail(token, "expected a letter, found " + DescribeToken(token));
    return token;
  };
  do {
    const char first = letter().text[0];
    char last = first;
    if (c.Match(TokenKind::Minus)) {
      const Token& to = letter();
      last = to.text[0];
      if (last < first) c.Fail(to, "letters out of order: " + std::string(1, first) + "-" + last);
    }
    for (char initial = first; initial <= last; ++initial) c.types.letter_kinds[initial - 'A'] = kind;
  } while (c.Match(TokenKind::Comma));
}

// SWAP a, b: two variables or elements of one type. Their subscripts are
// pushed, a's first; the values change places at run time. A scalar's
// store has no subscripts (b is 0), an element's has 1 to 3.
void CompileSwap(Compiler& c) {
  c.Advance();
  if (CompileRecordSwap(c)) return;
  ValueKind first_kind;
  ValueKind second_kind;
  const Instruction first = CompileVariable(c, true, &first_kind);
  c.Expect(TokenKind::Comma, "','");
  const Token& second_name = c.Peek();
  const Instruction second = CompileVariable(c, true, &second_kind);
  if (first_kind != second_kind) c.Fail(second_name, "SWAP needs two variables of the same type");
  // The fixed length is the store's c: 0 for other strings.
  if (first.c != second.c) c.Fail(second_name, "SWAP needs two strings of the same fixed length, or two of none");
  c.builder.Emit(first_kind == ValueKind::String ? Op::SwapStrings : Op::SwapNumbers, first.a, second.a,
                first.b + 4 * second.b);
}

// CLEAR [n] [, [n] [, n]]: the arguments are evaluated and ignored.
void CompileClear(Compiler& c) {
  c.Advance();
  while (!c.AtStatementEnd()) {
    if (!c.Check(TokenKind::Comma)) {
      NumberExpression(c);
      c.builder.Emit(Op::Pop);
      if (c.AtStatementEnd()) break;
    }
    c.Expect(TokenKind::Comma, "','");
  }
  c.builder.Emit(Op::Clear);
}

Op StoreOp(ValueKind kind, bool element) {
  switch (kind) {
    case ValueKind::Integer: return element ? Op::StoreIntegerElement : Op::StoreInteger;
    case ValueKind::Long: return element ? Op::StoreLongElement : Op::StoreLong;
    case ValueKind::Single: return element ? Op::StoreSingleElement : Op::StoreSingle;
    case ValueKind::String: return element ? Op::StoreStringElement : Op::StoreString;
    case ValueKind::Double: break;
  }
  return element ? Op::StoreDoubleElement : Op::StoreDouble;
}

Instruction CompileVariable(Compiler& c, bool for_store, ValueKind* kind) {
  if (c.Check(TokenKind::Name) && StartsRecordReference(c)) return CompileFieldReference(c, for_store, kind);
  const Token& name = c.Expect(TokenKind::Name, "a variable");
  if (!c.Check(TokenKind::LeftParen)) {
    if (const Constant* constant = ConstantNamed(c, name)) {
      if (for_store) c.Fail(name, name.text + " is a constant");
      *kind = constant->kind;
      return constant->push;
    }
    const std::string canonical = VariableName(c, name, false, kind);
    const bool text = *kind == ValueKind::String;
    const int32_t slot = text ? c.variables->StringSlot(canonical) : c.variables->NumberSlot(canonical);
    const int32_t length = text ? FixedLengthOf(c, canonical, false) : 0;
    return AccessOf(*kind, length, false, for_store, slot, 0);
  }
  int32_t subscripts;
  const int32_t slot = CompileSubscripts(c, name, &subscripts, kind);
  int32_t length = 0;
  if (*kind == ValueKind::String) {
    ValueKind same;
    length = FixedLengthOf(c, VariableName(c, name, true, &same), true);
  }
  return AccessOf(*kind, length, true, for_store, slot, subscripts);
}

namespace {

// S$ = S$ + ...: the variable itself is grown, rather than copied, joined
// and replaced, when the rest of the expression calls no FUNCTION, which
// could change the variable between the copy and the store. Joining is
// associative, so S$ + A$ + B$ appends A$ + B$.
bool CompileAppend(Compiler& c, const Token& target, const Instruction& store) {
  if (store.op != Op::StoreString || c.Peek().kind != TokenKind::Name || c.Peek().text != target.text ||
      c.Peek(1).kind != TokenKind::Plus) {
    return false;
  }
  for (std::size_t i = c.token_index + 2; i < c.tokens.size(); ++i) {
    const Token& token = c.tokens[i];
    if (token.kind == TokenKind::EndOfLine || token.kind == TokenKind::Colon || token.keyword == Keyword::Else) break;
    if (token.kind == TokenKind::Name && IsFunctionCall(c, token)) return false;
  }
  c.Advance();
  c.Advance();
  StringExpression(c);
  c.builder.Emit(Op::AppendString, store.a);
  return true;
}

}  // namespace

void CompileAssignment(Compiler& c) {
  if (CompileRecordAssignment(c)) return;
  ValueKind kind;
  const Token& target = c.Peek();
  const Instruction store = CompileVariable(c, true, &kind);
  c.Expect(TokenKind::Equal, "'='");
  if (CompileAppend(c, target, store)) return;
  if (kind == ValueKind::String) {
    StringExpression(c);
  } else {
    NumberExpression(c);
  }
  c.builder.Emit(store.op, store.a, store.b, store.c);
}
