// The clocks and figures the programs' benchmarks share: the window thread's processor time
// and the spread of a series of frame times.
#pragma once

#include <algorithm>
#include <ctime>
#include <vector>

namespace ui::testkit {

// Processor time of the calling thread, ms.
inline double threadCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1.0e3 + ts.tv_nsec / 1.0e6;
}

// Frame times, ms, with their median, percentiles and the heaviest.
struct Frames {
  std::vector<double> ms;
  double median() const { return percentile(0.5); }
  double percentile(double p) const {
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    return sorted[std::min(sorted.size() - 1, size_t(p * sorted.size()))];
  }
  double heaviest() const { return *std::max_element(ms.begin(), ms.end()); }
};

}  // namespace ui::testkit
