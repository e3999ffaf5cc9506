// References to records in the program text: a field (P.X, P(I).POS.X)
// where a variable may stand, a whole record in an assignment, as a SUB's
// or FUNCTION's argument, and in LEN.
//
// A whole record is copied, or passed, leaf by leaf. An element's
// subscripts are then evaluated once, into hidden variables of the scope
// (names no program can spell), and pushed again for each leaf.
#pragma once

#include <cstdint>
#include <vector>

#include "basic/code/code.h"
#include "basic/code/value_kind.h"
#include "basic/procedures/procedure.h"
#include "basic/records/record_types.h"

struct Compiler;

// At a name: whether it starts a record's reference (a record variable or
// array, or any name with a period after it).
bool StartsRecordReference(const Compiler& c);
// A field as a variable: the load or the store, as CompileVariable gives
// them. A whole record here is an error.
Instruction CompileFieldReference(Compiler& c, bool for_store, ValueKind* kind);
// A = B between whole records of one type, at A; false, reading nothing,
// when the statement assigns no whole record.
bool CompileRecordAssignment(Compiler& c);
// SWAP A, B of whole records of one type, after SWAP: field by field.
// False, reading nothing, when A is no whole record.
bool CompileRecordSwap(Compiler& c);
// After LEN: "(record or field or number variable)" gives its bytes, a
// constant; false, reading nothing, for anything else.
bool CompileLenOfRecord(Compiler& c);
// A whole record for GET and PUT, at its name: its layout added to the
// code's record_layouts, whose index comes back, and an element's
// subscripts pushed once (the layout's subscripts of them). -1, reading
// nothing, when no whole record stands here.
int32_t CompileRecordLayout(Compiler& c);
// A record, an element of an array of records, or a field of either
// (nested records included), for VARPTR and VARSEG, at its name: the
// layout of the whole record (or element) it starts from, added as
// CompileRecordLayout adds one, and in *byte where the reference's bytes
// start in that record. -1, reading nothing, when no record stands here.
int32_t CompileRecordPlace(Compiler& c, int32_t* byte);
// A whole record as the argument of a parameter of that type: one
// argument by reference per leaf; numbers counts the subscripts pushed.
std::vector<Argument> CompileRecordArgument(Compiler& c, int32_t type, const std::string& position,
                                            int32_t* numbers);
