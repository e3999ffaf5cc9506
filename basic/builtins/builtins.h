// The built-in functions, described in one table that the compiler and the
// executor both read: the compiler picks the row whose arguments fit what
// the program wrote, and emits one CallBuiltin naming that row; the
// executor hands the row's routine the arguments from the two stacks.
//
// A function with several forms (RND and RND(x), MID$ with or without its
// count, INSTR with or without its start) has one row per form. A row with
// no arguments is written without parentheses (TIMER, RND).
//
// The routines live by what they do: the numeric ones in
// number_functions.cpp, those of strings in string_functions.cpp, the
// clock's in clock.cpp, the process's command line and environment in
// environment.cpp, the keys' in keys_and_sound/keyboard.cpp and the
// cursor's in text/run_print.cpp.
#pragma once

#include <cstdint>
#include <string_view>

#include "basic/executor/run_errors.h"
#include "basic/tokens/token.h"
#include "basic/variables/variables.h"
#include "runtime/strings/strings.h"
#include "runtime/system.h"

// What a routine is handed and gives back. The string arguments stay on
// the machine's stack, owned by it, while the routine runs, so that an
// error leaves nothing behind; a routine that hands one on (to the
// runtime, or as its result) puts null in its place.
struct Machine;
struct BuiltinCall {
  const double* numbers;    // the numeric arguments, in the order written
  RtString* texts;          // the string arguments, in the order written (null is "")
  double number = 0;        // the result of a numeric function
  RtString text = nullptr;  // the result of a string function
  Machine* machine = nullptr;  // the run, for the functions of its keys and cursor
  ValueKind first_kind = ValueKind::Single;  // the first number argument's kind: STR$ writes it so
};
// Returns its fault (and then no result), or no fault.
using BuiltinRoutine = RunFault (*)(BuiltinCall& call);

// What kind a row's result is: one of the kinds, or its first argument's
// kind (INT, FIX, ABS), or that at least SINGLE (SQR, SIN, EXP, LOG ...).
enum class BuiltinResult : uint8_t { Integer, Long, Single, Double, String, LikeArgument, FloatOfArgument };

