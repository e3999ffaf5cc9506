#include "basic/records/record_bytes.h"

#include <cstddef>

#include "basic/builtins/binary_numbers.h"
#include "basic/executor/string_values.h"
#include "basic/variables/arrays.h"

namespace {

RunError NumberToBytes(ValueKind kind, double value, std::string* bytes) {
  switch (kind) {
    case ValueKind::Integer: return Mki(value, bytes);
    case ValueKind::Long: return Mkl(value, bytes);
    case ValueKind::Single: return Mks(value, bytes);
    case ValueKind::Double: return Mkd(value, bytes);
    case ValueKind::String: break;
  }
  return RunError::IllegalFunctionCall;
}

RunError NumberFromBytes(ValueKind kind, std::string_view bytes, double* value) {
  switch (kind) {
    case ValueKind::Integer: return Cvi(bytes, value);
    case ValueKind::Long: return Cvl(bytes, value);
    case ValueKind::Single: return Cvs(bytes, value);
    case ValueKind::Double: return Cvd(bytes, value);
    case ValueKind::String: break;
  }
  return RunError::IllegalFunctionCall;
}

bool Matches(const RecordLayout& layout, const RecordValues& values) {
  std::size_t numbers = 0;
  for (const LayoutField& field : layout.fields) numbers += field.kind != ValueKind::String;
  return numbers == values.numbers.size() && layout.fields.size() - numbers == values.strings.size();
}

}  // namespace

RunError RecordToBytes(const RecordLayout& layout, const RecordValues& values, std::string* bytes) {
  if (!Matches(layout, values)) return RunError::IllegalFunctionCall;
  std::string out;
  out.reserve(static_cast<std::size_t>(layout.size));
  std::size_t number = 0, string = 0;
  for (const LayoutField& field : layout.fields) {
    const auto size = static_cast<std::size_t>(field.size);
    if (field.kind == ValueKind::String) {
      const std::string_view text = BytesOf(*values.strings[string++]);
      out.append(text.substr(0, size));
      out.append(size - std::min(size, text.size()), '\0');
      continue;
    }
    std::string number_bytes;
    if (const RunError error = NumberToBytes(field.kind, *values.numbers[number++], &number_bytes);
        error != RunError::None) {
      return error;
    }
    out += number_bytes;
  }
  *bytes = std::move(out);
  return RunError::None;
}

RunError RecordFromBytes(const RecordLayout& layout, std::string_view bytes, const RecordValues& values) {
  if (!Matches(layout, values) || bytes.size() < static_cast<std::size_t>(layout.size)) {
    return RunError::IllegalFunctionCall;
  }
  // Every number is read first, so that a bad one changes nothing.
  std::vector<double> numbers;
  std::size_t at = 0;
  for (const LayoutField& field : layout.fields) {
    const auto size = static_cast<std::size_t>(field.size);
    if (field.kind != ValueKind::String) {
      double value = 0;
      if (const RunError error = NumberFromBytes(field.kind, bytes.substr(at, size), &value); error != RunError::None) {
        return error;
      }
      numbers.push_back(value);
    }
    at += size;
  }
  at = 0;
  std::size_t number = 0, string = 0;
  for (const LayoutField& field : layout.fields) {
    const auto size = static_cast<std::size_t>(field.size);
    if (field.kind == ValueKind::String) {
      RtString* target = values.strings[string++];
      ReleaseString(*target);
      *target = NewString(bytes.substr(at, size));
    } else {
      *values.numbers[number] = numbers[number];
      ++number;
    }
    at += size;
  }
  return RunError::None;
}

RunFault FindRecordValues(Variables& variables, const RecordLayout& layout, const double* subscripts,
                          RecordValues* values) {
  RecordValues found;
  for (const LayoutField& field : layout.fields) {
    const auto slot = static_cast<std::size_t>(field.slot);
    const bool text = field.kind == ValueKind::String;
    if (layout.subscripts == 0) {
      if (text) {
        found.strings.push_back(&variables.strings[slot]);
      } else {
        found.numbers.push_back(&variables.numbers[slot]);
      }
      continue;
    }
    ArrayVariable& array = variables.arrays[slot];
    std::size_t index;
    if (const RunFault fault = ElementIndex(array, subscripts, &index)) return fault;
    if (text) {
      found.strings.push_back(&array.strings[index]);
    } else {
      found.numbers.push_back(&array.numbers[index]);
    }
  }
  *values = std::move(found);
  return {};
}
