' procedures do not nest
SUB A
SUB B ' expect error 1: SUB must stand outside blocks, IFs and other procedures
END SUB
END SUB ' expect error 1: END SUB without SUB
