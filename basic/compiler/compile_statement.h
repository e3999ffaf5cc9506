// Statements: the dispatch on a statement's first word to the routine that
// compiles it, in this folder or in a feature's. Each such routine starts
// at the statement's first word and reads up to its end.
#pragma once

struct Compiler;

// The statements of the rest of the line, separated by ':'; in a one-line
// IF, up to its ELSE.
void CompileStatementList(Compiler& c, bool in_one_line_if);
// One statement.
void CompileStatement(Compiler& c, bool in_one_line_if);
