// CONST: names whose values are known before the run. The compiler works a
// constant's value out by running its expression, once, on the executor, so
// that a constant holds exactly what the same expression gives at run time.
#include "basic/builtins/builtins.h"
#include "basic/compiler/compiler.h"
#include "basic/executor/executor.h"
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
      return true;
    case Op::CallBuiltin:
      return FoldableBuiltin(in.a);
    default:
      return false;
  }
}

constexpr std::size_t MaxConstantString = 255;

}  // namespace

// CONST name = expr [, ...]. The name then stands for the value in the
// text that follows; storing into it is an error.
void Compiler::Const() {
  Advance();
  do {
    const Token& name = Expect(TokenKind::Name, "a constant's name");
    Expect(TokenKind::Equal, "'='");
    const Token& at = Peek();
    const int32_t start = builder_.Here();
    ValueKind kind = Expression();
    const ValueKind named = KindOfName(name.text);
    if (HasSuffix(name.text) && (named == ValueKind::String) != (kind == ValueKind::String)) {
      Fail(at, kind == ValueKind::String ? "expected a number, found a string" : "expected a string, found a number");
    }
    if (kind != ValueKind::String) kind = named;
    constants_[name.text] = Fold(start, kind, at);
  } while (Match(TokenKind::Comma));
}

// Runs the instructions from start on, drops them, and gives the push of
// their value, kept as a variable of that kind would keep it.
Instruction Compiler::Fold(int32_t start, ValueKind kind, const Token& at) {
  Code scratch;
  for (std::size_t i = static_cast<std::size_t>(start); i < code_->instructions.size(); ++i) {
    const Instruction& in = code_->instructions[i];
    if (!Foldable(in)) Fail(at, "a constant's value may use only numbers, strings, operators and constants");
    scratch.instructions.push_back(in);
  }
  builder_.Truncate(start);
  scratch.instructions.push_back(Instruction{StoreOp(kind, false), 0});
  scratch.instructions.push_back(Instruction{Op::End});
  scratch.lines.assign(scratch.instructions.size(), 0);
  scratch.numbers = code_->numbers;
  scratch.strings = code_->strings;
  scratch.number_stack = code_->number_stack;
  scratch.string_stack = code_->string_stack;
  Variables value;
  value.NumberSlot("V");
  value.StringSlot("V");
  const BasicRunResult run = Execute(scratch, value, BasicRunOptions());
  // The message reads ":0: why", the scratch code having no file.
  if (run.outcome != BasicOutcome::Ended) Fail(at, run.message.substr(run.message.find(": ") + 2));
  if (kind != ValueKind::String) return Instruction{Op::PushNumber, builder_.NumberConstant(value.numbers[0])};
  const std::string_view bytes = BytesOf(value.strings[0]);
  if (bytes.size() > MaxConstantString) Fail(at, "a string constant holds at most 255 bytes");
  return Instruction{Op::PushString, builder_.StringConstant(std::string(bytes))};
}
