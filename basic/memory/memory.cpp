#include "basic/memory/memory.h"

#include "basic/executor/machine.h"
#include "basic/memory/memory_devices.h"
#include "basic/variables/arrays.h"

namespace {

// The few bytes of a PC's BIOS data area and ROM that programs read to
// learn what they run on: the screen's 80 columns and 25 rows, the colour
// display's port, and the model byte of an AT.
struct StartingByte {
  uint32_t address;
  uint8_t value;
};
constexpr StartingByte StartingBytes[] = {
    {0x44A, 80}, {0x463, 0xD4}, {0x464, 0x03}, {0x484, 24}, {0xFFFFE, 0xFC},
};

uint8_t StartingValue(uint32_t address) {
  for (const StartingByte& start : StartingBytes) {
    if (start.address == address) return start.value;
  }
  return 0;
}

void MakePlain(PcMemory& memory) {
  memory.plain.assign(MemorySize, 0);
  for (const StartingByte& start : StartingBytes) memory.plain[start.address] = start.value;
}

}  // namespace

int32_t CurrentSegment(const Machine& machine) { return machine.memory.segment; }

uint32_t LinearAddress(int32_t segment, int32_t offset) {
  const uint32_t address = (static_cast<uint32_t>(segment) & 0xFFFF) * 16 + (static_cast<uint32_t>(offset) & 0xFFFF);
  return address & (MemorySize - 1);  // past the top, back to 0, as the 8086's 20 lines did
}

uint8_t ReadMemory(Machine& machine, uint32_t address) {
  address &= MemorySize - 1;
  uint8_t byte = 0;
  if (const MemoryDevice* device = DeviceAt(address)) {
    if (device->read(machine, address - device->first, &byte)) return byte;
  }
  const std::vector<uint8_t>& plain = machine.memory.plain;
  return plain.empty() ? StartingValue(address) : plain[address];
}

void WriteMemory(Machine& machine, uint32_t address, uint8_t byte) {
  address &= MemorySize - 1;
  if (const MemoryDevice* device = DeviceAt(address)) {
    if (device->write(machine, address - device->first, byte)) return;
  }
  if (machine.memory.plain.empty()) MakePlain(machine.memory);
  machine.memory.plain[address] = byte;
}

namespace {

RunFault NoRoom() { return RunFault{RunError::OutOfMemory, "the emulated memory has no room left for the variable"}; }

PlacedVariable::Form FormOf(const VariableReference& variable) {
  if (variable.kind == ValueKind::String) {
    return variable.array ? PlacedVariable::DescriptorArray : PlacedVariable::Descriptor;
  }
  return variable.array ? PlacedVariable::NumberArray : PlacedVariable::Number;
}

PlacedVariable::Form TextFormOf(const VariableReference& variable) {
  return variable.array ? PlacedVariable::ElementText : PlacedVariable::StringBytes;
}

int32_t DataOffset(uint32_t address) { return static_cast<int32_t>(address - LinearAddress(BasicDataSegment, 0)); }

// An element byte bytes into its array's room: the room's segment, a
// further 64 KB segment for every 64 KB before it.
void InArrayRoom(uint32_t room, uint64_t byte, int32_t* segment, int32_t* offset) {
  *segment = static_cast<int32_t>((room >> 4) + (byte >> 16) * 0x1000);
  *offset = static_cast<int32_t>(byte & 0xFFFF);
}

}  // namespace

// A scalar's address is in the data segment, and so are an array of
// strings' descriptors; an array element's is its array's room. A
// string's descriptor points at its bytes, which are placed with it.
RunFault AddressOfVariable(Machine& machine, const VariableReference& variable, int32_t* segment,
                           int32_t* offset) {
  VariableMemory& memory = machine.memory.variables;
  uint32_t address = 0;
  if (!memory.Place(machine.variables, variable, FormOf(variable), &address)) return NoRoom();
  if (variable.kind == ValueKind::String) {
    uint32_t bytes = 0;
    if (!memory.Place(machine.variables, variable, TextFormOf(variable), &bytes)) return NoRoom();
    *segment = BasicDataSegment;
    *offset = DataOffset(address) + (variable.array ? static_cast<int32_t>(4 * variable.element) : 0);
    return {};
  }
  if (!variable.array) {
    *segment = BasicDataSegment;
    *offset = DataOffset(address);
    return {};
  }
  InArrayRoom(address, uint64_t{variable.element} * NumberSize(variable.kind), segment, offset);
  return {};
}

RunFault AddressOfStringBytes(Machine& machine, const VariableReference& variable, int32_t* offset) {
  uint32_t address = 0;
  if (!machine.memory.variables.Place(machine.variables, variable, TextFormOf(variable), &address)) return NoRoom();
  *offset = DataOffset(address);
  return {};
}

RunFault AddressOfRecord(Machine& machine, const RecordLayout& layout, std::size_t element, uint32_t field,
                         int32_t* segment, int32_t* offset) {
  uint32_t address = 0;
  if (!machine.memory.variables.PlaceRecord(machine.variables, layout, &address)) return NoRoom();
  if (layout.subscripts == 0) {
    *segment = BasicDataSegment;
    *offset = DataOffset(address) + static_cast<int32_t>(field);  // the record's room holds it
    return {};
  }
  InArrayRoom(address, uint64_t{element} * static_cast<uint64_t>(layout.size) + field, segment, offset);
  return {};
}
