'$INCLUDE: 'includes/loop.bi'
