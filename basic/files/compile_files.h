// The file statements in the program text: OPEN (both forms), CLOSE,
// RESET, SEEK, the disk's commands, INPUT #, LINE INPUT #, WRITE [#],
// FIELD, LSET, RSET, GET and PUT. PRINT # and PRINT USING are PRINT's
// (text/compile_print.cpp), which calls FileNumberItem here.
#pragma once

struct Compiler;

// [#]n: the file number as a number on the stack.
void FileNumberItem(Compiler& c);
// Whether a '#' comes next; takes it.
bool MatchHash(Compiler& c);

// Each at its statement's first word.
void CompileOpen(Compiler& c);
void CompileClose(Compiler& c);
void CompileSeek(Compiler& c);
void CompileDiskCommand(Compiler& c);  // KILL, NAME, MKDIR, RMDIR, CHDIR, FILES
void CompileWrite(Compiler& c);
// INPUT # and LINE INPUT #, at INPUT or LINE, when a '#' follows;
// false, reading nothing, when none does.
bool CompileInputFile(Compiler& c, bool line);
void CompileField(Compiler& c);
void CompileSetField(Compiler& c);  // LSET, RSET
void CompileTransfer(Compiler& c);  // GET, PUT
