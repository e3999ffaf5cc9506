// The PC's I/O ports as OUT, INP and WAIT reach them, emulated:
//   &H3C7, &H3C8, &H3C9  the VGA's colour registers: OUT &H3C8, n then three
//                        OUT &H3C9 (red, green, blue, 0 to 63 each) set
//                        colour n as PALETTE does; OUT &H3C7, n then three
//                        INP(&H3C9) read it back
//   &H3DA                the VGA's status: bit 3 set during the vertical
//                        retrace, the first twelfth of each 1/60 s
//   &H60                 the keyboard: the scan code of the last key taken
// Every other port reads 255, as a port with nothing behind it did, and
// ignores what is written.
#pragma once

#include <cstdint>

#include "basic/executor/run_errors.h"

struct Machine;

struct PortState {
  uint8_t write_index = 0, read_index = 0;  // the colour registers OUT &H3C8 and &H3C7 chose
  uint8_t write_step = 0, read_step = 0;    // red, green or blue next
  uint8_t written[3] = {};                  // the colour being written
  uint8_t registers[256][3] = {};           // what was written, where no mode shows it
  uint8_t scan_code = 0;                    // of the last key taken
  bool scan_code_next = false;              // the last key byte was a 0: a scan code follows
};

// The clock the retrace follows, in microseconds, and the sleep WAIT
// takes: the steady clock and the system's sleep, unless a test or the
// fuzzer puts its own in their place.
extern int64_t (*PortClockMicros)();
extern void (*PortSleepMicros)(int64_t micros);

// OUT port, value and INP(port): the port already checked to be 0 to 65535.
void WritePort(Machine& machine, int32_t port, uint8_t value);
uint8_t ReadPort(Machine& machine, int32_t port);

// WAIT port, and_mask, xor_mask: sleeps until (INP(port) XOR xor_mask) AND
// and_mask is not 0. A port whose value can never match (any but &H3DA,
// or masks no retrace state meets) waits for a key instead, which it
// leaves to be read, as SLEEP does: a program is never caught for good.
RunFault WaitPort(Machine& machine, int32_t port, uint8_t and_mask, uint8_t xor_mask);

// Notes a key byte the program took (INKEY$, INPUT$), for port &H60.
void NoteKeyByte(PortState& ports, uint8_t byte);
