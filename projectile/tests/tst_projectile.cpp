// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <cmath>

#include "form1.h"
#include "ui/app.h"
#include "ui/testkit/drawlog.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"
#include "ui/testkit/pupil.h"

using ui::DrawRecord;
using ui::testkit::FakePlatform;

using ui::testkit::records;

namespace {

bool anyRedPixel(const Form1& w) {
  const QImage& img = w.Picture1.image();
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) == qRgb(255, 0, 0)) return true;
  return false;
}

// Shows the flight and presses "Стоп" at the given pause.
void flyUntilPause(FakePlatform& fake, Form1& w, int stopAt) {
  fake.onPause = [&w, stopAt](int n) {
    if (n == stopAt) w.Command3.click();
  };
  w.Command2.click();
}

}  // namespace

class ProjectileTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ui::setUpApplication(); }

  void window() {
    FakePlatform fake;
    Form1 w;
    w.show();
    QCOMPARE(w.window()->minimumSize(), w.window()->maximumSize());
    QCOMPARE(w.Text1.font(), (ui::FontSpec{QStringLiteral("MS Sans Serif"), 12, true}));
    QVERIFY(ui::testkit::controlsWithoutAccessibleName(w).isEmpty());
    w.click();
    QVERIFY(fake.ended);
  }

  // Each row: V0|A|S|H as typed, then the height and the verdict shown.
  void shot_data() {
    QTest::addColumn<QString>("row");
    QTest::newRow("start values") << "18|36|30|1|0.97|попал";
    QTest::newRow("floored, not rounded") << "20|45|40|1|0.75|попал";
    QTest::newRow("above the wall") << "20|45|40|0.5|0.75|перелёт";
    QTest::newRow("judged before flooring") << "18|36|30|0.97|0.97|перелёт";
    QTest::newRow("short") << "10|36|30|1|-45.64|недолёт";
    QTest::newRow("just short floors away from 0") << "18|36|31.41|1|-0.01|недолёт";
    QTest::newRow("height 0 at a wall 0 high") << "18|36|0|0|0|попал";
    QTest::newRow("up with pi as 3.14") << "18|90|30|1|-21451075.71|недолёт";
    QTest::newRow("no speed") << "0|36|30|1|высоты нет|недолёт";
    QTest::newRow("empty box") << "|36|30|1|высоты нет|недолёт";
    QTest::newRow("no number") << "abc|36|30|1|высоты нет|недолёт";
    QTest::newRow("speed beyond a double") << "1e309|36|30|1||расчёт невозможен";
    QTest::newRow("distance squared overflows") << "18|36|1e200|1||расчёт невозможен";
  }

  void shot() {
    FakePlatform fake;
    Form1 w;
    w.show();
    QFETCH(QString, row);
    const QStringList values = row.split('|');
    ui::TextBox* boxes[] = {&w.Text1, &w.Text2, &w.Text3, &w.Text4};
    for (int i = 0; i < 4; ++i)
      boxes[i]->type(values[i]);
    w.Command1.click();
    QCOMPARE(w.Text5.text(), values[4]);
    QCOMPARE(w.Text6.text(), values[5]);
    for (int i = 0; i < 4; ++i)
      QCOMPARE(boxes[i]->text(), values[i]);
    QVERIFY(fake.errors.isEmpty() && !fake.ended);
  }

  void spinnersWriteTheirOwnValue() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.VScroll4.setValue(4);
    QCOMPARE(w.Text4.text(), "4");
    w.VScroll1.step(+1);
    QCOMPARE(w.Text1.text(), "3");
    // A spinner has no room for a thumb: its ends are reached with the keys.
    ui::testkit::pressKey(w.VScroll2, Qt::Key_End);
    QCOMPARE(w.Text2.text(), "89");
    ui::testkit::pressKey(w.VScroll2, Qt::Key_Home);
    QCOMPARE(w.Text2.text(), "2");
  }

  void flight() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.Picture1.setLogging(true);
    w.Command1.click();
    const double start = fake.now();
    flyUntilPause(fake, w, 3);
    QVERIFY(std::fabs(fake.now() - start - 3 * 0.02) < 0.01);
    QVERIFY(!anyRedPixel(w));
    QCOMPARE(w.Picture1.scaleWidth(), 35.0);
    QCOMPARE(w.Picture1.scaleHeight(), -20.0);
    QString numbers;
    for (const DrawRecord& r : records(w.Picture1, DrawRecord::Print, ui::kBlack))
      numbers += r.text;
    QCOMPARE(numbers, " 0  5  10  15  20  25  30  35  40  45  50 -5  0  5  10  15 ");
    const auto target = records(w.Picture1, DrawRecord::Box, ui::kBlack);
    QCOMPARE(target.size(), size_t(1));
    QCOMPARE(QRectF(target[0].p1, target[0].p2), QRectF(30, 0, 0.5, 1));
    QCOMPARE(target[0].fillStyle, ui::kFillSolid);
    QCOMPARE(records(w.Picture1, DrawRecord::FilledBox, ui::kBlack).front().width, 4);

    const auto balls = records(w.Picture1, DrawRecord::Circle, ui::kRed);
    const auto erased = records(w.Picture1, DrawRecord::Circle, ui::kWhite);
    QCOMPARE(balls.size(), size_t(3));
    QCOMPARE(erased.size(), size_t(3));
    // The shot at V0 = 18 m/s, 36 degrees, with pi as 3.14 and g as 9.81 (singles): x = V0 cos(a)
    // t, y = V0 sin(a) t - g t^2 / 2 at t = 0.01, 0.02, 0.03 s, worked out once.
    const QPointF at[] = {{0.14565675035901854, 0.10526445766351998},
                          {0.2913135007180371, 0.2095479152850783},
                          {0.43697025107705556, 0.31285037286467493}};
    for (int k = 0; k < 3; ++k) {
      QCOMPARE(balls[k].p1, at[k]);
      QCOMPARE(balls[k].radius, 0.2);
      QCOMPARE(balls[k].fillColor, ui::kRed);
      QCOMPARE(erased[k].p1, balls[k].p1);
    }
  }

  void flightStartsAgainAfterTenSeconds() {
    FakePlatform fake;
    Form1 w;
    w.show();
    w.Command1.click();
    std::vector<double> times;
    fake.onPause = [&](int n) {
      times.push_back(w.t);
      if (n == 1010) w.Command3.click();
    };
    w.Command2.click();
    const auto again = std::find(times.begin() + 1, times.end(), 0.01);
    QVERIFY(again != times.end());
    QVERIFY(*(again - 1) > 9.98 && *(again - 1) < 10);
  }

  void views_data() {
    QTest::addColumn<bool>("computed");
    QTest::addColumn<double>("width");
    QTest::addColumn<bool>("ball");
    QTest::addColumn<QString>("typed");  // V0|S
    QTest::newRow("before any computation") << false << 5.0 << false << "18|30";
    QTest::newRow("distance -5 leaves no width") << true << 5.0 << true << "18|-5";
    QTest::newRow("distance -2 narrows the view") << true << 3.0 << true << "18|-2";
    QTest::newRow("distance -10 turns the view") << true << -5.0 << true << "18|-10";
    QTest::newRow("infinite distance") << true << 5.0 << false << "18|1e309";
    QTest::newRow("huge distance") << true << 1e200 << false << "18|1e200";
    QTest::newRow("infinite speed") << true << 35.0 << false << "1e309|30";
  }

  void views() {
    FakePlatform fake;
    Form1 w;
    w.show();
    QFETCH(bool, computed);
    QFETCH(double, width);
    QFETCH(bool, ball);
    QFETCH(QString, typed);
    w.Picture1.setLogging(true);
    w.Text1.type(typed.section('|', 0, 0));
    w.Text3.type(typed.section('|', 1, 1));
    if (computed) w.Command1.click();
    w.Text3.type("60");  // typed but not computed: the flight keeps the last computed S
    flyUntilPause(fake, w, 50);
    QVERIFY(fake.errors.isEmpty() && !fake.ended);
    QCOMPARE(w.Picture1.scaleWidth(), width);
    QCOMPARE(records(w.Picture1, DrawRecord::Box, ui::kBlack).size(), size_t(1));
    QCOMPARE(!records(w.Picture1, DrawRecord::Circle, ui::kRed).empty(), ball);
  }

  void secondShowNestsInsideTheFirst() {
    FakePlatform fake;
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
    QVERIFY(!anyRedPixel(w));
  }

  void monkey() {
    FakePlatform fake;
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
