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

// A result past the doubles' range is Overflow: EXP(1000).
RunFault FiniteResult(BuiltinCall& call, double value) {
  if (!std::isfinite(value)) return RunFault{RunError::Overflow};
  return Result(call, value);
}

// A result kept to a kind, or Overflow: CINT(40000).
RunFault KeptResult(BuiltinCall& call, bool (*keep)(double, double*)) {
  if (!keep(call.numbers[0], &call.number)) return RunFault{RunError::Overflow};
  return {};
}

// INT works on the value as it is, past 32 bits too: the runtime's floor
// into 32 bits where the value fits them, so that a program that draws
// with INT draws what the compiled scene draws.
double Floor(double x) { return std::fabs(x) < 2147483648.0 ? NumInt(x) : std::floor(x); }

}  // namespace

RunFault FnInt(BuiltinCall& call) { return Result(call, Floor(call.numbers[0])); }
RunFault FnRnd(BuiltinCall& call) { return Result(call, NumRnd()); }
RunFault FnAbs(BuiltinCall& call) { return Result(call, NumAbs(call.numbers[0])); }
RunFault FnExp(BuiltinCall& call) { return FiniteResult(call, NumExp(call.numbers[0])); }

// SQR and LOG of a number outside their domain are Illegal function call;
// the routines themselves are left to give what they give everywhere else.
RunFault FnSqr(BuiltinCall& call) {
  if (call.numbers[0] < 0) return IllegalCall("SQR of a negative number");
  return Result(call, std::sqrt(call.numbers[0]));
}

RunFault FnLog(BuiltinCall& call) {
  if (!(call.numbers[0] > 0)) return IllegalCall("LOG of a number that is not positive");
  return Result(call, NumLog(call.numbers[0]));
}
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

// What a variable of the kind would hold.
RunFault FnCint(BuiltinCall& call) { return KeptResult(call, KeepInteger); }
RunFault FnClng(BuiltinCall& call) { return KeptResult(call, KeepLong); }
RunFault FnCsng(BuiltinCall& call) { return KeptResult(call, KeepSingle); }
RunFault FnCdbl(BuiltinCall& call) { return KeptResult(call, KeepDouble); }
