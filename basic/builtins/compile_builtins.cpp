#include "basic/builtins/compile_builtins.h"

#include <string>

#include "basic/builtins/builtins.h"
#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/files/compile_files.h"
#include "basic/keys_and_sound/compile_sound.h"
#include "basic/memory/compile_memory.h"
#include "basic/procedures/compile_calls.h"
#include "basic/records/record_references.h"
#include "basic/screen/compile_graphics.h"
#include "basic/screen/compile_view.h"
#include "basic/screen/compile_text_screen.h"
#include "basic/variables/compile_arrays.h"
#include "basic/variables/compile_variables.h"

namespace {

// "(a, b, ...)" read one argument at a time against the rows of a
// built-in: each must be of a kind some row takes in that place, and the
// list ends where a row ends. Gives the kinds read, as a row writes them,
// and the first number's kind in *first_kind.
std::string BuiltinArguments(Compiler& c, Keyword keyword, ValueKind* first_kind) {
  c.Expect(TokenKind::LeftParen, "'('");
  std::string given;
  bool first_number = true;
  for (;;) {
    if (keyword == Keyword::InputChars && !given.empty()) MatchHash(c);  // INPUT$(n, #f)
    const Token& at = c.Peek();
    const ValueKind kind = Expression(c);
    const char letter = kind == ValueKind::String ? 'S' : 'N';
    if (letter == 'N' && first_number) {
      *first_kind = kind;
      first_number = false;
    }
    if (BuiltinNextKind(keyword, given, letter) != letter) {
      c.Fail(at, letter == 'S' ? "expected a number, found a string" : "expected a string, found a number");
    }
    given += letter;
    if (!BuiltinTakesMore(keyword, given)) break;
    if (FindBuiltin(keyword, given) < 0) {
      c.Expect(TokenKind::Comma, "','");  // no row ends here
    } else if (!c.Match(TokenKind::Comma)) {
      break;
    }
  }
  c.Expect(TokenKind::RightParen, "')'");
  return given;
}

// The call's operand c carries the counts of its row's operands, so that
// the call need not count them each time it runs.
void EmitBuiltinCall(Compiler& c, int32_t row, ValueKind first_kind) {
  const Builtin& builtin = BuiltinAt(row);
  c.builder.Emit(Op::CallBuiltin, row, static_cast<int32_t>(first_kind),
                 BuiltinNumbers(builtin) | BuiltinTexts(builtin) << BuiltinTextsShift);
}

// LEN(S$) of a plain string variable reads the length where the string
// is, without the copy an argument would be. False, reading nothing, for
// any other argument.
bool CompileLenOfStringVariable(Compiler& c) {
  if (!c.Check(TokenKind::LeftParen) || c.Peek(1).kind != TokenKind::Name ||
      c.Peek(2).kind != TokenKind::RightParen || IsFunctionCall(c, c.Peek(1))) {
    return false;
  }
  const std::size_t start = c.token_index;
  c.Advance();
  ValueKind kind;
  const Instruction load = CompileVariable(c, false, &kind);
  if (load.op != Op::LoadString) {
    c.token_index = start;
    return false;
  }
  c.Advance();
  c.builder.Emit(Op::StringVariableLength, load.a);
  return true;
}

}  // namespace

ValueKind CompileBuiltinCall(Compiler& c) {
  const Token& name = c.Advance();
  Compiler::NestingGuard guard(c);
  const Keyword keyword = name.keyword;
  if (keyword == Keyword::Tab || keyword == Keyword::Spc) {
    c.Fail(name, std::string(KeywordText(keyword)) + " works only in PRINT");
  }
  if (keyword == Keyword::Lbound || keyword == Keyword::Ubound) return CompileBound(c, name);
  if (keyword == Keyword::Point) return CompilePointFunction(c);
  if (keyword == Keyword::Varptr || keyword == Keyword::Varseg || keyword == Keyword::Sadd) {
    return CompileVariableAddress(c, name);
  }
  if (keyword == Keyword::Pmap) return CompilePmapFunction(c);
  if (keyword == Keyword::Play) return CompilePlayFunction(c);
  if (keyword == Keyword::VarptrString) return CompileVariableReference(c);
  if (keyword == Keyword::Screen) return CompileScreenFunction(c);
  if (keyword == Keyword::Len && (CompileLenOfRecord(c) || CompileLenOfStringVariable(c))) return ValueKind::Long;
  const bool bare = FindBuiltin(keyword, "") >= 0;
  const bool takes_arguments = BuiltinTakesMore(keyword, "");
  if (!bare && !takes_arguments) c.Fail(name, "expected an expression, found " + DescribeToken(name));
  // RND alone, or RND with its parentheses.
  const bool with_arguments = takes_arguments && (!bare || c.Check(TokenKind::LeftParen));
  ValueKind first_kind = ValueKind::Single;
  const int32_t row = FindBuiltin(keyword, with_arguments ? BuiltinArguments(c, keyword, &first_kind) : "");
  EmitBuiltinCall(c, row, first_kind);
  return BuiltinResultKind(BuiltinAt(row), first_kind);
}

// RANDOMIZE alone is RANDOMIZE TIMER: the seed comes from the clock.
void CompileRandomize(Compiler& c) {
  c.Advance();
  if (c.AtStatementEnd()) {
    EmitBuiltinCall(c, FindBuiltin(Keyword::Timer, ""), ValueKind::Single);
  } else {
    NumberExpression(c);
  }
  c.builder.Emit(Op::Randomize);
}

// ENVIRON "NAME=value": the text is checked when it runs.
void CompileEnviron(Compiler& c) {
  c.Advance();
  StringExpression(c);
  c.builder.Emit(Op::SetEnvironment);
}
