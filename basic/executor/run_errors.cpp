#include "basic/executor/run_errors.h"

const char* RunErrorName(int32_t number) {
  switch (number) {
#define BASIC_RUN_ERROR_NAME(name, code, text) \
  case code:                                   \
    return text;
    BASIC_RUN_ERRORS(BASIC_RUN_ERROR_NAME)
#undef BASIC_RUN_ERROR_NAME
  }
  return "Unprintable error";
}

std::string RunFaultText(const RunFault& fault) {
  if (fault.error == RunError::NoMoreInput) return "no more input";
  const int32_t number = static_cast<int32_t>(fault.error);
  std::string text = std::string(RunErrorName(number)) + " (error " + std::to_string(number) + ")";
  if (fault.detail) text += std::string(": ") + fault.detail;
  return text;
}
