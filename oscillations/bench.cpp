// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the heaviest frames of Form1 against the 4 ms pause that follows each of them: a
// resonance pass at the finest frequency step and a point of the "Оба" graph. The clock of
// the pause is scripted, so the time between two pauses is the frame's own work; the events
// the pause would run, the repaint among them, are timed apart.
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
using ui::testkit::Timing;

constexpr double kPauseMs = 4.0;  // ms

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::setUpApplication();
  ui::testkit::FakePlatform fake;
  Form1 w;
  w.show();
  QApplication::processEvents();

  w.HScroll3.setValue(10);
  const Timing resonance = timeFrames(fake, w.Command7, w.Command5, 41);
  w.Picture1.setLogging(true);
  timeFrames(fake, w.Command7, w.Command5, 1);
  const auto points =
      std::count_if(w.Picture1.log().begin(), w.Picture1.log().end(),
                    [](const ui::DrawRecord& r) { return r.kind == ui::DrawRecord::Circle; });
  w.Picture1.setLogging(false);
  w.Picture1.clearLog();
  std::printf("resonance pass at HScroll3 = 10: %ld points, each with its circle\n", long(points));
  report("resonance pass, HScroll3 = 10", resonance, kPauseMs);

  w.Command1.click();
  w.HScroll3.setValue(50);
  report("graph frame, \"Оба\"", timeFrames(fake, w.Command4, w.Command5, 1001), kPauseMs);
  report("graph frame, \"График i\"", timeFrames(fake, w.Command2, w.Command5, 1001), kPauseMs);
  return 0;
}
