// BSAVE and BLOAD at run time: the range of memory at the current segment
// (bsave_memory.h) to a file and back; a range in no memory this BASIC
// keeps is an Illegal function call rather than bytes made up.
#include <cmath>
#include <string>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/files/bsave_memory.h"
#include "basic/memory/memory.h"
#include "basic/screen/video_memory.h"
#include "basic/variables/array_bytes.h"

namespace {

std::string PopName(Machine& machine) {
  RtString s = machine.Pop();
  std::string text(BytesOf(s));
  ReleaseString(s);
  return text;
}

// An offset or a length as a 16-bit word: -32768 to 65535, a negative one
// taken as the word of its bits, as INTEGER's VARPTR gave them.
bool Word(double value, uint16_t* word) {
  if (!(value > -32768.5 && value < 65535.5)) return false;
  const auto whole = static_cast<int32_t>(std::nearbyint(value));
  *word = static_cast<uint16_t>(whole < 0 ? whole + 65536 : whole);
  return true;
}

RunFault Fault(RunError error) { return RunFault{error}; }

bool IsScreen(const ScreenState& screen, int32_t segment) {
  return screen.mode->number != 0 && segment == VideoSegment(*screen.mode);
}

RunFault NoMemory(Machine& machine, int32_t segment, int32_t offset) {
  return machine.Fail(RunError::IllegalFunctionCall,
                      "no array or screen lies at segment " + std::to_string(segment) + ", offset " + std::to_string(offset));
}

}  // namespace

// BSAVE file$, offset, length
RunFault RunBsave(Machine& machine, const Instruction&, double*& sp) {
  sp -= 2;
  const std::string name = PopName(machine);
  BsaveHeader header{static_cast<uint16_t>(CurrentSegment(machine) & 0xFFFF), 0, 0};
  if (!Word(sp[0], &header.offset) || !Word(sp[1], &header.length)) {
    return IllegalCall("BSAVE's offset and length lie between -32768 and 65535");
  }
  if (header.offset + header.length > 65536) return IllegalCall("BSAVE's bytes run past the end of the segment");
  if (IsScreen(machine.screen, header.segment)) {
    return Fault(BsaveScreen(machine.screen, header, VideoReadPlane(), name));
  }
  ArrayVariable* array = nullptr;
  int64_t first_byte = 0;
  if (!ArrayAtAddress(machine, header.segment, header.offset, &array, &first_byte) ||
      first_byte + header.length > ArrayByteCount(*array)) {
    return NoMemory(machine, header.segment, header.offset);
  }
  return Fault(BsaveArray(*array, first_byte, header, name));
}

// BLOAD file$ [, offset]: a 1 with the offset, which loads at the current
// segment; without it, where the file was saved from.
RunFault RunBload(Machine& machine, const Instruction& in, double*& sp) {
  sp -= in.a;
  const std::string name = PopName(machine);
  uint16_t given = 0;
  if (in.a && !Word(sp[0], &given)) return IllegalCall("BLOAD's offset lies between -32768 and 65535");
  BsaveHeader header;
  std::string bytes;
  if (const RunError error = ReadBsaveFile(name, &header, &bytes); error != RunError::None) return Fault(error);
  const int32_t segment = in.a ? CurrentSegment(machine) & 0xFFFF : header.segment;
  const int32_t offset = in.a ? given : header.offset;
  if (offset + static_cast<int64_t>(bytes.size()) > 65536) return IllegalCall("BLOAD's bytes run past the end of the segment");
  if (IsScreen(machine.screen, segment)) {
    BloadScreen(machine.screen, offset, bytes, VideoWritePlanes());
    return {};
  }
  ArrayVariable* array = nullptr;
  int64_t first_byte = 0;
  if (!ArrayAtAddress(machine, segment, offset, &array, &first_byte)) return NoMemory(machine, segment, offset);
  return Fault(BloadArray(*array, first_byte, bytes));
}
