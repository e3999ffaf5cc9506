#include "basic/qb64/frame_limit.h"

#include <algorithm>
#include <cmath>

LimitPlan PlanLimit(std::optional<double> last, double now, double fps) {
  if (!(fps > 0)) return LimitPlan{0, last};
  if (!last) return LimitPlan{0, now};
  // A mark in the future (a clock that went back) counts as now.
  const double from = std::min(*last, now);
  const double period = std::min(1.0 / fps, LongestLimitWait);
  const double due = from + period;
  if (due <= now) return LimitPlan{0, now};
  return LimitPlan{due - now, due};
}
