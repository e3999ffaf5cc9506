// The text grid of the PC's screens at run time. A program that says
// SCREEN 0, WIDTH or VIEW PRINT gets the PC's text screen: 80 or 40
// columns of 25, 43 or 50 rows in code page 437's glyphs and 16 colours on
// 8; in the classic graphics modes text lands in the mode's own grid of
// cells, drawn in its pixels. Without any of these, text stays on the
// runtime's own screen, as it always was.
#pragma once

#include <cstdint>
#include <string_view>

#include "basic/code/code.h"
#include "basic/executor/run_errors.h"
#include "basic/screen/screen_modes.h"

struct Machine;
struct ScreenState;

// SCREEN 0 of the PC: its text screen, 16 colours.
const ScreenMode& PcTextMode();
// Whether the screen shows the PC's text rather than the runtime's own.
bool ShowsPcText(const ScreenState& screen);
// Whether text goes to the grid here rather than to the runtime's layer:
// the PC's text screen and every classic graphics mode.
bool TextInGrid(const Machine& machine);

// SCREEN 0: the PC's text screen, cleared, in the width it had (80 x 25
// coming from another screen).
RunFault StartPcText(Machine& machine);
// COLOR foreground (0-31, 16 and up blinking), background (0-15, shown as
// 0-7), border (0-15, not shown) on the PC's text screen.
RunFault PcTextColor(Machine& machine, const Instruction& in, const double* arguments);
// Sets up the grid SCREEN chose (the PC's text screen keeps its width
// and rows, a graphics mode has its own) and draws it whole.
void StartTextGrid(Machine& machine, int32_t columns, int32_t rows);
// Shows text at the cursor: on the grid when text goes there, else on the
// runtime's layer; echoed to stdout when echo is set, and kept in the
// run's transcript when it has one.
void ShowText(Machine& machine, std::string_view text, bool echo);
// Draws the cells changed since the grid was last drawn.
void DrawTextGrid(Machine& machine);
// COLOR's new colours for PRINT on the grid.
void TextGridColours(Machine& machine);
// CLS on the grid: 0 the whole screen, 1 (graphics modes) the whole screen,
// 2 VIEW PRINT's rows.
void ClearTextGrid(Machine& machine, int32_t mode);
// LOCATE on the grid (rows and columns from 1; omitted is -1; cursor,
// start and stop -1 when omitted).
RunFault LocateInGrid(Machine& machine, double row, double column, const double shape[3], int32_t written);
// CSRLIN on the grid, from 1.
int32_t TextGridRow(const Machine& machine);
// The PC's text screen's pages: SCREEN's active and visible page, and
// PCOPY; false, changing nothing, unless both are pages of the screen.
// Showing another page draws it whole.
bool ChooseTextPages(Machine& machine, int32_t active, int32_t visible);
bool CopyTextPage(Machine& machine, int32_t from, int32_t to);
// Whether an offset of the PC's &HB800 memory lies in a page's cells: the
// bytes there read and write them, a write on the visible page drawn at
// once.
bool InTextPages(const Machine& machine, int64_t offset);
uint8_t TextGridReadByte(Machine& machine, int64_t offset);
void TextGridWriteByte(Machine& machine, int64_t offset, uint8_t value);
