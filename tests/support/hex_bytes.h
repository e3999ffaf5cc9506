// Bytes written and read as hex pairs, for tests that compare binary data:
// "00 00 80 3F" is four bytes.
#pragma once

#include <string>

// "00 00 80 3F" as bytes; spaces between pairs are optional.
inline std::string Bytes(const char* hex) {
  std::string bytes;
  for (const char* p = hex; *p != '\0';) {
    if (*p == ' ') {
      ++p;
      continue;
    }
    bytes += static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16));
    p += 2;
  }
  return bytes;
}

// The bytes as upper-case hex pairs, one space between them.
inline std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string hex;
  for (const unsigned char c : bytes) {
    if (!hex.empty()) hex += ' ';
    hex += digits[c >> 4];
    hex += digits[c & 15];
  }
  return hex;
}
