// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long a move of a charge bar takes in the plain lab (picture and texts) against
// the 5 ms a pupil's drag gives between two thumb positions, and how long the window takes to
// build and show.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "quorvel.h"
#include "ui/app.h"
#include "ui/testkit/fakeplatform.h"

namespace {

constexpr double kDragStepMs = 5.0;  // ms between two thumb positions of a quick drag

// Prints mean, 99th percentile and heaviest of the times; with a step, the heaviest against it.
void report(const char* name, std::vector<double> times, double stepMs = 0) {
  std::sort(times.begin(), times.end());
  double mean = 0;
  for (double ms : times)
    mean += ms;
  mean /= double(times.size());
  std::printf("%s: mean %.3f ms, 99th percentile %.3f ms, heaviest %.3f ms", name, mean,
              times[times.size() * 99 / 100], times.back());
  if (stepMs > 0) std::printf("; heaviest/step %.2f", times.back() / stepMs);
  std::printf("\n");
}

std::vector<double> chargeMoves(Quorvel& w, ui::OptionButton& mode) {
  mode.click();
  QElapsedTimer clock;
  std::vector<double> times;
  for (int r = 26; r <= 50; r += 12) {
    w.HScroll3.setValue(r);
    for (int q2 = -10; q2 <= 10; ++q2) {
      w.HScroll2.setValue(q2);
      for (int q1 = -10; q1 <= 10; ++q1) {
        clock.start();
        w.HScroll1.setValue(q1);
        w.Picture1.image();  // the painter finishes: the raster is complete
        times.push_back(clock.nsecsElapsed() / 1e6);
      }
    }
  }
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::setUpApplication();
  ui::testkit::FakePlatform fake;
  std::vector<double> builds;
  for (int i = 0; i < 20; ++i) {
    QElapsedTimer clock;
    clock.start();
    Quorvel w;
    w.show();
    QApplication::processEvents();
    builds.push_back(clock.nsecsElapsed() / 1e6);
  }
  report("window built and shown", builds);
  Quorvel w;
  w.show();
  chargeMoves(w, w.Option1);  // warms up fonts and the raster
  report("forces", chargeMoves(w, w.Option1), kDragStepMs);
  report("fields", chargeMoves(w, w.Option2), kDragStepMs);
  return 0;
}
