// Expressions, one function per precedence level, lowest first:
// XOR, OR, AND, NOT, comparisons, + -, \ MOD, * /, unary - +, ^, operands.
// Each returns the kind of the value it left on the stacks, so that a
// string where a number belongs is found here, before anything runs.
#include "basic/builtins/builtins.h"
#include "basic/compiler/compiler.h"

namespace {

const char* KindName(ValueKind kind) { return kind == ValueKind::String ? "a string" : "a number"; }

}  // namespace

ValueKind Compiler::Expression() {
  NestingGuard guard(this);
  return Xor();
}

void Compiler::NumberExpression() {
  const Token& at = Peek();
  NumberOperand(Expression(), at);
}

void Compiler::StringExpression() {
  const Token& at = Peek();
  if (Expression() != ValueKind::String) Fail(at, "expected a string, found a number");
}

void Compiler::NumberOperand(ValueKind kind, const Token& at) {
  if (kind == ValueKind::String) Fail(at, "expected a number, found a string");
}

// The bitwise levels and the arithmetic ones take numbers only; one
// routine runs such a level, left-associative, over its operators.
ValueKind Compiler::NumericLevel(std::initializer_list<BinaryOperator> operators, ValueKind (Compiler::*next)()) {
  const Token* left_at = &Peek();
  ValueKind kind = (this->*next)();
  for (;;) {
    const BinaryOperator* found = nullptr;
    for (const BinaryOperator& candidate : operators) {
      const bool keyword = candidate.token == TokenKind::Keyword;
      if (keyword ? CheckKeyword(candidate.keyword) : Check(candidate.token)) found = &candidate;
    }
    if (!found) return kind;
    NumberOperand(kind, *left_at);
    Advance();
    left_at = &Peek();
    NumberOperand((this->*next)(), *left_at);
    builder_.Emit(found->op);
    kind = ValueKind::Number;
  }
}

ValueKind Compiler::Xor() { return NumericLevel({{TokenKind::Keyword, Keyword::Xor, Op::Xor}}, &Compiler::Or); }
ValueKind Compiler::Or() { return NumericLevel({{TokenKind::Keyword, Keyword::Or, Op::Or}}, &Compiler::And); }
ValueKind Compiler::And() { return NumericLevel({{TokenKind::Keyword, Keyword::And, Op::And}}, &Compiler::Not); }

ValueKind Compiler::IntegerDivision() {
  return NumericLevel({{TokenKind::Backslash, Keyword::None, Op::IntegerDivide},
                       {TokenKind::Keyword, Keyword::Mod, Op::Modulo}},
                      &Compiler::Multiplicative);
}

ValueKind Compiler::Multiplicative() {
  return NumericLevel({{TokenKind::Star, Keyword::None, Op::Multiply},
                       {TokenKind::Slash, Keyword::None, Op::Divide}},
                      &Compiler::Unary);
}

ValueKind Compiler::Not() {
  if (!CheckKeyword(Keyword::Not)) return Comparison();
  NestingGuard guard(this);
  Advance();
  const Token& at = Peek();
  NumberOperand(Not(), at);
  builder_.Emit(Op::Not);
  return ValueKind::Number;
}

ValueKind Compiler::Comparison() {
  static const BinaryOperator operators[] = {
      {TokenKind::Equal, Keyword::None, Op::Equal},
      {TokenKind::NotEqual, Keyword::None, Op::NotEqual},
      {TokenKind::Less, Keyword::None, Op::Less},
      {TokenKind::Greater, Keyword::None, Op::Greater},
      {TokenKind::LessEqual, Keyword::None, Op::LessEqual},
      {TokenKind::GreaterEqual, Keyword::None, Op::GreaterEqual},
  };
  ValueKind kind = Additive();
  for (;;) {
    const BinaryOperator* found = nullptr;
    for (const BinaryOperator& candidate : operators) {
      if (Check(candidate.token)) found = &candidate;
    }
    if (!found) return kind;
    const Token& op = Advance();
    const ValueKind right = Additive();
    if (right != kind) Fail(op, std::string("cannot compare ") + KindName(kind) + " with " + KindName(right));
    if (kind == ValueKind::String) {
      builder_.Emit(Op::CompareStrings, static_cast<int32_t>(found->op));
    } else {
      builder_.Emit(found->op);
    }
    kind = ValueKind::Number;
  }
}

ValueKind Compiler::Additive() {
  ValueKind kind = IntegerDivision();
  while (Check(TokenKind::Plus) || Check(TokenKind::Minus)) {
    const Token& op = Advance();
    const ValueKind right = IntegerDivision();
    if (right != kind) Fail(op, std::string("cannot combine ") + KindName(kind) + " with " + KindName(right));
    if (kind == ValueKind::String) {
      if (op.kind == TokenKind::Minus) Fail(op, "strings cannot be subtracted");
      builder_.Emit(Op::Concat);
    } else {
      builder_.Emit(op.kind == TokenKind::Plus ? Op::Add : Op::Subtract);
    }
  }
  return kind;
}

