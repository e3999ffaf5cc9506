// The run-time errors, by the numbers the classic Microsoft BASICs gave
// them: what ERR reads, what ERROR n raises and what ON ERROR traps. An
// untrapped error's message names it ("Division by zero (error 11)") before
// the run's own words on what went wrong.
#pragma once

#include <cstdint>
#include <string>

#define BASIC_RUN_ERRORS(X)                                   \
  X(NextWithoutFor, 1, "NEXT without FOR")                    \
  X(SyntaxError, 2, "Syntax error")                           \
  X(ReturnWithoutGosub, 3, "RETURN without GOSUB")            \
  X(OutOfData, 4, "Out of DATA")                              \
  X(IllegalFunctionCall, 5, "Illegal function call")          \
  X(Overflow, 6, "Overflow")                                  \
  X(OutOfMemory, 7, "Out of memory")                          \
  X(UndefinedLine, 8, "Undefined line number")                \
  X(SubscriptOutOfRange, 9, "Subscript out of range")         \
  X(DuplicateDefinition, 10, "Duplicate definition")          \
  X(DivisionByZero, 11, "Division by zero")                   \
  X(IllegalInDirectMode, 12, "Illegal in direct mode")        \
  X(TypeMismatch, 13, "Type mismatch")                        \
  X(OutOfStringSpace, 14, "Out of string space")              \
  X(StringTooLong, 15, "String too long")                     \
  X(StringFormulaTooComplex, 16, "String formula too complex") \
  X(CannotContinue, 17, "Cannot continue")                    \
  X(FunctionNotDefined, 18, "Function not defined")           \
  X(NoResume, 19, "No RESUME")                                \
  X(ResumeWithoutError, 20, "RESUME without error")           \
  X(DeviceTimeout, 24, "Device timeout")                      \
  X(DeviceFault, 25, "Device fault")                          \
  X(ForWithoutNext, 26, "FOR without NEXT")                   \
  X(OutOfPaper, 27, "Out of paper")                           \
  X(OutOfStackSpace, 28, "Out of stack space")                \
  X(WhileWithoutWend, 29, "WHILE without WEND")               \
  X(WendWithoutWhile, 30, "WEND without WHILE")               \
  X(DuplicateLabel, 33, "Duplicate label")                    \
  X(SubprogramNotDefined, 35, "Subprogram not defined")       \
  X(ArgumentCountMismatch, 37, "Argument-count mismatch")     \
  X(ArrayNotDefined, 38, "Array not defined")                 \
  X(VariableRequired, 40, "Variable required")                \
  X(FieldOverflow, 50, "FIELD overflow")                      \
  X(InternalError, 51, "Internal error")                      \
  X(BadFileNameOrNumber, 52, "Bad file name or number")       \
  X(FileNotFound, 53, "File not found")                       \
  X(BadFileMode, 54, "Bad file mode")                         \
  X(FileAlreadyOpen, 55, "File already open")                 \
  X(FieldStatementActive, 56, "FIELD statement active")       \
  X(DeviceIoError, 57, "Device I/O error")                    \
  X(FileAlreadyExists, 58, "File already exists")             \
  X(BadRecordLength, 59, "Bad record length")                 \
  X(DiskFull, 61, "Disk full")                                \
  X(InputPastEndOfFile, 62, "Input past end of file")         \
  X(BadRecordNumber, 63, "Bad record number")                 \
  X(BadFileName, 64, "Bad file name")                         \
  X(TooManyFiles, 67, "Too many files")                       \
  X(DeviceUnavailable, 68, "Device unavailable")              \
  X(CommunicationBufferOverflow, 69, "Communication-buffer overflow") \
  X(PermissionDenied, 70, "Permission denied")                \
  X(DiskNotReady, 71, "Disk not ready")                       \
  X(DiskMediaError, 72, "Disk-media error")                   \
  X(AdvancedFeatureUnavailable, 73, "Advanced feature unavailable") \
  X(RenameAcrossDisks, 74, "Rename across disks")             \
  X(PathFileAccessError, 75, "Path/File access error")        \
  X(PathNotFound, 76, "Path not found")

enum class RunError : int32_t {
  // Not an error of the program's: the run's input script ran out, and the
  // statement waiting for it cannot go on. It is never trapped.
  NoMoreInput = -1,
  None = 0,
#define BASIC_RUN_ERROR_ENUM(name, number, text) name = number,
  BASIC_RUN_ERRORS(BASIC_RUN_ERROR_ENUM)
#undef BASIC_RUN_ERROR_ENUM
};

// The error's name as the classic BASICs wrote it ("Division by zero");
// "Unprintable error" for a number none has, as ERROR n may raise.
const char* RunErrorName(int32_t number);

// A run-time error as a routine reports it: its number and, where the run
// can say more than the name does, what went wrong ("CHR$ needs a code from
// 0 to 255"). The detail is a literal, or text the machine holds until the
// error has been reported. A fault with no error is no fault.
struct RunFault {
  RunError error = RunError::None;
  const char* detail = nullptr;
  explicit operator bool() const { return error != RunError::None; }
};

// The commonest: an argument out of the statement's or function's range.
inline RunFault IllegalCall(const char* detail) { return RunFault{RunError::IllegalFunctionCall, detail}; }

// "Division by zero (error 11)", with ": detail" after it when there is one.
std::string RunFaultText(const RunFault& fault);
