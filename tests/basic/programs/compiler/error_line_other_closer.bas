' an error on a DO's line: a closer of another kind drops the DO; a real error stays
DO: PCOPY 1 ' expect error 5: PCOPY is not a statement of this BASIC
WEND ' expect error 1: WEND without WHILE
