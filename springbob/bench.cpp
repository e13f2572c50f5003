// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the frames of SpringBob against their shortest pause (0.5 × 5 ms = 2.5 ms): the
// spring frame with its trail and labels, and a frame of the circular motion. The clock of the
// pause is scripted, so the time between two pauses is the frame's own work (the erase of one
// frame and the drawing of the next); the events a pause would run, the repaint among them,
// are timed apart.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "form1.h"
#include "ui/app.h"
#include "ui/testkit/benchclock.h"
#include "ui/testkit/fakeplatform.h"

using ui::testkit::Frames;
using ui::testkit::threadCpuMs;

namespace {

constexpr double kShortestPauseMs = 2.5;

struct Timing {
  Frames wall, cpu, repaint;
};

Timing timeFrames(ui::testkit::FakePlatform& fake, ui::CommandButton& start,
                  ui::CommandButton& stop, int frames) {
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

void report(const char* what, const Frames& f) {
  std::printf(
      "%s: %zu frames\n  median %7.3f ms = %5.3f of the pause\n"
      "  99th percentile %7.3f ms = %5.3f of the pause\n"
      "  heaviest %7.3f ms = %5.3f of the pause\n",
      what, f.ms.size(), f.percentile(0.5), f.percentile(0.5) / kShortestPauseMs,
      f.percentile(0.99), f.percentile(0.99) / kShortestPauseMs, f.heaviest(),
      f.heaviest() / kShortestPauseMs);
}

void report(const char* what, const Timing& t) {
  report((QByteArray(what) + ", wall clock").constData(), t.wall);
  report((QByteArray(what) + ", thread CPU time").constData(), t.cpu);
  report((QByteArray(what) + ", repaint in the pause").constData(), t.repaint);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::setUpApplication();
  ui::testkit::FakePlatform fake;
  Form1 w;
  w.show();
  QApplication::processEvents();
  // The heaviest weight on the stiffest spring: the longest spring and the largest square.
  w.HScroll1.setValue(8);
  w.HScroll2.setValue(7);
  w.HScroll2.setValue(8);
  report("spring frame, m = 8, k = 8", timeFrames(fake, w.Command5, w.Command6, 2001));
  report("circle frame", timeFrames(fake, w.Command1, w.Command2, 2001));
  return 0;
}
