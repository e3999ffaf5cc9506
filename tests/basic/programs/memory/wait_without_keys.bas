' A WAIT that can never match, with no key left to end it, stops the run
' as SLEEP does, rather than waiting for ever.
WAIT &H3DA, 4 ' expect runtime error: no more input
