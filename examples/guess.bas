' Guess the number: the computer picks one from 1 to 100, and you have
' seven tries. Your lucky number seeds the random generator.
PRINT "I am thinking of a number from 1 to 100."
INPUT "Your lucky number"; S
RANDOMIZE S
N = INT(RND * 100) + 1
FOR T = 1 TO 7
  INPUT "Your guess"; G
  IF G = N THEN PRINT "Right, in"; T; "tries!": END
  IF G < N THEN PRINT "Higher." ELSE PRINT "Lower."
NEXT
PRINT "Out of tries: it was"; N
END
