// SPDX-License-Identifier: GPL-3.0-or-later
// Times the heaviest frames of the Fringes window against the 4 ms pause that paces them: the
// standing wave ("Обе" at 760 nm, the most points per pi) and the interference picture (forty
// arcs three pixels wide drawn, forty six pixels wide wiped).
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "form1.h"
#include "ui/app.h"
#include "ui/testkit/benchclock.h"
#include "ui/testkit/fakeplatform.h"

using ui::testkit::threadCpuMs;

namespace {

constexpr int kFrames = 300;
constexpr double kPauseMs = 0.8 * 5;  // DelayFactor * 5 ms

// Processor time of this thread, ms: what a frame costs, whatever else the machine runs.
void timeFrames(const char* what, fringes::Form1& w, ui::testkit::FakePlatform& fake,
                ui::CommandButton& start) {
  std::vector<double> frameMs, cpuMs, repaintMs;
  QElapsedTimer clock;
  double cpuAt = 0;
  int seen = 0;
  quint64 digest = ui::testkit::foldPixels(QImage());
  fake.onPause = [&](int) {
    // Between two pauses lies one whole frame: the wiping, then the next drawing.
    if (seen++ > 0) {
      frameMs.push_back(clock.nsecsElapsed() / 1.0e6);
      cpuMs.push_back(threadCpuMs() - cpuAt);
    }
    digest = ui::testkit::foldPixels(w.Picture1.image(), digest);
    if (int(frameMs.size()) >= kFrames) w.Running = 0;
    clock.restart();
    QCoreApplication::processEvents();  // the repaint a real pause lets run
    repaintMs.push_back(clock.nsecsElapsed() / 1.0e6);
  };
  // The frame begins as the pause ends, after the repaint it let run.
  fake.onPauseEnded = [&] {
    clock.restart();
    cpuAt = threadCpuMs();
  };
  const int before = fake.pauses();
  start.click();
  fake.onPauseEnded = nullptr;
  std::sort(frameMs.begin(), frameMs.end());
  std::sort(cpuMs.begin(), cpuMs.end());
  std::sort(repaintMs.begin(), repaintMs.end());
  const auto at = [&](double q) { return frameMs[size_t(q * (frameMs.size() - 1))]; };
  std::printf("%s: %zu frames (of %d pauses)\n", what, frameMs.size(), fake.pauses() - before);
  std::printf("  frame median %.3f ms, 99th percentile %.3f ms, heaviest %.3f ms; pause %.1f ms\n",
              at(0.5), at(0.99), frameMs.back(), kPauseMs);
  std::printf("  median frame / pause = %.3f; repaint in the pause: median %.3f ms\n",
              at(0.5) / kPauseMs, repaintMs[repaintMs.size() / 2]);
  std::printf(
      "  processor time a frame: median %.3f ms, 99th percentile %.3f ms, heaviest %.3f ms\n",
      cpuMs[cpuMs.size() / 2], cpuMs[cpuMs.size() * 99 / 100], cpuMs.back());
  std::printf("  pictures drawn: digest %016llx\n", static_cast<unsigned long long>(digest));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::setUpApplication();
  ui::testkit::FakePlatform fake;
  fringes::Form1 w;
  w.show();
  w.HScroll3.setValue(760);
  timeFrames("standing wave, 760 nm", w, fake, w.Command4);
  timeFrames("interference, 760 nm", w, fake, w.Command8);
  w.HScroll3.setValue(400);
  timeFrames("interference, 400 nm", w, fake, w.Command8);
  timeFrames("diffraction, 400 nm", w, fake, w.Command7);
  return 0;
}