// Every row: the function's keyword, its arguments (one letter each: N a
// number, S a string), its result, and its routine.
#define BASIC_BUILTINS(X)                                                 \
  X(Int, "N", LikeArgument, FnInt)                                        \
  X(Fix, "N", LikeArgument, FnFix)                                        \
  X(Cint, "N", Integer, FnCint)                                           \
  X(Clng, "N", Long, FnClng)                                              \
  X(Csng, "N", Single, FnCsng)                                            \
  X(Cdbl, "N", Double, FnCdbl)                                            \
  X(Rnd, "", Single, FnRnd)                                               \
  X(Rnd, "N", Single, FnRnd) /* the argument is evaluated and ignored */  \
  X(Abs, "N", LikeArgument, FnAbs)                                        \
  X(Sgn, "N", Integer, FnSgn)                                             \
  X(Sqr, "N", FloatOfArgument, FnSqr)                                     \
  X(Exp, "N", FloatOfArgument, FnExp)                                     \
  X(Log, "N", FloatOfArgument, FnLog)                                     \
  X(Sin, "N", FloatOfArgument, FnSin)                                     \
  X(Cos, "N", FloatOfArgument, FnCos)                                     \
  X(Tan, "N", FloatOfArgument, FnTan)                                     \
  X(Atn, "N", FloatOfArgument, FnAtn)                                     \
  X(Len, "S", Long, FnLen)                                                \
  X(Asc, "S", Integer, FnAsc)                                             \
  X(Val, "S", Double, FnVal)                                              \
  X(Instr, "SS", Long, FnInstr)                                           \
  X(Instr, "NSS", Long, FnInstrFrom)                                      \
  X(Chr, "N", String, FnChr)                                              \
  X(Str, "N", String, FnStr)                                              \
  X(Space, "N", String, FnSpace)                                          \
  X(String, "NN", String, FnStringOfCode)                                 \
  X(String, "NS", String, FnStringOfText)                                 \
  X(Left, "SN", String, FnLeft)                                           \
  X(Right, "SN", String, FnRight)                                         \
  X(Mid, "SN", String, FnMidToEnd)                                        \
  X(Mid, "SNN", String, FnMid)                                            \
  X(Hex, "N", String, FnHex)                                              \
  X(Oct, "N", String, FnOct)                                              \
  X(Ucase, "S", String, FnUcase)                                          \
  X(Lcase, "S", String, FnLcase)                                          \
  X(Ltrim, "S", String, FnLtrim)                                          \
  X(Rtrim, "S", String, FnRtrim)                                          \
  X(Timer, "", Single, FnTimer)                                           \
  X(QbPi, "", Double, FnQbPi) /* QB64's _PI and _PI(m) */                 \
  X(QbPi, "N", Double, FnQbPiTimes)                                      \
  X(QbKeyHit, "", Long, FnQbKeyHit) /* QB64's keys and mouse */           \
  X(QbKeyDown, "N", Integer, FnQbKeyDown)                                 \
  X(QbMouseInput, "", Integer, FnQbMouseInput)                            \
  X(QbMouseX, "", Integer, FnQbMouseX)                                    \
  X(QbMouseY, "", Integer, FnQbMouseY)                                    \
  X(QbMouseButton, "N", Integer, FnQbMouseButton)                         \
  X(Time, "", String, FnTime)                                             \
  X(Date, "", String, FnDate)                                             \
  X(Inkey, "", String, FnInkey)                                           \
  X(InputChars, "N", String, FnInputChars)                                \
  X(Pos, "N", Integer, FnPos) /* the argument is evaluated and ignored */ \
  X(Csrlin, "", Integer, FnCsrlin)                                        \
  X(Mki, "N", String, FnMki)                                              \
  X(Mkl, "N", String, FnMkl)                                              \
  X(Mks, "N", String, FnMks)                                              \
  X(Mkd, "N", String, FnMkd)                                              \
  X(MksMbf, "N", String, FnMksMbf)                                        \
  X(MkdMbf, "N", String, FnMkdMbf)                                        \
  X(Cvi, "S", Integer, FnCvi)                                             \
  X(Cvl, "S", Long, FnCvl)                                                \
  X(Cvs, "S", Single, FnCvs)                                              \
  X(Cvd, "S", Double, FnCvd)                                              \
  X(CvsMbf, "S", Single, FnCvsMbf)                                        \
  X(CvdMbf, "S", Double, FnCvdMbf)                                        \
  X(Command, "", String, FnCommand)                                       \
  X(EnvironValue, "S", String, FnEnvironByName)                           \
  X(EnvironValue, "N", String, FnEnvironByNumber)                         \
  /* Files (files/run_files.cpp). */                                      \
  X(Freefile, "", Integer, FnFreefile)                                    \
  X(Eof, "N", Integer, FnEof)                                             \
  X(Lof, "N", Long, FnLof)                                                \
  X(Loc, "N", Long, FnLoc)                                                \
  X(Seek, "N", Long, FnSeek)                                              \
  X(Fileattr, "NN", Long, FnFileattr)                                     \
  X(InputChars, "NN", String, FnInputCharsFile) /* INPUT$(count, [#]n) */ \
  /* Memory and ports (memory/run_memory.cpp). */                          \
  X(Peek, "N", Integer, FnPeek)                                           \
  X(Inp, "N", Integer, FnInp)                                             \
  X(Err, "", Integer, FnErr)                                              \
  X(Erl, "", Long, FnErl)

#define BASIC_DECLARE_BUILTIN(keyword, arguments, result, routine) RunFault routine(BuiltinCall& call);
BASIC_BUILTINS(BASIC_DECLARE_BUILTIN)
#undef BASIC_DECLARE_BUILTIN

struct Builtin {
  Keyword keyword;
  const char* arguments;  // one letter per argument: N a number, S a string
  BuiltinResult result;
  BuiltinRoutine routine;
};

// The kind of a row's result, given its first number argument's kind.
ValueKind BuiltinResultKind(const Builtin& builtin, ValueKind first_kind);

// The row of keyword whose arguments are exactly these letters; -1 if none.
int32_t FindBuiltin(Keyword keyword, std::string_view arguments);
// Whether some row of keyword starts with these argument letters and takes
// at least one more.
bool BuiltinTakesMore(Keyword keyword, std::string_view arguments);
// The letter (N or S) that rows of keyword starting with these arguments
// take next, where letter fits one of them; otherwise the first such row's.
char BuiltinNextKind(Keyword keyword, std::string_view arguments, char letter);
const Builtin& BuiltinAt(int32_t index);
// A call's instruction holds both counts in its operand c: the numbers'
// in the bits below this one, the strings' above.
inline constexpr int32_t BuiltinTextsShift = 8;
// How many numbers and strings a row takes off the stacks, and leaves.
int32_t BuiltinNumbers(const Builtin& builtin);
int32_t BuiltinTexts(const Builtin& builtin);
inline int32_t BuiltinNumberResults(const Builtin& builtin) { return builtin.result == BuiltinResult::String ? 0 : 1; }
inline int32_t BuiltinTextResults(const Builtin& builtin) { return builtin.result == BuiltinResult::String ? 1 : 0; }
