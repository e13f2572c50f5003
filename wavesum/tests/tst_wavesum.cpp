// SPDX-License-Identifier: GPL-3.0-or-later
// The two-wave window driven as a pupil drives it: texts, the colours and radii of one frame,
// the standing wave, "Стоп" stepping back one frame, the clearing buttons and a monkey run.
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "form1.h"
#include "ui/app.h"
#include "ui/testkit/drawlog.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"
#include "ui/testkit/pupil.h"

using ui::DrawRecord;
using wavesum::Form1;

using ui::testkit::pixelsOf;
using ui::testkit::records;

namespace {

// A click in the middle of the control, landing on whatever lies there.
void press(ui::Control& c) {
  ui::testkit::clickOn(c);
}

ui::CommandButton& startButton(Form1& w, int n) {
  return n == 2 ? w.Command2 : n == 3 ? w.Command3 : w.Command4;
}

const QString kBothFormula =
    "u =U * e^(-b*t)*Cos(w*(t-x/v))   w=1/sqr(L*C)  i = I * e^(-b*t)*Sin(w*(t-x/v))";

}  // namespace

class WaveSumTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ui::setUpApplication(); }

  void loadSetsTheLabelsOfTheTravellingWave() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    QCOMPARE(w.caption(), QStringLiteral("Form1"));
    QCOMPARE(w.Label1.caption(), QStringLiteral("2.7"));
    QCOMPARE(w.Label2.caption(), QStringLiteral(" .1- 100"));
    QCOMPARE(w.Label11.caption(), QStringLiteral("5"));
    QCOMPARE(w.Label12.caption(), QStringLiteral("5"));
    QCOMPARE(w.Label13.caption(), QStringLiteral("50"));
    const int u = w.Label3.caption().toInt();
    QVERIFY(u >= 10 && u <= 99);
    QCOMPARE(QString::number(u), w.Label3.caption());
    QCOMPARE(w.Label7.caption(), QString());
    QCOMPARE(pixelsOf(w.Picture1, ui::kWhite),
             w.Picture1.image().width() * w.Picture1.image().height());
  }

  void noLabelLiesOverAControl() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    QCOMPARE(ui::testkit::controlsUnderDecorations(w), QStringList());
  }

  void startButtons_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QList<int>>("flags");  // ShowI, ShowU, ShowSum
    QTest::newRow("Волна1") << 2 << "Волна1"
                            << "i = I *  Sin(w*(t-x/v))    w=1/sqr(L*C) " << QList<int>{-1, 0, 0};
    QTest::newRow("Волна2") << 3 << "Волна2"
                            << "u =U * e^(-b*t)*Cos(w*(t-x/v))   w=1/sqr(L*C) "
                            << QList<int>{0, -1, 0};
    QTest::newRow("Обе") << 4 << "Обе" << kBothFormula << QList<int>{-1, -1, -1};
  }
  void startButtons() {
    QFETCH(int, button);
    QFETCH(QString, caption);
    QFETCH(QString, formula);
    QFETCH(QList<int>, flags);
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    QCOMPARE(startButton(w, button).caption(), caption);
    fake.onPause = [&](int n) {
      if (n == 2) press(w.Command5);
    };
    press(startButton(w, button));
    QCOMPARE(fake.pauses(), 2);
    QCOMPARE(w.Label7.caption(), formula);
    QCOMPARE(QList<int>({w.ShowI, w.ShowU, w.ShowSum}), flags);
    // Stopped inside the pause: the white pass wipes every curve of the frame.
    QCOMPARE(pixelsOf(w.Picture1, ui::kRed) + pixelsOf(w.Picture1, ui::kBlue) +
                 pixelsOf(w.Picture1, ui::kGreen),
             0);
  }

  void oneFrameOfBoth_data() {
    QTest::addColumn<int>("points");
    // Points per curve: 14 * 2.7 * points, rounded down, and the one at x = 0.
    QTest::addColumn<int>("count");
    QTest::newRow("10") << 10 << 379;
    QTest::newRow("50") << 50 << 1890;
    QTest::newRow("100") << 100 << 3781;
  }
  void oneFrameOfBoth() {
    QFETCH(int, points);
    QFETCH(int, count);
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    if (points != 50) ui::testkit::pressKey(w.HScroll3, points < 50 ? Qt::Key_Home : Qt::Key_End);
    w.Picture1.setLogging(true);
    size_t atPause = 0;
    fake.onPause = [&](int) {
      atPause = w.Picture1.log().size();
      w.Running = 0;
    };
    press(w.Command4);
    const auto& log = w.Picture1.log();
    const std::pair<ui::Color, double> drawn[] = {{ui::kRed, 2}, {ui::kBlue, 1}, {ui::kGreen, 2}};
    for (const auto& [colour, radius] : drawn) {
      QCOMPARE(int(records(log, DrawRecord::PSet, colour, 0, atPause).size()), count);
      const auto circles = records(log, DrawRecord::Circle, colour, 0, atPause);
      QCOMPARE(int(circles.size()), count);
      for (const DrawRecord& c : circles)
        QCOMPARE(c.radius, radius);
    }
    // The white pass wipes wave 1, wave 2 twice (behind wave 1 and on its own) and the sum.
    const auto white = records(log, DrawRecord::Circle, ui::kWhite, atPause);
    QCOMPARE(int(white.size()), 4 * count);
    QCOMPARE(int(std::count_if(white.begin(), white.end(),
                               [](const DrawRecord& r) { return r.radius == 1; })),
             2 * count);
  }

  void theSumIsAStandingWave() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.Picture1.setLogging(true);
    std::vector<std::vector<DrawRecord>> sums;
    std::vector<double> times;
    fake.onPause = [&](int n) {
      sums.push_back(records(w.Picture1.log(), DrawRecord::PSet, ui::kGreen));
      times.push_back(w.CurrentTime);
      w.Picture1.clearLog();
      if (n == 4) press(w.Command5);
    };
    press(w.Command4);
    QCOMPARE(int(sums.size()), 4);
    const double U = w.Amplitude, omega = 0.2;  // w = 1 / Sqr(5 * 5)
    for (size_t f = 0; f < sums.size(); ++f) {
      QCOMPARE(times[f], double(f + 1));  // the raw damping bar, 1, per frame
      for (const DrawRecord& p : sums[f]) {
        const double x = p.p1.x() / 8;
        const double standing = 2 * 2.7 * U * std::sin(double(float(omega)) * x) *
                                std::cos(double(float(omega)) * times[f] / 2.7);
        QVERIFY(std::fabs(-p.p1.y() - standing) < 1e-9);
      }
    }
  }

  void theStandingWaveStaysInsideTwiceTheAmplitude() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    // New amplitudes until the sum, up to 2 * 2.7 * U, fits the picture.
    for (int i = 0; i < 500 && w.Amplitude > 33; ++i)
      press(w.Command6);
    QVERIFY(w.Amplitude <= 33);
    const double reach = 2 * 2.7 * w.Amplitude;
    int green = 0, outside = 0;
    fake.onPause = [&](int n) {
      if (n < 25) return;
      const QImage& img = w.Picture1.image();
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
          if (img.pixel(x, y) == qRgb(0, 255, 0)) {
            ++green;
            // Two units of circle and a pixel of rounding beyond the crest.
            if (std::fabs(w.Picture1.fromPixel(QPointF(x, y)).y()) > reach + 2 + 1) ++outside;
          }
      press(w.Command5);
    };
    press(w.Command4);
    QVERIFY(green > 300);
    QCOMPARE(outside, 0);
  }

  void waveOneAloneStillWipesThePathOfWaveTwo() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.Picture1.setLogging(true);
    size_t atPause = 0;
    fake.onPause = [&](int) {
      atPause = w.Picture1.log().size();
      press(w.Command5);
    };
    press(w.Command2);
    const auto& log = w.Picture1.log();
    QCOMPARE(records(log, DrawRecord::PSet, ui::kBlue).size(), size_t(0));
    QCOMPARE(records(log, DrawRecord::PSet, ui::kGreen).size(), size_t(0));
    const auto white = records(log, DrawRecord::PSet, ui::kWhite, atPause);
    QCOMPARE(white.size(), size_t(2 * 1890));
    // Every other white point lies on wave 2, running to the left: at U = 13 (seeded at 10:00)
    // and t = 1, Sin(0.2 (x + 1 / 2.7)) · 2.7 · 13 at (8x, -y), worked out once.
    QCOMPARE(w.Amplitude, 13.0f);
    QCOMPARE(w.CurrentTime, 1.0);
    const struct {
      size_t index;
      QPointF point;
    } wave2[] = {{1, {0, -2.59762300454}},
                 {1001, {251.32, -2.59113979145}},
                 {3779, {949.48696, 34.0148658407}}};
    for (const auto& [index, point] : wave2)
      QVERIFY2(std::fabs(white[index].p1.x() - point.x()) < 1e-6 &&
                   std::fabs(white[index].p1.y() - point.y()) < 1e-9,
               qPrintable(QString::number(white[index].p1.y(), 'g', 12)));
  }

  void theDampingBarAtItsTopReadsFiveAndTwo() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window()));
    // Min, 50, the strongest damping, lies at the top.
    ui::testkit::dragThumbBy(w.VScroll1, -200);
    QCOMPARE(w.VScroll1.value(), 50);
    QCOMPARE(w.Label2.caption(), QStringLiteral(" 5- 2"));
    // While animating the damping is only the time step: the raw bar value per frame.
    fake.onPause = [&](int n) {
      if (n == 2) press(w.Command5);
    };
    press(w.Command4);
    QCOMPARE(w.CurrentTime, 100.0);
    QCOMPARE(w.Label2.caption(), QStringLiteral(" 5- 2"));
  }

  void stopTwiceShowsTheStoppingInstantAgain() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    for (int i = 0; i < 6; ++i)
      ui::testkit::clickScrollBarPart(w.VScroll1, QStyle::SC_ScrollBarSubLine);  // up, to 50
    std::vector<double> times;
    fake.onPause = [&](int n) {
      times.push_back(w.CurrentTime);
      if (n == 3 || n == 5) press(w.Command5);
    };
    press(w.Command4);
    QCOMPARE(w.Running, qint16(0));
    press(w.Command5);  // resumes; the hook stops it again
    QCOMPARE(times, (std::vector<double>{7, 14, 21, 21, 28}));
    QCOMPARE(w.Running, qint16(0));
    // What stays is wave 1, red with circles of radius 1, at the instant reached.
    QVERIFY(pixelsOf(w.Picture1, ui::kRed) > 100);
    QCOMPARE(pixelsOf(w.Picture1, ui::kGreen) + pixelsOf(w.Picture1, ui::kBlue), 0);
  }

  void stopAfterBothThenWaveTwoShowsNoSum() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    int green = -1, blue = -1;
    fake.onPause = [&](int n) {
      if (n == 2) press(w.Command5);
      if (n == 3) {
        green = pixelsOf(w.Picture1, ui::kGreen);
        blue = pixelsOf(w.Picture1, ui::kBlue);
        press(w.Command5);
      }
    };
    press(w.Command4);
    press(w.Command3);
    QCOMPARE(green, 0);
    QVERIFY(blue > 100);
  }

  void clearingThePictureKeepsTheTime() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    for (int i = 0; i < 2; ++i)
      ui::testkit::pressKey(w.VScroll1, Qt::Key_Up);  // towards Min, 50, at the top
    for (int i = 0; i < 30; ++i)
      ui::testkit::pressKey(w.HScroll3, Qt::Key_Left);
    std::vector<double> times;
    fake.onPause = [&](int n) {
      times.push_back(w.CurrentTime);
      if (n == 2) press(w.Command1);
      if (n == 4) press(w.Command5);
    };
    press(w.Command4);
    QCOMPARE(w.Running, qint16(0));
    QCOMPARE(w.CurrentTime, 6.0);  // not taken back to one x step
    QCOMPARE(w.StepsPerPi, 20.0f);
    press(w.Command4);  // goes on from the instant reached
    QCOMPARE(times, (std::vector<double>{3, 6, 9, 12}));
  }

  void monkey() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    ui::testkit::Monkey monkey(fake, 11);
    monkey.addWindow(w);
    monkey.addStopControl(w.Command5);
    const auto r = monkey.run(400);
    QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure));
    QVERIFY(r.pauses > 0);
    QVERIFY(r.nested > 0);
  }
};

QTEST_MAIN(WaveSumTest)
#include "tst_wavesum.moc"
