// Types and declarations: DEFINT and its kin, DIM and REDIM with their
// bounds and AS types, OPTION BASE, CONST; and the statements that act on
// whole variables: ERASE, SWAP, CLEAR.
//
// A type is the compiler's business only: by the time the program runs,
// every name carries its suffix ("I" under DEFINT I is the variable "I%"),
// so the variables and the executor see suffixes and nothing else.
#include <algorithm>

#include "basic/compiler/compiler.h"

namespace {

struct TypeName {
  const char* text;
  ValueKind kind;
};
// SINGLE is a double here, as every unsuffixed number is.
constexpr TypeName TypeNames[] = {
    {"INTEGER", ValueKind::Integer}, {"LONG", ValueKind::Long},     {"SINGLE", ValueKind::Number},
    {"DOUBLE", ValueKind::Number},   {"STRING", ValueKind::String},
};

const char* TextOfType(ValueKind kind) {
  switch (kind) {
    case ValueKind::Integer: return "INTEGER";
    case ValueKind::Long: return "LONG";
    case ValueKind::String: return "STRING";
    case ValueKind::Number: break;
  }
  return "DOUBLE";
}

}  // namespace

// The name a variable is known by: its own suffix, or else the type that
// DIM ... AS or a DEFtype earlier in the text gave it.
std::string Compiler::VariableName(const Token& name, bool array, ValueKind* kind) {
  const std::string& text = name.text;
  const bool suffixed = HasSuffix(text);
  const std::string bare = suffixed ? text.substr(0, text.size() - 1) : text;
  const auto declared = declared_.find(array ? bare + "()" : bare);
  if (!suffixed) {
    *kind = declared != declared_.end() ? declared->second : letter_kinds_[bare[0] - 'A'];
  } else {
    *kind = KindOfName(text);
    if (declared != declared_.end() && declared->second != *kind) {
      Fail(name, bare + " is declared AS " + TextOfType(declared->second) + ", not " + text);
    }
  }
  // A parameter or a DIM SHARED name declared AS a type means its typed
  // variable without the suffix too.
  const std::string canonical = Declared(NameOfKind(bare, *kind));
  if (!array) CheckNotFunction(name, canonical);
  *kind = KindOfName(canonical);
  return canonical;
}

// The slot of an array used with that many subscripts (0: as it is).
int32_t Compiler::ArraySlotOf(const Token& name, int32_t subscripts, ValueKind* kind) {
  const std::string canonical = VariableName(name, true, kind);
  arrays_seen_ = true;
  const int32_t slot = variables_->ArraySlot(canonical, subscripts, option_base_);
  if (slot < 0) {
    Fail(name, "array " + canonical + " has " + std::to_string(variables_->ArraySubscripts(canonical)) +
                   " subscripts elsewhere");
  }
  return slot;
}

// "AS typename", when it comes next. AS and the type names are not
// reserved: programs may keep them as variables.
bool Compiler::AsType(ValueKind* kind) {
  if (!Check(TokenKind::Name) || Peek().text != "AS") return false;
  Advance();
  const Token& type = Peek();
  for (const TypeName& entry : TypeNames) {
    if (type.kind == TokenKind::Name && type.text == entry.text) {
      Advance();
      *kind = entry.kind;
      return true;
    }
  }
  Unexpected("INTEGER, LONG, SINGLE, DOUBLE or STRING");
}

void Compiler::Declare(const Token& name, bool array, ValueKind kind) {
  if (HasSuffix(name.text)) Fail(name, name.text + " has a suffix: a name declared AS a type has none");
  const auto [entry, added] = declared_.emplace(array ? name.text + "()" : name.text, kind);
  if (!added && entry->second != kind) {
    Fail(name, name.text + " is declared AS " + TextOfType(entry->second) + " already");
  }
}

const Instruction* Compiler::Constant(const Token& name) const {
  const auto constant = constants_.find(name.text);
  return constant == constants_.end() ? nullptr : &constant->second;
}

// DIM name[(bounds)] [AS type] [, ...]; REDIM the same, arrays only.
void Compiler::Dim(bool redim) {
  if (!redim && MatchKeyword(Keyword::Shared)) return DimShared();
  do {
    const Token& name = Expect(TokenKind::Name, redim ? "an array name" : "a variable or array name");
    ValueKind kind;
    if (!Check(TokenKind::LeftParen)) {
      // DIM X alone declares nothing: the variable exists from its first use.
      if (redim) Unexpected("'(' and the array's bounds");
      if (AsType(&kind)) Declare(name, false, kind);
      continue;
    }
    int32_t subscripts;
    int32_t given_lower;
    const int32_t bounds_start = builder_.Here();
    ArrayBounds(&subscripts, &given_lower);
    if (AsType(&kind)) Declare(name, true, kind);
    const int32_t slot = ArraySlotOf(name, subscripts, &kind);
    if (!redim) RecordDeclaration(slot, given_lower, bounds_start);
    builder_.Emit(redim ? Op::Redim : Op::Dim, slot, subscripts, given_lower);
  } while (Match(TokenKind::Comma));
}

