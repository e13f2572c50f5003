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

using ui::testkit::Frames;
using ui::testkit::threadCpuMs;

namespace {

constexpr double kPauseMs = 4.0;

// CPU time of this thread, ms: unlike the wall clock it does not count the time other
// processes had the core.
// Runs the animation that `start` begins for `frames` pauses and times every frame.
struct Timing {
  Frames wall, cpu, repaint;
};

Timing timeFrames(ui::testkit::FakePlatform& fake, Form1& w, ui::CommandButton& start, int frames) {
  Timing result;
  QElapsedTimer clock;
  double cpuStart = 0;
  fake.onPause = [&](int) {
    result.wall.ms.push_back(clock.nsecsElapsed() / 1.0e6);
    result.cpu.ms.push_back(threadCpuMs() - cpuStart);
    if (int(result.wall.ms.size()) >= frames) w.Command5.click();
    // The events a real pause runs, the repaint of the window among them, timed apart.
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
  // The first frame carries the set-up before the loop (clearing, the full axes).
  for (Frames* f : {&result.wall, &result.cpu, &result.repaint})
    f->ms.erase(f->ms.begin());
  return result;
}

void report(const char* what, const Frames& f) {
  std::printf(
      "%s: %zu frames\n  median %7.3f ms = %5.2f of the pause\n"
      "  99th percentile %7.3f ms = %5.2f of the pause\n"
      "  heaviest %7.3f ms = %5.2f of the pause\n",
      what, f.ms.size(), f.median(), f.median() / kPauseMs, f.percentile(0.99),
      f.percentile(0.99) / kPauseMs, f.heaviest(), f.heaviest() / kPauseMs);
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

  w.HScroll3.setValue(10);
  const Timing resonance = timeFrames(fake, w, w.Command7, 41);
  w.Picture1.setLogging(true);
  timeFrames(fake, w, w.Command7, 1);
  const auto points =
      std::count_if(w.Picture1.log().begin(), w.Picture1.log().end(),
                    [](const ui::DrawRecord& r) { return r.kind == ui::DrawRecord::Circle; });
  w.Picture1.setLogging(false);
  w.Picture1.clearLog();
  std::printf("resonance pass at HScroll3 = 10: %ld points, each with its circle\n", long(points));
  report("resonance pass, HScroll3 = 10", resonance);

  w.Command1.click();
  w.HScroll3.setValue(50);
  report("graph frame, \"Оба\"", timeFrames(fake, w, w.Command4, 1001));
  report("graph frame, \"График i\"", timeFrames(fake, w, w.Command2, 1001));
  return 0;
}
