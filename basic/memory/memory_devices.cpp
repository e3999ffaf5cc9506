#include "basic/memory/memory_devices.h"

#include "basic/builtins/clock.h"
#include "basic/executor/machine.h"
#include "basic/screen/run_text_screen.h"
#include "basic/screen/screen_draw.h"
#include "runtime/console/key_buffer.h"

namespace {

constexpr int32_t VgaWidth = 320;
constexpr uint32_t VgaPixels = 320 * 200;
constexpr int64_t MsPerDay = 86400000;

// The BIOS data area's words are read a byte at a time.
uint8_t ByteOf(uint32_t value, uint32_t offset) { return static_cast<uint8_t>(value >> (8 * offset)); }

bool ReadKeyboardFlags(Machine&, uint32_t offset, uint8_t* byte) {
  *byte = ByteOf(KeyBufferShiftFlags(), offset);
  return true;
}

bool ReadVideoMode(Machine& machine, uint32_t, uint8_t* byte) {
  *byte = BiosVideoMode(machine);
  return true;
}

bool ReadTicks(Machine&, uint32_t offset, uint8_t* byte) {
  *byte = ByteOf(BiosTicks(), offset);
  return true;
}

// The keyboard's state, the mode and the clock are the machine's: a
// program that pokes them changes nothing.
bool IgnoreWrite(Machine&, uint32_t, uint8_t) { return true; }

bool InVga256(const Machine& machine) { return machine.screen.mode->number == 13; }

ViewPoint VgaPoint(uint32_t offset) {
  return ViewPoint{static_cast<int32_t>(offset % VgaWidth), static_cast<int32_t>(offset / VgaWidth)};
}

bool ReadVgaPixel(Machine& machine, uint32_t offset, uint8_t* byte) {
  if (!InVga256(machine)) return false;
  const int32_t colour = ScreenPoint(machine.screen, VgaPoint(offset));
  *byte = colour < 0 ? 0 : static_cast<uint8_t>(colour);
  return true;
}

bool WriteVgaPixel(Machine& machine, uint32_t offset, uint8_t byte) {
  if (!InVga256(machine)) return false;
  uint8_t colour = 0;
  if (ScreenColour(machine.screen, byte, &colour)) {
    ScreenLine(machine.screen, VgaPoint(offset), VgaPoint(offset), colour);
  }
  return true;
}

// On the PC's text screen its pages are their grids' cells, the visible
// one shown at once; the rest, and all of it on other screens, is memory.
bool InTextGrid(const Machine& machine, uint32_t offset) { return InTextPages(machine, offset); }

bool ReadTextCell(Machine& machine, uint32_t offset, uint8_t* byte) {
  *byte = InTextGrid(machine, offset) ? TextGridReadByte(machine, offset) : machine.memory.text.ReadByte(offset);
  return true;
}

bool WriteTextCell(Machine& machine, uint32_t offset, uint8_t byte) {
  if (InTextGrid(machine, offset)) {
    TextGridWriteByte(machine, offset, byte);
  } else {
    machine.memory.text.WriteByte(offset, byte);
  }
  return true;
}

// The program's variables in the data segment and the arrays' room above.
bool ReadVariable(Machine& machine, uint32_t offset, uint8_t* byte) {
  return machine.memory.variables.Read(machine.variables, 0x10000 + offset, byte);
}

bool WriteVariable(Machine& machine, uint32_t offset, uint8_t byte) {
  return machine.memory.variables.Write(machine.variables, 0x10000 + offset, byte);
}

constexpr MemoryDevice Devices[] = {
    {0x417, 2, ReadKeyboardFlags, IgnoreWrite},
    {0x449, 1, ReadVideoMode, IgnoreWrite},
    {0x46C, 4, ReadTicks, IgnoreWrite},
    {0x10000, 0x90000, ReadVariable, WriteVariable},
    {0xA0000, VgaPixels, ReadVgaPixel, WriteVgaPixel},
    {0xB0000, TextCellsSize, ReadTextCell, WriteTextCell},  // the monochrome adapter's window, the same cells
    {0xB8000, TextCellsSize, ReadTextCell, WriteTextCell},
};

}  // namespace

const MemoryDevice* DeviceAt(uint32_t address) {
  for (const MemoryDevice& device : Devices) {
    if (address - device.first < device.length) return &device;
  }
  return nullptr;
}

uint8_t BiosVideoMode(const Machine& machine) {
  switch (machine.screen.mode->number) {
    case 1: return 0x04;
    case 2: return 0x06;
    case 7: return 0x0D;
    case 8: return 0x0E;
    case 9: return 0x10;
    case 10: return 0x0F;
    case 11: return 0x11;
    case 12: return 0x12;
    case 13: return 0x13;
    default: return 0x03;  // the text screen, 80 columns in colour
  }
}

// 1193182 / 65536 ticks a second, the timer chip's rate over its count.
uint32_t BiosTicks() {
  SysTime now{};
  BuiltinClock(&now);
  int64_t ms = ((int64_t{now.hour} * 60 + now.minute) * 60 + now.second) * 1000 + now.millisecond;
  if (ms < 0 || ms >= MsPerDay) ms = 0;
  return static_cast<uint32_t>(ms * 1193182 / 65536000);
}
