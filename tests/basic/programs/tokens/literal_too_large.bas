' a literal too large for its suffix
PRINT 40000% ' expect error 7: number too large for % (-32768 to 32767)
