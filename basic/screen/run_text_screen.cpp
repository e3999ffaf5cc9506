#include "basic/screen/run_text_screen.h"

#include <cmath>
#include <string>

#include "basic/builtins/builtins.h"
#include "basic/executor/machine.h"
#include "basic/keys_and_sound/soft_keys.h"
#include "basic/executor/statements.h"
#include "basic/screen/screen.h"
#include "basic/screen/text_screen_draw.h"
#include "basic/text/output.h"
#include "runtime/graphics/pixels.h"
#include "runtime/numeric/numeric.h"

namespace {

constexpr ScreenMode PcText = {0, 640, 400, 1, 1, 16, 1.0};
constexpr int32_t GlyphWidth = 8;
constexpr int32_t EgaMode = 12;  // whose palette is the EGA's 16 colours

// The rows of a glyph: the VGA's 8 x 16 for 25 rows, the 8 x 8 that its
// 43- and 50-row screens used (8 x 14 in SCREEN 9 and 10, 8 x 16 in 11
// and 12, 8 x 8 in the rest).
int32_t GlyphHeight(const Machine& machine) {
  if (ShowsPcText(machine.screen)) return machine.text.rows == 25 ? 16 : 8;
  switch (machine.screen.mode->number) {
    case 9: case 10: return 14;
    case 11: case 12: return 16;
    default: return 8;
  }
}

TextLook LookOf(Machine& machine) {
  const ScreenMode& mode = *machine.screen.mode;
  if (ShowsPcText(machine.screen)) {
    // 40 columns are 80's glyphs twice as wide.
    return {GlyphHeight(machine), 640 / (machine.text.columns * GlyphWidth), 1, true, machine.screen.palette, 16, nullptr};
  }
  return {GlyphHeight(machine), mode.scale_x, mode.scale_y, false, machine.screen.palette, mode.colours, &machine.screen};
}

// The changed cells, and the cursor where it shows: on the PC's text
// screen while a line is typed, or always after LOCATE , , 1. The cell it
// was drawn over last is drawn again first.
void DrawChanged(Machine& machine) {
  TextGrid& text = machine.text;
  if (ShowsPcText(machine.screen) && machine.text_pages.active != machine.text_pages.visible) return;
  if (text.cursor_drawn >= 0 && static_cast<std::size_t>(text.cursor_drawn) < text.changed.size()) {
    text.changed[static_cast<std::size_t>(text.cursor_drawn)] = true;
  }
  text.cursor_drawn = -1;
  const TextLook look = LookOf(machine);
  DrawTextCells(&text, look);
  if (ShowsPcText(machine.screen) && (text.cursor_shown || text.typing)) DrawTextCursor(&text, look);
}

// The PC's text screen in that size, cleared when it changes or comes.
void EnsurePcText(Machine& machine, int32_t columns, int32_t rows, bool clear = false) {
  if (!clear && ShowsPcText(machine.screen) && machine.text.columns == columns && machine.text.rows == rows) return;
  if (!ShowsPcText(machine.screen)) {
    ScreenStart(&machine.screen, PcTextMode());
    for (int32_t n = 0; n < 16; ++n) machine.screen.palette[n] = DefaultPaletteColour(*FindScreenMode(EgaMode), n);
    machine.screen.foreground = 7;
  }
  GfxCls(3);
  StartTextGrid(machine, columns, rows);
}

bool Whole(double value, double low, double high) {
  return value >= low && value <= high && value == std::floor(value);
}

}  // namespace

const ScreenMode& PcTextMode() { return PcText; }

RunFault StartPcText(Machine& machine) {
  const bool pc_text = ShowsPcText(machine.screen);
  EnsurePcText(machine, pc_text ? machine.text.columns : 80, pc_text ? machine.text.rows : 25, true);
  return {};
}

RunFault PcTextColor(Machine& machine, const Instruction& in, const double* arguments) {
  ScreenState& screen = machine.screen;
  if ((in.a & 1) && !Whole(arguments[0], 0, 31)) return IllegalCall("COLOR's foreground on the text screen is 0 to 31");
  if ((in.a & 2) && !Whole(arguments[1], 0, 15)) return IllegalCall("COLOR's background on the text screen is 0 to 15");
  if ((in.a & 4) && !Whole(arguments[2], 0, 15)) return IllegalCall("COLOR's border on the text screen is 0 to 15");
  if (in.a & 1) screen.foreground = NumToInt32(arguments[0]);
  if (in.a & 2) screen.background = NumToInt32(arguments[1]);
  TextGridColours(machine);
  return {};
}

bool ShowsPcText(const ScreenState& screen) { return screen.mode == &PcText; }

bool TextInGrid(const Machine& machine) { return machine.screen.mode != &RuntimeScreenMode(); }

