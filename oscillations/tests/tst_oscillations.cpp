// SPDX-License-Identifier: GPL-3.0-or-later
// The LC circuit lesson driven as a pupil drives it: the main window, then the quiz.
#include <QAccessibleActionInterface>
#include <QtTest>
#include <cmath>

#include "form1.h"
#include "ui/app.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"
#include "ui/testkit/pupil.h"

using namespace ui;
using ui::testkit::FakePlatform;

namespace {

constexpr double kPi = 3.1415;

std::vector<QPointF> pointsIn(const Canvas& c, Color color) {
  std::vector<QPointF> points;
  for (const DrawRecord& r : c.log())
    if (r.kind == DrawRecord::PSet && r.color == color) points.push_back(r.p1);
  return points;
}

// Lets the animation of `button` run for `frames` pauses, then presses "Стоп".
void runFrames(FakePlatform& fake, Form1& w, CommandButton& button, int frames) {
  const int before = fake.pauses();
  fake.onPause = [&w, before, frames](int n) {
    if (n - before >= frames) w.Command5.click();
  };
  button.click();
  fake.onPause = nullptr;
}

bool near(double a, double b, double tolerance = 1e-9) {
  return std::fabs(a - b) <= tolerance;
}

Control& named(Form& f, const QString& name) {
  return **std::find_if(f.controls().begin(), f.controls().end(),
                        [&](Control* c) { return c->name() == name; });
}

void openQuestion(Form2& q, int n) {
  named(q, QStringLiteral("Command%1").arg("1245"[n - 1])).click();
}

// Clicks the options of the quiz in turn, each after opening its question.
void answer(Form2& q, const QList<int>& options) {
  for (int k : options) {
    openQuestion(q, (k + 1) / 2);
    named(q, QStringLiteral("Option%1").arg(k)).click();
  }
}

}  // namespace

class OscillationsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { setUpApplication(); }

  void loadShowsDefaultsAndParameters() {
    float atLoad = 0;
    {
      FakePlatform fake;
      fake.setTime(100);
      Form1 w;
      w.show();
      atLoad = w.Amplitude;
    }
    FakePlatform fake;
    fake.setTime(50000);
    Form1 w;
    w.show();
    QCOMPARE(w.Amplitude, atLoad);  // drawn before any seeding from the clock
    QVERIFY(w.Amplitude >= 10 && w.Amplitude <= 189 && w.Amplitude == std::floor(w.Amplitude));
    QCOMPARE(w.Label3.caption(), QString::number(int(w.Amplitude)));  // a whole number
    QCOMPARE(w.Label11.caption() + w.Label12.caption() + w.Label13.caption(),
             QStringLiteral(" .5 .005 5"));
    QCOMPARE(w.Label1.caption() + "|" + w.Label2.caption(), QStringLiteral("2.7|0.04"));
    QVERIFY(w.form2.loaded() && !w.form2.visible() && !w.form2.Frame1.visible());
    QCOMPARE(
        testkit::controlsWithoutAccessibleName(w) + testkit::controlsWithoutAccessibleName(w.form2),
        QStringList());
    w.HScroll3.step(1);
    QCOMPARE(w.Label13.caption(), QStringLiteral(" 51"));
    fake.advance(1.3);
    w.Command6.click();
    QVERIFY(w.Amplitude >= 100 && w.Amplitude <= 249 && w.Amplitude != atLoad);
  }

  void dampingBarStepsTowardsTheArrowClicked() {
    FakePlatform fake;
    Form1 w;
    w.show();
    QCOMPARE(w.Label2.caption(), QStringLiteral("0.04"));
    w.VScroll1.step(-1);  // the top arrow: towards Min 5, stronger damping
    QCOMPARE(w.Label2.caption(), QStringLiteral("0.06"));
    w.VScroll1.step(1);  // the bottom arrow twice: towards Max 1
    w.VScroll1.step(1);
    QCOMPARE(w.Label2.caption(), QStringLiteral("0.02"));
    w.VScroll1.drag(5);
    QCOMPARE(w.Label2.caption(), QStringLiteral("0.1"));
  }

  void noLabelLiesOverAControl() {
    FakePlatform fake;
    Form1 w;
    w.show();
    QCOMPARE(testkit::controlsUnderDecorations(w), QStringList());
    w.setClientSize(9000, 6000);
    QCOMPARE(testkit::controlsUnderDecorations(w), QStringList());
  }

  void phaseOptionsHideOneBarAndResetBoth() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.HScroll1.setValue(8);
    w.Option1.click();
    QVERIFY(!w.HScroll1.visible() && w.HScroll2.visible());
    QCOMPARE(w.HScroll1.value() * 100 + w.HScroll2.value(), 105);
    QCOMPARE(w.Label11.caption(), QStringLiteral(" .1"));
    w.Option2.click();
    QVERIFY(!w.Option1.value() && w.HScroll1.visible() && !w.HScroll2.visible());
    QCOMPARE(w.HScroll1.value() * 100 + w.HScroll2.value(), 501);
    w.Picture1.setLogging(true);
    w.Command1.click();
    QCOMPARE(w.Picture1.log().front().kind, DrawRecord::Cls);
    QVERIFY(w.HScroll1.visible() && w.HScroll2.visible() && !w.Option2.value());
    QCOMPARE(w.HScroll1.value() * 100 + w.HScroll2.value(), 505);
    QVERIFY(near(w.CurrentTime, kPi / 5));  // a tenth of the bar's 50 points
  }

  void dampedGraphsDrawOverEachOther() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.Picture1.setLogging(true);
    runFrames(fake, w, w.Command2, 3);
    runFrames(fake, w, w.Command3, 3);
    const std::vector<QPointF> i = pointsIn(w.Picture1, kRed), u = pointsIn(w.Picture1, kBlue);
    QCOMPARE(int(i.size() + u.size()), 6);
    // A = 136, the first draw of the unseeded sequence; w = 0.2 and b = 0.04 at the defaults;
    // t = 2, 3, 4 and then 5, 6, 7 times pi/50. (8t, -Sin(wt) A 2.7^(-bt)) and the same with
    // Cos, worked out once.
    QCOMPARE(w.Amplitude, 136.0f);
    const QPointF iAt[] = {
        {1.00528, -3.400572463}, {1.50792, -5.087472069}, {2.01056, -6.765137906}};
    const QPointF uAt[] = {
        {2.5132, -134.0480851}, {3.01584, -133.5976229}, {3.51848, -133.1275309}};
    for (int k = 0; k < 3; ++k) {
      QVERIFY(near(i[k].x(), iAt[k].x()) && near(i[k].y(), iAt[k].y(), 1e-8));
      QVERIFY(near(u[k].x(), uAt[k].x()) && near(u[k].y(), uAt[k].y(), 1e-7));
    }
    for (const DrawRecord& r : w.Picture1.log())
      QVERIFY(r.kind != DrawRecord::Cls);
  }

  void traceRestartsAtLeftEdge() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.Picture1.setLogging(true);
    double previous = 0;
    fake.onPause = [&](int n) {
      if (w.CurrentTime < previous || n > 5000) w.Command5.click();
      previous = w.CurrentTime;
    };
    w.Command2.click();
    const std::vector<QPointF> trace = pointsIn(w.Picture1, kRed);
    const double limit = 8 * 14 * 2.7 * kPi, step = 8 * kPi / 50;
    QVERIFY(near(trace.back().x(), step));  // x ≈ 0.5 once t has reached 14·e·pi
    const double last = trace[trace.size() - 2].x();
    QVERIFY2(last < limit && last >= limit - step, qPrintable(QString::number(last)));
  }

  void bothCurvesReadOptionsAtEveryPoint() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.Option1.click();
    w.Picture1.setLogging(true);
    // A = 136, w = Sqr(1/5) (one bar at 1, the other at 5), t = (n + 1) pi/50 at pause n:
    // Cos(wt/2) A and Cos(wt/2 + pi/2) A with "C", Sin(wt/2 + pi/2) A and Sin(wt/2) A with "L",
    // plotted at -value; worked out once.
    const double uAt[] = {-135.9463161, -135.879221, -135.7856603, -135.6650333};
    const double iAt[] = {3.814585722, 5.724087957, -7.638750894, -9.54561126};
    fake.onPause = [&](int n) {
      if (n == 4) w.Command5.click();  // stop first: a failed check returns from the hook
      const double u = pointsIn(w.Picture1, kBlue).back().y();
      const double i = pointsIn(w.Picture1, kRed).back().y();
      QVERIFY(near(w.Omega, 0.4472135955, 1e-10));
      QVERIFY(near(u, uAt[n - 1], 1e-7) && near(i, iAt[n - 1], 1e-8));
      QCOMPARE(w.Label7.caption(),
               QStringLiteral("u =U *Cos(w*t)   w=1/sqr(L*C)  i = I *Cos(w*t+pi/2)"));
      if (n == 2) w.Option2.click();
    };
    w.Command4.click();
    QCOMPARE(fake.pauses(), 4);
  }

  void resonance_data() {
    QTest::addColumn<int>("L");
    QTest::addColumn<int>("C");
    QTest::addColumn<int>("R");
    QTest::addColumn<QString>("w0");
    QTest::addColumn<double>("peak");
    QTest::newRow("defaults") << 5 << 5 << 1 << " 80" << 200.0;
    QTest::newRow("R = 4") << 5 << 5 << 4 << " 80" << 50.0;
    QTest::newRow("largest L, C") << 10 << 10 << 1 << " 40" << 200.0;
    QTest::newRow("smallest L, C") << 1 << 1 << 2 << " 400" << 100.0;
  }
  void resonance() {
    QFETCH(int, L);
    QFETCH(int, C);
    QFETCH(int, R);
    QFETCH(QString, w0);
    QFETCH(double, peak);
    FakePlatform fake;
    Form1 w;
    w.show();
    w.HScroll1.setValue(L);
    w.HScroll2.setValue(C);
    w.HScroll4.setValue(R);
    w.Picture1.setLogging(true);
    runFrames(fake, w, w.Command7, 1);
    QCOMPARE(w.Label7.caption(), "w0 = " + w0 + "      R = " + QStringLiteral(" %1").arg(R));
    const std::vector<QPointF> curve = pointsIn(w.Picture1, kRed);
    QCOMPARE(curve.size(), size_t(499));  // w = 1, 1.5, ..., 250
    const QPointF top = *std::min_element(curve.begin(), curve.end(),
                                          [](QPointF a, QPointF b) { return a.y() < b.y(); });
    QVERIFY(near(top.x(), w0.toDouble()) && near(top.y(), -peak));
    const QPoint px = w.Picture1.toPixel(top.x(), top.y());
    QCOMPARE(w.Picture1.pixel(px.x(), px.y()), kRed);
  }

  void resizeKeepsOffsetsAndAPositivePicture() {
    FakePlatform fake;
    Form1 w;
    w.show();
    const auto at = [](const Control& c, double left, double top, double width = -1) {
      return near(c.left(), left, 15) && near(c.top(), top, 15) &&
             (width < 0 || near(c.width(), width, 15));
    };
    w.setClientSize(15000, 9000);
    QVERIFY(at(w.Command1, 13000, 8100) && at(w.Command5, 9600, 8100) && at(w.Label7, 100, 7600));
    QVERIFY(at(w.VScroll1, 14300, 4100) && at(w.Label6, 4500, 8500) && at(w.Command7, 500, 240));
    QVERIFY(at(w.Picture1, 100, 800, 12500) && near(w.Picture1.height(), 6400, 15));
    w.setClientSize(2000, 2000);  // too small a window for a picture: it keeps its size
    QVERIFY(at(w.Picture1, 100, 800, 12500) && near(w.Picture1.height(), 6400, 15));
  }

  void quizButtonAndBareWindow() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.Command8.click();
    QVERIFY(w.form2.visible());
    w.form2.click();
    QVERIFY(!w.form2.visible() && !fake.ended);
    fake.onPause = [&](int n) {
      if (n == 3) w.click();
    };
    w.Command4.click();
    QVERIFY(fake.ended && fake.pauses() == 3);
  }

  void monkey() {
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
    QVERIFY(r.nested > 0 && w.form2.visible());
  }

  void quizQuestionButtons() {
    FakePlatform fake;
    Form2 q(oscillationsQuiz());
    q.show();
    openQuestion(q, 4);
    q.Option8.click();
    for (int n = 1; n <= 4; ++n) {
      q.Text1.setForeColor(kRed);
      openQuestion(q, n);
      QVERIFY(q.Text1.text().startsWith(QStringLiteral("Исследуйте и выберите ответ: %1").arg(n)));
      QCOMPARE(q.Text1.foreColor(), kBlack);
      for (int m = 1; m <= 4; ++m) {
        QCOMPARE(named(q, QStringLiteral("Frame%1").arg(m)).visible(), m == n);
        QCOMPARE(named(q, QStringLiteral("Option%1").arg(2 * m)).enabled(), m == n);
        QCOMPARE(named(q, QStringLiteral("Option%1").arg(2 * m - 1)).enabled(), m == n);
      }
    }
    QVERIFY(q.Option8.value());  // opening questions leaves the selections alone
  }

  void quizGrades_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("text");
    QTest::newRow("all four right")
        << QList<int>{1, 3, 6, 8} << QStringLiteral("Оценка 5, правильных ответов  4 ошибок  0");
    QTest::newRow("right, wrong, right, wrong, right")
        << QList<int>{1, 2, 1, 2, 1} << QStringLiteral("Оценка 4, правильных ответов  3 ошибок  2");
    QTest::newRow("two right") << QList<int>{8, 7, 8}
                               << QStringLiteral("Оценка 3, правильных ответов  2 ошибок  1");
    QTest::newRow("only wrong") << QList<int>{2, 4, 5}
                                << QStringLiteral("Оценка 2, правильных ответов  0 ошибок  3");
    QTest::newRow("five right: text kept") << QList<int>{3, 3, 3, 3, 3} << "Исследуйте";
    QTest::newRow("nothing chosen") << QList<int>{} << "Выберите вопрос и ответ ";
  }
  void quizGrades() {
    QFETCH(QList<int>, clicks);
    QFETCH(QString, text);
    FakePlatform fake;
    Form2 q(oscillationsQuiz());
    q.show();
    answer(q, clicks);
    QStringList shown;
    q.Text1.onChange = [&] { shown << q.Text1.text(); };
    q.Command6.click();
    QVERIFY2(q.Text1.text().startsWith(text), qPrintable(q.Text1.text()));
    QVERIFY(shown.size() <= 1);  // never a grade on the way to the request to choose
    QCOMPARE(q.Text1.foreColor(), text.startsWith(QStringLiteral("Исследуйте")) ? kBlack : kRed);
  }

  void aScreenReaderAnswersTheQuiz() {
    FakePlatform fake;
    Form2 q(oscillationsQuiz());
    q.show();
    for (int k : {1, 3, 6, 8}) {
      openQuestion(q, (k + 1) / 2);
      QVERIFY(testkit::accessibleAction(named(q, QStringLiteral("Option%1").arg(k)),
                                        QAccessibleActionInterface::toggleAction()));
    }
    q.Command6.click();
    QVERIFY2(q.Text1.text().startsWith(QStringLiteral("Оценка 5, правильных ответов  4 ошибок  0")),
             qPrintable(q.Text1.text()));
  }

  void quizCheckResetAndHide() {
    FakePlatform fake;
    Form2 q(oscillationsQuiz());
    q.show();
    q.Command3.click();  // all options enabled, nothing clicked yet
    QCOMPARE(q.Text1.text(), QStringLiteral("Выберите вопрос и ответ "));
    QCOMPARE(q.Text1.foreColor(), kRed);
    answer(q, {5});
    q.Command3.click();
    QCOMPARE(q.Text1.text(), QStringLiteral("Ошибка"));
    answer(q, {6});
    q.Command3.click();
    QCOMPARE(q.Text1.text(), QStringLiteral("Верно"));
    answer(q, {1, 3, 4});  // an option clears only the other option of its question
    QVERIFY(q.Option1.value() && q.Option4.value() && !q.Option3.value() && q.Option6.value());
    q.click();
    q.show();
    QCOMPARE(q.RightAnswers * 10 + q.WrongAnswers, 32.0f);
    QVERIFY(q.Frame2.visible() && q.Option4.value() && !fake.ended);
    q.Command7.click();
    QCOMPARE(q.RightAnswers + q.WrongAnswers, 0.0f);
    QVERIFY(!q.Frame2.visible() && !q.Option1.value() && !q.Option4.value());
    QVERIFY(q.Option3.enabled() && !q.Option1.enabled());  // enabled states stay
  }

  void quizAnotherDesign() {
    FakePlatform fake;
    QuizDesign design = oscillationsQuiz();
    design.correctOptions = {1, 4, 6, 7};
    design.font = FontSpec{QStringLiteral("MS Sans Serif"), 12, true};
    design.text1 = {120, 240, 6375, 1095};
    Form2 q(design);
    q.show();
    QVERIFY(near(q.Text1.top(), 240, 15) && q.Command6.font().bold && q.Option5.font().size == 12);
    answer(q, {4, 7, 8});
    q.Command6.click();
    QCOMPARE(q.Text1.text(), QStringLiteral("Оценка 3, правильных ответов  2 ошибок  1"));
  }
};

QTEST_MAIN(OscillationsTest)
#include "tst_oscillations.moc"
