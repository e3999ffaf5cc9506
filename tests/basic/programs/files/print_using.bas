' PRINT USING on the screen: the items fill the format's fields in turn,
' ';' and ',' only part them, and the format starts again when they outrun it.
PRINT USING "###.##"; 3.14159 ' expect:   3.14
PRINT USING "##.#"; 1; 2.25, -3 ' expect:  1.0 2.3-3.0
' literal text around the fields, strings and numbers mixed
PRINT USING "Name: &, age ##"; "Ann"; 7 ' expect: Name: Ann, age  7
' the text after the last field is written at the end
PRINT USING "## apples"; 3 ' expect:  3 apples
PRINT USING "!"; "xyz" ' expect: x
PRINT USING "\  \"; "abcdef" ' expect: abcd
' a number too wide for its field is written whole after a %
PRINT USING "##"; 123 ' expect: %123
' a separator at the end keeps the line open
PRINT USING "##"; 5;: PRINT "|" ' expect:  5|
' the format may be any string expression
F$ = "+#.#": PRINT USING F$ + " "; 1, -1 ' expect: +1.0 -1.0
PRINT USING "#"; "x" ' expect runtime error: Type mismatch (error 13)
