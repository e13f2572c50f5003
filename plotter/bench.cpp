// SPDX-License-Identifier: GPL-3.0-or-later
// Times the heaviest static preset ("Command14" with a = 59: about 64 000 points) and the other
// whole-curve buttons, then the frames of every animation against the 4 ms pause that paces
// them.
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "form1.h"
#include "ui/app.h"
#include "ui/testkit/fakeplatform.h"

namespace {

struct Figures {
  double median = 0, p99 = 0, worst = 0;
};

Figures figures(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back()};
}

// Milliseconds of one press of a button that draws a whole picture, over `runs` presses.
Figures timeStatic(ui::CommandButton& button, int runs) {
  std::vector<double> ms;
  QElapsedTimer clock;
  for (int i = 0; i < runs; ++i) {
    clock.start();
    button.click();
    ms.push_back(clock.nsecsElapsed() / 1.0e6);
    QCoreApplication::processEvents();
  }
  return figures(ms);
}

// Milliseconds of work between two pauses of an animation, and of the repaint in the pause.
std::pair<Figures, Figures> timeFrames(ui::testkit::FakePlatform& fake, plotter::Form1& w,
                                       ui::CommandButton& button, int frames) {
  std::vector<double> frameMs, repaintMs;
  QElapsedTimer clock;
  const int before = fake.pauses();
  fake.onPause = [&](int n) {
    if (n - before > 1) frameMs.push_back(clock.nsecsElapsed() / 1.0e6);
    if (n - before > frames) w.Command8.click();
    clock.restart();
    QCoreApplication::processEvents();
    repaintMs.push_back(clock.nsecsElapsed() / 1.0e6);
    clock.restart();
  };
  button.click();
  fake.onPause = nullptr;
  return {figures(frameMs), figures(repaintMs)};
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::setUpApplication();
  ui::testkit::FakePlatform fake;
  plotter::Form1 w;
  w.show();
  QCoreApplication::processEvents();

  // The clock seeds the random numbers: find a second at which "Command14" draws a = 59.
  do {
    fake.advance(1);
    w.Command14.click();
  } while (w.ParamA != 59);
  const long points = 3 * long(2 * 59 * 180 + 1);
  const Figures heaviest = timeStatic(w.Command14, 30);
  std::printf("Command14, a = 59 (%ld points): median %.2f ms, heaviest %.2f ms (goal 50 ms)\n",
              points, heaviest.median, heaviest.worst);
  const std::vector<std::pair<const char*, ui::CommandButton*>> statics = {
      {"Command10", &w.Command10}, {"Command11", &w.Command11}, {"Command13", &w.Command13},
      {"Command3", &w.Command3},   {"Command5", &w.Command5},   {"Command18", &w.Command18},
      {"Command16", &w.Command16}, {"Command19", &w.Command19}};
  for (const auto& [name, button] : statics) {
    const Figures f = timeStatic(*button, 10);
    std::printf("%-10s median %.2f ms, heaviest %.2f ms\n", name, f.median, f.worst);
  }

  constexpr double kPauseMs = 0.8 * 5;  // DelayFactor * 5 ms after "Очистка" or a trace
  w.Command8.click();
  w.Option1.click();  // the radars with their range marks: the heaviest frames
  const std::vector<std::pair<const char*, ui::CommandButton*>> animations = {
      {"Command2", &w.Command2},
      {"Command15", &w.Command15},
      {"Command17", &w.Command17},
      {"Command1", &w.Command1},
      {"Command4", &w.Command4}};
  for (const auto& [name, button] : animations) {
    const auto [frame, repaint] = timeFrames(fake, w, *button, 400);
    std::printf(
        "%-10s frame median %.3f ms, 99th %.3f ms, heaviest %.3f ms; median / pause = %.3f; "
        "repaint in the pause median %.3f ms\n",
        name, frame.median, frame.p99, frame.worst, frame.median / kPauseMs, repaint.median);
  }
  return 0;
}
