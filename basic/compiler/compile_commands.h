// The direct mode's commands as statements of a running program, as the
// classic line-numbered BASIC ran them: RUN starts the program anew (at a
// line, with RUN n), LIST prints its lines, SAVE writes its text to a
// file, NEW and LOAD end the run (a file's program is not replaced while
// it runs), and CONT is Cannot continue.
#pragma once

struct Compiler;

// At the command's word: RUN, LIST, SAVE, NEW, LOAD or CONT.
void CompileProgramCommand(Compiler& c);
