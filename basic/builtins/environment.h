// The process around the program: its command line, as COMMAND$ gives it,
// and its environment, which ENVIRON$ reads and ENVIRON changes. The
// environment is the C library's, which on Windows keeps the system's in
// step.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// COMMAND$ of a command line's arguments: without the blanks before them,
// in capitals, as DOS handed them to a program.
std::string CommandText(std::string_view arguments);

// The value of a name, "" when it has none.
std::string EnvironmentValue(const std::string& name);
// The n-th "NAME=value" of the environment, from 1; "" past the last.
std::string EnvironmentEntry(int32_t n);
// "NAME=value" or "NAME value": the name in capitals, as DOS's SET
// kept it, takes the value, or loses its entry when the value is empty.
// False when the text has no name, neither '=' nor a blank after it, or a
// zero byte (which no entry can hold).
bool SetEnvironment(std::string_view assignment);
