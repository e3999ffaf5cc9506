// Everything off the numeric fast path: integer operators, strings,
// functions, arrays and the statements that call the runtime.
#include <cmath>
#include <limits>

#include "basic/builtins/builtins.h"
#include "basic/executor/executor.h"
#include "basic/text/input_source.h"
#include "basic/executor/machine.h"
#include "basic/text/number_text.h"
#include "basic/screen/screen_statements.h"
#include "runtime/graphics/geometry.h"
#include "runtime/graphics/graphics.h"
#include "runtime/graphics/pixels.h"
#include "runtime/numeric/numeric.h"
#include "runtime/system.h"

namespace {

bool CompareResult(int32_t relation, int32_t order) {
  // order: 1 less, 2 equal, 3 greater, 0 when the comparison failed.
  switch (static_cast<Op>(relation)) {
    case Op::Equal: return order == 2;
    case Op::NotEqual: return order != 2;
    case Op::Less: return order == 1;
    case Op::Greater: return order == 3;
    case Op::LessEqual: return order == 1 || order == 2;
    case Op::GreaterEqual: return order == 2 || order == 3;
    default: return false;
  }
}

// Prints the prompt, reads lines until one fits the form.
const char* Input(Machine& machine, const Instruction& in) {
  std::string prompt = in.b >= 0 ? machine.code.strings[static_cast<std::size_t>(in.b)] : std::string();
  if (in.c) prompt += "? ";
  const std::vector<bool>& form = machine.code.input_forms[static_cast<std::size_t>(in.a)];
  for (;;) {
    Printed(machine, prompt);
    FlushPrinted(machine);
    std::string line;
    if (!ReadInputLine(machine, &line)) return NoMoreInputMessage;
    const InputVerdict verdict = SplitInputLine(line, form, &machine.input_numbers, &machine.input_texts);
    if (verdict == InputVerdict::Redo) {
      OutputText("?Redo from start\r\n", machine.echo);
      continue;
    }
    if (verdict == InputVerdict::ExtraIgnored) OutputText("?Extra ignored\r\n", machine.echo);
    return nullptr;
  }
}

const char* IntegerOperator(Op op, double*& sp) {
  --sp;
  const int64_t left = NumToInt32(sp[-1]);
  const int64_t right = NumToInt32(sp[0]);
  switch (op) {
    case Op::And: sp[-1] = static_cast<double>(left & right); return nullptr;
    case Op::Or: sp[-1] = static_cast<double>(left | right); return nullptr;
    case Op::Xor: sp[-1] = static_cast<double>(left ^ right); return nullptr;
    default: break;
  }
  if (right == 0) return "division by zero";
  sp[-1] = static_cast<double>(op == Op::IntegerDivide ? left / right : left % right);
  return nullptr;
}

const char* Element(Machine& machine, const Instruction& in, double*& sp) {
  ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(in.a)];
  const bool store_number =
      in.op == Op::StoreElement || in.op == Op::StoreIntegerElement || in.op == Op::StoreLongElement;
  double* subscripts = sp - in.b - (store_number ? 1 : 0);
  std::size_t index;
  if (const char* error = ElementIndex(array, subscripts, &index)) return error;
  switch (in.op) {
    case Op::LoadElement:
      subscripts[0] = array.numbers[index];
      sp = subscripts + 1;
      break;
    case Op::StoreElement: array.numbers[index] = sp[-1]; sp = subscripts; break;
    case Op::StoreIntegerElement: array.numbers[index] = Integer16(sp[-1]); sp = subscripts; break;
    case Op::StoreLongElement:
      array.numbers[index] = Integer32(sp[-1]);
      sp = subscripts;
      break;
    case Op::LoadStringElement:
      sp = subscripts;
      machine.Push(NewString(BytesOf(array.strings[index])));
      break;
    default:
      sp = subscripts;
      StrRelease(array.strings[index]);
      array.strings[index] = machine.Pop();
      break;
  }
  return nullptr;
}

const char* StringOperation(Machine& machine, const Instruction& in, double*& sp) {
  RtString* const top = machine.strings_top;
  switch (in.op) {
    case Op::PushString:
      machine.Push(NewString(machine.code.strings[static_cast<std::size_t>(in.a)]));
      return nullptr;
    case Op::LoadString:
      machine.Push(NewString(BytesOf(machine.variables.strings[static_cast<std::size_t>(in.a)])));
      return nullptr;
    case Op::StoreString: {
      RtString& variable = machine.variables.strings[static_cast<std::size_t>(in.a)];
      StrRelease(variable);
      variable = machine.Pop();
      return nullptr;
    }
    case Op::Concat: {
      // Checked before the runtime would end the process over it.
      if (int64_t{StrLength(top[-2])} + StrLength(top[-1]) > std::numeric_limits<int32_t>::max()) {
        return "string too long";
      }
      RtString right = machine.Pop();
      RtString left = machine.Pop();
      machine.Push(StrConcat(left, right));
      return nullptr;
    }
    case Op::CompareStrings: {
      RtString right = machine.Pop();
      RtString left = machine.Pop();
      *sp++ = CompareResult(in.a, StrCompare(left, right)) ? -1.0 : 0.0;
      return nullptr;
    }
    default:
      return nullptr;
  }
}

// A built-in function: its row's routine on the stacks' top operands,
// which stay on the stacks until it has returned.
const char* CallBuiltin(Machine& machine, const Instruction& in, double*& sp) {
  const Builtin& builtin = BuiltinAt(in.a);
  const int32_t texts = BuiltinTexts(builtin);
  sp -= BuiltinNumbers(builtin);
  BuiltinCall call{sp, machine.strings_top - texts};
  call.machine = &machine;
  if (const char* error = builtin.routine(call)) return error;
  for (int32_t i = 0; i < texts; ++i) StrRelease(machine.Pop());
  if (builtin.result == ValueKind::String) {
    machine.Push(call.text);
  } else {
    *sp++ = call.number;
  }
  return nullptr;
}

