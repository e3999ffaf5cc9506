// A record's values as bytes and back: the routines GET and PUT of a
// record use.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basic/executor/string_values.h"
#include "basic/records/record_bytes.h"
#include "tests/support/hex_bytes.h"

namespace {

// A record's storage: numbers and strings the layout's values point into.
struct Storage {
  explicit Storage(const RecordLayout& layout) {
    for (const LayoutField& field : layout.fields) {
      if (field.kind == ValueKind::String) {
        strings.push_back(nullptr);
      } else {
        numbers.push_back(0);
      }
    }
  }
  ~Storage() {
    for (RtString s : strings) ReleaseString(s);
  }
  RecordValues Values() {
    RecordValues values;
    for (double& n : numbers) values.numbers.push_back(&n);
    for (RtString& s : strings) values.strings.push_back(&s);
    return values;
  }
  std::vector<double> numbers;
  std::vector<RtString> strings;
};

RecordLayout Layout(std::vector<LayoutField> fields) {
  RecordLayout layout;
  for (const LayoutField& field : fields) layout.size += field.size;
  layout.fields = std::move(fields);
  return layout;
}

const LayoutField Integer{ValueKind::Integer, 2, 0};
const LayoutField Long{ValueKind::Long, 4, 0};
const LayoutField Single{ValueKind::Single, 4, 0};
const LayoutField Double{ValueKind::Double, 8, 0};
LayoutField Text(int32_t length) { return {ValueKind::String, length, 0}; }

struct BytesCase {
  const char* why;
  std::vector<LayoutField> fields;
  std::vector<double> numbers;
  std::vector<const char*> strings;  // null: a string never stored
  const char* hex;
};

const BytesCase Cases[] = {
    {"each kind little-endian, in field order, no padding",
     {Integer, Long, Single, Double}, {-2, 65536, 1, -2}, {},
     "FE FF 00 00 01 00 00 00 80 3F 00 00 00 00 00 00 00 C0"},
    {"a fixed string's bytes between numbers", {Integer, Text(3), Integer}, {1, 2}, {"abc"},
     "01 00 61 62 63 02 00"},
    {"a string longer than its field is cut", {Text(2)}, {}, {"wxyz"}, "77 78"},
    {"a string never stored is NUL bytes", {Text(3), Text(1)}, {}, {nullptr, " "}, "00 00 00 20"},
    {"INTEGER and LONG at their ends", {Integer, Integer, Long}, {32767, -32768, -2147483648.0}, {},
     "FF 7F 00 80 00 00 00 80"},
};

// The case's values in the storage.
void Fill(Storage& storage, const BytesCase& test) {
  storage.numbers = test.numbers;
  for (std::size_t i = 0; i < test.strings.size(); ++i) {
    if (test.strings[i]) storage.strings[i] = NewString(test.strings[i]);
  }
}

TEST(RecordBytes, RecordToBytesLaysOutEveryField) {
  for (const BytesCase& test : Cases) {
    const RecordLayout layout = Layout(test.fields);
    Storage storage(layout);
    Fill(storage, test);
    std::string bytes;
    EXPECT_EQ(RecordToBytes(layout, storage.Values(), &bytes), RunError::None) << test.why;
    EXPECT_EQ(Hex(bytes), test.hex) << test.why;
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(layout.size)) << test.why;
  }
}

TEST(RecordBytes, RecordFromBytesGivesTheValuesBack) {
  for (const BytesCase& test : Cases) {
    const RecordLayout layout = Layout(test.fields);
    Storage from(layout);
    Fill(from, test);
    std::string bytes;
    ASSERT_EQ(RecordToBytes(layout, from.Values(), &bytes), RunError::None) << test.why;
    Storage to(layout);
    EXPECT_EQ(RecordFromBytes(layout, bytes, to.Values()), RunError::None) << test.why;
    EXPECT_EQ(to.numbers, test.numbers) << test.why;
    std::string again;
    ASSERT_EQ(RecordToBytes(layout, to.Values(), &again), RunError::None) << test.why;
    EXPECT_EQ(Hex(again), test.hex) << test.why;
    // Every string read is its field's whole length.
    std::size_t string = 0;
    for (const LayoutField& field : layout.fields) {
      if (field.kind != ValueKind::String) continue;
      EXPECT_EQ(BytesOf(to.strings[string++]).size(), static_cast<std::size_t>(field.size)) << test.why;
    }
  }
}

