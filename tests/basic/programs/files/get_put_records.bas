' GET and PUT of whole TYPE records: variables and elements, nested
' fields, in RANDOM and in BINARY files, read back byte for byte
TYPE Place
  x AS INTEGER
  y AS SINGLE
END TYPE
TYPE Person
  nm AS STRING * 6
  age AS LONG
  at AS Place
  score AS DOUBLE
END TYPE
DIM P AS Person, Q(1 TO 3) AS Person
OPEN "people.dat" FOR RANDOM AS #1 LEN = 40
P.nm = "Ada": P.age = 36: P.at.x = -7: P.at.y = .5: P.score = 1.5#
PUT #1, 1, P
Q(2).nm = "Grace Hopper": Q(2).age = 85: Q(2).score = -2.25#
PUT #1, 3, Q(2)
PRINT LOF(1); LEN(P) ' expect:  120  24
GET #1, 1, Q(3)
PRINT "["; Q(3).nm; "]"; Q(3).age; Q(3).at.x; Q(3).at.y; Q(3).score ' expect: [Ada   ] 36 -7  .5  1.5
GET #1, 3, P
PRINT "["; P.nm; "]"; P.age; P.at.x; P.score ' expect: [Grace ] 85  0 -2.25
GET #1, 2, P ' a record never written reads as zero bytes
PRINT ASC(P.nm); P.age ' expect:  0  0
CLOSE
' in a binary file the record's bytes follow one another without padding
OPEN "people.bin" FOR BINARY AS #1
PUT #1, , Q(3): PUT #1, , Q(2)
PRINT LOF(1) ' expect:  48
GET #1, 25, P
PRINT P.nm; P.age ' expect: Grace  85
CLOSE
' a record longer than the file's records
OPEN "short.dat" FOR RANDOM AS #2 LEN = 10
PUT #2, 1, P ' expect runtime error: Bad record length (error 59)
