// SPDX-License-Identifier: GPL-3.0-or-later
// The spring pendulum lesson driven as a pupil drives it: the layout, the circular motion, the
// spring, the pace, and the quiz in its spring design.
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

// Clicks the bar's arrows until it reads `value`.
void arrowTo(ScrollBar& bar, int value) {
  for (int k = 0; k < 20 && bar.value() != value; ++k)
    bar.step(value > bar.value() ? 1 : -1);
}

bool near(double a, double b, double tolerance) {
  return std::fabs(a - b) <= tolerance;
}

// Pixels of `color` in the picture between the given user x and y bounds.
int pixelsIn(const PictureBox& pic, Color color, QRectF area) {
  const QPoint a = pic.toPixel(area.left(), area.top()),
               b = pic.toPixel(area.right(), area.bottom());
  int count = 0;
  for (int y = a.y(); y <= b.y(); ++y)
    for (int x = a.x(); x <= b.x(); ++x)
      if (pic.pixel(x, y) == color) ++count;
  return count;
}

}  // namespace

class SpringBobTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { setUpApplication(); }

  void layoutFollowsTheResizeTable_data() {
    QTest::addColumn<double>("SW");
    QTest::addColumn<double>("SH");
    QTest::newRow("design size") << 10620.0 << 7725.0;
    QTest::newRow("larger") << 13500.0 << 9000.0;
  }
  void layoutFollowsTheResizeTable() {
    QFETCH(double, SW);
    QFETCH(double, SH);
    FakePlatform fake;
    Form1 w;
    w.show();
    w.setClientSize(SW, SH);
    const auto at = [](const Control& c, double left, double top) {
      return near(c.left(), left, 15) && near(c.top(), top, 15);
    };
    QVERIFY(at(w.Command1, SW - 1800, SH - 1500) && at(w.Command2, SW - 1800, SH - 800));
    QVERIFY(at(w.Command8, SW - 3600, SH - 2500) && at(w.Command5, SW - 3600, SH - 1500));
    QVERIFY(at(w.Command6, SW - 3600, SH - 800) && at(w.Command3, SW - 6500, SH - 800));
    QVERIFY(at(w.Command4, SW - 8800, SH - 800) && at(w.Command7, SW - 10400, SH - 800));
    QVERIFY(at(w.Label6, SW - 1800, SH - 4300) && at(w.Label5, SW - 1200, SH - 3700));
    QVERIFY(at(w.Label1, SW - 3800, SH - 3700) && at(w.Label2, SW - 3800, SH - 4300));
    QVERIFY(at(w.Label3, SW - 3600, SH - 5300) && at(w.Label4, SW - 2300, SH - 5300));
    QVERIFY(at(w.HScroll1, SW - 3800, SH - 5900) && at(w.HScroll2, SW - 2300, SH - 5900));
    QVERIFY(at(w.Label7, 6960, 240) && at(w.Picture1, 100, 100));
    // The outer size is the inner one plus the 120 twips of the side borders and the 405 of
    // the caption bar and the bottom border.
    QVERIFY(near(w.Picture1.width(), SW + 120 - 4700, 15));
    QVERIFY(near(w.Picture1.height(), SH + 405 - 1500, 15));
    QVERIFY(near(w.Command3.width(), 2055, 15) && near(w.Label1.width(), 2535, 15));
    QCOMPARE(testkit::controlsUnderDecorations(w), QStringList());

    const double width = w.Picture1.width(), height = w.Picture1.height();
    w.setClientSize(3000, 1000);  // too small for the picture's rule: it keeps its size
    QVERIFY(near(w.Picture1.width(), width, 1) && near(w.Picture1.height(), height, 1));
    w.setClientSize(4700, 1000);  // wide enough for a width, still too low for a height
    QVERIFY(near(w.Picture1.width(), 120, 15) && near(w.Picture1.height(), height, 1));
  }

  void lookAtLoad() {
    FakePlatform fake;
    Form1 w;
    w.show();
    QCOMPARE(w.caption(), QStringLiteral("Form1"));
    QCOMPARE(w.backColor(), RGB(192, 255, 255));
    for (const Label* l :
         {&w.Label1, &w.Label2, &w.Label3, &w.Label4, &w.Label5, &w.Label6, &w.Label7})
      QCOMPARE(l->caption(), l->name());
    QVERIFY(!w.Command8.enabled() && w.Command3.enabled() && w.Command4.enabled());
    QCOMPARE(w.Label5.foreColor(), kRed);
    QVERIFY(w.Label1.font().bold && w.Label1.font().size == 12 && w.Label2.font().size == 13.5);
    QVERIFY(!w.Command1.font().bold && w.Command1.font().size == 13.5 && w.Command8.font().bold);
    QCOMPARE(w.HScroll1.value() * 10 + w.HScroll2.value(), 18);
    QCOMPARE(testkit::controlsWithoutAccessibleName(w), QStringList());
    // The bare window between the picture and the labels.
    const QPoint bare = w.clientWidget()->mapTo(w.window(), QPoint(6500 / 15, 300 / 15));
    QCOMPARE(w.window()->childAt(bare), w.clientWidget());
    testkit::clickAt(w, bare);
    QVERIFY(fake.ended);
  }

  void circleStopBeforeAndAfterNinetyFrames() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.Picture1.setLogging(true);
    w.Command2.click();
    // Before any start the point stands at the end of the table, 360 lesson degrees: angle 0.
    // With pi = 3.1415, 360 lesson degrees fall just short of a turn: 1200 cos gives 1199.99998.
    QCOMPARE(w.Label1.caption() + "|" + w.Label2.caption(),
             QStringLiteral("X=R*COS(a)=   1199|Y=R*SIN(a)=   0"));
    QCOMPARE(w.Label3.caption() + "|" + w.Label4.caption(),
             QStringLiteral("R=   1200|угол a=   0"));
    const auto orbit = records(w.Picture1, DrawRecord::Circle, kRed);
    QVERIFY(!orbit.empty() && orbit.front().radius == 1200 && orbit.front().p1 == QPointF(0, 0));
    QVERIFY(fake.errors.isEmpty());

    w.Picture1.clearLog();
    QPointF pointAt90;
    runFrames(fake, w.Command1, w.Command2, 90, [&](int n) {
      if (n == 90) pointAt90 = records(w.Picture1, DrawRecord::Line, kRed).front().p2;
      w.Picture1.clearLog();
    });
    QCOMPARE(w.I, 90);
    // Ninety frames counter-clockwise from the right: the point stands at the top, y = -R.
    // 270 lesson degrees: 1200 (cos, sin) = (-0.1668, -1199.99999), worked out once.
    QVERIFY(near(pointAt90.x(), -0.1667764611, 1e-6));
    QVERIFY(near(pointAt90.y(), -1199.9999884107, 1e-6));
    QCOMPARE(w.Label1.caption(), QStringLiteral("X=R*COS(a)=  -1"));
    QCOMPARE(w.Label2.caption(), QStringLiteral("Y=R*SIN(a)=   1199"));
    QCOMPARE(w.Label4.caption(), QStringLiteral("угол a=   89"));
    // The freeze: the projections in blue, the dash-dot lines back to the point.
    const auto blue = records(w.Picture1, DrawRecord::Line, kBlue);
    QCOMPARE(int(blue.size()), 5);
    QCOMPARE(blue[0].p1, QPointF(1400, 0));
    QVERIFY(near(blue[0].p2.y(), pointAt90.y(), 1e-9) && blue[0].width == 3);
    QCOMPARE(blue[1].p2, QPointF(pointAt90.x(), 0));
    QCOMPARE(blue[2].p2, QPointF(0, pointAt90.y()));
    QVERIFY(blue[3].width == 1 && blue[3].p2 == pointAt90 && blue[4].p2 == pointAt90);
    // The stop came during the pause: that frame's erase still runs after the freeze.
    const auto white = records(w.Picture1, DrawRecord::Line, kWhite);
    QCOMPARE(int(white.size()), 2);
    QCOMPARE(white[0].p2, pointAt90);
  }

  void circleStartsAgainAfterAFullTurn() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.Picture1.setLogging(true);
    int clears = 0, stepAtClear = 0;
    runFrames(fake, w.Command1, w.Command2, 361, [&](int n) {
      for (const DrawRecord& r : w.Picture1.log())
        if (r.kind == DrawRecord::Cls) {
          ++clears;
          stepAtClear = n;
        }
      w.Picture1.clearLog();
    });
    QCOMPARE(clears, 1);
    QCOMPARE(stepAtClear, 360);
    QCOMPARE(w.I, 2);
    QCOMPARE(w.Label4.caption(), QStringLiteral("угол a=   1"));
  }

  void speedButtonsDisableAndEnableEachOther() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.Command3.click();  // from 1 a single press reaches the shortest pause
    QCOMPARE(w.SpeedFactor, 0.5f);
    QVERIFY(!w.Command3.enabled());
    QCOMPARE(w.Label3.caption(), QStringLiteral("m= .5"));
    w.Command3.click();  // disabled: nothing happens
    QCOMPARE(w.SpeedFactor, 0.5f);
    w.Command4.click();
    QVERIFY(w.Command3.enabled());
    QCOMPARE(w.Label3.caption(), QStringLiteral("m= 1.5"));
    for (int k = 0; k < 8; ++k)
      w.Command4.click();
    QCOMPARE(w.SpeedFactor, 9.5f);
    QVERIFY(w.Command4.enabled());
    w.Command4.click();
    QCOMPARE(w.SpeedFactor, 10.0f);
    QVERIFY(!w.Command4.enabled());
    QCOMPARE(w.Label3.caption(), QStringLiteral("m= 10"));
    w.Command3.click();
    QCOMPARE(w.SpeedFactor, 9.5f);
    QVERIFY(w.Command4.enabled() && w.Command3.enabled());
    QCOMPARE(w.M, 9.5);
    QCOMPARE(w.Label7.caption(), QStringLiteral("Label7"));  // the speed buttons leave it
  }

  void massAndStiffnessBars() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.HScroll1.step(1);  // m 1 -> 2: one unit slower
    QCOMPARE(w.Label3.caption() + "|" + w.Label7.caption(), QStringLiteral("m= .2| 2"));
    // The first move of the stiffness bar starts from k = 1: 8 -> 7 is a step of 6 and the
    // pace falls to its floor of 1.
    w.HScroll2.step(-1);
    QCOMPARE(w.Label4.caption() + "|" + w.Label7.caption(), QStringLiteral("k= .14| 1"));
    w.HScroll2.step(-1);  // 7 -> 6: one unit slower
    QCOMPARE(w.Label4.caption() + "|" + w.Label7.caption(), QStringLiteral("k= .12| 2"));
    arrowTo(w.HScroll1, 8);  // six more mass units
    QCOMPARE(w.Label3.caption() + "|" + w.Label7.caption(), QStringLiteral("m= .8| 8"));
    arrowTo(w.HScroll2, 1);  // a softer spring: five units slower
    QCOMPARE(w.Label4.caption() + "|" + w.Label7.caption(), QStringLiteral("k= .02| 13"));
    arrowTo(w.HScroll1, 1);
    QCOMPARE(w.Label3.caption() + "|" + w.Label7.caption(), QStringLiteral("m= .1| 6"));
  }

  void springAtTwoMassesAndStiffnesses_data() {
    QTest::addColumn<int>("mass");
    QTest::addColumn<bool>("stiffest");
    QTest::addColumn<QString>("T");
    QTest::addColumn<QString>("v");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<double>("lowEnd");   // the spring's end at J = low and J = high:
    QTest::addColumn<double>("highEnd");  // -1000 - 2400 sin((360 - J) lesson degrees)
    // T = Int(10·2·pi·Sqr(m/k)) / 10 and v = Int(10·Sqr(k/m) / 2 / pi) / 10, pi = 3.1415; the
    // spring turns at J = k + m + 17 and J = 46 + 2·(k + m). All worked out once by hand.
    QTest::newRow("m 1, k 1") << 1 << false << " 6.2"
                              << " .1" << 19 << 50 << -218.23812747 << 838.75280727;
    QTest::newRow("m 4, k 1") << 4 << false << " 12.5"
                              << " 0" << 22 << 56 << -100.55703559 << 989.90015796;
    QTest::newRow("m 1, k 8") << 1 << true << " 2.2"
                              << " .4" << 26 << 64 << 52.46159473 << 1157.2659865;
    QTest::newRow("m 8, k 8") << 8 << true << " 6.2"
                              << " .1" << 33 << 78 << 307.47246297 << 1347.62664878;
  }
  void springAtTwoMassesAndStiffnesses() {
    QFETCH(int, mass);
    QFETCH(bool, stiffest);
    QFETCH(QString, T);
    QFETCH(QString, v);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(double, lowEnd);
    QFETCH(double, highEnd);
    FakePlatform fake;
    Form1 w;
    w.show();
    arrowTo(w.HScroll1, mass);
    if (stiffest) {  // the first move starts from k = 1: away and back reads k = 8
      w.HScroll2.step(-1);
      w.HScroll2.step(1);
    }
    w.Picture1.setLogging(true);
    int lowest = 1000, highest = 0;
    bool levelRight = true;
    int turnsSeen = 0;
    double lastEnd = 0;
    runFrames(fake, w.Command5, w.Command6, 200, [&](int) {
      lowest = std::min(lowest, w.J);
      highest = std::max(highest, w.J);
      // The level mark ends where the spring does; the table entry of step J holds the angle
      // of 360 - J lesson degrees.
      const DrawRecord mark = records(w.Picture1, DrawRecord::Line, kRed).back();
      levelRight = levelRight && mark.p1 == QPointF(0, -1000);
      lastEnd = mark.p2.y();
      if (w.J == low || w.J == high) {
        levelRight = levelRight && near(lastEnd, w.J == low ? lowEnd : highEnd, 1e-6);
        ++turnsSeen;
      }
      w.Picture1.clearLog();
    });
    QCOMPARE(lowest, low);
    QCOMPARE(highest, high);
    QVERIFY(levelRight && turnsSeen >= 2);
    QCOMPARE(w.Label1.caption() + "|" + w.Label2.caption(),
             QStringLiteral("T=2*pi*Sqr(m/k)=|v=1/T="));
    QCOMPARE(w.Label5.caption() + "|" + w.Label6.caption(), T + "|" + v);
    QVERIFY(w.Command8.enabled());
    // The frozen weight in red, side 150 + 20·m, centred 200 below the spring's end.
    const auto red = records(w.Picture1, DrawRecord::Box, kRed);
    QCOMPARE(int(red.size()), 1);
    const QPointF centre = (red[0].p1 + red[0].p2) / 2;
    QVERIFY(near(red[0].p2.x() - red[0].p1.x(), 150 + 20 * mass, 1e-9));
    QVERIFY(near(centre.x(), 1400, 1e-6));
    QVERIFY(near(centre.y(), lastEnd + 200, 1e-6));
  }

  void springFrameIsErasedAsDrawn() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.Picture1.setLogging(true);
    std::vector<DrawRecord> drawn;
    runFrames(fake, w.Command5, w.Command6, 2, [&](int n) {
      if (n == 2) drawn = w.Picture1.log();
      w.Picture1.clearLog();
    });
    // The eight spring segments and the hook in blue, then the same nine in white.
    const auto spring = records(drawn, DrawRecord::Line, kBlue);
    auto wiped = records(w.Picture1.log(), DrawRecord::Line, kWhite);
    QCOMPARE(int(spring.size()), 9);
    QVERIFY(near(spring[7].p2.x(), 1400, 1e-9));  // the spring ends straight below its top
    QCOMPARE(spring[8].p2 - spring[8].p1, QPointF(0, 200));
    QVERIFY(std::equal(spring.begin(), spring.end(), wiped.begin(),
                       [](const DrawRecord& a, const DrawRecord& b) {
                         return a.p1 == b.p1 && a.p2 == b.p2 && a.width == b.width;
                       }));
    // The weight, drawn with side 150 + 20·m, is wiped one mass unit larger and as drawn.
    const auto weight = records(drawn, DrawRecord::Box, kBlack);
    wiped = records(w.Picture1.log(), DrawRecord::Box, kWhite);
    QCOMPARE(int(weight.size()), 1);
    QCOMPARE(int(wiped.size()), 2);
    QVERIFY(near(weight[0].p2.x() - weight[0].p1.x(), 170, 1e-9));
    QVERIFY(near(wiped[0].p2.x() - wiped[0].p1.x(), 190, 1e-9));
    QVERIFY(wiped[1].p1 == weight[0].p1 && wiped[1].p2 == weight[0].p2);
  }

  void weightLeavesNoTrace() {
    FakePlatform fake;
    Form1 w;
    w.show();
    const QRectF column(1200, -800, 400, 2700);  // below the ceiling, round the weight
    int first = -1, later = -1;
    runFrames(fake, w.Command5, w.Command6, 120, [&](int n) {
      if (n == 1) first = pixelsIn(w.Picture1, kBlack, column);
      if (n == 119) later = pixelsIn(w.Picture1, kBlack, column);
    });
    QVERIFY(first > 0);
    QCOMPARE(later, first);  // one weight's outline, however far it has travelled
  }

  // A heavier weight and "Пуск2" again in the first frame's pause; "Стоп2" in the eleventh
  // frame of the inner loop. Each loop wipes its own frame: no spring and no weight stay.
  void secondSpringInsideTheFirstLeavesNothing() {
    FakePlatform fake;
    Form1 w;
    w.show();
    fake.onPause = [&](int n) {
      if (n == 1) testkit::clickScrollBarPart(w.HScroll1, QStyle::SC_ScrollBarAddLine);
      if (n == 1) testkit::clickOn(w.Command5);
      if (n == 12) testkit::clickOn(w.Command6);
    };
    testkit::clickOn(w.Command5);
    QCOMPARE(w.HScroll1.value(), 2);
    QCOMPARE(pixelsIn(w.Picture1, kBlue, QRectF(1000, -1100, 800, 2300)), 0);
    QCOMPARE(pixelsIn(w.Picture1, kBlack, QRectF(1200, -800, 400, 2700)), 0);
  }

  // "Y=R*SIN(a)=" and its value take two lines of the label's font: the label holds both and
  // lies over no other control.
  void yLabelHoldsItsTwoLines() {
    FakePlatform fake;
    Form1 w;
    w.show();
    testkit::clickOn(w.Command2);
    const QWidget* label = w.Label2.widget();
    const QFontMetrics font(label->font());
    QVERIFY(label->heightForWidth(label->width()) > font.height());  // it wraps
    QVERIFY(label->height() >= font.height() + font.lineSpacing());
    for (const Control* c : w.controls())
      QVERIFY2(c == &w.Label2 || !label->geometry().intersects(c->widget()->geometry()),
               qPrintable(c->name()));
  }

  void negativePaceStaysStoppable() {
    FakePlatform fake;
    fake.setTime(100);  // early in the day the clock resolves the 2.5 ms of a pause
    Form1 w;
    w.show();
    w.HScroll1.step(1);  // m 1 -> 2: pace 2
    for (int k = 0; k < 3; ++k)
      w.Command3.click();                        // 1.5, 1, 0.5: M follows the pace
    runFrames(fake, w.Command5, w.Command6, 1);  // the erase puts M back to 2
    w.HScroll1.step(-1);                         // 0.5 - (2 - 1) would be -0.5
    QCOMPARE(w.SpeedFactor, 0.5f);
    QCOMPARE(w.Label7.caption(), QStringLiteral(" .5"));

    // Every frame still waits its 2.5 ms, and a stop ends the loop.
    double start = 0, lasted = 0;
    runFrames(fake, w.Command5, w.Command6, 3, [&](int n) {
      if (n == 2) start = fake.now();
      if (n == 3) lasted = fake.now() - start;
    });
    QVERIFY(lasted >= 0.0025 && lasted < 0.004);
    QCOMPARE(w.Running, qint16(0));
    w.Command4.click();  // M = 1.5: the labels divide by a positive mass
    runFrames(fake, w.Command5, w.Command6, 1);
    QVERIFY(fake.errors.isEmpty());
    QCOMPARE(w.Label5.caption(), QStringLiteral(" 7.6"));  // Int(10 · 2 · pi · Sqr(1.5)) / 10
  }

  void quizInItsSpringDesign() {
    FakePlatform fake;
    Form1 w;
    w.show();
    runFrames(fake, w.Command5, w.Command6, 1);  // "Пуск2" enables "Исследование"
    w.Command8.click();
    Form2& q = w.form2;
    QVERIFY(q.visible() && q.Text1.text().isEmpty() && !q.Frame1.visible());
    QVERIFY(near(q.clientWidth(), 6825, 15) && near(q.clientHeight(), 8295, 15));
    QCOMPARE(q.caption(), QStringLiteral("Form2"));
    const FontSpec font{QStringLiteral("MS Sans Serif"), 12, true};
    QVERIFY(q.font() == font && q.Option6.font() == font && q.Command6.font() == font);
    QVERIFY(near(q.Text1.top(), 240, 15) && near(q.Frame4.top(), 5760, 15) &&
            near(q.Command7.left(), 240, 15) && near(q.Option5.top(), 360, 15));
    QCOMPARE(q.Option6.caption(), QStringLiteral("6  Обратнопропорционально корню из m"));
    QCOMPARE(q.Option7.caption(), QStringLiteral("7 Прямопропорционально корню из k"));

    const std::pair<CommandButton*, OptionButton*> answers[] = {{&q.Command1, &q.Option1},
                                                                {&q.Command2, &q.Option4},
                                                                {&q.Command4, &q.Option6},
                                                                {&q.Command5, &q.Option7}};
    for (const auto& [question, option] : answers) {
      question->click();
      option->click();
      QVERIFY(option->value());
    }
    QCOMPARE(q.Text1.text(), QStringLiteral("Исследуйте и выберите ответ: 4 - Как зависит частота "
                                            "колебаний груза на пружине от жёсткости пружины?"));
    q.Command3.click();
    QCOMPARE(q.Text1.text(), QStringLiteral("Верно"));
    q.Command6.click();
    QCOMPARE(q.Text1.text(), QStringLiteral("Оценка 5, правильных ответов  4 ошибок  0"));
    QCOMPARE(q.Text1.foreColor(), kRed);

    // Opened again: text, answers and questions cleared, the counts kept.
    testkit::clickAt(q, QPoint(q.window()->width() - 5, q.window()->height() - 5));
    QVERIFY(!q.visible() && !fake.ended);
    w.Command8.click();
    QVERIFY(q.Text1.text().isEmpty() && !q.Option7.value() && !q.Frame4.visible());
    QCOMPARE(q.RightAnswers, 4);
  }

  void monkey() {
    FakePlatform fake;
    Form1 w;
    w.show();
    testkit::Monkey monkey(fake, 13);
    monkey.addWindow(w);
    monkey.addWindow(w.form2);
    monkey.addStopControl(w.Command2);
    monkey.addStopControl(w.Command6);
    monkey.setMaxPausesPerEvent(60);
    const testkit::Monkey::Result r = monkey.run(3000);
    QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure));
    QVERIFY(r.nested > 0 && r.pauses > 1000);
    QVERIFY(w.SpeedFactor >= 0.5f && w.J >= 17 && w.J <= 93);
  }
};

QTEST_MAIN(SpringBobTest)
#include "tst_springbob.moc"
