// SPDX-License-Identifier: GPL-3.0-or-later
// The plotter driven as a pupil drives it, through mouse clicks on its window: the texts at
// load and after every button, the live graph, the traced presets, the radio lesson's pictures,
// the two radar screens also where other handlers leave the shared counter, the layout and a
// monkey run.
#include <QtTest>
#include <cmath>
#include <functional>
#include <map>
#include <set>

#include "form1.h"
#include "ui/app.h"
#include "ui/platform.h"
#include "ui/testkit/drawlog.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"
#include "ui/testkit/pupil.h"

using plotter::Form1;
using ui::DrawRecord;
using ui::testkit::FakePlatform;

using ui::testkit::records;

namespace {

constexpr double kPi = 3.1415;
constexpr ui::Color kLightRed = ui::RGB(255, 128, 128);
constexpr ui::Color kLightBlue = ui::RGB(128, 128, 255);

bool near(double a, double b, double tolerance = 1e-6) {
  return std::fabs(a - b) <= tolerance;
}
bool near(QPointF a, QPointF b, double tolerance = 1e-6) {
  return near(a.x(), b.x(), tolerance) && near(a.y(), b.y(), tolerance);
}

// A click in the middle of a control, through the window.
void click(const ui::Control& c) {
  ui::testkit::clickOn(c);
}

// A click on the left or top arrow of a scroll bar (towards Min) or on the other one.
void clickArrow(const ui::ScrollBar& bar, bool towardsMax) {
  ui::testkit::clickScrollBarPart(
      bar, towardsMax ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
}

std::unique_ptr<Form1> openWindow() {
  auto w = std::make_unique<Form1>();
  w->show();
  [&] { QVERIFY(QTest::qWaitForWindowExposed(w->window())); }();
  return w;
}

ui::Control& control(Form1& w, const QString& name) {
  return **std::find_if(w.controls().begin(), w.controls().end(),
                        [&](auto* c) { return c->name() == name; });
}

QString labels(const Form1& w) {
  return w.Label1.caption() + "|" + w.Label2.caption() + "|" + w.Label3.caption();
}

std::vector<QPointF> points(const ui::Canvas& c, ui::Color color) {
  std::vector<QPointF> out;
  for (const DrawRecord& r : records(c, DrawRecord::PSet, color))
    out.push_back(r.p1);
  return out;
}

// Runs an animation for `frames` pauses, then presses "Очистка" or the `stop` button given;
// `atPause` sees every pause.
void animate(FakePlatform& fake, Form1& w, const ui::Control& button, int frames,
             std::function<void(int)> atPause = {}, const ui::Control* stop = nullptr) {
  const int before = fake.pauses();
  fake.onPause = [&, before, frames, atPause, stop](int n) {
    if (atPause) atPause(n - before);
    if (n - before == frames) click(stop ? *stop : w.Command8);
  };
  click(button);
  fake.onPause = nullptr;
}

}  // namespace

class PlotterTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ui::setUpApplication(); }

  void loadShowsTheSameParametersAtEveryStart() {
    for (double time : {100.0, 50000.0}) {
      FakePlatform fake;
      fake.setTime(time);
      auto w = openWindow();
      QCOMPARE(labels(*w), QStringLiteral("800|1200|151"));
      QCOMPARE(w->Label7.caption(), QString());
      QCOMPARE(w->caption(), QStringLiteral("Form1"));
      QCOMPARE(w->LiveMode, qint16(-1));
    }
    FakePlatform fake;
    auto w = openWindow();
    for (const ui::CommandButton* b : {&w->Command4, &w->Command11, &w->Command12, &w->Command13,
                                       &w->Command14, &w->Command15, &w->Command17, &w->Command19})
      QCOMPARE(b->caption(), b->name());
    QCOMPARE(w->Command16.caption() + w->Command20.caption() + w->Command1.caption(),
             QStringLiteral("Е-элВ-магРЛС"));
    QCOMPARE(w->Command1.backColor(), ui::RGB(0, 255, 255));
    QCOMPARE(w->Command5.backColor(), ui::RGB(192, 255, 192));
    QCOMPARE(w->Command16.backColor(), kLightRed);
    QCOMPARE(w->Command20.backColor(), kLightBlue);
    QCOMPARE(w->Label7.backColor(), ui::RGB(192, 255, 255));
    QCOMPARE(w->Label3.font().size, 13.5);
    QCOMPARE(w->Label3.font().name, QStringLiteral("MS Sans Serif"));
    QVERIFY(!w->Label3.font().bold);
    QCOMPARE(ui::testkit::controlsWithoutAccessibleName(*w), QStringList());
    QCOMPARE(ui::testkit::controlsUnderDecorations(*w), QStringList());
    // The sweep tables: 800·Cos and 800·Sin of (k - 1) degrees, with pi = 3.1415.
    QVERIFY(near(w->SweepCos[1], 800) && near(w->SweepSin[91], 799.999999142));
    QVERIFY(near(w->SweepCos[360], 799.87556241) && near(w->SweepSin[360], -14.1097363447));
    QCOMPARE(w->Counter, 0.0);
    QCOMPARE(w->TargetAngle, 40.0);
  }

  void layoutFollowsTheResizeTable_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("fromRight");
    QTest::addColumn<double>("fromBottom");
    const QList<std::tuple<const char*, double, double>> rows = {
        {"Command8", 1300, 900},   {"Command1", 1300, 1500},  {"Command2", 2700, 1500},
        {"Option1", 5500, 1400},   {"Option2", 4200, 1400},   {"Command3", 2700, 2100},
        {"Command4", 1300, 2100},  {"Command5", 2700, 2700},  {"Command7", 2700, 3300},
        {"Command10", 2700, 3900}, {"Command11", 1300, 3900}, {"Command12", 2700, 4500},
        {"Command13", 1300, 4500}, {"Command17", 2700, 900},  {"Command19", 4500, 900},
        {"HScroll1", 12200, 350},  {"HScroll2", 10100, 350},  {"HScroll3", 7900, 350},
        {"VScroll1", 5700, 950},   {"Label1", 11650, 750},    {"Command14", 2700, 5100},
        {"Command16", 2700, 6000}, {"Command20", 2000, 6000}, {"Command18", 1300, 6000},
        {"Command15", 1300, 5100}, {"Label2", 9650, 750},     {"Label3", 7300, 750},
        {"Label4", 12000, 750},    {"Label5", 10000, 750},    {"Label6", 7700, 750}};
    for (const auto& [name, right, bottom] : rows)
      QTest::newRow(name) << QString::fromLatin1(name) << right << bottom;
  }
  void layoutFollowsTheResizeTable() {
    QFETCH(QString, name);
    QFETCH(double, fromRight);
    QFETCH(double, fromBottom);
    FakePlatform fake;
    auto w = openWindow();
    for (QSizeF size : {QSizeF(Form1::kDesignWidth, Form1::kDesignHeight), QSizeF(15000, 9000)}) {
      w->setClientSize(size.width(), size.height());
      const ui::Control& c = **std::find_if(w->controls().begin(), w->controls().end(),
                                            [&](auto* c) { return c->name() == name; });
      QVERIFY2(near(c.left(), size.width() - fromRight, 15), qPrintable(QString::number(c.left())));
      QVERIFY(near(c.top(), size.height() - fromBottom, 15));
    }
  }

  void pictureAndFormulaLineFollowTheWindow() {
    FakePlatform fake;
    auto w = openWindow();
    const auto picture = [&] {
      return QRectF(w->Picture1.left(), w->Picture1.top(), w->Picture1.width(),
                    w->Picture1.height());
    };
    QVERIFY(near(picture().topLeft(), {100, 100}, 15));
    QVERIFY(near(QPointF(picture().width(), picture().height()), {12345 - 3300, 6120 - 1500}, 15));
    QVERIFY(near(w->Label7.left(), 120, 15) && near(w->Label7.top(), 6120 - 1180, 15));
    w->setClientSize(15000, 9000);
    QVERIFY(near(QPointF(picture().width(), picture().height()), {11700, 7500}, 15));
    QVERIFY(near(w->Label7.left(), 120, 15) && near(w->Label7.top(), 9000 - 1180, 15));
    // Narrower than 3300 twips the rule would give no width: the picture keeps its own.
    w->setClientSize(3000, 1600);
    QVERIFY(near(QPointF(picture().width(), picture().height()), {11700, 7500}, 15));
    w->setClientSize(5000, 3000);
    QVERIFY(near(QPointF(picture().width(), picture().height()), {1700, 1500}, 15));
  }

  void liveGraphFollowsTheBars() {
    FakePlatform fake;
    auto w = openWindow();
    w->Picture1.setLogging(true);
    clickArrow(w->HScroll1, false);
    clickArrow(w->HScroll1, false);
    QCOMPARE(w->HScroll1.value(), 3);
    QCOMPARE(labels(*w), QStringLiteral("3|5|120"));
    QCOMPARE(w->Label7.caption(),
             QStringLiteral(" y = 3 * x * Log(x) - 1 / 36 * Exp(-(36 * x - 36 / 2.7) ^ 4)"));
    // The second run of the graph alone: scale and axes for VScroll1 at 3, then x up to 3 / 5.
    const auto& log = w->Picture1.log();
    const auto lastClear = std::find_if(
        log.rbegin(), log.rend(), [](const DrawRecord& r) { return r.kind == DrawRecord::Cls; });
    const std::vector<DrawRecord> run(lastClear.base() - 1, log.end());
    QCOMPARE(w->Picture1.scaleTop(), -300.0);
    QCOMPARE(w->Picture1.scaleHeight(), 400.0);
    QVERIFY(near(run[2].p1, {-500, 0}) && near(run[2].p2, {1000, 0}));
    QVERIFY(near(run[4].p1, {0, -300}) && near(run[4].p2, {0, 100}));
    std::vector<QPointF> curve;
    for (const DrawRecord& r : run)
      if (r.kind == DrawRecord::PSet && r.color == ui::kRed) curve.push_back(r.p1);
    // x = 0.001 to 0.6 (3 / 5 as a single, just above 0.6): (150 y, -240 x), worked out once.
    QCOMPARE(int(curve.size()), 600);
    QVERIFY(near(curve[0], {-3.10848988, -0.24}, 1e-6));
    QVERIFY(near(curve[299], {-162.536329, -72}, 1e-5));
    QVERIFY(near(curve[599], {-137.922918, -144}, 1e-5));
    // The vertical bar rescales: at 8 the scale runs from -800 to 600.
    for (int i = 0; i < 5; ++i)
      clickArrow(w->VScroll1, true);
    QCOMPARE(w->VScroll1.value(), 8);
    QCOMPARE(w->Picture1.scaleTop(), -800.0);
    QCOMPARE(w->Picture1.scaleTop() + w->Picture1.scaleHeight(), 600.0);
  }

  void clearingEndsLiveModeUntilCommand19() {
    FakePlatform fake;
    auto w = openWindow();
    w->Picture1.setLogging(true);
    click(w->Command8);
    QCOMPARE(labels(*w), QStringLiteral(" 5| 5| 120"));
    QCOMPARE(w->LiveMode, qint16(0));
    QCOMPARE(w->Counter, 10.0);  // left by the tick loops
    QCOMPARE(w->StepsPerPi, 120.0f);
    QVERIFY(near(w->XValue, kPi / 120));
    std::vector<QString> texts;
    for (const DrawRecord& r : w->Picture1.log())
      if (r.kind == DrawRecord::Print) texts.push_back(r.text);
    QCOMPARE(int(texts.size()), 28);
    QCOMPARE(texts[0] + texts[1] + texts[9] + texts[10] + texts[27],
             QStringLiteral(" 0  1  9 -20  180 "));
    const auto ticks = records(w->Picture1, DrawRecord::Line, ui::kBlack);
    QVERIFY(near(ticks[2].p1, {100, -5}) && near(ticks[2].p2, {100, 5}));
    QVERIFY(near(ticks[20].p1, {0, -20}) && near(ticks[20].p2, {5, -20}));

    const size_t drawn = w->Picture1.log().size();
    clickArrow(w->HScroll2, true);
    QCOMPARE(labels(*w), QStringLiteral(" 5| 5| 120"));
    QCOMPARE(w->Picture1.log().size(), drawn);
    click(w->Command19);
    QCOMPARE(w->LiveMode, qint16(-1));
    QCOMPARE(labels(*w), QStringLiteral("5|6|120"));
    clickArrow(w->HScroll2, false);
    QCOMPARE(labels(*w), QStringLiteral("5|5|120"));
    // The last x below 1 is 0.999 (the sum of the steps stays just above 1 after 1000).
    QVERIFY(near(points(w->Picture1, ui::kRed).back(), {-0.449774925, -239.76}, 1e-6));
  }

  // The a, b, c a preset shows and its formula line. The presets that seed from the clock show
  // other numbers at another time; the values were worked out once from the generator's 24-bit
  // recurrence, seeded at 10:00:00 and 13:58:41 after the one draw of the load.
  void presetTexts_data() {
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<double>("time");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("formula");
    const QString fm = QStringLiteral("y = 120 * Sin(Cos(x)*x)  ");
    const QString twoCurves =
        QStringLiteral("y1 = 2 * x ^ 2 - 34 + 2 * x    y2 = Sin(x) + a * Cos(b * x)");
    const QString cycloid = QStringLiteral("x = c * i - c * Sin(i)   y = c - c * Cos(i)");
    const QString field = QStringLiteral("y = b *c * Sin(x/ 16) +  x");
    const QString am = QStringLiteral("y = (120 + 10 * Cos(b * x)) * Sin(2* x) ");
    const QString detector = QStringLiteral("y = (120 + 10 * Cos(b * x)) * Sin(2 * x) ");
    const QString envelope = QStringLiteral(" y = (20+10 * Cos(b * x)) ");
    const QString sine = QStringLiteral("y = c * Sin(x/ 16) * (b + Cos(x))");
    const QString parabola = QStringLiteral("y = a * x ^ 2 + b * x + c");
    const QString damped = QStringLiteral("i = I * e^(-b*t)*Sin(w*t)    w=1/sqr(L*C) ");
    const auto row = [](const char* name, const char* buttons, double time, const char* shown,
                        const QString& formula) {
      QTest::newRow(name) << QString::fromLatin1(buttons) << time << QString::fromUtf8(shown)
                          << formula;
    };
    row("Command10 10:00", "Command10", 36000, "5|0.500000005960464|151", fm);
    row("Command10 13:58", "Command10", 50321, "2|0.400000011920929|151", fm);
    row("Command11 10:00", "Command11", 36000, "9|9|151", twoCurves);
    row("Command11 13:58", "Command11", 50321, "3|7|151", twoCurves);
    row("Command12 10:00", "Command12", 36000, "19|27|42", cycloid);
    row("Command13 13:58", "Command13", 50321, "6|21|36", cycloid);
    row("Command14 10:00", "Command14", 36000, "59|0|40", field);
    row("Command14 13:58", "Command14", 50321, "46|-1|36", field);
    row("Command3 10:00", "Command3", 36000, "27|0.9|3", am);
    row("Command3 13:58", "Command3", 50321, "14|0.7|2", am);
    row("Command5 after load", "Command5", 36000, "800|1200|151", detector);
    row("Command5 after Command3", "Command3 Command5", 36000, "27|0.9|3", detector);
    row("Command7 after load", "Command7", 50321, "800|1200|151", envelope);
    row("Command7 after Command3", "Command3 Command7", 50321, "14|0.7|2", envelope);
    row("Command16", "Command16", 36000, "56|-1|64", field);
    row("Command20", "Command20", 50321, "56|-1|64", field);
    row("Command18", "Command18", 36000, "56|-1|64", field);
    // Not seeded: the same numbers at every time.
    row("Command2 10:00", "Command2", 36000, "32|2|34", sine);
    row("Command2 13:58", "Command2", 50321, "32|2|34", sine);
    row("Command15 10:00", "Command15", 36000, "0|0|-1", parabola);
    row("Command15 13:58", "Command15", 50321, "0|0|-1", parabola);
    row("Command17", "Command17", 36000, " 5| 5| 120", damped);
  }
  void presetTexts() {
    QFETCH(QString, buttons);
    QFETCH(double, time);
    QFETCH(QString, shown);
    QFETCH(QString, formula);
    FakePlatform fake;
    fake.setTime(time);
    auto w = openWindow();
    QStringList names = buttons.split(QLatin1Char(' '));
    const QString last = names.takeLast();
    for (const QString& name : names)
      click(control(*w, name));
    QString seen, line;
    animate(fake, *w, control(*w, last), 1, [&](int n) {
      if (n == 1) seen = labels(*w), line = w->Label7.caption();
    });
    if (fake.pauses() == 0) seen = labels(*w), line = w->Label7.caption();
    QCOMPARE(seen, shown);
    QCOMPARE(line, formula);
    QVERIFY(fake.errors.isEmpty() && !fake.ended);
  }

  // Points of the static presets and of the radio lesson's three pictures, with the a, b, c
  // of presetTexts: the count of points in the colour and a few of them, worked out once
  // from the lessons' formulas with pi = 3.1415 and the loop variable growing by its step.
  void presetsPlotTheirCurves_data() {
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<double>("time");
    QTest::addColumn<ui::Color>("colour");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<QPointF>("point");
    const auto row = [](const char* buttons, double time, ui::Color colour, int count, int index,
                        QPointF point) {
      QTest::addRow("%s %u %d", buttons, colour, index)
          << QString::fromLatin1(buttons) << time << colour << count << index << point;
    };
    using ui::kBlack, ui::kBlue, ui::kRed;
    // a = 2, b = 0.4 (a single tenth plus a double tenth): (4x, -120 Sin(a x b Cos x)).
    row("Command10", 50321, kRed, 14401, 0, {-502.64, -0.438277344});
    row("Command10", 50321, kRed, 14401, 4800, {-167.546667, 105.978357});
    row("Command10", 50321, kRed, 14401, 14400, {502.64, 0.438277346});
    // a = 3, b = 7: (x, -(2x² - 34 + 2x)) red, (x, -20 (Sin x + a Cos bx)) blue.
    row("Command11", 50321, kRed, 24001, 0, {-12, -230});
    row("Command11", 50321, kRed, 24001, 12000, {0, 34});
    row("Command11", 50321, kRed, 24001, 24000, {12, -278});
    row("Command11", 50321, kBlue, 24001, 0, {-12, 30.0699514});
    row("Command11", 50321, kBlue, 24001, 7001, {-4.999, 35.21589});
    row("Command11", 50321, kBlue, 24001, 24000, {12, 51.5328681});
    // a = 6, b = 21, c = 36: the cycloid (c i - c Sin i, -(c - c Cos i)), and its mirror image.
    row("Command12", 50321, kRed, 4861, 0, {-678.584013, 0});
    row("Command12", 50321, kRed, 4861, 1000, {-14.8111783, -29.7472057});
    row("Command12", 50321, kRed, 4861, 4860, {2374.90395, -71.9999319});
    row("Command13", 50321, kRed, 9722, 2001, {-14.8111783, 29.7472057});
    row("Command13", 50321, kRed, 9722, 9721, {2374.90395, 71.9999319});
    // a = 46, b = -1, c = 36: y = c Sin(x/16) + x at (x, b y) red, (b y, x) blue, the axis
    // (x, b x) black after the two points the axes start from.
    row("Command14", 50321, kRed, 16561, 0, {-144.509, 158.294463});
    row("Command14", 50321, kRed, 16561, 5000, {-57.2451111, 42.0342967});
    row("Command14", 50321, kRed, 16561, 16560, {144.509, -158.294463});
    row("Command14", 50321, kBlack, 16563, 5002, {-57.2451111, 57.2451111});
    row("Command14", 50321, kBlack, 16563, 16562, {144.509, -144.509});
    row("Command14", 50321, kBlue, 16561, 5000, {42.0342967, -57.2451111});
    row("Command14", 50321, kBlue, 16561, 16560, {-158.294463, 144.509});
    // b = 0.9 (a single): the carrier (10 Cos bx + 120) Sin 2x at (2x, -y); the detector keeps
    // the points where Sin 2x >= 0, the envelope puts 10 Cos bx + 20 there.
    row("Command3", 36000, kRed, 28801, 0, {-502.64, -1.92712077});
    row("Command3", 36000, kRed, 28801, 10001, {-153.549539, 49.2436214});
    row("Command3", 36000, kRed, 28801, 28800, {502.64, 1.92712078});
    row("Command3 Command5", 36000, kRed, 14400, 7001, {-16.3707056, -76.7139769});
    row("Command3 Command5", 36000, kRed, 14400, 14399, {499.4985, -1.78984558});
    row("Command3 Command7", 36000, kRed, 14400, 0, {-502.64, -29.9997771});
    row("Command3 Command7", 36000, kRed, 14400, 7001, {-16.3707056, -24.6812199});
    row("Command3 Command7", 36000, kRed, 14400, 14399, {499.4985, -21.4987744});
  }
  void presetsPlotTheirCurves() {
    QFETCH(QString, buttons);
    QFETCH(double, time);
    QFETCH(ui::Color, colour);
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(QPointF, point);
    FakePlatform fake;
    fake.setTime(time);
    auto w = openWindow();
    w->Picture1.setLogging(true);
    for (const QString& name : buttons.split(QLatin1Char(' '))) {
      w->Picture1.clearLog();
      click(control(*w, name));
    }
    const std::vector<QPointF> curve = points(w->Picture1, colour);
    QCOMPARE(int(curve.size()), count);
    QVERIFY2(near(curve[index], point, 1e-5),
             qPrintable(QStringLiteral("%1, %2").arg(curve[index].x()).arg(curve[index].y())));
  }

  void cycloidLeavesItsCounterPastTheEnd() {
    FakePlatform fake;
    fake.setTime(50321);
    auto w = openWindow();
    click(w->Command12);
    QVERIFY(near(w->Counter, 65.98895277777584, 1e-9));  // 21 pi + pi/180, b = 21
    QCOMPARE(w->Picture1.scaleWidth(), 1000.0);
    click(w->Command11);
    QCOMPARE(w->Picture1.scaleWidth(), 24.0);
  }

  // a = 56, b = -1, c = 64: the field x + 64 Sin(x/16) against the axis at x, worked out once.
  void electromagneticWave_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<ui::Color>("colour");
    QTest::addColumn<int>("index");
    QTest::addColumn<QLineF>("line");
    QTest::newRow("Е-эл first") << "Command16" << kLightRed << 0
                                << QLineF(-175.924, 175.924, -175.924, 111.924003);
    QTest::newRow("Е-эл 3000") << "Command16" << kLightRed << 3000
                               << QLineF(-123.565667, 123.565667, -123.565667, 187.016233);
    QTest::newRow("В-маг last") << "Command20" << kLightBlue << 20160
                                << QLineF(175.924, -175.924, 175.924, -111.924003);
    QTest::newRow("В-маг 3000") << "Command20" << kLightBlue << 3000
                                << QLineF(-123.565667, 123.565667, -123.565667, 187.016233);
  }
  void electromagneticWave() {
    QFETCH(QString, button);
    QFETCH(ui::Color, colour);
    QFETCH(int, index);
    QFETCH(QLineF, line);
    FakePlatform fake;
    auto w = openWindow();
    w->Picture1.setLogging(true);
    click(control(*w, button));
    const auto vectors = records(w->Picture1, DrawRecord::Line, colour);
    QCOMPARE(int(vectors.size()), 20161);  // x = -56 pi to 56 pi by pi/180
    QVERIFY(near(vectors[index].p1, line.p1(), 1e-5) && near(vectors[index].p2, line.p2(), 1e-5));
    const DrawRecord axis = records(w->Picture1, DrawRecord::Line, ui::kBlack).back();
    QVERIFY(near(axis.p1, {-175.924, 175.924}) && near(axis.p2, {182.207, -182.207}));
  }

  // Both fields turned: horizontal lines from (b x, x) to (b y, x), blue and red by region.
  void electromagneticWaveBothFields() {
    FakePlatform fake;
    auto w = openWindow();
    w->Picture1.setLogging(true);
    click(w->Command18);
    std::vector<DrawRecord> lines;
    for (const DrawRecord& r : w->Picture1.log())
      if (r.kind == DrawRecord::Line && r.color != ui::kBlack) lines.push_back(r);
    // Counted once over the 20161 values of x: the five regions with strict bounds.
    QCOMPARE(int(lines.size()), 18769);
    const struct {
      int index;
      ui::Color colour;
      QLineF line;
    } expected[] = {
        {0, kLightBlue, {175.906547, -175.906547, 111.906611, -175.906547}},
        {4692, kLightBlue, {94.0181139, -94.0181139, 68.6801926, -94.0181139}},
        {9384, kLightRed, {-38.1343194, 38.1343194, -82.141612, 38.1343194}},
        {14076, kLightRed, {-120.022753, 120.022753, -180.086238, 120.022753}},
        {18768, kLightBlue, {0, 0, 0, 0}},
    };
    for (const auto& e : expected) {
      QCOMPARE(lines[e.index].color, e.colour);
      QVERIFY(near(lines[e.index].p1, e.line.p1(), 1e-5) &&
              near(lines[e.index].p2, e.line.p2(), 1e-5));
    }
    QCOMPARE(w->Picture1.fillStyle(), ui::kFillTransparent);
    const DrawRecord axis = records(w->Picture1, DrawRecord::Line, ui::kBlack).back();
    QVERIFY(near(axis.p1, {0, 0}) && near(axis.p2, {182.207, -182.207}));
  }

  // Neither seeds: the sine takes the load's next draws, a = 32, b = 2, c = 34; the parabola
  // those after the reseeding of the "Очистка" that stopped it, a = -3, b = 0, c = 2. Points
  // worked out once by hand.
  void tracedSineAndParabola() {
    FakePlatform fake;
    auto w = openWindow();
    w->Picture1.setLogging(true);
    animate(fake, *w, w->Command2, 3);
    const std::vector<QPointF> sine = points(w->Picture1, ui::kRed);
    QCOMPARE(int(sine.size()), 3);
    // x = -32 pi + k pi/90; (2x, -c Sin(x/16) (b + Cos bx)).
    QVERIFY(near(sine[0], {-200.986189, -0.241193305}));
    QVERIFY(near(sine[1], {-200.916378, -0.462310311}));
    QVERIFY(near(sine[2], {-200.846567, -0.681178857}));
    QCOMPARE(w->Running, qint16(0));

    w->Picture1.clearLog();
    QString shown;
    animate(fake, *w, w->Command15, 300, [&](int n) {
      if (n == 1) shown = labels(*w);
    });
    QCOMPARE(shown, QStringLiteral("-3|0|2"));
    const std::vector<QPointF> parabola = points(w->Picture1, ui::kRed);
    QCOMPARE(parabola.size(), size_t(300));
    // x = -13 + k/10; the 260th step reaches 13 and starts again at -13. (10x, -(a x² + b x + c))
    QVERIFY(near(parabola[0], {-129, 497.23}, 1e-9));
    QVERIFY(near(parabola[100], {-29, 23.23}, 1e-9));
    QVERIFY(near(parabola[259], {130, 505}, 1e-9));
    QVERIFY(near(parabola[260], {-130, 505}, 1e-9));
    QVERIFY(near(parabola[299], {-91, 246.43}, 1e-9));
    QCOMPARE(records(w->Picture1, DrawRecord::Circle, ui::kRed).front().radius, 2.0);
  }

  // Right after the load: a = 800, c = 151, t going on by pi/120 from where the sweep tables
  // left it (the first step past 2 pi, 6.30045), w = Sqr(1/25) = 0.2 and b = 3/50 as a single:
  // (8t, -Sin(0.2 t) 151 800^(-0.06 t)), worked out once.
  void dampedOscillationAfterTheLoad() {
    FakePlatform fake;
    auto w = openWindow();
    w->Picture1.setLogging(true);
    animate(fake, *w, w->Command17, 3);
    const std::vector<QPointF> trace = points(w->Picture1, kLightRed);
    QCOMPARE(int(trace.size()), 3);
    QVERIFY(near(trace[0], {50.61305556, -11.38634798}, 1e-7));
    QVERIFY(near(trace[1], {50.82248889, -11.28586719}, 1e-7));
    QVERIFY(near(trace[2], {51.03192222, -11.18593706}, 1e-7));
    QCOMPARE(records(w->Picture1, DrawRecord::Circle, kLightRed).front().radius, 1.0);
  }

  // The parabola can leave a zero or negative a, which cannot be the base of a power: the
  // damped oscillation, started while the parabola runs, takes the a of its bar instead.
  void dampedOscillationInsideTheParabola() {
    FakePlatform fake;
    auto w = openWindow();
    w->Picture1.setLogging(true);
    for (bool wantZero : {true, false}) {
      int start = -1;
      double a = 0, t = 0;
      std::vector<double> times;
      QString shown;
      fake.onPause = [&](int n) {
        if (start < 0) {
          if (wantZero ? w->ParamA != 0 : w->ParamA >= 0) {
            click(w->Command8);
            return;
          }
          start = n;
          a = w->ParamA, t = w->XValue;
          w->Picture1.clearLog();
          click(w->Command17);
          return;
        }
        times.push_back(w->XValue);
        if (n - start == 1) shown = labels(*w);
        if (n - start == 50) click(w->Command8);
      };
      while (start < 0)
        click(w->Command15);
      fake.onPause = nullptr;
      QVERIFY(fake.errors.isEmpty() && !fake.ended);
      QCOMPARE(shown, QStringLiteral(" 5| 5| 120"));
      QCOMPARE(w->LiveMode, qint16(0));
      const std::vector<QPointF> trace = points(w->Picture1, kLightRed);
      QCOMPARE(trace.size(), size_t(50));
      for (size_t k = 0; k < 50; ++k) {
        t += kPi / 120;
        if (t >= 7 * 5 * kPi) t = kPi / 120;  // the bar's a bounds the trace too
        QVERIFY(near(times[k], t, 1e-9));
        QVERIFY(near(trace[k].x(), 8 * t, 1e-9));
        // A zero or negative base would give an infinite or undefined power.
        QVERIFY(std::isfinite(trace[k].y()));
      }
    }
  }

  // a = 1, 10 points per pi from t = pi / 120: the trace wraps at 7·pi after its 69th point,
  // also on the a = 0 the radar leaves (the bar's a is then the base and the bound).
  void dampedOscillationWrapsAtSevenAPi() {
    for (bool insideRadar : {false, true}) {
      FakePlatform fake;
      auto w = openWindow();
      ui::testkit::pressKey(w->HScroll1, Qt::Key_Home);
      click(w->Command8);
      ui::testkit::pressKey(w->HScroll3, Qt::Key_Home);
      w->Picture1.setLogging(true);
      animate(fake, *w, insideRadar ? w->Command4 : w->Command17, 72, [&](int n) {
        if (n == 1 && insideRadar && w->ParamA == 0) click(w->Command17);
      });
      const std::vector<QPointF> x = points(w->Picture1, kLightRed);  // x = 8·t
      for (auto [k, want] :
           {std::pair{0, 2.7226333}, {68, 173.6202333}, {69, 2.5132}, {70, 5.0264}})
        QVERIFY(x.size() > 70 && near(x[size_t(k)].x(), want));
    }
  }

  void optionsClearEachOtherAndSwitchTheRangeMarks() {
    FakePlatform fake;
    auto w = openWindow();
    click(w->Option1);
    QVERIFY(w->Option1.value() && !w->Option2.value());
    click(w->Option2);
    QVERIFY(!w->Option1.value() && w->Option2.value());
    click(w->Option1);
    w->Picture1.setLogging(true);
    animate(fake, *w, w->Command1, 2, [&](int n) {
      if (n == 1) click(w->Option2);
    });
    const auto red = records(w->Picture1, DrawRecord::Circle, ui::kRed);
    const auto white = records(w->Picture1, DrawRecord::Circle, ui::kWhite);
    QVERIFY(red.size() >= 8 && white.size() >= 8);
    for (int i = 0; i < 8; ++i) {
      QCOMPARE(red[i].radius, 100.0 * (i + 1));
      QCOMPARE(white[i].radius, 100.0 * (i + 1));
      QVERIFY(near(red[i].p1, {0, 0}));
    }
    QVERIFY(!w->Option1.value());
  }

  // Seeded at 10:00 the target stands at index 295 and distance divisor 5, moving in by
  // ParamB = -1. The beam ends at the sweep table's entry 361 - Counter, worked out once.
  void radarBeamAndEcho() {
    FakePlatform fake;
    auto w = openWindow();
    w->Picture1.setLogging(true);
    std::map<int, QPointF> beamEnds;
    std::vector<DrawRecord> echoes;
    animate(fake, *w, w->Command1, 300, [&](int) {
      const auto beams = records(w->Picture1, DrawRecord::Line, ui::kRed);
      QCOMPARE(beams.back().width, 3);
      beamEnds[int(w->Counter)] = beams.back().p2;
      if (w->Counter == 1) {
        QCOMPARE(w->TargetAngle, 295.0);
        QCOMPARE(w->ParamC, 5.0);
        QCOMPARE(w->ParamB, -1.0);
      }
      if (w->Counter == w->TargetAngle) echoes = records(w->Picture1, DrawRecord::Circle, ui::kRed);
    });
    QVERIFY(near(beamEnds.at(1), {799.875562, -14.1097363}, 1e-5));
    QVERIFY(near(beamEnds.at(90), {-0.111184307, -799.999992}, 1e-5));
    QVERIFY(near(beamEnds.at(295), {338.118868, 725.034917}, 1e-5));
    QCOMPARE(int(echoes.size()), 1);
    QVERIFY(near(echoes[0].p1, {67.6237736, 145.006983}, 1e-5));  // entry 66 divided by 5
    QCOMPARE(echoes[0].radius, 15.0);
  }

  // The cycloid leaves a fractional counter; where the scan line's index rounds to 0 it is
  // left out.
  void secondRadarAfterAFractionalCounter() {
    FakePlatform fake;
    auto w = openWindow();
    do {
      fake.advance(1);
      click(w->Command12);
    } while (w->Counter - std::floor(w->Counter) <= 0.5);
    w->Picture1.setLogging(true);
    int skipped = 0;
    size_t seen = 0;
    animate(fake, *w, w->Command4, 400, [&](int) {
      const auto scans = records(w->Picture1, DrawRecord::Line, ui::kRed);
      const bool outside = w->Counter > 269.5;  // 270 - Counter rounds to 0 or less
      if (outside) ++skipped;
      QCOMPARE(scans.size() - seen, size_t(outside ? 0 : 1));
      seen = scans.size();
    });
    QVERIFY(skipped > 0);
    QVERIFY(fake.errors.isEmpty() && !fake.ended);
    QCOMPARE(w->Running, qint16(0));
  }

  // The parabola started inside the radar at an echo can leave c at zero; a static preset
  // that keeps c stops both, and the radar's last echo would lie infinitely far: it is left out.
  void radarEchoAfterAZeroDistance() {
    FakePlatform fake;
    auto w = openWindow();
    w->Picture1.setLogging(true);
    std::set<double> distances;
    for (int tries = 0; tries < 200 && !distances.count(0); ++tries) {
      bool parabola = false;
      double c = -1;
      fake.onPause = [&](int) {
        if (parabola) {
          c = w->ParamC;
          w->Picture1.clearLog();
          click(w->Command10);
        } else if (w->Counter == w->TargetAngle) {
          parabola = true;
          click(w->Command15);
        }
      };
      click(w->Command1);
      fake.onPause = nullptr;
      const auto echoes = records(w->Picture1, DrawRecord::Circle, ui::kRed);
      QCOMPARE(echoes.size(), size_t(c == 0 ? 0 : 1));
      distances.insert(c);
    }
    QVERIFY(distances.count(0) && distances.size() > 1);
    QVERIFY(fake.errors.isEmpty() && !fake.ended);
  }

  // The inner loop leaves Counter where the outer one's tables end: the beam's counter past
  // 270 gives the scan line a negative index, which the scan line skips when it is erased.
  // "Е-эл" stops both loops and, unlike "Очистка", leaves the counter alone.
  void radarStartedInsideAnother_data() {
    QTest::addColumn<QString>("outer");
    QTest::addColumn<int>("frames");
    QTest::newRow("beam inside the scan line") << "Command4" << 330;
    QTest::newRow("scan line inside the beam") << "Command1" << 400;
  }
  void radarStartedInsideAnother() {
    QFETCH(QString, outer);
    QFETCH(int, frames);
    FakePlatform fake;
    auto w = openWindow();
    ui::CommandButton& first = outer == "Command4" ? w->Command4 : w->Command1;
    ui::CommandButton& second = outer == "Command4" ? w->Command1 : w->Command4;
    animate(
        fake, *w, first, frames,
        [&](int n) {
          if (n == 50) click(second);
        },
        &w->Command16);
    QCOMPARE(fake.pauses(), frames);
    if (outer == "Command4") QVERIFY(w->Counter > 270.5);
    QVERIFY(fake.errors.isEmpty() && !fake.ended);
    QCOMPARE(w->Running, qint16(0));
  }

  void bareWindowEndsTheProgram() {
    FakePlatform fake;
    auto w = openWindow();
    const QPoint bare = w->clientWidget()->mapTo(w->window(), QPoint(627, 133));
    QCOMPARE(ui::testkit::widgetAt(*w, bare), w->clientWidget());
    fake.onPause = [&](int n) {
      if (n == 3) ui::testkit::clickAt(*w, bare);
    };
    click(w->Command15);
    QVERIFY(fake.ended);
    QCOMPARE(fake.pauses(), 3);
  }

  void monkey() {
    FakePlatform fake;
    auto w = openWindow();
    ui::testkit::Monkey monkey(fake, 11);
    monkey.addWindow(*w);
    monkey.addStopControl(w->Command8);
    monkey.setMaxPausesPerEvent(60);
    const auto r = monkey.run(1500);
    QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure + " after " + r.lastAction));
    QVERIFY(r.pauses > 0 && r.nested > 0);
  }
};

QTEST_MAIN(PlotterTest)
#include "tst_plotter.moc"
