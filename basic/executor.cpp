// Method: one loop over the instructions with a switch, a stack of doubles
// and a stack of strings sized when the program was built, and variables in
// flat slot arrays. Strings on the stack are owned by the machine; whatever
// way a run ends, the machine releases what it still holds.
#include "basic/executor.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "basic/number_text.h"
#include "runtime/console/prompt_io.h"
#include "runtime/graphics/graphics.h"
#include "runtime/numeric/numeric.h"
#include "runtime/system.h"

namespace {

struct LoopState {
  double limit;
  double step;
  bool started;  // a NEXT reached by a jump into a loop never started has no limit
};

// The run's own state; its destructor releases every string it holds.
struct Machine {
  explicit Machine(const Code& code)
      : numbers(static_cast<std::size_t>(code.number_stack) + 1),
        strings(static_cast<std::size_t>(code.string_stack) + 1),
        loops(static_cast<std::size_t>(code.loop_count)) {}
  ~Machine() {
    for (int32_t i = 0; i < string_count; ++i) StrRelease(strings[static_cast<std::size_t>(i)]);
  }
  std::vector<double> numbers;
  std::vector<RtString> strings;
  int32_t string_count = 0;
  std::vector<LoopState> loops;
  std::vector<int32_t> gosubs;
  std::string printed;   // this PRINT statement's text, written at its end
  int32_t column = 0;    // the cursor column as PRINT and INPUT left it
  std::vector<double> input_numbers;
  std::vector<std::string> input_texts;
};

double Truth(bool value) { return value ? -1.0 : 0.0; }

double Integer16(double x) {
  int32_t v = NumToInt32(x) & 0xFFFF;
  if (v >= 0x8000) v -= 0x10000;
  return v;
}

bool Continues(double value, const LoopState& loop) {
  return loop.step >= 0 ? value <= loop.limit : value >= loop.limit;
}

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

void Flush(Machine& machine, bool echo) {
  OutputText(machine.printed, echo);
  machine.printed.clear();
}

// Prints the prompt, reads lines until one fits the form.
void Input(Machine& machine, const Code& code, const Instruction& in, bool echo) {
  std::string prompt = in.b >= 0 ? code.strings[static_cast<std::size_t>(in.b)] : std::string();
  if (in.c) prompt += "? ";
  const std::vector<bool>& form = code.input_forms[static_cast<std::size_t>(in.a)];
  for (;;) {
    Printed(machine, prompt);
    Flush(machine, echo);
    RtString typed = PromptInput();
    const std::string line(BytesOf(typed));
    StrRelease(typed);
    EchoInputLine(line, echo);
    machine.column = 0;
    const InputVerdict verdict = SplitInputLine(line, form, &machine.input_numbers, &machine.input_texts);
    if (verdict == InputVerdict::Redo) {
      OutputText("?Redo from start\r\n", echo);
      continue;
    }
    if (verdict == InputVerdict::ExtraIgnored) OutputText("?Extra ignored\r\n", echo);
    return;
  }
}

}  // namespace

