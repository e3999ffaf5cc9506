// The numeric library's rules carried out step by step, as the runtime
// states them, without the constant-time shortcuts of the product: the
// exponent search of NumSplit2 one pass per unit, NumScale2's squaring loop
// for every n, and NumLog and NumExp on top of those two. Tests compare the
// fast routines with these bit for bit; the benchmark times the search.
// Each is meant for arguments inside the runtime's domains only.
#pragma once

#include <cstdint>

double StepwiseSplit2(double v, int32_t& e);
double StepwiseScale2(double v, int32_t n);
double StepwiseLog(double x);
double StepwiseExp(double x);
