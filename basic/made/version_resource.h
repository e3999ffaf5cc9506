// The version resource of a made program, as a file manager reads it: a
// fixed part (version 1.0.0.0, an application for 32-bit Windows) and one
// table of strings in US English, where the program's name stands as its
// description, product, internal and original file name. Portable: the
// caller gives the texts already in UTF-16.
#pragma once

#include <cstdint>
#include <string>

struct VersionTexts {
  std::u16string name;           // the program's name: "GAME"
  std::u16string original_file;  // the made file's name: "GAME.EXE"
};

// The language and code page of the string table: US English, Unicode.
inline constexpr char16_t VersionTableKey[] = u"040904B0";
inline constexpr uint16_t VersionLanguage = 0x0409;

// The resource's bytes (VS_VERSIONINFO), to be stored as version resource 1.
std::string VersionResource(const VersionTexts& texts);
