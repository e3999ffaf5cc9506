// PRINT at run time: a statement's items are built into one text, written
// through the runtime's PRINT at the statement's end (or before anything
// that waits), while the machine follows the column PRINT has reached for
// the commas, TAB and POS. LOCATE moves the window's cursor and that column
// together; CSRLIN reads the window's row. On the PC's grid (SCREEN, WIDTH,
// VIEW PRINT) an item that does not fit in what is left of the row starts
// on the next row, and a comma whose zone does not fit starts one too.
#pragma once

#include <cstdint>
#include <string_view>

#include "basic/code/code.h"

struct Machine;

// The columns a comma advances to are multiples of this.
inline constexpr int32_t PrintZoneWidth = 14;

// Adds text to the PRINT being built, moving the column along.
void Printed(Machine& machine, std::string_view text);
// The same for PRINT # and LPRINT too: to_file adds it to their text.
void PrintedTo(Machine& machine, std::string_view text, bool to_file);
// The column the PRINT being built stands at, on the screen or in the file.
int32_t PrintColumn(const Machine& machine, bool to_file);
// Writes the PRINT text built so far, after the picture drawn so far.
void FlushPrinted(Machine& machine);

