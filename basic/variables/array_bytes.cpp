#include "basic/variables/array_bytes.h"

#include <algorithm>
#include <cstring>

#include "basic/variables/arrays.h"

namespace {

// The bits of one type as another's of the same size.
template <typename To, typename From>
To BitsAs(From from) {
  static_assert(sizeof(To) == sizeof(From));
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
}

// The element's bytes, at most 8.
void ElementToBytes(ValueKind kind, double value, uint8_t* bytes) {
  uint64_t bits = 0;
  switch (kind) {
    case ValueKind::Integer:
      // A store keeps the value in range; NaN and the far values are held
      // before the conversion all the same.
      bits = static_cast<uint16_t>(static_cast<int16_t>(value >= -32768 && value <= 32767 ? value : 0));
      break;
    case ValueKind::Long:
      bits = static_cast<uint32_t>(
          static_cast<int32_t>(value >= -2147483648.0 && value <= 2147483647.0 ? value : 0));
      break;
    case ValueKind::Single: bits = BitsAs<uint32_t>(static_cast<float>(value)); break;
    default: bits = BitsAs<uint64_t>(value); break;
  }
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
}

double ElementFromBytes(ValueKind kind, const uint8_t* bytes) {
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= uint64_t{bytes[i]} << (8 * i);
  switch (kind) {
    case ValueKind::Integer: return static_cast<int16_t>(static_cast<uint16_t>(bits));
    case ValueKind::Long: return static_cast<int32_t>(static_cast<uint32_t>(bits));
    case ValueKind::Single: return BitsAs<float>(static_cast<uint32_t>(bits));
    default: return BitsAs<double>(bits);
  }
}

int64_t Extent(const ArrayVariable& array, int32_t i) { return int64_t{array.upper[i]} - array.lower[i] + 1; }


}  // namespace

std::size_t StoredElementIndex(const ArrayVariable& array, int64_t classic) {
  if (array.subscripts <= 1) return static_cast<std::size_t>(classic);  // one order either way
  int64_t digits[3] = {0, 0, 0};
  for (int32_t i = 0; i < array.subscripts; ++i) {
    digits[i] = classic % Extent(array, i);
    classic /= Extent(array, i);
  }
  int64_t at = 0;
  for (int32_t i = 0; i < array.subscripts; ++i) at = at * Extent(array, i) + digits[i];
  return static_cast<std::size_t>(at);
}

int32_t ElementBytes(ValueKind kind) {
  switch (kind) {
    case ValueKind::Integer: return 2;
    case ValueKind::Long: case ValueKind::Single: return 4;
    case ValueKind::Double: return 8;
    default: return 0;
  }
}

int64_t ArrayByteCount(const ArrayVariable& array) {
  return static_cast<int64_t>(array.numbers.size()) * ElementBytes(array.kind);
}

RunFault ClassicElementIndex(ArrayVariable& array, const double* subscripts, int32_t count, int64_t* classic) {
  MakeAutomaticArray(array);
  *classic = 0;
  if (count == 0) return {};
  std::size_t unused;
  if (const RunFault fault = ElementIndex(array, subscripts, &unused)) return fault;
  for (int32_t i = array.subscripts - 1; i >= 0; --i) {
    *classic = *classic * Extent(array, i) + (NumToInt32(subscripts[i]) - int64_t{array.lower[i]});
  }
  return {};
}

RunFault ElementByteOffset(ArrayVariable& array, const double* subscripts, int32_t count, int64_t* offset) {
  int64_t classic = 0;
  if (const RunFault fault = ClassicElementIndex(array, subscripts, count, &classic)) return fault;
  *offset = classic * ElementBytes(array.kind);
  return {};
}

void ReadArrayBytes(const ArrayVariable& array, int64_t offset, uint8_t* bytes, int64_t n) {
  const int32_t size = ElementBytes(array.kind);
  if (array.kind == ValueKind::Integer && array.subscripts <= 1 && offset % 2 == 0) {
    // An image's usual array, a whole INTEGER at a time.
    for (auto element = static_cast<std::size_t>(offset / 2); n >= 2; ++element, n -= 2, offset += 2) {
      const double number = array.numbers[element];
      const auto value = static_cast<uint16_t>(static_cast<int16_t>(number >= -32768 && number <= 32767 ? number : 0));
      *bytes++ = static_cast<uint8_t>(value);
      *bytes++ = static_cast<uint8_t>(value >> 8);
    }
  }
  while (n > 0) {
    const int64_t element = offset / size;
    const int64_t within = offset % size;
    const int64_t taken = std::min<int64_t>(n, size - within);
    uint8_t own[8];
    ElementToBytes(array.kind, array.numbers[StoredElementIndex(array, element)], own);
    std::memcpy(bytes, own + within, static_cast<std::size_t>(taken));
    bytes += taken;
    offset += taken;
    n -= taken;
  }
}

void WriteArrayBytes(ArrayVariable& array, int64_t offset, const uint8_t* bytes, int64_t n) {
  const int32_t size = ElementBytes(array.kind);
  while (n > 0) {
    const int64_t element = offset / size;
    const int64_t within = offset % size;
    const int64_t given = std::min<int64_t>(n, size - within);
    double& value = array.numbers[StoredElementIndex(array, element)];
    uint8_t own[8];
    ElementToBytes(array.kind, value, own);
    std::memcpy(own + within, bytes, static_cast<std::size_t>(given));
    value = ElementFromBytes(array.kind, own);
    bytes += given;
    offset += given;
    n -= given;
  }
}
