// The resources a made program can carry: an icon file taken apart into its
// images and their group, and the version resource, read back here by a
// reader of its own that walks the blocks as a file manager does.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "basic/made/icon_file.h"
#include "basic/made/version_resource.h"

namespace {

void Word(std::string* bytes, uint32_t value) {
  bytes->push_back(static_cast<char>(value & 0xFF));
  bytes->push_back(static_cast<char>(value >> 8 & 0xFF));
}
void Dword(std::string* bytes, uint32_t value) {
  Word(bytes, value & 0xFFFF);
  Word(bytes, value >> 16);
}
uint32_t ReadWord(const std::string& bytes, std::size_t at) {
  return static_cast<uint8_t>(bytes.at(at)) | static_cast<uint32_t>(static_cast<uint8_t>(bytes.at(at + 1))) << 8;
}

// A DIB as an icon holds it: its header, then some pixels.
std::string Dib(char fill) {
  std::string dib;
  Dword(&dib, 40);
  dib += std::string(36, '\0') + std::string(8, fill);
  return dib;
}
const std::string Png = std::string("\x89PNG\r\n\x1a\n", 8) + "rest";

struct IconEntry {
  uint8_t width;
  uint16_t bits;
  std::string image;
};

// An icon file: its header, the entries, then the images in order.
std::string IconFile(const std::vector<IconEntry>& entries) {
  std::string file;
  Word(&file, 0);
  Word(&file, 1);
  Word(&file, static_cast<uint32_t>(entries.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * entries.size());
  for (const IconEntry& entry : entries) {
    file += {static_cast<char>(entry.width), static_cast<char>(entry.width), 0, 0};
    Word(&file, 1);
    Word(&file, entry.bits);
    Dword(&file, static_cast<uint32_t>(entry.image.size()));
    Dword(&file, offset);
    offset += static_cast<uint32_t>(entry.image.size());
  }
  for (const IconEntry& entry : entries) file += entry.image;
  return file;
}

TEST(BasicMadeIcon, ImagesAndTheirGroupNumberedFromTheFirstId) {
  const std::string file = IconFile({{16, 32, Dib('a')}, {0, 32, Png}});
  IconResources icon;
  std::string error;
  ASSERT_TRUE(ReadIconFile(file, 7, &icon, &error)) << error;
  EXPECT_EQ(icon.images, (std::vector<std::string>{Dib('a'), Png}));
  // The group: the file's header and entries, each ending in its image's
  // resource number instead of its offset.
  std::string group = file.substr(0, 6);
  group += file.substr(6, 12);
  Word(&group, 7);
  group += file.substr(22, 12);
  Word(&group, 8);
  EXPECT_EQ(icon.group, group);
}

TEST(BasicMadeIcon, WhatIsNoIconIsRefusedWithItsReason) {
  const std::string good = IconFile({{32, 32, Dib('b')}});
  std::string cursor = good;
  cursor[2] = 2;
  std::string cut = good.substr(0, 10);
  std::string outside = good;  // the image's length one past the file's end
  outside[14] = static_cast<char>(outside[14] + 1);
  std::string huge_offset = good;  // an offset that wraps a 32-bit sum
  for (int i = 18; i < 22; ++i) huge_offset[static_cast<std::size_t>(i)] = '\xFF';
  std::string many = good;
  many[4] = 65;
  const struct {
    const char* what;
    std::string file;
    std::string error;
  } cases[] = {
      {"nothing", "", "not an icon file"},
      {"a cursor", cursor, "not an icon file"},
      {"no images", IconFile({}), "an icon file holds 1 to 64 images, this one 0"},
      {"65 images", many, "an icon file holds 1 to 64 images, this one 65"},
      {"entries cut short", cut, "the icon file is cut short"},
      {"an image past the end", outside, "image 1 of the icon file lies outside it"},
      {"an offset past 4 GB", huge_offset, "image 1 of the icon file lies outside it"},
      {"an empty image", IconFile({{32, 32, ""}}), "image 1 of the icon file lies outside it"},
      {"text for a picture", IconFile({{32, 32, Dib('c')}, {32, 8, "not a picture at all, no"}}),
       "image 2 of the icon file is no picture"},
  };
  for (const auto& c : cases) {
    IconResources icon;
    std::string error;
    EXPECT_FALSE(ReadIconFile(c.file, 1, &icon, &error)) << c.what;
    EXPECT_EQ(error, c.error) << c.what;
  }
}

// One block of a version resource as read back.
struct ReadBlock {
  std::u16string key;
  uint32_t value_length = 0;
  bool text = false;
  std::string value;
  std::vector<ReadBlock> children;
};

std::size_t Aligned(std::size_t at) { return (at + 3) & ~std::size_t{3}; }

// Reads the block at `at`, which must end within `end`, and its children.
ReadBlock ReadVersionBlock(const std::string& bytes, std::size_t at, std::size_t end) {
  ReadBlock block;
  const std::size_t length = ReadWord(bytes, at);
  EXPECT_LE(at + length, end);
  block.value_length = ReadWord(bytes, at + 2);
  block.text = ReadWord(bytes, at + 4) == 1;
  std::size_t p = at + 6;
  for (; ReadWord(bytes, p) != 0; p += 2) block.key.push_back(static_cast<char16_t>(ReadWord(bytes, p)));
  p = Aligned(p + 2);
  const std::size_t value_bytes = block.text ? 2 * block.value_length : block.value_length;
  block.value = bytes.substr(p, value_bytes);
  p = Aligned(p + value_bytes);
  while (p < at + length) {
    block.children.push_back(ReadVersionBlock(bytes, p, at + length));
    p = Aligned(p + ReadWord(bytes, p));
  }
  return block;
}

std::u16string TextOf(const std::string& value) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < value.size(); i += 2) text.push_back(static_cast<char16_t>(ReadWord(value, i)));
  if (!text.empty() && text.back() == 0) text.pop_back();
  return text;
}

