#include <QtTest>
#include <cmath>

#include "form1.h"
#include "tst_oscillations.h"
#include "ui/app.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"

using namespace ui;
using ui::testkit::FakePlatform;

namespace {

constexpr double kPi = 3.1415;
constexpr Color kRedPen = RGB(255, 0, 0);
constexpr Color kBluePen = RGB(0, 0, 255);

std::vector<QPointF> pointsIn(const Canvas& c, Color color) {
  std::vector<QPointF> points;
  for (const DrawRecord& r : c.log())
    if (r.kind == DrawRecord::PSet && r.color == color) points.push_back(r.p1);
  return points;
}

int countOf(const Canvas& c, DrawRecord::Kind kind) {
  return int(std::count_if(c.log().begin(), c.log().end(),
                           [kind](const DrawRecord& r) { return r.kind == kind; }));
}

bool printed(const Canvas& c, const QString& text) {
  return std::any_of(c.log().begin(), c.log().end(), [&](const DrawRecord& r) {
    return r.kind == DrawRecord::Print && r.text == text;
  });
}

// Lets an animation started by `button` run for `frames` pauses, then presses "Стоп".
void runFrames(FakePlatform& fake, Form1& w, CommandButton& button, int frames) {
  const int before = fake.pauses();
  fake.onPause = [&w, before, frames](int n) {
    if (n - before >= frames) w.Command5.click();
  };
  button.click();
  fake.onPause = nullptr;
}

void compareNear(double actual, double expected, double tolerance = 1e-9) {
  QVERIFY2(
      std::fabs(actual - expected) <= tolerance,
      qPrintable(
          QStringLiteral("%1 instead of %2").arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

}  // namespace

void OscillationsTest::initTestCase() {
  setUpApplication();
}

void OscillationsTest::loadShowsDefaults() {
  FakePlatform fake;
  Form1 w;
  w.show();
  QCOMPARE(w.Label13.caption(), QStringLiteral(" 5"));
  QCOMPARE(w.Label11.caption(), QStringLiteral(" .5"));
  QCOMPARE(w.Label12.caption(), QStringLiteral(" .005"));
  QCOMPARE(w.Label1.caption(), QStringLiteral("2.7"));
  QCOMPARE(w.Label2.caption(), QStringLiteral("0.04"));
  QCOMPARE(w.Label3.caption(), CStr(w.Amplitude));
  QVERIFY(w.Amplitude >= 10 && w.Amplitude <= 189);
  QCOMPARE(w.Amplitude, std::floor(w.Amplitude));
  compareNear(w.CurrentTime, kPi / 50);
  QCOMPARE(w.Running, qint16(0));
  QVERIFY(!w.Option1.value() && !w.Option2.value());
  QVERIFY(w.form2.loaded());
  QVERIFY(!w.form2.visible());
  QVERIFY(!w.form2.Frame1.visible());
  QCOMPARE(testkit::controlsWithoutAccessibleName(w), QStringList());
  QCOMPARE(testkit::controlsWithoutAccessibleName(w.form2), QStringList());
}

void OscillationsTest::amplitudeIsTheSameAtEveryStart() {
  float first = 0;
  {
    FakePlatform fake;
    fake.setTime(100);
    Form1 w;
    w.show();
    first = w.Amplitude;
  }
  FakePlatform fake;
  fake.setTime(50000);
  Form1 w;
  w.show();
  QCOMPARE(w.Amplitude, first);
  // The buttons that seed from the clock do vary it.
  QSet<float> seen;
  for (int i = 0; i < 8; ++i) {
    fake.advance(1.7);
    w.Command1.click();
    w.Command6.click();
    seen.insert(w.Amplitude);
  }
  QVERIFY(seen.size() > 1);
}

void OscillationsTest::parameterLabels_data() {
  QTest::addColumn<QString>("bar");
  QTest::addColumn<int>("value");
  QTest::addColumn<QString>("label");
  QTest::addColumn<QString>("text");
  QTest::newRow("L smallest") << "HScroll1" << 1 << "Label11"
                              << " .1";
  QTest::newRow("L largest") << "HScroll1" << 10 << "Label11"
                             << " 1";
  QTest::newRow("C smallest") << "HScroll2" << 1 << "Label12"
                              << " .001";
  QTest::newRow("C largest") << "HScroll2" << 10 << "Label12"
                             << " .01";
  QTest::newRow("damping top") << "VScroll1" << 5 << "Label2"
                               << "0.1";
  QTest::newRow("damping bottom") << "VScroll1" << 1 << "Label2"
                                  << "0.02";
  QTest::newRow("points largest") << "HScroll3" << 180 << "Label13"
                                  << " 180";
}

void OscillationsTest::parameterLabels() {
  QFETCH(QString, bar);
  QFETCH(int, value);
  QFETCH(QString, label);
  QFETCH(QString, text);
  FakePlatform fake;
  Form1 w;
  w.show();
  ScrollBar* scroll = nullptr;
  Label* shown = nullptr;
  for (Control* c : w.controls()) {
    if (c->name() == bar) scroll = static_cast<ScrollBar*>(c);
    if (c->name() == label) shown = static_cast<Label*>(c);
  }
  QVERIFY(scroll && shown);
  scroll->setValue(value);
  QCOMPARE(shown->caption(), text);
  if (bar == QLatin1String("VScroll1")) compareNear(w.Damping, value / 50.0);
}

void OscillationsTest::pointsLabelShowsRawValueAfterChange() {
  FakePlatform fake;
  Form1 w;
  w.show();
  QCOMPARE(w.Label13.caption(), QStringLiteral(" 5"));
  w.HScroll3.step(1);
  QCOMPARE(w.Label13.caption(), QStringLiteral(" 51"));
}

void OscillationsTest::phaseOptionsHideOneBarAndResetBoth() {
  FakePlatform fake;
  Form1 w;
  w.show();
  w.HScroll1.setValue(8);
  w.HScroll2.setValue(3);
  w.Option1.click();
  QVERIFY(!w.HScroll1.visible());
  QVERIFY(w.HScroll2.visible());
  QCOMPARE(w.HScroll1.value(), 1);
  QCOMPARE(w.HScroll2.value(), 5);
  QCOMPARE(w.Label11.caption(), QStringLiteral(" .1"));

  w.HScroll2.setValue(9);
  w.Option2.click();
  QVERIFY(!w.Option1.value());
  QVERIFY(w.HScroll1.visible());
  QVERIFY(!w.HScroll2.visible());
  QCOMPARE(w.HScroll1.value(), 5);
  QCOMPARE(w.HScroll2.value(), 1);
  QCOMPARE(w.Label12.caption(), QStringLiteral(" .001"));

  // The resonance shows both bars again and drops the choice.
  runFrames(fake, w, w.Command7, 1);
  QVERIFY(w.HScroll1.visible() && w.HScroll2.visible());
  QVERIFY(!w.Option1.value() && !w.Option2.value());
}

void OscillationsTest::clearingPictureResetsTimeAndChoice() {
  FakePlatform fake;
  Form1 w;
  w.show();
  runFrames(fake, w, w.Command3, 20);
  w.Option2.click();
  w.Picture1.setLogging(true);
  w.Command1.click();
  QCOMPARE(w.Picture1.log().front().kind, DrawRecord::Cls);
  QCOMPARE(w.Running, qint16(0));
  // StepsPerPi here is a tenth of the bar: t goes back to pi / 5.
  compareNear(w.CurrentTime, kPi / 5);
  QVERIFY(w.HScroll1.visible() && w.HScroll2.visible());
  QCOMPARE(w.HScroll1.value(), 5);
  QCOMPARE(w.HScroll2.value(), 5);
  QVERIFY(!w.Option1.value() && !w.Option2.value());
  // The full axes: x labels 1..9 and y labels -180..180.
  QVERIFY(printed(w.Picture1, QStringLiteral(" 9 ")));
  QVERIFY(printed(w.Picture1, QStringLiteral("-180 ")));
  QVERIFY(printed(w.Picture1, QStringLiteral(" 180 ")));
  QCOMPARE(w.Picture1.pixel(5, 5), kWhite);
}

void OscillationsTest::parameterButtonDrawsNewAmplitude() {
  FakePlatform fake;
  Form1 w;
  w.show();
  w.VScroll1.setValue(4);
  for (int i = 0; i < 50; ++i) {
    w.Command6.click();
    QVERIFY(w.Amplitude >= 100 && w.Amplitude <= 249);
    QCOMPARE(w.Label3.caption(), CStr(w.Amplitude));
  }
  QCOMPARE(w.Label2.caption(), QStringLiteral("0.08"));
}

void OscillationsTest::formulaTexts_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<int>("option");
  QTest::addColumn<QString>("text");
  QTest::newRow("i") << "Command2" << 0 << "i = I * e^(-b*t)*Sin(w*t)    w=1/sqr(L*C) ";
  QTest::newRow("u") << "Command3" << 0 << "u =U * e^(-b*t)*Cos(w*t)   w=1/sqr(L*C) ";
  QTest::newRow("both damped")
      << "Command4" << 0 << "u =U * e^(-b*t)*Cos(w*t)   w=1/sqr(L*C)  i = I * e^(-b*t)*Sin(w*t)";
  QTest::newRow("both C") << "Command4" << 1
                          << "u =U *Cos(w*t)   w=1/sqr(L*C)  i = I *Cos(w*t+pi/2)";
  QTest::newRow("both L") << "Command4" << 2 << "u =U*Sin(w*t+pi/2)  w=1/sqr(L*C)  i = I*Sin(w*t)";
}

void OscillationsTest::formulaTexts() {
  QFETCH(QString, button);
  QFETCH(int, option);
  QFETCH(QString, text);
  FakePlatform fake;
  Form1 w;
  w.show();
  if (option == 1) w.Option1.click();
  if (option == 2) w.Option2.click();
  auto* start = static_cast<CommandButton*>(*std::find_if(
      w.controls().begin(), w.controls().end(), [&](Control* c) { return c->name() == button; }));
  runFrames(fake, w, *start, 1);
  QCOMPARE(w.Label7.caption(), text);
}

void OscillationsTest::graphPointsFollowDampedFormula() {
  FakePlatform fake;
  Form1 w;
  w.show();
  w.Picture1.setLogging(true);
  runFrames(fake, w, w.Command2, 3);
  runFrames(fake, w, w.Command3, 3);
  const double A = w.Amplitude, b = 0.04, omega = 0.2, dt = kPi / 50;
  const std::vector<QPointF> current = pointsIn(w.Picture1, kRedPen);
  const std::vector<QPointF> voltage = pointsIn(w.Picture1, kBluePen);
  QCOMPARE(current.size(), size_t(3));
  QCOMPARE(voltage.size(), size_t(3));
  for (int k = 0; k < 3; ++k) {
    const double ti = dt * (k + 2), tu = dt * (k + 5);
    compareNear(current[k].x(), 8 * ti);
    compareNear(current[k].y(), -std::sin(omega * ti) * A * std::pow(2.7, -b * ti));
    compareNear(voltage[k].x(), 8 * tu);
    compareNear(voltage[k].y(), -std::cos(omega * tu) * A * std::pow(2.7, -b * tu));
  }
  // Every point carries a circle of radius 1 on it, in its colour.
  const auto circle =
      std::find_if(w.Picture1.log().begin(), w.Picture1.log().end(),
                   [](const DrawRecord& r) { return r.kind == DrawRecord::Circle; });
  QVERIFY(circle != w.Picture1.log().end());
  QCOMPARE(circle->p1, current[0]);
  QCOMPARE(circle->radius, 1.0);
  QCOMPARE(circle->color, kRedPen);
  QCOMPARE(countOf(w.Picture1, DrawRecord::Circle), 6);
}

void OscillationsTest::traceRestartsAtLeftEdge() {
  for (int points : {10, 50}) {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.HScroll3.setValue(points);
    w.Picture1.setLogging(true);
    double previous = 0;
    fake.onPause = [&](int n) {
      if (w.CurrentTime < previous || n > 5000) w.Command5.click();
      previous = w.CurrentTime;
    };
    w.Command2.click();
    const std::vector<QPointF> trace = pointsIn(w.Picture1, kRedPen);
    QVERIFY(trace.size() > 2);
    const double limit = 14 * 2.7 * kPi;
    compareNear(trace.back().x(), 8 * kPi / points);
    const double last = trace[trace.size() - 2].x();
    QVERIFY2(last < 8 * limit && last >= 8 * (limit - kPi / points),
             qPrintable(QString::number(last)));
  }
}

void OscillationsTest::bothCurvesReadOptionsAtEveryPoint() {
  FakePlatform fake;
  Form1 w;
  w.show();
  w.Option1.click();
  w.Picture1.setLogging(true);
  const QString capacitorText =
      QStringLiteral("u =U *Cos(w*t)   w=1/sqr(L*C)  i = I *Cos(w*t+pi/2)");
  fake.onPause = [&](int n) {
    const std::vector<QPointF> u = pointsIn(w.Picture1, kBluePen);
    const std::vector<QPointF> i = pointsIn(w.Picture1, kRedPen);
    QCOMPARE(int(u.size()), n);
    QCOMPARE(int(i.size()), n);
    const double half = w.Omega * w.CurrentTime / 2, A = w.Amplitude;
    compareNear(w.Omega, std::sqrt(1 / 5.0));
    if (n <= 2) {
      compareNear(u.back().y(), -std::cos(half) * A);
      compareNear(i.back().y(), -std::cos(half + kPi / 2) * A);
    } else {
      compareNear(u.back().y(), -std::sin(half + kPi / 2) * A);
      compareNear(i.back().y(), -std::sin(half) * A);
    }
    QCOMPARE(w.Label7.caption(), capacitorText);
    if (n == 2) w.Option2.click();
    if (n == 4) w.Command5.click();
  };
  w.Command4.click();
  fake.onPause = nullptr;
  QCOMPARE(fake.pauses(), 4);
}

void OscillationsTest::graphsDrawOverOldCurves() {
  FakePlatform fake;
  Form1 w;
  w.show();
  w.Picture1.setLogging(true);
  runFrames(fake, w, w.Command2, 30);
  runFrames(fake, w, w.Command3, 30);
  QCOMPARE(countOf(w.Picture1, DrawRecord::Cls), 0);
  QCOMPARE(pointsIn(w.Picture1, kRedPen).size(), size_t(30));
  QCOMPARE(pointsIn(w.Picture1, kBluePen).size(), size_t(30));
  // Only the y labels of the full axes, drawn once per start.
  QCOMPARE(std::count_if(w.Picture1.log().begin(), w.Picture1.log().end(),
                         [](const DrawRecord& r) { return r.text == QStringLiteral("-20 "); }),
           2L);
}

void OscillationsTest::stopEndsNestedLoops() {
  FakePlatform fake;
  Form1 w;
  w.show();
  w.Picture1.setLogging(true);
  int deepest = 0;
  fake.onPause = [&](int n) {
    deepest = std::max(deepest, nestingDepth());
    if (n == 2) w.Command2.click();
    if (n == 5) w.Command5.click();
  };
  w.Command3.click();
  fake.onPause = nullptr;
  QCOMPARE(fake.pauses(), 5);
  QCOMPARE(deepest, 2);
  QCOMPARE(nestingDepth(), 0);
  QCOMPARE(w.Running, qint16(0));
  QCOMPARE(pointsIn(w.Picture1, kBluePen).size(), size_t(2));
  QCOMPARE(pointsIn(w.Picture1, kRedPen).size(), size_t(3));
  QVERIFY(fake.errors.isEmpty());
}

void OscillationsTest::resonance_data() {
  QTest::addColumn<int>("L");
  QTest::addColumn<int>("C");
  QTest::addColumn<int>("R");
  QTest::addColumn<QString>("w0");
  QTest::addColumn<double>("peakX");
  QTest::addColumn<double>("peak");
  QTest::newRow("defaults") << 5 << 5 << 1 << " 80" << 80.0 << 200.0;
  QTest::newRow("R = 4") << 5 << 5 << 4 << " 80" << 80.0 << 50.0;
  QTest::newRow("largest L and C") << 10 << 10 << 1 << " 40" << 40.0 << 200.0;
  QTest::newRow("smallest L and C") << 1 << 1 << 2 << " 400" << 400.0 << 100.0;
  QTest::newRow("w0 = 25") << 2 << 8 << 10 << " 100" << 100.0 << 20.0;
}

void OscillationsTest::resonance() {
  QFETCH(int, L);
  QFETCH(int, C);
  QFETCH(int, R);
  QFETCH(QString, w0);
  QFETCH(double, peakX);
  QFETCH(double, peak);
  FakePlatform fake;
  Form1 w;
  w.show();
  w.HScroll1.setValue(L);
  w.HScroll2.setValue(C);
  w.HScroll4.setValue(R);
  w.Picture1.setLogging(true);
  runFrames(fake, w, w.Command7, 1);
  QCOMPARE(w.Label7.caption(),
           QStringLiteral("w0 = ") + w0 + QStringLiteral("      R = ") + Str(R));
  QCOMPARE(w.Picture1.log().front().kind, DrawRecord::Cls);
  const std::vector<QPointF> curve = pointsIn(w.Picture1, kRedPen);
  QCOMPARE(curve.size(), size_t(499));  // w = 1, 1.5, ..., 250
  const auto top = std::min_element(curve.begin(), curve.end(),
                                    [](QPointF a, QPointF b) { return a.y() < b.y(); });
  compareNear(top->x(), peakX);
  compareNear(top->y(), -peak);
  const QPoint px = w.Picture1.toPixel(top->x(), top->y());
  QCOMPARE(w.Picture1.pixel(px.x(), px.y()), kRedPen);
  // The x labels of the pass read 100..900.
  QVERIFY(printed(w.Picture1, QStringLiteral(" 900 ")));
}

void OscillationsTest::resonanceFinestStep() {
  FakePlatform fake;
  Form1 w;
  w.show();
  w.HScroll3.setValue(10);
  w.Picture1.setLogging(true);
  // A bar moved during the animation adds a new curve over the old one.
  fake.onPause = [&](int n) {
    if (n == 1) w.HScroll4.setValue(2);
    if (n == 2) w.Command5.click();
  };
  w.Command7.click();
  fake.onPause = nullptr;
  const std::vector<QPointF> curves = pointsIn(w.Picture1, kRedPen);
  QCOMPARE(curves.size() % 2, size_t(0));
  const size_t n = curves.size() / 2;
  QVERIFY2(n >= 2480 && n <= 2500, qPrintable(QString::number(n)));
  compareNear(curves.front().x(), 4);
  QVERIFY(curves[n - 1].x() <= 1000 && curves[n - 1].x() > 999);
  const auto peakOf = [&](size_t from) {
    return std::min_element(curves.begin() + long(from), curves.begin() + long(from + n),
                            [](QPointF a, QPointF b) { return a.y() < b.y(); })
        ->y();
  };
  QVERIFY(std::fabs(peakOf(0) + 200) < 1);
  QVERIFY(std::fabs(peakOf(n) + 100) < 1);
  QCOMPARE(w.Label7.caption(), QStringLiteral("w0 =  80      R =  2"));
}

void OscillationsTest::resizeKeepsOffsetsFromEdges() {
  FakePlatform fake;
  Form1 w;
  w.show();
  const auto near = [](const Control& c, double left, double top) {
    return std::fabs(c.left() - left) < 15 && std::fabs(c.top() - top) < 15;
  };
  QVERIFY(near(w.Command1, 11145 - 2000, 7500 - 900));
  w.setClientSize(15000, 9000);
  QVERIFY(near(w.Command1, 13000, 8100));
  QVERIFY(near(w.Command5, 9600, 8100));
  QVERIFY(near(w.VScroll1, 14300, 4100));
  QVERIFY(near(w.HScroll1, 13000, 2200));
  QVERIFY(near(w.Label6, 4500, 8500));
  QVERIFY(near(w.Label7, 100, 7600));
  QVERIFY(near(w.Command7, 500, 240));
  QVERIFY(near(w.Picture1, 100, 800));
  QVERIFY(std::fabs(w.Picture1.width() - 12500) < 15);
  QVERIFY(std::fabs(w.Picture1.height() - 6400) < 15);
  QCOMPARE(w.Command1.width(), 1815.0);
}

void OscillationsTest::resizeToTinyWindowKeepsPictureSize() {
  FakePlatform fake;
  Form1 w;
  w.show();
  const double width = w.Picture1.width(), height = w.Picture1.height();
  w.setClientSize(2000, 2000);
  QCOMPARE(w.Picture1.width(), width);
  QCOMPARE(w.Picture1.height(), height);
  w.setClientSize(3000, 1000);
  QVERIFY(std::fabs(w.Picture1.width() - 500) < 15);
  QCOMPARE(w.Picture1.height(), height);
  runFrames(fake, w, w.Command7, 2);
  QVERIFY(fake.errors.isEmpty());
}

void OscillationsTest::quizButtonShowsQuizWindow() {
  FakePlatform fake;
  Form1 w;
  w.show();
  w.Command8.click();
  QVERIFY(w.form2.visible());
  QCOMPARE(w.form2.Text1.text(), QStringLiteral("Text1"));
  w.form2.click();
  QVERIFY(!w.form2.visible());
  QVERIFY(w.visible());
  QVERIFY(!fake.ended);
}

void OscillationsTest::clickOnBareWindowEnds() {
  FakePlatform fake;
  Form1 w;
  w.show();
  w.Picture1.click();
  QVERIFY(!fake.ended);
  fake.onPause = [&](int n) {
    if (n == 3) w.click();
  };
  w.Command4.click();
  QVERIFY(fake.ended);
  QCOMPARE(fake.pauses(), 3);
}

void OscillationsTest::monkey() {
  FakePlatform fake;
  Form1 w;
  w.show();
  testkit::Monkey monkey(fake, 5);
  monkey.addWindow(w);
  monkey.addWindow(w.form2);
  monkey.addStopControl(w.Command5);
  monkey.setMaxPausesPerEvent(40);
  const testkit::Monkey::Result r = monkey.run(3000);
  QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure));
  QVERIFY(r.nested > 0);
  QVERIFY(w.form2.visible());
}
QTEST_MAIN(OscillationsTest)
