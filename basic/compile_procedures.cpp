// Procedures: SUB, FUNCTION and DEF FN, their first lines, bodies and calls.
//
// A first pass over the text reads every procedure's first line (and every
// DIM SHARED), so that a call may come before its definition. A body is
// compiled where it stands, behind a jump over it, with the Variables
// resolving its names through the procedure's scope.
#include <cctype>

#include "basic/compiler.h"
#include "basic/lexer.h"

namespace {

const char* KindText(ProcedureKind kind) {
  switch (kind) {
    case ProcedureKind::Sub: return "SUB";
    case ProcedureKind::Function: return "FUNCTION";
    case ProcedureKind::DefFn: return "DEF FN";
  }
  return "";
}

BlockKind BlockOf(ProcedureKind kind) {
  return kind == ProcedureKind::Sub ? BlockKind::Sub : kind == ProcedureKind::Function ? BlockKind::Function
                                                                                     : BlockKind::Def;
}

bool IsFnName(const std::string& name) { return name.size() > 2 && name.compare(0, 2, "FN") == 0; }

ParameterKind KindOfParameter(ValueKind kind) {
  return kind == ValueKind::String ? ParameterKind::String
         : kind == ValueKind::Integer ? ParameterKind::Integer
                                      : ParameterKind::Number;
}

}  // namespace

// A word that may be a keyword or a plain name, so that AS and the type
// names need not be reserved.
bool Compiler::MatchWord(const char* word) {
  const Token& token = Peek();
  const bool match = (token.kind == TokenKind::Name && token.text == word) ||
                     (token.kind == TokenKind::Keyword && std::string(KeywordText(token.keyword)) == word);
  if (match) Advance();
  return match;
}

// ---- The first pass ----

void Compiler::FindProcedures() {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    line_ = static_cast<int32_t>(i) + 1;
    LexResult lexed = LexLine(lines_[i]);
    if (lexed.failed) continue;
    tokens_ = std::move(lexed.tokens);
    FindProcedureHeaders();
  }
}

// Looks at the start of every statement of the line; errors are left for
// the second pass to report where they stand.
void Compiler::FindProcedureHeaders() {
  const bool numbered = tokens_[0].kind == TokenKind::Number && tokens_[0].digits_only;
  for (std::size_t start = 0; start + 1 < tokens_.size(); ++start) {
    const bool after_number = start == 1 && numbered;
    if (start > 0 && !after_number && tokens_[start - 1].kind != TokenKind::Colon) continue;
    at_ = start;
    try {
      ProcedureKind kind;
      if (MatchKeyword(Keyword::Sub)) {
        kind = ProcedureKind::Sub;
      } else if (MatchKeyword(Keyword::Function)) {
        kind = ProcedureKind::Function;
      } else if (MatchKeyword(Keyword::Def)) {
        kind = ProcedureKind::DefFn;
      } else {
        if (MatchKeyword(Keyword::Dim) && MatchKeyword(Keyword::Shared)) RecordDimShared();
        continue;
      }
      ProcedureHeader header = Header(kind);
      if (procedure_index_.count(header.name)) continue;
      ::Procedure procedure;
      procedure.name = header.name;
      procedure.kind = kind;
      procedure.returns_string = KindOfName(header.name) == ValueKind::String;
      for (const HeaderParameter& parameter : header.parameters) procedure.parameters.push_back({parameter.kind});
      procedure_index_.emplace(header.name, static_cast<int32_t>(code_->procedures.size()));
      code_->procedures.push_back(std::move(procedure));
      headers_.push_back(std::move(header));
    } catch (const CompileError&) {
    }
  }
}

void Compiler::RecordDimShared() {
  do {
    const Token& name = Expect(TokenKind::Name, "a name");
    const bool array = Match(TokenKind::LeftParen);
    for (int depth = array ? 1 : 0; depth > 0 && !Check(TokenKind::EndOfLine);) {
      const TokenKind kind = Advance().kind;
      depth += kind == TokenKind::LeftParen ? 1 : kind == TokenKind::RightParen ? -1 : 0;
    }
    bool typed;
    const std::string canonical = TypedName(name, &typed);
    if (typed) declared_[CanonicalName(name.text)] = canonical;
    shared_everywhere_.insert(Tagged(canonical, array ? NameSpace::Array : NameSpace::Number));
  } while (Match(TokenKind::Comma));
}

