// Numbers as bytes: MKI$ ... MKD$, CVI ... CVD, and the Microsoft Binary
// Format pair MKSMBF$/MKDMBF$, CVSMBF/CVDMBF.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "basic/builtins/binary_numbers.h"
#include "tests/support/hex_bytes.h"

namespace {

float FloatOfBits(uint32_t bits) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

double DoubleOfBits(uint64_t bits) {
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

using Make = RunError (*)(double, std::string*);
using Convert = RunError (*)(std::string_view, double*);
const double kInf = std::numeric_limits<double>::infinity();

TEST(BasicBinaryNumbers, MakesTheBytesOfEachForm) {
  const struct {
    Make make;
    double value;
    const char* bytes;  // "" for an error
    RunError error;
    const char* why;
  } cases[] = {
      {Mki, 1, "01 00", RunError::None, "little-endian"},
      {Mki, -1, "FF FF", RunError::None, "two's complement"},
      {Mki, 32767, "FF 7F", RunError::None, "the largest INTEGER"},
      {Mki, -32768, "00 80", RunError::None, "the smallest"},
      {Mki, 2.5, "02 00", RunError::None, "rounded as a store: ties to even"},
      {Mki, 3.5, "04 00", RunError::None, "ties to even, up"},
      {Mki, -32768.5, "00 80", RunError::None, "ties to the even -32768"},
      {Mki, 32767.5, "", RunError::Overflow, "rounds to 32768"},
      {Mki, 40000, "", RunError::Overflow, "out of range"},
      {Mki, kInf, "", RunError::Overflow, "infinity"},
      {Mkl, 70000, "70 11 01 00", RunError::None, "four bytes"},
      {Mkl, -2, "FE FF FF FF", RunError::None, "two's complement"},
      {Mkl, 2147483647, "FF FF FF 7F", RunError::None, "the largest LONG"},
      {Mkl, -2147483648.0, "00 00 00 80", RunError::None, "the smallest"},
      {Mkl, 2147483647.5, "", RunError::Overflow, "rounds to 2^31"},
      {Mks, 1, "00 00 80 3F", RunError::None, "IEEE single 1"},
      {Mks, -2, "00 00 00 C0", RunError::None, "sign bit"},
      {Mks, 0.1, "CD CC CC 3D", RunError::None, "rounded to the nearest float"},
      {Mks, 16777217, "00 00 80 4B", RunError::None, "ties to even: 2^24"},
      {Mks, FLT_MAX, "FF FF 7F 7F", RunError::None, "the largest float"},
      {Mks, 1e-45, "01 00 00 00", RunError::None, "a denormal"},
      {Mks, -0.0, "00 00 00 80", RunError::None, "negative zero keeps its bit"},
      {Mks, 1e39, "", RunError::Overflow, "beyond the float range"},
      {Mkd, 1, "00 00 00 00 00 00 F0 3F", RunError::None, "IEEE double 1"},
      {Mkd, 0.1, "9A 99 99 99 99 99 B9 3F", RunError::None, "the double 0.1, unrounded"},
      {Mkd, DBL_MAX, "FF FF FF FF FF FF EF 7F", RunError::None, "the largest double"},
      {Mkd, -kInf, "", RunError::Overflow, "infinity"},
      {Mkd, std::numeric_limits<double>::quiet_NaN(), "", RunError::Overflow, "NaN"},
      {MksMbf, 1, "00 00 00 81", RunError::None, "MBF 1: 0.1b * 2^1, exponent 128 + 1"},
      {MksMbf, -1, "00 00 80 81", RunError::None, "the sign in the top bit of byte 2"},
      {MksMbf, 0.5, "00 00 00 80", RunError::None, "0.1b * 2^0"},
      {MksMbf, 3, "00 00 40 82", RunError::None, "0.11b * 2^2"},
      {MksMbf, 10, "00 00 20 84", RunError::None, "ten, as GW-BASIC keeps it"},
      {MksMbf, 3.14159265358979, "DB 0F 49 82", RunError::None, "pi rounded to a float first"},
      {MksMbf, 0, "00 00 00 00", RunError::None, "zero: exponent 0"},
      {MksMbf, -0.0, "00 00 00 00", RunError::None, "negative zero is MBF zero"},
      {MksMbf, 0x1.fffffep126, "FF FF 7F FF", RunError::None, "the largest MBF single"},
      {MksMbf, 0x1p127, "", RunError::Overflow, "2^127 needs exponent 256"},
      {MksMbf, FLT_MAX, "", RunError::Overflow, "so the largest floats do not fit"},
      {MksMbf, 1e39, "", RunError::Overflow, "nor what no float holds"},
      {MksMbf, 0x1p-128, "00 00 00 01", RunError::None, "the smallest MBF: a float denormal, exactly"},
      {MksMbf, 0x1.8p-127, "00 00 40 02", RunError::None, "float denormals from 2^-128 up are exact"},
      {MksMbf, 0x1p-129, "00 00 00 00", RunError::None, "below 2^-128: zero, as GW-BASIC's underflow"},
      {MkdMbf, 1, "00 00 00 00 00 00 00 81", RunError::None, "MBF double 1"},
      {MkdMbf, -10, "00 00 00 00 00 00 A0 84", RunError::None, "the sign in the top bit of byte 6"},
      {MkdMbf, 0.1, "D0 CC CC CC CC CC 4C 7D", RunError::None, "the double 0.1, exactly: 53 bits and 3 zeros"},
      {MkdMbf, 0x1.fffffffffffffp126, "F8 FF FF FF FF FF 7F FF", RunError::None, "the largest double below 2^127"},
      {MkdMbf, 0x1p127, "", RunError::Overflow, "2^127"},
      {MkdMbf, DBL_MAX, "", RunError::Overflow, "far beyond"},
      {MkdMbf, 0x1p-128, "00 00 00 00 00 00 00 01", RunError::None, "the smallest MBF double"},
      {MkdMbf, 0x1.fffffffffffffp-129, "00 00 00 00 00 00 00 00", RunError::None, "just below it: zero"},
      {MkdMbf, 5e-324, "00 00 00 00 00 00 00 00", RunError::None, "a double denormal: zero"},
      {MkdMbf, kInf, "", RunError::Overflow, "infinity"},
  };
  for (const auto& c : cases) {
    std::string bytes = "untouched";
    EXPECT_EQ(c.make(c.value, &bytes), c.error) << c.why;
    EXPECT_EQ(Hex(bytes), c.error == RunError::None ? c.bytes : Hex("untouched")) << c.why;
  }
}

TEST(BasicBinaryNumbers, ConvertsTheFirstBytesOfAString) {
  const struct {
    Convert convert;
    const char* bytes;
    double value;  // when error is None
    RunError error;
    const char* why;
  } cases[] = {
      {Cvi, "FF FF", -1, RunError::None, "two's complement"},
      {Cvi, "00 80", -32768, RunError::None, "the smallest INTEGER"},
      {Cvi, "34 12 99 99", 0x1234, RunError::None, "the first two bytes; the rest is ignored"},
      {Cvi, "01", 0, RunError::IllegalFunctionCall, "one byte is too short"},
      {Cvi, "", 0, RunError::IllegalFunctionCall, "so is none"},
      {Cvl, "FE FF FF FF", -2, RunError::None, "two's complement"},
      {Cvl, "70 11 01 00 55", 70000, RunError::None, "four bytes of five"},
      {Cvl, "FF FF FF", 0, RunError::IllegalFunctionCall, "three bytes"},
      {Cvs, "00 00 80 3F", 1, RunError::None, "IEEE single 1"},
      {Cvs, "CD CC CC 3D", static_cast<float>(0.1), RunError::None, "the float nearest 0.1"},
      {Cvs, "01 00 00 00", FloatOfBits(1), RunError::None, "a denormal, as it is"},
      {Cvs, "00 00 80 7F", 0, RunError::Overflow, "infinity's bytes"},
      {Cvs, "00 00 C0 FF", 0, RunError::Overflow, "NaN's bytes"},
      {Cvs, "00 00 80", 0, RunError::IllegalFunctionCall, "three bytes"},
      {Cvd, "00 00 00 00 00 00 F0 3F", 1, RunError::None, "IEEE double 1"},
      {Cvd, "01 00 00 00 00 00 00 80", -5e-324, RunError::None, "a negative denormal"},
      {Cvd, "00 00 00 00 00 00 F0 7F", 0, RunError::Overflow, "infinity's bytes"},
      {Cvd, "00 00 00 00 00 00 F0", 0, RunError::IllegalFunctionCall, "seven bytes"},
      {CvsMbf, "00 00 00 81", 1, RunError::None, "MBF 1"},
      {CvsMbf, "00 00 80 81", -1, RunError::None, "MBF -1"},
      {CvsMbf, "00 00 20 84", 10, RunError::None, "MBF 10"},
      {CvsMbf, "DB 0F 49 82", static_cast<float>(3.14159265358979), RunError::None, "pi"},
      {CvsMbf, "12 34 56 00", 0, RunError::None, "exponent 0 is zero, whatever the mantissa"},
      {CvsMbf, "00 00 80 00", 0, RunError::None, "a negative zero too"},
      {CvsMbf, "FF FF 7F FF", 0x1.fffffep126, RunError::None, "the largest MBF single: a float"},
      {CvsMbf, "00 00 00 01", 0x1p-128, RunError::None, "the smallest: a float denormal, exactly"},
      {CvsMbf, "01 00 00 01", 0x1p-128, RunError::None, "its last bit is lost in the denormal"},
      {CvsMbf, "03 00 00 01", 0x1p-128 + 0x1p-149, RunError::None, "rounded to the nearest denormal"},
      {CvsMbf, "00 00 81", 0, RunError::IllegalFunctionCall, "three bytes"},
      {CvdMbf, "00 00 00 00 00 00 00 81", 1, RunError::None, "MBF double 1"},
      {CvdMbf, "CD CC CC CC CC CC 4C 7D", 0.1, RunError::None, "GW-BASIC's 0.1#: 56 bits round to the double 0.1"},
      {CvdMbf, "D0 CC CC CC CC CC 4C 7D", 0.1, RunError::None, "what MKDMBF$(0.1) wrote"},
      {CvdMbf, "04 00 00 00 00 00 00 81", 1, RunError::None, "3 dropped bits exactly halfway: ties to even, down"},
      {CvdMbf, "0C 00 00 00 00 00 00 81", 1 + 0x1p-51, RunError::None, "halfway, to even up"},
      {CvdMbf, "FF FF FF FF FF FF 7F FF", 0x1.fffffffffffffp126, RunError::None, "the largest would round up to 2^127, which MBF cannot hold: the double below it"},
      {CvdMbf, "FF FF FF FF FF FF 7F FE", 0x1p126, RunError::None, "one exponent lower it rounds up as any other"},
      {CvdMbf, "00 00 00 00 00 00 00 01", 0x1p-128, RunError::None, "the smallest"},
      {CvdMbf, "FF FF FF FF FF FF FF 00", 0, RunError::None, "exponent 0 is zero"},
      {CvdMbf, "00 00 00 00 00 00 81", 0, RunError::IllegalFunctionCall, "seven bytes"},
  };
  for (const auto& c : cases) {
    double value = 12345;
    EXPECT_EQ(c.convert(Bytes(c.bytes), &value), c.error) << c.why;
    EXPECT_EQ(value, c.error == RunError::None ? c.value : 12345) << c.why;
  }
}

TEST(BasicBinaryNumbers, EveryIntegerRoundTrips) {
  for (int32_t i = -32768; i <= 32767; ++i) {
    std::string bytes;
    double back = 0;
    ASSERT_EQ(Mki(i, &bytes), RunError::None);
    ASSERT_EQ(Cvi(bytes, &back), RunError::None);
    ASSERT_EQ(back, i);
  }
  std::mt19937 random(23);
  for (int i = 0; i < 100000; ++i) {
    const double value = static_cast<int32_t>(random());
    std::string bytes;
    double back = 0;
    ASSERT_EQ(Mkl(value, &bytes), RunError::None);
    ASSERT_EQ(Cvl(bytes, &back), RunError::None);
    ASSERT_EQ(back, value);
  }
}

TEST(BasicBinaryNumbers, EveryFiniteFloatAndDoubleRoundTrips) {
  std::mt19937_64 random(29);
  for (int i = 0; i < 200000; ++i) {
    const uint64_t bits = random();
    const float f = FloatOfBits(static_cast<uint32_t>(bits));
    if (std::isfinite(f)) {
      std::string bytes;
      double back = 0;
      ASSERT_EQ(Mks(f, &bytes), RunError::None);
      ASSERT_EQ(Cvs(bytes, &back), RunError::None);
      ASSERT_TRUE(back == f && std::signbit(back) == std::signbit(f)) << std::hexfloat << f;
    }
    const double d = DoubleOfBits(bits);
    if (std::isfinite(d)) {
      std::string bytes;
      double back = 0;
      ASSERT_EQ(Mkd(d, &bytes), RunError::None);
      ASSERT_EQ(Cvd(bytes, &back), RunError::None);
      ASSERT_EQ(std::memcmp(&back, &d, sizeof d), 0) << std::hexfloat << d;
    }
  }
}

TEST(BasicBinaryNumbers, EveryValueMbfHoldsRoundTrips) {
  std::mt19937_64 random(31);
  int singles = 0;
  int doubles = 0;
  for (int i = 0; i < 200000; ++i) {
    const uint64_t bits = random();
    // Floats and doubles from 2^-128 to just below 2^127, of either sign.
    const float f = FloatOfBits(static_cast<uint32_t>(bits));
    if (std::fabs(f) >= 0x1p-128f && std::fabs(f) < 0x1p127f) {
      ++singles;
      std::string bytes;
      double back = 0;
      ASSERT_EQ(MksMbf(f, &bytes), RunError::None) << std::hexfloat << f;
      ASSERT_EQ(CvsMbf(bytes, &back), RunError::None);
      ASSERT_EQ(back, f) << std::hexfloat << f;
    }
    const double d = DoubleOfBits((bits & 0x800FFFFFFFFFFFFF) | ((0x380 + (bits >> 52) % 0xFF) << 52));
    if (std::fabs(d) >= 0x1p-128 && std::fabs(d) < 0x1p127) {
      ++doubles;
      std::string bytes;
      double back = 0;
      ASSERT_EQ(MkdMbf(d, &bytes), RunError::None) << std::hexfloat << d;
      ASSERT_EQ(CvdMbf(bytes, &back), RunError::None);
      ASSERT_EQ(back, d) << std::hexfloat << d;
    }
  }
  EXPECT_GT(singles, 50000);
  EXPECT_GT(doubles, 50000);
}

TEST(BasicBinaryNumbers, EveryMbfNumberAFloatHoldsReadsBackToItsBytes) {
  std::mt19937 random(37);
  for (int i = 0; i < 200000; ++i) {
    // MBF singles with exponents 3 ... 255 are normal floats; MBF doubles
    // whose last 3 mantissa bits are 0 are doubles.
    std::string single(4, '\0');
    for (char& c : single) c = static_cast<char>(random());
    single[3] = static_cast<char>(3 + random() % 253);
    double value = 0;
    std::string back;
    ASSERT_EQ(CvsMbf(single, &value), RunError::None);
    ASSERT_EQ(MksMbf(value, &back), RunError::None);
    ASSERT_EQ(Hex(back), Hex(single));

    std::string wide(8, '\0');
    for (char& c : wide) c = static_cast<char>(random());
    wide[0] = static_cast<char>(wide[0] & 0xF8);
    wide[7] = static_cast<char>(1 + random() % 255);
    ASSERT_EQ(CvdMbf(wide, &value), RunError::None);
    ASSERT_EQ(MkdMbf(value, &back), RunError::None);
    ASSERT_EQ(Hex(back), Hex(wide));
  }
}

}  // namespace
