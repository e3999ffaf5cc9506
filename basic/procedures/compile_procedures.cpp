#include "basic/procedures/compile_procedures.h"

#include <algorithm>
#include <cctype>

#include "basic/compiler/compile_blocks.h"
#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"

namespace {

BlockKind BlockOf(ProcedureKind kind) {
  return kind == ProcedureKind::Sub ? BlockKind::Sub : kind == ProcedureKind::Function ? BlockKind::Function
                                                                                     : BlockKind::Def;
}

// The body starts behind a jump over it, so that the program's own code
// never falls into it; its names resolve through a fresh scope.
void OpenProcedure(Compiler& c, int32_t index, const ProcedureHeader& header) {
  Procedure& procedure = c.code->procedures[static_cast<std::size_t>(index)];
  const int32_t skip = c.builder.Emit(Op::Jump);
  procedure.entry = c.builder.Here();
  procedure.end = skip;  // until the end is known: the jump to patch
  procedure.first_loop = c.code->loop_count;
  c.procedures.current = index;
  c.procedures.scope = std::make_unique<ProcedureScope>();
  c.procedures.scope->prefix = std::string(ProcedureKindText(procedure.kind)) + " " + header.name + " ";
  c.procedures.scope->names_local = procedure.kind != ProcedureKind::DefFn;
  c.procedures.scope->all_static = header.is_static;
  c.procedures.scope->shared_everywhere = &c.procedures.shared_everywhere;
  c.procedures.scope->array_parameter_slots.assign(header.parameters.size(), -1);
  c.variables->scope = c.procedures.scope.get();
  for (std::size_t i = 0; i < header.parameters.size(); ++i) {
    const HeaderParameter& parameter = header.parameters[i];
    const std::string plain =
        HasSuffix(parameter.name) ? parameter.name.substr(0, parameter.name.size() - 1) : parameter.name;
    if (parameter.typed && plain != parameter.name) c.procedures.scope->declared[plain] = parameter.name;
    if (parameter.kind == ParameterKind::Array) {
      if (!parameter.record_name.empty()) {
        c.procedures.scope->own.insert(parameter.record_name + "()");
        c.records.variables[c.procedures.scope->prefix + parameter.record_name + "()"] = parameter.record;
      }
      c.procedures.scope->own.insert(Tagged(parameter.name, NameSpace::Array));
      c.procedures.scope->array_parameters[Tagged(parameter.name, NameSpace::Array)] = static_cast<int32_t>(i);
      continue;
    }
    c.procedures.scope->own.insert(parameter.name);
    if (!parameter.record_name.empty()) {
      // Its fields are the procedure's own, through the record's name.
      c.procedures.scope->own.insert(parameter.record_name);
      c.records.variables[c.procedures.scope->prefix + parameter.record_name] = parameter.record;
    }
    procedure.parameters[i].slot = parameter.kind == ParameterKind::String ? c.variables->StringSlot(parameter.name)
                                                                           : c.variables->NumberSlot(parameter.name);
  }
  if (procedure.kind == ProcedureKind::Sub) return;
  c.procedures.scope->own.insert(header.name);
  procedure.result_slot = procedure.returns_string ? c.variables->StringSlot(header.name)
                                                   : c.variables->NumberSlot(header.name);
}

// The return ends the body; the jump over it lands after it.
void CloseProcedure(Compiler& c) {
  Procedure& procedure = c.code->procedures[static_cast<std::size_t>(c.procedures.current)];
  c.builder.Emit(Op::ReturnFromProcedure);
  c.builder.PatchJump(procedure.end, c.builder.Here());
  procedure.end = c.builder.Here();
  procedure.loop_end = c.code->loop_count;
  for (std::size_t i = 0; i < procedure.parameters.size(); ++i) {
    if (procedure.parameters[i].kind == ParameterKind::Array) {
      procedure.parameters[i].slot = c.procedures.scope->array_parameter_slots[i];
    }
  }
  procedure.number_locals = c.procedures.scope->number_locals;
  for (const int32_t slot : procedure.number_locals) {
    const auto is_slot = [slot](const Parameter& parameter) {
      return parameter.kind != ParameterKind::String && parameter.kind != ParameterKind::Array && parameter.slot == slot;
    };
    if (std::none_of(procedure.parameters.begin(), procedure.parameters.end(), is_slot)) {
      procedure.cleared_numbers.push_back(slot);
    }
  }
  procedure.string_locals = c.procedures.scope->string_locals;
  procedure.array_locals = c.procedures.scope->array_locals;
  procedure.numbers_only = procedure.string_locals.empty() && procedure.array_locals.empty() &&
                           procedure.first_loop == procedure.loop_end;
  c.variables->scope = nullptr;
  c.procedures.scope.reset();
  c.procedures.current = -1;
  c.blocks.pop_back();
}

int32_t ProcedureAt(const Compiler& c, int32_t position) {
  for (std::size_t i = 0; i < c.code->procedures.size(); ++i) {
    const Procedure& procedure = c.code->procedures[i];
    if (procedure.entry >= 0 && position >= procedure.entry && position < procedure.end) return static_cast<int32_t>(i);
  }
  return -1;
}

}  // namespace

