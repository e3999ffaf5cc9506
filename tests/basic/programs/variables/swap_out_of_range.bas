' SWAP of an element out of range
SWAP A(11), B ' expect runtime error: subscript out of range
