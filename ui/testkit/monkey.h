// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey tester: a long seeded stream of random pupil actions on the windows of a program,
// fired also from inside the pauses of running animations so that loops nest and stop as
// they do in class. It reports escaped faults, run-time errors, hangs and growing memory.
#pragma once

#include <QString>
#include <atomic>
#include <random>
#include <vector>

#include "fakeplatform.h"
#include "ui/controls.h"

namespace ui::testkit {

class Monkey {
 public:
  struct Result {
    int events = 0;  // top-level actions fired
    int nested = 0;  // actions fired inside a pause
    int pauses = 0;
    int deepest = 0;     // deepest nesting of pauses seen
    long growthKb = 0;   // resident memory growth over the second half of the run
    QString failure;     // empty when all went well
    bool ended = false;  // the failure is the program's own End
    QString lastAction;
  };

  // The last moment the window's thread was seen making progress.
  struct Heartbeat {
    std::atomic<long long> cpuMs{0};   // processor time of the window's thread, ms
    std::atomic<long long> wallMs{0};  // wall clock, ms
    void beat();
  };

  Monkey(FakePlatform& fake, unsigned seed);
  // Windows whose controls and menus the monkey uses (only while they are visible).
  void addWindow(Form& form);
  // Controls pressed when a loop has run for too many pauses (a program's "Стоп").
  void addStopControl(Control& c) { stops_.push_back(&c); }
  void setMaxPausesPerEvent(int n) { maxPauses_ = n; }
  void setNestedChance(double p) { nestedChance_ = p; }
  // Processor time an action may take without returning or reaching a pause.
  void setHangLimitMs(int ms) { hangLimitMs_ = ms; }
  // Memory growth over the second half of the run that counts as a leak.
  void setMaxGrowthKb(long kb) { maxGrowthKb_ = kb; }

  Result run(int events);

 private:
  void act(bool nested);
  void actOn(Control& c);
  void onPause();
  QString junk();
  int uniform(int lo, int hi);
  bool chance(double p);

  FakePlatform& fake_;
  std::mt19937 rng_;
  std::vector<Form*> forms_;
  std::vector<Control*> stops_;
  int maxPauses_ = 200;
  double nestedChance_ = 0.03;
  int hangLimitMs_ = 1000;
  long maxGrowthKb_ = 64 * 1024;
  int pausesThisEvent_ = 0;
  Result result_;
  Heartbeat heartbeat_;
};

// Resident memory of this process in kilobytes.
long residentKb();

}  // namespace ui::testkit
