' 0 and past the list fall through; RETURN comes back after the list
FOR I = 0 TO 4: ON I GOSUB 10, 20, 30: PRINT "/";: NEXT: PRINT: END
10 PRINT "a";: RETURN
20 PRINT "b";: RETURN
30 PRINT "c";: RETURN
' expect: /a/b/c//