// The canonical name of a name followed by an optional "AS type", with the
// suffix the type gives: "S AS STRING" is "S$". LONG is held as a double,
// which keeps every 32-bit value exactly.
std::string Compiler::TypedName(const Token& name, bool* typed) {
  const std::string canonical = CanonicalName(name.text);
  *typed = MatchWord("AS");
  if (!*typed) return canonical;
  if (!std::isalnum(static_cast<unsigned char>(name.text.back()))) {
    Fail(name, name.text + " has a type suffix and cannot also have AS");
  }
  if (MatchWord("INTEGER")) return canonical + "%";
  if (MatchWord("STRING")) return canonical + "$";
  if (MatchWord("LONG") || MatchWord("SINGLE") || MatchWord("DOUBLE")) return canonical;
  Unexpected("INTEGER, LONG, SINGLE, DOUBLE or STRING");
}

// "name [(parameter, ...)] [STATIC]" after SUB or FUNCTION; "FNname
// [(parameter, ...)]" after DEF.
ProcedureHeader Compiler::Header(ProcedureKind kind) {
  ProcedureHeader header;
  header.line = line_;
  const Token& name = Expect(TokenKind::Name, kind == ProcedureKind::DefFn ? "FN and the function's name"
                                                                          : "the procedure's name");
  header.name = CanonicalName(name.text);
  if (kind == ProcedureKind::DefFn && !IsFnName(header.name)) Fail(name, "a DEF FN function's name starts with FN");
  if (kind != ProcedureKind::DefFn && IsFnName(header.name)) Fail(name, "names starting with FN belong to DEF FN");
  if (kind == ProcedureKind::Sub && !std::isalnum(static_cast<unsigned char>(name.text.back()))) {
    Fail(name, "a SUB's name has no type suffix");
  }
  if (Match(TokenKind::LeftParen) && !Match(TokenKind::RightParen)) {
    do {
      if (header.parameters.size() == MaxParameters) Fail(Peek(), "more than 40 parameters");
      header.parameters.push_back(ParameterDeclaration(kind != ProcedureKind::DefFn));
      for (std::size_t i = 0; i + 1 < header.parameters.size(); ++i) {
        if (header.parameters[i].name == header.parameters.back().name &&
            (header.parameters[i].kind == ParameterKind::Array) == (header.parameters.back().kind == ParameterKind::Array)) {
          Fail(Peek(), "parameter " + header.parameters.back().name + " appears twice");
        }
      }
    } while (Match(TokenKind::Comma));
    Expect(TokenKind::RightParen, "')'");
  }
  if (kind != ProcedureKind::DefFn) header.is_static = MatchKeyword(Keyword::Static);
  return header;
}

HeaderParameter Compiler::ParameterDeclaration(bool array_allowed) {
  const Token& name = Expect(TokenKind::Name, "a parameter");
  const bool array = Check(TokenKind::LeftParen);
  if (array) {
    if (!array_allowed) Fail(Peek(), "a DEF FN parameter is a plain variable");
    Advance();
    Expect(TokenKind::RightParen, "')': an array parameter is written A()");
  }
  bool typed;
  HeaderParameter parameter;
  parameter.name = TypedName(name, &typed);
  parameter.element = KindOfName(parameter.name);
  parameter.kind = array ? ParameterKind::Array : KindOfParameter(parameter.element);
  return parameter;
}

// ---- Definitions ----

void Compiler::Procedure(ProcedureKind kind, bool in_one_line_if) {
  const Token& at = Advance();
  if (in_one_line_if || scope_ || !blocks_.empty()) {
    Fail(at, std::string(KindText(kind)) + " must stand outside blocks, IFs and other procedures");
  }
  const ProcedureHeader header = Header(kind);
  const auto found = procedure_index_.find(header.name);
  if (found == procedure_index_.end() || headers_[static_cast<std::size_t>(found->second)].line != line_ ||
      code_->procedures[static_cast<std::size_t>(found->second)].kind != kind) {
    Fail(at, header.name + " is defined twice");
  }
  OpenProcedure(found->second, header);
  OpenBlock(BlockOf(kind), at).variable = found->second;
  if (kind != ProcedureKind::DefFn || !Match(TokenKind::Equal)) return;
  // The one-line DEF FN: its expression is the value.
  const Token& expression_at = Peek();
  if (KindOfName(header.name) == ValueKind::String) {
    StringExpression();
  } else {
    NumberOperand(Expression(), expression_at);
  }
  const ::Procedure& procedure = code_->procedures[static_cast<std::size_t>(found->second)];
  builder_.Emit(KindOfName(header.name) == ValueKind::String ? Op::StoreString
                : KindOfName(header.name) == ValueKind::Integer ? Op::StoreInteger
                                                                : Op::StoreNumber,
                procedure.result_slot);
  CloseProcedure();
}

