// SPDX-License-Identifier: GPL-3.0-or-later
// Measures a frame of the pendulum against its shortest pause (5 ms). The clock of the pause
// is scripted, so the time between two pauses is the frame's own work (the erase of one frame
// and the drawing of the next); the events a pause would run, the repaint among them, are
// timed apart.
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

constexpr double kShortestPauseMs = 5.0;

void report(const char* what, const Frames& f) {
  std::printf(
      "%s: %zu frames\n  median %7.3f ms = %5.3f of the pause\n"
      "  99th percentile %7.3f ms = %5.3f of the pause\n"
      "  heaviest %7.3f ms = %5.3f of the pause\n",
      what, f.ms.size(), f.percentile(0.5), f.percentile(0.5) / kShortestPauseMs,
      f.percentile(0.99), f.percentile(0.99) / kShortestPauseMs, f.heaviest(),
      f.heaviest() / kShortestPauseMs);
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

  Frames wall, cpu, repaint;
  QElapsedTimer clock;
  double cpuStart = 0;
  constexpr int kFrames = 4001;  // some 25 full swings
  fake.onPause = [&](int) {
    wall.ms.push_back(clock.nsecsElapsed() / 1.0e6);
    cpu.ms.push_back(threadCpuMs() - cpuStart);
    if (int(wall.ms.size()) >= kFrames) w.Command6.click();
    clock.restart();
    QApplication::processEvents();
    repaint.ms.push_back(clock.nsecsElapsed() / 1.0e6);
    clock.restart();
    cpuStart = threadCpuMs();
  };
  clock.start();
  cpuStart = threadCpuMs();
  w.Command5.click();
  // The first frame carries the set-up before the loop.
  for (Frames* f : {&wall, &cpu, &repaint})
    f->ms.erase(f->ms.begin());
  report("pendulum frame, wall clock", wall);
  report("pendulum frame, thread CPU time", cpu);
  report("pendulum frame, repaint in the pause", repaint);
  return 0;
}
