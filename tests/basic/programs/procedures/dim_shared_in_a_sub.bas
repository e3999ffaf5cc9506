' DIM SHARED inside a procedure
SUB S: DIM SHARED A: END SUB ' expect error 19: DIM SHARED belongs outside procedures; inside one, write SHARED
