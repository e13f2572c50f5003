// SPDX-License-Identifier: GPL-3.0-or-later
// The clock window on a fake clock, driven through the window system: the texts and the hand,
// the buttons, the minute step, the dial and a click on it, the menus, the layout, the beep.
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <cmath>
#include <random>

#include "dialtest.h"
#include "form1.h"
#include "ui/app.h"
#include "ui/pointer.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"
#include "ui/testkit/pupil.h"

using ui::DrawRecord;
using ui::testkit::clickAt;
using ui::testkit::clickOn;
using ui::testkit::windowPoint;

namespace {

// Picks a menu entry as the pupil does: an entry of the bar is clicked there; an item is
// reached by opening its entry's menu and clicking the item in it.
void pickMenu(ui::Form& form, ui::Menu& entry, ui::Menu* item = nullptr) {
  auto* bar = form.window()->findChild<QMenuBar*>();
  QVERIFY(bar);
  clickAt(form, ui::pointer::windowPos(bar, bar->actionGeometry(entry.action()).center()));
  if (!item) return;
  QMenu* menu = entry.action()->menu<QMenu*>();
  QVERIFY(menu);
  QTRY_VERIFY(menu->isVisible());
  ui::pointer::click(menu, menu->actionGeometry(item->action()).center());
  QTRY_VERIFY(!menu->isVisible());
}

// The clock on the shared rig, with the clicks of its picture.
struct Rig : dialtest::Rig<wallclock::Form1> {
  using dialtest::Rig<wallclock::Form1>::Rig;
  void click(ui::Control& c) { clickOn(c); }
  // A click on the dial below its centre, where no text box or button lies.
  void clickDial() { clickAt(w, windowPoint(w.Pic1, w.Pic1.toPixel(0, -1000))); }
};

}  // namespace

using dialtest::handEnd;
using dialtest::near;

class ClockTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { ui::setUpApplication(); }

  void windowAndTheTextsAtTheFirstTick() {
    Rig rig;
    QCOMPARE(rig.w.caption(), QStringLiteral("Часы"));
    QVERIFY(!rig.w.window()->windowIcon().isNull());
    QVERIFY(ui::testkit::controlsWithoutAccessibleName(rig.w).isEmpty());
    QStringList entries;
    for (QAction* a : rig.w.window()->findChild<QMenuBar*>()->actions())
      entries << a->text();
    QCOMPARE(entries, (QStringList{"Шрифт", "Цвет фона"}));
    QCOMPARE(rig.texts(), (QStringList{"Text3", "Text2", "Text1"}));
    rig.tickAfter(7);  // before a start the seconds are those of the time of day
    QCOMPARE(rig.texts(), (QStringList{"00 час", "00 мин", "07 сек"}));
    QVERIFY(rig.w.Pic1.log().empty());  // a change of 7 is no second step
  }

  void firstSecondStepFollowsTheSeconds() {
    Rig rig(36020.2);
    rig.tickAfter(0.1);
    rig.w.Pic1.clearLog();
    rig.tickAfter(1);  // "21": pi is known from the start
    auto lines = rig.drawn(DrawRecord::Line);
    QCOMPARE(lines.size(), size_t(1));  // the hand alone: no tail
    QCOMPARE(lines[0].p1, QPointF(0, 0));
    QVERIFY(near(lines[0].p2, handEnd(21)));
    QCOMPARE(lines[0].color, ui::kBlack);
    QCOMPARE(rig.drawn(DrawRecord::Circle).size(), size_t(13));  // the ticks' only: no hub
    QCOMPARE(rig.fake.beeps, 1);
    rig.w.Pic1.clearLog();
    rig.tickAfter(1);  // "22"
    lines = rig.drawn(DrawRecord::Line);
    QCOMPARE(lines.size(), size_t(1));
    QVERIFY(near(lines[0].p2, handEnd(22)));
  }

  void oneBeepPerSecond() {
    Rig rig;
    for (int i = 0; i < 3000; ++i)
      rig.tickAfter(0.001);
    QCOMPARE(rig.fake.beeps, 3);
    rig.tickAfter(2);  // a jump of two seconds is no step
    QCOMPARE(rig.fake.beeps, 3);
    rig.click(rig.w.Command3);  // stopped: the hand and the beep stand still
    rig.run(3);
    QCOMPARE(rig.fake.beeps, 3);
  }

  void minuteTextAfterFiftyNine() {
    Rig rig(36050.2);
    rig.run(8.25);
    rig.w.Pic1.clearLog();
    rig.run(1);  // "59": the second step, then the minute step puts the hand at twelve
    QCOMPARE(rig.texts(), (QStringList{"00 час", " 1 мин", "59 сек"}));
    auto lines = rig.drawn(DrawRecord::Line);
    QCOMPARE(lines.size(), size_t(2));
    QVERIFY(near(lines[0].p2, handEnd(59)));
    QVERIFY(near(lines[1].p2, handEnd(0)));
    rig.w.Pic1.clearLog();
    rig.run(1);  // "00": no step
    QVERIFY(rig.w.Pic1.log().empty());
    rig.run(1);  // "01"
    QVERIFY(near(rig.drawn(DrawRecord::Line).back().p2, handEnd(1)));
    rig.run(60);
    QCOMPARE(rig.w.Text2.text(), QStringLiteral(" 2 мин"));
  }

  void resetStartStopStart() {
    Rig rig;
    rig.run(3);
    rig.click(rig.w.Command2);  // "Сброс"
    QCOMPARE(rig.texts(), (QStringList{"00", "00", "00"}));
    const auto lines = rig.drawn(DrawRecord::Line);
    QCOMPARE(lines.back().color, ui::kBlack);
    QVERIFY(near(lines.back().p2, handEnd(0)));
    rig.w.Pic1.clearLog();
    rig.run(3);
    QVERIFY(rig.w.Pic1.log().empty());
    QCOMPARE(rig.texts(), (QStringList{"00", "00", "00"}));

    rig.click(rig.w.Command1);  // "Пуск": the seconds count from now
    rig.tickAfter(0.1);
    rig.run(2);
    QCOMPARE(rig.texts(), (QStringList{"00 час", "00 мин", "02 сек"}));
    QVERIFY(near(rig.drawn(DrawRecord::Line).back().p2, handEnd(2)));

    rig.click(rig.w.Command3);  // "Стоп"
    rig.w.Pic1.clearLog();
    rig.run(3);
    QVERIFY(rig.w.Pic1.log().empty());
    QCOMPARE(rig.w.Text1.text(), QStringLiteral("02 сек"));

    rig.click(rig.w.Command1);  // "Пуск" again: on at the time elapsed since the first start
    rig.tickAfter(0.01);
    QCOMPARE(rig.w.Text1.text(), QStringLiteral("05 сек"));
    rig.run(1);
    QVERIFY(near(rig.drawn(DrawRecord::Line).back().p2, handEnd(6)));
  }

  // "Сброс" before the first second step has drawn the dial: the hand stands at twelve.
  void resetInTheFirstSecondPutsTheHandAtTwelve() {
    Rig rig;
    rig.click(rig.w.Command2);
    QVERIFY(near(rig.drawn(DrawRecord::Line).at(0).p2, handEnd(0)));
  }

  void dial() {
    Rig rig;
    rig.clickDial();
    const auto& log = rig.w.Pic1.log();
    QCOMPARE(log.front().kind, DrawRecord::Cls);
    std::vector<QPointF> ticks;
    for (const DrawRecord& r : log)
      if (r.kind == DrawRecord::PSet && r.color == ui::kRed) ticks.push_back(r.p1);
    QCOMPARE(ticks.size(), size_t(121));
    QVERIFY(near(ticks.front(), {1.5926534215, 1999.9993658637}));  // 2000 (cos, sin) of 1.57
    QVERIFY(near(ticks[30], {2000, 0}));
    // No rim: the only circles are those at every tenth tick, black and 50 across.
    const auto circles = rig.drawn(DrawRecord::Circle);
    QCOMPARE(circles.size(), size_t(13));
    for (size_t i = 0; i < circles.size(); ++i) {
      QVERIFY(near(circles[i].p1, ticks[10 * i]));
      QCOMPARE(circles[i].radius, 50.0);
      QCOMPARE(circles[i].color, ui::kBlack);
    }
    // Each label, 12 too, at its own tick moved outward by the radius over q; the point that
    // places it is drawn in the picture's foreground colour.
    // q = 5, 10 x7, 5 x5; worked out once with pi = 3.14.
    const QPointF labelAt[13] = {{1.911184, 2399.999239},      {1101.011316, 1904.671647},
                                 {1905.547808, 1099.494226},   {2200, 0},
                                 {1905.547808, -1099.494226},  {1101.011316, -1904.671647},
                                 {1.751919, -2199.999302},     {-1097.976439, -1906.422760},
                                 {-2076.866485, -1202.757499}, {-2399.996956, -3.822367},
                                 {-2080.687095, 1196.135951},  {-1204.410982, 2075.908039},
                                 {-5.733547, 2399.993151}};
    int k = 0;
    for (size_t i = 1; i < log.size(); ++i) {
      if (log[i].kind != DrawRecord::Print) continue;
      QCOMPARE(log[i].text, QStringLiteral(" %1 ").arg(k));
      const QPointF at = labelAt[k];
      QVERIFY2(std::abs(log[i].p1.x() - at.x()) + std::abs(log[i].p1.y() - at.y()) < 1e-5,
               qPrintable(QString::number(k)));
      QCOMPARE(log[i - 1].kind, DrawRecord::PSet);
      QVERIFY(std::abs(log[i - 1].p1.x() - at.x()) + std::abs(log[i - 1].p1.y() - at.y()) < 1e-5);
      QCOMPARE(log[i - 1].color, rig.w.Pic1.foreColor());
      ++k;
    }
    QCOMPARE(k, 13);
  }

  void clickOnTheDialClearsTheHand() {
    Rig rig;
    rig.run(3);
    const auto lines = rig.drawn(DrawRecord::Line);
    QCOMPARE(lines.size(), size_t(3));
    const QPointF middle = lines.back().p2 / 2;
    const QPoint hand = rig.w.Pic1.toPixel(middle.x(), middle.y());
    const QPoint bare = rig.w.Pic1.toPixel(3000, 3000);
    QCOMPARE(rig.w.Pic1.pixel(hand.x(), hand.y()), ui::kBlack);
    rig.w.Pic1.clearLog();
    rig.clickDial();
    QVERIFY(!rig.drawn(DrawRecord::Print).empty());
    QVERIFY(rig.drawn(DrawRecord::Line).empty());
    QCOMPARE(rig.fake.beeps, 3);  // a redrawn dial is no second step
    QCOMPARE(rig.w.Pic1.pixel(hand.x(), hand.y()), rig.w.Pic1.pixel(bare.x(), bare.y()));
    rig.run(1);  // the next second brings the hand back
    QCOMPARE(rig.drawn(DrawRecord::Line).size(), size_t(1));
    // The dial sets the picture's scale afresh, also after a resize too small to re-lay it.
    rig.w.setClientSize(3000, 700);
    clickAt(rig.w, windowPoint(rig.w.Pic1, QPoint(10, 10)));
    const double sw = rig.w.clientWidth(), sh = rig.w.clientHeight();
    QCOMPARE(rig.w.Pic1.scaleLeft(), -sw);
    QCOMPARE(rig.w.Pic1.scaleWidth(), 1.5 * sw);
    QCOMPARE(rig.w.Pic1.scaleHeight(), -sh);
  }

  void menus() {
    Rig rig;
    rig.run(2);
    rig.click(rig.w.Command3);
    // Both colour choosers use Dlg2; a cancel answers with the colour a chooser opened on.
    rig.fake.colorAnswers = {ui::kBlue};
    pickMenu(rig.w, rig.w.шрифт1, &rig.w.цвет3);
    for (ui::TextBox* t : {&rig.w.Text1, &rig.w.Text2, &rig.w.Text3})
      QCOMPARE(t->foreColor(), ui::kBlue);
    rig.fake.colorAnswers = {ui::kGreen};
    pickMenu(rig.w, rig.w.фон);  // an entry of the bar that acts itself
    QCOMPARE(rig.w.Pic1.backColor(), ui::kGreen);
    QCOMPARE(rig.w.Pic1.log().back().kind, DrawRecord::Cls);
    rig.w.Text1.setText(QString());
    pickMenu(rig.w, rig.w.шрифт1, &rig.w.цвет3);  // cancelled: the text colour stays
    QCOMPARE(rig.w.Text1.foreColor(), ui::kBlue);
    QCOMPARE(rig.w.Text1.text(), QStringLiteral("02 сек"));  // rewritten though stopped
    rig.clickDial();
    rig.w.Pic1.clearLog();
    pickMenu(rig.w, rig.w.фон);  // cancelled: the background and the dial stay
    QCOMPARE(rig.w.Pic1.backColor(), ui::kGreen);
    QVERIFY(rig.w.Pic1.log().empty());

    const ui::FontSpec f{QStringLiteral("DejaVu Sans"), 20, true, true, false};
    rig.fake.fontAnswers = {f};
    pickMenu(rig.w, rig.w.шрифт1, &rig.w.шрифт2);
    QCOMPARE(rig.w.Text3.font(), f);
    rig.w.setClientSize(9000, 7500);               // the resize gives the texts size 48
    pickMenu(rig.w, rig.w.шрифт1, &rig.w.шрифт2);  // cancelled
    QCOMPARE(rig.w.Text2.font(),
             (ui::FontSpec{QStringLiteral("DejaVu Sans"), 48, true, true, false}));
  }

  void layout_data() {
    QTest::addColumn<QSizeF>("client");  // twips
    QTest::addColumn<double>("textHeight");
    QTest::newRow("design") << QSizeF(8085, 7185) << 1000.0;
    QTest::newRow("wide") << QSizeF(15000, 9000) << 1000.0;
    QTest::newRow("narrow") << QSizeF(6000, 6000) << 600.0;
    QTest::newRow("low") << QSizeF(9000, 3450) << 600.0;
  }
  void layout() {
    QFETCH(QSizeF, client);
    QFETCH(double, textHeight);
    Rig rig;
    rig.w.setClientSize(client.width(), client.height());
    const double sw = rig.w.clientWidth(), sh = rig.w.clientHeight();
    QVERIFY(std::abs(sw - client.width()) < 15 && std::abs(sh - client.height()) < 15);
    // In the picture's scale: 1.5 units a twip across, one unit a twip up; one pixel each.
    const double px = 1.5 * 15, py = 15;
    QVERIFY(std::abs(rig.w.Pic1.width() - sw) <= 15);
    QVERIFY(std::abs(rig.w.Pic1.height() - sh) <= 15);
    QVERIFY(std::abs(rig.w.Command1.left() - (sw / 2 - sw / 2.5)) <= px);
    QVERIFY(std::abs(rig.w.Command2.left() - (sw / 2 - sw / 5)) <= px);
    QVERIFY(std::abs(rig.w.Command3.left() - (sw / 2 - sw / 1.6)) <= px);
    for (ui::CommandButton* b : {&rig.w.Command1, &rig.w.Command2, &rig.w.Command3})
      QVERIFY(std::abs(b->top() - (-sh / 2 + sh / 10)) <= py);
    const double h = rig.w.Text1.height();
    QVERIFY(std::abs(h - textHeight) <= py);
    for (ui::TextBox* t : {&rig.w.Text1, &rig.w.Text2, &rig.w.Text3}) {
      QVERIFY(std::abs(t->width() - (sw - sw / 5)) <= px);
      QCOMPARE(t->height(), h);
      QVERIFY(std::abs(t->left() - (-sw + sw / 100)) <= px);
    }
    QVERIFY(std::abs(rig.w.Text1.top() - (-h / 2)) <= py);
    QVERIFY(std::abs(rig.w.Text2.top() - (h - h / 2)) <= py);
    QVERIFY(std::abs(rig.w.Text3.top() - (2 * h - h / 2)) <= py);
    // The buttons are where the pupil sees them: a click on each reaches it.
    rig.click(rig.w.Command3);
    QVERIFY(rig.w.Frozen && !rig.w.Running);
    rig.click(rig.w.Command1);
    QVERIFY(!rig.w.Frozen && rig.w.Running && rig.w.Started);
    rig.click(rig.w.Command2);
    QVERIFY(rig.w.Frozen && !rig.w.Started);
  }

  void belowTheSmallestSizeTheLayoutStays() {
    Rig rig;
    const QRect text = rig.w.Text1.widget()->geometry();
    const QRect button = rig.w.Command2.widget()->geometry();
    const double width = rig.w.Pic1.width();
    for (QSizeF client : {QSizeF(780, 3000), QSizeF(6000, 735), QSizeF(15, 15)}) {
      rig.w.setClientSize(client.width(), client.height());
      QCOMPARE(rig.w.Text1.widget()->geometry(), text);
      QCOMPARE(rig.w.Command2.widget()->geometry(), button);
      QCOMPARE(rig.w.Pic1.width(), width);
      rig.run(2);  // the dial is drawn in the small window's scale without a fault
    }
    QVERIFY(rig.fake.errors.isEmpty());
  }

  void maximizedTexts() {
    Rig rig;
    rig.w.setWindowState(ui::WindowState::Maximized);
    QTRY_COMPARE(rig.w.Text1.fontSize(), 90.0);
    QCOMPARE(rig.w.TextHeight, 1000.0);
  }

  void monkey() {
    Rig rig;
    rig.w.Pic1.setLogging(false);
    std::mt19937 rng(5);
    for (int i = 0; i < 400; ++i) {
      rig.fake.colorAnswers.push_back(ui::Color(rng() & 0xFFFFFF));
      rig.fake.fontAnswers.push_back({QStringLiteral("Liberation Serif"), double(rng() % 120 + 1),
                                      bool(rng() & 1), bool(rng() & 2), bool(rng() & 4)});
    }
    ui::testkit::Monkey monkey(rig.fake, 17);
    monkey.addWindow(rig.w);
    const auto result = monkey.run(3000);
    QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure));
  }
};

QTEST_MAIN(ClockTest)
#include "tst_clock.moc"
