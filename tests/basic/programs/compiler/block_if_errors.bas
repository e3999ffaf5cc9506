' The block IF found wrong before the run.
' two ELSEs
IF 1 THEN
ELSE
ELSE ' expect error 1: a second ELSE in one IF
END IF
' ELSEIF after ELSE
IF 1 THEN
ELSE
ELSEIF 1 THEN ' expect error 1: ELSEIF after ELSE
END IF
