' UCASE$ and LCASE$ change ASCII letters only. Bytes shows each byte of
' a string in hexadecimal.
' ASCII letters only
PRINT UCASE$("abc XyZ 1!{`"); LCASE$("ABC xYz@[") ' expect: ABC XYZ 1!{`abc xyz@[
' a trail byte that looks like 'a' stays
Bytes UCASE$("a" + CHR$(130) + "ab" + CHR$(161) + "z") ' expect:  41 82 61 42 A1 5A
' a trail byte like 'A'; a lone lead byte at the end
Bytes LCASE$(CHR$(131) + "AX" + CHR$(131)) ' expect:  83 41 78 83

SUB Bytes (S$)
  FOR I = 1 TO LEN(S$): PRINT " "; HEX$(ASC(MID$(S$, I, 1)));: NEXT: PRINT
END SUB
