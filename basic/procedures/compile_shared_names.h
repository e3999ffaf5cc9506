// The names a procedure shares with the program or keeps: SHARED and
// STATIC inside a procedure, DIM SHARED outside, and the types they and the
// parameters give to names without a suffix. DECLARE is read and left: every
// call is checked against the definition itself.
#pragma once

#include <string>

struct Compiler;

// SHARED x, a() (shared) or STATIC x, a(), at the word.
void CompileSharedOrStatic(Compiler& c, bool shared);
// DIM SHARED, after DIM.
void CompileDimShared(Compiler& c);
// DECLARE SUB|FUNCTION ..., at the word.
void CompileDeclare(Compiler& c);
// The name a name without suffix means where a parameter or a shared name
// was declared AS a type: "X" is "X%" after DIM SHARED X AS INTEGER.
std::string DeclaredName(const Compiler& c, const std::string& canonical);
