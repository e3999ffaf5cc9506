' case-insensitive keywords and labels
goto Done
print "no"
done: print "yes"
' expect: yes
