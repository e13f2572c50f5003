// SPDX-License-Identifier: GPL-3.0-or-later
// What the stopwatch's and the clock's benchmarks share: the time of a timer tick, or of any
// other piece of work, against the dial's 1 ms timer interval.
#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace watch::bench {

constexpr double kIntervalMs = 1.0;  // Timer1

// The mean and the largest time of `n` runs of `work`, in ms; `prepare` runs untimed first.
struct Timing {
  double meanMs = 0;
  double maxMs = 0;
};

inline Timing measure(int n, const std::function<void()>& prepare,
                      const std::function<void()>& work) {
  Timing t;
  QElapsedTimer clock;
  for (int i = 0; i < n; ++i) {
    prepare();
    clock.start();
    work();
    const double ms = clock.nsecsElapsed() / 1e6;
    t.meanMs += ms / n;
    t.maxMs = std::max(t.maxMs, ms);
  }
  return t;
}

inline void report(const char* what, const Timing& t) {
  std::printf("%-40s mean %8.4f ms  max %8.4f ms  heaviest/interval %8.2f\n", what, t.meanMs,
              t.maxMs, t.maxMs / kIntervalMs);
}

}  // namespace watch::bench
