// The executor: runs a program's compact form on its variables, calling
// the runtime for every statement. It only executes; everything that can be
// checked was checked when the program was built.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "basic/basic.h"
#include "basic/code/code.h"
#include "basic/variables/variables.h"

inline constexpr std::size_t MaxGosubDepth = 100000;
inline constexpr int32_t PrintZoneWidth = 14;

// Runs code from its first instruction on the variables as they stand.
BasicRunResult Execute(const Code& code, Variables& variables, const BasicRunOptions& options);
// Runs code from the state's position with its GOSUB returns and loops; a
// STOP saves them back into the state and ends the run as Stopped.
struct RunState;
BasicRunResult ExecuteFrom(const Code& code, Variables& variables, const BasicRunOptions& options,
                           RunState* state);

// A new registered string holding the bytes; "a string too long" is the
// caller's to check first.
RtString NewString(std::string_view bytes);
// The bytes of a string held by a variable (null is empty).
std::string_view BytesOf(RtString s);

// Writes text at the cursor through the runtime's PRINT, and to stdout when
// echoing ("\r\n" written as "\n").
void OutputText(std::string_view text, bool echo);
// Writes a line INPUT read to stdout when echoing.
void EchoInputLine(std::string_view line, bool echo);

// INPUT's reading of a typed line into fields: true where the form wants a
// string. Numbers go to numbers[i], strings to texts[i].
enum class InputVerdict { Accepted, Redo, ExtraIgnored };
InputVerdict SplitInputLine(std::string_view line, const std::vector<bool>& form, std::vector<double>* numbers,
                            std::vector<std::string>* texts);

// The element an array's subscripts pick, making the array with bounds of 10
// on first use; a message when a subscript is out of range.
const char* ElementIndex(ArrayVariable& array, const double* subscripts, std::size_t* index);
// Makes an array not made yet with its automatic bounds, base to 10.
void MakeAutomaticArray(ArrayVariable& array);
// DIM and REDIM: make the array with the given bounds, per dimension a
// lower one where bit i of given_lower is set (the array's base otherwise),
// then the upper one. REDIM makes it anew even when it exists.
const char* DimArray(ArrayVariable& array, const double* bounds, int32_t given_lower, bool redim);
