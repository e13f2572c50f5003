// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the stopwatch's timer ticks and its mosaic against the 1 ms timer interval, on a
// fake clock so that every kind of tick can be chosen.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "form1.h"
#include "tickbench.h"
#include "ui/app.h"
#include "ui/testkit/fakeplatform.h"

using namespace watch::bench;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::setUpApplication();
  ui::testkit::FakePlatform fake;
  fake.setTime(10 * 3600 + 0.2);
  watch::Form1 w;
  w.show();
  w.Timer1.tick();

  const auto nothing = [] {};
  const auto tick = [&] { w.Timer1.tick(); };
  const Timing idle = measure(
      20000, [&] { fake.advance(0.00001); }, tick);
  report("tick without a new second", idle);
  report("tick with a new second (dial and hand)", measure(
                                                       300, [&] { fake.advance(1); }, tick));
  report("tick at \"59\" (second and minute step)", measure(
                                                        100,
                                                        [&] {
                                                          while (w.SecText != QLatin1String("58")) {
                                                            fake.advance(1);
                                                            w.Timer1.tick();
                                                          }
                                                          fake.advance(1);
                                                        },
                                                        tick));
  report("mosaic, window at design size", measure(20, nothing, [&] { w.Pic1.click(); }));
  w.setClientSize(1600 * 15, 1100 * 15);
  report("mosaic, window 1600 x 1100 px", measure(20, nothing, [&] { w.Pic1.click(); }));
  std::printf("idle share of a core from the ticks alone (1000 ticks/s): %.3f %%\n",
              idle.meanMs / kIntervalMs * 100);
  // The same idle ticks reading the machine's clock instead of the fake one.
  ui::setPlatform(nullptr);
  const Timing real = measure(20000, nothing, tick);
  ui::setPlatform(&fake);
  report("tick on the machine's clock", real);
  std::printf("idle share of a core with the machine's clock: %.3f %%\n",
              real.meanMs / kIntervalMs * 100);
  return 0;
}
