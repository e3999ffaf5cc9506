// PRINT USING's formats: each symbol and their combinations on known
// values, the format going round over the items, the literal text, '%', the
// errors, and numbers read back from what a field shows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "basic/text/print_using.h"

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

struct Item {
  bool is_text = false;
  double number = 0;
  ValueKind type = ValueKind::Double;
  std::string text;
};
Item N(double value) { return Item{false, value, ValueKind::Double, ""}; }
Item Sng(float value) { return Item{false, value, ValueKind::Single, ""}; }
Item Lng(int32_t value) { return Item{false, static_cast<double>(value), ValueKind::Long, ""}; }
Item S(std::string text) { return Item{true, 0, ValueKind::Double, std::move(text)}; }

// What one statement writes: the items in turn and the end's text, or what
// came before the first error and the error's number in brackets.
std::string Using(const std::string& format, const std::vector<Item>& items) {
  UsingFormat using_format(format);
  std::string out;
  for (const Item& item : items) {
    const RunError error = item.is_text ? using_format.AddString(item.text, &out)
                                        : using_format.AddNumber(item.number, item.type, &out);
    if (error != RunError::None) return out + "[error " + std::to_string(static_cast<int32_t>(error)) + "]";
  }
  using_format.Finish(&out);
  return out;
}

struct Case {
  std::string format;
  std::vector<Item> items;
  std::string shown;
  const char* why;
};

void Check(const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(Using(c.format, c.items), c.shown) << c.why << "\nformat: " << c.format;
}

TEST(PrintUsing, DigitsPointAndRounding) {
  Check({
      {"##.##", {N(.78)}, " 0.78", "a digit place before the point shows 0"},
      {"###.##", {N(987.654)}, "987.65", "rounded to the places after the point"},
      {"##.## ", {N(10.2), N(5.3), N(66.789), N(.234)}, "10.20  5.30 66.79  0.23 ", "one field for every item"},
      {"##.", {N(12.3)}, "12.", "a point with no place after it"},
      {"#.##", {N(0)}, "0.00", "zero with a place before the point"},
      {".##", {N(0)}, ".00", "zero with none"},
      {"##", {N(0.4)}, " 0", "without a point the 0 is always there"},
      {"###", {N(-0.0)}, "  0", "negative zero has no sign"},
      {"###", {N(2.5), N(-2.5)}, "  3 -3", "an exact half goes away from zero"},
      {"#.##", {N(0.125)}, "0.13", "a half that binary holds exactly"},
      {"#.##", {N(1.005)}, "1.00", "1.005 is held as 1.00499999999999989..."},
      {"#.##", {N(0.006), N(0.004)}, "0.010.00", "rounding reaches the first decimal, or not"},
      {"##.##", {N(111.22)}, "%111.22", "too wide: '%' and the whole number"},
      {".##", {N(.999)}, "%1.00", "no place before the point for the 1 rounding brings"},
      {"#", {N(1e20)}, "%100000000000000000000", "every digit of a large number"},
  });
}

TEST(PrintUsing, SignsInAndAroundTheField) {
  Check({
      {"##", {N(-5)}, "-5", "the minus takes a digit place"},
      {"#", {N(-5)}, "%-5", "'%' when there is none left for it"},
      {"#.##", {N(-.5)}, "-.50", "the minus takes the 0's place"},
      {"##.##", {N(-.5)}, "-0.50", "both fit"},
      {".##", {N(-.5)}, "%-.50", "no place at all before the point"},
      {"##.#", {N(-0.01)}, "-0.0", "the sign is the value's, not the rounded one's"},
      {"+##.##", {N(-68.95), N(2.4), N(-.9), N(0)}, "-68.95 +2.40 -0.90 +0.00", "'+' first: a place of its own"},
      {"+##", {N(123.456)}, "%+123", "the sign's place is not a digit's"},
      {"##.##-", {N(-68.95), N(22.449), N(-7.01)}, "68.95-22.45  7.01-", "'-' last: a minus or a space after"},
      {"##+", {N(5), N(-5)}, " 5+ 5-", "'+' last: the sign after"},
      {"##-##", {N(1), N(2)}, " 1  2", "a '-' between fields belongs to the first"},
      {"+##+", {N(5)}, " +5+", "with a sign first, a '+' after is text"},
      {"-##", {N(5)}, "- 5", "a '-' first is text"},
  });
}

