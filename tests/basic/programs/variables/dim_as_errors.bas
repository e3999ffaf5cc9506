' DIM ... AS found wrong before the run.
' another suffix
DIM N AS INTEGER: N! = 1 ' expect error 19: N is declared AS INTEGER, not N!
' two types
DIM N AS INTEGER, N AS STRING ' expect error 19: N is declared AS INTEGER already
' suffix and AS
DIM N% AS INTEGER ' expect error 5: N% has a suffix: a name declared AS a type has none
' a type
DIM N AS BYTE ' expect error 10: no TYPE BYTE is defined before here