void StartTextGrid(Machine& machine, int32_t columns, int32_t rows) {
  if (!ShowsPcText(machine.screen)) {
    const int32_t height = GlyphHeight(machine);
    columns = machine.screen.mode->width / GlyphWidth;
    rows = machine.screen.mode->height / height;
  }
  TextGridStart(&machine.text, columns, rows);
  TextGridColours(machine);
  TextGridClearRows(&machine.text, 0, machine.text.rows - 1);
  DrawBlankTextGrid(&machine.text, LookOf(machine));
  ShowSoftKeyLine(machine);
  DrawChanged(machine);
  machine.column = 0;
  const int32_t pages = ShowsPcText(machine.screen) ? TextPageCount(columns, rows) : 1;
  machine.text_pages = TextPages{std::vector<TextGrid>(static_cast<std::size_t>(pages), machine.text), 0, 0};
}

// The page's grid: the screen's own while the page is active.
TextGrid& TextPage(Machine& machine, int32_t page) {
  TextPages& pages = machine.text_pages;
  return page == pages.active ? machine.text : pages.grids[static_cast<std::size_t>(page)];
}

// The visible page drawn whole.
void ShowTextPage(Machine& machine) {
  TextPages& pages = machine.text_pages;
  if (pages.visible == pages.active) {
    machine.text.changed.assign(machine.text.changed.size(), true);
    return DrawChanged(machine);
  }
  DrawAllTextCells(&TextPage(machine, pages.visible), LookOf(machine));
}

bool ChooseTextPages(Machine& machine, int32_t active, int32_t visible) {
  TextPages& pages = machine.text_pages;
  const auto count = static_cast<int32_t>(pages.grids.size());
  if (active < 0 || active >= count || visible < 0 || visible >= count) return false;
  if (active != pages.active) {
    std::swap(machine.text, pages.grids[static_cast<std::size_t>(pages.active)]);
    std::swap(machine.text, pages.grids[static_cast<std::size_t>(active)]);
    pages.active = active;
    machine.column = machine.text.column;
  }
  const bool shows_other = visible != pages.visible;
  pages.visible = visible;
  if (shows_other) ShowTextPage(machine);
  return true;
}

bool CopyTextPage(Machine& machine, int32_t from, int32_t to) {
  const auto count = static_cast<int32_t>(machine.text_pages.grids.size());
  if (from < 0 || from >= count || to < 0 || to >= count) return false;
  if (from == to) return true;
  TextGrid& target = TextPage(machine, to);
  target.bytes = TextPage(machine, from).bytes;
  target.changed.assign(target.changed.size(), true);
  if (to == machine.text_pages.visible) ShowTextPage(machine);
  return true;
}

void ShowText(Machine& machine, std::string_view text, bool echo) {
  if (!TextInGrid(machine)) return OutputText(text, echo);
  TextGridWrite(&machine.text, text);
  DrawChanged(machine);
  EchoOnly(text, echo);
  if (machine.transcript) machine.transcript->append(text);
  machine.column = machine.text.wrap_pending ? 0 : machine.text.column;
}

void DrawTextGrid(Machine& machine) { DrawChanged(machine); }

void TextGridColours(Machine& machine) {
  const ScreenState& screen = machine.screen;
  machine.text.attribute = ShowsPcText(screen) ? TextAttribute(screen.foreground, screen.background)
                                               : static_cast<uint8_t>(screen.foreground);
}

void ClearTextGrid(Machine& machine, int32_t mode) {
  TextGrid& text = machine.text;
  const bool view_only = mode == 2 || (mode == 3 && (text.top > 0 || text.bottom < text.rows - 1));
  if (view_only) {
    TextGridClearRows(&text, text.top, text.bottom);
    DrawChanged(machine);
  } else {
    // A graphics mode's blank grid covers its active page.
    if (ShowsPcText(machine.screen)) GfxCls(3);
    TextGridClearRows(&text, 0, text.rows - 1);
    DrawBlankTextGrid(&text, LookOf(machine));
    ShowSoftKeyLine(machine);
    DrawChanged(machine);
  }
  TextGridLocate(&text, text.top, 0);
  machine.column = 0;
}

RunFault LocateInGrid(Machine& machine, double row, double column, const double shape[3], int32_t written) {
  TextGrid& text = machine.text;
  if ((written & 1) && !Whole(row, 1, text.rows)) {
    return machine.Fail(RunError::IllegalFunctionCall, "LOCATE needs a row from 1 to " + std::to_string(text.rows));
  }
  if ((written & 2) && !Whole(column, 1, text.columns)) {
    return machine.Fail(RunError::IllegalFunctionCall, "LOCATE needs a column from 1 to " + std::to_string(text.columns));
  }
  if ((written & 4) && !Whole(shape[0], 0, 1)) return IllegalCall("LOCATE's cursor is 0 (hidden) or 1 (shown)");
  if (((written & 8) && !Whole(shape[1], 0, 31)) || ((written & 16) && !Whole(shape[2], 0, 31))) {
    return IllegalCall("LOCATE's cursor lines are 0 to 31");
  }
  TextGridLocate(&text, (written & 1) ? NumToInt32(row) - 1 : text.row, (written & 2) ? NumToInt32(column) - 1 : text.column);
  if (written & 4) text.cursor_shown = shape[0] == 1;
  if (written & 8) text.cursor_start = NumToInt32(shape[1]);
  if (written & 16) text.cursor_stop = NumToInt32(shape[2]);
  machine.column = text.column;
  DrawChanged(machine);
  return {};
}

