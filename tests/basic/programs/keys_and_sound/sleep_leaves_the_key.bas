' SLEEP leaves the key to be read
' input: z
SLEEP: PRINT INKEY$ ' expect: z