// "(hi, ...)" or "(lo TO hi, ...)": pushes each dimension's bounds; bit i
// of given_lower tells that dimension i has its lower bound too.
void Compiler::ArrayBounds(int32_t* subscripts, int32_t* given_lower) {
  Expect(TokenKind::LeftParen, "'('");
  *subscripts = 0;
  *given_lower = 0;
  do {
    if (++*subscripts > 3) Fail(Peek(), "an array has at most 3 subscripts");
    NumberExpression();
    if (MatchKeyword(Keyword::To)) {
      NumberExpression();
      *given_lower |= 1 << (*subscripts - 1);
    }
  } while (Match(TokenKind::Comma));
  Expect(TokenKind::RightParen, "')'");
}

// DEFINT A-Z, DEFSTR S, T-V: the type of the names without a suffix that
// start with those letters, from here to the end of the text.
void Compiler::DefType(ValueKind kind) {
  Advance();
  const auto letter = [this]() -> const Token& {
    const Token& token = Expect(TokenKind::Name, "a letter");
    if (token.text.size() != 1) Fail(token, "expected a letter, found " + DescribeToken(token));
    return token;
  };
  do {
    const char first = letter().text[0];
    char last = first;
    if (Match(TokenKind::Minus)) {
      const Token& to = letter();
      last = to.text[0];
      if (last < first) Fail(to, "letters out of order: " + std::string(1, first) + "-" + last);
    }
    for (char c = first; c <= last; ++c) letter_kinds_[c - 'A'] = kind;
  } while (Match(TokenKind::Comma));
}

// OPTION BASE 0 or 1, before the first array in the text: the lower bound
// of the arrays that DIM gives only an upper bound, and of automatic ones.
void Compiler::OptionBase() {
  const Token& option = Advance();
  if (!Check(TokenKind::Name) || Peek().text != "BASE") Unexpected("BASE");
  Advance();
  const Token& base = Peek();
  if (base.kind != TokenKind::Number || (base.number != 0 && base.number != 1)) Unexpected("0 or 1");
  Advance();
  if (arrays_seen_) Fail(option, "OPTION BASE must come before the first array");
  option_base_ = static_cast<int32_t>(base.number);
}

// ERASE A [, B ...]: the arrays are unmade, their values gone.
void Compiler::Erase() {
  Advance();
  do {
    const Token& name = Expect(TokenKind::Name, "an array name");
    if (Match(TokenKind::LeftParen)) Expect(TokenKind::RightParen, "')'");
    ValueKind kind;
    builder_.Emit(Op::Erase, ArraySlotOf(name, 0, &kind));
  } while (Match(TokenKind::Comma));
}

// SWAP a, b: two variables or elements of one type. Their subscripts are
// pushed, a's first; the values change places at run time. A scalar's
// store has no subscripts (b is 0), an element's has 1 to 3.
void Compiler::Swap() {
  Advance();
  ValueKind first_kind;
  ValueKind second_kind;
  const Instruction first = Variable(true, &first_kind);
  Expect(TokenKind::Comma, "','");
  const Token& second_name = Peek();
  const Instruction second = Variable(true, &second_kind);
  if (first_kind != second_kind) Fail(second_name, "SWAP needs two variables of the same type");
  builder_.Emit(first_kind == ValueKind::String ? Op::SwapStrings : Op::SwapNumbers, first.a, second.a,
                first.b + 4 * second.b);
}

// LBOUND(A [, dimension]) and UBOUND(A [, dimension]): dimension 1 when
// omitted. An array not made yet is made, as a use would make it.
ValueKind Compiler::Bound(const Token& function) {
  Expect(TokenKind::LeftParen, "'('");
  const Token& name = Expect(TokenKind::Name, "an array name");
  ValueKind kind;
  const int32_t slot = ArraySlotOf(name, 0, &kind);
  if (Match(TokenKind::Comma)) {
    NumberExpression();
  } else {
    builder_.EmitNumber(1);
  }
  Expect(TokenKind::RightParen, "')'");
  builder_.Emit(Op::Bound, slot, function.keyword == Keyword::Ubound);
  return ValueKind::Number;
}

// CLEAR [n] [, [n] [, n]]: the arguments are evaluated and ignored.
void Compiler::Clear() {
  Advance();
  while (!AtStatementEnd()) {
    if (!Check(TokenKind::Comma)) {
      NumberExpression();
      builder_.Emit(Op::Pop);
      if (AtStatementEnd()) break;
    }
    Expect(TokenKind::Comma, "','");
  }
  builder_.Emit(Op::Clear);
}

// A DIM outside procedures whose bounds are all numbers in the text is a
// declaration, as in Minimal BASIC, where a DIM jumped over still sizes its
// array; it counts only if it is its array's one DIM.
void Compiler::RecordDeclaration(int32_t slot, int32_t given_lower, int32_t bounds_start) {
  ++dims_of_array_[slot];
  if (scope_) return;
  ArrayDeclaration declaration{slot, given_lower, {}};
  for (auto i = static_cast<std::size_t>(bounds_start); i < code_->instructions.size(); ++i) {
    const Instruction& in = code_->instructions[i];
    if (in.op != Op::PushNumber) return;
    declaration.bounds.push_back(code_->numbers[static_cast<std::size_t>(in.a)]);
  }
  code_->declarations.push_back(std::move(declaration));
}

void Compiler::KeepSoleDeclarations() {
  auto& declarations = code_->declarations;
  const auto shared = [this](const ArrayDeclaration& d) { return dims_of_array_[d.slot] != 1; };
  declarations.erase(std::remove_if(declarations.begin(), declarations.end(), shared), declarations.end());
}
