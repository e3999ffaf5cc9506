// The numeric built-ins: the runtime's INT, RND, EXP and LOG, the C
// library's square root and trigonometry, ABS and SGN, and the conversions
// FIX, CINT, CLNG, CSNG and CDBL.
#include <cmath>

#include "basic/builtins/builtins.h"
#include "basic/variables/variables.h"
#include "runtime/numeric/numeric.h"

namespace {

RunFault Result(BuiltinCall& call, double value) {
  call.number = value;
  return {};
}

}  // namespace

RunFault FnInt(BuiltinCall& call) { return Result(call, NumInt(call.numbers[0])); }
RunFault FnRnd(BuiltinCall& call) { return Result(call, NumRnd()); }
RunFault FnAbs(BuiltinCall& call) { return Result(call, NumAbs(call.numbers[0])); }
RunFault FnSqr(BuiltinCall& call) { return Result(call, std::sqrt(call.numbers[0])); }
RunFault FnExp(BuiltinCall& call) { return Result(call, NumExp(call.numbers[0])); }
RunFault FnLog(BuiltinCall& call) { return Result(call, NumLog(call.numbers[0])); }
RunFault FnSin(BuiltinCall& call) { return Result(call, std::sin(call.numbers[0])); }
RunFault FnCos(BuiltinCall& call) { return Result(call, std::cos(call.numbers[0])); }
RunFault FnTan(BuiltinCall& call) { return Result(call, std::tan(call.numbers[0])); }
RunFault FnAtn(BuiltinCall& call) { return Result(call, std::atan(call.numbers[0])); }

RunFault FnSgn(BuiltinCall& call) {
  const double x = call.numbers[0];
  return Result(call, x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0);
}

// Toward zero, with no limit of 32 bits. Adding 0 turns the -0 of
// FIX(-0.5) into the 0 a program expects to print.
RunFault FnFix(BuiltinCall& call) { return Result(call, std::trunc(call.numbers[0]) + 0.0); }

// What a % variable would hold, and what a 32-bit conversion gives.
RunFault FnCint(BuiltinCall& call) { return Result(call, Integer16(call.numbers[0])); }
RunFault FnClng(BuiltinCall& call) { return Result(call, NumToInt32(call.numbers[0])); }

// Every number is a double, so CSNG and CDBL have nothing to convert.
RunFault FnIdentity(BuiltinCall& call) { return Result(call, call.numbers[0]); }
