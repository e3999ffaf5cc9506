// Fuzzes the classic number routines: VAL's and INPUT's reading of any
// bytes, the classic text of any double in every type, and the binary
// forms of any bytes. Every call must return; what is read must be a
// finite number with its type's range; every text printed must read back
// whole and print again the same; the binary forms must give back the
// bytes their contracts say they keep.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "basic/builtins/binary_numbers.h"
#include "basic/text/number_text.h"
#include "fuzz/support/require.h"

namespace {

constexpr double kLargest = 0x1.fffffffffffffp1023;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

void CheckRead(std::string_view text) {
  const ClassicNumber number = ReadClassicNumber(text);
  Require(number.used <= text.size(), "used %zu of %zu bytes", number.used, text.size());
  Require(std::isfinite(number.value), "a value that is not finite");
  Require(!(number.value == 0 && std::signbit(number.value)), "negative zero");
  Require(number.error == RunError::None || number.error == RunError::Overflow, "error %d", static_cast<int>(number.error));
  if (number.used == 0) Require(number.value == 0 && number.error == RunError::None, "nothing read but a value");
  if (number.error == RunError::Overflow) {
    Require(number.value == 0 || std::fabs(number.value) == kLargest, "an Overflow of %g", number.value);
  }
  if (number.type == ValueKind::Integer) {
    Require(number.value >= -32768 && number.value <= 32767 && number.value == std::floor(number.value),
            "INTEGER %g", number.value);
  }
  if (number.type == ValueKind::Long) {
    Require(number.value >= -2147483648.0 && number.value <= 2147483647 && number.value == std::floor(number.value),
            "LONG %g", number.value);
  }
  // The number read is the number of its own bytes.
  if (number.used > 0) {
    const ClassicNumber again = ReadClassicNumber(text.substr(0, number.used));
    Require(again.used == number.used && again.value == number.value && again.type == number.type &&
                again.error == number.error,
            "the prefix reads differently");
  }

  double value = 0;
  ValueKind type = ValueKind::Single;
  RunError error = RunError::None;
  const bool accepted = ReadInputNumber(text, &value, &type, &error);
  double plain = 0;
  const bool accepted_plain = ReadInputNumber(text, &plain);
  Require(accepted_plain == (accepted && error == RunError::None), "INPUT with and without its error differ");
  if (accepted) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    const std::string_view field = text.substr(first, last - first);
    if (field.empty()) {
      Require(value == 0 && error == RunError::None, "an empty field that is not 0");
    } else {
      const ClassicNumber whole = ReadClassicNumber(field);
      Require(whole.used == field.size() && whole.value == value && whole.type == type && whole.error == error,
              "INPUT took what VAL does not read whole");
    }
  }
}

void CheckText(double value, ValueKind type) {
  const std::string text = FormatClassic(value, type);
  Require(!text.empty(), "an empty text");
  const std::string printed = FormatPrintedClassic(value, type);
  const std::string str = FormatStrClassic(value, type);
  Require(printed == str + " " && (str == " " + text || (text[0] == '-' && str == text)), "PRINT's and STR$'s forms");
  if (!std::isfinite(value)) return;
  if (type == ValueKind::Single && std::fabs(value) >= 0x1.ffffffp127) return;  // INF
  const ClassicNumber read = ReadClassicNumber(text);
  Require(read.used == text.size() && read.error == RunError::None, "%s does not read back whole", text.c_str());
  double stored = read.value;
  if (type == ValueKind::Single) KeepSingle(read.value, &stored);
  // INTEGER and LONG show a value beyond 2^53 as a DOUBLE.
  const bool whole = type == ValueKind::Integer || type == ValueKind::Long;
  const ValueKind again_type = whole && std::fabs(value) >= 0x1p53 ? ValueKind::Double : type;
  const std::string again = FormatClassic(stored, again_type);
  Require(again == text, "%s reads back as %s", text.c_str(), again.c_str());
}

void CheckBinary(const uint8_t* data) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), 8);
  double value = 0;
  std::string back;
  if (Cvs(bytes, &value) == RunError::None) {
    Require(Mks(value, &back) == RunError::None && back == bytes.substr(0, 4), "CVS then MKS$");
  }
  if (Cvd(bytes, &value) == RunError::None) {
    Require(Mkd(value, &back) == RunError::None && back == bytes, "CVD then MKD$");
  }
  Require(CvsMbf(bytes, &value) == RunError::None && std::isfinite(value), "CVSMBF");
  Require(MksMbf(value, &back) == RunError::None, "MKSMBF$ of what CVSMBF gave");
  if (static_cast<uint8_t>(bytes[3]) >= 3) Require(back == bytes.substr(0, 4), "CVSMBF then MKSMBF$");
  if (static_cast<uint8_t>(bytes[3]) == 0) Require(value == 0, "MBF exponent 0 is not zero");
  Require(CvdMbf(bytes, &value) == RunError::None && std::isfinite(value), "CVDMBF");
  Require(MkdMbf(value, &back) == RunError::None, "MKDMBF$ of what CVDMBF gave");
  if ((bytes[0] & 7) == 0 && bytes[7] != 0) Require(back == bytes, "CVDMBF then MKDMBF$");
  Require(Cvi(bytes, &value) == RunError::None && Mki(value, &back) == RunError::None && back == bytes.substr(0, 2),
          "CVI then MKI$");
  Require(Cvl(bytes, &value) == RunError::None && Mkl(value, &back) == RunError::None && back == bytes.substr(0, 4),
          "CVL then MKL$");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckRead(std::string_view(reinterpret_cast<const char*>(data), size));
  if (size >= 8) {
    double value;
    std::memcpy(&value, data, sizeof value);
    float single;
    std::memcpy(&single, data, sizeof single);
    for (ValueKind type : {ValueKind::Integer, ValueKind::Long, ValueKind::Single, ValueKind::Double}) {
      CheckText(value, type);
      CheckText(single, type);
    }
    CheckBinary(data);
  }
  return 0;
}
