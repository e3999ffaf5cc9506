// Calls of SUB, FUNCTION and DEF FN, and the names a procedure shares with
// the program or keeps (SHARED, STATIC, DIM SHARED).
#include "basic/compiler/compiler.h"

// A statement that starts with a name: a SUB called without CALL, or an
// assignment.
void Compiler::NameStatement() {
  const auto found = procedure_index_.find(CanonicalName(Peek().text));
  if (found == procedure_index_.end() ||
      code_->procedures[static_cast<std::size_t>(found->second)].kind != ProcedureKind::Sub) {
    if (StartsNoAssignment()) Fail(Peek(), Peek().text + " is not a statement of this BASIC");
    return Assignment();
  }
  const Token& at = Advance();
  CompileCall(found->second, false, at);
}

// HOME, or VTAB 5: a name followed by what no assignment's '=' can be is a
// statement of some other BASIC, and is named as one.
bool Compiler::StartsNoAssignment() const {
  const Token& after = Peek(1);
  switch (after.kind) {
    case TokenKind::EndOfLine: case TokenKind::Colon: case TokenKind::Number: case TokenKind::String:
    case TokenKind::Name:
      return true;
    case TokenKind::Keyword: return after.keyword == Keyword::Else || after.keyword == Keyword::Rem;
    default: return false;
  }
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
  if (IsDefFnName(canonical)) return true;
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
// DIM SHARED: a DIM whose names the procedures share; the first pass over
// the text has recorded them.
void Compiler::DimShared() {
  if (scope_) Fail(Peek(), "DIM SHARED belongs outside procedures; inside one, write SHARED");
  Dim(false);
}

// DECLARE lines are accepted as they are: every call is checked against
// the definition itself.
void Compiler::DeclareStatement() {
  Advance();
  while (!Check(TokenKind::EndOfLine) && !Check(TokenKind::Colon)) Advance();
}

std::string Compiler::Declared(const std::string& canonical) const {
  if (scope_) {
    const auto found = scope_->declared.find(canonical);
    if (found != scope_->declared.end()) return found->second;
  }
  const auto found = shared_names_.find(canonical);
  return found == shared_names_.end() ? canonical : found->second;
}

