// The plotter driven as a pupil drives it, through mouse clicks on its window: the texts at
// load and after every button, the live graph, the traced presets, the radio lesson's pictures,
// the two radar screens also where other handlers leave the shared counter, the layout and a
// monkey run.
#include <QtTest>
#include <cmath>
#include <functional>
#include <set>

#include "form1.h"
#include "ui/app.h"
#include "ui/platform.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"
#include "ui/testkit/pupil.h"

using plotter::Form1;
using ui::DrawRecord;
using ui::testkit::FakePlatform;

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

// The next `n` random numbers the window will draw, seeded from the clock first when it seeds
// them; the sequence is put back to its start on both sides, so the window draws them again.
std::vector<float> nextRandoms(int n, bool seeded) {
  ui::restartRandomSequence();
  if (seeded) ui::Randomize();
  std::vector<float> r;
  for (int i = 0; i < n; ++i)
    r.push_back(ui::Rnd());
  ui::restartRandomSequence();
  return r;
}

// Int(r * n) + add as a single, and its text.
QString drawnText(float r, int n, int add) {
  return ui::CStr(float(std::floor(r * float(n)) + add));
}

QString labels(const Form1& w) {
  return w.Label1.caption() + "|" + w.Label2.caption() + "|" + w.Label3.caption();
}

