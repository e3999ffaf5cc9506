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
  if (variable.kind == ValueKind::String) return PlacedVariable::Descriptor;
  return variable.array ? PlacedVariable::NumberArray : PlacedVariable::Number;
}

}  // namespace

// A scalar's address is in the data segment; an array element's is its
// array's segment, a further 64 KB segment for every 64 KB before it. A
// string's descriptor points at its bytes, which are placed with it.
RunFault AddressOfVariable(Machine& machine, const VariableReference& variable, int32_t* segment,
                           int32_t* offset) {
  VariableMemory& memory = machine.memory.variables;
  uint32_t address = 0;
  if (!memory.Place(machine.variables, variable, FormOf(variable), &address)) return NoRoom();
  if (variable.kind == ValueKind::String) {
    uint32_t bytes = 0;
    if (!memory.Place(machine.variables, variable, PlacedVariable::StringBytes, &bytes)) return NoRoom();
  }
  if (!variable.array) {
    *segment = BasicDataSegment;
    *offset = static_cast<int32_t>(address - LinearAddress(BasicDataSegment, 0));
    return {};
  }
  const uint32_t byte = static_cast<uint32_t>(variable.element) * NumberSize(variable.kind);
  *segment = static_cast<int32_t>((address >> 4) + (byte >> 16) * 0x1000);
  *offset = static_cast<int32_t>(byte & 0xFFFF);
  return {};
}

RunFault AddressOfStringBytes(Machine& machine, int32_t slot, int32_t* offset) {
  uint32_t address = 0;
  const VariableReference variable{slot, ValueKind::String, false, 0};
  if (!machine.memory.variables.Place(machine.variables, variable, PlacedVariable::StringBytes, &address)) {
    return NoRoom();
  }
  *offset = static_cast<int32_t>(address - LinearAddress(BasicDataSegment, 0));
  return {};
}
