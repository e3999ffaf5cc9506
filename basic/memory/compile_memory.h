// The memory's and ports' statements and functions in the program text:
// DEF SEG, POKE, OUT and WAIT; VARPTR, VARSEG and SADD, which take a
// variable rather than a value (PEEK and INP are rows of the built-ins'
// table). And CALL ABSOLUTE and CALL INTERRUPT, refused with their reason.
#pragma once

#include "basic/code/value_kind.h"

struct Compiler;
struct Token;

// Whether the statement at DEF is DEF SEG.
bool StartsDefSeg(const Compiler& c);
// DEF SEG [= segment], at DEF.
void CompileDefSeg(Compiler& c);
// POKE offset, value; OUT port, value; WAIT port, and [, xor]: at the word.
void CompilePoke(Compiler& c);
void CompileOut(Compiler& c);
void CompileWait(Compiler& c);
// VARPTR(variable), VARSEG(variable), SADD(string variable), after the
// function's word: a LONG, 0 to 65535.
ValueKind CompileVariableAddress(Compiler& c, const Token& function);
// VARPTR$(variable), after its word: a number or string variable, named
// for DRAW and PLAY (text/command_string.h).
ValueKind CompileVariableReference(Compiler& c);
// A call of ABSOLUTE, INTERRUPT or INTERRUPTX, which the program does not
// define itself, is an error here: they ran machine code and the PC's BIOS.
// At CALL, name is the token after it; at a statement's first name, that
// name, which an assignment may follow instead.
void RejectMachineCodeCall(Compiler& c, const Token& name);
