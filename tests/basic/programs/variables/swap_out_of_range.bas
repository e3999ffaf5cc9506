' SWAP of an element out of range
SWAP A(11), B ' expect runtime error: Subscript out of range (error 9)
