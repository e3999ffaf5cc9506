// The classic words this BASIC lacks, met where a statement starts or in
// an expression: each is an error that names it ("PCOPY is not a statement
// of this BASIC"), never a puzzle about an assignment.
#pragma once

#include "basic/variables/variables.h"

struct Compiler;
struct Token;

// At a statement's start: an error when it starts with such a word, or
// with our words followed by one (PRINT #, LINE INPUT #, DEF SEG).
void RejectClassicStatement(Compiler& c);
// Such a word in an expression: always an error.
[[noreturn]] ValueKind CompileClassicFunction(Compiler& c, const Token& word);
// After ON (at): an error when an event trap follows (ON KEY(n), ON TIMER(n)).
void RejectEventTrap(Compiler& c, const Token& on);
