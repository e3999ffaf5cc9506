#include "basic/memory/variable_memory.h"

#include <cmath>
#include <cstring>

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
  uint32_t length = NumberSize(variable.kind);
  if (form == PlacedVariable::NumberArray) {
    length *= static_cast<uint32_t>(variables.arrays[static_cast<std::size_t>(variable.slot)].numbers.size());
  } else if (form == PlacedVariable::StringBytes) {
    length = static_cast<uint32_t>(StringLength(variables.strings[static_cast<std::size_t>(variable.slot)]));
    if (length == 0) length = 1;  // an empty string's bytes are somewhere too
  }
  if (PlacedVariable* placed = FindPlace(variable.slot, form)) {
    if (placed->length >= length) {
      *address = placed->address;
      return true;
    }
    placed_.erase(placed_.begin() + (placed - placed_.data()));  // grown: its old room is plain memory now
  }
  if (!MakeRoom(form, length, address)) return false;
  placed_.push_back(PlacedVariable{*address, length, variable.slot, variable.kind, form});
  return true;
}

bool VariableMemory::MakeRoom(PlacedVariable::Form form, uint32_t length, uint32_t* address) {
  if (form == PlacedVariable::NumberArray) {
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

PlacedVariable* VariableMemory::FindPlace(int32_t slot, PlacedVariable::Form form) {
  for (PlacedVariable& placed : placed_) {
    if (placed.slot == slot && placed.form == form) return &placed;
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

bool IsNumber(const PlacedVariable& placed) {
  return placed.form == PlacedVariable::Number || placed.form == PlacedVariable::NumberArray;
}

}  // namespace

bool VariableMemory::Read(Variables& variables, uint32_t address, uint8_t* byte) {
  const PlacedVariable* placed = Find(address);
  if (!placed) return false;
  *byte = 0;
  if (IsNumber(*placed)) {
    uint32_t start = 0;
    const double* number = NumberAt(variables, *placed, address, &start);
    if (!number) return true;
    uint8_t bytes[8] = {};
    NumberBytes(*number, placed->kind, start, bytes);
    *byte = bytes[address - start];
    return true;
  }
  const uint32_t offset = address - placed->address;
  const RtString s = variables.strings[static_cast<std::size_t>(placed->slot)];
  if (placed->form == PlacedVariable::StringBytes) {
    if (offset < static_cast<uint32_t>(StringLength(s))) *byte = static_cast<uint8_t>(s[offset]);
    return true;
  }
  // The descriptor: the length, then the offset of the bytes where they lie.
  const int32_t length = StringLength(s);
  uint32_t text = 0;
  const PlacedVariable* own = FindPlace(placed->slot, PlacedVariable::StringBytes);
  if (own && own->length >= static_cast<uint32_t>(length)) text = own->address - DataBase;
  *byte = static_cast<uint8_t>((static_cast<uint32_t>(length) | text << 16) >> (8 * offset));
  return true;
}

bool VariableMemory::Write(Variables& variables, uint32_t address, uint8_t byte) {
  const PlacedVariable* placed = Find(address);
  if (!placed) return false;
  if (IsNumber(*placed)) {
    uint32_t start = 0;
    double* number = NumberAt(variables, *placed, address, &start);
    if (!number) return true;
    uint8_t bytes[8] = {};
    NumberBytes(*number, placed->kind, start, bytes);
    bytes[address - start] = byte;
    StoreNumberBytes(number, placed->kind, start, bytes);
    return true;
  }
  // A string's bytes change within its length; its descriptor is the
  // interpreter's, and poking it changes nothing.
  const uint32_t offset = address - placed->address;
  const RtString s = variables.strings[static_cast<std::size_t>(placed->slot)];
  if (placed->form == PlacedVariable::StringBytes && offset < static_cast<uint32_t>(StringLength(s))) {
    s[offset] = static_cast<char>(byte);
  }
  return true;
}
