// Arrays at run time: made by DIM, or with bounds of 10 on first use, their
// elements in row-major order; a subscript is found in range or an error.
#pragma once

#include <cstddef>
#include <cstdint>

#include "basic/executor/run_errors.h"
#include "basic/variables/variables.h"

// The element an array's subscripts pick, making the array with bounds of 10
// on first use; Subscript out of range when a subscript is.
RunFault ElementIndex(ArrayVariable& array, const double* subscripts, std::size_t* index);
// Makes an array not made yet with its automatic bounds, base to 10.
void MakeAutomaticArray(ArrayVariable& array);
// DIM and REDIM: make the array with the given bounds, per dimension a
// lower one where bit i of given_lower is set (the array's base otherwise),
// then the upper one. REDIM makes it anew even when it exists.
RunFault DimArray(ArrayVariable& array, const double* bounds, int32_t given_lower, bool redim);
