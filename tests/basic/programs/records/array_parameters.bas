' An array of records passed whole, A(), to a parameter "P() AS type": the
' procedure reads and writes the caller's elements, in one or two
' dimensions, and LBOUND and UBOUND see the caller's bounds.
TYPE Ship
  x AS SINGLE
  tag AS STRING * 2
END TYPE
DIM fleet(1 TO 3) AS Ship, grid(2, 2) AS Ship
Fill fleet()
PRINT fleet(3).x; fleet(3).tag
' expect:  4.5 S3
PRINT Total(fleet())
' expect:  9
Mark grid(): PRINT grid(2, 1).tag
' expect: ok
SUB Fill (s() AS Ship)
  FOR i = LBOUND(s) TO UBOUND(s): s(i).x = i * 1.5: s(i).tag = "S" + LTRIM$(STR$(i)): NEXT
END SUB
FUNCTION Total (s() AS Ship)
  FOR i = LBOUND(s) TO UBOUND(s): t = t + s(i).x: NEXT
  Total = t
END FUNCTION
SUB Mark (g() AS Ship)
  g(2, 1).tag = "ok"
END SUB
