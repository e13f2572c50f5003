// SPDX-License-Identifier: GPL-3.0-or-later
// The simple pendulum lesson driven as a pupil drives it: the fixed layout, the swing with its
// trail, the pace, and the circular motion it shares with the spring pendulum.
#include <QtTest>
#include <cmath>

#include "form1.h"
#include "ui/app.h"
#include "ui/testkit/drawlog.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"
#include "ui/testkit/pupil.h"

using namespace ui;
using ui::testkit::FakePlatform;
using ui::testkit::records;
using ui::testkit::runFrames;

namespace {

bool near(double a, double b, double tolerance) {
  return std::fabs(a - b) <= tolerance;
}

// The bob at step J: the table angle of 130 - J lesson degrees (pi = 3.1415) on the circle of
// radius 1200, worked out once for the steps the tests look at.
QPointF bobAt(int j) {
  switch (j) {
    case 1:
      return {-755.1225429827, 932.6252972547};  // 39 degrees left
    case 40:
      return {0.0555921539, 1199.9999987123};  // straight down, but for pi's last digits
    case 41:
      return {20.9978537931, 1199.8162734919};
    case 80:
      return {771.3687902909, 919.2334792451};  // 40 degrees right
  }
  return {qQNaN(), qQNaN()};
}

bool samePoint(QPointF a, QPointF b) {
  return near(a.x(), b.x(), 1e-6) && near(a.y(), b.y(), 1e-6);
}

}  // namespace

class PendulumTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { setUpApplication(); }

  void fixedLayoutAtItsDesignPlaces() {
    FakePlatform fake;
    Form1 w;
    w.show();
    const auto at = [](const Control& c, const Rect& r) {
      return near(c.left(), r.left, 15) && near(c.top(), r.top, 15) &&
             near(c.width(), r.width, 15) && near(c.height(), r.height, 15);
    };
    QVERIFY(at(w.Picture1, {120, 120, 6615, 6615}) && at(w.Command1, {8880, 5880, 1575, 615}));
    QVERIFY(at(w.Command2, {8880, 6840, 1575, 615}) && at(w.Command3, {1800, 6960, 2055, 495}));
    QVERIFY(at(w.Command4, {4320, 6960, 2055, 495}) && at(w.Command5, {6960, 5880, 1695, 615}));
    QVERIFY(at(w.Command6, {6960, 6840, 1695, 615}) && at(w.Command7, {120, 6960, 1455, 495}));
    QVERIFY(at(w.Label1, {6840, 1320, 3615, 615}) && at(w.Label2, {6840, 2040, 3615, 615}));
    QVERIFY(at(w.Label3, {6840, 240, 1335, 495}) && at(w.Label4, {8640, 240, 1695, 495}));
    QVERIFY(at(w.Label5, {6840, 3720, 3615, 735}) && at(w.Label6, {6840, 4560, 3615, 615}));
    QVERIFY(near(w.clientWidth(), 10620, 15) && near(w.clientHeight(), 7725, 15));
    QCOMPARE(w.window()->minimumSize(), w.window()->maximumSize());
    QCOMPARE(w.Picture1.pixelSize().width(), w.Picture1.pixelSize().height());
    const FontSpec font{QStringLiteral("MS Sans Serif"), 13.5};
    QVERIFY(w.Command3.font() == font && w.Label5.font() == font);
    for (const Label* l : {&w.Label1, &w.Label2, &w.Label3, &w.Label4, &w.Label5, &w.Label6})
      QCOMPARE(l->caption(), l->name());
    QCOMPARE(testkit::controlsWithoutAccessibleName(w), QStringList());
    QCOMPARE(testkit::controlsUnderDecorations(w), QStringList());
    testkit::clickAt(w, w.clientWidget()->mapTo(w.window(), QPoint(7000 / 15, 5200 / 15)));
    QVERIFY(fake.ended);
  }

  void speedButtonsAtBothEnds() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.Command3.click();  // from 1: stays at 1 and disables itself
    QCOMPARE(w.SpeedFactor, 1.0f);
    QVERIFY(!w.Command3.enabled() && w.Command4.enabled());
    for (int k = 1; k <= 7; ++k) {
      QVERIFY(w.Command4.enabled());
      w.Command4.click();
      QCOMPARE(w.SpeedFactor, float(1 + k));
      QVERIFY(w.Command3.enabled());
    }
    QVERIFY(!w.Command4.enabled());
    w.Command4.click();  // disabled: nothing happens
    QCOMPARE(w.SpeedFactor, 8.0f);
    w.Command3.click();
    QCOMPARE(w.SpeedFactor, 7.0f);
    QVERIFY(w.Command4.enabled() && w.Command3.enabled());
    for (int k = 0; k < 6; ++k)
      w.Command3.click();
    QVERIFY(!w.Command3.enabled());
    QCOMPARE(w.SpeedFactor, 1.0f);
    // The pause follows the pace: 8 × 5 ms a frame at the slow end.
    for (int k = 0; k < 7; ++k)
      w.Command4.click();
    double started = 0, lasted = 0;
    runFrames(fake, w.Command5, w.Command6, 3, [&](int n) {
      if (n == 2) started = fake.now();
      if (n == 3) lasted = fake.now() - started;
    });
    QVERIFY(lasted >= 0.040 && lasted < 0.050);
    QVERIFY(w.Label1.caption() == QStringLiteral("Label1"));  // the speed writes no label
  }

  void pendulumStopBeforeAndAfterOneFrame() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.Picture1.setLogging(true);
    w.Command6.click();  // before any swing: hanging straight down, step 40
    QCOMPARE(w.Label5.caption(), QStringLiteral("T=2*pi*SQR(L/g)  "));
    QCOMPARE(w.Label6.caption(), QStringLiteral("39"));
    auto strings = records(w.Picture1.log(), DrawRecord::Line, kBlue);
    QCOMPARE(int(strings.size()), 1);
    QVERIFY(samePoint(strings[0].p2, bobAt(40)) && near(strings[0].p2.x(), 0, 0.3));
    QVERIFY(strings[0].p1 == QPointF(0, 0) && strings[0].width == 3);
    const auto heightBar = records(w.Picture1.log(), DrawRecord::Line, kRed);
    QVERIFY(!heightBar.empty() && heightBar.back().p2 == QPointF(1400, 1200));

    w.Picture1.clearLog();
    std::vector<DrawRecord> firstFrame;
    runFrames(fake, w.Command5, w.Command6, 1, [&](int) { firstFrame = w.Picture1.log(); });
    QCOMPARE(w.J, 41);
    QCOMPARE(w.Label6.caption(), QStringLiteral("40"));
    // The first frame: the string 1° right of straight down and the bob in red.
    strings = records(firstFrame, DrawRecord::Line, kBlue);
    QVERIFY(samePoint(strings.back().p2, bobAt(41)) && strings.back().p2.x() > 20);
    const auto bob = records(firstFrame, DrawRecord::Circle, kRed);
    QVERIFY(!bob.empty() && samePoint(bob.front().p1, bobAt(41)) && bob.front().radius == 25);
    QVERIFY(records(firstFrame, DrawRecord::Circle, kWhite).empty());
    // The floor 1200 below the pivot and the support bar.
    const auto black = records(firstFrame, DrawRecord::Line, kBlack);
    QVERIFY(std::any_of(black.begin(), black.end(), [](const DrawRecord& r) {
      return r.p1 == QPointF(-2000, 1200) && r.p2 == QPointF(2000, 1200);
    }));
    QVERIFY(std::any_of(black.begin(), black.end(), [](const DrawRecord& r) {
      return r.p1 == QPointF(-900, 0) && r.p2 == QPointF(900, 0);
    }));
  }

  void trailWipedOnTheWayBack() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.Picture1.setLogging(true);
    std::vector<int> steps;
    // Out to the right (41..80), back to the lowest point and out to the left (79..1), and
    // back again to the lowest point (2..40).
    runFrames(fake, w.Command5, w.Command6, 40 + 79 + 39, [&](int) { steps.push_back(w.J); });
    QCOMPARE(steps.front(), 41);
    QCOMPARE(*std::max_element(steps.begin(), steps.end()), 80);
    QCOMPARE(*std::min_element(steps.begin(), steps.end()), 1);
    QCOMPARE(steps.back(), 40);
    std::vector<DrawRecord> bobs;
    for (const DrawRecord& r : w.Picture1.log())
      if (r.kind == DrawRecord::Circle && r.radius == 25 && r.p1.x() != 1400) bobs.push_back(r);
    QCOMPARE(int(bobs.size()), int(steps.size()) + 1);  // and the red bob of the stop
    for (size_t k = 0; k < steps.size(); ++k) {
      // Red while swinging away: 41..79 and 40..2; the turning points 80 and 1 are already on
      // the way back.
      const bool away = k < 39 || (k >= 79 && k < 118);
      QCOMPARE(bobs[k].color, away ? kRed : kWhite);
      QVERIFY(near(std::hypot(bobs[k].p1.x(), bobs[k].p1.y()), 1200, 1e-6));
      if (steps[k] == 1 || steps[k] == 40 || steps[k] == 41 || steps[k] == 80)
        QVERIFY(samePoint(bobs[k].p1, bobAt(steps[k])));
    }
    // Every red bob of the swing is wiped by a white one at the same place later on.
    for (size_t k = 0; k < steps.size(); ++k) {
      if (bobs[k].color != kRed) continue;
      QVERIFY(std::any_of(bobs.begin() + long(k) + 1, bobs.end() - 1, [&](const DrawRecord& r) {
        return r.color == kWhite && r.p1 == bobs[k].p1;
      }));
    }
    // So the picture holds no red but the bob of the stop and the pivot's dot: some 80 red
    // circles would be left without the wipe.
    int red = 0;
    const QSize size = w.Picture1.pixelSize();
    for (int y = 0; y < size.height(); ++y)
      for (int x = 0; x < size.width(); ++x)
        if (w.Picture1.pixel(x, y) == kRed) ++red;
    const QPoint bob = w.Picture1.toPixel(bobAt(40).x(), bobAt(40).y());
    const int radius = w.Picture1.toPixel(25, 0).x() - w.Picture1.toPixel(0, 0).x();
    QCOMPARE(w.Picture1.pixel(bob.x() + radius, bob.y()), kRed);
    QVERIFY2(red < 150, qPrintable(QString::number(red)));
  }

  // "Пуск2" again in the 30th frame's pause, "Стоп2" in the eleventh frame of the inner loop:
  // each loop wipes the height mark it drew, and none stays beside the picture's centre.
  void secondPendulumInsideTheFirstLeavesNoMark() {
    FakePlatform fake;
    Form1 w;
    w.show();
    fake.onPause = [&](int n) {
      if (n == 30) testkit::clickOn(w.Command5);
      if (n == 41) testkit::clickOn(w.Command6);
    };
    testkit::clickOn(w.Command5);
    const QPoint a = w.Picture1.toPixel(1300, -1300), b = w.Picture1.toPixel(1500, 1300);
    int red = 0;
    for (int y = a.y(); y <= b.y(); ++y)
      for (int x = a.x(); x <= b.x(); ++x)
        red += w.Picture1.pixel(x, y) == kRed;
    QCOMPARE(red, 0);
  }

  void circleStopBeforeAndAfterNinetyFrames() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.Command2.click();  // before any start: the point at angle 0
    // With pi = 3.1415, 360 lesson degrees fall just short of a turn: 1200 cos gives 1199.99998.
    QCOMPARE(w.Label1.caption(), QStringLiteral("X=R*COS(a)=   1199"));
    QCOMPARE(w.Label2.caption(), QStringLiteral("Y=R*SIN(a)=   0"));
    QCOMPARE(w.Label3.caption() + "|" + w.Label4.caption(),
             QStringLiteral("R=   1200|угол a=   0"));
    QVERIFY(fake.errors.isEmpty());
    runFrames(fake, w.Command1, w.Command2, 90);
    // 270 lesson degrees: 1200 cos = -0.17 and -1200 sin = 1199.99999, worked out once.
    QCOMPARE(w.Label1.caption(), QStringLiteral("X=R*COS(a)=  -1"));
    QCOMPARE(w.Label2.caption(), QStringLiteral("Y=R*SIN(a)=   1199"));
    QCOMPARE(w.Label4.caption(), QStringLiteral("угол a=   89"));
  }

  void monkey() {
    FakePlatform fake;
    Form1 w;
    w.show();
    testkit::Monkey monkey(fake, 14);
    monkey.addWindow(w);
    monkey.addStopControl(w.Command2);
    monkey.addStopControl(w.Command6);
    monkey.setMaxPausesPerEvent(60);
    const testkit::Monkey::Result r = monkey.run(3000);
    QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure));
    QVERIFY(r.nested > 0 && r.pauses > 1000);
    QVERIFY(w.J >= 1 && w.J <= 80 && w.SpeedFactor >= 1 && w.SpeedFactor <= 8);
  }
};

QTEST_MAIN(PendulumTest)
#include "tst_pendulum.moc"