BasicRunResult Execute(const Code& code, Variables& variables, const BasicRunOptions& options) {
  Machine machine(code);
  const Instruction* const program = code.instructions.data();
  const double* const constants = code.numbers.data();
  double* const vars = variables.numbers.data();
  RtString* const string_vars = variables.strings.data();
  double* sp = machine.numbers.data();  // the next free place
  RtString* ss = machine.strings.data();
  const bool echo = options.echo;
  int32_t pc = 0;
  const char* error = nullptr;

  // Pushing and popping strings keeps string_count in step for clean-up.
  const auto push_string = [&](RtString s) {
    *ss++ = s;
    ++machine.string_count;
  };
  const auto pop_string = [&]() {
    --machine.string_count;
    return *--ss;
  };

  for (;;) {
    const Instruction& in = program[pc++];
    switch (in.op) {
      case Op::PushNumber: *sp++ = constants[in.a]; break;
      case Op::LoadNumber: *sp++ = vars[in.a]; break;
      case Op::StoreNumber: vars[in.a] = *--sp; break;
      case Op::StoreInteger: vars[in.a] = Integer16(*--sp); break;
      case Op::Add: --sp; sp[-1] = sp[-1] + sp[0]; break;
      case Op::Subtract: --sp; sp[-1] = sp[-1] - sp[0]; break;
      case Op::Multiply: --sp; sp[-1] = sp[-1] * sp[0]; break;
      case Op::Divide: --sp; sp[-1] = sp[-1] / sp[0]; break;
      case Op::Power: --sp; sp[-1] = NumPow(sp[-1], sp[0]); break;
      case Op::Negate: sp[-1] = -sp[-1]; break;
      case Op::IntegerDivide:
      case Op::Modulo: {
        --sp;
        const int64_t left = NumToInt32(sp[-1]);
        const int64_t right = NumToInt32(sp[0]);
        if (right == 0) {
          error = "division by zero";
          goto failed;
        }
        sp[-1] = static_cast<double>(in.op == Op::IntegerDivide ? left / right : left % right);
        break;
      }
      case Op::And: --sp; sp[-1] = NumToInt32(sp[-1]) & NumToInt32(sp[0]); break;
      case Op::Or: --sp; sp[-1] = NumToInt32(sp[-1]) | NumToInt32(sp[0]); break;
      case Op::Xor: --sp; sp[-1] = NumToInt32(sp[-1]) ^ NumToInt32(sp[0]); break;
      case Op::Not: sp[-1] = ~NumToInt32(sp[-1]); break;
      case Op::Equal: --sp; sp[-1] = Truth(sp[-1] == sp[0]); break;
      case Op::NotEqual: --sp; sp[-1] = Truth(sp[-1] != sp[0]); break;
      case Op::Less: --sp; sp[-1] = Truth(sp[-1] < sp[0]); break;
      case Op::Greater: --sp; sp[-1] = Truth(sp[-1] > sp[0]); break;
      case Op::LessEqual: --sp; sp[-1] = Truth(sp[-1] <= sp[0]); break;
      case Op::GreaterEqual: --sp; sp[-1] = Truth(sp[-1] >= sp[0]); break;
      case Op::Pop: --sp; break;

      case Op::PushString: push_string(NewString(code.strings[static_cast<std::size_t>(in.a)])); break;
      case Op::LoadString: push_string(NewString(BytesOf(string_vars[in.a]))); break;
      case Op::StoreString: {
        RtString value = pop_string();
        StrRelease(string_vars[in.a]);
        string_vars[in.a] = value;
        break;
      }
      case Op::Concat: {
        if (int64_t{StrLength(ss[-2])} + StrLength(ss[-1]) > std::numeric_limits<int32_t>::max()) {
          error = "string too long";
          goto failed;
        }
        RtString right = pop_string();
        RtString left = pop_string();
        push_string(StrConcat(left, right));
        break;
      }
      case Op::CompareStrings: {
        RtString right = pop_string();
        RtString left = pop_string();
        *sp++ = Truth(CompareResult(in.a, StrCompare(left, right)));
        break;
      }

      case Op::FnInt: sp[-1] = NumInt(sp[-1]); break;
      case Op::FnRnd: *sp++ = NumRnd(); break;
      case Op::FnAbs: sp[-1] = NumAbs(sp[-1]); break;
      case Op::FnSgn: sp[-1] = sp[-1] > 0 ? 1.0 : sp[-1] < 0 ? -1.0 : 0.0; break;
      case Op::FnSqr: sp[-1] = std::sqrt(sp[-1]); break;
      case Op::FnExp: sp[-1] = NumExp(sp[-1]); break;
      case Op::FnLog: sp[-1] = NumLog(sp[-1]); break;
      case Op::FnSin: sp[-1] = std::sin(sp[-1]); break;
      case Op::FnCos: sp[-1] = std::cos(sp[-1]); break;
      case Op::FnTan: sp[-1] = std::tan(sp[-1]); break;
      case Op::FnAtn: sp[-1] = std::atan(sp[-1]); break;
      case Op::FnLen: {
        RtString s = pop_string();
        *sp++ = StrLength(s);
        StrRelease(s);
        break;
      }
      case Op::FnAsc: *sp++ = StrFirstByte(pop_string()); break;
      case Op::FnVal: {
        RtString s = pop_string();
        *sp++ = ReadNumberPrefix(BytesOf(s)).value;
        StrRelease(s);
        break;
      }
      case Op::FnChr: case Op::FnStr: case Op::FnSpace:
      case Op::FnLeft: case Op::FnRight: case Op::FnMid: case Op::FnMidToEnd: {
        const int taken = EffectOf(in).numbers_taken;
        sp -= taken;
        RtString result = nullptr;
        // The string operand stays on the stack, owned by the machine,
        // until the function has consumed it.
        RtString* operand = EffectOf(in).strings_taken ? &ss[-1] : nullptr;
        error = StringFunction(in.op, operand, sp, &result);
        if (error) goto failed;
        if (operand) pop_string();
        push_string(result);
        break;
      }

      case Op::LoadElement: case Op::StoreElement: case Op::StoreIntegerElement:
      case Op::LoadStringElement: case Op::StoreStringElement: {
        ArrayVariable& array = variables.arrays[static_cast<std::size_t>(in.a)];
        const bool store_number = in.op == Op::StoreElement || in.op == Op::StoreIntegerElement;
        double* subscripts = sp - in.b - (store_number ? 1 : 0);
        std::size_t index;
        error = ElementIndex(array, subscripts, &index);
        if (error) goto failed;
        if (in.op == Op::LoadElement) {
          subscripts[0] = array.numbers[index];
          sp = subscripts + 1;
        } else if (store_number) {
          const double value = sp[-1];
          array.numbers[index] = in.op == Op::StoreIntegerElement ? Integer16(value) : value;
          sp = subscripts;
        } else if (in.op == Op::LoadStringElement) {
          sp = subscripts;
          push_string(NewString(BytesOf(array.strings[index])));
        } else {
          sp = subscripts;
          StrRelease(array.strings[index]);
          array.strings[index] = pop_string();
        }
        break;
      }
      case Op::Dim:
        sp -= in.b;
        error = DimArray(variables.arrays[static_cast<std::size_t>(in.a)], sp);
        if (error) goto failed;
        break;

      case Op::Jump: pc = in.a; break;
      case Op::JumpIfFalse: if (*--sp == 0) pc = in.a; break;
      case Op::JumpIfTrue: if (*--sp != 0) pc = in.a; break;
      case Op::Gosub:
        if (machine.gosubs.size() >= MaxGosubDepth) {
          error = "GOSUB nested too deeply (more than 100000 without RETURN)";
          goto failed;
        }
        machine.gosubs.push_back(pc);
        pc = in.a;
        break;
      case Op::Return:
        if (machine.gosubs.empty()) {
          error = "RETURN without GOSUB";
          goto failed;
        }
        pc = machine.gosubs.back();
        machine.gosubs.pop_back();
        break;
      case Op::ForStart: case Op::ForStartInteger: {
        sp -= 3;
        LoopState& loop = machine.loops[static_cast<std::size_t>(in.b)];
        loop = LoopState{sp[1], sp[2], true};
        const double start = in.op == Op::ForStartInteger ? Integer16(sp[0]) : sp[0];
        vars[in.a] = start;
        if (!Continues(start, loop)) pc = in.c;
        break;
      }
      case Op::ForNext: {
        const LoopState& loop = machine.loops[static_cast<std::size_t>(in.b)];
        if (!loop.started) goto not_started;
        const double value = vars[in.a] + loop.step;
        vars[in.a] = value;
        if (Continues(value, loop)) pc = in.c;
        break;
      }
      case Op::ForNextInteger: {
        const LoopState& loop = machine.loops[static_cast<std::size_t>(in.b)];
        if (!loop.started) goto not_started;
        const double value = Integer16(vars[in.a] + loop.step);
        vars[in.a] = value;
        if (Continues(value, loop)) pc = in.c;
        break;
      }
      case Op::End:
        Flush(machine, echo);
        return BasicRunResult{BasicOutcome::Ended, std::string()};

      case Op::Cls: {
        const int32_t mode = NumToInt32(*--sp);
        GfxCls(mode);
        if (mode == 0 || mode == 1 || mode == 3) machine.column = 0;
        break;
      }
      case Op::Line: {
        sp -= in.c ? 5 : 6;
        const int32_t colour = NumToInt32(sp[4]);
        GfxLine(NumToInt32(sp[0]), NumToInt32(sp[1]), in.a, NumToInt32(sp[2]), NumToInt32(sp[3]), colour, in.b,
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
      case Op::Pset: {
        sp -= 3;
        const int32_t x = NumToInt32(sp[0]);
        const int32_t y = NumToInt32(sp[1]);
        const int32_t colour = NumToInt32(sp[2]);
        GfxLine(x, y, 0, x, y, colour, 0, colour);
        break;
      }
      case Op::PrintNumber: Printed(machine, FormatPrintedNumber(*--sp)); break;
      case Op::PrintString: {
        RtString s = pop_string();
        Printed(machine, BytesOf(s));
        StrRelease(s);
        break;
      }
      case Op::PrintComma:
        Printed(machine, std::string(static_cast<std::size_t>(PrintZoneWidth - machine.column % PrintZoneWidth), ' '));
        break;
      case Op::PrintNewline: Printed(machine, "\r\n"); break;
      case Op::PrintFlush: Flush(machine, echo); break;
      case Op::Input: Input(machine, code, in, echo); break;
      case Op::InputFieldNumber: *sp++ = machine.input_numbers[static_cast<std::size_t>(in.a)]; break;
      case Op::InputFieldString: push_string(NewString(machine.input_texts[static_cast<std::size_t>(in.a)])); break;
      case Op::Randomize: RandSeed = static_cast<uint32_t>(NumToInt32(*--sp)); break;
      case Op::Sleep: SysSleep(NumToInt32(*--sp)); break;
    }
  }

not_started:
  error = "NEXT without FOR: the loop was entered by a jump";
failed:
  Flush(machine, echo);
  const int32_t line = code.lines[static_cast<std::size_t>(pc - 1)];
  return BasicRunResult{BasicOutcome::RuntimeError, code.file + ":" + std::to_string(line) + ": " + error};
}
