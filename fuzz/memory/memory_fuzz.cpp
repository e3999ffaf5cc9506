// Fuzzes the emulated memory and ports: the bytes become a program of DEF
// SEG, PEEK, POKE, OUT, INP and WAIT, and VARPTR into variables, arrays,
// string arrays' elements, records and arrays of records, among the
// screen's pages, palettes, tiles and blocks that the video memory shows,
// with any addresses and values, run with every error trapped. Nothing may
// be written out of bounds, crash or hang: WAIT's clock is the target's
// own, which its sleep moves on, and the run's input is an empty script,
// so a WAIT that never matches ends the run.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "basic/basic.h"
#include "basic/memory/ports.h"
#include "basic/text/input_script.h"
#include "runtime/strings/strings.h"

namespace {

int64_t Micros = 0;
int64_t FuzzClock() { return Micros; }
void FuzzSleep(int64_t micros) { Micros += micros; }

// Numbers near the edges that matter, or any 32-bit one.
std::string Number(const uint8_t*& data, const uint8_t* end) {
  static const char* const edges[] = {"0", "-1", "65535", "65536", "-32768", "-32769", "255", "256",
                                      "&HA000", "&HB800", "&HFFFF", "63999", "64000", "&H3C9", "&H3DA", "1.5"};
  if (data == end) return "0";
  const uint8_t pick = *data++;
  if (pick < 0x80) return edges[pick % 16];
  uint32_t bits = 0;
  for (int i = 0; i < 4 && data != end; ++i) bits = bits << 8 | *data++;
  return std::to_string(static_cast<int32_t>(bits));  // any 32-bit number, negatives too
}

std::string Statement(const uint8_t*& data, const uint8_t* end) {
  const uint8_t op = *data++;
  const std::string a = Number(data, end);
  const std::string b = Number(data, end);
  switch (op % 26) {
    case 0: return "DEF SEG = " + a;
    case 1: return "DEF SEG";
    case 2: return "POKE " + a + ", " + b;
    case 3: return "X = PEEK(" + a + ")";
    case 4: return "OUT " + a + ", " + b;
    case 5: return "X = INP(" + a + ")";
    case 6: return "WAIT " + a + ", " + b + ", " + Number(data, end);
    case 7: return "SCREEN " + std::to_string(op / 14 % 14);
    case 8: return "DEF SEG = VARSEG(S%(" + a + ")): POKE VARPTR(S%(" + a + ")) + " + b + ", 1";
    case 9: return "DEF SEG = VARSEG(F(" + a + ")): X = PEEK(VARPTR(F(" + a + ")) + " + b + ")";
    case 10: return "REDIM S%(" + a + " MOD 4096)";
    case 11: return "DEF SEG: POKE VARPTR(T$) + " + a + ", " + b + ": POKE SADD(T$) + " + b + ", 65";
    case 12: return "T$ = STRING$(" + a + " MOD 1000, 66): D# = " + b;  // a string, not a huge one
    case 13: return "DEF SEG: POKE VARPTR(A$(" + a + ")) + " + b + ", 1: POKE SADD(A$(" + a + ")) + " + b + ", 66";
    case 14: return "A$(" + a + " MOD 12) = STRING$(" + b + " MOD 300, 67): X = PEEK(VARPTR(A$(0)) + " + b + ")";
    case 15: return "DEF SEG = VARSEG(R(" + a + ")): POKE VARPTR(R(" + a + ").S) + " + b + ", 1: X = PEEK(VARPTR(R(" + a +
                    ")) + " + b + ")";
    case 16: return "DEF SEG: POKE VARPTR(Q) + " + a + ", " + b + ": X = PEEK(VARPTR(Q.D) + " + b + ")";
    case 17: return op & 0x80 ? "ERASE A$, R" : "REDIM R(" + a + " MOD 64) AS Rec";
    case 18: return "POKE VARPTR(D#) + " + a + ", " + b + ": X = PEEK(VARPTR(A%) + " + b + ")";
    case 19: return "SCREEN , , " + a + ", " + b;
    case 20: return "PCOPY " + a + ", " + b;
    case 21: return "PAINT (" + a + ", " + b + "), CHR$(" + std::to_string(op) + ") + STRING$(" + std::to_string(op % 70) +
                    ", " + std::to_string(op / 2) + "), " + std::to_string(op % 16);
    case 22: return "PALETTE " + a + ", " + b;
    case 23: return "LINE (" + a + ", " + b + ")-STEP(" + Number(data, end) + ", 9), " + std::to_string(op % 16) + ", BF";
    case 24: return "GET (" + a + ", " + b + ")-STEP(7, 7), S%: PUT (" + b + ", " + a + "), S%";
    default: return "COLOR , " + a + ": WIDTH " + std::string(op & 1 ? "40" : "80") + ", " + std::string(op & 2 ? "25" : "50");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool started = (StrHeapInit(), PortClockMicros = FuzzClock, PortSleepMicros = FuzzSleep, true);
  (void)started;
  const uint8_t* end = data + size;
  std::string source =
      "ON ERROR GOTO Trap\nTYPE Rec: N AS INTEGER: S AS STRING * 5: D AS DOUBLE: END TYPE\n"
      "DIM S%(10), F(10), A$(10), Q AS Rec\nREDIM R(10) AS Rec\n";
  for (int lines = 0; data != end && lines < 64; ++lines) source += Statement(data, end) + "\n";
  source += "END\nTrap: RESUME NEXT\n";
  const int32_t before = StringRegistry.count;
  {
    std::vector<BasicDiagnostic> errors;
    BasicProgramPtr program = BasicCompile(source, "memory.bas", &errors);
    if (!program) std::abort();  // every statement made here compiles
    InputScript script = InputScript::OfText("");
    BasicRunOptions options;
    options.input = &script;
    BasicRun(program.get(), options);
  }
  if (StringRegistry.count != before) std::abort();
  return 0;
}