// The body starts behind a jump over it, so that the program's own code
// never falls into it; its names resolve through a fresh scope.
void Compiler::OpenProcedure(int32_t index, const ProcedureHeader& header) {
  ::Procedure& procedure = code_->procedures[static_cast<std::size_t>(index)];
  const int32_t skip = builder_.Emit(Op::Jump);
  procedure.entry = builder_.Here();
  procedure.end = skip;  // until the end is known: the jump to patch
  procedure.first_loop = code_->loop_count;
  procedure_ = index;
  scope_ = std::make_unique<ProcedureScope>();
  scope_->prefix = std::string(KindText(procedure.kind)) + " " + header.name + " ";
  scope_->names_local = procedure.kind != ProcedureKind::DefFn;
  scope_->all_static = header.is_static;
  scope_->shared_everywhere = &shared_everywhere_;
  scope_->array_parameter_slots.assign(header.parameters.size(), -1);
  variables_->scope = scope_.get();
  for (std::size_t i = 0; i < header.parameters.size(); ++i) {
    const HeaderParameter& parameter = header.parameters[i];
    const std::string plain = parameter.name.back() == '$' || parameter.name.back() == '%'
                                  ? parameter.name.substr(0, parameter.name.size() - 1)
                                  : parameter.name;
    if (plain != parameter.name) scope_->declared[plain] = parameter.name;
    if (parameter.kind == ParameterKind::Array) {
      scope_->own.insert(Tagged(parameter.name, NameSpace::Array));
      scope_->array_parameters[Tagged(parameter.name, NameSpace::Array)] = static_cast<int32_t>(i);
      continue;
    }
    scope_->own.insert(parameter.name);
    procedure.parameters[i].slot = parameter.kind == ParameterKind::String ? variables_->StringSlot(parameter.name)
                                                                           : variables_->NumberSlot(parameter.name);
  }
  if (procedure.kind == ProcedureKind::Sub) return;
  scope_->own.insert(header.name);
  procedure.result_slot = procedure.returns_string ? variables_->StringSlot(header.name)
                                                   : variables_->NumberSlot(header.name);
}

// The return ends the body; the jump over it lands after it.
void Compiler::CloseProcedure() {
  ::Procedure& procedure = code_->procedures[static_cast<std::size_t>(procedure_)];
  builder_.Emit(Op::ReturnFromProcedure);
  builder_.PatchJump(procedure.end, builder_.Here());
  procedure.end = builder_.Here();
  procedure.loop_end = code_->loop_count;
  for (std::size_t i = 0; i < procedure.parameters.size(); ++i) {
    if (procedure.parameters[i].kind == ParameterKind::Array) {
      procedure.parameters[i].slot = scope_->array_parameter_slots[i];
    }
  }
  procedure.number_locals = scope_->number_locals;
  procedure.string_locals = scope_->string_locals;
  procedure.array_locals = scope_->array_locals;
  variables_->scope = nullptr;
  scope_.reset();
  procedure_ = -1;
  blocks_.pop_back();
}

void Compiler::EndProcedure(ProcedureKind kind) {
  const Token& at = Advance();
  Advance();
  const std::string name = kind == ProcedureKind::DefFn ? "DEF" : KindText(kind);
  Innermost(BlockOf(kind), at, ("END " + name + " without " + KindText(kind)).c_str());
  CloseProcedure();
}

// EXIT SUB, EXIT FUNCTION, EXIT DEF: the procedure returns at once.
void Compiler::ExitProcedure(const Token& at) {
  const Token& which = Advance();
  const ProcedureKind kind = which.keyword == Keyword::Sub        ? ProcedureKind::Sub
                             : which.keyword == Keyword::Function ? ProcedureKind::Function
                                                                  : ProcedureKind::DefFn;
  if (procedure_ < 0 || code_->procedures[static_cast<std::size_t>(procedure_)].kind != kind) {
    Fail(at, std::string("EXIT ") + KindText(kind) + " outside a " + KindText(kind));
  }
  builder_.Emit(Op::ReturnFromProcedure);
}

