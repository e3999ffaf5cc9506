// Numbers as the classic BASICs print and read them: FormatClassic and its
// PRINT and STR$ forms, a store's rounding (KeepNumber), ReadClassicNumber (VAL) and
// ReadInputNumber (INPUT's fields).
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <limits>
#include <cstdlib>
#include <random>
#include <string>

#include "basic/text/number_text.h"

namespace {

constexpr ValueKind kInteger = ValueKind::Integer;
constexpr ValueKind kLong = ValueKind::Long;
constexpr ValueKind kSingle = ValueKind::Single;
constexpr ValueKind kDouble = ValueKind::Double;
const double kInf = std::numeric_limits<double>::infinity();

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

TEST(BasicClassicNumbers, FormatsSinglesAsQBasicPrintsThem) {
  const struct {
    double value;
    const char* text;
    const char* why;
  } cases[] = {
      {0, "0", "zero"},
      {-0.0, "0", "negative zero is zero: the classic BASICs had none"},
      {1, "1", "no point without a fraction"},
      {-1, "-1", "the minus is the text's; PRINT adds no space before it"},
      {0.5, ".5", "no 0 before the point"},
      {-0.25, "-.25", "nor after the minus"},
      {2.5, "2.5", "a fraction"},
      {100, "100", "trailing zeros of a whole number stay"},
      {0.1, ".1", "0.1 as a float is 0.100000001490116: 7 digits give .1000000, zeros dropped"},
      {1.0 / 3, ".3333333", "1/3 to 7 digits"},
      {2.0 / 3, ".6666667", "2/3 rounds its 7th digit up"},
      {1000000, "1000000", "7 digits before the point: fixed"},
      {9999999, "9999999", "the largest whole number of 7 digits"},
      {1e7, "1E+07", "8 digits before the point: floating, no point with one digit"},
      {10000001, "1E+07", "a float holds 10000001 but 7 digits round it to 1E+07"},
      {16777216, "1.677722E+07", "2^24"},
      {16777217, "1.677722E+07", "rounded to the float 16777216 first"},
      {12345678, "1.234568E+07", "8 digits: floating"},
      {123456.7, "123456.7", "7 significant digits with a fraction: fixed"},
      {1234567.8, "1234568", "the float 1234567.75 to 7 digits: the fraction is gone"},
      {1234.5678, "1234.568", "rounds to 7 significant digits"},
      {1.1e-6, ".0000011", "QBasic's help: 7 digits after the point, fixed"},
      {1.1e-7, "1.1E-07", "QBasic's help: 8 digits after the point, floating"},
      {1e-7, ".0000001", "7 digits after the point, leading zeros counted: fixed"},
      {0.0123, ".0123", "4 digits after the point"},
      {0.01234567, "1.234567E-02", "8 digits after the point would be needed"},
      {1.0 / 30, "3.333334E-02", "the float nearest 1/30 is 0.0333333351"},
      {1e10, "1E+10", "a power of ten"},
      {1e20, "1E+20", "exponents keep two digits"},
      {1.23456789e20, "1.234568E+20", "7 digits in floating point"},
      {-1.5e10, "-1.5E+10", "negative floating point"},
      {1e-10, "1E-10", "a negative exponent"},
      {1024.0625, "1024.063", "the float is exactly halfway: rounds away from zero, not to even"},
      {-1024.0625, "-1024.063", "and so for a negative number"},
      {16777215, "1.677722E+07", "exactly halfway at 7 digits, rounded up"},
      {9999999.4, "9999999", "the float nearest is 9999999"},
      {9999999.5, "1E+07", "the float nearest is 10000000"},
      {8388606.5, "8388607", "a float halfway between 7-digit numbers: up, where ties to even would keep 6"},
      {0x1.039d66p-103, "1E-31", "the float 9.999999797E-32: rounding carries into a new digit"},
      {0.15, ".15", "the float 0.150000006 to 7 digits"},
      {FLT_MAX, "3.402823E+38", "the largest float"},
      {-FLT_MAX, "-3.402823E+38", "and the most negative"},
      {FLT_MIN, "1.175494E-38", "the smallest normal float"},
      {FloatOfBits(1), "1.401298E-45", "the smallest denormal float"},
      {FloatOfBits(0x007FFFFF), "1.175494E-38", "the largest denormal"},
      {1e-46, "0", "below half the smallest denormal the float is 0"},
      {3.0e38, "3E+38", "a large single"},
      {32767, "32767", "integers print alike in every type"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatClassic(c.value, kSingle), c.text) << c.why;
}

TEST(BasicClassicNumbers, FormatsDoublesWithSixteenDigits) {
  const struct {
    double value;
    const char* text;
    const char* why;
  } cases[] = {
      {0, "0", "zero"},
      {-0.0, "0", "negative zero"},
      {0.1, ".1", "0.1 to 16 digits is .1000000000000000"},
      {1.0 / 3, ".3333333333333333", "1/3# with 16 digits"},
      {2.0 / 3, ".6666666666666666", "2/3# is 0.66666666666666663: the 17th digit rounds down"},
      {0.1 + 0.2, ".3", "0.30000000000000004 to 16 digits"},
      {static_cast<float>(0.1), ".1000000014901161", "a single widened to a double shows its float's digits"},
      {1.1e-15, ".0000000000000011", "QBasic's help: 16 digits after the point, fixed"},
      {1.1e-16, "1.1D-16", "QBasic's help: 17 digits after the point, floating with D"},
      {1e-16, ".0000000000000001", "16 digits after the point"},
      {1e15, "1000000000000000", "16 digits before the point: fixed"},
      {1e16, "1D+16", "17 digits: floating"},
      {12345678, "12345678", "a double keeps what a single rounds"},
      {16777217, "16777217", "likewise"},
      {1234567890123456789.0, "1.234567890123457D+18", "16 digits in floating point"},
      {123456789.125, "123456789.125", "a fraction within 16 digits"},
      {1e300, "1D+300", "a three-digit exponent"},
      {1e-300, "1D-300", "and a negative one"},
      {1e-20, "1D-20", "its double rounds to 9.999999999999999D-21 with 16 digits; the shortest text reads back"},
      {847823.2081535819, "847823.208153582", "15 digits read back as the same double: the 16th is not shown"},
      {0x1.fffffffffffffp+128, "6.80564733841877D+38",
       "17 digits needed: rounded to 16, it reads back as a double that 15 write, and so prints alike again"},
      {DBL_MAX, "1.797693134862316D+308", "the largest double"},
      {DBL_MIN, "2.225073858507201D-308", "the smallest normal double"},
      {5e-324, "4.940656458412465D-324", "the smallest denormal double"},
      {-2.5e-5, "-.000025", "a negative fraction"},
      {DoubleOfBits(0x4330000000000001), "4503599627370497", "2^52 + 1, 16 digits"},
      {9007199254740993.0, "9007199254740992", "2^53: the literal's +1 is lost in the double"},
      {0.5 + 0x1p-53, ".5000000000000001", "a double just above 0.5, its 16th digit"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatClassic(c.value, kDouble), c.text) << c.why;
}

TEST(BasicClassicNumbers, FormatsIntegersAndLongsAsWholeNumbers) {
  const struct {
    double value;
    ValueKind type;
    const char* text;
    const char* why;
  } cases[] = {
      {0, kInteger, "0", "zero"},
      {-32768, kInteger, "-32768", "the smallest INTEGER"},
      {32767, kInteger, "32767", "the largest"},
      {2147483647, kLong, "2147483647", "the largest LONG, more digits than a SINGLE shows"},
      {-2147483648.0, kLong, "-2147483648", "the smallest LONG"},
      {16777217, kLong, "16777217", "no rounding to a float"},
      {2.5, kInteger, "2", "a fraction is rounded as a store would, ties to even"},
      {3.5, kInteger, "4", "ties to even, upwards"},
      {-0.4, kInteger, "0", "no negative zero"},
      {1e20, kLong, "1D+20", "beyond 2^53 the value is shown as a DOUBLE"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatClassic(c.value, c.type), c.text) << c.why;
}

TEST(BasicClassicNumbers, PrintAndStrPutASpaceWhereTheSignIsNot) {
  EXPECT_EQ(FormatPrintedClassic(3, kSingle), " 3 ");
  EXPECT_EQ(FormatPrintedClassic(-3, kSingle), "-3 ");
  EXPECT_EQ(FormatPrintedClassic(0.5, kSingle), " .5 ");
  EXPECT_EQ(FormatPrintedClassic(-0.0, kSingle), " 0 ");
  EXPECT_EQ(FormatPrintedClassic(1e7, kSingle), " 1E+07 ");
  EXPECT_EQ(FormatPrintedClassic(-1.0 / 3, kDouble), "-.3333333333333333 ");
  EXPECT_EQ(FormatStrClassic(3, kInteger), " 3");
  EXPECT_EQ(FormatStrClassic(-3, kLong), "-3");
  EXPECT_EQ(FormatStrClassic(0.1, kSingle), " .1");
  EXPECT_EQ(FormatStrClassic(1.1e-16, kDouble), " 1.1D-16");
}

TEST(BasicClassicNumbers, InfinityAndNanAreReadableAndNotNumbers) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (ValueKind type : {kInteger, kLong, kSingle, kDouble}) {
    EXPECT_EQ(FormatClassic(kInf, type), "INF");
    EXPECT_EQ(FormatClassic(-kInf, type), "-INF");
    EXPECT_EQ(FormatClassic(nan, type), "NAN");
    EXPECT_EQ(FormatClassic(-nan, type), "NAN");
  }
  EXPECT_EQ(FormatPrintedClassic(kInf, kSingle), " INF ");
  EXPECT_EQ(FormatStrClassic(-kInf, kDouble), "-INF");
  EXPECT_EQ(FormatClassic(1e39, kSingle), "INF") << "a double beyond the float range rounds to infinity";
  EXPECT_EQ(FormatClassic(-1e39, kSingle), "-INF");
  EXPECT_EQ(ReadClassicNumber("INF").used, 0u);
  EXPECT_EQ(ReadClassicNumber("NAN").used, 0u);
}

TEST(BasicClassicNumbers, RoundsAsAStoreIntoTheTypeRounds) {
  const struct {
    double value;
    ValueKind type;
    double rounded;  // when error is None
    RunError error;
    const char* why;
  } cases[] = {
      {2.5, kInteger, 2, RunError::None, "ties to even, down"},
      {3.5, kInteger, 4, RunError::None, "ties to even, up"},
      {-2.5, kInteger, -2, RunError::None, "ties to even, negative"},
      {2.4999, kInteger, 2, RunError::None, "below the half"},
      {-0.4, kInteger, 0, RunError::None, "no negative zero"},
      {32767.4, kInteger, 32767, RunError::None, "rounds into the range"},
      {32767.5, kInteger, 0, RunError::Overflow, "rounds to 32768: out"},
      {-32768.5, kInteger, -32768, RunError::None, "rounds to the even -32768: in"},
      {-32769, kInteger, 0, RunError::Overflow, "below the range"},
      {2147483647.4, kLong, 2147483647, RunError::None, "the largest LONG"},
      {2147483647.5, kLong, 0, RunError::Overflow, "rounds to 2^31: out"},
      {-2147483648.5, kLong, -2147483648.0, RunError::None, "rounds to the even -2^31: in"},
      {1e300, kLong, 0, RunError::Overflow, "far out"},
      {0.1, kSingle, static_cast<float>(0.1), RunError::None, "the nearest float"},
      {16777217, kSingle, 16777216, RunError::None, "ties to even"},
      {FLT_MAX, kSingle, FLT_MAX, RunError::None, "the largest float"},
      {0x1.fffffefffffffp127, kSingle, FLT_MAX, RunError::None, "just below the halfway point past FLT_MAX"},
      {0x1.ffffffp127, kSingle, 0, RunError::Overflow, "halfway past FLT_MAX rounds to infinity"},
      {1e-50, kSingle, 0, RunError::None, "below the denormals: 0, no error"},
      {DBL_MAX, kDouble, DBL_MAX, RunError::None, "a double stays"},
      {kInf, kDouble, 0, RunError::Overflow, "infinity is never stored"},
      {-kInf, kSingle, 0, RunError::Overflow, "in any type"},
      {std::numeric_limits<double>::quiet_NaN(), kInteger, 0, RunError::Overflow, "nor NaN"},
  };
  for (const auto& c : cases) {
    double rounded = 12345;
    EXPECT_EQ(KeepNumber(c.type, c.value, &rounded), c.error == RunError::None) << c.why;
    EXPECT_EQ(rounded, c.error == RunError::None ? c.rounded : 12345) << c.why;
    if (c.type == kInteger || c.type == kLong) {
      EXPECT_FALSE(std::signbit(rounded) && rounded == 0) << c.why;
    }
  }
}

TEST(BasicClassicNumbers, ReadsAsVal) {
  const struct {
    const char* text;
    double value;
    ValueKind type;
    std::size_t used;
    RunError error;
    const char* why;
  } cases[] = {
      {"", 0, kSingle, 0, RunError::None, "nothing gives 0"},
      {"abc", 0, kSingle, 0, RunError::None, "nor does a word"},
      {"12", 12, kSingle, 2, RunError::None, "digits"},
      {"12AB", 12, kSingle, 2, RunError::None, "the number ends at the first byte that cannot continue it"},
      {"  -1.5E2x", -150, kSingle, 8, RunError::None, "blanks, sign, point, exponent"},
      {"1 2 3", 123, kSingle, 5, RunError::None, "blanks inside are skipped"},
      {"\t1\n2 ", 12, kSingle, 4, RunError::None, "tabs and line feeds too; used stops at the last digit"},
      {"- 5", -5, kSingle, 3, RunError::None, "a blank after the sign"},
      {"1\r2", 1, kSingle, 1, RunError::None, "a carriage return is not a blank"},
      {"+7", 7, kSingle, 2, RunError::None, "a plus sign"},
      {"+-7", 0, kSingle, 0, RunError::None, "one sign only"},
      {"--7", 0, kSingle, 0, RunError::None, "one sign only"},
      {"-", 0, kSingle, 0, RunError::None, "a sign alone reads nothing"},
      {".", 0, kSingle, 0, RunError::None, "a point alone reads nothing"},
      {".5", 0.5, kSingle, 2, RunError::None, "no digit before the point"},
      {"5.", 5, kSingle, 2, RunError::None, "none after it"},
      {"1.2.3", 1.2, kSingle, 3, RunError::None, "one point"},
      {"-0", 0, kSingle, 2, RunError::None, "minus zero is zero"},
      {"000012", 12, kSingle, 6, RunError::None, "leading zeros"},
      {"1E3", 1000, kSingle, 3, RunError::None, "an E exponent"},
      {"1e-3", 0.001, kSingle, 4, RunError::None, "lower case, negative exponent"},
      {"1E", 1, kSingle, 2, RunError::None, "the E is taken even without digits"},
      {"1E+", 1, kSingle, 3, RunError::None, "so is its sign"},
      {"1E+-5", 1, kSingle, 3, RunError::None, "one exponent sign"},
      {"E5", 0, kSingle, 0, RunError::None, "an exponent needs a number before it"},
      {"1D2", 100, kDouble, 3, RunError::None, "a D exponent makes a DOUBLE"},
      {"1d", 1, kDouble, 2, RunError::None, "even without digits"},
      {"1234567", 1234567, kSingle, 7, RunError::None, "7 significant digits: SINGLE"},
      {"12345678", 12345678, kDouble, 8, RunError::None, "8: DOUBLE"},
      {"1.00000001", 1.00000001, kDouble, 10, RunError::None, "9 up to the last digit that is not 0"},
      {"100000000", 100000000, kSingle, 9, RunError::None, "trailing zeros are not counted"},
      {"0.0000001234567", 1.234567e-7, kSingle, 15, RunError::None, "leading zeros are not counted"},
      {".1", 0.1, kSingle, 2, RunError::None, "the value is the nearest double, not the float"},
      {"1E38", 1e38, kSingle, 4, RunError::None, "within the float range"},
      {"1E39", 1e39, kDouble, 4, RunError::None, "beyond it: DOUBLE"},
      {"1E-46", 1e-46, kDouble, 5, RunError::None, "below the smallest float: DOUBLE"},
      {"1E-45", 1e-45, kSingle, 5, RunError::None, "a float denormal holds it"},
      {"1E400", DBL_MAX, kDouble, 5, RunError::Overflow, "beyond the double range: Overflow, the largest double"},
      {"-1E400", -DBL_MAX, kDouble, 6, RunError::Overflow, "of its sign"},
      {"1.797693134862316D+308", DBL_MAX, kDouble, 22, RunError::None, "how the largest double prints reads back as it"},
      {"1.7976931348623159D+308", DBL_MAX, kDouble, 23, RunError::None, "as does anything up to that"},
      {"1.7976931348623161D+308", DBL_MAX, kDouble, 23, RunError::Overflow, "above it: Overflow"},
      {"1E-400", 0, kDouble, 6, RunError::None, "far below the double range: 0, no error"},
      {"1E-320", 1e-320, kDouble, 6, RunError::None, "a double denormal"},
      {"0E999999999999", 0, kSingle, 14, RunError::None, "zero with any exponent"},
      {"1E999999999999", DBL_MAX, kDouble, 14, RunError::Overflow, "a huge exponent saturates"},
      {"&HFF", 255, kInteger, 4, RunError::None, "hexadecimal"},
      {"&hff", 255, kInteger, 4, RunError::None, "in lower case"},
      {"&H7FFF", 32767, kInteger, 6, RunError::None, "the largest positive INTEGER"},
      {"&H8000", -32768, kInteger, 6, RunError::None, "16 bits read as a signed INTEGER"},
      {"&HAB34", -21708, kInteger, 6, RunError::None, "negative as in QBasic: 43828 - 65536"},
      {"&HFFFF", -1, kInteger, 6, RunError::None, "all 16 bits: -1"},
      {"&H0FFFF", -1, kInteger, 7, RunError::None, "the value decides, not the digits"},
      {"&H10000", 65536, kLong, 7, RunError::None, "past 16 bits: LONG"},
      {"&H80000000", -2147483648.0, kLong, 10, RunError::None, "32 bits read as a signed LONG"},
      {"&HFFFFFFFF", -1, kLong, 10, RunError::None, "all 32 bits: -1"},
      {"&H100000000", 0, kLong, 11, RunError::Overflow, "past 32 bits: Overflow"},
      {"&HFG", 15, kInteger, 3, RunError::None, "ends at the first byte that is no digit"},
      {"& H 1 0", 16, kInteger, 7, RunError::None, "blanks inside are skipped here too"},
      {"&O17", 15, kInteger, 4, RunError::None, "octal"},
      {"&17", 15, kInteger, 3, RunError::None, "octal without the O"},
      {"&18", 1, kInteger, 2, RunError::None, "8 is no octal digit"},
      {"&O37777777777", -1, kLong, 13, RunError::None, "the largest octal number"},
      {"&O40000000000", 0, kLong, 13, RunError::Overflow, "past 32 bits"},
      {"&H", 0, kSingle, 0, RunError::None, "&H without digits reads nothing"},
      {"&", 0, kSingle, 0, RunError::None, "& alone reads nothing"},
      {"-&H10", 0, kSingle, 0, RunError::None, "no sign before the &-forms"},
      {"1#", 1, kSingle, 1, RunError::None, "type suffixes are not read"},
      {"inf", 0, kSingle, 0, RunError::None, "no infinity"},
      {"nan", 0, kSingle, 0, RunError::None, "no NaN"},
      {"0x10", 0, kSingle, 1, RunError::None, "no C hexadecimal"},
      {"1,000", 1, kSingle, 1, RunError::None, "a comma ends the number"},
  };
  for (const auto& c : cases) {
    const ClassicNumber number = ReadClassicNumber(c.text);
    EXPECT_EQ(number.value, c.value) << c.text << ": " << c.why;
    EXPECT_FALSE(std::signbit(number.value) && number.value == 0) << c.text << ": negative zero";
    EXPECT_EQ(number.type, c.type) << c.text << ": " << c.why;
    EXPECT_EQ(number.used, c.used) << c.text << ": " << c.why;
    EXPECT_EQ(number.error, c.error) << c.text << ": " << c.why;
  }
}

TEST(BasicClassicNumbers, ReadsLongDigitStringsExactly) {
  // More digits than any double needs, and the one that decides the
  // rounding far behind: 2^-1 + 2^-54 + a little rounds up, without the
  // little it is a tie that goes to even.
  const std::string tie = "0.500000000000000055511151231257827021181583404541015625";  // 1/2 + 2^-54 exactly
  EXPECT_EQ(ReadClassicNumber(tie).value, 0.5);
  EXPECT_EQ(ReadClassicNumber(tie + std::string(2000, '0') + "1").value, 0.5 + 0x1p-53);
  EXPECT_EQ(ReadClassicNumber(tie + std::string(100, '0') + "1").value, 0.5 + 0x1p-53);
  EXPECT_EQ(ReadClassicNumber(std::string(5000, '0') + "1").value, 1);
  EXPECT_EQ(ReadClassicNumber("." + std::string(5000, '0') + "1E5010").value, 1e9);
  EXPECT_EQ(ReadClassicNumber("1" + std::string(400, '0')).error, RunError::Overflow);
  EXPECT_EQ(ReadClassicNumber("1" + std::string(300, '0')).value, 1e300);
}

TEST(BasicClassicNumbers, ReadsInputFieldsWhole) {
  const struct {
    const char* field;
    bool accepted;
    double value;
    ValueKind type;
    const char* why;
  } cases[] = {
      {"", true, 0, kSingle, "an empty field is 0"},
      {"   ", true, 0, kSingle, "so is one of blanks"},
      {"1e3", true, 1000, kSingle, "an exponent"},
      {"&HFF", true, 255, kInteger, "hexadecimal"},
      {"&HFFFF", true, -1, kInteger, "as a signed INTEGER"},
      {"-.5", true, -0.5, kSingle, "sign and point"},
      {"1D2", true, 100, kDouble, "a D exponent"},
      {"  42  ", true, 42, kSingle, "outer blanks dropped"},
      {"\t42\n", true, 42, kSingle, "tabs and line feeds are blanks"},
      {"1 000", true, 1000, kSingle, "blanks inside are skipped as VAL skips them"},
      {"12345678", true, 12345678, kDouble, "a long number"},
      {"1E", true, 1, kSingle, "an exponent letter without digits"},
      {"abc", false, 0, kSingle, "a word"},
      {"12abc", false, 0, kSingle, "a number and more"},
      {"1.2.3", false, 0, kSingle, "two points"},
      {"-", false, 0, kSingle, "a sign alone"},
      {".", false, 0, kSingle, "a point alone"},
      {"&H", false, 0, kSingle, "&H without digits"},
      {"&HG", false, 0, kSingle, "nor with a wrong one"},
      {"1#", false, 0, kSingle, "a type suffix"},
      {"inf", false, 0, kSingle, "infinity"},
      {"nan", false, 0, kSingle, "NaN"},
      {"\"5\"", false, 0, kSingle, "quotes"},
      {"5,6", false, 0, kSingle, "two fields"},
  };
  for (const auto& c : cases) {
    double value = 12345;
    ValueKind type = kLong;
    RunError error = RunError::SyntaxError;
    EXPECT_EQ(ReadInputNumber(c.field, &value, &type, &error), c.accepted) << c.field << ": " << c.why;
    if (!c.accepted) continue;
    EXPECT_EQ(value, c.value) << c.field << ": " << c.why;
    EXPECT_EQ(type, c.type) << c.field << ": " << c.why;
    EXPECT_EQ(error, RunError::None) << c.field << ": " << c.why;
  }
  double value = 0;
  EXPECT_TRUE(ReadInputNumber("7", &value)) << "type and error may be left out";
  EXPECT_EQ(value, 7);
}

TEST(BasicClassicNumbers, AnInputFieldBeyondTheRangeIsAnOverflow) {
  double value = 0;
  RunError error = RunError::None;
  EXPECT_TRUE(ReadInputNumber("-1E400", &value, nullptr, &error)) << "with error asked for: accepted, and said";
  EXPECT_EQ(error, RunError::Overflow);
  EXPECT_EQ(value, -DBL_MAX);
  EXPECT_TRUE(ReadInputNumber("&H123456789", &value, nullptr, &error));
  EXPECT_EQ(error, RunError::Overflow);
  EXPECT_FALSE(ReadInputNumber("1E400", &value)) << "without: refused";
}

// ---------------------------------------------------------------------------
// Round trips. Seven digits do not name every float (above 2^33 two
// neighbouring floats may print alike, below it two floats often do), so a
// printed single reads back as the float nearest its text: within half a
// unit of its 7th digit, and printing the same text again. Every text of
// at most 6 digits (FLT_DIG) names its float exactly. Doubles likewise
// with 16 digits and DBL_DIG = 15.

// Half a unit in the last of `places` digits of x, and a little more for
// the double the text is read into.
double HalfUnit(double x, int places) {
  const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(x))));
  return 0.5000001 * std::pow(10.0, exponent - places + 1);
}

