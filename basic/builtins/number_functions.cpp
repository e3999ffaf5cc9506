// The numeric built-ins: the runtime's INT, RND, EXP and LOG, the C
// library's square root and trigonometry, ABS and SGN, and the conversions
// FIX, CINT, CLNG, CSNG and CDBL.
#include <cmath>

#include "basic/builtins/builtins.h"
#include "basic/variables/variables.h"
#include "runtime/numeric/numeric.h"

namespace {

const char* Result(BuiltinCall& call, double value) {
  call.number = value;
  return nullptr;
}

}  // namespace

const char* FnInt(BuiltinCall& call) { return Result(call, NumInt(call.numbers[0])); }
const char* FnRnd(BuiltinCall& call) { return Result(call, NumRnd()); }
const char* FnAbs(BuiltinCall& call) { return Result(call, NumAbs(call.numbers[0])); }
const char* FnSqr(BuiltinCall& call) { return Result(call, std::sqrt(call.numbers[0])); }
const char* FnExp(BuiltinCall& call) { return Result(call, NumExp(call.numbers[0])); }
const char* FnLog(BuiltinCall& call) { return Result(call, NumLog(call.numbers[0])); }
const char* FnSin(BuiltinCall& call) { return Result(call, std::sin(call.numbers[0])); }
const char* FnCos(BuiltinCall& call) { return Result(call, std::cos(call.numbers[0])); }
const char* FnTan(BuiltinCall& call) { return Result(call, std::tan(call.numbers[0])); }
const char* FnAtn(BuiltinCall& call) { return Result(call, std::atan(call.numbers[0])); }

const char* FnSgn(BuiltinCall& call) {
  const double x = call.numbers[0];
  return Result(call, x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0);
}

// Toward zero, with no limit of 32 bits. Adding 0 turns the -0 of
// FIX(-0.5) into the 0 a program expects to print.
const char* FnFix(BuiltinCall& call) { return Result(call, std::trunc(call.numbers[0]) + 0.0); }

// What a % variable would hold, and what a 32-bit conversion gives.
const char* FnCint(BuiltinCall& call) { return Result(call, Integer16(call.numbers[0])); }
const char* FnClng(BuiltinCall& call) { return Result(call, NumToInt32(call.numbers[0])); }

// Every number is a double, so CSNG and CDBL have nothing to convert.
const char* FnIdentity(BuiltinCall& call) { return Result(call, call.numbers[0]); }