// ---- Calls ----

// A statement that starts with a name: a SUB called without CALL, or an
// assignment.
void Compiler::NameStatement() {
  const auto found = procedure_index_.find(CanonicalName(Peek().text));
  if (found == procedure_index_.end() ||
      code_->procedures[static_cast<std::size_t>(found->second)].kind != ProcedureKind::Sub) {
    return Assignment();
  }
  const Token& at = Advance();
  CompileCall(found->second, false, at);
}

void Compiler::CallStatement() {
  Advance();
  const Token& name = Expect(TokenKind::Name, "the SUB's name");
  const auto found = procedure_index_.find(CanonicalName(name.text));
  if (found == procedure_index_.end() ||
      code_->procedures[static_cast<std::size_t>(found->second)].kind != ProcedureKind::Sub) {
    Fail(name, "no SUB " + name.text);
  }
  const bool parenthesised = Check(TokenKind::LeftParen);
  if (!parenthesised && !AtStatementEnd()) Unexpected("'(' and the arguments");
  CompileCall(found->second, parenthesised, name);
}

bool Compiler::IsFunctionCall(const Token& name) const {
  const std::string canonical = CanonicalName(name.text);
  if (IsFnName(canonical)) return true;
  const auto found = procedure_index_.find(canonical);
  return found != procedure_index_.end() &&
         code_->procedures[static_cast<std::size_t>(found->second)].kind == ProcedureKind::Function;
}

ValueKind Compiler::FunctionCall() {
  const Token& name = Advance();
  const auto found = procedure_index_.find(CanonicalName(name.text));
  if (found == procedure_index_.end()) Fail(name, name.text + " is not defined: no DEF " + name.text + " in the program");
  CompileCall(found->second, Check(TokenKind::LeftParen), name);
  return code_->procedures[static_cast<std::size_t>(found->second)].returns_string ? ValueKind::String
                                                                                   : ValueKind::Number;
}

// Only its own body assigns a function's value.
void Compiler::CheckNotFunction(const Token& name, const std::string& canonical) const {
  if (!IsFunctionCall(name)) return;
  const bool own = scope_ && scope_->own.count(canonical) &&
                   code_->procedures[static_cast<std::size_t>(procedure_)].name == canonical;
  if (!own) Fail(name, canonical + " is a function; only its own body gives it a value");
}

void Compiler::CompileCall(int32_t index, bool parenthesised, const Token& at) {
  const ::Procedure& procedure = code_->procedures[static_cast<std::size_t>(index)];
  const std::size_t count = procedure.parameters.size();
  const auto wrong_count = [&] {
    Fail(at, procedure.name + " takes " + std::to_string(count) + (count == 1 ? " argument" : " arguments"));
  };
  // The site's place is taken first: calls among the arguments come after.
  const std::size_t site = code_->call_sites.size();
  code_->call_sites.push_back(CallSite{index, {}});
  int32_t numbers = 0;
  int32_t strings = 0;
  if (parenthesised) Expect(TokenKind::LeftParen, "'('");
  // A function named without parentheses takes no arguments.
  const bool empty = parenthesised ? Check(TokenKind::RightParen)
                                   : procedure.kind != ProcedureKind::Sub || AtStatementEnd();
  if (empty != (count == 0)) wrong_count();
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0 && !Match(TokenKind::Comma)) wrong_count();
    const Argument argument = CallArgument(index, i, &numbers, &strings);
    CallSite& call = code_->call_sites[site];
    call.arguments.push_back(argument);
    call.elements |= argument.kind == ArgumentKind::NumberElement || argument.kind == ArgumentKind::IntegerElement ||
                     argument.kind == ArgumentKind::StringElement;
    call.numbers_only &= argument.kind == ArgumentKind::NumberValue || argument.kind == ArgumentKind::NumberVariable ||
                         argument.kind == ArgumentKind::IntegerVariable;
  }
  if (Check(TokenKind::Comma)) wrong_count();
  if (parenthesised) Expect(TokenKind::RightParen, "')'");
  const Op op = procedure.kind == ProcedureKind::Sub ? Op::CallSub
                : procedure.returns_string           ? Op::CallStringFunction
                                                     : Op::CallFunction;
  builder_.Emit(op, static_cast<int32_t>(site), numbers, strings);
}

