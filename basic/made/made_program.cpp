#include "basic/made/made_program.h"

#include <array>
#include <cstring>
#include <limits>

namespace {

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<uint32_t, 256> CrcTable = MakeCrcTable();

std::string_view BaseName(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Where the mark stands in the image, if it stands there exactly once.
std::size_t FindOnlyMark(std::string_view image, const MadeProgramMark& mark, std::string* error) {
  const std::string_view bytes(reinterpret_cast<const char*>(&mark), sizeof mark);
  const std::size_t at = image.find(bytes);
  if (at == std::string_view::npos) {
    *error = "basic.exe's file does not hold its program mark";
    return std::string_view::npos;
  }
  if (image.find(bytes, at + 1) != std::string_view::npos) {
    *error = "basic.exe's file holds its program mark more than once";
    return std::string_view::npos;
  }
  return at;
}

}  // namespace

uint32_t Crc32(std::string_view bytes) {
  uint32_t c = 0xFFFFFFFFu;
  for (char byte : bytes) c = CrcTable[(c ^ static_cast<uint8_t>(byte)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

bool MakeProgramImage(std::string_view own_image, const MadeProgramMark& own_mark, std::string_view text,
                      std::string_view name, std::string* image, std::string* error) {
  if (own_mark.made != 0) {
    *error = "a made program cannot make programs";
    return false;
  }
  const std::size_t at = FindOnlyMark(own_image, own_mark, error);
  if (at == std::string_view::npos) return false;
  constexpr uint64_t Limit = std::numeric_limits<uint32_t>::max();
  if (uint64_t{own_image.size()} + text.size() > Limit) {
    *error = "the program would be larger than 4 GB";
    return false;
  }
  MadeProgramMark mark = own_mark;
  mark.made = MadeProgramFormat;
  mark.text_offset = static_cast<uint32_t>(own_image.size());
  mark.text_length = static_cast<uint32_t>(text.size());
  mark.text_crc = Crc32(text);
  const std::string_view base = BaseName(name).substr(0, MadeProgramNameSize - 1);
  std::memset(mark.name, 0, sizeof mark.name);
  std::memcpy(mark.name, base.data(), base.size());

  image->reserve(own_image.size() + text.size());
  image->assign(own_image);
  std::memcpy(image->data() + at, &mark, sizeof mark);
  image->append(text);
  return true;
}

bool ReadMadeProgram(const MadeProgramMark& mark, std::string_view tail, MadeProgram* program,
                     std::string* error) {
  if (mark.made != MadeProgramFormat) {
    *error = "this program was made by another version of basic.exe";
    return false;
  }
  if (tail.size() < mark.text_length) {
    *error = "this program is damaged: its BASIC text is cut short";
    return false;
  }
  if (tail.size() > mark.text_length) {
    *error = "this program is damaged: other bytes follow its BASIC text";
    return false;
  }
  if (Crc32(tail) != mark.text_crc) {
    *error = "this program is damaged: its BASIC text was changed";
    return false;
  }
  const std::string_view name(mark.name, sizeof mark.name);
  program->name.assign(name.substr(0, name.find('\0')));
  program->text.assign(tail);
  return true;
}
