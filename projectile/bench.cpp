// SPDX-License-Identifier: GPL-3.0-or-later
// Times the frames of the flight (gun, ball drawn, ball erased) and the set-up of the picture
// (clear, axes, numbers, target) against the 20 ms pause that paces the animation.
#include <QApplication>
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
  Form1 w;
  w.show();
  w.Command1.click();

  constexpr int kFrames = 1200;  // past the restart after 10 s of model time
  constexpr double kPauseMs = 20;
  std::vector<double> frameMs;
  double setUpMs = 0;
  QElapsedTimer clock;
  clock.start();
  fake.onPause = [&](int n) {
    if (n == 1)
      setUpMs = clock.nsecsElapsed() / 1.0e6;
    else
      frameMs.push_back(clock.nsecsElapsed() / 1.0e6);
    if (n > kFrames) w.Command3.click();
    clock.restart();
  };
  w.Command2.click();

  std::sort(frameMs.begin(), frameMs.end());
  double sum = 0;
  for (double ms : frameMs)
    sum += ms;
  std::printf("frames timed:            %zu\n", frameMs.size());
  std::printf("set-up and first frame:  %.3f ms / %.0f ms = %.4f\n", setUpMs, kPauseMs,
              setUpMs / kPauseMs);
  std::printf("frame mean / pause:      %.4f ms / %.0f ms = %.4f\n", sum / frameMs.size(), kPauseMs,
              sum / frameMs.size() / kPauseMs);
  std::printf("99th percentile / pause: %.4f ms / %.0f ms = %.4f\n",
              frameMs[frameMs.size() * 99 / 100], kPauseMs,
              frameMs[frameMs.size() * 99 / 100] / kPauseMs);
  std::printf("heaviest frame / pause:  %.4f ms / %.0f ms = %.4f\n", frameMs.back(), kPauseMs,
              frameMs.back() / kPauseMs);
  return 0;
}
