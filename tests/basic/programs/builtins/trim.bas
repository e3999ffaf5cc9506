' LTRIM$ and RTRIM$ drop spaces.
' spaces at one end only
PRINT "|"; LTRIM$("  a b  "); "|"; RTRIM$("  a b  "); "|"; LTRIM$("   "); RTRIM$(""); "|" ' expect: |a b  |  a b||
' tabs are not spaces
PRINT LEN(LTRIM$(CHR$(9) + "a")); LEN(RTRIM$("a" + CHR$(9))) ' expect:  2  2
