' CALL of a FUNCTION, and an FN without its DEF
SUB S: END SUB
PRINT FNS(1) ' expect error 7: FNS is not defined: no DEF FNS in the program
CALL F ' expect error 6: no SUB F
FUNCTION F: END FUNCTION
