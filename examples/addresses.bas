' An address book kept as records in a random-access file, the way the
' QBasic samples kept their data: type in entries, and the whole book is
' listed in columns with PRINT USING. The book is ADDRESS.DAT in the
' current folder; the first run finds none and starts one.
DEFINT A-Z
TYPE Person
  Nick AS STRING * 16
  Phone AS STRING * 12
  Age AS INTEGER
  Owes AS SINGLE
END TYPE
DIM Entry AS Person

' Looking for the book: an error here only means there is none yet.
ON ERROR GOTO NoBook
OPEN "ADDRESS.DAT" FOR INPUT AS #1
CLOSE #1
ON ERROR GOTO 0

OPEN "ADDRESS.DAT" FOR RANDOM AS #1 LEN = LEN(Entry)
Count = LOF(1) \ LEN(Entry)
PRINT "The book holds"; Count; "entries."
DO
  LINE INPUT "Name (Enter alone to list the book): "; Nick$
  IF Nick$ = "" THEN EXIT DO
  Entry.Nick = Nick$
  LINE INPUT "Phone: "; Phone$
  Entry.Phone = Phone$
  INPUT "Age, amount owed"; Entry.Age, Entry.Owes
  Count = Count + 1
  PUT #1, Count, Entry
LOOP

PRINT
PRINT "Name             Phone         Age         Owes"
Total! = 0
FOR I = 1 TO Count
  GET #1, I, Entry
  PRINT USING "\              \ \          \ ### $$###,###.##"; Entry.Nick; Entry.Phone; Entry.Age; Entry.Owes
  Total! = Total! + Entry.Owes
NEXT
PRINT USING "Owed in all:                     $$###,###.##"; Total!
CLOSE #1
END

NoBook:
PRINT "No address book yet: a new one is started."
RESUME NEXT
