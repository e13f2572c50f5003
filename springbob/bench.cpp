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

using ui::testkit::report;
using ui::testkit::timeFrames;

constexpr double kShortestPauseMs = 2.5;  // ms

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
  report("spring frame, m = 8, k = 8", timeFrames(fake, w.Command5, w.Command6, 2001),
         kShortestPauseMs);
  report("circle frame", timeFrames(fake, w.Command1, w.Command2, 2001), kShortestPauseMs);
  return 0;
}
