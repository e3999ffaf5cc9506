' DEFtype found wrong before the run.
' a reversed range
DEFINT Z-A ' expect error 10: letters out of order: Z-A
' a letter, not a name
DEFINT AB ' expect error 8: expected a letter, found 'AB'