int32_t TextGridRow(const Machine& machine) { return machine.text.row + 1; }

namespace {

// The page an offset of &HB800 lies in, and where in its cells; false
// outside every page's cells.
bool PageCell(const Machine& machine, int64_t offset, int32_t* page, int64_t* cell) {
  if (!ShowsPcText(machine.screen) || offset < 0) return false;
  const TextGrid& text = machine.text;
  const int64_t page_bytes = TextPageBytes(text.columns, text.rows);
  *page = static_cast<int32_t>(offset / page_bytes);
  *cell = offset % page_bytes;
  return *page < static_cast<int32_t>(machine.text_pages.grids.size()) && *cell < int64_t{text.columns} * text.rows * 2;
}

}  // namespace

bool InTextPages(const Machine& machine, int64_t offset) {
  int32_t page;
  int64_t cell;
  return PageCell(machine, offset, &page, &cell);
}

uint8_t TextGridReadByte(Machine& machine, int64_t offset) {
  int32_t page;
  int64_t cell;
  return PageCell(machine, offset, &page, &cell) ? TextScreenReadByte(TextPage(machine, page), cell) : 0;
}

void TextGridWriteByte(Machine& machine, int64_t offset, uint8_t value) {
  int32_t page;
  int64_t cell;
  if (!PageCell(machine, offset, &page, &cell)) return;
  TextScreenWriteByte(&TextPage(machine, page), cell, value);
  if (page == machine.text_pages.active) return DrawChanged(machine);
  if (page == machine.text_pages.visible) DrawTextCells(&TextPage(machine, page), LookOf(machine));
}

// WIDTH columns, rows: 40 or 80 columns of 25, 43 or 50 rows; the PC's
// text screen for a program on the runtime's own.
RunFault RunWidth(Machine& machine, const Instruction& in, double*& sp) {
  sp -= 2;
  const bool pc_text = ShowsPcText(machine.screen);
  const int32_t columns = (in.a & 1) ? NumToInt32(sp[0]) : (pc_text ? machine.text.columns : 80);
  const int32_t rows = (in.a & 2) ? NumToInt32(sp[1]) : (pc_text ? machine.text.rows : 25);
  if (((in.a & 1) && !Whole(sp[0], 0, 255)) || (columns != 40 && columns != 80)) {
    return IllegalCall("WIDTH takes 40 or 80 columns");
  }
  if (((in.a & 2) && !Whole(sp[1], 0, 255)) || (rows != 25 && rows != 43 && rows != 50)) {
    return IllegalCall("WIDTH takes 25, 43 or 50 rows");
  }
  if (TextInGrid(machine) && !pc_text) {
    if (columns == machine.text.columns && rows == machine.text.rows) return {};
    return IllegalCall("WIDTH cannot change a graphics mode's grid of text");
  }
  EnsurePcText(machine, columns, rows);
  return {};
}

// VIEW PRINT [top TO bottom]: the rows that PRINT scrolls.
RunFault RunViewPrint(Machine& machine, const Instruction& in, double*& sp) {
  sp -= 2;
  if (!TextInGrid(machine)) EnsurePcText(machine, 80, 25);
  TextGrid& text = machine.text;
  if (in.a == 0) {
    TextGridView(&text, 0, text.rows - 1);
  } else if (!Whole(sp[0], 1, text.rows) || !Whole(sp[1], 1, text.rows) ||
             !TextGridView(&text, NumToInt32(sp[0]) - 1, NumToInt32(sp[1]) - 1)) {
    return machine.Fail(RunError::IllegalFunctionCall, "VIEW PRINT needs rows from 1 to " + std::to_string(text.rows) + ", the first not below the last");
  }
  machine.column = 0;
  return {};
}

// SCREEN(row, column [, 1]): the character there, or with 1 its attribute.
RunFault RunScreenCell(Machine& machine, const Instruction& in, double*& sp) {
  sp -= 2;
  const double row = sp[-1], column = sp[0], which = sp[1];
  if (!TextInGrid(machine)) return IllegalCall("SCREEN(row, column) reads the PC's text screen: SCREEN 0 first");
  const TextGrid& text = machine.text;
  if (!Whole(row, 1, text.rows) || !Whole(column, 1, text.columns)) {
    return machine.Fail(RunError::IllegalFunctionCall, "SCREEN(row, column) needs a row from 1 to " + std::to_string(text.rows) +
                                                           " and a column from 1 to " + std::to_string(text.columns));
  }
  const int32_t r = NumToInt32(row) - 1, c = NumToInt32(column) - 1;
  const bool attribute = in.a != 0 && which != 0;
  sp[-1] = attribute ? TextGridAttribute(text, r, c) : TextGridCharacter(text, r, c);
  return {};
}
