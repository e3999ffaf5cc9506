// CONST: names whose values are known before the run. The compiler works a
// constant's value out by running its expression, once, on the executor, so
// that a constant holds exactly what the same expression gives at run time.
#include "basic/compiler.h"
#include "basic/executor.h"
#include "runtime/strings/strings.h"

namespace {

// Operators, literals, earlier constants and the functions that give the
// same result each time; SPACE$ is left out so that no constant is huge.
bool Foldable(Op op) {
  switch (op) {
    case Op::PushNumber: case Op::PushString: case Op::Add: case Op::Subtract: case Op::Multiply:
    case Op::Divide: case Op::AddConstant: case Op::SubtractConstant: case Op::MultiplyConstant:
    case Op::DivideConstant: case Op::Power: case Op::Negate: case Op::IntegerDivide: case Op::Modulo:
    case Op::And: case Op::Or: case Op::Xor: case Op::Not: case Op::Equal: case Op::NotEqual: case Op::Less:
    case Op::Greater: case Op::LessEqual: case Op::GreaterEqual: case Op::Concat: case Op::CompareStrings:
    case Op::FnInt: case Op::FnAbs: case Op::FnSgn: case Op::FnSqr: case Op::FnExp: case Op::FnLog:
    case Op::FnSin: case Op::FnCos: case Op::FnTan: case Op::FnAtn: case Op::FnLen: case Op::FnAsc:
    case Op::FnVal: case Op::FnChr: case Op::FnStr: case Op::FnLeft: case Op::FnRight: case Op::FnMid:
    case Op::FnMidToEnd:
      return true;
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
    if (!Foldable(in.op)) Fail(at, "a constant's value may use only numbers, strings, operators and constants");
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
