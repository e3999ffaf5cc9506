#include "basic/compiler/compile_select.h"

#include <utility>
#include <vector>

#include "basic/compiler/compile_blocks.h"
#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"

namespace {

// One item: "value", "low TO high" or "IS relation value"; leaves true or
// false on the stack.
void CompileCaseTest(Compiler& c, const Block& block) {
  const ValueKind kind = block.string_selector ? ValueKind::String : ValueKind::Double;
  const auto load = [&] { c.builder.Emit(block.string_selector ? Op::LoadString : Op::LoadNumber, block.variable); };
  const auto operand = [&] {
    const Token& at = c.Peek();
    const ValueKind found = Expression(c);
    if ((found == ValueKind::String) != block.string_selector) {
      c.Fail(at, block.string_selector ? "expected a string, found a number" : "expected a number, found a string");
    }
  };
  const auto compare = [&](Op relation) {
    if (kind == ValueKind::String) {
      c.builder.Emit(Op::CompareStrings, static_cast<int32_t>(relation));
    } else {
      c.builder.Emit(relation);
    }
  };
  if (c.MatchWord("IS")) {
    static const std::pair<TokenKind, Op> relations[] = {
        {TokenKind::Equal, Op::Equal},         {TokenKind::NotEqual, Op::NotEqual},
        {TokenKind::Less, Op::Less},           {TokenKind::Greater, Op::Greater},
        {TokenKind::LessEqual, Op::LessEqual}, {TokenKind::GreaterEqual, Op::GreaterEqual},
    };
    for (const auto& [token, relation] : relations) {
      if (!c.Match(token)) continue;
      load();
      operand();
      compare(relation);
      return;
    }
    c.Unexpected("a comparison after IS");
  }
  load();
  operand();
  if (!c.MatchKeyword(Keyword::To)) return compare(Op::Equal);
  compare(Op::GreaterEqual);
  load();
  operand();
  compare(Op::LessEqual);
  c.builder.Emit(Op::And);
}

}  // namespace

void CompileSelect(Compiler& c) {
  const Token& at = c.Advance();
  c.ExpectKeyword(Keyword::Case);
  const ValueKind kind = Expression(c);
  // A name with a space is no program's; in a procedure it is a local, so
  // that a recursive call keeps its caller's selector.
  const std::string hidden = "SELECT " + std::to_string(c.select_count++);
  const bool strings = kind == ValueKind::String;
  const int32_t slot = strings ? c.variables->StringSlot(hidden + "$") : c.variables->NumberSlot(hidden);
  c.builder.Emit(strings ? Op::StoreString : Op::StoreDouble, slot);
  Block& block = OpenBlock(c, BlockKind::Select, at);
  block.variable = slot;
  block.string_selector = strings;
}

void CheckCaseComesFirst(const Compiler& c, const Token& first) {
  if (c.blocks.size() <= c.block_floor || c.blocks.back().kind != BlockKind::Select || c.blocks.back().cases > 0) return;
  const bool allowed = first.kind == TokenKind::Keyword &&
                       (first.keyword == Keyword::Case || first.keyword == Keyword::Rem ||
                        (first.keyword == Keyword::End && c.Peek(1).kind == TokenKind::Keyword &&
                         c.Peek(1).keyword == Keyword::Select));
  if (!allowed) c.Fail(first, "expected CASE after SELECT CASE, found " + DescribeToken(first));
}

void CompileCase(Compiler& c) {
  const Token& at = c.Advance();
  Block& block = Innermost(c, BlockKind::Select, at, "CASE without SELECT CASE");
  if (block.seen_else) c.Fail(at, "CASE after CASE ELSE");
  // The previous CASE's statements end by leaving the SELECT.
  if (block.cases > 0) block.exits.push_back(c.builder.Emit(Op::Jump));
  if (block.pending >= 0) c.builder.PatchJump(block.pending, c.builder.Here());
  block.pending = -1;
  ++block.cases;
  if (c.MatchKeyword(Keyword::Else)) {
    block.seen_else = true;
    return;
  }
  std::vector<int32_t> matches;
  do {
    CompileCaseTest(c, block);
    matches.push_back(c.builder.Emit(Op::JumpIfTrue));
  } while (c.Match(TokenKind::Comma));
  block.pending = c.builder.Emit(Op::Jump);
  for (int32_t match : matches) c.builder.PatchJump(match, c.builder.Here());
}

void CompileEndSelect(Compiler& c) {
  const Token& at = c.Advance();
  c.Advance();
  const Block block = Innermost(c, BlockKind::Select, at, "END SELECT without SELECT CASE");
  if (block.pending >= 0) c.builder.PatchJump(block.pending, c.builder.Here());
  for (int32_t exit : block.exits) c.builder.PatchJump(exit, c.builder.Here());
  c.blocks.pop_back();
}
