// A numeric array's elements seen as the bytes a classic BASIC kept them
// in: INTEGER 2 bytes and LONG 4 (little-endian two's complement), SINGLE 4
// and DOUBLE 8 (IEEE, little-endian). The elements follow one another in
// the classic order, the first subscript changing fastest, so that
// A(0, 1) starts a run of A(0 .. n, 1) as it did for graphics GET and PUT
// and BSAVE; the interpreter itself keeps them in another order.
//
// Writing bytes changes the values of the elements they fall in; bytes of
// a SINGLE or DOUBLE may make an infinity or a NaN, which the element then
// holds as it is.
#pragma once

#include <cstddef>
#include <cstdint>

#include "basic/executor/run_errors.h"
#include "basic/variables/variables.h"

// The interpreter's index of the element that stands at `classic` in the
// classic order (below the array's element count).
std::size_t StoredElementIndex(const ArrayVariable& array, int64_t classic);
// The bytes of one element of the kind: 2, 4, 4 or 8; 0 for strings.
int32_t ElementBytes(ValueKind kind);
// All the array's bytes, once it is made.
int64_t ArrayByteCount(const ArrayVariable& array);
// The element the subscripts pick, counted in the classic order, making
// the array with its automatic bounds first when it is not made; count 0
// picks the first element. Subscript out of range when a subscript is.
// Arrays of strings too.
RunFault ClassicElementIndex(ArrayVariable& array, const double* subscripts, int32_t count, int64_t* classic);
// Where the element the subscripts pick starts, in bytes from the array's
// first, making the array with its automatic bounds first when it is not
// made; count 0 picks the first element. Subscript out of range when a
// subscript is.
RunFault ElementByteOffset(ArrayVariable& array, const double* subscripts, int32_t count, int64_t* offset);
// Copies n bytes from the offset out of the array, or into it. The caller
// checks that offset + n lies within ArrayByteCount.
void ReadArrayBytes(const ArrayVariable& array, int64_t offset, uint8_t* bytes, int64_t n);
void WriteArrayBytes(ArrayVariable& array, int64_t offset, const uint8_t* bytes, int64_t n);
