// SELECT CASE: the selector is evaluated once into a hidden variable; each
// CASE tests it against its items in turn and jumps to its statements on
// the first match, or on to the next CASE.
#pragma once

struct Compiler;
struct Token;

// Each at its first word.
void CompileSelect(Compiler& c);
void CompileCase(Compiler& c);
void CompileEndSelect(Compiler& c);
// Only comments may come between SELECT CASE and its first CASE: an error
// for any other statement there, at its first token.
void CheckCaseComesFirst(const Compiler& c, const Token& first);
