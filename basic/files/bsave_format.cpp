#include "basic/files/bsave_format.h"

namespace {

void AddWord(std::string* out, uint16_t word) {
  out->push_back(static_cast<char>(word & 0xFF));
  out->push_back(static_cast<char>(word >> 8));
}

uint16_t WordAt(std::string_view bytes, std::size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8);
}

}  // namespace

std::string BsaveFile(BsaveHeader header, const uint8_t* bytes) {
  std::string file;
  file.reserve(BsaveHeaderBytes + header.length);
  file.push_back(static_cast<char>(BsaveMark));
  AddWord(&file, header.segment);
  AddWord(&file, header.offset);
  AddWord(&file, header.length);
  file.append(reinterpret_cast<const char*>(bytes), header.length);
  return file;
}

bool ReadBsaveHeader(std::string_view file, BsaveHeader* header) {
  if (file.size() < BsaveHeaderBytes || static_cast<uint8_t>(file[0]) != BsaveMark) return false;
  *header = {WordAt(file, 1), WordAt(file, 3), WordAt(file, 5)};
  return true;
}
