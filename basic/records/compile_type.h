// TYPE name ... END TYPE: a record type, one field a line between them:
//   field AS INTEGER | LONG | SINGLE | DOUBLE | STRING * n | typename
// A type is defined outside procedures and blocks, before its first use;
// a field's type is a number type, a fixed-length string, or a type
// defined before. The first pass over the text reads the types too, so
// that procedures' parameters and DIM SHARED may name them.
#pragma once

#include <cstddef>

struct Compiler;

// TYPE name, at the word.
void CompileType(Compiler& c);
// Inside a TYPE block every statement is a field or END TYPE.
bool InTypeBlock(const Compiler& c);
void CompileTypeLine(Compiler& c);
// At the end of the text: a TYPE never closed is reported.
void CloseOpenType(Compiler& c);
// The first pass: reads the line when it belongs to a TYPE, silently;
// false when it does not.
bool FindTypeLine(Compiler& c);
// Where the current line's first statement starts: past its number, its
// label and any colons.
std::size_t FirstStatement(const Compiler& c);
