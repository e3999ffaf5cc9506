// The numeric library: INT, RND and its generator, the conversions, and the
// power operator with its own exponential and logarithm.
//
// Every routine works in IEEE 754 double precision with each intermediate
// result rounded to a double (no fused multiply-add, no wider format), so
// the same argument gives the same bits on every build, with one exception
// that lies in the platform, not in the routines: the 32-bit x86 calling
// convention returns a double on the x87 stack, and loading a signalling NaN
// there quiets it, so on the 32-bit build a routine that passes a
// signalling NaN through hands it back quiet. None reports an
// error and none keeps state, except RandSeed. Only the main thread draws
// random numbers; everything else is reentrant.
#pragma once

#include <cstdint>

// The random generator's whole state; the string heap's start-up sets it to 1
// and only RandNext advances it.
extern uint32_t RandSeed;

// INT: the largest integer not above x, as a signed 32-bit integer.
// Outside the 32-bit range and for NaN it returns normally: 2147483647 for
// negative arguments and NaN, -2147483648 for positive ones.
int32_t NumInt(double x);

// Every conversion of a double to an integer other than NumInt rounds to
// nearest, ties to even. Out-of-range arguments and NaN give
// -2147483648, the integer indefinite value of the x86 conversion.
int32_t NumToInt32(double x);

// One step of the 15-bit generator: 0 ... 32767.
int32_t RandNext();
// RND: the product of two generator outputs modulo 100000, over 100000;
// 0 ... 0.99999, never 1.
double NumRnd();

double Int64ToDouble(int64_t v);
double NumIdentity(double x);

// The power operator and the routines beneath it; their results are those of
// the runtime's own operation sequences, not of the platform's libm, bit for
// bit on every build. Every one returns quickly for every argument.
//
// x ^ y: a whole y within +-2147483647 gives NumPowInt; otherwise a base
// x > 0 gives NumExp(y * NumLog(x)) and any other base 0 (so 0 ^ -0.5 = 0,
// (-1) ^ 2147483648 = 0). A NaN argument gives NaN, except x ^ 0 = 1.
double NumPow(double x, double y);
// x^n by binary powering, lowest bit first; n < 0 inverts the finished power
// (0 ^ -1 = +inf, 2 ^ -1074 = 0 as 2^1074 overflows first).
double NumPowInt(double x, int32_t n);
// e^x: at most a few ulp from the exact value on [0, 5]; up to about 2400
// ulp for x < 0 and about 700 ulp towards the overflow. +inf from about
// 709.436 on, 0 below about -745, also far outside (abs(x) > 1.4885e9).
double NumExp(double x);
// ln x within 2 ulp for every positive double, subnormals included; 0 for
// x <= 0, +inf for +inf, NaN for NaN.
double NumLog(double x);
// v * 2^n by repeated squaring of a factor: for n >= 1024 the factor
// overflows, so the result is +-inf for every v != 0 (NaN for 0); for
// n <= -2048 it is 0; a subnormal result may be rounded more than once.
double NumScale2(double v, int32_t n);
// v = f * 2^e with 0.5 <= abs(f) < 1, f with the sign of v; 0 with e = 0
// for v = 0; infinities and NaN come back whole with e = 0.
double NumSplit2(double v, int32_t& e);
// abs(x); -0.0 stays -0.0.
double NumAbs(double x);
