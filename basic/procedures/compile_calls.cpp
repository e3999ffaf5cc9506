#include "basic/procedures/compile_calls.h"

#include <algorithm>

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/procedures/compile_shared_names.h"
#include "basic/procedures/procedure_headers.h"
#include "basic/records/compile_records.h"
#include "basic/records/record_references.h"
#include "basic/records/record_types.h"
#include "basic/variables/compile_variables.h"

namespace {

bool EndsArgument(const Token& token) {
  return token.kind == TokenKind::Comma || token.kind == TokenKind::RightParen ||
         token.kind == TokenKind::EndOfLine || token.kind == TokenKind::Colon ||
         (token.kind == TokenKind::Keyword && (token.keyword == Keyword::Else || token.keyword == Keyword::Rem));
}

// Whether the array slot is a whole-array parameter of the procedure being
// compiled: its number of subscripts may stay open, taken from each call.
bool IsArrayParameterHere(const Compiler& c, int32_t slot) {
  if (!c.procedures.scope) return false;
  const std::vector<int32_t>& slots = c.procedures.scope->array_parameter_slots;
  return slot >= 0 && std::find(slots.begin(), slots.end(), slot) != slots.end();
}

// A whole array passed to an array parameter: its number of subscripts
// known from its DIM, or from the parameter's uses in the body; a
// parameter passed on may leave it open, for CheckProcedures to settle.
Argument WholeArrayArgument(Compiler& c, int32_t index, std::size_t parameter, const std::string& canonical,
                            const Token& name) {
  const ::Procedure& procedure = c.code->procedures[static_cast<std::size_t>(index)];
  int32_t subscripts = c.variables->ArraySubscripts(canonical);
  const int32_t parameter_slot = procedure.parameters[parameter].slot;
  if (subscripts == 0 && parameter_slot >= 0) {
    subscripts = c.variables->arrays[static_cast<std::size_t>(parameter_slot)].subscripts;
  }
  if (subscripts == 0 && !IsArrayParameterHere(c, c.variables->ArraySlot(canonical, 0))) {
    c.Fail(name, "array " + canonical + " is not known here yet; DIM it before passing it whole");
  }
  const int32_t slot = c.variables->ArraySlot(canonical, subscripts);
  c.procedures.array_arguments.push_back({index, static_cast<int32_t>(parameter), slot, c.current_line, name.column});
  return Argument{ArgumentKind::WholeArray, slot, 0};
}

// An array of records, A(), for a parameter "P() AS type": each leaf's
// array for the parameter's leaf of the same path.
std::vector<Argument> RecordArrayArgument(Compiler& c, int32_t index, std::size_t first, const std::string& position) {
  const HeaderParameter& declared = c.procedures.headers[static_cast<std::size_t>(index)].parameters[first];
  const Token& name = c.Peek();
  const bool shaped = name.kind == TokenKind::Name && c.Peek(1).kind == TokenKind::LeftParen &&
                      c.Peek(2).kind == TokenKind::RightParen;
  if (!shaped || RecordOf(c, name.text, true) != declared.record) {
    c.Fail(name, "Type mismatch: " + position + " must be an array of records of TYPE " +
                     c.records.At(declared.record).name + ", as A()");
  }
  c.token_index += 3;
  std::vector<Argument> arguments;
  std::size_t parameter = first;
  for (const RecordLeaf& leaf : c.records.Leaves(declared.record)) {
    arguments.push_back(WholeArrayArgument(c, index, parameter++, LeafName(name.text, leaf), name));
  }
  return arguments;
}

ArgumentKind ByReference(ValueKind kind, bool element) {
  if (kind == ValueKind::String) return element ? ArgumentKind::StringElement : ArgumentKind::StringVariable;
  return element ? ArgumentKind::NumberElement : ArgumentKind::NumberVariable;
}

// A variable or an element alone is passed by reference (but not to a
// DEF FN); anything else, a variable in parentheses included, by value.
Argument CompileArgument(Compiler& c, int32_t index, std::size_t parameter, int32_t* numbers, int32_t* strings) {
  const ::Procedure& procedure = c.code->procedures[static_cast<std::size_t>(index)];
  const HeaderParameter& declared = c.procedures.headers[static_cast<std::size_t>(index)].parameters[parameter];
  const Token& at = c.Peek();
  const std::string position = "argument " + std::to_string(parameter + 1) + " of " + procedure.name;
  const auto check_kind = [&](ValueKind kind) {
    if ((kind == ValueKind::String) != (declared.element == ValueKind::String)) {
      c.Fail(at, position + (declared.element == ValueKind::String ? " must be a string" : " must be a number"));
    }
  };
  if (declared.kind == ParameterKind::Array) {
    const Token& name = c.Expect(TokenKind::Name, ("an array for " + position + ", as A()").c_str());
    c.Expect(TokenKind::LeftParen, "'(' ')' after the array's name");
    c.Expect(TokenKind::RightParen, "')': a whole array is passed as A()");
    ValueKind kind;
    const std::string canonical = VariableName(c, name, true, &kind);
    check_kind(kind);
    if (kind != declared.element) c.Fail(at, position + " must be an array of the parameter's type");
    return WholeArrayArgument(c, index, parameter, canonical, name);
  }
  if (procedure.kind != ProcedureKind::DefFn && at.kind == TokenKind::Name && !IsFunctionCall(c, at)) {
    std::size_t after = c.token_index + 1;
    if (c.tokens[std::min(after, c.tokens.size() - 1)].kind == TokenKind::LeftParen) {
      for (int depth = 0; after < c.tokens.size(); ++after) {
        depth += c.tokens[after].kind == TokenKind::LeftParen ? 1 : c.tokens[after].kind == TokenKind::RightParen ? -1 : 0;
        if (depth == 0) break;
      }
      ++after;
    }
    while (after + 1 < c.tokens.size() && c.tokens[after].kind == TokenKind::Period) after += 2;  // P.X
    if (after < c.tokens.size() && EndsArgument(c.tokens[after])) {
      ValueKind kind;
      const Instruction load = CompileVariable(c, false, &kind);
      check_kind(kind);
      // A constant's name alone is its value: there is no variable to change.
      if (load.op == Op::PushNumber || load.op == Op::PushString) {
        c.builder.Emit(load.op, load.a);
        ++*(kind == ValueKind::String ? strings : numbers);
        return Argument{kind == ValueKind::String ? ArgumentKind::StringValue : ArgumentKind::NumberValue, 0, 0};
      }
      const bool element =
          load.op == Op::LoadElement || load.op == Op::LoadStringElement || load.op == Op::LoadFixedStringElement;
      if (element) *numbers += load.b;
      return Argument{ByReference(kind, element), load.a, load.b, kind, load.c};
    }
  }
  const ValueKind kind = Expression(c);
  check_kind(kind);
  ++*(kind == ValueKind::String ? strings : numbers);
  return Argument{kind == ValueKind::String ? ArgumentKind::StringValue : ArgumentKind::NumberValue, 0, 0};
}

void CompileCall(Compiler& c, int32_t index, bool parenthesised, const Token& at) {
  const ::Procedure& procedure = c.code->procedures[static_cast<std::size_t>(index)];
  const std::vector<HeaderParameter>& parameters = c.procedures.headers[static_cast<std::size_t>(index)].parameters;
  // A record parameter is one argument, however many fields it has.
  const auto count = static_cast<std::size_t>(std::count_if(
      parameters.begin(), parameters.end(), [](const HeaderParameter& p) { return p.record < 0 || !p.record_name.empty(); }));
  const auto wrong_count = [&] {
    c.Fail(at, procedure.name + " takes " + std::to_string(count) + (count == 1 ? " argument" : " arguments"));
  };
  // The site's place is taken first: calls among the arguments come after.
  const std::size_t site = c.code->call_sites.size();
  c.code->call_sites.push_back(CallSite{index, {}});
  int32_t numbers = 0;
  int32_t strings = 0;
  if (parenthesised) c.Expect(TokenKind::LeftParen, "'('");
  // A function named without parentheses takes no arguments.
  const bool empty = parenthesised ? c.Check(TokenKind::RightParen)
                                   : procedure.kind != ProcedureKind::Sub || c.AtStatementEnd();
  if (empty != (count == 0)) wrong_count();
  for (std::size_t i = 0, n = 0; i < parameters.size(); ++n) {
    if (n > 0 && !c.Match(TokenKind::Comma)) wrong_count();
    const std::string position = "argument " + std::to_string(n + 1) + " of " + procedure.name;
    const bool record = parameters[i].record >= 0;
    if (record && !c.records.Defined(parameters[i].record)) {
      c.Fail(at, "the TYPE of " + position + " is defined after this line: define a TYPE before its first use");
    }
    const std::vector<Argument> arguments =
        record && parameters[i].kind == ParameterKind::Array ? RecordArrayArgument(c, index, i, position)
        : record ? CompileRecordArgument(c, parameters[i].record, position, &numbers)
                 : std::vector<Argument>{CompileArgument(c, index, i, &numbers, &strings)};
    CallSite& call = c.code->call_sites[site];
    for (const Argument& argument : arguments) {
      call.arguments.push_back(argument);
      call.elements |= argument.kind == ArgumentKind::NumberElement || argument.kind == ArgumentKind::StringElement;
      call.numbers_only &= argument.kind == ArgumentKind::NumberValue || argument.kind == ArgumentKind::NumberVariable;
    }
    i += arguments.size();
  }
  if (c.Check(TokenKind::Comma)) wrong_count();
  if (parenthesised) c.Expect(TokenKind::RightParen, "')'");
  const Op op = procedure.kind == ProcedureKind::Sub ? Op::CallSub
                : procedure.returns_string           ? Op::CallStringFunction
                                                     : Op::CallFunction;
  // A numbered program's DEF FN defines its function when it is run.
  if (procedure.kind == ProcedureKind::DefFn && c.numbered) c.builder.Emit(Op::CheckDefined, index);
  c.builder.Emit(op, static_cast<int32_t>(site), numbers, strings);
}

}  // namespace

