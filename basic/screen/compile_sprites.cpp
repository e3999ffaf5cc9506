#include "basic/screen/compile_sprites.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/screen/compile_graphics.h"
#include "basic/variables/compile_variables.h"

void NumericArrayArgument(Compiler& c, const char* needs, int32_t* slot, int32_t* subscripts) {
  const Token& name = c.Expect(TokenKind::Name, "an array name");
  *subscripts = 0;
  if (c.Match(TokenKind::LeftParen) && !c.Match(TokenKind::RightParen)) {
    do {
      if (++*subscripts > 3) c.Fail(c.Peek(), "an array has at most 3 subscripts");
      NumberExpression(c);
    } while (c.Match(TokenKind::Comma));
    c.Expect(TokenKind::RightParen, "')'");
  }
  ValueKind kind;
  *slot = ArraySlotOf(c, name, *subscripts, &kind);
  if (kind == ValueKind::String) c.Fail(name, std::string(needs) + " an array of numbers, not " + name.text);
}

namespace {

SpriteAction ActionAt(Compiler& c) {
  const Token& word = c.Peek();
  if (word.kind == TokenKind::Keyword) {
    switch (word.keyword) {
      case Keyword::Pset: c.Advance(); return SpriteAction::Pset;
      case Keyword::Preset: c.Advance(); return SpriteAction::Preset;
      case Keyword::And: c.Advance(); return SpriteAction::And;
      case Keyword::Or: c.Advance(); return SpriteAction::Or;
      case Keyword::Xor: c.Advance(); return SpriteAction::Xor;
      default: break;
    }
  }
  c.Unexpected("PSET, PRESET, AND, OR or XOR");
}

}  // namespace

bool IsSpriteTransfer(const Compiler& c) {
  const Token& next = c.Peek(1);
  return next.kind == TokenKind::LeftParen || (next.kind == TokenKind::Keyword && next.keyword == Keyword::Step);
}

void CompileSpriteGet(Compiler& c) {
  c.Advance();
  int32_t steps = c.MatchKeyword(Keyword::Step) ? SpriteFirstStep : 0;
  CompileCoordinates(c);
  c.Expect(TokenKind::Minus, "'-' before the second point");
  if (c.MatchKeyword(Keyword::Step)) steps |= SpriteSecondStep;
  CompileCoordinates(c);
  c.Expect(TokenKind::Comma, "',' and the array");
  int32_t slot, subscripts;
  NumericArrayArgument(c, "graphics GET and PUT need", &slot, &subscripts);
  c.builder.Emit(Op::GetSprite, slot, subscripts, steps);
}

void CompileSpritePut(Compiler& c) {
  c.Advance();
  const bool step = c.MatchKeyword(Keyword::Step);
  CompileCoordinates(c);
  c.Expect(TokenKind::Comma, "',' and the array");
  int32_t slot, subscripts;
  NumericArrayArgument(c, "graphics GET and PUT need", &slot, &subscripts);
  const SpriteAction action = c.Match(TokenKind::Comma) ? ActionAt(c) : SpriteAction::Xor;
  c.builder.Emit(Op::PutSprite, slot, subscripts, static_cast<int32_t>(action) | (step ? SpriteStep : 0));
}
