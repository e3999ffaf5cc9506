#include "basic/code/code.h"

#include "basic/builtins/builtins.h"

StackEffect EffectOf(const Instruction& in) {
  const auto n = [](int taken, int left) { return StackEffect{int8_t(taken), int8_t(left), 0, 0}; };
  const auto s = [](int taken, int left) { return StackEffect{0, 0, int8_t(taken), int8_t(left)}; };
  const auto mixed = [](int numbers, int numbers_left, int strings, int strings_left) {
    return StackEffect{int8_t(numbers), int8_t(numbers_left), int8_t(strings), int8_t(strings_left)};
  };
  // Subscripts are at most three, so a count fits the effect's bytes.
  const int subscripts = in.b;
  switch (in.op) {
    case Op::PushNumber: case Op::LoadNumber: case Op::InputFieldNumber:
    case Op::VariableAddConstant: case Op::VariableSubtractConstant: case Op::VariableMultiplyConstant:
    case Op::VariableDivideConstant: case Op::VariableAddVariable: case Op::VariableSubtractVariable:
    case Op::VariableMultiplyVariable: case Op::VariableDivideVariable:
      return n(0, 1);
    case Op::StoreNumber: case Op::StoreInteger: case Op::Pop: case Op::JumpIfFalse:
    case Op::JumpIfTrue: case Op::Cls: case Op::PrintNumber: case Op::Randomize: case Op::Sleep:
    case Op::PrintTab: case Op::PrintSpc:
    case Op::OnGoto: case Op::OnGosub:
      return n(1, 0);
    case Op::Add: case Op::Subtract: case Op::Multiply: case Op::Divide: case Op::Power:
    case Op::IntegerDivide: case Op::Modulo: case Op::And: case Op::Or: case Op::Xor:
    case Op::Equal: case Op::NotEqual: case Op::Less: case Op::Greater: case Op::LessEqual:
    case Op::GreaterEqual:
      return n(2, 1);
    case Op::AddVariable: case Op::SubtractVariable: case Op::MultiplyVariable: case Op::DivideVariable:
    case Op::AddConstant: case Op::SubtractConstant: case Op::MultiplyConstant: case Op::DivideConstant:
    case Op::Negate: case Op::Not:
      return n(1, 1);
    case Op::PushString: case Op::LoadString: case Op::InputFieldString: case Op::LineInput:
      return s(0, 1);
    case Op::StoreString: case Op::PrintString: case Op::Draw:
      return s(1, 0);
    case Op::Concat:
      return s(2, 1);
    case Op::CompareStrings:
      return mixed(0, 1, 2, 0);
    case Op::CallBuiltin: {
      const Builtin& builtin = BuiltinAt(in.a);
      const bool text = builtin.result == ValueKind::String;
      return mixed(BuiltinNumbers(builtin), text ? 0 : 1, BuiltinTexts(builtin), text ? 1 : 0);
    }
    case Op::MidAssign: return mixed(subscripts + 1 + in.c, 0, 1, 0);
    case Op::LoadElement: return n(subscripts, 1);
    case Op::StoreElement: case Op::StoreIntegerElement: return n(subscripts + 1, 0);
    case Op::LoadStringElement: return mixed(subscripts, 0, 0, 1);
    case Op::StoreStringElement: return mixed(subscripts, 0, 1, 0);
    case Op::Dim: case Op::Redim: {
      const int lower_bounds = (in.c & 1) + (in.c >> 1 & 1) + (in.c >> 2 & 1);
      return n(subscripts + lower_bounds, 0);
    }
    case Op::StoreLong: return n(1, 0);
    case Op::StoreLongElement: return n(subscripts + 1, 0);
    case Op::ForStartLong: return n(3, 0);
    case Op::ReadNumber: return n(0, 1);
    case Op::ReadString: return s(0, 1);
    case Op::SwapNumbers: case Op::SwapStrings: return n((in.c & 3) + (in.c >> 2), 0);
    case Op::Bound: return n(1, 1);
    case Op::Locate: return n(2, 0);
    case Op::Sound: return n(2, 0);
    case Op::Beep: case Op::SleepForKey: return n(0, 0);
    case Op::ForNextLong: case Op::Erase: case Op::Restore: case Op::Clear: return n(0, 0);
    case Op::ForStart: case Op::ForStartInteger: case Op::Pset:
      return n(3, 0);
    case Op::Line: return n(in.c ? 5 : 6, 0);
    case Op::Screen: return n(in.b, in.c);
    case Op::Circle: return n(in.c ? 7 : 8, 0);
    case Op::CallSub: return mixed(in.b, 0, in.c, 0);
    case Op::CallFunction: return mixed(in.b, 1, in.c, 0);
    case Op::CallStringFunction: return mixed(in.b, 0, in.c, 1);
    case Op::Jump: case Op::Gosub: case Op::ReturnFromProcedure: case Op::Return: case Op::ForNext: case Op::ForNextInteger:
    case Op::End: case Op::Stop: case Op::PrintComma: case Op::PrintNewline: case Op::PrintFlush: case Op::Input:
      return n(0, 0);
  }
  return n(0, 0);
}
