PRINT (((1)
FOR I = 1
NEXT J
X = "a" + 1
GOTO nowhere
@
IF 1 THEN
