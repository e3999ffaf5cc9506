#include "basic/text/compile_input.h"

#include <utility>
#include <vector>

#include "basic/compiler/compiler.h"
#include "basic/variables/compile_variables.h"

// INPUT; and LINE INPUT; kept the cursor on the line after Enter on the
// classic screens; here the line ends as usual, so the ';' is only read.
void CompileInput(Compiler& c) {
  c.Advance();
  c.Match(TokenKind::Semicolon);
  int32_t prompt = -1;
  bool question = true;
  if (c.Check(TokenKind::String)) {
    prompt = c.builder.StringConstant(c.Advance().text);
    if (c.Match(TokenKind::Comma)) {
      question = false;
    } else {
      c.Expect(TokenKind::Semicolon, "';' or ',' after the prompt");
    }
  }
  // The line is read first; then each variable, subscripts included, is
  // evaluated and given its field in turn.
  c.builder.Emit(Op::Input, static_cast<int32_t>(c.code->input_forms.size()), prompt, question);
  std::vector<ValueKind> form;
  do {
    ValueKind kind;
    const Instruction store = CompileVariable(c, true, &kind);
    const int32_t field = static_cast<int32_t>(form.size());
    form.push_back(kind);
    c.builder.Emit(kind == ValueKind::String ? Op::InputFieldString : Op::InputFieldNumber, field);
    c.builder.Emit(store.op, store.a, store.b, store.c);
  } while (c.Match(TokenKind::Comma));
  c.code->input_forms.push_back(std::move(form));
}

// LINE INPUT [;] ["prompt";] v$: the whole line typed, commas and quotes
// included, into one string variable or element.
void CompileLineInput(Compiler& c) {
  c.Advance();
  c.Advance();
  c.Match(TokenKind::Semicolon);  // as after INPUT
  int32_t prompt = -1;
  if (c.Check(TokenKind::String)) {
    prompt = c.builder.StringConstant(c.Advance().text);
    c.Expect(TokenKind::Semicolon, "';' after the prompt");
  }
  // The line is read first, then the variable's subscripts are evaluated.
  c.builder.Emit(Op::LineInput, prompt);
  const Token& at = c.Peek();
  ValueKind kind;
  const Instruction store = CompileVariable(c, true, &kind);
  if (kind != ValueKind::String) c.Fail(at, "LINE INPUT needs a string variable");
  c.builder.Emit(store.op, store.a, store.b, store.c);
}
