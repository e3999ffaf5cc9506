// INPUT and LINE INPUT: a typed line is read first, then the variables,
// subscripts included, are evaluated and given their fields in turn.
#pragma once

struct Compiler;

// INPUT, at its word; LINE INPUT, at LINE.
void CompileInput(Compiler& c);
void CompileLineInput(Compiler& c);
