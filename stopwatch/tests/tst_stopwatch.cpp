// SPDX-License-Identifier: GPL-3.0-or-later
// The stopwatch window on a fake clock: the seconds hand, the minute and hour counts, the
// buttons' states, the menus, the dial's geometry, the layout and the mosaic.
#include <QtTest>
#include <cmath>
#include <random>

#include "dialtest.h"
#include "form1.h"
#include "ui/app.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"

using ui::DrawRecord;

namespace {

// The stopwatch on the shared rig, with its hands picked out of the log.
struct Rig : dialtest::Rig<watch::Form1> {
  using dialtest::Rig<watch::Form1>::Rig;
  // Lines from the centre 1900 units long, drawn since the log was last cleared.
  std::vector<DrawRecord> hands() const {
    std::vector<DrawRecord> out;
    for (const DrawRecord& r : w.Pic1.log())
      if (r.kind == DrawRecord::Line && r.p1 == QPointF(0, 0) &&
          std::abs(std::hypot(r.p2.x(), r.p2.y()) - 1900) < 1e-6)
        out.push_back(r);
    return out;
  }
};

}  // namespace

using dialtest::handEnd;
using dialtest::near;

class StopwatchTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { ui::setUpApplication(); }

  void windowAsDesigned() {
    Rig rig;
    QCOMPARE(rig.w.caption(), QStringLiteral("Часы-секундомер"));
    QVERIFY(!rig.w.window()->windowIcon().isNull());
    QVERIFY(ui::testkit::controlsWithoutAccessibleName(rig.w).isEmpty());
    rig.tickAfter(5);
    QCOMPARE(rig.texts(), (QStringList{"00 час", "00 мин", "05 сек"}));
  }

  void handMovesOnlyWhenSecondsGrowByOne() {
    Rig rig;
    rig.tickAfter(10);  // the first tick sees a change of 10
    rig.tickAfter(0.2);
    QVERIFY(rig.hands().empty());
    rig.tickAfter(0.8);
    QCOMPARE(rig.hands().size(), size_t(1));
    QVERIFY(near(rig.hands().back().p2, handEnd(11)));
    rig.w.Pic1.clearLog();
    rig.tickAfter(2);  // a jump of two is no step
    QVERIFY(rig.w.Pic1.log().empty());
  }

  void idleTickChangesNothing() {
    Rig rig;
    rig.run(3);
    int changes = 0;
    rig.w.Text1.onChange = [&] { ++changes; };
    rig.w.Pic1.clearLog();
    for (int i = 0; i < 100; ++i)
      rig.tickAfter(0.001);
    QVERIFY(rig.w.Pic1.log().empty());
    QCOMPARE(changes, 0);
    rig.w.Text1.type(QStringLiteral("12"));  // typed over: the next tick writes it again
    rig.tickAfter(0.001);
    QCOMPARE(rig.w.Text1.text(), QStringLiteral("03 сек"));
  }

  void minuteStepAtFiftyNine() {
    Rig rig(36050.2);
    rig.run(8.25);
    rig.w.Pic1.clearLog();
    rig.run(1);  // "59": the second step, then the minute step puts the hand at twelve
    QCOMPARE(rig.w.Text2.text(), QStringLiteral(" 1 мин"));
    QVERIFY(near(rig.hands().back().p2, handEnd(0)));
    rig.w.Pic1.clearLog();
    rig.run(1);  // "00": no step
    QVERIFY(rig.hands().empty());
    rig.run(1);  // "01"
    QVERIFY(near(rig.hands().back().p2, handEnd(1)));
    rig.run(60);
    QCOMPARE(rig.w.Text2.text(), QStringLiteral(" 2 мин"));
  }

  void hourFollowsTheFiftyNinthMinute() {
    Rig rig(36050.2);
    rig.w.MinCount = 58;
    rig.run(10);
    QCOMPARE(rig.texts(), (QStringList{" 1 час", " 59 мин", "00 сек"}));
    rig.run(120);  // the minutes run on; minute 1 of the next hour re-arms the hour step
    QCOMPARE(rig.texts(), (QStringList{" 1 час", " 61 мин", "00 сек"}));
    rig.w.MinCount = 118;
    rig.run(60);
    QCOMPARE(rig.w.Text3.text(), QStringLiteral(" 2 час"));
  }

  void oneBeepPerRedrawnSecond() {
    Rig rig;
    rig.w.Звуквкл31.click();
    for (int i = 0; i < 3000; ++i)
      rig.tickAfter(0.001);
    QCOMPARE(rig.fake.beeps, 3);
    rig.w.Звуквыкл32.click();
    rig.run(2);
    QCOMPARE(rig.fake.beeps, 3);
  }

  void dialSwitchedOff() {
    Rig rig(36055.2);
    rig.run(1);
    rig.w.часывыкл.click();
    QCOMPARE(rig.w.Pic1.log().back().kind, DrawRecord::Cls);
    rig.w.Pic1.clearLog();
    rig.run(6);  // through "59"
    QVERIFY(rig.w.Pic1.log().empty());
    QCOMPARE(rig.texts(), (QStringList{"00 час", "00 мин", "02 сек"}));
  }

  void stopThenStartResumesAtTheElapsedTime() {
    Rig rig;
    rig.w.Command1.click();
    rig.run(5);
    rig.w.Command3.click();
    rig.w.Pic1.clearLog();
    rig.run(63);  // through "59": counted behind the display, the hand standing still
    QVERIFY(rig.w.Pic1.log().empty());
    QCOMPARE(rig.texts(), (QStringList{"00 час", "00 мин", "05 сек"}));
    rig.w.Command1.click();
    rig.tickAfter(0.01);
    QCOMPARE(rig.texts(), (QStringList{"00 час", " 1 мин", "08 сек"}));
    rig.run(1);
    QVERIFY(near(rig.hands().back().p2, handEnd(9)));
  }

  void resetShowsZerosAndKeepsTheMinuteCount() {
    Rig rig;
    rig.w.Command1.click();
    rig.run(61);
    rig.w.часывыкл.click();
    rig.w.Pic1.clearLog();
    rig.w.Command2.click();
    QCOMPARE(rig.hands().back().color, ui::kBlack);
    QVERIFY(near(rig.hands().back().p2, handEnd(0)));
    rig.run(3);
    QCOMPARE(rig.texts(), (QStringList{"00", "00", "00"}));
    rig.w.Command1.click();  // a new start; the dial is on again
    rig.run(59);
    QCOMPARE(rig.texts(), (QStringList{"00 час", " 2 мин", "59 сек"}));
  }

  void measurementAcrossMidnight() {
    Rig rig(86400 - 2.8);
    rig.w.Command1.click();
    rig.w.Pic1.clearLog();
    rig.run(5);
    QCOMPARE(rig.w.Text1.text(), QStringLiteral("05 сек"));
    QCOMPARE(rig.hands().size(), size_t(5));
    QVERIFY(near(rig.hands().back().p2, handEnd(5)));
  }

  void dialGeometry() {
    Rig rig;
    rig.w.DrawDial();
    const auto& log = rig.w.Pic1.log();
    std::vector<QPointF> ticks;
    std::vector<DrawRecord> circles;
    for (const DrawRecord& r : log) {
      if (r.kind == DrawRecord::PSet && r.color == ui::kRed) ticks.push_back(r.p1);
      if (r.kind == DrawRecord::Circle) circles.push_back(r);
    }
    QCOMPARE(ticks.size(), size_t(121));
    // Twelve o'clock at both ends, the last short of a full turn as pi is taken as 3.14.
    QVERIFY(near(ticks.back(), {-4.7779562246, 1999.9942927754}));  // 2000 (cos, sin) of -4.71
    QCOMPARE(circles.size(), size_t(14));
    QCOMPARE(*circles[0].start, 6.28);
    // Each label at its tick moved outward by the radius over q (4, 10 x6, 5, 4, 4, 3, 3, 3);
    // 12 keeps the offset of 11. Worked out once with pi = 3.14.
    const QPointF labelAt[13] = {{1.990817, 2499.999207},      {1101.011316, 1904.671647},
                                 {1905.547808, 1099.494226},   {2200, 0},
                                 {1905.547808, -1099.494226},  {1101.011316, -1904.671647},
                                 {1.751919, -2199.999302},     {-1197.792478, -2079.733920},
                                 {-2163.402589, -1252.872395}, {-2499.996829, -3.981632},
                                 {-2311.874550, 1329.039946},  {-1338.234425, 2306.564488},
                                 {-339.336562, 2576.635415}};
    int k = 0;
    for (size_t i = 1; i < log.size(); ++i) {
      if (log[i].kind != DrawRecord::Print) continue;
      QCOMPARE(log[i].text, QStringLiteral(" %1 ").arg(k));
      QVERIFY2(std::abs(log[i].p1.x() - labelAt[k].x()) + std::abs(log[i].p1.y() - labelAt[k].y()) <
                   1e-5,
               qPrintable(QString::number(k)));
      QCOMPARE(log[i - 1].color, ui::kSysCaptionText);
      ++k;
    }
    QCOMPARE(k, 13);
    // The rim is an arc whose ends meet: drawn whole but never filled, so the hand shows.
    const QPoint inside = rig.w.Pic1.toPixel(600, 600);
    QCOMPARE(rig.w.Pic1.pixel(inside.x(), inside.y()), ui::kWhite);
  }

  void menus() {
    Rig rig;
    const ui::FontSpec f{QStringLiteral("DejaVu Sans"), 20, true, true, false};
    rig.fake.fontAnswers = {f};
    rig.w.шрифт2.click();
    rig.w.шрифт13.click();  // cancelled: the dialog's current font is applied
    QCOMPARE(rig.w.Text2.font(), f);
    QCOMPARE(rig.w.Pic1.font(), f);
    rig.w.Command3.click();
    rig.tickAfter(3);
    rig.fake.colorAnswers = {ui::kBlue, ui::kGreen, ui::kRed, ui::RGB(255, 0, 0)};
    rig.w.цвет3.click();
    QCOMPARE(rig.w.Text3.foreColor(), ui::kBlue);
    QCOMPARE(rig.w.Text1.text(), QStringLiteral("03 сек"));  // rewritten though stopped
    rig.w.фон21.click();
    QCOMPARE(rig.w.Pic1.backColor(), ui::kGreen);
    rig.w.шрифт22.click();
    QCOMPARE(rig.w.Pic1.foreColor(), ui::kRed);
    rig.w.Цветрис.click();
    rig.w.Command1.click();
    rig.w.Pic1.clearLog();
    rig.run(1);
    QCOMPARE(rig.hands().back().color, ui::Color(255));
    const auto& log = rig.w.Pic1.log();
    const auto hub = std::find_if(log.rbegin(), log.rend(),
                                  [](auto& r) { return r.kind == DrawRecord::Circle; });
    QCOMPARE(hub->radius, 150.0);
    QCOMPARE(hub->color, ui::Color(128));  // 255 / 2 rounded half to even
  }

  void layout_data() {
    QTest::addColumn<QSizeF>("client");  // twips
    QTest::addColumn<double>("textHeight");
    QTest::newRow("design") << QSizeF(8355, 6735) << 1000.0;
    QTest::newRow("narrow") << QSizeF(6000, 6000) << 600.0;
  }
  void layout() {
    QFETCH(QSizeF, client);
    QFETCH(double, textHeight);
    Rig rig;
    rig.w.setClientSize(client.width(), client.height());
    const double sw = rig.w.clientWidth(), sh = rig.w.clientHeight(), px = 15;
    QVERIFY(std::abs(rig.w.Command2.left() - (sw - sw / 5)) <= px);
    QVERIFY(std::abs(rig.w.Command3.top() - (sh - sh / 10)) <= px);
    // In the picture's scale: 1.5 units a twip across, one unit a twip up.
    const double h = rig.w.Text1.height();
    QVERIFY(std::abs(h - textHeight) <= px);
    QVERIFY(std::abs(rig.w.Text2.left() - (-sw + sw / 100)) <= 1.5 * px);
    QVERIFY(std::abs(rig.w.Text3.top() - (2 * h - h / 10)) <= px);
    rig.w.setClientSize(780, 3000);  // too small: the layout stays
    QVERIFY(std::abs(rig.w.Text1.top() - (-h / 3)) <= px);
  }

  void maximizedTexts() {
    Rig rig;
    rig.w.setWindowState(ui::WindowState::Maximized);
    QTRY_COMPARE(rig.w.Text1.fontSize(), 90.0);
    QCOMPARE(rig.w.TextHeight, 1000.0);
  }

  void mosaic() {
    Rig rig;
    rig.w.Pic1.click();
    const auto& log = rig.w.Pic1.log();
    QCOMPARE(log.front().kind, DrawRecord::Cls);
    const auto boxes =
        std::count_if(log.begin(), log.end(), [](auto& r) { return r.kind == DrawRecord::Box; });
    QCOMPARE(boxes, 41 * 101);  // 41 columns of 101 boxes, both ends included
    QCOMPARE(log.back().color, ui::Color(rig.w.DrawColor));
    QVERIFY(
        near(log.back().p2 - log.back().p1, {rig.w.clientWidth() / 20, rig.w.clientHeight() / 20}));
    rig.w.setClientSize(45000, 6000);  // wider than a 16-bit column reaches
    rig.w.Pic1.clearLog();
    rig.w.Pic1.click();
    QVERIFY(!rig.w.Pic1.log().empty());
    QVERIFY(rig.fake.errors.isEmpty());
    rig.w.setClientSize(15, 3000);  // a column step below one twip must still end
    QVERIFY(rig.w.clientWidth() < 25);
    rig.w.Pic1.clearLog();
    rig.w.Pic1.click();
    QVERIFY(!rig.w.Pic1.log().empty());  // the click reached the picture and its loops ended
  }

  void monkey() {
    Rig rig;
    rig.w.Pic1.setLogging(false);
    std::mt19937 rng(7);
    for (int i = 0; i < 400; ++i) {
      rig.fake.colorAnswers.push_back(ui::Color(rng() & 0xFFFFFF));
      rig.fake.fontAnswers.push_back({QStringLiteral("Liberation Serif"), double(rng() % 120 + 1),
                                      bool(rng() & 1), bool(rng() & 2), bool(rng() & 4)});
    }
    ui::testkit::Monkey monkey(rig.fake, 11);
    monkey.addWindow(rig.w);
    const auto result = monkey.run(3000);
    QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure));
  }
};

QTEST_MAIN(StopwatchTest)
#include "tst_stopwatch.moc"
