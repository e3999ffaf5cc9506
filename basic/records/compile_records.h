// Record variables and fixed-length strings in the program text: their
// declarations (DIM ... AS typename, AS STRING * n), references to fields
// (P.X, P(I).POS.X) and whole records, and their arrays' DIM, REDIM and
// ERASE.
//
// Every declaration is held under the key of the scope it belongs to: the
// name alone for the program's, the procedure's prefix before it for a
// procedure's own. A record variable is "P" or "P()" (no suffix: its type
// is its TYPE); a fixed-length string is its canonical name ("S$", "S$()").
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "basic/code/code.h"
#include "basic/code/value_kind.h"

struct Compiler;
struct Token;

// What "AS ..." declares: a number type or STRING (length 0), a STRING * n
// (length n), or a record type (record >= 0).
struct AsClause {
  ValueKind kind = ValueKind::Single;
  int32_t record = -1;
  int32_t length = 0;
};
// "AS type" when it comes next; false, reading nothing, when it does not.
bool ReadAs(Compiler& c, AsClause* as);
// The type of a record named after AS at the current token, or -1 (reads
// nothing).
int32_t RecordAfterAs(const Compiler& c);

// The key a declaration of that tagged name ("P", "P()") is held under here.
std::string ScopedKey(const Compiler& c, const std::string& tagged);
// The record type of a record variable (or array), or -1.
int32_t RecordOf(const Compiler& c, const std::string& bare, bool array);
// The length of a fixed-length string variable (or array), or 0.
int32_t FixedLengthOf(const Compiler& c, const std::string& canonical, bool array);
// The declarations DIM makes: a record variable or array, and a fixed length.
void DeclareRecord(Compiler& c, const Token& name, bool array, int32_t type);
void DeclareFixedLength(Compiler& c, const std::string& canonical, bool array, int32_t length);

// The load or store of a variable or element of that kind, through the
// fixed-length instructions when length > 0.
Instruction AccessOf(ValueKind kind, int32_t length, bool element, bool for_store, int32_t slot, int32_t subscripts);

// DIM or REDIM of an array of records, after its bounds were compiled once
// from the token at bounds_at: one array per leaf, each with those bounds.
void DimRecordArray(Compiler& c, const Token& name, int32_t type, bool redim, std::size_t bounds_at,
                    int32_t subscripts, int32_t given_lower);
// ERASE, LBOUND and UBOUND of an array of records: its leaves' arrays (the
// first leaf's for the bounds). False, or -1, when name is no such array.
bool EraseRecordArray(Compiler& c, const Token& name);
int32_t RecordArrayBoundSlot(Compiler& c, const Token& name);