TEST(BasicClassicNumbers, EverySinglePrintedReadsBackAsTheFloatNearestItsText) {
  std::mt19937 random(11);
  int failures = 0;
  int exact = 0;
  const int rounds = 200000;
  for (int i = 0; i < rounds; ++i) {
    const float f = FloatOfBits(static_cast<uint32_t>(random()));
    if (!std::isfinite(f)) continue;
    const std::string text = FormatClassic(f, kSingle);
    const ClassicNumber read = ReadClassicNumber(text);
    double back = 0;
    const bool ok = read.used == text.size() && read.error == RunError::None &&
                    KeepSingle(read.value, &back) &&
                    FormatClassic(back, kSingle) == text &&
                    (f == 0 || back == f || std::fabs(read.value - f) <= HalfUnit(f, 7));
    exact += back == f || (back == 0 && f == 0);
    if (!ok && ++failures <= 5) ADD_FAILURE() << std::hexfloat << f << " printed " << text << " read " << back;
  }
  EXPECT_EQ(failures, 0);
  EXPECT_GT(exact, rounds / 4) << "most floats round trip exactly";
}

TEST(BasicClassicNumbers, EveryDoublePrintedReadsBackWithinItsSixteenthDigit) {
  std::mt19937_64 random(13);
  int failures = 0;
  for (int i = 0; i < 100000; ++i) {
    const double d = DoubleOfBits(random());
    if (!std::isfinite(d)) continue;
    const std::string text = FormatClassic(d, kDouble);
    const ClassicNumber read = ReadClassicNumber(text);
    // The text is d to 16 digits (checked in the wider long double, whose
    // own rounding needs the thousandth of a unit of slack at exact ties);
    // the double read is the one nearest the text, within half a unit of
    // the 16th digit and half a place of its own, a whole unit at most.
    std::string c_text = text;
    for (char& c : c_text) c = c == 'D' ? 'E' : c;
    const long double decimal = std::strtold(c_text.c_str(), nullptr);
    // Or it is the shortest text of d, which reads back as d itself.
    const bool ok = read.used == text.size() && read.error == RunError::None &&
                    FormatClassic(read.value, kDouble) == text &&
                    (d == 0 || read.value == d ||
                     (std::fabs(static_cast<double>(decimal - d)) <= 1.002 * HalfUnit(d, 16) &&
                      std::fabs(read.value - d) <= 2 * HalfUnit(d, 16)));
    if (!ok && ++failures <= 5) ADD_FAILURE() << std::hexfloat << d << " printed " << text << " read " << read.value;
  }
  EXPECT_EQ(failures, 0);
}

