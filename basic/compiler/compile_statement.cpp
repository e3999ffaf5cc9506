#include "basic/compiler/compile_statement.h"

#include "basic/builtins/compile_builtins.h"
#include "basic/compiler/compile_blocks.h"
#include "basic/compiler/compile_classic.h"
#include "basic/compiler/compile_commands.h"
#include "basic/compiler/compile_jumps.h"
#include "basic/compiler/compile_select.h"
#include "basic/compiler/compile_traps.h"
#include "basic/compiler/compiler.h"
#include "basic/files/compile_bsave.h"
#include "basic/files/compile_files.h"
#include "basic/keys_and_sound/compile_events.h"
#include "basic/keys_and_sound/compile_keys.h"
#include "basic/keys_and_sound/compile_sound.h"
#include "basic/memory/compile_memory.h"
#include "basic/procedures/compile_calls.h"
#include "basic/procedures/compile_procedures.h"
#include "basic/procedures/compile_shared_names.h"
#include "basic/qb64/compile_qb64.h"
#include "basic/records/compile_type.h"
#include "basic/screen/compile_graphics.h"
#include "basic/screen/compile_screen.h"
#include "basic/screen/compile_view.h"
#include "basic/screen/compile_text_screen.h"
#include "basic/text/compile_input.h"
#include "basic/text/compile_mid.h"
#include "basic/text/compile_print.h"
#include "basic/variables/compile_arrays.h"
#include "basic/variables/compile_constants.h"
#include "basic/variables/compile_data.h"
#include "basic/variables/compile_variables.h"

namespace {

// HOME, or VTAB 5: a name followed by what no assignment's '=' can be is a
// statement of some other BASIC, and is named as one.
bool StartsNoAssignment(const Compiler& c) {
  const Token& after = c.Peek(1);
  switch (after.kind) {
    case TokenKind::EndOfLine: case TokenKind::Colon: case TokenKind::Number: case TokenKind::String:
    case TokenKind::Name:
      return true;
    case TokenKind::Keyword: return after.keyword == Keyword::Else || after.keyword == Keyword::Rem;
    default: return false;
  }
}

// A statement that starts with a name: a SUB called without CALL, or an
// assignment without LET.
void CompileNameStatement(Compiler& c) {
  if (c.Peek().text == "COMMON") return CompileCommon(c);
  RejectMachineCodeCall(c, c.Peek());
  if (CompileSubCall(c)) return;
  if (StartsNoAssignment(c)) c.Fail(c.Peek(), c.Peek().text + " is not a statement of this BASIC");
  CompileAssignment(c);
}

// END alone, or END IF, END SUB, END FUNCTION, END DEF, END SELECT.
void CompileEnd(Compiler& c) {
  const Token& next = c.Peek(1);
  switch (next.kind == TokenKind::Keyword ? next.keyword : Keyword::None) {
    case Keyword::If: return CompileEndIf(c);
    case Keyword::Sub: return CompileEndProcedure(c, ProcedureKind::Sub);
    case Keyword::Function: return CompileEndProcedure(c, ProcedureKind::Function);
    case Keyword::Def: return CompileEndProcedure(c, ProcedureKind::DefFn);
    case Keyword::Select: return CompileEndSelect(c);
    default:
      c.Advance();
      c.builder.Emit(Op::End);
      return;
  }
}

// A word alone: its instruction.
void CompileWord(Compiler& c, Op op) {
  c.Advance();
  c.builder.Emit(op);
}

}  // namespace

void CompileStatementList(Compiler& c, bool in_one_line_if) {
  for (;;) {
    while (c.Match(TokenKind::Colon)) {
    }
    if (c.Check(TokenKind::EndOfLine) || (in_one_line_if && c.CheckKeyword(Keyword::Else))) return;
    c.builder.SetColumn(c.Peek().column);
    const int32_t start = c.builder.Here();
    if (c.traps_events) CompileEventCheck(c, c.Peek());
    CompileStatement(c, in_one_line_if);
    c.builder.EndStatement(start);
    if (c.Match(TokenKind::Colon)) continue;
    if (c.CheckKeyword(Keyword::Rem)) continue;  // ' may follow a statement directly
    if (c.Check(TokenKind::EndOfLine) || (in_one_line_if && c.CheckKeyword(Keyword::Else))) return;
    c.Unexpected("':' or end of line");
  }
}

