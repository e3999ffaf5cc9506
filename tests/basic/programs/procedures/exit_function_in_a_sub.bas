' EXIT of another kind of procedure
SUB S: EXIT FUNCTION: END SUB ' expect error 8: EXIT FUNCTION outside a FUNCTION
