// The words of classic Microsoft-family BASIC that this BASIC lacks.
//
// They stay reserved, as they were there: the lexer makes each one an
// Unsupported token, never a name, so that a listing using one gets an
// error naming the word ("PCOPY is not a statement of this BASIC") rather
// than a puzzle about an assignment, and a function such as INKEY$ is never
// taken for an automatic array.
#pragma once

#include <cstdint>
#include <string_view>

enum class ClassicUse : uint8_t {
  Statement,  // starts a statement: PCOPY, OPEN
  Function,   // stands in an expression: INKEY$, PEEK (some also start a statement)
  Modifier,   // follows one of our words: PRINT USING, DEF SEG
};

struct ClassicWord {
  const char* text;  // upper case, with its $ where it has one
  ClassicUse use;
};

// The entry for an upper-case word (its $ included), or null.
const ClassicWord* FindClassicWord(std::string_view word);
