#include "tests/support/bmp_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

Picture ReadBmp(const std::string& path, int width, int height) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Picture picture;
  if (bytes.size() < 54) return picture;
  auto field = [&](size_t at) {
    return static_cast<int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24);
  };
  const int32_t offset = field(10), file_width = field(18), file_height = field(22);
  EXPECT_EQ(bytes[28], 24) << "24 bits per pixel";
  EXPECT_EQ(field(30), 0) << "uncompressed";
  const size_t row_bytes = (static_cast<size_t>(file_width) * 3 + 3) & ~size_t{3};
  EXPECT_EQ(bytes.size(), static_cast<size_t>(offset) + row_bytes * file_height);
  if (file_width < width || file_height < height || bytes.size() < offset + row_bytes * file_height) {
    ADD_FAILURE() << path << " is " << file_width << " x " << file_height;
    return picture;
  }
  picture.width = width;
  picture.height = height;
  for (int y = 0; y < height; ++y) {
    const size_t row = static_cast<size_t>(offset) + row_bytes * (file_height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const unsigned char* p = &bytes[row + 3 * static_cast<size_t>(x)];
      picture.pixels.push_back(p[2] | p[1] << 8 | p[0] << 16);  // BGR to COLORREF
    }
  }
  return picture;
}
