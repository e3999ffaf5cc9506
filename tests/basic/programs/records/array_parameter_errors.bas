' Only an array of records of the parameter's type, written A(), fits a
' parameter "P() AS type".
TYPE Ship
  x AS SINGLE
END TYPE
TYPE Dock
  x AS SINGLE
END TYPE
DIM fleet(3) AS Ship, docks(3) AS Dock, plain(3)
Fill docks() ' expect error 6: Type mismatch: argument 1 of FILL must be an array of records of TYPE SHIP, as A()
Fill plain() ' expect error 6: Type mismatch: argument 1 of FILL must be an array of records of TYPE SHIP, as A()
Fill fleet(1) ' expect error 6: Type mismatch: argument 1 of FILL must be an array of records of TYPE SHIP, as A()
SUB Fill (s() AS Ship)
END SUB
