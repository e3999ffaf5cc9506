// SELECT CASE: the selector is evaluated once into a hidden variable; each
// CASE tests it against its items in turn and jumps to its statements on
// the first match, or on to the next CASE.
#include "basic/compiler/compiler.h"

void Compiler::Select() {
  const Token& at = Advance();
  ExpectKeyword(Keyword::Case);
  const ValueKind kind = Expression();
  // A name with a space is no program's; in a procedure it is a local, so
  // that a recursive call keeps its caller's selector.
  const std::string hidden = "SELECT " + std::to_string(select_count_++);
  const bool strings = kind == ValueKind::String;
  const int32_t slot = strings ? variables_->StringSlot(hidden + "$") : variables_->NumberSlot(hidden);
  builder_.Emit(strings ? Op::StoreString : Op::StoreNumber, slot);
  Block& block = OpenBlock(BlockKind::Select, at);
  block.variable = slot;
  block.string_selector = strings;
}

// Only comments may come between SELECT CASE and its first CASE.
void Compiler::CheckCaseComesFirst(const Token& first) const {
  if (blocks_.size() <= block_floor_ || blocks_.back().kind != BlockKind::Select || blocks_.back().cases > 0) return;
  const bool allowed = first.kind == TokenKind::Keyword &&
                       (first.keyword == Keyword::Case || first.keyword == Keyword::Rem ||
                        (first.keyword == Keyword::End && Peek(1).kind == TokenKind::Keyword &&
                         Peek(1).keyword == Keyword::Select));
  if (!allowed) Fail(first, "expected CASE after SELECT CASE, found " + DescribeToken(first));
}

void Compiler::Case() {
  const Token& at = Advance();
  Block& block = Innermost(BlockKind::Select, at, "CASE without SELECT CASE");
  if (block.seen_else) Fail(at, "CASE after CASE ELSE");
  // The previous CASE's statements end by leaving the SELECT.
  if (block.cases > 0) block.exits.push_back(builder_.Emit(Op::Jump));
  if (block.pending >= 0) builder_.PatchJump(block.pending, builder_.Here());
  block.pending = -1;
  ++block.cases;
  if (MatchKeyword(Keyword::Else)) {
    block.seen_else = true;
    return;
  }
  std::vector<int32_t> matches;
  do {
    CaseTest(block);
    matches.push_back(builder_.Emit(Op::JumpIfTrue));
  } while (Match(TokenKind::Comma));
  block.pending = builder_.Emit(Op::Jump);
  for (int32_t match : matches) builder_.PatchJump(match, builder_.Here());
}

// One item: "value", "low TO high" or "IS relation value"; leaves true or
// false on the stack.
void Compiler::CaseTest(const Block& block) {
  const ValueKind kind = block.string_selector ? ValueKind::String : ValueKind::Number;
  const auto load = [&] { builder_.Emit(block.string_selector ? Op::LoadString : Op::LoadNumber, block.variable); };
  const auto operand = [&] {
    const Token& at = Peek();
    const ValueKind found = Expression();
    if ((found == ValueKind::String) != block.string_selector) {
      Fail(at, block.string_selector ? "expected a string, found a number" : "expected a number, found a string");
    }
  };
  const auto compare = [&](Op relation) {
    if (kind == ValueKind::String) {
      builder_.Emit(Op::CompareStrings, static_cast<int32_t>(relation));
    } else {
      builder_.Emit(relation);
    }
  };
  if (MatchWord("IS")) {
    static const std::pair<TokenKind, Op> relations[] = {
        {TokenKind::Equal, Op::Equal},         {TokenKind::NotEqual, Op::NotEqual},
        {TokenKind::Less, Op::Less},           {TokenKind::Greater, Op::Greater},
        {TokenKind::LessEqual, Op::LessEqual}, {TokenKind::GreaterEqual, Op::GreaterEqual},
    };
    for (const auto& [token, relation] : relations) {
      if (!Match(token)) continue;
      load();
      operand();
      compare(relation);
      return;
    }
    Unexpected("a comparison after IS");
  }
  load();
  operand();
  if (!MatchKeyword(Keyword::To)) return compare(Op::Equal);
  compare(Op::GreaterEqual);
  load();
  operand();
  compare(Op::LessEqual);
  builder_.Emit(Op::And);
}

void Compiler::EndSelect() {
  const Token& at = Advance();
  Advance();
  const Block block = Innermost(BlockKind::Select, at, "END SELECT without SELECT CASE");
  if (block.pending >= 0) builder_.PatchJump(block.pending, builder_.Here());
  for (int32_t exit : block.exits) builder_.PatchJump(exit, builder_.Here());
  blocks_.pop_back();
}