struct FailureCase {
  const char* why;
  std::vector<LayoutField> fields;
  std::string bytes;
  RunError error;
};

TEST(RecordBytes, BadBytesChangeNothing) {
  const FailureCase cases[] = {
      {"fewer bytes than the record", {Integer, Text(4)}, std::string("\x01\x00" "ab", 4), RunError::IllegalFunctionCall},
      {"a DOUBLE that is a NaN", {Integer, Double}, std::string("\x05\x00\x00\x00\x00\x00\x00\x00\xF8\x7F", 10),
       RunError::Overflow},
      {"a SINGLE that is an infinity", {Text(1), Single}, std::string("z\x00\x00\x80\x7F", 5), RunError::Overflow},
  };
  for (const FailureCase& test : cases) {
    const RecordLayout layout = Layout(test.fields);
    Storage storage(layout);
    for (double& n : storage.numbers) n = 42;
    for (RtString& s : storage.strings) s = NewString("keep");
    EXPECT_EQ(RecordFromBytes(layout, test.bytes, storage.Values()), test.error) << test.why;
    for (double n : storage.numbers) EXPECT_EQ(n, 42) << test.why;
    for (RtString s : storage.strings) EXPECT_EQ(BytesOf(s), "keep") << test.why;
  }
}

TEST(RecordBytes, ANumberItsFieldCannotHoldLeavesTheBytesAlone) {
  const RecordLayout layout = Layout({Text(1), Integer});
  Storage storage(layout);
  storage.numbers[0] = 40000;
  std::string bytes = "before";
  EXPECT_EQ(RecordToBytes(layout, storage.Values(), &bytes), RunError::Overflow);
  EXPECT_EQ(bytes, "before");
}

TEST(RecordBytes, ValuesThatDoNotMatchTheLayoutAreRefused) {
  const RecordLayout layout = Layout({Integer, Text(2)});
  double number = 1;
  RecordValues values;
  values.numbers.push_back(&number);  // the string's pointer is missing
  std::string bytes;
  EXPECT_EQ(RecordToBytes(layout, values, &bytes), RunError::IllegalFunctionCall);
  EXPECT_EQ(RecordFromBytes(layout, std::string("\x01\x00" "ab", 4), values), RunError::IllegalFunctionCall);
  EXPECT_EQ(number, 1);
}

// A layout's fields found where they live: scalars by slot, an element's
// leaves each in its own array, picked by the same subscripts.
TEST(RecordBytes, FindRecordValuesPointsAtSlotsAndElements) {
  Variables variables;
  const int32_t number = variables.NumberSlot("P.X%");
  const int32_t text = variables.StringSlot("P.NAME$");
  RecordLayout scalar{{{ValueKind::Integer, 2, number}, {ValueKind::String, 3, text}}, 5, 0};
  RecordValues values;
  ASSERT_FALSE(FindRecordValues(variables, scalar, nullptr, &values));
  ASSERT_EQ(values.numbers.size(), 1u);
  ASSERT_EQ(values.strings.size(), 1u);
  EXPECT_EQ(values.numbers[0], &variables.numbers[static_cast<std::size_t>(number)]);
  EXPECT_EQ(values.strings[0], &variables.strings[static_cast<std::size_t>(text)]);

  const int32_t xs = variables.ArraySlot("Q.X%", 1);
  const int32_t names = variables.ArraySlot("Q.NAME$", 1);
  RecordLayout element{{{ValueKind::Integer, 2, xs}, {ValueKind::String, 3, names}}, 5, 1};
  const double seven = 7;
  ASSERT_FALSE(FindRecordValues(variables, element, &seven, &values));
  ArrayVariable& numbers = variables.arrays[static_cast<std::size_t>(xs)];
  ArrayVariable& strings = variables.arrays[static_cast<std::size_t>(names)];
  EXPECT_EQ(values.numbers[0], &numbers.numbers[7]);
  EXPECT_EQ(values.strings[0], &strings.strings[7]);
  // Out of the automatic bounds: the error, and the values left as they were.
  const double eleven = 11;
  const RunFault fault = FindRecordValues(variables, element, &eleven, &values);
  EXPECT_EQ(fault.error, RunError::SubscriptOutOfRange);
  EXPECT_EQ(values.numbers[0], &numbers.numbers[7]);
}

}  // namespace
