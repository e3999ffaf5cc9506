// A program's whole text to its compact form: every line compiled in turn,
// then the checks that need the whole text (jumps to their labels, blocks
// left open, procedures' bodies and arguments), then each call's way.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "basic/basic.h"

struct Code;
class Variables;

struct ProgramText {
  std::string_view source;
  std::string file;
  // When given, the line number reported for source line i + 1 (the direct
  // mode reports its stored programs by their BASIC line numbers).
  const std::vector<int32_t>* reported_lines = nullptr;
  // When given, the file and line each source line came from (a program
  // whose '$INCLUDE' files have been read).
  const BasicSourceText* origins = nullptr;
};

// Fills code on success; otherwise appends the errors, in source order.
// Names become slots of the variables, which may hold a session's names
// already.
bool CompileProgram(const ProgramText& text, Variables* variables, Code* code, std::vector<BasicDiagnostic>* errors);
