// The files BSAVE writes and BLOAD reads: a header of 7 bytes, &HFD and
// then the segment, the offset and the length the bytes were saved from,
// each a 2-byte little-endian word; then the bytes. Pure functions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::size_t BsaveHeaderBytes = 7;
inline constexpr uint8_t BsaveMark = 0xFD;

struct BsaveHeader {
  uint16_t segment, offset, length;
};

// The file: the header, then header.length bytes from `bytes`.
std::string BsaveFile(BsaveHeader header, const uint8_t* bytes);
// The header of a file's bytes; false when they are too short for one or
// do not start with the mark. The bytes after it may be fewer than its
// length says: the caller takes what is there.
bool ReadBsaveHeader(std::string_view file, BsaveHeader* header);