void CompileProcedure(Compiler& c, ProcedureKind kind, bool in_one_line_if) {
  const Token& at = c.Advance();
  const std::string outside = std::string(ProcedureKindText(kind)) + " must stand outside blocks, IFs and other procedures";
  // A numbered program's one-line DEF FN may stand anywhere, and defines
  // its function when the run reaches it.
  const bool nested = in_one_line_if || !c.blocks.empty();
  const bool classic_fn = kind == ProcedureKind::DefFn && c.numbered;
  if (c.procedures.scope || (nested && !classic_fn)) c.Fail(at, outside);
  const ProcedureHeader header = ReadHeader(c, kind);
  if (nested && !c.Check(TokenKind::Equal)) c.Fail(at, outside);
  const auto found = c.procedures.index.find(header.name);
  if (found == c.procedures.index.end() || c.procedures.headers[static_cast<std::size_t>(found->second)].line != c.current_line ||
      c.code->procedures[static_cast<std::size_t>(found->second)].kind != kind) {
    c.Fail(at, header.name + " is defined twice");
  }
  if (classic_fn) c.builder.Emit(Op::DefineFunction, found->second);
  OpenProcedure(c, found->second, header);
  OpenBlock(c, BlockOf(kind), at).variable = found->second;
  if (header.as_column > 0) {
    c.Report(c.current_line, header.as_column,
             "a FUNCTION's type is its name's suffix (or DEFtype's), not AS after its parameters");
  }
  if (kind != ProcedureKind::DefFn || !c.Match(TokenKind::Equal)) return;
  // The one-line DEF FN: its expression is the value. An error in it
  // closes the function all the same, so that it is reported alone.
  try {
    const Token& expression_at = c.Peek();
    if (KindOfName(header.name) == ValueKind::String) {
      StringExpression(c);
    } else {
      NumberOperand(c, Expression(c), expression_at);
    }
  } catch (const CompileError&) {
    CloseProcedure(c);
    throw;
  }
  const Procedure& procedure = c.code->procedures[static_cast<std::size_t>(found->second)];
  c.builder.Emit(StoreOp(KindOfName(header.name), false), procedure.result_slot);
  c.builder.EndStatement(procedure.entry);  // RESUME's statement, for an error in the expression
  CloseProcedure(c);
}

void CompileEndProcedure(Compiler& c, ProcedureKind kind) {
  const Token& at = c.Advance();
  c.Advance();
  const std::string name = kind == ProcedureKind::DefFn ? "DEF" : ProcedureKindText(kind);
  Innermost(c, BlockOf(kind), at, ("END " + name + " without " + ProcedureKindText(kind)).c_str());
  CloseProcedure(c);
}

