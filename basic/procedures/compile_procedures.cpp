// Procedures: SUB, FUNCTION and DEF FN, their first lines and bodies.
//
// A first pass over the text reads every procedure's first line (and every
// DIM SHARED), so that a call may come before its definition. A body is
// compiled where it stands, behind a jump over it, with the Variables
// resolving its names through the procedure's scope.
#include <algorithm>
#include <cctype>

#include "basic/compiler/compiler.h"
#include "basic/tokens/lexer.h"

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
    if (typed) shared_names_[CanonicalName(name.text)] = canonical;
    shared_everywhere_.insert(Tagged(canonical, array ? NameSpace::Array : NameSpace::Number));
  } while (Match(TokenKind::Comma));
}

// The canonical name of a name followed by an optional "AS type", with the
// suffix the type gives: "S AS STRING" is "S$".
std::string Compiler::TypedName(const Token& name, bool* typed) {
  const std::string canonical = CanonicalName(name.text);
  *typed = MatchWord("AS");
  if (!*typed) return canonical;
  if (!std::isalnum(static_cast<unsigned char>(name.text.back()))) {
    Fail(name, name.text + " has a type suffix and cannot also have AS");
  }
  if (MatchWord("INTEGER")) return canonical + "%";
  if (MatchWord("STRING")) return canonical + "$";
  if (MatchWord("LONG")) return canonical + "&";
  if (MatchWord("SINGLE") || MatchWord("DOUBLE")) return canonical;
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
  if (kind == ProcedureKind::DefFn && !IsDefFnName(header.name)) Fail(name, "a DEF FN function's name starts with FN");
  if (kind != ProcedureKind::DefFn && IsDefFnName(header.name)) Fail(name, "names starting with FN belong to DEF FN");
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
  HeaderParameter parameter;
  parameter.name = TypedName(name, &parameter.typed);
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
  // The one-line DEF FN: its expression is the value. An error in it
  // closes the function all the same, so that it is reported alone.
  try {
    const Token& expression_at = Peek();
    if (KindOfName(header.name) == ValueKind::String) {
      StringExpression();
    } else {
      NumberOperand(Expression(), expression_at);
    }
  } catch (const CompileError&) {
    CloseProcedure();
    throw;
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
    if (parameter.typed && plain != parameter.name) scope_->declared[plain] = parameter.name;
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
  for (const int32_t slot : procedure.number_locals) {
    const auto is_slot = [slot](const Parameter& parameter) {
      return parameter.kind != ParameterKind::String && parameter.kind != ParameterKind::Array && parameter.slot == slot;
    };
    if (std::none_of(procedure.parameters.begin(), procedure.parameters.end(), is_slot)) {
      procedure.cleared_numbers.push_back(slot);
    }
  }
  procedure.string_locals = scope_->string_locals;
  procedure.array_locals = scope_->array_locals;
  procedure.numbers_only = procedure.string_locals.empty() && procedure.array_locals.empty() &&
                           procedure.first_loop == procedure.loop_end;
  variables_->scope = nullptr;
  scope_.reset();
  procedure_ = -1;
  blocks_.pop_back();
}

// END SUB, END FUNCTION, END DEF, END SELECT; false for another END.
bool Compiler::EndOfProcedureOrSelect() {
  if (Peek(1).kind != TokenKind::Keyword) return false;
  switch (Peek(1).keyword) {
    case Keyword::Sub: EndProcedure(ProcedureKind::Sub); return true;
    case Keyword::Function: EndProcedure(ProcedureKind::Function); return true;
    case Keyword::Def: EndProcedure(ProcedureKind::DefFn); return true;
    case Keyword::Select: EndSelect(); return true;
    default: return false;
  }
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
