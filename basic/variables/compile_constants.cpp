#include "basic/variables/compile_constants.h"

#include "basic/builtins/builtins.h"
#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/executor/executor.h"
#include "basic/executor/string_values.h"
#include "basic/variables/compile_variables.h"
#include "runtime/strings/strings.h"

namespace {

// The built-ins that give the same result each time; SPACE$ and STRING$
// are left out so that no constant is huge. The keys and the cursor are
// the run's, never the compiler's to wait for or read.
bool FoldableBuiltin(int32_t row) {
  switch (BuiltinAt(row).keyword) {
    case Keyword::Rnd: case Keyword::Timer: case Keyword::Time: case Keyword::Date: case Keyword::Space:
    case Keyword::String: case Keyword::Inkey: case Keyword::InputChars: case Keyword::Pos:
    case Keyword::Csrlin:
    case Keyword::Peek: case Keyword::Inp:  // memory and ports change as the run goes
      return false;
    default:
      return true;
  }
}

// Operators, literals, earlier constants and the foldable built-ins.
bool Foldable(const Instruction& in) {
  switch (in.op) {
    case Op::PushNumber: case Op::PushString: case Op::Add: case Op::Subtract: case Op::Multiply:
    case Op::Divide: case Op::AddConstant: case Op::SubtractConstant: case Op::MultiplyConstant:
    case Op::DivideConstant: case Op::Power: case Op::Negate: case Op::IntegerDivide: case Op::Modulo:
    case Op::And: case Op::Or: case Op::Xor: case Op::Not: case Op::Equal: case Op::NotEqual: case Op::Less:
    case Op::Greater: case Op::LessEqual: case Op::GreaterEqual: case Op::Concat: case Op::CompareStrings:
    case Op::Eqv: case Op::Imp: case Op::CheckInteger: case Op::CheckLong:
      return true;
    case Op::CallBuiltin:
      return FoldableBuiltin(in.a);
    default:
      return false;
  }
}

constexpr std::size_t MaxConstantString = 255;

// Runs the instructions from start on, drops them, and gives the push of
// their value, kept as a variable of that kind would keep it.
Instruction FoldConstant(Compiler& c, int32_t start, ValueKind kind, const Token& at) {
  Code scratch;
  for (std::size_t i = static_cast<std::size_t>(start); i < c.code->instructions.size(); ++i) {
    const Instruction& in = c.code->instructions[i];
    if (!Foldable(in)) c.Fail(at, "a constant's value may use only numbers, strings, operators and constants");
    scratch.instructions.push_back(in);
  }
  c.builder.Truncate(start);
  scratch.instructions.push_back(Instruction{StoreOp(kind, false), 0});
  scratch.instructions.push_back(Instruction{Op::End});
  scratch.lines.assign(scratch.instructions.size(), 0);
  scratch.numbers = c.code->numbers;
  scratch.strings = c.code->strings;
  scratch.number_stack = c.code->number_stack;
  scratch.string_stack = c.code->string_stack;
  Variables value;
  value.NumberSlot("V");
  value.StringSlot("V");
  const BasicRunResult run = Execute(scratch, value, BasicRunOptions());
  // The message reads ":0: why", the scratch code having no file.
  if (run.outcome != BasicOutcome::Ended) c.Fail(at, run.message.substr(run.message.find(": ") + 2));
  if (kind != ValueKind::String) return Instruction{Op::PushNumber, c.builder.NumberConstant(value.numbers[0])};
  const std::string_view bytes = BytesOf(value.strings[0]);
  if (bytes.size() > MaxConstantString) c.Fail(at, "a string constant holds at most 255 bytes");
  return Instruction{Op::PushString, c.builder.StringConstant(std::string(bytes))};
}

}  // namespace

// CONST name = expr [, ...]. The name then stands for the value in the
// text that follows; storing into it is an error.
void CompileConst(Compiler& c) {
  c.Advance();
  do {
    const Token& name = c.Expect(TokenKind::Name, "a constant's name");
    c.Expect(TokenKind::Equal, "'='");
    const Token& at = c.Peek();
    const int32_t start = c.builder.Here();
    ValueKind kind = Expression(c);
    const ValueKind named = KindOfName(name.text);
    if (HasSuffix(name.text) && (named == ValueKind::String) != (kind == ValueKind::String)) {
      c.Fail(at, kind == ValueKind::String ? "expected a number, found a string" : "expected a string, found a number");
    }
    // A suffix gives the constant its kind; else its value's kind does.
    if (kind != ValueKind::String && HasSuffix(name.text)) kind = named;
    c.constants[name.text] = Constant{FoldConstant(c, start, kind, at), kind};
  } while (c.Match(TokenKind::Comma));
}

const Constant* ConstantNamed(const Compiler& c, const Token& name) {
  const auto constant = c.constants.find(name.text);
  return constant == c.constants.end() ? nullptr : &constant->second;
}
