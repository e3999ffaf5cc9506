' more than 16777216 elements
DIM A(5000, 5000) ' expect runtime error: Out of memory (error 7): array too large (at most 16777216 elements)
