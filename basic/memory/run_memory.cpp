// DEF SEG, PEEK, POKE, OUT, INP, WAIT, VARPTR, VARSEG and SADD at run time:
// their arguments checked, then handed to the emulated memory and ports.
#include <cmath>

#include "basic/builtins/builtins.h"
#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/memory/memory.h"
#include "basic/text/command_string.h"
#include "basic/variables/array_bytes.h"
#include "basic/variables/arrays.h"

namespace {

// A whole number from low to high, as the classic BASICs rounded an
// argument to one; false when it lies outside.
bool WholeIn(double x, int32_t low, int32_t high, int32_t* whole) {
  const double rounded = std::nearbyint(x);
  if (!(rounded >= low && rounded <= high)) return false;
  *whole = static_cast<int32_t>(rounded);
  return true;
}

// An address or a port: 0 to 65535, or an INTEGER's -32768 to -1 for the
// upper half, as &HA000 and &HFFFF are written.
RunFault Address(double x, int32_t* offset, const char* detail) {
  if (!WholeIn(x, -0x8000, 0xFFFF, offset)) return IllegalCall(detail);
  *offset &= 0xFFFF;
  return {};
}

RunFault Byte(double x, uint8_t* byte, const char* detail) {
  int32_t whole = 0;
  if (!WholeIn(x, 0, 255, &whole)) return IllegalCall(detail);
  *byte = static_cast<uint8_t>(whole);
  return {};
}

// POKE's and OUT's two arguments, taken off the stack.
RunFault AddressAndByte(double*& sp, int32_t* address, uint8_t* byte, const char* address_detail,
                        const char* byte_detail) {
  sp -= 2;
  if (RunFault fault = Address(sp[0], address, address_detail)) return fault;
  return Byte(sp[1], byte, byte_detail);
}

RunFault Push(double*& sp, int32_t value) {
  *sp++ = value;
  return {};
}

}  // namespace

RunFault RunDefSeg(Machine& machine, const Instruction& in, double*& sp) {
  if (in.a == 0) {
    machine.memory.segment = BasicDataSegment;
    return {};
  }
  return Address(*--sp, &machine.memory.segment, "DEF SEG needs a segment from 0 to 65535 (or -32768 to -1)");
}

RunFault RunPoke(Machine& machine, const Instruction&, double*& sp) {
  int32_t offset = 0;
  uint8_t byte = 0;
  const char* offset_detail = "POKE needs an offset from 0 to 65535 (or -32768 to -1)";
  if (RunFault fault = AddressAndByte(sp, &offset, &byte, offset_detail, "POKE needs a value from 0 to 255")) {
    return fault;
  }
  WriteMemory(machine, LinearAddress(machine.memory.segment, offset), byte);
  return {};
}

RunFault RunOut(Machine& machine, const Instruction&, double*& sp) {
  int32_t port = 0;
  uint8_t byte = 0;
  const char* port_detail = "OUT needs a port from 0 to 65535 (or -32768 to -1)";
  if (RunFault fault = AddressAndByte(sp, &port, &byte, port_detail, "OUT needs a value from 0 to 255")) return fault;
  WritePort(machine, port, byte);
  return {};
}

RunFault RunWait(Machine& machine, const Instruction&, double*& sp) {
  sp -= 3;
  int32_t port = 0;
  uint8_t and_mask = 0, xor_mask = 0;
  if (RunFault fault = Address(sp[0], &port, "WAIT needs a port from 0 to 65535 (or -32768 to -1)")) return fault;
  if (RunFault fault = Byte(sp[1], &and_mask, "WAIT needs masks from 0 to 255")) return fault;
  if (RunFault fault = Byte(sp[2], &xor_mask, "WAIT needs masks from 0 to 255")) return fault;
  return WaitPort(machine, port, and_mask, xor_mask);
}

// a: the variable's slot (an array's, with b subscripts on the stack).
RunFault RunVariableAddress(Machine& machine, const Instruction& in, double*& sp) {
  const auto part = static_cast<AddressQuery>(in.c & QueryPartMask);
  VariableReference variable{in.a, static_cast<ValueKind>(in.c >> QueryKindShift), in.b > 0, 0};
  sp -= in.b;
  if (variable.array) {
    ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(in.a)];
    int64_t element = 0;
    if (RunFault fault = ClassicElementIndex(array, sp, in.b, &element)) return fault;
    variable.element = static_cast<std::size_t>(element);
  }
  int32_t segment = 0, offset = 0;
  if (part == QueryBytes) {
    if (RunFault fault = AddressOfStringBytes(machine, variable, &offset)) return fault;
    return Push(sp, offset);
  }
  if (RunFault fault = AddressOfVariable(machine, variable, &segment, &offset)) return fault;
  return Push(sp, part == QuerySegment ? segment : offset);
}

// a: the record's layout (an element's, with b subscripts on the stack);
// c: the AddressQuery, and above it the byte of the record asked for.
RunFault RunRecordAddress(Machine& machine, const Instruction& in, double*& sp) {
  const RecordLayout& layout = machine.code.record_layouts[static_cast<std::size_t>(in.a)];
  sp -= in.b;
  int64_t element = 0;
  if (layout.subscripts > 0 && !layout.fields.empty()) {
    // Every field's array is made, as a use of the element would make it.
    for (const LayoutField& field : layout.fields) {
      MakeAutomaticArray(machine.variables.arrays[static_cast<std::size_t>(field.slot)]);
    }
    ArrayVariable& first = machine.variables.arrays[static_cast<std::size_t>(layout.fields.front().slot)];
    if (RunFault fault = ClassicElementIndex(first, sp, in.b, &element)) return fault;
  }
  int32_t segment = 0, offset = 0;
  const auto field = static_cast<uint32_t>(in.c >> RecordByteShift);
  if (RunFault fault = AddressOfRecord(machine, layout, static_cast<std::size_t>(element), field, &segment, &offset)) {
    return fault;
  }
  return Push(sp, (in.c & QueryPartMask) == QuerySegment ? segment : offset);
}

RunFault FnPeek(BuiltinCall& call) {
  int32_t offset = 0;
  const char* detail = "PEEK needs an offset from 0 to 65535 (or -32768 to -1)";
  if (RunFault fault = Address(call.numbers[0], &offset, detail)) return fault;
  Machine& machine = *call.machine;
  call.number = ReadMemory(machine, LinearAddress(machine.memory.segment, offset));
  return {};
}

RunFault FnInp(BuiltinCall& call) {
  int32_t port = 0;
  const char* detail = "INP needs a port from 0 to 65535 (or -32768 to -1)";
  if (RunFault fault = Address(call.numbers[0], &port, detail)) return fault;
  call.number = ReadPort(*call.machine, port);
  return {};
}

RunFault RunVarptrString(Machine& machine, const Instruction& in, double*&) {
  const auto type = static_cast<ReferenceType>(static_cast<uint8_t>(in.c));
  machine.Push(NewString(VarptrBytes(type, static_cast<uint16_t>(in.a))));
  return {};
}
