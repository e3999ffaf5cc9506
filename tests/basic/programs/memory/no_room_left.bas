' The arrays' room ends where the video memory starts: an array too large
' for what is left has no address.
DIM A#(70000)
PRINT VARPTR(A#(0)) ' expect runtime error: Out of memory (error 7): the emulated memory has no room left for the variable
