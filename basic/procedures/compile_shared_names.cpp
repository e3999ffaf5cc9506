#include "basic/procedures/compile_shared_names.h"

#include "basic/compiler/compiler.h"
#include "basic/procedures/procedure_headers.h"
#include "basic/records/compile_records.h"
#include "basic/variables/compile_arrays.h"

// SHARED x, a() in a procedure: the program's variables. STATIC x, a():
// the procedure's, kept from call to call.
void CompileSharedOrStatic(Compiler& c, bool shared) {
  const Token& at = c.Advance();
  const char* statement = shared ? "SHARED" : "STATIC";
  if (!c.procedures.scope || !c.procedures.scope->names_local) {
    c.Fail(at, std::string(statement) + " belongs inside a SUB or FUNCTION");
  }
  ProcedureScope& scope = *c.procedures.scope;
  do {
    const Token& name = c.Expect(TokenKind::Name, "a name");
    const bool array = c.Match(TokenKind::LeftParen);
    if (array) c.Expect(TokenKind::RightParen, "')': an array is named as A()");
    if (RecordAfterAs(c) >= 0) {
      // A record by its name alone; its type is the program's declaration.
      c.Advance();
      c.Advance();
      (shared ? scope.shared : scope.statics).insert(array ? name.text + "()" : name.text);
      continue;
    }
    bool typed;
    const std::string canonical = TypedName(c, name, &typed);
    const std::string tagged = Tagged(canonical, array ? NameSpace::Array : NameSpace::Number);
    if (scope.seen.count(tagged) || scope.own.count(tagged)) {
      c.Fail(name, canonical + " is already in use in this procedure before " + statement);
    }
    if (typed) scope.declared[CanonicalName(name.text)] = canonical;
    (shared ? scope.shared : scope.statics).insert(tagged);
  } while (c.Match(TokenKind::Comma));
}

// The first pass over the text has made the names shared; here arrays are
// made as DIM makes them.
void CompileDimShared(Compiler& c) {
  if (c.procedures.scope) c.Fail(c.Peek(), "DIM SHARED belongs outside procedures; inside one, write SHARED");
  CompileDimensions(c, false);
}

void CompileDeclare(Compiler& c) {
  c.Advance();
  while (!c.Check(TokenKind::EndOfLine) && !c.Check(TokenKind::Colon)) c.Advance();
}

std::string DeclaredName(const Compiler& c, const std::string& canonical) {
  if (c.procedures.scope) {
    const auto found = c.procedures.scope->declared.find(canonical);
    if (found != c.procedures.scope->declared.end()) return found->second;
  }
  const auto found = c.procedures.shared_names.find(canonical);
  return found == c.procedures.shared_names.end() ? canonical : found->second;
}
