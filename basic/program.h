// A compiled program: its compact form and the variables it runs on, its
// own or a direct-mode session's.
#pragma once

#include <memory>

#include "basic/basic.h"
#include "basic/code/code.h"
#include "basic/variables/variables.h"

struct BasicProgram {
  Code code;
  std::unique_ptr<Variables> own_variables;
  Variables* variables = nullptr;
};