// The classic text of x > 0 worked out the slow way: the shortest text
// that reads back as x where it has at most `places` digits and x is no
// denormal; otherwise all digits of its exact decimal (a double has at
// most 767), rounded by hand, half away from zero; then laid out by the
// rule.
std::string SlowClassicText(double x, int places, char letter) {
  static char buffer[1000];
  const bool single = places == 7;
  const auto shortest = single ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(x), std::chars_format::scientific)
                               : std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific);
  std::string text(buffer, shortest.ptr);
  const std::size_t e = text.find('e');
  const bool normal = x >= (single ? 0x1p-126 : 0x1p-1022);
  const bool fits = normal && static_cast<int>(e) - (e > 1 ? 1 : 0) <= places;
  if (!fits) {
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 800);
    text.assign(buffer, written.ptr);
  }
  const std::string& exact = text;
  std::string digits = exact.substr(0, 1) + (exact.size() > 2 && exact[1] == '.' ? exact.substr(2, std::min(exact.find('e') - 2, static_cast<std::size_t>(places - 1))) : "");
  int exponent = std::stoi(exact.substr(exact.find('e') + 1));
  if (!fits && exact[static_cast<std::size_t>(places) + 1] >= '5') {
    int i = places - 1;
    while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') digits[static_cast<std::size_t>(i--)] = '0';
    if (i < 0) {
      digits = "1" + digits.substr(1);
      ++exponent;
    } else {
      ++digits[static_cast<std::size_t>(i)];
    }
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int count = static_cast<int>(digits.size());
  if (exponent >= 0 && exponent < places) {
    std::string whole = digits.substr(0, std::min<std::size_t>(digits.size(), static_cast<std::size_t>(exponent + 1)));
    whole.resize(static_cast<std::size_t>(exponent + 1), '0');
    return count > exponent + 1 ? whole + "." + digits.substr(static_cast<std::size_t>(exponent + 1)) : whole;
  }
  if (exponent < 0 && count - exponent - 1 <= places) return "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  char tail[16];
  std::snprintf(tail, sizeof tail, "%c%c%02d", letter, exponent < 0 ? '-' : '+', exponent < 0 ? -exponent : exponent);
  return digits.substr(0, 1) + (count > 1 ? "." + digits.substr(1) : "") + tail;
}

