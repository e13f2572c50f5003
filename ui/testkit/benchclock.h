// SPDX-License-Identifier: GPL-3.0-or-later
// The clocks and figures the programs' benchmarks share: the window thread's processor time,
// the spread of a series of frame times, the timing of an animation's frames and a digest of
// the pictures a run drew.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "ui/controls.h"
#include "ui/testkit/fakeplatform.h"

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

// One animation's frames on three clocks: the wall, the thread's processor time, and the events
// a real pause runs (the window's repaint among them), timed apart from the frame.
struct Timing {
  Frames wall, cpu, repaint;
};

// Runs the animation `start` begins for `frames` pauses, pressing `stop` at the last, and
// times every frame. The clock of the pause is scripted, so the time between two pauses is the
// frame's own work: the erase of one frame and the drawing of the next.
inline Timing timeFrames(FakePlatform& fake, CommandButton& start, CommandButton& stop,
                         int frames) {
  Timing result;
  QElapsedTimer clock;
  double cpuStart = 0;
  fake.onPause = [&](int) {
    result.wall.ms.push_back(clock.nsecsElapsed() / 1.0e6);
    result.cpu.ms.push_back(threadCpuMs() - cpuStart);
    if (int(result.wall.ms.size()) >= frames) stop.click();
    clock.restart();
    QApplication::processEvents();
    result.repaint.ms.push_back(clock.nsecsElapsed() / 1.0e6);
    clock.restart();
    cpuStart = threadCpuMs();
  };
  clock.start();
  cpuStart = threadCpuMs();
  start.click();
  fake.onPause = nullptr;
  // The first frame carries the set-up before the loop.
  for (Frames* f : {&result.wall, &result.cpu, &result.repaint})
    f->ms.erase(f->ms.begin());
  return result;
}

// Prints the median, the 99th percentile and the heaviest of the frames, also as a share of
// the pause they must fit in.
inline void report(const char* what, const Frames& f, double pauseMs) {
  std::printf(
      "%s: %zu frames\n  median %7.3f ms = %5.3f of the pause\n"
      "  99th percentile %7.3f ms = %5.3f of the pause\n"
      "  heaviest %7.3f ms = %5.3f of the pause\n",
      what, f.ms.size(), f.median(), f.median() / pauseMs, f.percentile(0.99),
      f.percentile(0.99) / pauseMs, f.heaviest(), f.heaviest() / pauseMs);
}

inline void report(const char* what, const Timing& t, double pauseMs) {
  report((QByteArray(what) + ", wall clock").constData(), t.wall, pauseMs);
  report((QByteArray(what) + ", thread CPU time").constData(), t.cpu, pauseMs);
  report((QByteArray(what) + ", repaint in the pause").constData(), t.repaint, pauseMs);
}

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
