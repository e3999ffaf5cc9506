' HEX$ and OCT$ write 32 bits.
' negatives in two's complement; &H values read back
PRINT HEX$(255); " "; HEX$(-1); " "; HEX$(&HFFFFFFFF); " "; HEX$(-2147483648); " "; HEX$(0) ' expect: FF FFFFFFFF FFFFFFFF 80000000 0
' rounded to nearest, ties to even; octal
PRINT HEX$(10.5); " "; HEX$(11.5); " "; OCT$(8); " "; OCT$(-1); " "; OCT$(0) ' expect: A C 10 37777777777 0
