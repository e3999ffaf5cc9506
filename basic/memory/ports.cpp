#include "basic/memory/ports.h"

#include <chrono>

#include "basic/executor/machine.h"
#include "basic/keys_and_sound/keyboard.h"
#include "basic/screen/screen_modes.h"
#include "runtime/system.h"

namespace {

constexpr int32_t ColourReadIndex = 0x3C7;
constexpr int32_t ColourWriteIndex = 0x3C8;
constexpr int32_t ColourData = 0x3C9;
constexpr int32_t VgaStatus = 0x3DA;
constexpr int32_t KeyboardData = 0x60;
constexpr uint8_t RetraceBit = 0x08;
constexpr uint8_t NothingThere = 0xFF;

// 60 frames a second, each with its retrace in the first twelfth: counted
// in millionths of a frame, so that whole numbers say it exactly.
constexpr int64_t FrameParts = 1000000;
constexpr int64_t RetraceParts = FrameParts / 12;

int64_t SteadyMicros() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemSleep(int64_t micros) { SysSleep(static_cast<int32_t>((micros + 999) / 1000)); }

// Where the clock is in its frame.
int64_t FramePhase() {
  const int64_t micros = PortClockMicros();
  return (micros < 0 ? 0 : micros) % FrameParts * 60 % FrameParts;
}

uint8_t VgaStatusNow() { return FramePhase() < RetraceParts ? RetraceBit : 0; }

// Microseconds until the retrace starts or ends, whichever comes first.
int64_t MicrosToRetraceChange() {
  const int64_t phase = FramePhase();
  const int64_t parts = phase < RetraceParts ? RetraceParts - phase : FrameParts - phase;
  return (parts + 59) / 60;
}

bool Matches(uint8_t value, uint8_t and_mask, uint8_t xor_mask) { return ((value ^ xor_mask) & and_mask) != 0; }

// The colour register as the mode shows it, 6 bits a component (the
// 8-bit colours' top 6 bits, as PALETTE's 0-63 widened them), or as it was
// written where no mode shows it.
uint8_t ColourComponent(const Machine& machine, uint8_t index, int step) {
  const ScreenState& screen = machine.screen;
  if (screen.mode->number == 0 || index >= screen.mode->colours) return machine.memory.ports.registers[index][step];
  return static_cast<uint8_t>((screen.palette[index] >> (8 * step) & 0xFF) >> 2);
}

void SetColour(Machine& machine, uint8_t index, const uint8_t* rgb) {
  PortState& ports = machine.memory.ports;
  for (int step = 0; step < 3; ++step) ports.registers[index][step] = rgb[step];
  ScreenState& screen = machine.screen;
  if (screen.mode->number == 0 || index >= screen.mode->colours) return;
  static const ScreenMode* const vga = FindScreenMode(13);
  const double value = rgb[0] + 256.0 * rgb[1] + 65536.0 * rgb[2];
  PaletteValueColour(*vga, value, &screen.palette[index]);
  PagesPaletteChanged(screen);
}

void WriteColourData(Machine& machine, uint8_t value) {
  PortState& ports = machine.memory.ports;
  ports.written[ports.write_step] = value & 63;
  if (++ports.write_step < 3) return;
  SetColour(machine, ports.write_index++, ports.written);
  ports.write_step = 0;
}

uint8_t ReadColourData(Machine& machine) {
  PortState& ports = machine.memory.ports;
  const uint8_t component = ColourComponent(machine, ports.read_index, ports.read_step);
  if (++ports.read_step == 3) {
    ports.read_step = 0;
    ++ports.read_index;
  }
  return component;
}

// The scan codes of the keys that type a character, by row of the
// keyboard, unshifted and shifted.
struct KeyRow {
  const char* plain;
  const char* shifted;
  uint8_t first_code;
};
constexpr KeyRow KeyRows[] = {
    {"1234567890-=", "!@#$%^&*()_+", 0x02},
    {"qwertyuiop[]", "QWERTYUIOP{}", 0x10},
    {"asdfghjkl;'`", "ASDFGHJKL:\"~", 0x1E},
    {"\\zxcvbnm,./", "|ZXCVBNM<>?", 0x2B},
};

uint8_t ScanCodeOfCharacter(uint8_t key) {
  switch (key) {
    case 27: return 0x01;
    case 8: return 0x0E;
    case 9: return 0x0F;
    case 13: return 0x1C;
    case ' ': return 0x39;
    default: break;
  }
  if (key >= 1 && key <= 26) key = static_cast<uint8_t>('a' + key - 1);  // Ctrl and a letter
  for (const KeyRow& row : KeyRows) {
    for (int i = 0; row.plain[i]; ++i) {
      if (key == static_cast<uint8_t>(row.plain[i]) || key == static_cast<uint8_t>(row.shifted[i])) {
        return static_cast<uint8_t>(row.first_code + i);
      }
    }
  }
  return 0;
}

}  // namespace

int64_t (*PortClockMicros)() = SteadyMicros;
void (*PortSleepMicros)(int64_t micros) = SystemSleep;

void WritePort(Machine& machine, int32_t port, uint8_t value) {
  PortState& ports = machine.memory.ports;
  switch (port) {
    case ColourReadIndex: ports.read_index = value; ports.read_step = 0; return;
    case ColourWriteIndex: ports.write_index = value; ports.write_step = 0; return;
    case ColourData: WriteColourData(machine, value); return;
    default: return;
  }
}

uint8_t ReadPort(Machine& machine, int32_t port) {
  switch (port) {
    case ColourWriteIndex: return machine.memory.ports.write_index;
    case ColourData: return ReadColourData(machine);
    case VgaStatus: return VgaStatusNow();
    case KeyboardData: return machine.memory.ports.scan_code;
    default: return NothingThere;
  }
}

RunFault WaitPort(Machine& machine, int32_t port, uint8_t and_mask, uint8_t xor_mask) {
  // A demo waits for the retrace to show its new colours.
  ShowBeforeWaiting(machine);
  if (Matches(ReadPort(machine, port), and_mask, xor_mask)) return {};
  const bool retrace_can_match = Matches(0, and_mask, xor_mask) || Matches(RetraceBit, and_mask, xor_mask);
  if (port != VgaStatus || !retrace_can_match) {
    return AwaitKeyWaiting(machine) ? RunFault{} : RunFault{RunError::NoMoreInput};
  }
  while (!Matches(VgaStatusNow(), and_mask, xor_mask)) PortSleepMicros(MicrosToRetraceChange());
  return {};
}

void NoteKeyByte(PortState& ports, uint8_t byte) {
  if (ports.scan_code_next) {
    ports.scan_code = byte;
    ports.scan_code_next = false;
    return;
  }
  ports.scan_code_next = byte == 0;
  if (byte != 0) ports.scan_code = ScanCodeOfCharacter(byte);
}
