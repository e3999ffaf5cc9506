' Words of other BASICs, and statements that go wrong early.
' another BASIC's word alone, or with its argument
10 HOME ' expect error 4: HOME is not a statement of this BASIC
20 VTAB 5: HTAB "A" ' expect error 4: VTAB is not a statement of this BASIC
' a name before an operator is an assignment gone wrong
X + 1 ' expect error 3: expected '=', found '+'
' ON needs its jump
ON 1 PRINT ' expect error 6: expected GOTO or GOSUB, found 'PRINT'
' every target must exist
ON 1 GOTO 30, 99 ' expect error 15: no line 99
30 END
