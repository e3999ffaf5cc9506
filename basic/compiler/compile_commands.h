// The direct mode's commands as statements of a running program, as the
// classic line-numbered BASIC ran them: RUN starts the program anew (at a
// line, with RUN n), LIST prints its lines, SAVE writes its text to a
// file, NEW and LOAD end the run (a file's program is not replaced while
// it runs), and CONT is Cannot continue. TRON prints each numbered line's
// number in brackets as the line starts, until TROFF.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

struct Compiler;

// At the command's word: RUN, LIST, SAVE, NEW, LOAD, CONT, TRON or TROFF.
void CompileProgramCommand(Compiler& c);

// Whether the program's lines must carry their trace: the TRON keyword
// somewhere among their tokens (only then, so that other programs pay
// nothing for it).
bool MayTrace(const std::vector<std::string_view>& lines);
// At the start of a line with a number, in a program that may trace.
void CompileTracePoint(Compiler& c, int32_t number);
