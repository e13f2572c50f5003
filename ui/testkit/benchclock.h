// SPDX-License-Identifier: GPL-3.0-or-later
// The clocks and figures the programs' benchmarks share: the window thread's processor time,
// the spread of a series of frame times and a digest of the pictures a run drew.
#pragma once

#include <QImage>
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

// Folds the raster's pixels into `digest` (FNV-1a): two runs that print the same digest drew
// the same pixels in every frame they folded in.
inline quint64 foldPixels(const QImage& image, quint64 digest = 1469598103934665603ull) {
  const qsizetype bytes = qsizetype(image.width()) * image.depth() / 8;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    for (qsizetype i = 0; i < bytes; ++i)
      digest = (digest ^ line[i]) * 1099511628211ull;
  }
  return digest;
}

}  // namespace ui::testkit