TEST(BasicClassicNumbers, EveryTextIsTheExactValueRoundedHalfAwayFromZero) {
  std::mt19937_64 random(41);
  int failures = 0;
  for (int i = 0; i < 40000; ++i) {
    const uint64_t bits = random();
    // Random bits, and values of few bits, where exact halves are common.
    const double d = i % 2 == 0 ? DoubleOfBits(bits & 0x7FFFFFFFFFFFFFFF)
                                : std::ldexp(static_cast<double>(bits >> 40), static_cast<int>(bits % 80) - 40);
    if (!std::isfinite(d) || d == 0) continue;
    const float f = static_cast<float>(d);
    if (FormatClassic(d, kDouble) != SlowClassicText(d, 16, 'D') && ++failures <= 5) {
      ADD_FAILURE() << std::hexfloat << d << ": " << FormatClassic(d, kDouble) << " not " << SlowClassicText(d, 16, 'D');
    }
    if (std::isfinite(f) && f != 0 && FormatClassic(f, kSingle) != SlowClassicText(f, 7, 'E') && ++failures <= 5) {
      ADD_FAILURE() << std::hexfloat << f << ": " << FormatClassic(f, kSingle) << " not " << SlowClassicText(f, 7, 'E');
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(BasicClassicNumbers, ShortDecimalsSurviveTheirTypeExactly) {
  std::mt19937_64 random(17);
  int failures = 0;
  for (int i = 0; i < 100000; ++i) {
    const bool single = i % 2 == 0;
    const int places = single ? 6 : 15;
    // A decimal of `places` digits with an exponent the type can hold.
    const uint64_t limit = single ? 1000000 : 1000000000000000;
    const uint64_t mantissa = limit / 10 + random() % (limit - limit / 10);
    const int exponent = static_cast<int>(random() % (single ? 70 : 600)) - (single ? 37 : 300);
    const std::string text = std::to_string(mantissa) + (single ? "E" : "D") + std::to_string(exponent - places + 1);
    const double value = ReadClassicNumber(text).value;
    double stored = 0;
    KeepNumber(single ? kSingle : kDouble, value, &stored);
    const double again = ReadClassicNumber(FormatClassic(stored, single ? kSingle : kDouble)).value;
    double stored_again = 0;
    KeepNumber(single ? kSingle : kDouble, again, &stored_again);
    if (stored_again != stored && ++failures <= 5) ADD_FAILURE() << text << " became " << FormatClassic(stored, single ? kSingle : kDouble);
  }
  EXPECT_EQ(failures, 0);
}

TEST(BasicClassicNumbers, EveryLongPrintedReadsBackExactly) {
  std::mt19937 random(19);
  for (int i = 0; i < 100000; ++i) {
    const double value = static_cast<int32_t>(random());
    const std::string text = FormatClassic(value, kLong);
    ASSERT_EQ(ReadClassicNumber(text).value, value) << text;
    double input = 0;
    ASSERT_TRUE(ReadInputNumber(text, &input)) << text;
    ASSERT_EQ(input, value) << text;
  }
}

}  // namespace