std::vector<DrawRecord> records(const ui::Canvas& c, DrawRecord::Kind kind, ui::Color color) {
  std::vector<DrawRecord> out;
  for (const DrawRecord& r : c.log())
    if (r.kind == kind && r.color == color) out.push_back(r);
  return out;
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

// The x values of a counted loop: bounds and step taken once, the step added after each pass.
std::vector<double> countedLoop(double from, double to, double step) {
  std::vector<double> xs;
  for (double x = from; x <= to; x += step)
    xs.push_back(x);
  return xs;
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
    // The sweep tables: 800·Cos and 800·Sin of (k - 1) degrees.
    QVERIFY(near(w->SweepCos[1], 800) && near(w->SweepSin[91], 800 * std::sin(90 * kPi / 180)));
    QVERIFY(near(w->SweepCos[360], 800 * std::cos(359 * kPi / 180)));
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
    const std::vector<double> xs = countedLoop(0.001, 0.6f, 0.001);
    QCOMPARE(curve.size(), xs.size());
    QCOMPARE(int(xs.size()), 600);
    for (size_t k : {size_t(0), size_t(299), xs.size() - 1}) {
      const double x = xs[k];
      const double y = 3 * x * std::log(x) - 1.0 / 36 * std::exp(-std::pow(36 * x - 36 / 2.7, 4));
      QVERIFY(near(curve[k], {30 * 5 * y, -2 * 120 * x}, 1e-5));
    }
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
    const double x = countedLoop(0.001, 1, 0.001).back();
    const double y = 3 * x * std::log(x) - 1.0 / 36 * std::exp(-std::pow(36 * x - 36 / 2.7, 4));
    QVERIFY(near(points(w->Picture1, ui::kRed).back(), {30 * 5 * y, -2 * 120 * x}, 1e-5));
  }

  void presetTexts() {
    struct Row {
      const char* button;
      QString formula;
      bool seeded;
      std::function<QString(const std::vector<float>&)> labels;
    };
    const auto three = [](int na, int aa, int nb, int ab, int nc, int ac) {
      return [=](const std::vector<float>& r) {
        return drawnText(r[0], na, aa) + "|" + drawnText(r[1], nb, ab) + "|" +
               drawnText(r[2], nc, ac);
      };
    };
    const std::vector<Row> rows = {
        {"Command10", "y = 120 * Sin(Cos(x)*x)  ", true,
         [](const std::vector<float>& r) {
           const float tenths = float(std::floor(r[1] * 5.0f)) / 10.0f;
           return drawnText(r[0], 5, 1) + "|" + ui::CStr(double(tenths) + 0.1) + "|151";
         }},
        {"Command11", "y1 = 2 * x ^ 2 - 34 + 2 * x    y2 = Sin(x) + a * Cos(b * x)", true,
         [](const std::vector<float>& r) {
           return drawnText(r[0], 10, 0) + "|" + drawnText(r[1], 10, 0) + "|151";
         }},
        {"Command12", "x = c * i - c * Sin(i)   y = c - c * Cos(i)", true,
         three(20, 0, 30, 0, 80, 10)},
        {"Command13", "x = c * i - c * Sin(i)   y = c - c * Cos(i)", true,
         three(20, 0, 30, 0, 80, 10)},
        {"Command14", "y = b *c * Sin(x/ 16) +  x", true, three(20, 40, 4, -3, 50, 20)},
        {"Command3", "y = (120 + 10 * Cos(b * x)) * Sin(2* x) ", true,
         [](const std::vector<float>& r) {
           return drawnText(r[0], 20, 8) + "|" + ui::CStr(float(std::floor(r[1] * 10.0f)) / 10.0f) +
                  "|" + drawnText(r[2], 5, 1);
         }},
        {"Command5", "y = (120 + 10 * Cos(b * x)) * Sin(2 * x) ", false,
         [](const std::vector<float>&) { return QStringLiteral("800|1200|151"); }},
        {"Command7", " y = (20+10 * Cos(b * x)) ", false,
         [](const std::vector<float>&) { return QStringLiteral("800|1200|151"); }},
        {"Command16", "y = b *c * Sin(x/ 16) +  x", true,
         [](const std::vector<float>&) { return QStringLiteral("56|-1|64"); }},
        {"Command20", "y = b *c * Sin(x/ 16) +  x", true,
         [](const std::vector<float>&) { return QStringLiteral("56|-1|64"); }},
        {"Command18", "y = b *c * Sin(x/ 16) +  x", true,
         [](const std::vector<float>&) { return QStringLiteral("56|-1|64"); }},
        {"Command2", "y = c * Sin(x/ 16) * (b + Cos(x))", false, three(60, 0, 5, 0, 50, 20)},
        {"Command15", "y = a * x ^ 2 + b * x + c", false, three(6, -3, 4, -2, 5, -2)},
        {"Command17", "i = I * e^(-b*t)*Sin(w*t)    w=1/sqr(L*C) ", false,
         [](const std::vector<float>&) { return QStringLiteral(" 5| 5| 120"); }},
    };
    for (const Row& row : rows) {
      for (double time : {36000.0, 36017.0, 50321.0}) {
        FakePlatform fake;
        fake.setTime(time);
        auto w = openWindow();
        const std::vector<float> r = nextRandoms(3, row.seeded);
        ui::Control& button = **std::find_if(w->controls().begin(), w->controls().end(),
                                             [&](auto* c) { return c->name() == row.button; });
        QString shown, formula;
        const auto look = [&](int n) {
          if (n == 1) shown = labels(*w), formula = w->Label7.caption();
        };
        animate(fake, *w, button, 1, look);
        if (fake.pauses() == 0) shown = labels(*w), formula = w->Label7.caption();
        QVERIFY2(shown == row.labels(r), qPrintable(QString(row.button) + ": " + shown));
        QVERIFY2(formula == row.formula, row.button);
        QVERIFY(fake.errors.isEmpty() && !fake.ended);
      }
    }
  }

  void staticPresetsPlotTheirFormulas() {
    FakePlatform fake;
    auto w = openWindow();
    w->Picture1.setLogging(true);
    click(w->Command10);
    double a = w->Label1.caption().toDouble(), b = w->Label2.caption().toDouble();
    std::vector<QPointF> curve = points(w->Picture1, ui::kRed);
    std::vector<double> xs = countedLoop(-40 * kPi, 40 * kPi, kPi / 180);
    QCOMPARE(curve.size(), xs.size());
    for (size_t k = 0; k < xs.size(); k += 997)
      QVERIFY(near(curve[k], {4 * xs[k], -120 * std::sin(a * xs[k] * b * std::cos(xs[k]))}, 1e-6));

    w->Picture1.clearLog();
    click(w->Command11);
    a = w->Label1.caption().toDouble(), b = w->Label2.caption().toDouble();
    QCOMPARE(w->Picture1.scaleWidth(), 24.0);
    const std::vector<QPointF> parabola = points(w->Picture1, ui::kRed);
    const std::vector<QPointF> wave = points(w->Picture1, ui::kBlue);
    QVERIFY(parabola.size() == 24001 && wave.size() == 24001);
    for (size_t k = 0; k < wave.size(); k += 4999) {
      const double x = parabola[k].x();
      QVERIFY(near(x, -12 + 0.001 * k, 1e-8));
      QVERIFY(near(parabola[k].y(), -(2 * x * x - 34 + 2 * x), 1e-4));
      QVERIFY(near(wave[k].y(), -20 * (std::sin(x) + a * std::cos(b * x)), 1e-6));
    }

    for (ui::CommandButton* button : {&w->Command12, &w->Command13}) {
      w->Picture1.clearLog();
      click(*button);
      a = w->Label1.caption().toDouble(), b = w->Label2.caption().toDouble();
      const double c = w->Label3.caption().toDouble();
      xs = countedLoop(-a * kPi, b * kPi, kPi / 180);
      curve = points(w->Picture1, ui::kRed);
      const size_t perStep = button == &w->Command13 ? 2 : 1;
      QCOMPARE(curve.size(), perStep * xs.size());
      for (size_t k = 0; k < xs.size(); k += 101) {
        const QPointF cycloid(c * xs[k] - c * std::sin(xs[k]), c - c * std::cos(xs[k]));
        QVERIFY(near(curve[perStep * k], {cycloid.x(), -cycloid.y()}));
        if (perStep == 2) QVERIFY(near(curve[2 * k + 1], cycloid));
      }
      QVERIFY(near(w->Counter, xs.back() + kPi / 180, 1e-9));  // the loop leaves i past its end
    }

    w->Picture1.clearLog();
    click(w->Command14);
    a = w->Label1.caption().toDouble(), b = w->Label2.caption().toDouble();
    const double c = w->Label3.caption().toDouble();
    xs = countedLoop(-a * kPi, a * kPi, kPi / 180);
    const std::vector<QPointF> red = points(w->Picture1, ui::kRed),
                               black = points(w->Picture1, ui::kBlack),
                               blue = points(w->Picture1, ui::kBlue);
    QVERIFY(red.size() == xs.size() && blue.size() == xs.size());
    QCOMPARE(black.size(), xs.size() + 2);  // and the two points the axes start from
    for (size_t k = 0; k < xs.size(); k += 503) {
      const double y = c * std::sin(xs[k] / 16) + xs[k];
      QVERIFY(near(red[k], {xs[k], b * y}, 1e-3));
      QVERIFY(near(black[k + 2], {xs[k], b * xs[k]}));
      QVERIFY(near(blue[k], {b * y, xs[k]}, 1e-3));
    }
  }

  void modulationDetectorAndEnvelopeShareB() {
    FakePlatform fake;
    auto w = openWindow();
    w->Picture1.setLogging(true);
    click(w->Command3);
    const double b = w->Label2.caption().toDouble();
    const std::vector<double> xs = countedLoop(-80 * kPi, 80 * kPi, kPi / 180);
    const auto carrier = [&](double x) { return (10 * std::cos(b * x) + 120) * std::sin(2 * x); };
    std::vector<QPointF> curve = points(w->Picture1, ui::kRed);
    QCOMPARE(curve.size(), xs.size());
    for (size_t k = 0; k < xs.size(); k += 1009)
      QVERIFY(near(curve[k], {2 * xs[k], -carrier(xs[k])}, 1e-4));

    const auto positiveHalves = [&](const std::function<double(double)>& f) {
      std::vector<QPointF> expected;
      for (double x : xs)
        if (std::sin(2 * x) >= 0) expected.emplace_back(2 * x, -f(x));
      return expected;
    };
    for (ui::CommandButton* button : {&w->Command5, &w->Command7}) {
      w->Picture1.clearLog();
      click(*button);
      QCOMPARE(w->Label2.caption(), ui::CStr(float(b)));
      curve = points(w->Picture1, ui::kRed);
      const std::vector<QPointF> expected =
          button == &w->Command5
              ? positiveHalves(carrier)
              : positiveHalves([&](double x) { return 10 * std::cos(b * x) + 20; });
      QCOMPARE(curve.size(), expected.size());
      for (size_t k = 0; k < curve.size(); k += 701)
        QVERIFY(near(curve[k], expected[k], 1e-4));
    }
  }

  void electromagneticWave() {
    FakePlatform fake;
    auto w = openWindow();
    const std::vector<double> xs = countedLoop(-56 * kPi, 56 * kPi, kPi / 180);
    const auto field = [](double x) { return x + 64 * std::sin(x / 16); };
    for (ui::CommandButton* button : {&w->Command16, &w->Command20}) {
      const ui::Color colour = button == &w->Command16 ? kLightRed : kLightBlue;
      w->Picture1.setLogging(true);
      w->Picture1.clearLog();
      click(*button);
      const auto vectors = records(w->Picture1, DrawRecord::Line, colour);
      QCOMPARE(vectors.size(), xs.size());
      for (size_t k = 0; k < xs.size(); k += 607)
        QVERIFY(near(vectors[k].p1, {xs[k], -xs[k]}, 1e-4) &&
                near(vectors[k].p2, {xs[k], -field(xs[k])}, 1e-9));
      const DrawRecord axis = records(w->Picture1, DrawRecord::Line, ui::kBlack).back();
      QVERIFY(near(axis.p1, {-56 * kPi, 56 * kPi}) && near(axis.p2, {58 * kPi, -58 * kPi}));
    }

    w->Picture1.clearLog();
    click(w->Command18);
    const double api = 56 * kPi;
    std::vector<std::pair<double, ui::Color>> expected;  // x and colour of each field line
    for (double x : xs) {
      if ((-api / 1.75 < x && x < -api / 3.5) || (-api < x && x < -api / 1.75))
        expected.emplace_back(x, kLightBlue);
      if ((api / 3.5 < x && x < api / 1.16) || (0 < x && x < api / 3.5))
        expected.emplace_back(x, kLightRed);
    }
    for (double x : xs)
      if (-api / 3.5 < x && x < 0) expected.emplace_back(x, kLightBlue);
    std::vector<DrawRecord> lines;
    for (const DrawRecord& r : w->Picture1.log())
      if (r.kind == DrawRecord::Line && r.color != ui::kBlack) lines.push_back(r);
    QCOMPARE(lines.size(), expected.size());
    for (size_t k = 0; k < lines.size(); k += 211) {
      const double x = expected[k].first;
      QCOMPARE(lines[k].color, expected[k].second);
      QVERIFY(near(lines[k].p1, {-x, x}) && near(lines[k].p2, {-field(x), x}));
    }
    QCOMPARE(w->Picture1.fillStyle(), ui::kFillTransparent);
    const DrawRecord axis = records(w->Picture1, DrawRecord::Line, ui::kBlack).back();
    QVERIFY(near(axis.p1, {0, 0}) && near(axis.p2, {58 * kPi, -58 * kPi}));
  }

  void tracedSineAndParabola() {
    FakePlatform fake;
    auto w = openWindow();
    w->Picture1.setLogging(true);
    double a = 0, b = 0, c = 0;
    const auto parameters = [&](int n) {
      if (n == 1) a = w->ParamA, b = w->ParamB, c = w->ParamC;
    };
    animate(fake, *w, w->Command2, 3, parameters);
    const std::vector<QPointF> sine = points(w->Picture1, ui::kRed);
    QCOMPARE(int(sine.size()), 3);
    for (int k = 0; k < 3; ++k) {
      double x = -a * kPi + (k + 1) * kPi / 90;
      if (x >= a * kPi) x = -a * kPi;
      QVERIFY(near(sine[k], {2 * x, -c * std::sin(x / 16) * (b + std::cos(b * x))}));
    }
    QCOMPARE(w->Running, qint16(0));

    w->Picture1.clearLog();
    std::vector<double> xs;
    animate(fake, *w, w->Command15, 300, [&](int n) {
      parameters(n);
      xs.push_back(w->XValue);
    });
    const auto wrap =
        std::adjacent_find(xs.begin(), xs.end(), [](double x, double next) { return next < x; });
    QVERIFY(wrap != xs.end() && near(*(wrap + 1), -13) && *wrap < 13 && *wrap > 12.8);
    const std::vector<QPointF> parabola = points(w->Picture1, ui::kRed);
    QCOMPARE(parabola.size(), size_t(300));
    for (size_t k = 0; k < 300; k += 37)
      QVERIFY(near(parabola[k], {10 * xs[k], -(a * xs[k] * xs[k] + b * xs[k] + c)}, 1e-9));
    QCOMPARE(records(w->Picture1, DrawRecord::Circle, ui::kRed).front().radius, 2.0);
  }

  // The parabola can leave a zero or negative a, which cannot be the base of a power: the
  // damped oscillation, started while the parabola runs, takes the a of its bar instead.
  void dampedOscillationInsideTheParabola() {
    FakePlatform fake;
    auto w = openWindow();
    w->Picture1.setLogging(true);
    for (bool wantZero : {true, false}) {
      int start = -1;
      double a = 0, c = 0, t = 0;
      std::vector<double> times;
      QString shown;
      fake.onPause = [&](int n) {
        if (start < 0) {
          if (wantZero ? w->ParamA != 0 : w->ParamA >= 0) {
            click(w->Command8);
            return;
          }
          start = n;
          a = w->ParamA, c = w->ParamC, t = w->XValue;
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
      const double omega = std::sqrt(1.0 / 25), b = 3.0f / 50.0f;
      for (size_t k = 0; k < 50; ++k) {
        t += kPi / 120;
        if (t >= 7 * 5 * kPi) t = kPi / 120;  // the bar's a bounds the trace too
        QVERIFY(near(times[k], t, 1e-9));
        const double y = std::sin(t * omega) * c * std::pow(5.0, -b * t);
        QVERIFY(near(trace[k], {8 * t, -y}, 1e-9));
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

  void radarBeamAndEcho() {
    FakePlatform fake;
    auto w = openWindow();
    w->Picture1.setLogging(true);
    bool echoed = false;
    animate(fake, *w, w->Command1, 400, [&](int n) {
      const auto beams = records(w->Picture1, DrawRecord::Line, ui::kRed);
      Q_UNUSED(n);
      const double angle = (360 - w->Counter) * kPi / 180;  // index 361 - Counter
      QVERIFY(near(beams.back().p2, {800 * std::cos(angle), 800 * std::sin(angle)}, 1e-6));
      QCOMPARE(beams.back().width, 3);
      if (w->Counter != w->TargetAngle) return;
      const DrawRecord echo = records(w->Picture1, DrawRecord::Circle, ui::kRed).back();
      const double target = (360 - w->TargetAngle) * kPi / 180, c = w->ParamC;
      QVERIFY(near(echo.p1, {800 * std::cos(target) / c, 800 * std::sin(target) / c}, 1e-6));
      QCOMPARE(echo.radius, 15.0);
      echoed = true;
    });
    QVERIFY(echoed);
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
      const bool outside = std::nearbyint(270 - w->Counter) < 1;
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

  void screenshots() {
    FakePlatform fake;
    auto w = openWindow();
    do {
      fake.advance(1);
      click(w->Command14);
    } while (w->ParamB != -2);
    ui::testkit::saveScreenshot(*w, QStringLiteral("plotter.png"));
    click(w->Option1);
    bool echoed = false;
    animate(fake, *w, w->Command1, 360, [&](int) {
      echoed = echoed || w->Counter == w->TargetAngle;
      if (echoed && w->Counter == w->TargetAngle + 40) {
        ui::testkit::saveScreenshot(*w, QStringLiteral("plotter-radar.png"));
        click(w->Command8);
      }
    });
    QVERIFY(echoed && fake.errors.isEmpty());
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
