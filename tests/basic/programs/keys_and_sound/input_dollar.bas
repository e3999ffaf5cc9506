' INPUT$ takes exactly n
' input: abcd
PRINT INPUT$(3); "|"; INKEY$ ' expect: abc|d
