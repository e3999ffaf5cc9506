' endless recursion is an error, not a crash
Down 1
SUB Down (N): Down N + 1: END SUB ' expect runtime error: Out of stack space (error 28): procedures nested too deeply (more than 10000 calls)
