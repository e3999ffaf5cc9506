// The PC's first megabyte as a program sees it through DEF SEG, PEEK and
// POKE, and the address of a variable as VARPTR and VARSEG give it: every
// byte emulated, none of them the process's own. An address is
// segment * 16 + offset, wrapping at 1 MB as the 8086's did.
//
// Some regions are devices (memory_devices.h): the BIOS's keyboard flags,
// video mode and clock ticks, SCREEN 13's pixels at &HA000, the text
// screen's cells at &HB800 (and &HB000), and the program's own variables in
// the data segment (variable_memory.h). Every other byte keeps what was
// poked: zeros at the start, but for the few BIOS bytes programs commonly
// read (the screen's columns and rows, the display's port, the machine's
// model byte).
#pragma once

#include <cstdint>
#include <vector>

#include "basic/executor/run_errors.h"
#include "basic/memory/ports.h"
#include "basic/memory/text_cells.h"
#include "basic/memory/variable_memory.h"

struct Machine;

inline constexpr uint32_t MemorySize = uint32_t{1} << 20;

// One run's memory: DEF SEG's segment, the plain bytes (made on the first
// write), the devices' own state.
struct PcMemory {
  int32_t segment = BasicDataSegment;
  std::vector<uint8_t> plain;
  TextCells text;
  VariableMemory variables;
  PortState ports;
};

// The segment the last DEF SEG chose (BasicDataSegment before any, and
// after DEF SEG alone): PEEK, POKE, BLOAD and BSAVE address through it.
int32_t CurrentSegment(const Machine& machine);

// segment:offset as an address of the emulated megabyte.
uint32_t LinearAddress(int32_t segment, int32_t offset);

// A byte at an address of the emulated megabyte, read or written through
// the device that holds it (address below MemorySize; higher bits are
// dropped).
uint8_t ReadMemory(Machine& machine, uint32_t address);
void WriteMemory(Machine& machine, uint32_t address, uint8_t byte);

// The segment and offset of a variable, or of an element of an array
// (subscripts given for an array), as VARSEG and VARPTR give them, for
// BLOAD and BSAVE and the like.
RunFault AddressOfVariable(Machine& machine, const VariableReference& variable, int32_t* segment,
                           int32_t* offset);
// SADD: the offset in the data segment of a string variable's (or a string
// array element's) bytes.
RunFault AddressOfStringBytes(Machine& machine, const VariableReference& variable, int32_t* offset);
// The segment and offset of a record's byte field (below the record's
// size), or of an element's (element in the classic order) in an array of
// records, as VARSEG and VARPTR give them.
RunFault AddressOfRecord(Machine& machine, const RecordLayout& layout, std::size_t element, uint32_t field,
                         int32_t* segment, int32_t* offset);