// A statement that starts with the name of a SUB calls it, without CALL.
bool CompileSubCall(Compiler& c) {
  const auto found = c.procedures.index.find(CanonicalName(c.Peek().text));
  if (found == c.procedures.index.end() ||
      c.code->procedures[static_cast<std::size_t>(found->second)].kind != ProcedureKind::Sub) {
    return false;
  }
  const Token& at = c.Advance();
  CompileCall(c, found->second, false, at);
  return true;
}

void CompileCallStatement(Compiler& c) {
  c.Advance();
  const Token& name = c.Expect(TokenKind::Name, "the SUB's name");
  const auto found = c.procedures.index.find(CanonicalName(name.text));
  if (found == c.procedures.index.end() ||
      c.code->procedures[static_cast<std::size_t>(found->second)].kind != ProcedureKind::Sub) {
    c.Fail(name, "no SUB " + name.text);
  }
  const bool parenthesised = c.Check(TokenKind::LeftParen);
  if (!parenthesised && !c.AtStatementEnd()) c.Unexpected("'(' and the arguments");
  CompileCall(c, found->second, parenthesised, name);
}

bool IsFunctionCall(const Compiler& c, const Token& name) {
  const std::string canonical = DefaultTypedName(c, name.text);
  if (IsDefFnName(canonical)) return true;
  const auto found = c.procedures.index.find(canonical);
  return found != c.procedures.index.end() &&
         c.code->procedures[static_cast<std::size_t>(found->second)].kind == ProcedureKind::Function;
}

ValueKind CompileFunctionCall(Compiler& c) {
  const Token& name = c.Advance();
  const auto found = c.procedures.index.find(DefaultTypedName(c, name.text));
  if (found == c.procedures.index.end()) c.Fail(name, name.text + " is not defined: no DEF " + name.text + " in the program");
  CompileCall(c, found->second, c.Check(TokenKind::LeftParen), name);
  return c.code->procedures[static_cast<std::size_t>(found->second)].result_kind;
}

// Only its own body assigns a function's value.
void CheckNotFunction(const Compiler& c, const Token& name, const std::string& canonical) {
  if (!IsFunctionCall(c, name)) return;
  const bool own = c.procedures.scope && c.procedures.scope->own.count(canonical) &&
                   c.code->procedures[static_cast<std::size_t>(c.procedures.current)].name == canonical;
  if (!own) c.Fail(name, canonical + " is a function; only its own body gives it a value");
}
