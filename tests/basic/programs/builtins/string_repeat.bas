' STRING$ repeats a byte.
' a code or a string's first byte
PRINT STRING$(3, 65); STRING$(2, "xyz"); STRING$(0, "q"); "|" ' expect: AAAxx|
' the first byte, even of a double-byte character
PRINT LEN(STRING$(2, CHR$(130) + CHR$(160))) ' expect:  2
