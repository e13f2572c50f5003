// SPDX-License-Identifier: GPL-3.0-or-later
// The pause, nested loops, End and run-time errors.
#include <QtTest>

#include "ui/controls.h"
#include "ui/errors.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/testmain.h"

using namespace ui;

namespace {

// A window with the usual animation: a start button whose loop pauses until a stop button
// clears the shared flag.
class LoopForm : public Form {
 public:
  LoopForm() : Form(QStringLiteral("Form1"), 4000, 3000) {
    Start.onClick = [this] {
      Running = -1;
      ++starts;
      while (Running) {
        ++frames;
        pause(0.004);
      }
      ++finished;
    };
    Stop.onClick = [this] { Running = 0; };
    Quit.onClick = [] { End(); };
  }
  int Running = 0;
  int starts = 0, frames = 0, finished = 0;
  CommandButton Start{this, "Start", "Пуск", {0, 0, 1000, 400}};
  CommandButton Stop{this, "Stop", "Стоп", {1000, 0, 1000, 400}};
  CommandButton Quit{this, "Quit", "Выход", {2000, 0, 1000, 400}};
};

}  // namespace

class PauseTest : public QObject {
  Q_OBJECT

 private slots:
  void aPauseWaitsItsTimeOnTheClock() {
    testkit::FakePlatform fake;
    fake.setTime(3600);
    pause(0.02);
    QVERIFY(fake.now() >= 3600.02 - 1e-6);
    QVERIFY(fake.now() < 3600.03);
    QCOMPARE(fake.pauses(), 1);
  }

  void aPauseAcrossMidnightEndsOnTime() {
    testkit::FakePlatform fake;
    fake.setTime(86400 - 0.01);
    pause(0.02);
    QVERIFY(fake.now() < 1.0);  // a little past midnight, not a day later
    QVERIFY(fake.now() >= 0.009);
  }

  void stopDuringThePauseEndsTheLoopAfterItsFrame() {
    testkit::FakePlatform fake;
    LoopForm f;
    fake.onPause = [&](int n) {
      if (n == 3) f.Stop.click();
    };
    f.Start.click();
    QCOMPARE(f.frames, 3);
    QCOMPARE(f.finished, 1);
  }

  void aStartPressedDuringAPauseNestsAndBothEndOnStop() {
    testkit::FakePlatform fake;
    LoopForm f;
    fake.onPause = [&](int n) {
      if (n == 2) f.Start.click();
      if (n == 5) f.Stop.click();
    };
    f.Start.click();
    QCOMPARE(f.starts, 2);
    QCOMPARE(f.finished, 2);
    QCOMPARE(nestingDepth(), 0);
  }

  void endLeavesEveryNestedLoopAtOnce() {
    testkit::FakePlatform fake;
    LoopForm f;
    int depthAtEnd = 0;
    fake.onPause = [&](int n) {
      if (n <= 3) f.Start.click();
      if (n == 4) {
        depthAtEnd = nestingDepth();
        f.Quit.click();
      }
    };
    f.Start.click();
    QCOMPARE(depthAtEnd, 4);
    QVERIFY(fake.ended);
    QVERIFY(programEnded());
    QCOMPARE(f.finished, 0);  // no loop ran on to its end
    QCOMPARE(fake.pauses(), 4);
    f.Start.click();  // an ended program takes no more events
    QCOMPARE(f.starts, 4);
  }

  void hammeringStartStopsNestingAtTheBound() {
    testkit::FakePlatform fake;
    LoopForm f;
    int deepest = 0;
    fake.onPause = [&](int n) {
      deepest = std::max(deepest, nestingDepth());
      if (n < 200)
        f.Start.click();
      else
        f.Stop.click();
    };
    f.Start.click();
    QCOMPARE(deepest, kMaxNesting);
    QVERIFY(fake.beeps > 0);  // each refused start beeps
    QVERIFY(!fake.ended);
    QVERIFY(fake.errors.isEmpty());
    QCOMPARE(nestingDepth(), 0);
    QCOMPARE(f.finished, kMaxNesting);
  }

  void aRunTimeErrorIsShownInRussianAndEndsTheProgram() {
    testkit::FakePlatform fake;
    LoopForm f;
    f.Stop.onClick = [] { CInt(1e9); };
    f.Stop.click();
    QCOMPARE(fake.errors.size(), 1);
    QVERIFY(fake.errors.first().contains(QStringLiteral("Переполнение")));
    QVERIFY(fake.ended);
    f.Start.click();
    QCOMPARE(f.starts, 0);
  }

  void aRunTimeErrorInsideANestedLoopEndsAllOfThem() {
    testkit::FakePlatform fake;
    LoopForm f;
    CommandButton bad(&f, QStringLiteral("Bad"), QStringLiteral("!"), {0, 500, 500, 400});
    bad.onClick = [] { divide(1, 0); };
    fake.onPause = [&](int n) {
      if (n == 1) f.Start.click();
      if (n == 2) bad.click();
    };
    f.Start.click();
    QCOMPARE(fake.errors.size(), 1);
    QCOMPARE(fake.pauses(), 2);
    QCOMPARE(nestingDepth(), 0);
  }

  void theRealClockReadsTheLocalTimeOfDay() {
    const double ours = platform().secondsSinceMidnight();
    const double qt = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    QVERIFY(ours >= 0 && ours < 86400);
    const double gap = std::fabs(ours - qt);
    QVERIFY2(gap < 1.0 || gap > 86399.0, qPrintable(QString::number(gap)));
  }

  void aTimerNeverTicksFasterThanTenMilliseconds() {
    Form f(QStringLiteral("Form1"), 1500, 1500);
    TimerControl fast(&f, QStringLiteral("Timer1"), 1);
    int ticks = 0;
    fast.onTimer = [&] { ++ticks; };
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 2000);  // it goes on ticking
    QVERIFY2(ticks <= clock.elapsed() / 10 + 1, qPrintable(QString::number(ticks)));
    QCOMPARE(fast.interval(), 1);
  }

  void theRealPauseWaitsInTheEventLoop() {
    // The Qt platform: a pause lets queued events run and lasts about its time.
    int ran = 0;
    QTimer::singleShot(5, [&] { ++ran; });
    QElapsedTimer clock;
    clock.start();
    pause(0.05);
    QCOMPARE(ran, 1);
    QVERIFY(clock.elapsed() >= 40);
  }
};

LESSON_TEST(PauseTest)
#include "tst_pause.moc"
