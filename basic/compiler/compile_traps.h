// ON ERROR GOTO, RESUME and ERROR n: the statements of error trapping.
// The handler and RESUME's line are jumps resolved with the others; both
// must be in the program's own code, outside procedures.
#pragma once

struct Compiler;

// ON ERROR GOTO line|label, or GOTO 0, with the word ON read and ERROR next.
void CompileOnError(Compiler& c);
// RESUME, RESUME 0, RESUME NEXT, RESUME line|label.
void CompileResume(Compiler& c);
// ERROR n.
void CompileRaiseError(Compiler& c);
