' what ENVIRON and ENVIRON$ refuse
ENVIRON "=value" ' expect runtime error: Illegal function call (error 5): ENVIRON needs NAME=value
