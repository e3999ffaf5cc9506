// Method: one loop over the instructions with a switch. The arithmetic,
// comparisons, jumps and loops run here on a stack of doubles held in a
// register; everything slower goes through ExecuteStatement, out of line,
// so that the hot loop keeps its few values in registers.
#include "basic/executor.h"

#include "basic/machine.h"
#include "runtime/numeric/numeric.h"

Machine::Machine(const Code& code_, Variables& variables_, const BasicRunOptions& options)
    : code(code_),
      variables(variables_),
      echo(options.echo),
      numbers(static_cast<std::size_t>(code_.number_stack) + 1),
      strings(static_cast<std::size_t>(code_.string_stack) + 1),
      strings_top(strings.data()),
      loops(static_cast<std::size_t>(code_.loop_count)) {}

Machine::~Machine() {
  UnwindProcedures(*this);
  while (strings_top != strings.data()) StrRelease(Pop());
}

namespace {

double Truth(bool value) { return value ? -1.0 : 0.0; }

bool Continues(double value, const LoopState& loop) {
  return loop.step >= 0 ? value <= loop.limit : value >= loop.limit;
}

BasicRunResult Failed(Machine& machine, int32_t position, const char* error) {
  FlushPrinted(machine);
  const int32_t line = machine.code.lines[static_cast<std::size_t>(position)];
  return BasicRunResult{BasicOutcome::RuntimeError, machine.code.file + ":" + std::to_string(line) + ": " + error};
}

}  // namespace

double Integer16(double x) {
  int32_t v = NumToInt32(x) & 0xFFFF;
  if (v >= 0x8000) v -= 0x10000;
  return v;
}

BasicRunResult Execute(const Code& code, Variables& variables, const BasicRunOptions& options) {
  Machine machine(code, variables, options);
  const Instruction* const program = code.instructions.data();
  const double* const constants = code.numbers.data();
  double* const vars = variables.numbers.data();
  LoopState* const loops = machine.loops.data();
  double* sp = machine.numbers.data();
  int32_t pc = 0;
  const char* error = nullptr;

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
      case Op::AddVariable: sp[-1] = sp[-1] + vars[in.a]; break;
      case Op::SubtractVariable: sp[-1] = sp[-1] - vars[in.a]; break;
      case Op::MultiplyVariable: sp[-1] = sp[-1] * vars[in.a]; break;
      case Op::DivideVariable: sp[-1] = sp[-1] / vars[in.a]; break;
      case Op::AddConstant: sp[-1] = sp[-1] + constants[in.a]; break;
      case Op::SubtractConstant: sp[-1] = sp[-1] - constants[in.a]; break;
      case Op::MultiplyConstant: sp[-1] = sp[-1] * constants[in.a]; break;
      case Op::DivideConstant: sp[-1] = sp[-1] / constants[in.a]; break;
      case Op::VariableAddConstant: *sp++ = vars[in.a] + constants[in.b]; break;
      case Op::VariableSubtractConstant: *sp++ = vars[in.a] - constants[in.b]; break;
      case Op::VariableMultiplyConstant: *sp++ = vars[in.a] * constants[in.b]; break;
      case Op::VariableDivideConstant: *sp++ = vars[in.a] / constants[in.b]; break;
      case Op::VariableAddVariable: *sp++ = vars[in.a] + vars[in.b]; break;
      case Op::VariableSubtractVariable: *sp++ = vars[in.a] - vars[in.b]; break;
      case Op::VariableMultiplyVariable: *sp++ = vars[in.a] * vars[in.b]; break;
      case Op::VariableDivideVariable: *sp++ = vars[in.a] / vars[in.b]; break;
      case Op::Power: --sp; sp[-1] = NumPow(sp[-1], sp[0]); break;
      case Op::Negate: sp[-1] = -sp[-1]; break;
      case Op::Equal: --sp; sp[-1] = Truth(sp[-1] == sp[0]); break;
      case Op::NotEqual: --sp; sp[-1] = Truth(sp[-1] != sp[0]); break;
      case Op::Less: --sp; sp[-1] = Truth(sp[-1] < sp[0]); break;
      case Op::Greater: --sp; sp[-1] = Truth(sp[-1] > sp[0]); break;
      case Op::LessEqual: --sp; sp[-1] = Truth(sp[-1] <= sp[0]); break;
      case Op::GreaterEqual: --sp; sp[-1] = Truth(sp[-1] >= sp[0]); break;
      case Op::Pop: --sp; break;

      case Op::Jump: pc = in.a; break;
      case Op::JumpIfFalse: if (*--sp == 0) pc = in.a; break;
      case Op::JumpIfTrue: if (*--sp != 0) pc = in.a; break;
      case Op::Gosub:
        if (machine.gosubs.size() >= MaxGosubDepth) {
          return Failed(machine, pc - 1, "GOSUB nested too deeply (more than 100000 without RETURN)");
        }
        machine.gosubs.push_back(pc);
        pc = in.a;
        break;
      case Op::Return:
        if (machine.gosubs.size() <= machine.gosub_floor) return Failed(machine, pc - 1, "RETURN without GOSUB");
        pc = machine.gosubs.back();
        machine.gosubs.pop_back();
        break;
      case Op::ForStart: case Op::ForStartInteger: {
        sp -= 3;
        LoopState& loop = loops[in.b];
        loop = LoopState{sp[1], sp[2], true};
        const double start = in.op == Op::ForStartInteger ? Integer16(sp[0]) : sp[0];
        vars[in.a] = start;
        if (!Continues(start, loop)) pc = in.c;
        break;
      }
      case Op::ForNext: {
        const LoopState& loop = loops[in.b];
        if (!loop.started) return Failed(machine, pc - 1, "NEXT without FOR: the loop was entered by a jump");
        const double value = vars[in.a] + loop.step;
        vars[in.a] = value;
        if (Continues(value, loop)) pc = in.c;
        break;
      }
      case Op::ForNextInteger: {
        const LoopState& loop = loops[in.b];
        if (!loop.started) return Failed(machine, pc - 1, "NEXT without FOR: the loop was entered by a jump");
        const double value = Integer16(vars[in.a] + loop.step);
        vars[in.a] = value;
        if (Continues(value, loop)) pc = in.c;
        break;
      }
      case Op::CallSub: case Op::CallFunction: case Op::CallStringFunction: {
        const Resumed resumed = CallProcedure(machine, in, pc, sp);
        if (resumed.position < 0) return Failed(machine, pc - 1, machine.calls.error.c_str());
        sp = resumed.sp;
        pc = resumed.position;
        break;
      }
      case Op::ReturnFromProcedure: {
        const Resumed resumed = ReturnFromProcedure(machine, sp);
        if (resumed.position < 0) return Failed(machine, pc - 1, machine.calls.error.c_str());
        sp = resumed.sp;
        pc = resumed.position;
        break;
      }
      case Op::End:
        FlushPrinted(machine);
        return BasicRunResult{BasicOutcome::Ended, std::string()};
      default:
        sp = ExecuteStatement(machine, in, sp, &error);
        if (error) return Failed(machine, pc - 1, error);
        break;
    }
  }
}
