' CSRLIN follows the line ends
PRINT: PRINT: PRINT CSRLIN
' expect:
' expect:
' expect:  3
