// A made program: a copy of basic.exe's own file with a BASIC program's text
// after it, which runs that program and nothing else.
//
// basic.exe carries a mark, a record in its read-only data that says "not
// made". Making a program copies the file, fills in the copy's mark (where
// the text starts, its length, its CRC-32 and the .bas file's name) and
// appends the text. So the made program is exactly basic.exe plus the text,
// and a made program that lost its end still knows it was made, and says it
// is damaged instead of becoming basic.exe. Everything here is portable: it
// works on bytes, and the front end reads and writes the files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What `made` holds in a made program; basic.exe's own mark holds 0.
inline constexpr uint32_t MadeProgramFormat = 1;
inline constexpr std::size_t MadeProgramNameSize = 64;

// The same layout on both targets: only 32-bit fields, no padding. The tag
// lets --make find the record in the file; basic.exe defines it once, in the
// initial value of its own mark, so that it occurs nowhere else.
struct MadeProgramMark {
  char tag[16];
  uint32_t made;
  uint32_t text_offset;  // where the text starts: the size of basic.exe's file
  uint32_t text_length;
  uint32_t text_crc;     // CRC-32 of the text
  char name[MadeProgramNameSize];  // the .bas file's name, NUL-padded
};
static_assert(sizeof(MadeProgramMark) == 96);

// The made program's text and the name its messages give.
struct MadeProgram {
  std::string name;
  std::string text;
};

// CRC-32 (the polynomial of ZIP and PNG) of the bytes.
uint32_t Crc32(std::string_view bytes);

// The image of a made program: `own_image` (basic.exe's file, holding the
// bytes of `own_mark`, unmade, exactly once) with the mark filled in, then
// `text`. `name` is cut to
// the part after the last slash or backslash, and to fit the record. False,
// with the reason in *error, when the image has no unmade mark, more than
// one, or would pass 4 GB.
bool MakeProgramImage(std::string_view own_image, const MadeProgramMark& own_mark, std::string_view text,
                      std::string_view name, std::string* image, std::string* error);

// The program inside a made program whose mark is `mark`; `tail` is its file
// from mark.text_offset to the end (empty when the file is shorter). False,
// with what is wrong in *error, when the text is cut short, followed by
// other bytes, or not what was made.
bool ReadMadeProgram(const MadeProgramMark& mark, std::string_view tail, MadeProgram* program,
                     std::string* error);
