' the towers of Hanoi: string parameters through recursion
Hanoi 3, "A", "C", "B"
SUB Hanoi (N, Src$, Dst$, Tmp$)
  IF N = 0 THEN EXIT SUB
  Hanoi N - 1, Src$, Tmp$, Dst$: PRINT Src$; Dst$; " ";: Hanoi N - 1, Tmp$, Dst$, Src$
END SUB
' expect: AC AB CB AC BA BC AC
