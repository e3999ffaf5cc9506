' GOSUBs without RETURN stop at 100000
10 GOSUB 10 ' expect runtime error: Out of stack space (error 28): GOSUB nested too deeply (more than 100000 without RETURN)
