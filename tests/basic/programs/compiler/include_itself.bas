' A file that includes itself is refused, not read forever: the error
' names the first line of includes/loop.bi.
'$INCLUDE: 'includes/loop.bi'
' expect error 1:1: includes/loop.bi includes itself
