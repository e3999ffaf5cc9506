#include "basic/compiler/compile_expression.h"

#include <initializer_list>
#include <string>

#include "basic/builtins/compile_builtins.h"
#include "basic/compiler/compile_classic.h"
#include "basic/compiler/compiler.h"
#include "basic/procedures/compile_calls.h"
#include "basic/variables/compile_variables.h"

namespace {

const char* KindName(ValueKind kind) { return kind == ValueKind::String ? "a string" : "a number"; }

// What kind an operator's result is, from its operands' kinds.
enum class ResultKind : uint8_t {
  Wider,  // + - *: the wider of the two
  Float,  // / and ^: the wider, at least SINGLE
  Whole,  // \ MOD and the logical operators: INTEGER when both are, else LONG
};

ValueKind KindOfResult(ResultKind rule, ValueKind left, ValueKind right) {
  switch (rule) {
    case ResultKind::Wider: return Wider(left, right);
    case ResultKind::Float: return FloatOf(Wider(left, right));
    case ResultKind::Whole: break;
  }
  return left == ValueKind::Integer && right == ValueKind::Integer ? ValueKind::Integer : ValueKind::Long;
}

// A whole result out of its kind's range is Overflow, as the classic BASICs
// computed INTEGER and LONG arithmetic in their own widths: 20000 * 2 is
// one, 20000 * 2& is not.
void CheckWhole(Compiler& c, ValueKind kind) {
  if (kind == ValueKind::Integer) c.builder.Emit(Op::CheckInteger);
  if (kind == ValueKind::Long) c.builder.Emit(Op::CheckLong);
}

// An operator of a precedence level: its token (or keyword), instruction
// and result's kind; whether it can pass its kind's range.
struct BinaryOperator {
  TokenKind token;
  Keyword keyword;
  Op op;
  ResultKind result = ResultKind::Whole;
  bool checked = false;
};

using Level = ValueKind (*)(Compiler& c);

ValueKind NotLevel(Compiler& c);
ValueKind Comparison(Compiler& c);
ValueKind Additive(Compiler& c);
ValueKind IntegerDivision(Compiler& c);
ValueKind Multiplicative(Compiler& c);
ValueKind Unary(Compiler& c);
ValueKind PowerLevel(Compiler& c);
ValueKind Exponent(Compiler& c);
ValueKind Primary(Compiler& c);

// The bitwise levels and the arithmetic ones take numbers only; one
// routine runs such a level, left-associative, over its operators.
ValueKind NumericLevel(Compiler& c, std::initializer_list<BinaryOperator> operators, Level next) {
  const Token* left_at = &c.Peek();
  ValueKind kind = next(c);
  for (;;) {
    const BinaryOperator* found = nullptr;
    for (const BinaryOperator& candidate : operators) {
      const bool keyword = candidate.token == TokenKind::Keyword;
      if (keyword ? c.CheckKeyword(candidate.keyword) : c.Check(candidate.token)) found = &candidate;
    }
    if (!found) return kind;
    NumberOperand(c, kind, *left_at);
    c.Advance();
    left_at = &c.Peek();
    const ValueKind right = next(c);
    NumberOperand(c, right, *left_at);
    c.builder.Emit(found->op);
    kind = KindOfResult(found->result, kind, right);
    if (found->checked) CheckWhole(c, kind);
  }
}

ValueKind Logical(Compiler& c, Keyword keyword, Op op, Level next) {
  return NumericLevel(c, {{TokenKind::Keyword, keyword, op, ResultKind::Whole, false}}, next);
}

ValueKind AndLevel(Compiler& c) { return Logical(c, Keyword::And, Op::And, NotLevel); }
ValueKind OrLevel(Compiler& c) { return Logical(c, Keyword::Or, Op::Or, AndLevel); }
ValueKind XorLevel(Compiler& c) { return Logical(c, Keyword::Xor, Op::Xor, OrLevel); }
ValueKind EqvLevel(Compiler& c) { return Logical(c, Keyword::Eqv, Op::Eqv, XorLevel); }
ValueKind ImpLevel(Compiler& c) { return Logical(c, Keyword::Imp, Op::Imp, EqvLevel); }

ValueKind NotLevel(Compiler& c) {
  if (!c.CheckKeyword(Keyword::Not)) return Comparison(c);
  Compiler::NestingGuard guard(c);
  c.Advance();
  const Token& at = c.Peek();
  const ValueKind kind = NotLevel(c);
  NumberOperand(c, kind, at);
  c.builder.Emit(Op::Not);
  return kind == ValueKind::Integer ? ValueKind::Integer : ValueKind::Long;
}

ValueKind Comparison(Compiler& c) {
  static const BinaryOperator operators[] = {
      {TokenKind::Equal, Keyword::None, Op::Equal},
      {TokenKind::NotEqual, Keyword::None, Op::NotEqual},
      {TokenKind::Less, Keyword::None, Op::Less},
      {TokenKind::Greater, Keyword::None, Op::Greater},
      {TokenKind::LessEqual, Keyword::None, Op::LessEqual},
      {TokenKind::GreaterEqual, Keyword::None, Op::GreaterEqual},
  };
  ValueKind kind = Additive(c);
  for (;;) {
    const BinaryOperator* found = nullptr;
    for (const BinaryOperator& candidate : operators) {
      if (c.Check(candidate.token)) found = &candidate;
    }
    if (!found) return kind;
    const Token& op = c.Advance();
    const ValueKind right = Additive(c);
    if ((right == ValueKind::String) != (kind == ValueKind::String)) {
      c.Fail(op, std::string("cannot compare ") + KindName(kind) + " with " + KindName(right));
    }
    if (kind == ValueKind::String) {
      c.builder.Emit(Op::CompareStrings, static_cast<int32_t>(found->op));
    } else {
      c.builder.Emit(found->op);
    }
    kind = ValueKind::Integer;  // true is -1, false 0
  }
}

ValueKind Additive(Compiler& c) {
  ValueKind kind = IntegerDivision(c);
  while (c.Check(TokenKind::Plus) || c.Check(TokenKind::Minus)) {
    const Token& op = c.Advance();
    const ValueKind right = IntegerDivision(c);
    if ((right == ValueKind::String) != (kind == ValueKind::String)) {
      c.Fail(op, std::string("cannot combine ") + KindName(kind) + " with " + KindName(right));
    }
    if (kind == ValueKind::String) {
      if (op.kind == TokenKind::Minus) c.Fail(op, "strings cannot be subtracted");
      c.builder.Emit(Op::Concat);
      continue;
    }
    c.builder.Emit(op.kind == TokenKind::Plus ? Op::Add : Op::Subtract);
    kind = Wider(kind, right);
    CheckWhole(c, kind);
  }
  return kind;
}

ValueKind IntegerDivision(Compiler& c) {
  return NumericLevel(c,
                      {{TokenKind::Backslash, Keyword::None, Op::IntegerDivide, ResultKind::Whole, true},
                       {TokenKind::Keyword, Keyword::Mod, Op::Modulo, ResultKind::Whole, true}},
                      Multiplicative);
}

ValueKind Multiplicative(Compiler& c) {
  return NumericLevel(c,
                      {{TokenKind::Star, Keyword::None, Op::Multiply, ResultKind::Wider, true},
                       {TokenKind::Slash, Keyword::None, Op::Divide, ResultKind::Float, false}},
                      Unary);
}

// Signs bind looser than ^, so -2^2 is -4.
ValueKind Unary(Compiler& c) {
  if (!c.Check(TokenKind::Minus) && !c.Check(TokenKind::Plus)) return PowerLevel(c);
  Compiler::NestingGuard guard(c);
  const bool negate = c.Advance().kind == TokenKind::Minus;
  const Token& at = c.Peek();
  const ValueKind kind = Unary(c);
  NumberOperand(c, kind, at);
  if (negate) {
    c.builder.Emit(Op::Negate);
    CheckWhole(c, kind);  // -(-32768) is no INTEGER
  }
  return kind;
}

// Left to right: 2^3^2 is (2^3)^2.
ValueKind PowerLevel(Compiler& c) {
  const Token& at = c.Peek();
  ValueKind kind = Primary(c);
  if (!c.Check(TokenKind::Caret)) return kind;
  NumberOperand(c, kind, at);
  while (c.Match(TokenKind::Caret)) {
    kind = FloatOf(Wider(kind, Exponent(c)));
    c.builder.Emit(Op::Power);
  }
  return kind;
}

// An exponent may carry its own sign: 2^-1 is 0.5.
ValueKind Exponent(Compiler& c) {
  if (c.Check(TokenKind::Minus) || c.Check(TokenKind::Plus)) {
    Compiler::NestingGuard guard(c);
    const bool negate = c.Advance().kind == TokenKind::Minus;
    const ValueKind kind = Exponent(c);
    if (negate) c.builder.Emit(Op::Negate);
    return kind;
  }
  const Token& at = c.Peek();
  const ValueKind kind = Primary(c);
  NumberOperand(c, kind, at);
  return kind;
}

// Literals, parentheses, variables, elements and calls: of a procedure by
// its name, of a built-in by its keyword.
ValueKind Primary(Compiler& c) {
  const Token& token = c.Peek();
  switch (token.kind) {
    case TokenKind::Number:
      c.builder.EmitNumber(c.Advance().number);
      return token.number_kind;
    case TokenKind::String:
      c.builder.EmitString(c.Advance().text);
      return ValueKind::String;
    case TokenKind::LeftParen: {
      c.Advance();
      const ValueKind kind = Expression(c);
      c.Expect(TokenKind::RightParen, "')'");
      return kind;
    }
    case TokenKind::Name: {
      if (IsFunctionCall(c, token)) return CompileFunctionCall(c);
      ValueKind kind;
      const Instruction load = CompileVariable(c, false, &kind);
      c.builder.Emit(load.op, load.a, load.b, load.c);
      return kind;
    }
    case TokenKind::Keyword:
      return CompileBuiltinCall(c);
    case TokenKind::Unsupported:
      return CompileClassicFunction(c, c.Peek());
    default:
      c.Unexpected("an expression");
  }
}

}  // namespace

ValueKind Expression(Compiler& c) {
  Compiler::NestingGuard guard(c);
  return ImpLevel(c);
}

void NumberExpression(Compiler& c) {
  const Token& at = c.Peek();
  NumberOperand(c, Expression(c), at);
}

void StringExpression(Compiler& c) {
  const Token& at = c.Peek();
  if (Expression(c) != ValueKind::String) c.Fail(at, "expected a string, found a number");
}

void NumberOperand(Compiler& c, ValueKind kind, const Token& at) {
  if (kind == ValueKind::String) c.Fail(at, "expected a number, found a string");
}


int32_t OptionalArguments(Compiler& c, int32_t count, int32_t kept) {
  int32_t written = 0;
  bool more = true;
  for (int32_t i = 0; i < count; ++i) {
    more = more && (i == 0 || c.Match(TokenKind::Comma));
    const bool given = more && !c.Check(TokenKind::Comma) && !c.AtStatementEnd();
    if (given) NumberExpression(c);
    if (i >= kept) {
      if (given) c.builder.Emit(Op::Pop);
      continue;
    }
    if (given) written |= 1 << i;
    else c.builder.EmitNumber(0);
  }
  return written;
}