// Signs bind looser than ^, so -2^2 is -4.
ValueKind Compiler::Unary() {
  if (!Check(TokenKind::Minus) && !Check(TokenKind::Plus)) return Power();
  NestingGuard guard(this);
  const bool negate = Advance().kind == TokenKind::Minus;
  const Token& at = Peek();
  NumberOperand(Unary(), at);
  if (negate) builder_.Emit(Op::Negate);
  return ValueKind::Number;
}

// Left to right: 2^3^2 is (2^3)^2.
ValueKind Compiler::Power() {
  const Token& at = Peek();
  const ValueKind kind = Primary();
  if (!Check(TokenKind::Caret)) return kind;
  NumberOperand(kind, at);
  while (Match(TokenKind::Caret)) {
    Exponent();
    builder_.Emit(Op::Power);
  }
  return ValueKind::Number;
}

// An exponent may carry its own sign: 2^-1 is 0.5.
ValueKind Compiler::Exponent() {
  if (Check(TokenKind::Minus) || Check(TokenKind::Plus)) {
    NestingGuard guard(this);
    const bool negate = Advance().kind == TokenKind::Minus;
    Exponent();
    if (negate) builder_.Emit(Op::Negate);
    return ValueKind::Number;
  }
  const Token& at = Peek();
  NumberOperand(Primary(), at);
  return ValueKind::Number;
}

ValueKind Compiler::Primary() {
  const Token& token = Peek();
  switch (token.kind) {
    case TokenKind::Number:
      builder_.EmitNumber(Advance().number);
      return ValueKind::Number;
    case TokenKind::String:
      builder_.EmitString(Advance().text);
      return ValueKind::String;
    case TokenKind::LeftParen: {
      Advance();
      const ValueKind kind = Expression();
      Expect(TokenKind::RightParen, "')'");
      return kind;
    }
    case TokenKind::Name: {
      if (IsFunctionCall(token)) return FunctionCall();
      ValueKind kind;
      const Instruction load = Variable(false, &kind);
      builder_.Emit(load.op, load.a, load.b);
      return kind == ValueKind::String ? kind : ValueKind::Number;
    }
    case TokenKind::Keyword:
      return Function(Advance());
    case TokenKind::Unsupported:
      return ClassicFunction(Peek());
    default:
      Unexpected("an expression");
  }
}

// A built-in function: the row of the table that fits its arguments.
ValueKind Compiler::Function(const Token& name) {
  NestingGuard guard(this);
  const Keyword keyword = name.keyword;
  if (keyword == Keyword::Tab || keyword == Keyword::Spc) {
    Fail(name, std::string(KeywordText(keyword)) + " works only in PRINT");
  }
  if (keyword == Keyword::Lbound || keyword == Keyword::Ubound) return Bound(name);
  if (keyword == Keyword::Point) return PointFunction();
  const bool bare = FindBuiltin(keyword, "") >= 0;
  const bool takes_arguments = BuiltinTakesMore(keyword, "");
  if (!bare && !takes_arguments) Fail(name, "expected an expression, found " + DescribeToken(name));
  // RND alone, or RND with its parentheses.
  const bool with_arguments = takes_arguments && (!bare || Check(TokenKind::LeftParen));
  const int32_t row = FindBuiltin(keyword, with_arguments ? BuiltinArguments(keyword) : "");
  builder_.Emit(Op::CallBuiltin, row);
  return BuiltinAt(row).result;
}

// "(a, b, ...)" read one argument at a time against the rows of a
// built-in: each must be of a kind some row takes in that place, and the
// list ends where a row ends. Gives the kinds read, as a row writes them.
std::string Compiler::BuiltinArguments(Keyword keyword) {
  Expect(TokenKind::LeftParen, "'('");
  std::string given;
  for (;;) {
    const Token& at = Peek();
    const char letter = Expression() == ValueKind::String ? 'S' : 'N';
    if (BuiltinNextKind(keyword, given, letter) != letter) {
      Fail(at, letter == 'S' ? "expected a number, found a string" : "expected a string, found a number");
    }
    given += letter;
    if (!BuiltinTakesMore(keyword, given)) break;
    if (FindBuiltin(keyword, given) < 0) {
      Expect(TokenKind::Comma, "','");  // no row ends here
    } else if (!Match(TokenKind::Comma)) {
      break;
    }
  }
  Expect(TokenKind::RightParen, "')'");
  return given;
}
