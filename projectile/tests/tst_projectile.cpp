#include <QtTest>
#include <cmath>

#include "form1.h"
#include "ui/app.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"

using ui::DrawRecord;

namespace {

void enter(Form1& w, const QString& v0, const QString& a, const QString& s, const QString& h) {
  w.Text1.type(v0);
  w.Text2.type(a);
  w.Text3.type(s);
  w.Text4.type(h);
}

std::vector<DrawRecord> records(const Form1& w, DrawRecord::Kind kind, ui::Color color) {
  std::vector<DrawRecord> found;
  for (const DrawRecord& r : w.Picture1.log())
    if (r.kind == kind && r.color == color) found.push_back(r);
  return found;
}

bool anyRedPixel(const Form1& w) {
  const QImage& img = w.Picture1.image();
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (QColor(img.pixel(x, y)) == QColor(Qt::red)) return true;
  return false;
}

}  // namespace

class ProjectileTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ui::setUpApplication(); }

  void window() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    QCOMPARE(w.caption(), QStringLiteral("Form1"));
    QCOMPARE(w.clientWidth(), 9510.0);
    QCOMPARE(w.clientHeight(), 6690.0);
    QCOMPARE(w.window()->minimumSize(), w.window()->maximumSize());
    QCOMPARE(w.Picture1.top(), 3000.0);
    QCOMPARE(w.Picture1.height(), 3615.0);
    QCOMPARE(w.Text1.font(), (ui::FontSpec{QStringLiteral("MS Sans Serif"), 12, true}));
    QCOMPARE(w.Text6.font().size, 13.5);
    QCOMPARE(w.Label7.font().size, 13.5);
    QVERIFY(ui::testkit::controlsWithoutAccessibleName(w).isEmpty());
    w.click();
    QVERIFY(fake.ended);
  }

  void shot_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("verdict");
    const QString noHeight = QStringLiteral("высоты нет"),
                  cannot = QStringLiteral("расчёт невозможен");
    auto row = [](const char* name, const char* typed, const QString& height, const char* verdict) {
      QTest::newRow(name) << QString::fromUtf8(typed).split(QLatin1Char('|')) << height
                          << QString::fromUtf8(verdict);
    };
    row("start values", "18|36|30|1", "0.97", "попал");
    row("floored, not rounded", "20|45|40|1", "0.75", "попал");
    row("above the wall", "20|45|40|0.5", "0.75", "перелёт");
    row("short", "10|36|30|1", "-45.64", "недолёт");
    row("just short floors away from zero", "18|36|31.41|1", "-0.01", "недолёт");
    row("height 0 at a wall 0 high", "18|36|0|0", "0", "попал");
    row("straight up with pi as 3.14", "18|90|30|1", "-21451075.71", "недолёт");
    row("units after the numbers", "18 м/с|36°|30 м| 1", "0.97", "попал");
    row("no speed", "0|36|30|1", noHeight, "недолёт");
    row("empty box", "|36|30|1", noHeight, "недолёт");
    row("no number", "abc|36|30|1", noHeight, "недолёт");
    row("speed beyond a double", "1e309|36|30|1", "", cannot.toUtf8());
    row("distance squared overflows", "18|36|1e200|1", "", cannot.toUtf8());
    row("wall beyond a double", "18|36|30|-1e400", "", cannot.toUtf8());
  }

  void shot() {
    QFETCH(QStringList, typed);
    QFETCH(QString, height);
    QFETCH(QString, verdict);
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    enter(w, typed[0], typed[1], typed[2], typed[3]);
    w.Command1.click();
    QCOMPARE(w.Text5.text(), height);
    QCOMPARE(w.Text6.text(), verdict);
    QCOMPARE(w.Text1.text(), typed[0]);
    QCOMPARE(w.Text3.text(), typed[2]);
    QVERIFY(fake.errors.isEmpty() && !fake.ended);
  }

  void heightUsesTheSystemSeparator() {
    ui::testkit::FakePlatform fake;
    QLocale::setDefault(QLocale(QLocale::Russian));
    Form1 w;
    w.show();
    w.Command1.click();
    QLocale::setDefault(QLocale::c());
    QCOMPARE(w.Text5.text(), QStringLiteral("0,97"));
  }

  void spinners() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.VScroll4.setValue(4);
    QCOMPARE(w.Text4.text(), QStringLiteral("4"));
    w.VScroll1.step(+1);
    QCOMPARE(w.Text1.text(), QStringLiteral("3"));
    w.VScroll2.drag(1000);
    QCOMPARE(w.Text2.text(), QStringLiteral("89"));
    w.VScroll2.drag(-1000);
    QCOMPARE(w.Text2.text(), QStringLiteral("2"));
    w.VScroll3.drag(1000);
    QCOMPARE(w.Text3.text(), QStringLiteral("100"));
  }

  void flight() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.Picture1.setLogging(true);
    w.Command1.click();
    std::vector<double> pausedAt;
    bool redWhilePaused = true;
    fake.onPause = [&](int n) {
      pausedAt.push_back(fake.now());
      redWhilePaused = redWhilePaused && anyRedPixel(w);
      if (n == 3) w.Command3.click();
    };
    w.Command2.click();
    QCOMPARE(fake.pauses(), 3);
    QVERIFY(redWhilePaused);
    QVERIFY(!anyRedPixel(w));
    QVERIFY(std::fabs(pausedAt[2] - pausedAt[1] - 0.02) < 0.005);

    QCOMPARE(w.Picture1.scaleWidth(), 35.0);
    QCOMPARE(w.Picture1.scaleHeight(), -20.0);
    QStringList numbers;
    for (const DrawRecord& r : records(w, DrawRecord::Print, ui::kBlack))
      numbers << r.text;
    QCOMPARE(numbers.join(QString()), QStringLiteral(" 0  5  10  15  20  25  30  35  40  45  50 "
                                                     "-5  0  5  10  15 "));
    const auto boxes = records(w, DrawRecord::Box, ui::kBlack);
    QCOMPARE(boxes.size(), size_t(1));
    QCOMPARE(boxes[0].p1, QPointF(30, 0));
    QCOMPARE(boxes[0].p2, QPointF(30.5, 1));
    QCOMPARE(boxes[0].fillStyle, ui::kFillSolid);
    QCOMPARE(records(w, DrawRecord::FilledBox, ui::kBlack).front().width, 4);

    const auto balls = records(w, DrawRecord::Circle, ui::kRed);
    const auto erased = records(w, DrawRecord::Circle, ui::kWhite);
    QCOMPARE(balls.size(), size_t(3));
    QCOMPARE(erased.size(), size_t(3));
    const projectile::Shot shot{18, 36, 30, 1};
    for (int k = 0; k < 3; ++k) {
      const double t = 0.01 * (k + 1);
      QVERIFY(std::fabs(balls[k].p1.x() - shot.xAt(t)) < 1e-12);
      QVERIFY(std::fabs(balls[k].p1.y() - shot.yAt(t)) < 1e-12);
      QCOMPARE(balls[k].radius, 0.2);
      QCOMPARE(balls[k].fillColor, ui::kRed);
      QCOMPARE(erased[k].p1, balls[k].p1);
    }
  }

  void flightRestartsAfterTenSeconds() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.Command1.click();
    std::vector<double> times;
    fake.onPause = [&](int n) {
      times.push_back(w.t);
      if (n == 1010) w.Command3.click();
    };
    w.Command2.click();
    const auto restart = std::find(times.begin() + 1, times.end(), 0.01);
    QVERIFY(restart != times.end());
    QVERIFY(*(restart - 1) > 9.98 && *(restart - 1) < 10);
    QVERIFY(w.by > 0);
  }

  void views_data() {
    QTest::addColumn<QString>("v0");
    QTest::addColumn<QString>("s");
    QTest::addColumn<bool>("compute");
    QTest::addColumn<double>("width");
    QTest::addColumn<bool>("ball");
    QTest::newRow("before any computation") << "18"
                                            << "30" << false << 5.0 << false;
    QTest::newRow("distance of -5 leaves no width") << "18"
                                                    << "-5" << true << 5.0 << true;
    QTest::newRow("infinite distance") << "18"
                                       << "1e309" << true << 5.0 << false;
    QTest::newRow("huge distance") << "18"
                                   << "1e200" << true << 1e200 << false;
    QTest::newRow("infinite speed") << "1e309"
                                    << "30" << true << 35.0 << false;
  }

  void views() {
    QFETCH(QString, v0);
    QFETCH(QString, s);
    QFETCH(bool, compute);
    QFETCH(double, width);
    QFETCH(bool, ball);
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.Picture1.setLogging(true);
    w.Text1.type(v0);
    w.Text3.type(s);
    if (compute) w.Command1.click();
    w.Text3.type(QStringLiteral("60"));
    fake.onPause = [&](int n) {
      if (n == 50) w.Command3.click();
    };
    w.Command2.click();
    QVERIFY(fake.errors.isEmpty() && !fake.ended);
    QCOMPARE(w.Picture1.scaleWidth(), width);
    QCOMPARE(records(w, DrawRecord::Box, ui::kBlack).size(), size_t(1));
    QCOMPARE(!records(w, DrawRecord::Circle, ui::kRed).empty(), ball);
  }

  void secondShowNestsInsideTheFirst() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.Command1.click();
    int depthAtStop = 0;
    fake.onPause = [&](int n) {
      if (n == 3) w.Command2.click();
      if (n == 6) {
        depthAtStop = ui::nestingDepth();
        w.Command3.click();
      }
    };
    w.Command2.click();
    QCOMPARE(fake.pauses(), 6);
    QCOMPARE(depthAtStop, 2);
    QCOMPARE(ui::nestingDepth(), 0);
    QVERIFY(!anyRedPixel(w));
  }

  void monkey() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    ui::testkit::Monkey monkey(fake, 13);
    monkey.addWindow(w);
    monkey.addStopControl(w.Command3);
    monkey.setNestedChance(0.05);
    const auto result = monkey.run(4000);
    QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure));
    QVERIFY(result.nested > 0);
  }
};

QTEST_MAIN(ProjectileTest)
#include "tst_projectile.moc"
