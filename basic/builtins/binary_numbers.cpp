// Method: the IEEE forms copy the bits of an int16_t, int32_t, float or
// double byte by byte, low byte first. The MBF forms take the value apart
// into a whole mantissa with its leading 1 at a fixed bit and a power of
// two, and put it together again in the other layout, rounding only where
// the target has fewer bits (CVDMBF, and CVSMBF into a float denormal).
#include "basic/builtins/binary_numbers.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "basic/text/number_text.h"

namespace {

std::string LittleEndian(uint64_t bits, int size) {
  std::string bytes(static_cast<std::size_t>(size), '\0');
  for (int i = 0; i < size; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>(bits >> (8 * i) & 0xFF);
  return bytes;
}

uint64_t FromLittleEndian(std::string_view bytes, int size) {
  uint64_t bits = 0;
  for (int i = size - 1; i >= 0; --i) bits = bits << 8 | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
  return bits;
}

uint64_t BitsOf(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

double DoubleOf(uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

RunError Integral(double value, ValueKind type, int size, std::string* bytes) {
  double whole;
  if (!KeepNumber(type, value, &whole)) return RunError::Overflow;
  *bytes = LittleEndian(static_cast<uint64_t>(static_cast<int64_t>(whole)), size);
  return RunError::None;
}

// A double with the magnitude mantissa * 2^(power - 52), mantissa in
// [2^52, 2^53), built from its bits; the result must be a normal double.
double Compose(bool negative, uint64_t mantissa, int power) {
  const uint64_t biased = static_cast<uint64_t>(power + 1023);
  return DoubleOf((negative ? uint64_t{1} << 63 : 0) | biased << 52 | (mantissa & ((uint64_t{1} << 52) - 1)));
}

// The MBF form of a finite double: the mantissa widened to `bits` bits
// (24 or 56) with its leading 1 at the top, the exponent byte, the sign.
RunError ToMbf(double value, int bits, int size, std::string* bytes) {
  const uint64_t ieee = BitsOf(value);
  const bool negative = ieee >> 63 != 0;
  const int biased = static_cast<int>(ieee >> 52 & 0x7FF);
  if (value == 0 || biased == 0) {  // zero, or a double denormal: far below 2^-128
    *bytes = std::string(static_cast<std::size_t>(size), '\0');
    return RunError::None;
  }
  // value = 1.f * 2^(biased - 1023) = 0.1f * 2^(biased - 1022): the MBF
  // exponent byte is biased - 1022 + 128.
  const int exponent = biased - 1022 + 128;
  if (exponent > 255) return RunError::Overflow;
  if (exponent < 1) {
    *bytes = std::string(static_cast<std::size_t>(size), '\0');
    return RunError::None;
  }
  const uint64_t mantissa53 = (ieee & ((uint64_t{1} << 52) - 1)) | uint64_t{1} << 52;
  // A float has 24 bits, so a rounded SINGLE loses nothing in 24; a double
  // gains 3 zero bits in 56.
  const uint64_t mantissa = bits == 24 ? mantissa53 >> 29 : mantissa53 << 3;
  const uint64_t sign_bit = uint64_t{1} << (bits - 1);
  const uint64_t stored = (mantissa & (sign_bit - 1)) | (negative ? sign_bit : 0);
  *bytes = LittleEndian(stored | static_cast<uint64_t>(exponent) << bits, size);
  return RunError::None;
}

// The value of an MBF number of `bits` mantissa bits (24 or 56), rounded
// to the nearest double, ties to even.
double FromMbf(std::string_view bytes, int bits, int size) {
  const uint64_t stored = FromLittleEndian(bytes, size);
  const int exponent = static_cast<int>(stored >> bits & 0xFF);
  if (exponent == 0) return 0;
  const uint64_t sign_bit = uint64_t{1} << (bits - 1);
  const bool negative = (stored & sign_bit) != 0;
  uint64_t mantissa = (stored & (sign_bit - 1)) | sign_bit;  // 0.1mmm... * 2^(exponent - 128)
  int power = exponent - 129;                                // as 1.mmm... * 2^power
  if (bits == 24) {
    mantissa <<= 29;
  } else {
    const uint64_t dropped = mantissa & 7;
    mantissa >>= 3;
    if (dropped > 4 || (dropped == 4 && (mantissa & 1) != 0)) ++mantissa;
    if (mantissa == uint64_t{1} << 53) {
      if (power == 126) return Compose(negative, mantissa - 1, power);  // not 2^127, which MKDMBF$ cannot write
      mantissa >>= 1;
      ++power;
    }
  }
  return Compose(negative, mantissa, power);
}

bool Short(std::string_view bytes, std::size_t size) { return bytes.size() < size; }

}  // namespace

RunError Mki(double value, std::string* bytes) { return Integral(value, ValueKind::Integer, 2, bytes); }

RunError Mkl(double value, std::string* bytes) { return Integral(value, ValueKind::Long, 4, bytes); }

RunError Mks(double value, std::string* bytes) {
  double single;
  if (!KeepSingle(value, &single)) return RunError::Overflow;
  const float f = static_cast<float>(single);
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  *bytes = LittleEndian(bits, 4);
  return RunError::None;
}

RunError Mkd(double value, std::string* bytes) {
  if (!std::isfinite(value)) return RunError::Overflow;
  *bytes = LittleEndian(BitsOf(value), 8);
  return RunError::None;
}

RunError MksMbf(double value, std::string* bytes) {
  double single;
  if (!KeepSingle(value, &single)) return RunError::Overflow;
  return ToMbf(single, 24, 4, bytes);
}

RunError MkdMbf(double value, std::string* bytes) {
  if (!std::isfinite(value)) return RunError::Overflow;
  return ToMbf(value, 56, 8, bytes);
}

RunError Cvi(std::string_view bytes, double* value) {
  if (Short(bytes, 2)) return RunError::IllegalFunctionCall;
  *value = static_cast<int16_t>(FromLittleEndian(bytes, 2));
  return RunError::None;
}

RunError Cvl(std::string_view bytes, double* value) {
  if (Short(bytes, 4)) return RunError::IllegalFunctionCall;
  *value = static_cast<int32_t>(FromLittleEndian(bytes, 4));
  return RunError::None;
}

RunError Cvs(std::string_view bytes, double* value) {
  if (Short(bytes, 4)) return RunError::IllegalFunctionCall;
  const uint32_t bits = static_cast<uint32_t>(FromLittleEndian(bytes, 4));
  float f;
  std::memcpy(&f, &bits, sizeof f);
  if (!std::isfinite(f)) return RunError::Overflow;
  *value = f;
  return RunError::None;
}

RunError Cvd(std::string_view bytes, double* value) {
  if (Short(bytes, 8)) return RunError::IllegalFunctionCall;
  const double d = DoubleOf(FromLittleEndian(bytes, 8));
  if (!std::isfinite(d)) return RunError::Overflow;
  *value = d;
  return RunError::None;
}

RunError CvsMbf(std::string_view bytes, double* value) {
  if (Short(bytes, 4)) return RunError::IllegalFunctionCall;
  *value = static_cast<float>(FromMbf(bytes, 24, 4));  // a float denormal below 2^-126
  return RunError::None;
}

RunError CvdMbf(std::string_view bytes, double* value) {
  if (Short(bytes, 8)) return RunError::IllegalFunctionCall;
  *value = FromMbf(bytes, 56, 8);
  return RunError::None;
}
