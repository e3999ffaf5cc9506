' INPUT$ takes at least one key
A$ = INPUT$(0) ' expect runtime error: INPUT$ needs a count from 1 to 32767