void CompileExitProcedure(Compiler& c, const Token& at) {
  const Token& which = c.Advance();
  const ProcedureKind kind = which.keyword == Keyword::Sub        ? ProcedureKind::Sub
                             : which.keyword == Keyword::Function ? ProcedureKind::Function
                                                                  : ProcedureKind::DefFn;
  if (c.procedures.current < 0 || c.code->procedures[static_cast<std::size_t>(c.procedures.current)].kind != kind) {
    c.Fail(at, std::string("EXIT ") + ProcedureKindText(kind) + " outside a " + ProcedureKindText(kind));
  }
  c.builder.Emit(Op::ReturnFromProcedure);
}

std::string CrossesProcedure(const Compiler& c, int32_t from, int32_t to, const std::string& label) {
  const int32_t source = ProcedureAt(c, from);
  const int32_t target = ProcedureAt(c, to);
  if (source == target) return std::string();
  const std::string named =
      (std::isdigit(static_cast<unsigned char>(label[0])) ? "line " : "label ") + label;
  if (target >= 0) {
    const Procedure& procedure = c.code->procedures[static_cast<std::size_t>(target)];
    return named + " is inside " + ProcedureKindText(procedure.kind) + " " + procedure.name;
  }
  const Procedure& procedure = c.code->procedures[static_cast<std::size_t>(source)];
  return named + " is outside " + ProcedureKindText(procedure.kind) + " " + procedure.name;
}

namespace {

// The array parameter an array passed whole goes to, or null when the body
// never uses it.
ArrayVariable* ParameterOf(Compiler& c, const ArrayArgument& argument) {
  const Procedure& procedure = c.code->procedures[static_cast<std::size_t>(argument.procedure)];
  const int32_t parameter = procedure.parameters[static_cast<std::size_t>(argument.parameter)].slot;
  return parameter < 0 ? nullptr : &c.variables->arrays[static_cast<std::size_t>(parameter)];
}

// A parameter that its body uses whole alone (PUT, UBOUND, passed on)
// leaves its number of subscripts open. Passed on to a procedure that does
// index it, it takes that number, and so on back along the calls; one
// left open takes each call's array as it comes.
void SettleOpenParameters(Compiler& c) {
  for (bool settled = false; !settled;) {
    settled = true;
    for (const ArrayArgument& argument : c.procedures.array_arguments) {
      const ArrayVariable* used = ParameterOf(c, argument);
      ArrayVariable& passed = c.variables->arrays[static_cast<std::size_t>(argument.slot)];
      if (used && passed.subscripts == 0 && used->subscripts != 0) {
        passed.subscripts = used->subscripts;
        settled = false;
      }
    }
  }
}

}  // namespace

void CheckProcedures(Compiler& c) {
  SettleOpenParameters(c);
  for (const ArrayArgument& argument : c.procedures.array_arguments) {
    const ArrayVariable* parameter = ParameterOf(c, argument);
    if (!parameter) continue;
    const Procedure& procedure = c.code->procedures[static_cast<std::size_t>(argument.procedure)];
    const ArrayVariable& passed = c.variables->arrays[static_cast<std::size_t>(argument.slot)];
    const ArrayVariable& used = *parameter;
    if (used.subscripts != 0 && passed.subscripts != used.subscripts) {
      c.Report(argument.line, argument.column,
             "array " + passed.name + " has " + std::to_string(passed.subscripts) + " subscripts; " +
                 procedure.name + " uses it with " + std::to_string(used.subscripts));
    }
  }
  // A procedure the first pass found but whose body never compiled has
  // no entry; its calls must not run.
  if (!c.errors->empty()) return;
  for (std::size_t i = 0; i < c.code->procedures.size(); ++i) {
    if (c.code->procedures[i].entry < 0 || c.code->procedures[i].end < c.code->procedures[i].entry) {
      c.Report(c.procedures.headers[i].line, 1, c.code->procedures[i].name + " has no body");
    }
  }
}
