// File names as programs give them: which are refused, which name a device,
// how a wildcard pattern matches, and how a name is cut into its folder and
// its last part. Pure functions over bytes, the same on every system.
//
// Names are bytes in the system's ANSI code page (Shift-JIS): every scan
// here steps over double-byte characters whole, so a trail byte that looks
// like '\' or '|' is never taken for one. Both '\' and '/' separate folders.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "basic/executor/run_errors.h"

// The longest name taken, in bytes; a longer one is a bad file name.
inline constexpr std::size_t MaxFileNameBytes = 255;

// What a name opens when it is not a disk file.
enum class DeviceKind {
  None,         // a disk file
  Screen,       // SCRN:, CONS:, CON
  Keyboard,     // KYBD:
  Printer,      // LPT1: to LPT3:, PRN, LPT1 to LPT9
  Null,         // NUL: reads nothing, drops what is written
  Unavailable,  // COM1:, CAS1:, AUX, COM1 to COM9: none is there
};

// "SCRN:" and the other BASIC devices, by the word before the first colon
// (anything after it, as COM's options, is the device's business); and the
// system's reserved names (CON, PRN, AUX, NUL, COMn, LPTn, with or without
// an extension, in any folder), which would reach devices on Windows and so
// do the same everywhere. Letters in any case.
DeviceKind DeviceOfName(std::string_view name);

// None, or BadFileName for a name that is empty, longer than
// MaxFileNameBytes, or holds a control byte, one of " < > |, a wildcard
// (unless allow_wildcards: then ? and * in the last part only), a ':' other
// than a drive's ("C:"), or begins with the system's device prefixes
// \\.\ and \\?\.
RunError CheckFileName(std::string_view name, bool allow_wildcards = false);

bool IsFolderSeparator(char byte);
bool HasWildcards(std::string_view name);

// The name with every folder separator replaced by separator.
std::string WithSeparators(std::string_view name, char separator);

// Where the last part of a name begins: after its last separator or a
// drive's colon. "A:\B\C.DAT" -> 5; "C.DAT" -> 0; "A:" -> 2.
std::size_t LastPartStart(std::string_view name);

// name without the separators at its end, the root's kept ("\", "C:\").
std::string_view WithoutTrailingSeparators(std::string_view name);

// Whether name matches a pattern of ? (one character) and * (any run of
// characters, also none), letters in any case. "*.*" and a pattern ending
// in ".*" also match names without an extension, as the systems' own
// listings do.
bool MatchesWildcards(std::string_view pattern, std::string_view name);

// An absolute path made plain: "." parts dropped, ".." parts taking the
// part before them away (never above the root), repeated separators one.
// The path must begin with separator; the result does, and ends without
// one unless it is the root.
std::string PlainPath(std::string_view absolute, char separator);
