// The program's variables at emulated addresses. VARPTR, VARSEG and SADD
// give a variable a place the first time one is asked for, and PEEK and
// POKE at that place read and write the variable's bytes in the classic
// layout (INTEGER 2 bytes little-endian, LONG 4, SINGLE 4 and DOUBLE 8 as
// IEEE numbers, a string's descriptor its length and the offset of its
// bytes, 2 bytes each), always through the interpreter's own storage: a
// byte poked changes the variable, and nothing of the process lies behind
// an address.
//
// Scalars, string descriptors (an array of strings has its descriptors one
// after another, 4 bytes each, in the classic order), string bytes and
// records lie in the data segment (BasicDataSegment); each array of numbers
// or of records that is asked for gets its own room from segment &H2000 up
// to the end of conventional memory, a new 64 KB segment every 64 KB of it.
// A record's bytes are its fields' as a random-access file holds them
// (records/record_bytes.h), an array of records its elements' one after
// another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "basic/code/value_kind.h"
#include "basic/executor/run_errors.h"
#include "basic/records/record_types.h"

class Variables;

// The segment of the program's data: VARSEG of a scalar, and DEF SEG alone.
inline constexpr int32_t BasicDataSegment = 0x1000;

// What VariableAddress asks, in its operand c: the address part, and the
// variable's kind above it.
enum AddressQuery : int32_t {
  QueryOffset = 0,   // VARPTR
  QuerySegment = 1,  // VARSEG
  QueryBytes = 2,    // SADD: a string's bytes
  QueryPartMask = 3,
  QueryKindShift = 2,
  RecordByteShift = 2,  // RecordAddress: the record's byte asked for, above the part
};

// A variable as the program names it: a scalar's slot, or an array's slot
// and its element's index in the classic order (the first subscript
// changing fastest). A string array's element is its descriptor.
struct VariableReference {
  int32_t slot;
  ValueKind kind;
  bool array;
  std::size_t element;  // arrays only
};

// A run of bytes at an address that belongs to one variable.
// Records are known by their first field's slot and kind.
struct PlacedVariable {
  enum Form : uint8_t {
    Number, NumberArray, Descriptor, StringBytes,
    DescriptorArray,  // an array of strings' descriptors
    ElementText,      // the bytes of one element of an array of strings
    Record, RecordArray,
  };
  uint32_t address;
  uint32_t length;
  int32_t slot;
  ValueKind kind;
  Form form;
  std::size_t element = 0;  // ElementText: the element, in the classic order
  int32_t layout = -1;      // Record, RecordArray: its layout among the memory's own
};

class VariableMemory {
 public:
  // The address of the variable's first byte (an array's element 0, a
  // string's descriptor or bytes), placing it on the first ask; false when
  // its room is used up.
  bool Place(const Variables& variables, const VariableReference& variable, PlacedVariable::Form form,
             uint32_t* address);
  // The address of a record's first byte, or of an array of records'
  // first element, placing it on the first ask (the layout's first field
  // names it; an array's leaves are made); false when its room is used up.
  bool PlaceRecord(const Variables& variables, const RecordLayout& layout, uint32_t* address);
  // The byte at an address, when a placed variable holds it.
  bool Read(Variables& variables, uint32_t address, uint8_t* byte);
  bool Write(Variables& variables, uint32_t address, uint8_t byte);
  // The numeric array placed where the address lies, and the byte of its
  // elements (in the classic order) the address is; false where none is.
  bool ArrayAt(uint32_t address, int32_t* slot, uint32_t* byte) const;

  // The bytes of a number of that kind at an address: from its value, or
  // the ones last poked when they make no finite number and the variable
  // still holds what the poke left.
  void NumberBytes(double value, ValueKind kind, uint32_t address, uint8_t* bytes) const;
  void StoreNumberBytes(double* value, ValueKind kind, uint32_t address, const uint8_t* bytes);

 private:
  const PlacedVariable* Find(uint32_t address) const;
  PlacedVariable* FindPlace(int32_t slot, PlacedVariable::Form form, ValueKind kind, std::size_t element = 0);
  bool Settle(PlacedVariable wanted, uint32_t* address);
  bool MakeRoom(PlacedVariable::Form form, uint32_t length, uint32_t* address);
  uint8_t DescriptorArrayByte(Variables& variables, const PlacedVariable& placed, uint32_t offset);

  struct RawBytes {
    double left;  // what the variable was given
    uint8_t bytes[8];
  };
  std::vector<PlacedVariable> placed_;
  std::vector<RecordLayout> layouts_;  // the records placed, by PlacedVariable::layout
  std::map<uint32_t, RawBytes> raw_;
  uint32_t next_data_ = 0;    // offsets in the data segment
  uint32_t next_array_ = 0;   // paragraphs from ArraySegment
};

// The size of a number of that kind in memory.
uint32_t NumberSize(ValueKind kind);
