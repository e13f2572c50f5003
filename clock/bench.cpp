// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the clock: its timer ticks on a fake clock, each kind chosen, and the processor
// share of the shown window left idle with its 1 ms timer on the machine's own clock.
#include <time.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "form1.h"
#include "tickbench.h"
#include "ui/app.h"
#include "ui/testkit/fakeplatform.h"

using namespace watch::bench;

namespace {

constexpr int kIdleRunMs = 10000;  // ms of the idle window

double processCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::setUpApplication();
  {
    ui::testkit::FakePlatform fake;
    fake.setTime(10 * 3600 + 0.2);
    wallclock::Form1 w;
    w.show();
    w.Timer1.tick();
    const auto tick = [&] { w.Timer1.tick(); };
    report("tick without a new second", measure(
                                            20000, [&] { fake.advance(0.00001); }, tick));
    report("tick with a new second (dial and hand)", measure(
                                                         300, [&] { fake.advance(1); }, tick));
    report("click on the dial", measure(
                                    100, [] {}, [&] { w.Pic1.click(); }));
  }

  // The window as a pupil leaves it, on the machine's clock and the real event loop.
  wallclock::Form1 w;
  w.show();
  QTimer::singleShot(500, &app, [&] {
    const double cpu0 = processCpuMs();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(kIdleRunMs, &app, [&app, cpu0, wall] {
      const double cpu = processCpuMs() - cpu0, ms = double(wall.elapsed());
      std::printf("idle window for %.0f ms: %.1f ms of processor time, %.2f %% of a core\n", ms,
                  cpu, cpu / ms * 100);
      app.quit();
    });
  });
  return app.exec();
}
