// Numbers as bytes, as records and files keep them: MKI$, MKL$, MKS$, MKD$
// and their inverses CVI, CVL, CVS, CVD (the IEEE forms of QBasic), and
// MKSMBF$, MKDMBF$, CVSMBF, CVDMBF (the Microsoft Binary Format of the
// files GW-BASIC and the first QuickBASICs wrote). Pure functions: bytes in
// a std::string, values in a double, failures as the classic run errors.
//
// The forms, every byte order little-endian:
//   MKI$  2 bytes  a 16-bit two's complement integer
//   MKL$  4 bytes  a 32-bit two's complement integer
//   MKS$  4 bytes  an IEEE 754 single (float)
//   MKD$  8 bytes  an IEEE 754 double
//   MKSMBF$  4 bytes  MBF single: 23 mantissa bits, then the sign in the
//            top bit of byte 2, then the exponent byte (bias 128, the
//            mantissa read as 0.1mmm...); exponent 0 is zero
//   MKDMBF$  8 bytes  MBF double: the same with 55 mantissa bits, the sign
//            in the top bit of byte 6, the exponent in byte 7
// Both MBF forms hold magnitudes from 2^-128 to just below 2^127.
#pragma once

#include <string>
#include <string_view>

#include "basic/code/value_kind.h"
#include "basic/executor/run_errors.h"

// MKI$ and MKL$: the value rounded as a store into INTEGER or LONG rounds
// it (ties to even); Overflow outside -32768 ... 32767 or -2147483648 ...
// 2147483647. MKS$: rounded to the nearest float; Overflow beyond the
// float range. MKD$: the double itself. Infinities and NaN are an Overflow
// in each. On an error *bytes is left alone.
RunError Mki(double value, std::string* bytes);
RunError Mkl(double value, std::string* bytes);
RunError Mks(double value, std::string* bytes);
RunError Mkd(double value, std::string* bytes);

// MKSMBF$: the value rounded to a float first (MKSMBF$ takes a SINGLE), then
// written exactly (an MBF single has the float's 24 bits). MKDMBF$: the
// double written exactly (53 of the 56 bits). Overflow when the magnitude
// is 2^127 or more (about 1.701412E+38, so 3.402823E+38 does not fit) and
// for infinities and NaN; a magnitude below 2^-128 (about 2.938736E-39)
// becomes MBF zero, as GW-BASIC's underflow gave 0. -0 is MBF zero.
RunError MksMbf(double value, std::string* bytes);
RunError MkdMbf(double value, std::string* bytes);

// CVI, CVL, CVS, CVD, CVSMBF, CVDMBF: the value of the first 2, 4 or 8
// bytes; Illegal function call when there are fewer. CVS and CVD give an
// Overflow for the bytes of an infinity or NaN, which no classic BASIC
// holds; denormals are read as they are. CVSMBF gives a SINGLE: the MBF
// value rounded to the nearest float, which changes only magnitudes below
// 2^-126 (a float denormal there, never 0). CVDMBF gives the MBF value
// rounded to the nearest double, ties to even (an MBF double has 3 bits
// more), except that the few just below 2^127 that would round up to it
// give the largest double below it, so that MKDMBF$ can write every value
// CVDMBF gives. An MBF exponent byte 0 is zero whatever the other bytes
// hold. On an error *value is left alone.
RunError Cvi(std::string_view bytes, double* value);
RunError Cvl(std::string_view bytes, double* value);
RunError Cvs(std::string_view bytes, double* value);
RunError Cvd(std::string_view bytes, double* value);
RunError CvsMbf(std::string_view bytes, double* value);
RunError CvdMbf(std::string_view bytes, double* value);
