#include "basic/variables/compile_arrays.h"

#include <algorithm>

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/procedures/compile_shared_names.h"
#include "basic/records/compile_records.h"
#include "basic/variables/compile_variables.h"

namespace {

// "(hi, ...)" or "(lo TO hi, ...)": pushes each dimension's bounds; bit i
// of given_lower tells that dimension i has its lower bound too.
void CompileArrayBounds(Compiler& c, int32_t* subscripts, int32_t* given_lower) {
  c.Expect(TokenKind::LeftParen, "'('");
  *subscripts = 0;
  *given_lower = 0;
  do {
    if (++*subscripts > 3) c.Fail(c.Peek(), "an array has at most 3 subscripts");
    NumberExpression(c);
    if (c.MatchKeyword(Keyword::To)) {
      NumberExpression(c);
      *given_lower |= 1 << (*subscripts - 1);
    }
  } while (c.Match(TokenKind::Comma));
  c.Expect(TokenKind::RightParen, "')'");
}

// A DIM outside procedures whose bounds are all numbers in the text is a
// declaration, as in Minimal BASIC, where a DIM jumped over still sizes its
// array; it counts only if it is its array's one DIM.
void RecordDeclaration(Compiler& c, int32_t slot, int32_t given_lower, int32_t bounds_start) {
  ++c.types.dims_of_array[slot];
  if (c.procedures.scope) return;
  ArrayDeclaration declaration{slot, given_lower, {}};
  for (auto i = static_cast<std::size_t>(bounds_start); i < c.code->instructions.size(); ++i) {
    const Instruction& in = c.code->instructions[i];
    if (in.op != Op::PushNumber) return;
    declaration.bounds.push_back(c.code->numbers[static_cast<std::size_t>(in.a)]);
  }
  c.code->declarations.push_back(std::move(declaration));
}

// A name declared AS a type: a number type, a string of either kind, or a
// record type.
void Declare(Compiler& c, const Token& name, bool array, const AsClause& as) {
  if (as.record >= 0) return DeclareRecord(c, name, array, as.record);
  DeclareType(c, name, array, as.kind);
  if (as.length > 0) DeclareFixedLength(c, NameOfKind(name.text, ValueKind::String), array, as.length);
}

}  // namespace

// DIM name[(bounds)] [AS type] [, ...]; REDIM the same, arrays only.
void CompileDim(Compiler& c, bool redim) {
  c.Advance();
  if (!redim && c.MatchKeyword(Keyword::Shared)) return CompileDimShared(c);
  CompileDimensions(c, redim);
}

void CompileDimensions(Compiler& c, bool redim) {
  do {
    const Token& name = c.Expect(TokenKind::Name, redim ? "an array name" : "a variable or array name");
    ValueKind kind;
    AsClause as;
    if (!c.Check(TokenKind::LeftParen)) {
      // DIM X alone declares nothing: the variable exists from its first use.
      if (redim) c.Unexpected("'(' and the array's bounds");
      if (ReadAs(c, &as)) Declare(c, name, false, as);
      continue;
    }
    int32_t subscripts;
    int32_t given_lower;
    const int32_t bounds_start = c.builder.Here();
    const std::size_t bounds_at = c.token_index;
    CompileArrayBounds(c, &subscripts, &given_lower);
    if (ReadAs(c, &as)) Declare(c, name, true, as);
    const int32_t record = RecordOf(c, name.text, true);
    if (record >= 0) {
      DimRecordArray(c, name, record, redim, bounds_at, subscripts, given_lower);
      continue;
    }
    const int32_t slot = ArraySlotOf(c, name, subscripts, &kind);
    if (!redim) RecordDeclaration(c, slot, given_lower, bounds_start);
    c.builder.Emit(redim ? Op::Redim : Op::Dim, slot, subscripts, given_lower);
  } while (c.Match(TokenKind::Comma));
}

// A program of one module has no other module to share COMMON with: its
// names' types are declared as DIM declares them, and COMMON SHARED also
// shares them with every procedure (the first pass reads that, as for DIM
// SHARED). An array is named with empty parentheses; DIM gives its bounds.
void CompileCommon(Compiler& c) {
  c.Advance();
  if (c.procedures.scope) c.Fail(c.Peek(), "COMMON belongs outside procedures");
  c.MatchKeyword(Keyword::Shared);
  if (c.Match(TokenKind::Slash)) {
    c.Expect(TokenKind::Name, "the block's name");
    c.Expect(TokenKind::Slash, "'/' after the block's name");
  }
  do {
    const Token& name = c.Expect(TokenKind::Name, "a variable or array name");
    const bool array = c.Match(TokenKind::LeftParen);
    if (array) c.Expect(TokenKind::RightParen, "')': COMMON names an array as A()");
    AsClause as;
    if (ReadAs(c, &as)) Declare(c, name, array, as);
  } while (c.Match(TokenKind::Comma));
}

void KeepSoleDeclarations(Compiler& c) {
  auto& declarations = c.code->declarations;
  const auto shared = [&c](const ArrayDeclaration& d) { return c.types.dims_of_array[d.slot] != 1; };
  declarations.erase(std::remove_if(declarations.begin(), declarations.end(), shared), declarations.end());
}

// OPTION BASE 0 or 1, before the first array in the text: the lower bound
// of the arrays that DIM gives only an upper bound, and of automatic ones.
void CompileOptionBase(Compiler& c) {
  const Token& option = c.Advance();
  if (!c.Check(TokenKind::Name) || c.Peek().text != "BASE") c.Unexpected("BASE");
  c.Advance();
  const Token& base = c.Peek();
  if (base.kind != TokenKind::Number || (base.number != 0 && base.number != 1)) c.Unexpected("0 or 1");
  c.Advance();
  if (c.types.arrays_seen) c.Fail(option, "OPTION BASE must come before the first array");
  c.types.option_base = static_cast<int32_t>(base.number);
}

// ERASE A [, B ...]: the arrays are unmade, their values gone.
void CompileErase(Compiler& c) {
  c.Advance();
  do {
    const Token& name = c.Expect(TokenKind::Name, "an array name");
    if (c.Match(TokenKind::LeftParen)) c.Expect(TokenKind::RightParen, "')'");
    if (EraseRecordArray(c, name)) continue;
    ValueKind kind;
    c.builder.Emit(Op::Erase, ArraySlotOf(c, name, 0, &kind));
  } while (c.Match(TokenKind::Comma));
}

// LBOUND(A [, dimension]) and UBOUND(A [, dimension]): dimension 1 when
// omitted. An array not made yet is made, as a use would make it.
ValueKind CompileBound(Compiler& c, const Token& function) {
  c.Expect(TokenKind::LeftParen, "'('");
  const Token& name = c.Expect(TokenKind::Name, "an array name");
  ValueKind kind;
  int32_t slot = RecordArrayBoundSlot(c, name);
  if (slot < 0) slot = ArraySlotOf(c, name, 0, &kind);
  if (c.Match(TokenKind::Comma)) {
    NumberExpression(c);
  } else {
    c.builder.EmitNumber(1);
  }
  c.Expect(TokenKind::RightParen, "')'");
  c.builder.Emit(Op::Bound, slot, function.keyword == Keyword::Ubound);
  return ValueKind::Long;
}
