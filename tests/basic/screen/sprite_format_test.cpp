// The images graphics GET leaves in an array, byte for byte, worked out by
// hand from their colour numbers; and back to the same colour numbers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basic/screen/sprite_format.h"

namespace {

std::string Hex(const std::vector<uint8_t>& bytes) {
  std::string text;
  for (const uint8_t byte : bytes) {
    static const char digits[] = "0123456789ABCDEF";
    text += digits[byte >> 4];
    text += digits[byte & 15];
    text += ' ';
  }
  return text;
}

TEST(SpriteFormat, EncodesEachModesRowsAsTheClassicBasicsDid) {
  const struct {
    int32_t mode, width, height;
    std::vector<uint8_t> colours;
    std::string bytes;
    const char* why;
  } rows[] = {
      {13, 2, 2, {1, 2, 3, 255}, "10 00 02 00 01 02 03 FF ", "a byte a pixel, the width in bits"},
      {1, 3, 2, {3, 0, 1, 2, 2, 2}, "06 00 02 00 C4 A8 ", "2 bits a pixel, each row padded to a whole byte"},
      {2, 10, 1, {1, 0, 0, 0, 0, 0, 0, 1, 1, 1}, "0A 00 01 00 81 C0 ", "a bit a pixel, the row padded to whole bytes"},
      {7, 3, 1, {1, 6, 15}, "03 00 01 00 A0 60 60 20 ", "a plane a byte: blue, green, red, intensity"},
      {12, 9, 2, {8, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       "09 00 02 00 00 00 00 00 00 00 80 80 00 00 00 00 00 00 00 00 ", "each plane 2 bytes, then the next row"},
  };
  for (const auto& row : rows) {
    SpriteShape shape;
    ASSERT_TRUE(SpriteShapeOf(*FindScreenMode(row.mode), &shape)) << row.mode;
    const std::vector<uint8_t> bytes = EncodeSprite(shape, row.width, row.height, row.colours);
    EXPECT_EQ(Hex(bytes), row.bytes) << "SCREEN " << row.mode << ": " << row.why;
    EXPECT_EQ(static_cast<int64_t>(bytes.size()), SpriteBytes(shape, row.width, row.height)) << row.why;
    int32_t width = 0, height = 0;
    SpriteSizes(shape, bytes.data(), &width, &height);
    EXPECT_EQ(width, row.width) << row.why;
    EXPECT_EQ(height, row.height) << row.why;
    EXPECT_EQ(DecodeSprite(shape, width, height, bytes.data() + 4), row.colours) << "SCREEN " << row.mode << ": read back";
  }
}

TEST(SpriteFormat, ArraySizesFollowTheClassicFormula) {
  // 4 + INT((w * bits + 7) / 8) * planes * h
  const struct {
    int32_t mode, width, height;
    int64_t bytes;
  } rows[] = {{13, 32, 32, 4 + 32 * 32}, {1, 5, 3, 4 + 2 * 3}, {2, 9, 2, 4 + 2 * 2}, {12, 17, 4, 4 + 3 * 4 * 4},
              {9, 8, 1, 4 + 4}};
  for (const auto& row : rows) {
    SpriteShape shape;
    ASSERT_TRUE(SpriteShapeOf(*FindScreenMode(row.mode), &shape));
    EXPECT_EQ(SpriteBytes(shape, row.width, row.height), row.bytes) << "SCREEN " << row.mode << ", " << row.width << " x " << row.height;
  }
  SpriteShape none;
  EXPECT_FALSE(SpriteShapeOf(RuntimeScreenMode(), &none)) << "the runtime's own screen keeps no images";
}

}  // namespace
