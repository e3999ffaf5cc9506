// This executable's own mark and file: what --make copies, and where a made
// program finds the program inside.
#include <windows.h>

#include <cstring>

#include "basic/app/own_image.h"

namespace {

constexpr MadeProgramMark UnmadeMark() {
  MadeProgramMark mark{};
  constexpr char tag[] = "BASIC PROGRAM #1";
  static_assert(sizeof tag - 1 == sizeof mark.tag);
  for (std::size_t i = 0; i < sizeof mark.tag; ++i) mark.tag[i] = tag[i];
  return mark;
}

// Read through a volatile object, so that the code reads the bytes the file
// holds (which --make fills in) instead of values folded in by the compiler.
// The tag's bytes occur nowhere else in the file: only here, as data.
__attribute__((used)) const volatile MadeProgramMark TheOwnMark = UnmadeMark();

}  // namespace

MadeProgramMark OwnMark() {
  MadeProgramMark mark;
  auto* bytes = reinterpret_cast<unsigned char*>(&mark);
  const auto* own = reinterpret_cast<const volatile unsigned char*>(&TheOwnMark);
  for (std::size_t i = 0; i < sizeof mark; ++i) bytes[i] = own[i];
  return mark;
}

bool OwnFilePath(std::string* path) {
  char buffer[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  // A name that filled the buffer may have been cut.
  if (length == 0 || length >= sizeof buffer) return false;
  path->assign(buffer, length);
  return true;
}
