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

using ui::testkit::report;
using ui::testkit::timeFrames;

constexpr double kShortestPauseMs = 5.0;  // ms

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::setUpApplication();
  ui::testkit::FakePlatform fake;
  Form1 w;
  w.show();
  QApplication::processEvents();

  constexpr int kFrames = 4001;  // some 25 full swings
  report("pendulum frame", timeFrames(fake, w.Command5, w.Command6, kFrames), kShortestPauseMs);
  return 0;
}
