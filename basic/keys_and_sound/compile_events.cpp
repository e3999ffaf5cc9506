#include "basic/keys_and_sound/compile_events.h"

#include <cctype>
#include <string>

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compile_jumps.h"
#include "basic/compiler/compiler.h"
#include "basic/keys_and_sound/events.h"
#include "basic/tokens/lexer.h"

namespace {

bool IsKeyword(const Token& token, Keyword keyword) {
  return token.kind == TokenKind::Keyword && token.keyword == keyword;
}

bool IsWordToken(const Token& token, const char* word) {
  if (token.kind == TokenKind::Keyword) return std::string(KeywordText(token.keyword)) == word;
  return (token.kind == TokenKind::Name || token.kind == TokenKind::Unsupported) && token.text == word;
}

// ON, OFF or STOP after a trap's name.
TrapState ReadSwitch(Compiler& c) {
  if (c.MatchKeyword(Keyword::On)) return TrapState::On;
  if (c.MatchKeyword(Keyword::Stop)) return TrapState::Stopped;
  if (c.MatchWord("OFF")) return TrapState::Off;
  c.Unexpected("ON, OFF or STOP");
}

void EmitSwitch(Compiler& c, EventKind kind, TrapState state) {
  c.builder.Emit(Op::SwitchEvent, static_cast<int32_t>(kind), static_cast<int32_t>(state));
}

// The word after ON that names a trap, with its '(' next.
bool NamesTrap(const Compiler& c, EventKind* kind) {
  if (c.Peek(1).kind != TokenKind::LeftParen) return false;
  const Token& word = c.Peek();
  if (IsKeyword(word, Keyword::Key)) *kind = EventKind::Key;
  else if (IsKeyword(word, Keyword::Timer)) *kind = EventKind::Timer;
  else if (IsWordToken(word, "PLAY")) *kind = EventKind::Play;
  else return false;
  return true;
}

// The letters worth lexing a line for: ON and an event's word.
bool HoldsEventLetters(std::string_view line) {
  std::string upper(line);
  for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return upper.find("ON") != std::string::npos &&
         (upper.find("KEY") != std::string::npos || upper.find("TIMER") != std::string::npos ||
          upper.find("PLAY") != std::string::npos);
}

}  // namespace

bool MayTrapEvents(const std::vector<std::string_view>& lines) {
  for (const std::string_view line : lines) {
    if (!HoldsEventLetters(line)) continue;
    const std::vector<Token> tokens = LexLine(line).tokens;
    for (std::size_t i = 0; i + 2 < tokens.size(); ++i) {
      const Token& word = tokens[i + 1];
      const bool event = IsKeyword(word, Keyword::Key) || IsKeyword(word, Keyword::Timer) || IsWordToken(word, "PLAY");
      if (IsKeyword(tokens[i], Keyword::On) && event && tokens[i + 2].kind == TokenKind::LeftParen) {
        return true;
      }
    }
  }
  return false;
}

void CompileEventCheck(Compiler& c, const Token& first) {
  bool loop_end = false;
  if (first.kind == TokenKind::Keyword) {
    switch (first.keyword) {
      case Keyword::Case: case Keyword::Sub: case Keyword::Function: case Keyword::Def:
      case Keyword::Declare: case Keyword::Type: case Keyword::Data: case Keyword::Rem:
        return;
      case Keyword::Next: case Keyword::Loop: case Keyword::Wend:
        loop_end = true;
        break;
      default: break;
    }
  }
  if (c.line_checked && !loop_end) return;
  c.builder.Emit(Op::EventCheck);
  c.line_checked = true;
}

// ON KEY(n) GOSUB target; ON TIMER(seconds) ...; ON PLAY(notes) ... A
// target of line 0 takes the handler away, as GOSUB 0 did.
bool CompileOnEvent(Compiler& c) {
  EventKind kind;
  if (!NamesTrap(c, &kind)) return false;
  c.Advance();
  c.Expect(TokenKind::LeftParen, "'('");
  NumberExpression(c);
  c.Expect(TokenKind::RightParen, "')'");
  c.ExpectKeyword(Keyword::Gosub);
  const Token& at = c.Peek();
  std::string label = ReadTarget(c);
  const int32_t position = c.builder.Emit(Op::OnEvent, -1, static_cast<int32_t>(kind));
  if (label != "0") AddJump(c, position, at, std::move(label));
  return true;
}

bool CompileEventSwitch(Compiler& c) {
  const Token& word = c.Peek();
  const Token& next = c.Peek(1);
  const bool switch_word = IsKeyword(next, Keyword::On) || IsKeyword(next, Keyword::Stop) || IsWordToken(next, "OFF");
  if (!switch_word) return false;
  EventKind kind;
  if (IsKeyword(word, Keyword::Timer)) kind = EventKind::Timer;
  else if (IsWordToken(word, "PLAY")) kind = EventKind::Play;
  else return false;
  c.Advance();
  c.builder.EmitNumber(0);
  EmitSwitch(c, kind, ReadSwitch(c));
  return true;
}

void CompileKeySwitch(Compiler& c) {
  c.Expect(TokenKind::LeftParen, "'('");
  NumberExpression(c);
  c.Expect(TokenKind::RightParen, "')'");
  EmitSwitch(c, EventKind::Key, ReadSwitch(c));
}