namespace {

bool EndsArgument(const Token& token) {
  return token.kind == TokenKind::Comma || token.kind == TokenKind::RightParen ||
         token.kind == TokenKind::EndOfLine || token.kind == TokenKind::Colon ||
         (token.kind == TokenKind::Keyword && (token.keyword == Keyword::Else || token.keyword == Keyword::Rem));
}

ArgumentKind ByReference(ValueKind kind, bool element) {
  switch (kind) {
    case ValueKind::String: return element ? ArgumentKind::StringElement : ArgumentKind::StringVariable;
    case ValueKind::Integer: return element ? ArgumentKind::IntegerElement : ArgumentKind::IntegerVariable;
    default: return element ? ArgumentKind::NumberElement : ArgumentKind::NumberVariable;
  }
}

}  // namespace

// A variable or an element alone is passed by reference (but not to a
// DEF FN); anything else, a variable in parentheses included, by value.
Argument Compiler::CallArgument(int32_t index, std::size_t parameter, int32_t* numbers, int32_t* strings) {
  const ::Procedure& procedure = code_->procedures[static_cast<std::size_t>(index)];
  const HeaderParameter& declared = headers_[static_cast<std::size_t>(index)].parameters[parameter];
  const Token& at = Peek();
  const std::string position = "argument " + std::to_string(parameter + 1) + " of " + procedure.name;
  const auto check_kind = [&](ValueKind kind) {
    if ((kind == ValueKind::String) != (declared.element == ValueKind::String)) {
      Fail(at, position + (declared.element == ValueKind::String ? " must be a string" : " must be a number"));
    }
  };
  if (declared.kind == ParameterKind::Array) {
    const Token& name = Expect(TokenKind::Name, ("an array for " + position + ", as A()").c_str());
    Expect(TokenKind::LeftParen, "'(' ')' after the array's name");
    Expect(TokenKind::RightParen, "')': a whole array is passed as A()");
    const std::string canonical = Declared(CanonicalName(name.text));
    check_kind(KindOfName(canonical));
    if ((KindOfName(canonical) == ValueKind::Integer) != (declared.element == ValueKind::Integer)) {
      Fail(at, position + " must be an array of the parameter's type");
    }
    int32_t subscripts = variables_->ArraySubscripts(canonical);
    const int32_t parameter_slot = procedure.parameters[parameter].slot;
    if (subscripts == 0 && parameter_slot >= 0) {
      subscripts = variables_->arrays[static_cast<std::size_t>(parameter_slot)].subscripts;
    }
    if (subscripts == 0) Fail(name, "array " + canonical + " is not known here yet; DIM it before passing it whole");
    const int32_t slot = variables_->ArraySlot(canonical, subscripts);
    array_arguments_.push_back({index, static_cast<int32_t>(parameter), slot, line_, name.column});
    return Argument{ArgumentKind::WholeArray, slot, 0};
  }
  if (procedure.kind != ProcedureKind::DefFn && at.kind == TokenKind::Name && !IsFunctionCall(at)) {
    std::size_t after = at_ + 1;
    if (tokens_[std::min(after, tokens_.size() - 1)].kind == TokenKind::LeftParen) {
      for (int depth = 0; after < tokens_.size(); ++after) {
        depth += tokens_[after].kind == TokenKind::LeftParen ? 1 : tokens_[after].kind == TokenKind::RightParen ? -1 : 0;
        if (depth == 0) break;
      }
      ++after;
    }
    if (after < tokens_.size() && EndsArgument(tokens_[after])) {
      ValueKind kind;
      const Instruction load = Variable(false, &kind);
      check_kind(kind);
      const bool element = load.op == Op::LoadElement || load.op == Op::LoadStringElement;
      if (element) *numbers += load.b;
      return Argument{ByReference(kind, element), load.a, load.b};
    }
  }
  const ValueKind kind = Expression();
  check_kind(kind);
  ++*(kind == ValueKind::String ? strings : numbers);
  return Argument{kind == ValueKind::String ? ArgumentKind::StringValue : ArgumentKind::NumberValue, 0, 0};
}

// ---- Names ----

