' TAB goes at most to the text layer's last column, 255; a value past
' 32 bits acts as 1. The .out file holds the 254 spaces.
PRINT TAB(1000); "X"; TAB(1E10); "Y"
