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
