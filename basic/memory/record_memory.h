// The bytes of a record, or of an array of records, placed in the emulated
// memory: each field's bytes where a random-access file would have them
// (records/record_bytes.h), an array's elements one after another in the
// classic order. PEEK and POKE there read and write the fields themselves:
// a number's bytes as VariableMemory keeps them, a fixed string's within
// its length (a field never stored reads as NULs and is filled out by the
// first byte poked into it).
#pragma once

#include <cstdint>

#include "basic/memory/variable_memory.h"
#include "basic/records/record_types.h"
#include "basic/variables/variables.h"

// The byte at offset from the record's (or the array's first element's)
// address; 0 past the end of an array made smaller since.
uint8_t ReadRecordByte(VariableMemory& memory, Variables& variables, const RecordLayout& layout, uint32_t address,
                       uint32_t offset);
void WriteRecordByte(VariableMemory& memory, Variables& variables, const RecordLayout& layout, uint32_t address,
                     uint32_t offset, uint8_t byte);
