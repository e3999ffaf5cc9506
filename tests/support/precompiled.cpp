// The compile that makes the tests' precompiled header; it has no code.
