// Fuzzes reading a made program back out of its file: any mark, however
// damaged, with any bytes after basic.exe's image, must give the text only
// when it is exactly what was made, and otherwise a message; never a crash,
// a read out of bounds or an allocation the bytes ask for. The input's first
// bytes are the mark, the rest the file's tail. Each input is also made into
// a program and read back, which must give it whole.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "basic/made/made_program.h"

namespace {

void ReadAnyTail(std::string_view input) {
  MadeProgramMark mark{};
  const std::size_t mark_bytes = std::min(input.size(), sizeof mark);
  std::memcpy(&mark, input.data(), mark_bytes);
  const std::string_view tail = input.substr(mark_bytes);
  MadeProgram program;
  std::string error;
  if (ReadMadeProgram(mark, tail, &program, &error)) {
    if (program.text != tail || Crc32(tail) != mark.text_crc || program.name.size() > MadeProgramNameSize) {
      std::abort();
    }
  } else if (error.empty() || !program.text.empty()) {
    std::abort();
  }
}

void MakeAndReadBack(std::string_view input) {
  MadeProgramMark own{};
  std::memcpy(own.tag, "FUZZ PROGRAM #1!", sizeof own.tag);
  const std::string own_bytes(reinterpret_cast<const char*>(&own), sizeof own);
  const std::string image = "MZ" + own_bytes + "rest of the image";
  const std::string_view name = input.substr(0, input.find('\n'));
  std::string made, error;
  if (!MakeProgramImage(image, own, input, name, &made, &error)) std::abort();
  MadeProgramMark mark;
  std::memcpy(&mark, made.data() + 2, sizeof mark);
  MadeProgram program;
  if (!ReadMadeProgram(mark, std::string_view(made).substr(image.size()), &program, &error)) std::abort();
  if (program.text != input || program.name.size() >= MadeProgramNameSize) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  ReadAnyTail(input);
  MakeAndReadBack(input);
  return 0;
}
