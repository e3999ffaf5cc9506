#include "basic/text/run_print.h"

#include <algorithm>
#include <string>

#include "basic/builtins/builtins.h"
#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/screen/run_text_screen.h"
#include "basic/text/number_text.h"
#include "basic/text/output.h"
#include "runtime/console/prompt_io.h"
#include "runtime/console/text_layer.h"
#include "runtime/graphics/pixels.h"
#include "runtime/numeric/numeric.h"

namespace {

// TAB and SPC reach at most the last column of the text layer, so that no
// count, however large, makes PRINT build more than a line of spaces.
constexpr int32_t LastColumn = 255;

// A place counted from 1, checked against the layer's cells.
bool Coordinate(double value, int32_t most, int32_t* place) {
  const int32_t from_one = NumToInt32(value);
  if (from_one < 1 || from_one > most) return false;
  *place = from_one - 1;
  return true;
}

// On the PC's grid an item that does not fit in what is left of the row
// starts on the next one, unless the cursor stands at the row's start or
// the item is longer than a whole row. The runtime's own screen and files
// keep their text as it comes.
void StartRowForItem(Machine& machine, std::size_t length, bool to_file) {
  if (to_file || !TextInGrid(machine)) return;
  const auto width = static_cast<std::size_t>(machine.text.columns);
  const auto column = static_cast<std::size_t>(machine.column);
  if (column > 0 && length <= width && column + length > width) Printed(machine, "\r\n");
}

// Where a comma goes on the grid: the next zone when the whole zone fits in
// the row, else the start of the next row.
bool ZoneFitsInRow(const Machine& machine, bool to_file) {
  if (to_file || !TextInGrid(machine)) return true;
  const int32_t next = machine.column + PrintZoneWidth - machine.column % PrintZoneWidth;
  return next + PrintZoneWidth <= machine.text.columns;
}

}  // namespace

void Printed(Machine& machine, std::string_view text) {
  machine.printed.append(text);
  // On the grid a full row goes on at the next one, as the grid writes it.
  const int32_t width = TextInGrid(machine) ? machine.text.columns : 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      machine.column = 0;
      ++i;
    } else if (text[i] == '\t') {
      machine.column += 8 - machine.column % 8;
    } else {
      ++machine.column;
    }
    if (width > 0 && machine.column >= width) machine.column = 0;
  }
}

// A file's column counts the bytes since its last line end; its commas,
// TAB and SPC know no screen's width.
void PrintedTo(Machine& machine, std::string_view text, bool to_file) {
  if (!to_file) return Printed(machine, text);
  MachineFiles& files = machine.files;
  files.printed.append(text);
  for (const char byte : text) files.column = byte == '\r' || byte == '\n' ? 0 : files.column + 1;
}

int32_t PrintColumn(const Machine& machine, bool to_file) {
  return to_file ? machine.files.column : machine.column;
}

void FlushPrinted(Machine& machine) {
  GfxShowPending();  // the picture so far is on the window before the text
  ShowText(machine, machine.printed, machine.echo);
  machine.printed.clear();
}

// A number beyond its kind's range (an infinity or NaN that a double's
// arithmetic made on the way) is an Overflow, as on the classic BASICs.
RunFault RunPrintNumber(Machine& machine, const Instruction& in, double*& sp) {
  const auto kind = static_cast<ValueKind>(in.a);
  double value;
  if (!KeepNumber(kind, *--sp, &value)) return RunFault{RunError::Overflow};
  const std::string text = FormatPrintedClassic(value, kind);
  StartRowForItem(machine, text.size(), in.b);
  PrintedTo(machine, text, in.b);
  return {};
}

RunFault RunPrintString(Machine& machine, const Instruction& in, double*&) {
  RtString s = machine.Pop();
  StartRowForItem(machine, BytesOf(s).size(), in.b);
  PrintedTo(machine, BytesOf(s), in.b);
  ReleaseString(s);
  return {};
}

RunFault RunPrintComma(Machine& machine, const Instruction& in, double*&) {
  if (!ZoneFitsInRow(machine, in.b)) {
    Printed(machine, "\r\n");
    return {};
  }
  const int32_t column = PrintColumn(machine, in.b);
  PrintedTo(machine, std::string(static_cast<std::size_t>(PrintZoneWidth - column % PrintZoneWidth), ' '), in.b);
  return {};
}

// TAB(n): spaces to column n (counted from 1) of this line, or of the next
// one when the cursor is past it already.
RunFault RunPrintTab(Machine& machine, const Instruction& in, double*& sp) {
  const int32_t target = std::clamp(NumToInt32(*--sp), 1, LastColumn) - 1;
  if (PrintColumn(machine, in.b) > target) PrintedTo(machine, "\r\n", in.b);
  PrintedTo(machine, std::string(static_cast<std::size_t>(target - PrintColumn(machine, in.b)), ' '), in.b);
  return {};
}

RunFault RunPrintSpc(Machine& machine, const Instruction& in, double*& sp) {
  PrintedTo(machine, std::string(static_cast<std::size_t>(std::clamp(NumToInt32(*--sp), 0, LastColumn)), ' '), in.b);
  return {};
}

RunFault RunPrintNewline(Machine& machine, const Instruction& in, double*&) {
  PrintedTo(machine, "\r\n", in.b);
  return {};
}

RunFault RunPrintFlush(Machine& machine, const Instruction&, double*&) {
  FlushPrinted(machine);
  return {};
}

// LOCATE row, column, cursor, start, stop: -1 stays for a coordinate not
// given; the cursor's shape is the PC text screen's only.
RunFault RunLocate(Machine& machine, const Instruction& in, double*& sp) {
  sp -= 3;
  const double shape[3] = {sp[0], sp[1], sp[2]};
  const double column_value = *--sp;
  const double row_value = *--sp;
  if (TextInGrid(machine)) {
    FlushPrinted(machine);
    return LocateInGrid(machine, row_value, column_value, shape, in.a);
  }
  int32_t row = -1;
  int32_t column = -1;
  if ((in.a & 1) && !Coordinate(row_value, TextRows, &row)) return IllegalCall("LOCATE needs a row from 1 to 101");
  if ((in.a & 2) && !Coordinate(column_value, TextColumns, &column)) return IllegalCall("LOCATE needs a column from 1 to 255");
  FlushPrinted(machine);
  machine.column = PromptLocate(row, column).column;
  return {};
}

// POS(n), whose argument is a dummy, and CSRLIN: the cursor's column and
// row, counted from 1.
RunFault FnPos(BuiltinCall& call) {
  call.number = call.machine->column + 1;
  return {};
}

RunFault FnCsrlin(BuiltinCall& call) {
  call.number = TextInGrid(*call.machine) ? TextGridRow(*call.machine) : PromptLocate(-1, -1).row + 1;
  return {};
}
