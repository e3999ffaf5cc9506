' INPUT$ takes at least one key
A$ = INPUT$(0) ' expect runtime error: Illegal function call (error 5): INPUT$ needs a count from 1 to 32767