// SHARED x, a() in a procedure: the program's variables. STATIC x, a():
// the procedure's, kept from call to call.
void Compiler::SharedOrStatic(bool shared) {
  const Token& at = Advance();
  const char* statement = shared ? "SHARED" : "STATIC";
  if (!scope_ || !scope_->names_local) Fail(at, std::string(statement) + " belongs inside a SUB or FUNCTION");
  do {
    const Token& name = Expect(TokenKind::Name, "a name");
    const bool array = Match(TokenKind::LeftParen);
    if (array) Expect(TokenKind::RightParen, "')': an array is named as A()");
    bool typed;
    const std::string canonical = TypedName(name, &typed);
    const std::string tagged = Tagged(canonical, array ? NameSpace::Array : NameSpace::Number);
    if (scope_->seen.count(tagged) || scope_->own.count(tagged)) {
      Fail(name, canonical + " is already in use in this procedure before " + statement);
    }
    if (typed) scope_->declared[CanonicalName(name.text)] = canonical;
    (shared ? scope_->shared : scope_->statics).insert(tagged);
  } while (Match(TokenKind::Comma));
}

// DIM SHARED at the program's level: the first pass has made the names
// shared; here arrays are made as DIM makes them.
void Compiler::DimShared() {
  if (scope_) Fail(Peek(), "DIM SHARED belongs outside procedures; inside one, write SHARED");
  do {
    const Token& name = Expect(TokenKind::Name, "a name");
    if (Check(TokenKind::LeftParen)) {
      int32_t subscripts;
      const int32_t slot = ArrayWithSubscripts(name, &subscripts);
      builder_.Emit(Op::Dim, slot, subscripts);
    }
    bool typed;
    TypedName(name, &typed);
  } while (Match(TokenKind::Comma));
}

// DECLARE lines are accepted as they are: every call is checked against
// the definition itself.
void Compiler::Declare() {
  Advance();
  while (!Check(TokenKind::EndOfLine) && !Check(TokenKind::Colon)) Advance();
}

std::string Compiler::Declared(const std::string& canonical) const {
  if (scope_) {
    const auto found = scope_->declared.find(canonical);
    if (found != scope_->declared.end()) return found->second;
  }
  const auto found = declared_.find(canonical);
  return found == declared_.end() ? canonical : found->second;
}

// ---- Checks once everything is compiled ----

int32_t Compiler::ProcedureAt(int32_t position) const {
  for (std::size_t i = 0; i < code_->procedures.size(); ++i) {
    const ::Procedure& procedure = code_->procedures[i];
    if (procedure.entry >= 0 && position >= procedure.entry && position < procedure.end) return static_cast<int32_t>(i);
  }
  return -1;
}

// A jump stays in its procedure, or in the program's own code.
std::string Compiler::CrossesProcedure(int32_t from, int32_t to, const std::string& label) const {
  const int32_t source = ProcedureAt(from);
  const int32_t target = ProcedureAt(to);
  if (source == target) return std::string();
  const std::string named =
      (std::isdigit(static_cast<unsigned char>(label[0])) ? "line " : "label ") + label;
  if (target >= 0) {
    const ::Procedure& procedure = code_->procedures[static_cast<std::size_t>(target)];
    return named + " is inside " + KindText(procedure.kind) + " " + procedure.name;
  }
  const ::Procedure& procedure = code_->procedures[static_cast<std::size_t>(source)];
  return named + " is outside " + KindText(procedure.kind) + " " + procedure.name;
}

void Compiler::CheckProcedures() {
  for (const ArrayArgument& argument : array_arguments_) {
    const ::Procedure& procedure = code_->procedures[static_cast<std::size_t>(argument.procedure)];
    const int32_t parameter = procedure.parameters[static_cast<std::size_t>(argument.parameter)].slot;
    if (parameter < 0) continue;
    const ArrayVariable& passed = variables_->arrays[static_cast<std::size_t>(argument.slot)];
    const ArrayVariable& used = variables_->arrays[static_cast<std::size_t>(parameter)];
    if (passed.subscripts != used.subscripts) {
      Report(argument.line, argument.column,
             "array " + passed.name + " has " + std::to_string(passed.subscripts) + " subscripts; " +
                 procedure.name + " uses it with " + std::to_string(used.subscripts));
    }
  }
  // A procedure the first pass found but whose body never compiled has
  // no entry; its calls must not run.
  if (!errors_->empty()) return;
  for (std::size_t i = 0; i < code_->procedures.size(); ++i) {
    if (code_->procedures[i].entry < 0 || code_->procedures[i].end < code_->procedures[i].entry) {
      Report(headers_[i].line, 1, code_->procedures[i].name + " has no body");
    }
  }
}
