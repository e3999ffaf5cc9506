' The file statements' forms, checked before the run.
OPEN "F" FOR READING AS #1 ' expect error 14: expected INPUT, OUTPUT, APPEND, RANDOM or BINARY, found 'READING'
OPEN "F" FOR INPUT #1 ' expect error 20: expected AS, found '#'
FIELD #1, 2 AS A ' expect error 16: FIELD needs a string variable
LSET A = "x" ' expect error 6: LSET needs a string variable
GET (1, 2)-(3, 4), A$ ' expect error 20: graphics GET and PUT need an array of numbers, not A$
PRINT USING "#" 1 ' expect error 17: expected ';' after the format, found a number
LINE INPUT #1, A ' expect error 16: LINE INPUT needs a string variable