TEST(PrintUsing, AsterisksDollarsAndCommas) {
  Check({
      {"**#.# ", {N(12.39), N(-0.9), N(765.1)}, "*12.4 *-0.9 765.1 ", "'*' fills the space before the sign or digits"},
      {"$$###.##", {N(456.78)}, " $456.78", "the '$' just before the digits"},
      {"$$##.##", {N(-12.5)}, "-$12.50", "a minus goes before the '$'"},
      {"$$", {N(5), N(12)}, "$5%$12", "$$ holds one digit"},
      {"$$.##", {N(.5)}, "$0.50", "the 0 before the point when there is room"},
      {"**$##.##", {N(2.34), N(-2.34)}, "***$2.34**-$2.34", "both at once, three places"},
      {"+$$#.##", {N(1.5)}, " +$1.50", "a sign first and a '$'"},
      {"####,.##", {N(1234.5)}, "1,234.50", "a comma before the point"},
      {"#,###,###", {N(1234567), N(123)}, "1,234,567      123", "every comma is a place, commas only between digits"},
      {"#,##", {N(12345)}, "%12,345", "too wide, with its commas"},
      {"##, ", {N(5)}, "  5 ", "a comma at the digits' end is the field's"},
      {"####.##,", {N(1234.5)}, "1234.50,", "after the point a comma is text"},
      {"$$##.##^^^^", {N(1)}, "  $1.00^^^^", "no exponent form after '$': the carets are text"},
  });
}

TEST(PrintUsing, ExponentForm) {
  Check({
      {"##.##^^^^", {N(234.56), N(-234.56)}, " 2.35E+02-2.35E+02", "one place kept for the sign"},
      {"##.##^^^^", {N(0), N(1.5e-5)}, " 0.00E+00 1.50E-05", "zero; a negative exponent"},
      {"###.##^^^^", {N(1000)}, " 10.00E+02", "the digits fill the places left"},
      {"##.##^^^^", {N(9.996)}, " 1.00E+01", "rounding carries into the exponent"},
      {".####^^^^-", {N(888888)}, ".8889E+06 ", "a sign after: no place kept"},
      {".###^^^^-", {N(-66666)}, ".667E+05-", "a minus after"},
      {"+.##^^^^", {N(123)}, "+.12E+03", "a sign first"},
      {".##^^^^", {N(5), N(-5)}, ".50E+01%-.50E+01", "no place for a minus"},
      {"#.##^^^^", {N(1.2)}, " .12E+01", "the kept place leaves no digit before the point"},
      {"#^^^^", {N(5)}, "5E+00", "nor is one kept when it would leave no digit"},
      {"##.##^^^^", {N(1e100)}, "%1.00E+100", "an exponent too wide for its places"},
      {"##.##^^^^^", {N(1e100), N(-1e-100)}, " 1.00E+100-1.00E-100", "five carets: three digits"},
      {"##^^^^^^", {N(5)}, " 5E+000^", "a sixth caret is text"},
      {"**#.#^^^^", {N(1.5)}, "*15.0E-01", "asterisks are digit places here too"},
      {"#,#.#^^^^", {N(1.5)}, " 15.0E-01", "and so are commas, printed as digits"},
  });
}

TEST(PrintUsing, StringFields) {
  Check({
      {"!", {S("LOOK"), S("OUT")}, "LO", "the first character"},
      {"!", {S("")}, " ", "an empty string is padded"},
      {"\\  \\", {S("LOOK"), S("OUT")}, "LOOKOUT ", "2 + spaces characters, padded"},
      {"\\\\", {S("ABC")}, "AB", "no spaces: two"},
      {"&", {S("LOOK")}, "LOOK", "all of it"},
      {"&-&", {S("a"), S("b")}, "a-b", "text between string fields"},
      {"\\ x!", {S("AB")}, "\\ xA", "a '\\' with no second one is text"},
      {"\\ \\", {S("\x81\x40\x81\x40")}, "\x81\x40 ", "a double-byte character that would not fit leaves a space"},
      {"!", {S("\x81\x40")}, " ", "so does one in a one-byte field"},
  });
}

TEST(PrintUsing, LiteralTextAndGoingRound) {
  Check({
      {"a!b", {S("S")}, "aSb", "the text after the last field at the end"},
      {"a!b", {S("S"), S("T")}, "aSbaTb", "going round writes the end's and the beginning's text"},
      {"a!b!c", {S("S")}, "aSb", "the end stops at the next field"},
      {"a!b!c", {S("S"), S("T")}, "aSbTc", "fields in order"},
      {"x##", {N(1), N(2)}, "x 1x 2", "text before the field comes with each item"},
      {"##x", {N(1), N(2)}, " 1x 2x", "and after it"},
      {"_!##.##_!", {N(12.34)}, "!12.34!", "'_' makes the next character text"},
      {"##_", {N(5)}, " 5_", "a '_' at the end is itself"},
      {"_#_&##", {N(5)}, "#& 5", "escaped field characters"},
      {"Total: $$#,###.##", {N(1234.5)}, "Total:  $1,234.50", "text, '$', commas together"},
      {"##!", {N(1), S("x"), N(2)}, " 1x 2", "number and string fields in turn"},
      {"\x81_##", {N(5)}, "\x81_ 5", "a lead byte takes the '_' along: no escape"},
      {"_\x81\x40#", {N(5)}, "\x81\x40" "5", "'_' takes a whole double-byte character"},
      {"#\x81", {N(5)}, "5\x81", "a lead byte at the end is one byte"},
      {"no field", {}, "no field", "no items: the text up to the first field"},
  });
}

