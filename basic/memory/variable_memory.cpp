#include "basic/memory/variable_memory.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "basic/memory/record_memory.h"
#include "basic/variables/array_bytes.h"
#include "basic/variables/variables.h"
#include "runtime/strings/strings.h"

namespace {

// The data segment's first offset given out: below it, in the classic
// BASICs, lay the interpreter's own work space.
constexpr uint32_t DataStart = 0x0100;
constexpr uint32_t DataBase = static_cast<uint32_t>(BasicDataSegment) << 4;
// Arrays from segment &H2000 up to &HA000, where the video memory starts.
constexpr uint32_t ArrayBase = 0x20000;
constexpr uint32_t ArrayParagraphs = (0xA0000 - ArrayBase) / 16;

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

int32_t StringLength(RtString s) { return s ? StrLength(s) : 0; }

uint32_t ElementCount(const ArrayVariable& array) {
  return static_cast<uint32_t>(array.kind == ValueKind::String ? array.strings.size() : array.numbers.size());
}

// An element of an array of strings, by its place in the classic order;
// null past the end of an array that ERASE or REDIM made smaller.
RtString ElementString(const Variables& variables, int32_t slot, std::size_t element) {
  const ArrayVariable& array = variables.arrays[static_cast<std::size_t>(slot)];
  if (element >= array.strings.size()) return nullptr;
  return array.strings[StoredElementIndex(array, static_cast<int64_t>(element))];
}

// Where a string's bytes are in the data segment: their room, at least
// one byte, as even an empty string has its place.
uint32_t TextRoom(RtString s) { return static_cast<uint32_t>(std::max(StringLength(s), 1)); }

template <typename T>
void PutBytes(T value, uint8_t* bytes) {
  std::memcpy(bytes, &value, sizeof value);  // the hosts are little-endian, as the PC was
}

template <typename T>
T GetBytes(const uint8_t* bytes) {
  T value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

}  // namespace

uint32_t NumberSize(ValueKind kind) {
  switch (kind) {
    case ValueKind::Integer: return 2;
    case ValueKind::Long: case ValueKind::Single: return 4;
    case ValueKind::Double: return 8;
    case ValueKind::String: break;
  }
  return 4;  // a string's descriptor
}

bool VariableMemory::Place(const Variables& variables, const VariableReference& variable, PlacedVariable::Form form,
                           uint32_t* address) {
  PlacedVariable wanted{0, NumberSize(variable.kind), variable.slot, variable.kind, form};
  const auto slot = static_cast<std::size_t>(variable.slot);
  switch (form) {
    case PlacedVariable::NumberArray: wanted.length *= ElementCount(variables.arrays[slot]); break;
    case PlacedVariable::DescriptorArray: wanted.length = 4 * ElementCount(variables.arrays[slot]); break;
    case PlacedVariable::StringBytes: wanted.length = TextRoom(variables.strings[slot]); break;
    case PlacedVariable::ElementText:
      wanted.element = variable.element;
      wanted.length = TextRoom(ElementString(variables, variable.slot, variable.element));
      break;
    default: break;
  }
  return Settle(wanted, address);
}

bool VariableMemory::PlaceRecord(const Variables& variables, const RecordLayout& layout, uint32_t* address) {
  if (layout.fields.empty() || layout.size <= 0) return false;
  const LayoutField& first = layout.fields.front();
  const bool array = layout.subscripts > 0;
  PlacedVariable wanted{0, static_cast<uint32_t>(layout.size), first.slot, first.kind,
                        array ? PlacedVariable::RecordArray : PlacedVariable::Record};
  if (array) wanted.length *= ElementCount(variables.arrays[static_cast<std::size_t>(first.slot)]);
  if (const PlacedVariable* placed = FindPlace(wanted.slot, wanted.form, wanted.kind)) {
    wanted.layout = placed->layout;
  } else {
    layouts_.push_back(layout);
    wanted.layout = static_cast<int32_t>(layouts_.size()) - 1;
  }
  return Settle(wanted, address);
}

// The room a variable already has, when it is large enough; else a new one.
bool VariableMemory::Settle(PlacedVariable wanted, uint32_t* address) {
  if (PlacedVariable* placed = FindPlace(wanted.slot, wanted.form, wanted.kind, wanted.element)) {
    if (placed->length >= wanted.length) {
      *address = placed->address;
      return true;
    }
    placed_.erase(placed_.begin() + (placed - placed_.data()));  // grown: its old room is plain memory now
  }
  if (!MakeRoom(wanted.form, wanted.length, address)) return false;
  wanted.address = *address;
  placed_.push_back(wanted);
  return true;
}

bool VariableMemory::MakeRoom(PlacedVariable::Form form, uint32_t length, uint32_t* address) {
  if (form == PlacedVariable::NumberArray || form == PlacedVariable::RecordArray) {
    const uint32_t paragraphs = (length + 15) / 16;
    if (paragraphs > ArrayParagraphs - next_array_) return false;
    *address = ArrayBase + next_array_ * 16;
    next_array_ += paragraphs;
    return true;
  }
  if (next_data_ < DataStart) next_data_ = DataStart;
  if (length > 0x10000 - next_data_) return false;
  *address = DataBase + next_data_;
  next_data_ += (length + 1) & ~uint32_t{1};  // words stay aligned
  return true;
}

const PlacedVariable* VariableMemory::Find(uint32_t address) const {
  for (const PlacedVariable& placed : placed_) {
    if (address - placed.address < placed.length) return &placed;
  }
  return nullptr;
}

bool VariableMemory::ArrayAt(uint32_t address, int32_t* slot, uint32_t* byte) const {
  const PlacedVariable* placed = Find(address);
  if (!placed || placed->form != PlacedVariable::NumberArray) return false;
  *slot = placed->slot;
  *byte = address - placed->address;
  return true;
}

PlacedVariable* VariableMemory::FindPlace(int32_t slot, PlacedVariable::Form form, ValueKind kind,
                                          std::size_t element) {
  for (PlacedVariable& placed : placed_) {
    if (placed.slot == slot && placed.form == form && placed.kind == kind && placed.element == element) return &placed;
  }
  return nullptr;
}

void VariableMemory::NumberBytes(double value, ValueKind kind, uint32_t address, uint8_t* bytes) const {
  const auto raw = raw_.find(address);
  if (raw != raw_.end() && SameBits(raw->second.left, value)) {
    std::memcpy(bytes, raw->second.bytes, NumberSize(kind));
    return;
  }
  std::memset(bytes, 0, 8);
  switch (kind) {
    case ValueKind::Integer:
      if (value >= -32768.0 && value <= 32767.0) PutBytes(static_cast<int16_t>(value), bytes);
      return;
    case ValueKind::Long:
      if (value >= -2147483648.0 && value <= 2147483647.0) PutBytes(static_cast<int32_t>(value), bytes);
      return;
    case ValueKind::Single:
      if (std::fabs(value) <= 3.4028234663852886e38) PutBytes(static_cast<float>(value), bytes);
      return;
    case ValueKind::Double: PutBytes(value, bytes); return;
    case ValueKind::String: return;
  }
}

void VariableMemory::StoreNumberBytes(double* value, ValueKind kind, uint32_t address, const uint8_t* bytes) {
  double number = 0;
  switch (kind) {
    case ValueKind::Integer: number = GetBytes<int16_t>(bytes); break;
    case ValueKind::Long: number = GetBytes<int32_t>(bytes); break;
    case ValueKind::Single: number = GetBytes<float>(bytes); break;
    case ValueKind::Double: number = GetBytes<double>(bytes); break;
    case ValueKind::String: return;
  }
  if (std::isfinite(number)) {
    *value = number;
    raw_.erase(address);
    return;
  }
  // Bytes that make no number (an infinity, a NaN: a sprite's pixels in a
  // SINGLE array, or a number half poked) are kept as they are, and the
  // variable holds 0 until it is given another value.
  RawBytes& raw = raw_[address];
  raw.left = 0;
  std::memcpy(raw.bytes, bytes, NumberSize(kind));
  *value = 0;
}

namespace {

// The number whose bytes hold the address, and where they start; null
// past the end of an array that ERASE or REDIM made smaller.
double* NumberAt(Variables& variables, const PlacedVariable& placed, uint32_t address, uint32_t* start) {
  const auto slot = static_cast<std::size_t>(placed.slot);
  if (placed.form == PlacedVariable::Number) {
    *start = placed.address;
    return &variables.numbers[slot];
  }
  // An array's elements lie in the classic order, the first subscript
  // changing fastest, as GET, PUT and BSAVE see them too.
  const uint32_t size = NumberSize(placed.kind);
  const uint32_t index = (address - placed.address) / size;
  ArrayVariable& array = variables.arrays[slot];
  if (index >= array.numbers.size()) return nullptr;
  *start = placed.address + index * size;
  return &array.numbers[StoredElementIndex(array, index)];
}

// A byte of a string's descriptor: its length, then the offset of its
// bytes (0 when they have no room), 2 bytes each.
uint8_t DescriptorByte(RtString s, uint32_t text, uint32_t offset) {
  const auto length = static_cast<uint32_t>(StringLength(s));
  return static_cast<uint8_t>((length | text << 16) >> (8 * offset));
}

// The string whose bytes a placed run of text is.
RtString TextOf(const Variables& variables, const PlacedVariable& placed) {
  if (placed.form == PlacedVariable::ElementText) return ElementString(variables, placed.slot, placed.element);
  return variables.strings[static_cast<std::size_t>(placed.slot)];
}

}  // namespace

// An element's descriptor points at its bytes, which are given their place
// when it is read, so that a program can follow it.
uint8_t VariableMemory::DescriptorArrayByte(Variables& variables, const PlacedVariable& placed, uint32_t offset) {
  const std::size_t element = offset / 4;
  if (element >= variables.arrays[static_cast<std::size_t>(placed.slot)].strings.size()) return 0;
  const VariableReference text_of{placed.slot, ValueKind::String, true, element};
  uint32_t text = 0;
  if (Place(variables, text_of, PlacedVariable::ElementText, &text)) text -= DataBase;
  return DescriptorByte(ElementString(variables, placed.slot, element), text, offset % 4);
}

bool VariableMemory::Read(Variables& variables, uint32_t address, uint8_t* byte) {
  const PlacedVariable* found = Find(address);
  if (!found) return false;
  const PlacedVariable placed = *found;  // a copy: reading a descriptor may place more
  const uint32_t offset = address - placed.address;
  *byte = 0;
  switch (placed.form) {
    case PlacedVariable::Number: case PlacedVariable::NumberArray: {
      uint32_t start = 0;
      const double* number = NumberAt(variables, placed, address, &start);
      if (!number) return true;
      uint8_t bytes[8] = {};
      NumberBytes(*number, placed.kind, start, bytes);
      *byte = bytes[address - start];
      return true;
    }
    case PlacedVariable::StringBytes: case PlacedVariable::ElementText: {
      const RtString s = TextOf(variables, placed);
      if (offset < static_cast<uint32_t>(StringLength(s))) *byte = static_cast<uint8_t>(s[offset]);
      return true;
    }
    case PlacedVariable::Descriptor: {
      // The length, then the offset of the bytes where they lie.
      const RtString s = variables.strings[static_cast<std::size_t>(placed.slot)];
      const PlacedVariable* own = FindPlace(placed.slot, PlacedVariable::StringBytes, ValueKind::String);
      const bool room = own && own->length >= static_cast<uint32_t>(StringLength(s));
      *byte = DescriptorByte(s, room ? own->address - DataBase : 0, offset);
      return true;
    }
    case PlacedVariable::DescriptorArray: *byte = DescriptorArrayByte(variables, placed, offset); return true;
    case PlacedVariable::Record: case PlacedVariable::RecordArray:
      *byte = ReadRecordByte(*this, variables, layouts_[static_cast<std::size_t>(placed.layout)], placed.address, offset);
      return true;
  }
  return true;
}

bool VariableMemory::Write(Variables& variables, uint32_t address, uint8_t byte) {
  const PlacedVariable* found = Find(address);
  if (!found) return false;
  const PlacedVariable& placed = *found;
  const uint32_t offset = address - placed.address;
  switch (placed.form) {
    case PlacedVariable::Number: case PlacedVariable::NumberArray: {
      uint32_t start = 0;
      double* number = NumberAt(variables, placed, address, &start);
      if (!number) return true;
      uint8_t bytes[8] = {};
      NumberBytes(*number, placed.kind, start, bytes);
      bytes[address - start] = byte;
      StoreNumberBytes(number, placed.kind, start, bytes);
      return true;
    }
    case PlacedVariable::StringBytes: case PlacedVariable::ElementText: {
      // A string's bytes change within its length.
      const RtString s = TextOf(variables, placed);
      if (offset < static_cast<uint32_t>(StringLength(s))) s[offset] = static_cast<char>(byte);
      return true;
    }
    case PlacedVariable::Record: case PlacedVariable::RecordArray:
      WriteRecordByte(*this, variables, layouts_[static_cast<std::size_t>(placed.layout)], placed.address, offset, byte);
      return true;
    default:
      // A descriptor is the interpreter's: poking it changes nothing.
      return true;
  }
}
