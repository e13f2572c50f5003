// SPDX-License-Identifier: GPL-3.0-or-later
// The travelling-wave window driven as a pupil drives it: texts, the frame loop and its passes,
// "Стоп" as a toggle, the clearing buttons inside a pause, the resize table and a monkey run.
#include <QtTest>
#include <cmath>
#include <functional>

#include "form1.h"
#include "ui/app.h"
#include "ui/platform.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"
#include "ui/testkit/pupil.h"

using ui::DrawRecord;
using wave::Form1;

using ui::testkit::pixelsOf;

namespace {

// The picture as "Очистка рисунка" leaves it: the axes on white.
QImage axesOnly(Form1& w) {
  w.Command1.click();
  return w.Picture1.image();
}

// Points of one colour in a stretch of the draw log.
std::vector<QPointF> points(const std::vector<DrawRecord>& log, ui::Color c, size_t from = 0,
                            size_t to = SIZE_MAX) {
  std::vector<QPointF> out;
  for (size_t i = from; i < std::min(to, log.size()); ++i)
    if (log[i].kind == DrawRecord::PSet && log[i].color == c) out.push_back(log[i].p1);
  return out;
}

ui::CommandButton& startButton(Form1& w, int n) {
  return n == 2 ? w.Command2 : n == 3 ? w.Command3 : w.Command4;
}

}  // namespace

class WaveTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ui::setUpApplication(); }

  void loadSetsTheLabelsAndLeavesThePictureEmpty() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    QCOMPARE(w.caption(), QStringLiteral("Form1"));
    QCOMPARE(w.Label2.caption(), QStringLiteral(" .1- 100"));
    QCOMPARE(w.Label11.caption(), QStringLiteral("5"));
    QCOMPARE(w.Label12.caption(), QStringLiteral("5"));
    QCOMPARE(w.Label13.caption(), QStringLiteral("50"));
    QCOMPARE(w.Label1.caption(), QStringLiteral("2.7"));
    const int u = w.Label3.caption().toInt();
    QVERIFY(u >= 10 && u <= 99);
    QCOMPARE(QString::number(u), w.Label3.caption());
    QCOMPARE(w.Label7.caption(), QString());
    QCOMPARE(w.Command2.caption(), QStringLiteral("Волна"));
    QCOMPARE(w.Command3.caption(), QStringLiteral("График u"));
    QCOMPARE(w.Command4.caption(), QStringLiteral("Оба"));
    // The bars of L, C and the points per pi write their new values and nothing else.
    w.HScroll1.setValue(2);
    w.HScroll2.setValue(9);
    w.HScroll3.setValue(100);
    QCOMPARE(w.Label11.caption(), QStringLiteral("2"));
    QCOMPARE(w.Label12.caption(), QStringLiteral("9"));
    QCOMPARE(w.Label13.caption(), QStringLiteral("100"));
    QCOMPARE(w.StepsPerPi, 50.0f);
    QCOMPARE(w.Running, qint16(0));
    QCOMPARE(w.Omega, 1.0f);
    QCOMPARE(w.XPos, 3.1415 / 50);
    const QImage& img = w.Picture1.image();
    QVERIFY(!img.isNull());
    QCOMPARE(pixelsOf(w.Picture1, ui::kWhite), img.width() * img.height());
    QVERIFY(ui::testkit::controlsWithoutAccessibleName(w).isEmpty());
  }

  void dampingLabel_data() {
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("text");
    QTest::newRow("bottom") << 1 << " .1- 100";
    QTest::newRow("top") << 50 << " 5- 2";
    QTest::newRow("3") << 3 << " .3- 33";
    QTest::newRow("7") << 7 << " .7- 14";
    QTest::newRow("25") << 25 << " 2.5- 4";
  }
  void dampingLabel() {
    QFETCH(int, bar);
    QFETCH(QString, text);
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.VScroll1.setValue(bar);
    QCOMPARE(w.Label2.caption(), text);
    QCOMPARE(w.Damping, bar / 10.0);
    // "Очистка параметров" reads the bar the same way and draws a new amplitude.
    w.Damping = 0;
    w.Command6.click();
    QCOMPARE(w.Label2.caption(), text);
    QCOMPARE(w.Label3.caption(), QString::number(int(w.Amplitude)));  // a whole number
    QVERIFY(w.Amplitude >= 10 && w.Amplitude <= 99 && w.Amplitude == std::floor(w.Amplitude));
  }

  void dampingBarMovesTowardsTheArrowClicked() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    QCOMPARE(w.Label2.caption(), QStringLiteral(" .1- 100"));
    w.VScroll1.step(-1);  // the top arrow: towards Min 50
    QCOMPARE(w.Label2.caption(), QStringLiteral(" .2- 50"));
    w.VScroll1.drag(50);  // the thumb up to the top
    QCOMPARE(w.Label2.caption(), QStringLiteral(" 5- 2"));
    w.VScroll1.step(1);  // the bottom arrow
    QCOMPARE(w.Label2.caption(), QStringLiteral(" 4.9- 2"));
  }

  void noLabelLiesOverAControl() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    QCOMPARE(ui::testkit::controlsUnderDecorations(w), QStringList());
    w.setClientSize(12000, 8000);
    QCOMPARE(ui::testkit::controlsUnderDecorations(w), QStringList());
  }

  void stopBeforeAnyStartDrawsOnlyTheAxes() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.Picture1.setLogging(true);
    w.Command5.click();
    QCOMPARE(w.Running, qint16(-1));
    QCOMPARE(fake.pauses(), 0);
    QStringList printed;
    for (const DrawRecord& r : w.Picture1.log())
      if (r.kind == DrawRecord::Print) printed << r.text.trimmed();
    QCOMPARE(printed.size(), 28);
    QCOMPARE(printed.mid(8, 4), QStringList({"8", "9", "-20", "-40"}));
    QCOMPARE(printed.mid(18, 2), QStringList({"-180", "20"}));
    QCOMPARE(w.Picture1.log()[1].p2, QPointF(0, 200));  // the vertical axis, full height
    const QImage first = w.Picture1.image();
    QCOMPARE(pixelsOf(w.Picture1, ui::kRed) + pixelsOf(w.Picture1, ui::kBlue), 0);
    QVERIFY(pixelsOf(w.Picture1, ui::kBlack) > 0);
    w.Command5.click();
    QCOMPARE(w.Running, qint16(0));
    QCOMPARE(fake.pauses(), 0);
    QCOMPARE(w.Picture1.image(), axesOnly(w));
    QCOMPARE(first, w.Picture1.image());
  }

  void stopDuringThePauseLeavesOnlyTheAxes_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("formula");
    const QString i = "i = I * e^(-b*t)*Sin(w*(t-x/v))    w=1/sqr(L*C) ";
    const QString u = "u =U * e^(-b*t)*Cos(w*(t-x/v))   w=1/sqr(L*C) ";
    const QString both =
        "u =U * e^(-b*t)*Cos(w*(t-x/v))   w=1/sqr(L*C)  "
        "i = I * e^(-b*t)*Sin(w*(t-x/v))";
    QTest::newRow("i, 50") << 2 << 50 << i;
    QTest::newRow("u, 50") << 3 << 50 << u;
    QTest::newRow("both, 50") << 4 << 50 << both;
    QTest::newRow("both, 10") << 4 << 10 << both;
    QTest::newRow("both, 100") << 4 << 100 << both;
  }
  void stopDuringThePauseLeavesOnlyTheAxes() {
    QFETCH(int, button);
    QFETCH(int, points);
    QFETCH(QString, formula);
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.HScroll3.setValue(points);
    int curvePixels = 0;
    fake.onPause = [&](int n) {
      curvePixels = pixelsOf(w.Picture1, ui::kRed) + pixelsOf(w.Picture1, ui::kBlue);
      if (n == 3) w.Command5.click();
    };
    startButton(w, button).click();
    QCOMPARE(fake.pauses(), 3);
    QCOMPARE(w.Running, qint16(0));
    QVERIFY(curvePixels > 100);
    QCOMPARE(w.Label7.caption(), formula);
    const QImage stopped = w.Picture1.image();
    QCOMPARE(stopped, axesOnly(w));
  }

  void aPassStepsByRepeatedAddition_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("count");
    // A position computed as n * step would give one point more at 50.
    QTest::newRow("10") << 10 << 379;
    QTest::newRow("50") << 50 << 1890;
    QTest::newRow("100") << 100 << 3781;
  }
  void aPassStepsByRepeatedAddition() {
    QFETCH(int, points);
    QFETCH(int, count);
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.HScroll3.setValue(points);
    w.Picture1.setLogging(true);
    std::vector<QPointF> red, blue;
    fake.onPause = [&](int) {
      red = ::points(w.Picture1.log(), ui::kRed);
      blue = ::points(w.Picture1.log(), ui::kBlue);
      w.Running = 0;
    };
    w.Command4.click();
    QCOMPARE(int(red.size()), count);
    QCOMPARE(int(blue.size()), count);
    QCOMPARE(red.front().x(), 0.0);
    const double step = 8 * 3.1415 / points;  // picture units
    QVERIFY(qAbs(red[1].x() - step) < 1e-12);
    QVERIFY(qAbs(red.back().x() - 8 * (count - 1) * 3.1415 / points) < 1e-9);
    QVERIFY(red.back().x() <= 8 * w.lineEnd());
    // Every point carries its circle of radius 1 in the same colour.
    int circles = 0;
    for (const DrawRecord& r : w.Picture1.log())
      if (r.kind == DrawRecord::Circle && r.color == ui::kRed) {
        QCOMPARE(r.radius, 1.0);
        ++circles;
      }
    QCOMPARE(circles, count);
  }

  void aFrameDrawsPausesErasesInWhiteAndRedrawsTheAxes() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.Picture1.setLogging(true);
    size_t atPause = 0;
    fake.onPause = [&](int) {
      atPause = w.Picture1.log().size();
      w.Running = 0;
    };
    w.Command4.click();
    const auto& log = w.Picture1.log();
    const auto isAxis = [](const DrawRecord& r) {
      return r.kind == DrawRecord::Print || r.kind == DrawRecord::Line ||
             (r.kind == DrawRecord::PSet && r.color == ui::kBlack);
    };
    // Before the pause: axes, axes, then the curves; after it: the white pass, then axes.
    size_t i = 0;
    while (i < atPause && isAxis(log[i]))
      ++i;
    QCOMPARE(i, size_t(2 * 114));
    QCOMPARE(atPause - i, size_t(4 * 1890));
    for (; i < atPause; ++i)
      QVERIFY(log[i].color == ui::kRed || log[i].color == ui::kBlue);
    for (size_t k = 0; k < 4 * 1890; ++k)
      QCOMPARE(log[atPause + k].color, ui::kWhite);
    for (size_t k = atPause + 4 * 1890; k < log.size(); ++k)
      QVERIFY(isAxis(log[k]));
    QCOMPARE(log.size(), atPause + 4 * 1890 + 114);
    QCOMPARE(pixelsOf(w.Picture1, ui::kRed) + pixelsOf(w.Picture1, ui::kBlue), 0);
  }

  void theCurvesFollowTheirFormulas() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.VScroll1.setValue(50);
    w.HScroll1.setValue(10);
    w.HScroll2.setValue(10);  // L * C = 100, the largest 16-bit product the bars allow
    w.Picture1.setLogging(true);
    std::vector<QPointF> red, blue;
    fake.onPause = [&](int) {
      red = points(w.Picture1.log(), ui::kRed);
      blue = points(w.Picture1.log(), ui::kBlue);
      w.Running = 0;
    };
    w.Command4.click();
    QCOMPARE(w.Amplitude, 13.0f);   // seeded at 10:00
    QCOMPARE(w.CurrentTime, 50.0);  // one frame: the raw bar value added to the time
    QCOMPARE(w.Omega, 0.1f);
    // At U = 13, t = 50, w = 0.1 and b = 50, worked out once: i = Sin(w (x - t/2.7)) 2.7 U and
    // u = Cos(w (x - t/2.7)) U 2.7^(-b x / 1000) at (8x, -value), x by pi/50.
    QCOMPARE(int(red.size()), 1890);
    QCOMPARE(int(blue.size()), 1890);
    const struct {
      int index;
      double x, i, u;
    } expected[] = {{0, 0, 33.7227881455, 3.60580920746},
                    {1000, 502.64, 33.7209843863, 0.159276609596},
                    {1889, 949.48696, 19.5853221751, 0.029723765226}};
    for (const auto& e : expected) {
      QVERIFY(qAbs(red[e.index].x() - e.x) < 1e-6 && qAbs(red[e.index].y() - e.i) < 1e-9);
      QVERIFY(qAbs(blue[e.index].x() - e.x) < 1e-6 && qAbs(blue[e.index].y() - e.u) < 1e-9);
    }
    double iMax = 0;
    for (const QPointF& p : red)
      iMax = std::max(iMax, std::fabs(p.y()));
    QVERIFY(iMax <= 35.1 && iMax > 34.9);  // 2.7 U
  }

  void aResumedCurrentWaveLeavesItsLastCurve() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    double timeAtStop = 0, timeOnResume = 0;
    fake.onPause = [&](int n) {
      (n == 1 ? timeAtStop : timeOnResume) = w.CurrentTime;
      if (n == 1 || n == 3) w.Command5.click();
    };
    w.Command2.click();
    QCOMPARE(pixelsOf(w.Picture1, ui::kRed), 0);
    w.Command5.click();  // resumes; the next "Стоп" comes from the pause hook
    QCOMPARE(fake.pauses(), 3);
    QCOMPARE(timeOnResume, timeAtStop + 2);
    QCOMPARE(w.Running, qint16(0));
    QVERIFY(pixelsOf(w.Picture1, ui::kRed) > 100);
    QCOMPARE(pixelsOf(w.Picture1, ui::kBlue), 0);
  }

  void clearingThePictureInsideThePauseStopsAndResetsTheTime() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.HScroll3.setValue(20);
    fake.onPause = [&](int n) {
      if (n == 2) w.Command1.click();
    };
    w.Command4.click();
    QCOMPARE(fake.pauses(), 2);
    QCOMPARE(w.Running, qint16(0));
    QCOMPARE(w.CurrentTime, 3.1415 / 20);
    QCOMPARE(w.StepsPerPi, 20.0f);
    QCOMPARE(w.Picture1.image(), axesOnly(w));
  }

  void clearingParametersInsideThePauseLeavesTheOldCurve() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    fake.onPause = [&](int n) {
      if (n == 2) w.Command6.click();
      if (n == 3) w.Command5.click();
    };
    w.Command3.click();
    QCOMPARE(w.Damping, 1.0);  // the raw bar value again once the next frame has read it
    // The white pass of frame 2 used b = 0.1 and missed most of the curve drawn with b = 1.
    QVERIFY(pixelsOf(w.Picture1, ui::kBlue) > 50);
  }

  void aStartInsideThePauseNestsAndOneStopEndsBoth() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    int deepest = 0;
    fake.onPause = [&](int n) {
      deepest = std::max(deepest, ui::nestingDepth());
      if (n == 2) w.Command2.click();
      if (n == 4) w.Command5.click();
    };
    w.Command4.click();
    QCOMPARE(deepest, 2);
    QCOMPARE(fake.pauses(), 4);
    QCOMPARE(w.Running, qint16(0));
    QCOMPARE(w.ShowU, qint16(0));
    QVERIFY(fake.errors.isEmpty());
  }

  void resizeMovesEveryControlInTheOrderOfTheTable() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    const double W = 12000, H = 9000;
    const QStringList order = ui::testkit::resizeOrder(w, W, H);
    QCOMPARE(order,
             QStringList({"Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                          "VScroll1", "HScroll1", "HScroll2", "HScroll3", "Label13",  "Label14",
                          "Label10",  "Label9",   "Label12",  "Label8",   "Label11",  "Label7",
                          "Label1",   "Label4",   "Label3",   "Label5",   "Label2",   "Label6",
                          "Picture1", "Picture1"}));
    const struct {
      ui::Control* c;
      double left, top;
    } table[] = {{&w.Command1, W - 2000, H - 900},
                 {&w.Command2, W - 2000, H - 1700},
                 {&w.Command3, W - 2000, H - 2400},
                 {&w.Command4, W - 2000, H - 3000},
                 {&w.Command5, W - 5100, H - 900},
                 {&w.Command6, W - 4000, H - 900},
                 {&w.VScroll1, W - 500, H - 5000},
                 {&w.HScroll1, W - 2000, H - 6800},
                 {&w.HScroll2, W - 2000, H - 5700},
                 {&w.HScroll3, W - 4000, H - 1400},
                 {&w.Label13, W - 4400, H - 1400},
                 {&w.Label14, W - 5100, H - 1400},
                 {&w.Label10, W - 2200, H - 4700},
                 {&w.Label9, W - 2200, H - 6100},
                 {&w.Label12, W - 1900, H - 6100},
                 {&w.Label8, W - 2200, H - 7200},
                 {&w.Label11, W - 1700, H - 7200},
                 {&w.Label7, W - 11000, H - 1400},
                 {&w.Label1, W - 7700, H - 500},
                 {&w.Label4, W - 8200, H - 500},
                 {&w.Label3, W - 10000, H - 500},
                 {&w.Label5, W - 2300, H - 3600},
                 {&w.Label2, W - 1400, H - 3600},
                 {&w.Label6, W - 10500, H - 500},
                 {&w.Picture1, 100, 100}};
    for (const auto& row : table) {
      QVERIFY2(qAbs(row.c->left() - row.left) < 8, qPrintable(row.c->name()));
      QVERIFY2(qAbs(row.c->top() - row.top) < 8, qPrintable(row.c->name()));
    }
    QVERIFY(qAbs(w.Picture1.width() - (W - 2500)) < 8);
    QVERIFY(qAbs(w.Picture1.height() - (H - 1600)) < 8);
  }

  void aNarrowWindowKeepsThePictureSize() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    const double width = w.Picture1.width();
    w.setClientSize(2400, 6000);  // W - 2500 would be negative
    QCOMPARE(w.Picture1.width(), width);
    QVERIFY(qAbs(w.Picture1.height() - 4400) < 8);
    w.setClientSize(1500, 1500);
    QCOMPARE(w.Picture1.width(), width);
    QVERIFY(qAbs(w.Picture1.height() - 4400) < 8);
    w.setClientSize(3000, 1800);
    QVERIFY(qAbs(w.Picture1.width() - 500) < 8);
    QVERIFY(qAbs(w.Picture1.height() - 200) < 8);
    // The animation still runs on the small picture.
    fake.onPause = [&](int n) {
      if (n == 2) w.Command5.click();
    };
    w.Command4.click();
    QVERIFY(fake.errors.isEmpty());
  }

  void clickingTheBareWindowEndsTheProgram() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.click();
    QVERIFY(fake.ended);
  }

  // The teacher zooms out while both waves run: the frames go on in the zoomed raster's own
  // pixels, the curve drawn before the zoom is wiped exactly after it, and "Стоп" leaves the
  // axes alone, as it does at 100 %.
  void aZoomWhileTheWavesRunLeavesNoTrace() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window()));  // as the zoom keys need
    w.HScroll3.setValue(100);
    const QSize before = w.Picture1.image().size();
    fake.onPause = [&](int n) {
      if (n == 40) QTest::keySequence(w.Command1.widget(), QKeySequence("Ctrl+-"));
      if (n == 45) w.Command5.click();
    };
    w.Command4.click();
    QCOMPARE(fake.pauses(), 45);
    QCOMPARE(w.Picture1.image().width(), qRound(before.width() * 0.9));
    const QImage stopped = w.Picture1.image();
    QCOMPARE(stopped, axesOnly(w));
  }

  void monkey() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    ui::testkit::Monkey monkey(fake, 7);
    monkey.addWindow(w);
    monkey.addStopControl(w.Command5);
    const auto r = monkey.run(400);
    QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure));
    QVERIFY(r.pauses > 0);
    QVERIFY(r.nested > 0);
  }
};

QTEST_MAIN(WaveTest)
#include "tst_wave.moc"
