// The numeric library: INT, RND and its generator, the conversions, and the
// power operator with its own exponential and logarithm.
//
// Every routine works in IEEE 754 double precision with each intermediate
// result rounded to a double (no fused multiply-add, no wider format), so
// the same argument gives the same bits on every build. None reports an
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
// the runtime's own operation sequences, not of the platform's libm.
double NumPow(double x, double y);
double NumPowInt(double x, int32_t n);
double NumExp(double x);
double NumLog(double x);
double NumScale2(double v, int32_t n);
double NumSplit2(double v, int32_t& e);
double NumAbs(double x);
