// SPDX-License-Identifier: GPL-3.0-or-later
// Times the heaviest frame of the two-wave lesson ("Обе" at 100 points per pi: both waves and
// their sum drawn, four curves wiped, the axes twice) against the 4 ms pause that paces it.
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

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::setUpApplication();
  ui::testkit::FakePlatform fake;
  wavesum::Form1 w;
  w.show();
  w.HScroll3.setValue(argc > 1 ? QByteArray(argv[1]).toInt() : 100);

  constexpr int kFrames = 300;
  constexpr double kPauseMs = 0.8 * 5;  // DelayFactor * 5 ms
  std::vector<double> frameMs, cpuMs, repaintMs;
  QElapsedTimer clock;
  double cpuAt = 0;
  quint64 digest = ui::testkit::foldPixels(QImage());
  fake.onPause = [&](int n) {
    // Between two pauses lies one whole frame: white pass, axes, axes, drawing pass.
    if (n > 1) {
      frameMs.push_back(clock.nsecsElapsed() / 1.0e6);
      cpuMs.push_back(threadCpuMs() - cpuAt);
    }
    digest = ui::testkit::foldPixels(w.Picture1.image(), digest);
    if (n > kFrames) w.Command5.click();
    clock.restart();
    QCoreApplication::processEvents();  // the repaint a real pause lets run
    repaintMs.push_back(clock.nsecsElapsed() / 1.0e6);
  };
  // The frame begins as the pause ends, after the repaint it let run.
  fake.onPauseEnded = [&] {
    clock.restart();
    cpuAt = threadCpuMs();
  };
  w.Command4.click();

  std::sort(frameMs.begin(), frameMs.end());
  std::sort(cpuMs.begin(), cpuMs.end());
  std::sort(repaintMs.begin(), repaintMs.end());
  const auto at = [&](double q) { return frameMs[size_t(q * (frameMs.size() - 1))]; };
  std::printf("frames timed: %zu (points per pi %d, both waves and the sum)\n", frameMs.size(),
              w.HScroll3.value());
  std::printf("frame median %.3f ms, 99th percentile %.3f ms, heaviest %.3f ms; pause %.1f ms\n",
              at(0.5), at(0.99), frameMs.back(), kPauseMs);
  std::printf("median frame / pause = %.3f\n", at(0.5) / kPauseMs);
  std::printf("processor time a frame: median %.3f ms, 99th percentile %.3f ms\n",
              cpuMs[cpuMs.size() / 2], cpuMs[cpuMs.size() * 99 / 100]);
  std::printf("repaint in the pause: median %.3f ms, heaviest %.3f ms\n",
              repaintMs[repaintMs.size() / 2], repaintMs.back());
  std::printf("pictures drawn: digest %016llx\n", static_cast<unsigned long long>(digest));
  std::printf("figures kept to draw the picture again: %.2f MB at most\n",
              ui::Canvas::keptFigureBytesPeak() / 1048576.0);
  return 0;
}