void CompileStatement(Compiler& c, bool in_one_line_if) {
  if (InTypeBlock(c)) return CompileTypeLine(c);
  if (CompileEventSwitch(c)) return;
  RejectClassicStatement(c);
  const Token& first = c.Peek();
  CheckCaseComesFirst(c, first);
  if (first.kind == TokenKind::Name) return CompileNameStatement(c);
  if (first.kind != TokenKind::Keyword) c.Unexpected("a statement");
  switch (first.keyword) {
    // Control.
    case Keyword::Rem: c.Advance(); return;
    case Keyword::Goto: c.Advance(); return CompileJump(c, Op::Jump);
    case Keyword::Gosub: c.Advance(); return CompileJump(c, Op::Gosub);
    case Keyword::Return: return CompileWord(c, Op::Return);
    case Keyword::On: return CompileOn(c);
    case Keyword::End: return CompileEnd(c);
    case Keyword::System: return CompileWord(c, Op::End);  // as END; typed alone it ends basic.exe
    case Keyword::Stop: return CompileWord(c, Op::Stop);
    case Keyword::If: return CompileIf(c);
    case Keyword::ElseIf: return CompileElseIf(c);
    case Keyword::Else:
      if (in_one_line_if) c.Unexpected("a statement");
      return CompileElse(c);
    case Keyword::For: return CompileFor(c);
    case Keyword::Next: return CompileNext(c);
    case Keyword::While: return CompileWhile(c);
    case Keyword::Wend: return CompileWend(c);
    case Keyword::Do: return CompileDo(c);
    case Keyword::Loop: return CompileLoop(c);
    case Keyword::Exit: return CompileExit(c);
    case Keyword::Select: return CompileSelect(c);
    case Keyword::Case: return CompileCase(c);
    // Data and variables.
    case Keyword::Let: c.Advance(); return CompileAssignment(c);
    case Keyword::Dim: return CompileDim(c, false);
    case Keyword::Redim: return CompileDim(c, true);
    case Keyword::Erase: return CompileErase(c);
    case Keyword::Swap: return CompileSwap(c);
    case Keyword::Clear: return CompileClear(c);
    case Keyword::Const: return CompileConst(c);
    case Keyword::Option: return CompileOptionBase(c);
    case Keyword::DefInt: return CompileDefType(c, ValueKind::Integer);
    case Keyword::DefLng: return CompileDefType(c, ValueKind::Long);
    case Keyword::DefSng: return CompileDefType(c, ValueKind::Single);
    case Keyword::DefDbl: return CompileDefType(c, ValueKind::Double);
    case Keyword::DefStr: return CompileDefType(c, ValueKind::String);
    case Keyword::Data: return CompileData(c);
    case Keyword::Read: return CompileRead(c);
    case Keyword::Restore: return CompileRestore(c);
    // Records.
    case Keyword::Type: return CompileType(c);
    // Procedures.
    case Keyword::Sub: return CompileProcedure(c, ProcedureKind::Sub, in_one_line_if);
    case Keyword::Function: return CompileProcedure(c, ProcedureKind::Function, in_one_line_if);
    case Keyword::Def:
      if (StartsDefSeg(c)) return CompileDefSeg(c);
      return CompileProcedure(c, ProcedureKind::DefFn, in_one_line_if);
    case Keyword::Call:
      RejectMachineCodeCall(c, c.Peek(1));
      return CompileCallStatement(c);
    case Keyword::Shared: return CompileSharedOrStatic(c, true);
    case Keyword::Static: return CompileSharedOrStatic(c, false);
    case Keyword::Declare: return CompileDeclare(c);
    // Text and input.
    case Keyword::Print: return CompilePrint(c);
    case Keyword::Input:
      if (CompileInputFile(c, false)) return;
      return CompileInput(c);
    case Keyword::Line:
      if (c.Peek(1).kind == TokenKind::Keyword && c.Peek(1).keyword == Keyword::Input) {
        if (CompileInputFile(c, true)) return;
        return CompileLineInput(c);
      }
      return CompileLine(c);
    case Keyword::Mid: return CompileMidStatement(c);
    case Keyword::Locate: return CompileLocate(c);
    case Keyword::Width: return CompileWidth(c);
    // The screen and graphics.
    case Keyword::Cls: return CompileCls(c);
    case Keyword::Circle: return CompileCircle(c);
    case Keyword::Pset: case Keyword::Preset: return CompilePset(c);
    case Keyword::Paint: return CompilePaint(c);
    case Keyword::Draw: return CompileDraw(c);
    case Keyword::Screen: return CompileScreen(c);
    case Keyword::Color: return CompileColor(c);
    case Keyword::Palette: return CompilePalette(c);
    case Keyword::Window: return CompileWindow(c);
    // The PC's text screen.
    // Keys and sound.
    case Keyword::Sleep: return CompileSleep(c);
    case Keyword::Key: return CompileKey(c);
    case Keyword::Beep: return CompileWord(c, Op::Beep);
    case Keyword::Sound: return CompileSound(c);
    case Keyword::Play: return CompilePlay(c);
    // Files.
    case Keyword::Open: return CompileOpen(c);
    case Keyword::Close: case Keyword::Reset: return CompileClose(c);
    case Keyword::Seek: return CompileSeek(c);
    case Keyword::Lprint: return CompilePrint(c);
    case Keyword::Write: return CompileWrite(c);
    case Keyword::Field: return CompileField(c);
    case Keyword::Lset: case Keyword::Rset: return CompileSetField(c);
    case Keyword::Get: case Keyword::Put: return CompileTransfer(c);
    case Keyword::Kill: case Keyword::Name: case Keyword::Files: case Keyword::Mkdir: case Keyword::Rmdir:
    case Keyword::Chdir:
      return CompileDiskCommand(c);
    // Memory and ports.
    case Keyword::Poke: return CompilePoke(c);
    case Keyword::Out: return CompileOut(c);
    case Keyword::Wait: return CompileWait(c);
    // BSAVE and BLOAD, VIEW.
    case Keyword::Bsave: return CompileBsave(c);
    case Keyword::Bload: return CompileBload(c);
    case Keyword::View: return CompileView(c);
    case Keyword::Pcopy: return CompilePcopy(c);
    // QB64's words (basic/qb64/).
    case Keyword::QbTitle: return CompileQbTitle(c);
    case Keyword::QbDelay: return CompileQbPause(c, Op::QbDelay);
    case Keyword::QbLimit: return CompileQbPause(c, Op::QbLimit);
    case Keyword::QbFullscreen: case Keyword::QbAllowFullscreen: case Keyword::QbSmooth:
    case Keyword::QbSquarePixels:
      return CompileQbWindowWord(c);
    // Errors and their trapping.
    case Keyword::Resume: return CompileResume(c);
    case Keyword::Error: return CompileRaiseError(c);
    // The built-in functions' own statements.
    case Keyword::Randomize: return CompileRandomize(c);
    case Keyword::Environ: return CompileEnviron(c);
    case Keyword::Date: case Keyword::Time:
      c.Fail(first, std::string(KeywordText(first.keyword)) + " = is not a statement of this BASIC: it does not set the clock");
    case Keyword::Run: case Keyword::List: case Keyword::New: case Keyword::Load: case Keyword::Save:
    case Keyword::Cont: case Keyword::Tron: case Keyword::Troff:
      return CompileProgramCommand(c);
    default:
      c.Unexpected("a statement");
  }
}