TEST(BasicMadeVersion, CarriesTheProgramsNameInAUsEnglishTable) {
  const std::string bytes = VersionResource({u"GAME", u"GAME.EXE"});
  ASSERT_EQ(ReadWord(bytes, 0), bytes.size());
  const ReadBlock root = ReadVersionBlock(bytes, 0, bytes.size());
  EXPECT_EQ(root.key, u"VS_VERSION_INFO");
  ASSERT_EQ(root.value.size(), 52u);
  EXPECT_EQ(root.value.substr(0, 4), std::string("\xBD\x04\xEF\xFE", 4));  // the fixed part's signature
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].key, u"StringFileInfo");
  ASSERT_EQ(root.children[0].children.size(), 1u);
  const ReadBlock& table = root.children[0].children[0];
  EXPECT_EQ(table.key, u"040904B0");
  const std::vector<std::pair<std::u16string, std::u16string>> expected = {
      {u"FileDescription", u"GAME"}, {u"FileVersion", u"1.0.0.0"},       {u"InternalName", u"GAME"},
      {u"OriginalFilename", u"GAME.EXE"}, {u"ProductName", u"GAME"}, {u"ProductVersion", u"1.0.0.0"}};
  ASSERT_EQ(table.children.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(table.children[i].key, expected[i].first);
    EXPECT_TRUE(table.children[i].text);
    EXPECT_EQ(TextOf(table.children[i].value), expected[i].second);
  }
  const ReadBlock& var = root.children[1];
  EXPECT_EQ(var.key, u"VarFileInfo");
  ASSERT_EQ(var.children.size(), 1u);
  EXPECT_EQ(var.children[0].key, u"Translation");
  EXPECT_EQ(var.children[0].value, std::string("\x09\x04\xB0\x04", 4));
}

TEST(BasicMadeVersion, NamesOfEveryLengthKeepTheBlocksAligned) {
  for (std::size_t n = 1; n <= 9; ++n) {
    const std::u16string name(n, u'N');
    const std::string bytes = VersionResource({name, name + u".EXE"});
    const ReadBlock root = ReadVersionBlock(bytes, 0, bytes.size());
    ASSERT_EQ(root.children.size(), 2u) << n;
    const ReadBlock& table = root.children[0].children.at(0);
    ASSERT_EQ(table.children.size(), 6u) << n;
    EXPECT_EQ(TextOf(table.children[4].value), name) << n;
    EXPECT_EQ(root.children[1].children.at(0).key, u"Translation") << n;
  }
}

}  // namespace
