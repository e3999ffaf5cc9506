#include "runtime/graphics/geometry.h"

ClsPlan PlanCls(int32_t mode) {
  if (mode == 0) mode = 1;
  return ClsPlan{mode == 1 || mode == 3, mode == 2 || mode == 3};
}
