// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long a move of a charge bar takes (texts and the whole picture redrawn) against
// the 5 ms a pupil's drag gives between two thumb positions.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ui/app.h"
#include "ui/testkit/fakeplatform.h"
#include "varden.h"

namespace {

constexpr double kDragStepMs = 5.0;  // ms between two thumb positions of a quick drag

struct Figures {
  double meanMs = 0;
  double p99Ms = 0;
  double worstMs = 0;
};

Figures measure(Varden& w, ui::OptionButton& mode) {
  mode.click();
  QElapsedTimer clock;
  Figures f;
  std::vector<double> times;
  for (int r = 26; r <= 50; r += 12) {
    w.HScroll3.setValue(r);
    for (int q2 = -10; q2 <= 10; ++q2) {
      w.HScroll2.setValue(q2);
      for (int q1 = -10; q1 <= 10; ++q1) {
        clock.start();
        w.HScroll1.setValue(q1);
        w.Picture1.image();  // the painter finishes: the raster is complete
        const double ms = clock.nsecsElapsed() / 1e6;
        times.push_back(ms);
      }
    }
  }
  std::sort(times.begin(), times.end());
  for (double ms : times)
    f.meanMs += ms;
  f.meanMs /= double(times.size());
  f.p99Ms = times[times.size() * 99 / 100];
  f.worstMs = times.back();
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::setUpApplication();
  ui::testkit::FakePlatform fake;
  Varden w;
  w.show();
  measure(w, w.Option1);  // warms up fonts and the raster
  for (auto [name, option] : {std::pair{"forces", &w.Option1}, std::pair{"fields", &w.Option2}}) {
    const Figures f = measure(w, *option);
    std::printf("%s: mean %.3f ms, 99th percentile %.3f ms, heaviest %.3f ms; heaviest/step %.2f\n",
                name, f.meanMs, f.p99Ms, f.worstMs, f.worstMs / kDragStepMs);
  }
  return 0;
}
