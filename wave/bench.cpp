// SPDX-License-Identifier: GPL-3.0-or-later
// Times the heaviest frame of the travelling wave (100 points per pi, both curves, drawn and
// erased with the axes) against the 4 ms pause that should pace the animation.
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
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
  wave::Form1 w;
  w.show();
  // The heaviest frame by default; another number of points per pi as the first argument.
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
    // The events a real pause runs, the repaint of the picture among them, timed apart.
    clock.restart();
    QCoreApplication::processEvents();
    repaintMs.push_back(clock.nsecsElapsed() / 1.0e6);
  };
  // The frame begins as the pause ends, after the repaint it let run.
  fake.onPauseEnded = [&] {
    clock.restart();
    cpuAt = threadCpuMs();
  };
  w.Command4.click();

  ui::testkit::Frames wall{frameMs}, cpu{cpuMs}, repaint{repaintMs};
  std::printf("frames timed: %zu (points per pi %d, both curves), raster %dx%d\n", frameMs.size(),
              w.HScroll3.value(), w.Picture1.image().width(), w.Picture1.image().height());
  std::printf("frame median %.3f ms, 99th percentile %.3f ms, heaviest %.3f ms; pause %.1f ms\n",
              wall.median(), wall.percentile(0.99), wall.heaviest(), kPauseMs);
  std::printf("median frame / pause = %.3f\n", wall.median() / kPauseMs);
  std::printf("processor time a frame: median %.3f ms, 99th percentile %.3f ms\n", cpu.median(),
              cpu.percentile(0.99));
  std::printf("repaint in the pause: median %.3f ms, heaviest %.3f ms\n", repaint.median(),
              repaint.heaviest());
  std::printf("pictures drawn: digest %016llx\n", static_cast<unsigned long long>(digest));
  std::printf("figures kept to draw the picture again: %.2f MB at most\n",
              ui::Canvas::keptFigureBytesPeak() / 1048576.0);
  return 0;
}
