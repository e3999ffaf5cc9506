' a SUB's name has no type suffix: a SUB gives no value
SUB S$: END SUB ' expect error 5: a SUB's name has no type suffix
