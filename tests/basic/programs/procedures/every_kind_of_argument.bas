' Each row passes one kind of argument to a SUB that changes its parameter,
' then prints the argument's variable: changed only when the argument was
' passed by reference.
' a variable
GOSUB Fresh: Change X: PRINT X ' expect:  11
' a variable in parentheses
GOSUB Fresh: Change (X): PRINT X ' expect:  1
' an expression
GOSUB Fresh: Change X + 0: PRINT X ' expect:  1
' an integer variable to a double parameter
GOSUB Fresh: Change X%: PRINT X% ' expect:  11
' an element
GOSUB Fresh: Change A(1): PRINT A(1) ' expect:  11
' an element in parentheses
GOSUB Fresh: Change (A(1)): PRINT A(1) ' expect:  1
' an integer element
GOSUB Fresh: ChangeInteger A%(1): PRINT A%(1) ' expect:  11
' a string variable
GOSUB Fresh: ChangeText X$: PRINT X$ ' expect: 1!
' a string element
GOSUB Fresh: ChangeText A$(1): PRINT A$(1) ' expect: 1!
' a string expression
GOSUB Fresh: ChangeText X$ + "": PRINT X$ ' expect: 1
' an element whose subscript the SUB's own X does not move
GOSUB Fresh: Change A(X): PRINT A(X) ' expect:  11
END

Fresh: X = 1: X% = 1: X$ = "1": A(1) = 1: A%(1) = 1: A$(1) = "1": RETURN

SUB Change (P): P = P + 10: X = 0: END SUB
SUB ChangeInteger (P%): P% = P% + 10: X = 0: END SUB
SUB ChangeText (P$): P$ = P$ + "!": END SUB
