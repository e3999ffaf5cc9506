// The built-in functions, described in one table that the compiler and the
// executor both read: the compiler picks the row whose arguments fit what
// the program wrote, and emits one CallBuiltin naming that row; the
// executor hands the row's routine the arguments from the two stacks.
//
// A function with several forms (RND and RND(x), MID$ with or without its
// count, INSTR with or without its start) has one row per form. A row with
// no arguments is written without parentheses (TIMER, RND).
#pragma once

#include <cstdint>
#include <string_view>

#include "basic/tokens/token.h"
#include "basic/variables/variables.h"
#include "runtime/system.h"
#include "runtime/strings/strings.h"

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
};
// Returns null, or a run-time error's message (and then no result).
using BuiltinRoutine = const char* (*)(BuiltinCall& call);

struct Builtin {
  Keyword keyword;
  const char* arguments;  // one letter per argument: N a number, S a string
  ValueKind result;       // Number or String
  BuiltinRoutine routine;
};

// The row of keyword whose arguments are exactly these letters; -1 if none.
int32_t FindBuiltin(Keyword keyword, std::string_view arguments);
// Whether some row of keyword starts with these argument letters and takes
// at least one more.
bool BuiltinTakesMore(Keyword keyword, std::string_view arguments);
// The letter (N or S) that rows of keyword starting with these arguments
// take next, where letter fits one of them; otherwise the first such row's.
char BuiltinNextKind(Keyword keyword, std::string_view arguments, char letter);
const Builtin& BuiltinAt(int32_t index);
// How many numbers and strings a row takes off the stacks.
int32_t BuiltinNumbers(const Builtin& builtin);
int32_t BuiltinTexts(const Builtin& builtin);

// The routines, by the file that holds them.
// number_functions.cpp
const char* FnInt(BuiltinCall& call);
const char* FnRnd(BuiltinCall& call);
const char* FnAbs(BuiltinCall& call);
const char* FnSgn(BuiltinCall& call);
const char* FnSqr(BuiltinCall& call);
const char* FnExp(BuiltinCall& call);
const char* FnLog(BuiltinCall& call);
const char* FnSin(BuiltinCall& call);
const char* FnCos(BuiltinCall& call);
const char* FnTan(BuiltinCall& call);
const char* FnAtn(BuiltinCall& call);
const char* FnFix(BuiltinCall& call);
const char* FnCint(BuiltinCall& call);
const char* FnClng(BuiltinCall& call);
const char* FnIdentity(BuiltinCall& call);
// string_functions.cpp
const char* FnLen(BuiltinCall& call);
const char* FnAsc(BuiltinCall& call);
const char* FnVal(BuiltinCall& call);
const char* FnChr(BuiltinCall& call);
const char* FnStr(BuiltinCall& call);
const char* FnSpace(BuiltinCall& call);
const char* FnLeft(BuiltinCall& call);
const char* FnRight(BuiltinCall& call);
const char* FnMid(BuiltinCall& call);
const char* FnMidToEnd(BuiltinCall& call);
const char* FnInstr(BuiltinCall& call);
const char* FnInstrFrom(BuiltinCall& call);
const char* FnStringOfCode(BuiltinCall& call);
const char* FnStringOfText(BuiltinCall& call);
// text_functions.cpp
const char* FnHex(BuiltinCall& call);
const char* FnOct(BuiltinCall& call);
const char* FnUcase(BuiltinCall& call);
const char* FnLcase(BuiltinCall& call);
const char* FnLtrim(BuiltinCall& call);
const char* FnRtrim(BuiltinCall& call);
// clock.cpp
// The clock the three read: the system's local time, unless a test has put
// a fixed moment in its place.
extern void (*BuiltinClock)(SysTime* now);
const char* FnTimer(BuiltinCall& call);
const char* FnTime(BuiltinCall& call);
const char* FnDate(BuiltinCall& call);
// keyboard.cpp
const char* FnInkey(BuiltinCall& call);
const char* FnInputChars(BuiltinCall& call);
// text_screen.cpp
const char* FnPos(BuiltinCall& call);
const char* FnCsrlin(BuiltinCall& call);
