' FILES with a pattern nothing matches.
FILES "NONE*.XYZ" ' expect runtime error: File not found (error 53)
