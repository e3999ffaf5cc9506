// _LIMIT fps: the loop it stands in runs at most fps times a second. Each
// _LIMIT waits out what is left of 1/fps since the previous one's mark; a
// loop that has fallen behind does not wait, and does not try to catch up
// later either, so one slow frame never makes a burst of fast ones.
//
// The plan is a pure function of the clock's reading, so that its tests
// choose the times.
#pragma once

#include <optional>

// The longest wait one _LIMIT makes, in seconds: SLEEP's own limit, a
// LONG's count of seconds.
inline constexpr double LongestLimitWait = 2147483647.0;

struct LimitPlan {
  double wait = 0;                 // seconds to sleep now, never negative
  std::optional<double> mark;      // the time the next _LIMIT counts from
};

// last: the previous _LIMIT's mark (none before the first); now: the
// clock, in seconds; fps: as written. The first _LIMIT only marks the time;
// fps of 0, less, or NaN does nothing at all.
LimitPlan PlanLimit(std::optional<double> last, double now, double fps);
