#include "basic/memory/record_memory.h"

#include <vector>

#include "basic/executor/string_values.h"
#include "basic/records/fixed_strings.h"
#include "basic/variables/array_bytes.h"

namespace {

// Where a byte of a record lies: the element, the field and the byte's
// place in the field, and the field's first address.
struct FieldByte {
  const LayoutField* field = nullptr;
  std::size_t element = 0;
  uint32_t within = 0;
  uint32_t start = 0;
};

FieldByte Locate(const RecordLayout& layout, uint32_t address, uint32_t offset) {
  const auto size = static_cast<uint32_t>(layout.size);
  FieldByte at;
  at.element = layout.subscripts > 0 ? offset / size : 0;
  uint32_t field_start = static_cast<uint32_t>(at.element) * size;
  for (const LayoutField& field : layout.fields) {
    const auto bytes = static_cast<uint32_t>(field.size);
    if (offset - field_start < bytes) {
      at.field = &field;
      at.within = offset - field_start;
      at.start = address + field_start;
      return at;
    }
    field_start += bytes;
  }
  return at;
}

// A field's value, a number's double or a string's RtString; null past
// the end of its array.
template <typename T>
T* FieldValue(Variables& variables, const RecordLayout& layout, const FieldByte& at, std::vector<T> Variables::*scalars,
              std::vector<T> ArrayVariable::*elements) {
  const auto slot = static_cast<std::size_t>(at.field->slot);
  if (layout.subscripts == 0) return &(variables.*scalars)[slot];
  ArrayVariable& array = variables.arrays[slot];
  std::vector<T>& values = array.*elements;
  if (at.element >= values.size()) return nullptr;
  return &values[StoredElementIndex(array, static_cast<int64_t>(at.element))];
}

double* NumberOf(Variables& variables, const RecordLayout& layout, const FieldByte& at) {
  return FieldValue(variables, layout, at, &Variables::numbers, &ArrayVariable::numbers);
}

RtString* StringOf(Variables& variables, const RecordLayout& layout, const FieldByte& at) {
  return FieldValue(variables, layout, at, &Variables::strings, &ArrayVariable::strings);
}

}  // namespace

uint8_t ReadRecordByte(VariableMemory& memory, Variables& variables, const RecordLayout& layout, uint32_t address,
                       uint32_t offset) {
  const FieldByte at = Locate(layout, address, offset);
  if (!at.field) return 0;
  if (at.field->kind == ValueKind::String) {
    const RtString* text = StringOf(variables, layout, at);
    if (!text || at.within >= static_cast<uint32_t>(StringLength(*text))) return 0;
    return static_cast<uint8_t>((*text)[at.within]);
  }
  const double* number = NumberOf(variables, layout, at);
  if (!number) return 0;
  uint8_t bytes[8] = {};
  memory.NumberBytes(*number, at.field->kind, at.start, bytes);
  return bytes[at.within];
}

void WriteRecordByte(VariableMemory& memory, Variables& variables, const RecordLayout& layout, uint32_t address,
                     uint32_t offset, uint8_t byte) {
  const FieldByte at = Locate(layout, address, offset);
  if (!at.field) return;
  if (at.field->kind == ValueKind::String) {
    RtString* text = StringOf(variables, layout, at);
    if (!text) return;
    if (at.within >= static_cast<uint32_t>(StringLength(*text))) {
      RtString whole = FitString(NewString(BytesOf(*text)), at.field->size, '\0');
      ReleaseString(*text);
      *text = whole;
    }
    (*text)[at.within] = static_cast<char>(byte);
    return;
  }
  double* number = NumberOf(variables, layout, at);
  if (!number) return;
  uint8_t bytes[8] = {};
  memory.NumberBytes(*number, at.field->kind, at.start, bytes);
  bytes[at.within] = byte;
  memory.StoreNumberBytes(number, at.field->kind, at.start, bytes);
}
