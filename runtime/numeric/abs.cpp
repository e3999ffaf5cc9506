// NumAbs: the absolute value.
//
// Method: x * -1 for x < 0, otherwise x itself.
// Special cases: -0.0 is not below zero and is returned as -0.0; NaN is
// returned unchanged.
// Accuracy: exact.
#include "runtime/numeric/numeric.h"

double NumAbs(double x) { return x < 0.0 ? x * -1.0 : x; }
