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
#include "ui/testkit/fakeplatform.h"

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
  std::vector<double> frameMs, repaintMs;
  QElapsedTimer clock;
  fake.onPause = [&](int n) {
    // Between two pauses lies one whole frame: white pass, axes, axes, drawing pass.
    if (n > 1) frameMs.push_back(clock.nsecsElapsed() / 1.0e6);
    if (n > kFrames) w.Command5.click();
    // The events a real pause runs, the repaint of the picture among them, timed apart.
    clock.restart();
    QCoreApplication::processEvents();
    repaintMs.push_back(clock.nsecsElapsed() / 1.0e6);
    clock.restart();
  };
  w.Command4.click();

  const auto heaviest = std::max_element(frameMs.begin(), frameMs.end()) - frameMs.begin();
  std::sort(frameMs.begin(), frameMs.end());
  double sum = 0;
  for (double ms : frameMs)
    sum += ms;
  const double median = frameMs[frameMs.size() / 2], worst = frameMs.back();
  std::printf("frames timed:          %zu (points per pi %d, both curves)\n", frameMs.size(),
              w.HScroll3.value());
  std::printf("frame median / pause:  %.3f ms / %.1f ms = %.3f\n", median, kPauseMs,
              median / kPauseMs);
  std::printf("frame mean / pause:    %.3f ms / %.1f ms = %.3f\n", sum / frameMs.size(), kPauseMs,
              sum / frameMs.size() / kPauseMs);
  const double p99 = frameMs[frameMs.size() * 99 / 100];
  std::printf("99th percentile / pause: %.3f ms / %.1f ms = %.3f\n", p99, kPauseMs, p99 / kPauseMs);
  std::printf("heaviest frame / pause: %.3f ms / %.1f ms = %.3f (frame %td)\n", worst, kPauseMs,
              worst / kPauseMs, heaviest + 1);
  std::sort(repaintMs.begin(), repaintMs.end());
  std::printf("repaint in the pause:  median %.3f ms, heaviest %.3f ms\n",
              repaintMs[repaintMs.size() / 2], repaintMs.back());
  return 0;
}
