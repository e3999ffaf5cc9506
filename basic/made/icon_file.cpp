#include "basic/made/icon_file.h"

namespace {

constexpr std::size_t HeaderSize = 6;      // reserved, type, count
constexpr std::size_t FileEntrySize = 16;  // the file's entry: ends in the image's offset
constexpr std::size_t GroupEntrySize = 14;  // the group's entry: ends in the image's resource number
constexpr uint16_t IconType = 1;            // 2 would be a cursor
constexpr uint32_t DibHeaderSize = 40;      // BITMAPINFOHEADER
constexpr std::string_view PngSignature("\x89PNG\r\n\x1a\n", 8);

uint16_t Word(std::string_view bytes, std::size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8);
}
uint32_t Dword(std::string_view bytes, std::size_t at) {
  return Word(bytes, at) | static_cast<uint32_t>(Word(bytes, at + 2)) << 16;
}
void PutWord(std::string* bytes, uint16_t value) {
  bytes->push_back(static_cast<char>(value & 0xFF));
  bytes->push_back(static_cast<char>(value >> 8));
}

bool IsImage(std::string_view image) {
  return image.substr(0, PngSignature.size()) == PngSignature ||
         (image.size() >= DibHeaderSize && Dword(image, 0) == DibHeaderSize);
}

bool Fail(std::string* error, std::string message) {
  *error = std::move(message);
  return false;
}

}  // namespace

bool ReadIconFile(std::string_view file, uint16_t first_id, IconResources* icon, std::string* error) {
  *icon = IconResources();
  if (file.size() < HeaderSize || Word(file, 0) != 0 || Word(file, 2) != IconType) {
    return Fail(error, "not an icon file");
  }
  const uint16_t count = Word(file, 4);
  if (count == 0 || count > MaxIconImages) {
    return Fail(error, "an icon file holds 1 to " + std::to_string(MaxIconImages) + " images, this one " +
                           std::to_string(count));
  }
  if (file.size() < HeaderSize + std::size_t{count} * FileEntrySize) return Fail(error, "the icon file is cut short");
  if (uint32_t{first_id} + count > 0xFFFF) return Fail(error, "too many icon images for their numbers");
  icon->group = std::string(file.substr(0, HeaderSize));
  for (uint16_t i = 0; i < count; ++i) {
    const std::size_t entry = HeaderSize + std::size_t{i} * FileEntrySize;
    const uint64_t size = Dword(file, entry + 8);
    const uint64_t offset = Dword(file, entry + 12);
    if (size == 0 || offset + size > file.size()) {
      return Fail(error, "image " + std::to_string(i + 1) + " of the icon file lies outside it");
    }
    const std::string_view image = file.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
    if (!IsImage(image)) return Fail(error, "image " + std::to_string(i + 1) + " of the icon file is no picture");
    icon->images.emplace_back(image);
    // The group's entry is the file's, with the resource's number in place
    // of the offset.
    icon->group.append(file.substr(entry, GroupEntrySize - 2));
    PutWord(&icon->group, static_cast<uint16_t>(first_id + i));
  }
  return true;
}
