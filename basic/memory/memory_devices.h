// The regions of the emulated megabyte whose bytes live elsewhere than in
// plain memory, each a device of two functions: a read and a write of the
// byte at an offset from the region's start. A device may decline a byte
// (SCREEN 13's pixels outside SCREEN 13), which is then plain memory.
// Another part plugs in with a row of the table in memory_devices.cpp.
#pragma once

#include <cstdint>

struct Machine;

struct MemoryDevice {
  uint32_t first;   // the region's first address
  uint32_t length;  // its bytes
  bool (*read)(Machine& machine, uint32_t offset, uint8_t* byte);
  bool (*write)(Machine& machine, uint32_t offset, uint8_t byte);
};

// The device whose region holds the address; null for plain memory.
const MemoryDevice* DeviceAt(uint32_t address);

// BIOS mode number of the current SCREEN, as 0:&H449 holds it.
uint8_t BiosVideoMode(const Machine& machine);
// The BIOS's clock ticks since midnight (18.2 a second), as 0:&H46C holds
// them, from the interpreter's clock.
uint32_t BiosTicks();