TEST(PrintUsing, ErrorsWriteNothingOfTheirItem) {
  const std::string digits24(24, '#');
  Check({
      {"##", {S("a")}, "[error 13]", "a string for a number field"},
      {"x!", {N(1)}, "[error 13]", "a number for a string field, text not written"},
      {"##!", {N(1), N(2)}, " 1[error 13]", "the items before the error are written"},
      {"abc", {N(1)}, "[error 5]", "no field at all"},
      {"", {S("a")}, "[error 5]", "an empty format"},
      {"\x82#", {N(1)}, "[error 5]", "a double-byte character's second byte is no field"},
      {digits24, {N(1)}, std::string(23, ' ') + "1", "24 digit places are allowed"},
      {digits24 + "#", {N(1)}, "[error 5]", "25 are not"},
      {"**" + std::string(23, '#'), {N(1)}, "[error 5]", "the asterisks' places count"},
      {"$$" + std::string(23, '#'), {N(1)}, std::string(23, ' ') + "$1", "$$ counts one"},
      {"#.#" + std::string(23, '#'), {N(1)}, "[error 5]", "places after the point count"},
      {"#,#" + std::string(23, ',') + "#", {N(1)}, std::string(26, ' ') + "1", "commas do not"},
  });
}

TEST(PrintUsing, EachTypeShowsTheDigitsItHolds) {
  Check({
      {"#.##########", {Sng(1 / 3.0f), N(1 / 3.0)}, "0.33333330000.3333333333", "a SINGLE has 7 digits"},
      {"#.####################", {N(0.1)}, "0.10000000000000000000", "a DOUBLE has 16"},
      {"##########", {Sng(123456789.0f), Lng(123456789)}, " 123456800 123456789", "an integer has all"},
      {" ###.##", {Sng(.245f), Sng(.255f), Sng(.265f), Sng(.275f), Sng(.285f)},
       "   0.25   0.25   0.26   0.28   0.28", "rounded on the values binary holds"},
      {"##.##", {N(Infinity), N(-Infinity), N(std::numeric_limits<double>::quiet_NaN())}, "%inf%-inf%nan", "values that are not numbers"},
  });
}

// A value with d decimals shows exactly its digits, and a field wide enough
// for it is as wide as its format.
TEST(PrintUsing, NumbersReadBackAsTheirDigits) {
  std::mt19937_64 random(20240611);
  int failures = 0;
  for (int i = 0; i < 20000 && failures < 10; ++i) {
    const int64_t scaled = static_cast<int64_t>(random() % 2000000001) - 1000000000;
    const int decimals = static_cast<int>(random() % 7);
    double power = 1;
    for (int k = 0; k < decimals; ++k) power *= 10;
    const double value = static_cast<double>(scaled) / power;
    const std::string format = std::string(12, '#') + (decimals ? "." + std::string(decimals, '#') : "");
    std::string digits = std::to_string(scaled < 0 ? -scaled : scaled);
    if (digits.size() <= static_cast<std::size_t>(decimals)) digits.insert(0, decimals + 1 - digits.size(), '0');
    std::string want = (scaled < 0 ? "-" : "") + digits.substr(0, digits.size() - decimals);
    if (decimals) want += "." + digits.substr(digits.size() - decimals);
    want.insert(0, format.size() - want.size(), ' ');
    const std::string shown = Using(format, {N(value)});
    if (shown != want) ++failures;
    EXPECT_EQ(shown, want) << "scaled " << scaled << " decimals " << decimals;
  }
}

}  // namespace

namespace {

// Numbers a hair below a half at the rounded place, at many magnitudes:
// their exact expansions run to dozens of digits below the half, and only
// all of them (none rounded away by a short precision) round down.
TEST(PrintUsing, RoundsOnTheWholeExpansionAtEveryMagnitude) {
  const struct {
    double half;
    const char* format;
    const char* shown;
    const char* why;
  } cases[] = {
      {0.125, "#.##", "0.12", "three places down: 58 digits"},
      {2.5, "#", "2", "a whole number's half"},
      {0.5, "#", "0", "the largest double below a half"},
      {1.5e-7, "#.#######", "0.0000001", "small: the expansion's digits grow with the binary exponent"},
      {2.5e-30, "##.##^^^^", " 2.50E-30", "exponent form far below 1: ~120 digits"},
  };
  for (const auto& c : cases) {
    const double below = std::nextafter(c.half, 0.0);
    EXPECT_EQ(Using(c.format, {N(below)}), c.shown) << c.why << " (" << c.format << ")";
  }
}

}  // namespace