const char* Graphics(Machine& machine, const Instruction& in, double*& sp) {
  if (in.op != Op::Cls && DrawsItself(machine.screen)) return ScreenFigure(machine, in, sp);
  switch (in.op) {
    case Op::Cls: {
      const int32_t mode = NumToInt32(*--sp);
      GfxCls(mode);
      if (mode == 0 || mode == 1 || mode == 3) machine.column = 0;  // the text layer was cleared
      break;
    }
    case Op::Line: {
      sp -= in.c ? 5 : 6;
      const int32_t colour = NumToInt32(sp[4]);
      GfxLine(NumToInt32(sp[0]), NumToInt32(sp[1]), in.a, NumToInt32(sp[2]), NumToInt32(sp[3]), colour, in.b & 3,
              in.c ? colour : NumToInt32(sp[5]));
      break;
    }
    case Op::Circle: {
      sp -= in.c ? 7 : 8;
      const int32_t colour = NumToInt32(sp[3]);
      GfxCircle(NumToInt32(sp[0]), NumToInt32(sp[1]), NumToInt32(sp[2]), colour, sp[4], sp[5], sp[6], in.a,
                in.c ? colour : NumToInt32(sp[7]));
      break;
    }
    default: {  // PSET and PRESET, whose colour is the background's
      sp -= 3;
      const bool step = in.c != 0;
      const int32_t x = step ? WrappingAdd(LastPoint.x, NumToInt32(sp[0])) : NumToInt32(sp[0]);
      const int32_t y = step ? WrappingAdd(LastPoint.y, NumToInt32(sp[1])) : NumToInt32(sp[1]);
      const bool preset_default = in.b != 0 && (in.a & PsetColourOmitted) != 0;
      GfxPset(x, y, preset_default ? machine.screen.background : NumToInt32(sp[2]));
      break;
    }
  }
  return nullptr;
}

}  // namespace

void Printed(Machine& machine, std::string_view text) {
  machine.printed.append(text);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      machine.column = 0;
      ++i;
    } else if (text[i] == '\t') {
      machine.column += 8 - machine.column % 8;
    } else {
      ++machine.column;
    }
  }
}

void FlushPrinted(Machine& machine) {
  GfxShowPending();  // the picture so far is on the window before the text
  OutputText(machine.printed, machine.echo);
  machine.printed.clear();
}

// The statements work on sp through a reference; the caller's copy stays
// in a register.
static const char* Statement(Machine& machine, const Instruction& in, double*& sp) {
  switch (in.op) {
    case Op::IntegerDivide: case Op::Modulo: case Op::And: case Op::Or: case Op::Xor:
      return IntegerOperator(in.op, sp);
    case Op::Not: sp[-1] = static_cast<double>(~NumToInt32(sp[-1])); return nullptr;
    case Op::CallBuiltin: return CallBuiltin(machine, in, sp);
    case Op::PushString: case Op::LoadString: case Op::StoreString: case Op::Concat: case Op::CompareStrings:
      return StringOperation(machine, in, sp);
    case Op::PrintTab: case Op::PrintSpc: case Op::LineInput: case Op::MidAssign:
      return TextStatement(machine, in, sp);
    case Op::LoadElement: case Op::StoreElement: case Op::StoreIntegerElement: case Op::StoreLongElement:
    case Op::LoadStringElement: case Op::StoreStringElement:
      return Element(machine, in, sp);
    case Op::Dim: case Op::Redim: case Op::Erase: case Op::ReadNumber: case Op::ReadString: case Op::Restore:
    case Op::SwapNumbers: case Op::SwapStrings: case Op::Clear: case Op::Bound:
      return VariablesStatement(machine, in, sp);
    case Op::Cls: case Op::Line: case Op::Circle: case Op::Pset:
      return Graphics(machine, in, sp);
    case Op::Draw: return DrawStatement(machine);
    case Op::Screen: return ScreenStatement(machine, in, sp);
    case Op::PrintNumber: Printed(machine, FormatPrintedNumber(*--sp)); return nullptr;
    case Op::PrintString: {
      RtString s = machine.Pop();
      Printed(machine, BytesOf(s));
      StrRelease(s);
      return nullptr;
    }
    case Op::PrintComma:
      Printed(machine, std::string(static_cast<std::size_t>(PrintZoneWidth - machine.column % PrintZoneWidth),
                                   ' '));
      return nullptr;
    case Op::PrintNewline: Printed(machine, "\r\n"); return nullptr;
    case Op::PrintFlush: FlushPrinted(machine); return nullptr;
    case Op::Input: return Input(machine, in);
    case Op::InputFieldNumber: *sp++ = machine.input_numbers[static_cast<std::size_t>(in.a)]; return nullptr;
    case Op::InputFieldString:
      machine.Push(NewString(machine.input_texts[static_cast<std::size_t>(in.a)]));
      return nullptr;
    case Op::Randomize: RandSeed = static_cast<uint32_t>(NumToInt32(*--sp)); return nullptr;
    case Op::Sleep:
      GfxShowPending();
      SysSleep(NumToInt32(*--sp));
      return nullptr;
    case Op::Locate: case Op::Beep: case Op::Sound: case Op::SleepForKey:
      return ConsoleStatement(machine, in, sp);
    default: return nullptr;  // the fast path's own instructions never come here
  }
}

double* ExecuteStatement(Machine& machine, const Instruction& in, double* sp, const char** error) {
  *error = Statement(machine, in, sp);
  return sp;
}
