#include "basic/memory/compile_memory.h"

#include <cctype>
#include <string>

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/memory/variable_memory.h"
#include "basic/records/record_references.h"
#include "basic/text/command_string.h"
#include "basic/variables/compile_variables.h"

namespace {

// Two numbers after the statement's word, the second after a comma.
void TwoNumbers(Compiler& c) {
  c.Advance();
  NumberExpression(c);
  c.Expect(TokenKind::Comma, "','");
  NumberExpression(c);
}

std::string Upper(std::string text) {
  for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return text;
}

// The machine code routines QuickBASIC's library gave: what each did.
const char* MachineCodeReason(const std::string& name) {
  if (name == "ABSOLUTE") return "CALL ABSOLUTE runs machine code, which this BASIC does not";
  if (name == "INTERRUPT" || name == "INTERRUPTX") {
    return "CALL INTERRUPT calls the PC's BIOS and DOS, which this BASIC does not have";
  }
  return nullptr;
}

// VARPTR or VARSEG of a record, an element of an array of records, or a
// field of either; SADD takes no record, its fields being of fixed length.
void CompileRecordAddress(Compiler& c, int32_t part) {
  if (part == QueryBytes) c.Fail(c.Peek(), "SADD needs a string variable or an element of an array of strings");
  int32_t byte = 0;
  const int32_t layout = CompileRecordPlace(c, &byte);
  c.Expect(TokenKind::RightParen, "')'");
  const int32_t subscripts = c.code->record_layouts[static_cast<std::size_t>(layout)].subscripts;
  c.builder.Emit(Op::RecordAddress, layout, subscripts, part | byte << RecordByteShift);
}

}  // namespace

bool StartsDefSeg(const Compiler& c) {
  const Token& next = c.Peek(1);
  return next.kind == TokenKind::Keyword && next.keyword == Keyword::Seg;
}

void CompileDefSeg(Compiler& c) {
  c.Advance();
  c.Advance();
  if (c.AtStatementEnd()) {
    c.builder.Emit(Op::DefSeg, 0);
    return;
  }
  c.Expect(TokenKind::Equal, "'=' and the segment");
  NumberExpression(c);
  c.builder.Emit(Op::DefSeg, 1);
}

void CompilePoke(Compiler& c) {
  TwoNumbers(c);
  c.builder.Emit(Op::Poke);
}

void CompileOut(Compiler& c) {
  TwoNumbers(c);
  c.builder.Emit(Op::Out);
}

// The XOR mask left out is 0: the port's bits are taken as they are.
void CompileWait(Compiler& c) {
  TwoNumbers(c);
  if (c.Match(TokenKind::Comma)) {
    NumberExpression(c);
  } else {
    c.builder.EmitNumber(0);
  }
  c.builder.Emit(Op::Wait);
}

ValueKind CompileVariableAddress(Compiler& c, const Token& function) {
  const bool bytes = function.keyword == Keyword::Sadd;
  const int32_t part = bytes ? QueryBytes : function.keyword == Keyword::Varseg ? QuerySegment : QueryOffset;
  c.Expect(TokenKind::LeftParen, "'('");
  const Token& at = c.Peek();
  if (at.kind == TokenKind::Name && StartsRecordReference(c)) {
    CompileRecordAddress(c, part);
    return ValueKind::Long;
  }
  ValueKind kind = ValueKind::Single;
  const Instruction load = at.kind == TokenKind::Name ? CompileVariable(c, false, &kind) : Instruction{Op::End};
  const bool scalar = load.op == Op::LoadNumber || load.op == Op::LoadString;
  if (bytes && load.op != Op::LoadString && load.op != Op::LoadStringElement) {
    c.Fail(at, "SADD needs a string variable or an element of an array of strings");
  }
  if (!scalar && load.op != Op::LoadElement && load.op != Op::LoadStringElement) {
    c.Fail(at, std::string(KeywordText(function.keyword)) +
                   " needs a variable: a number or string variable, an array's element, or a record or its field");
  }
  c.Expect(TokenKind::RightParen, "')'");
  c.builder.Emit(Op::VariableAddress, load.a, scalar ? 0 : load.b, part | static_cast<int32_t>(kind) << QueryKindShift);
  return ValueKind::Long;
}

ValueKind CompileVariableReference(Compiler& c) {
  c.Expect(TokenKind::LeftParen, "'('");
  const Token& at = c.Peek();
  ValueKind kind = ValueKind::Single;
  const Instruction load = at.kind == TokenKind::Name ? CompileVariable(c, false, &kind) : Instruction{Op::End};
  if (load.op != Op::LoadNumber && load.op != Op::LoadString) {
    c.Fail(at, "VARPTR$ needs a number or string variable");
  }
  if (load.a > 0xFFFF) c.Fail(at, "VARPTR$ names only a program's first 65536 variables of a kind");
  static constexpr ReferenceType types[] = {ReferenceType::Integer, ReferenceType::Long, ReferenceType::Single,
                                            ReferenceType::Double, ReferenceType::String};
  c.Expect(TokenKind::RightParen, "')'");
  c.builder.Emit(Op::VarptrString, load.a, 0, static_cast<int32_t>(types[static_cast<int>(kind)]));
  return ValueKind::String;
}

void RejectMachineCodeCall(Compiler& c, const Token& name) {
  if (name.kind != TokenKind::Name) return;
  // Without CALL, ABSOLUTE = 1 and INTERRUPT(1) = 2 are the program's own variables.
  const bool called = c.Peek().kind == TokenKind::Keyword && c.Peek().keyword == Keyword::Call;
  const TokenKind after = c.Peek(1).kind;
  if (!called && (after == TokenKind::Equal || after == TokenKind::LeftParen)) return;
  const std::string word = Upper(name.text);
  const char* reason = MachineCodeReason(word);
  if (reason && c.procedures.index.find(word) == c.procedures.index.end()) c.Fail(name, reason);
}
