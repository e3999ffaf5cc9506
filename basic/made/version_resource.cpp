#include "basic/made/version_resource.h"

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// A block of the resource: its length, its value's length, whether the
// value is text, its key, its value and its children, each part starting
// on a 4-byte boundary.
struct Block {
  std::u16string key;
  std::string value;       // the value's bytes
  uint16_t value_length;   // in bytes for binary values, in characters for text
  bool text;
  std::vector<Block> children;
};

void PutWord(std::string* bytes, uint32_t value) {
  bytes->push_back(static_cast<char>(value & 0xFF));
  bytes->push_back(static_cast<char>((value >> 8) & 0xFF));
}
void PutDword(std::string* bytes, uint32_t value) {
  PutWord(bytes, value & 0xFFFF);
  PutWord(bytes, value >> 16);
}
void PutText(std::string* bytes, const std::u16string& text) {
  for (char16_t c : text) PutWord(bytes, c);
  PutWord(bytes, 0);
}
void Align(std::string* bytes) {
  while (bytes->size() % 4 != 0) bytes->push_back('\0');
}

// A block's length leaves out the padding after its last part.
std::string Bytes(const Block& block) {
  std::string bytes(6, '\0');
  PutText(&bytes, block.key);
  Align(&bytes);
  bytes += block.value;
  for (const Block& child : block.children) {
    Align(&bytes);
    bytes += Bytes(child);
  }
  const std::size_t length = bytes.size();
  bytes[0] = static_cast<char>(length & 0xFF);
  bytes[1] = static_cast<char>(length >> 8);
  bytes[2] = static_cast<char>(block.value_length & 0xFF);
  bytes[3] = static_cast<char>(block.value_length >> 8);
  bytes[4] = block.text ? 1 : 0;
  return bytes;
}

Block String(std::u16string key, const std::u16string& value) {
  std::string bytes;
  PutText(&bytes, value);
  return Block{std::move(key), bytes, static_cast<uint16_t>(value.size() + 1), true, {}};
}

// VS_FIXEDFILEINFO: file and product version 1.0.0.0, an application for
// 32-bit Windows, no flags.
std::string FixedInfo() {
  std::string bytes;
  for (uint32_t field : {0xFEEF04BDu, 0x00010000u, 0x00010000u, 0u, 0x00010000u, 0u, 0x3Fu, 0u, 0x00040004u, 1u,
                         0u, 0u, 0u}) {
    PutDword(&bytes, field);
  }
  return bytes;
}

}  // namespace

std::string VersionResource(const VersionTexts& texts) {
  Block table{VersionTableKey, {}, 0, true, {}};
  table.children = {String(u"FileDescription", texts.name),  String(u"FileVersion", u"1.0.0.0"),
                    String(u"InternalName", texts.name),     String(u"OriginalFilename", texts.original_file),
                    String(u"ProductName", texts.name),      String(u"ProductVersion", u"1.0.0.0")};
  std::string translation;
  PutWord(&translation, VersionLanguage);
  PutWord(&translation, 1200);  // the code page of Unicode
  Block root{u"VS_VERSION_INFO", FixedInfo(), 52, false, {}};
  root.children = {Block{u"StringFileInfo", {}, 0, true, {table}},
                   Block{u"VarFileInfo", {}, 0, true, {Block{u"Translation", translation, 4, false, {}}}}};
  return Bytes(root);
}
