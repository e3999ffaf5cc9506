// An icon file (.ico) taken apart into the resources a program carries: one
// icon resource per image, numbered from `first_id`, and the group that
// lists them, which is what a file manager shows. Everything here works on
// bytes, and the file is untrusted: every count, size and offset it holds is
// checked against the file itself before a byte is taken.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct IconResources {
  std::vector<std::string> images;  // each image's bytes: a DIB or a PNG
  std::string group;                // the group icon resource's bytes
};

// An icon file holds at most this many images.
inline constexpr int MaxIconImages = 64;

// False, with what is wrong in *error, when `file` is no icon file: not the
// icon header, no images or more than MaxIconImages, an image outside the
// file, empty, or neither a DIB nor a PNG.
bool ReadIconFile(std::string_view file, uint16_t first_id, IconResources* icon, std::string* error);
