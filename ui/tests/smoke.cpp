// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include "ui/app.h"
#include "ui/controls.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"
using namespace ui;
class F : public Form {
 public:
  F() : Form("Form1", 9510, 6690) {
    Command1.onClick = [this] {
      Running = -1;
      while (Running) {
        Picture1.circle(At(5, 5), 1, kRed);
        pause(0.02);
        Picture1.circle(At(5, 5), 1, kWhite);
      }
    };
    Command2.onClick = [this] { Running = 0; };
    Picture1.setBackColor(kWhite);
    Picture1.scale(0, 15, 35, -5);
  }
  void Form_Click() override { End(); }
  int Running = 0;
  CommandButton Command1{this, "Command1", "Показать", {5760, 2280, 1575, 495}};
  CommandButton Command2{this, "Command2", "Стоп", {7560, 2280, 1455, 495}};
  TextBox Text1{this, "Text1", "18", {960, 480, 1215, 495}};
  ScrollBar VScroll1{this, "VScroll1", ScrollBar::Vertical, 2, 100, 2, {2400, 480, 375, 375}};
  PictureBox Picture1{this, "Picture1", {120, 3000, 9255, 3615}};
  CheckBox Check1{&Picture1, "Check1", "Тест F", {120, 0, 975, 345}};
  Menu m{this, "m", "Шрифт"};
  Menu m2{&m, "m2", "шрифт"};
};
class Smoke : public QObject {
  Q_OBJECT
 private slots:
  void run() {
    setUpApplication();
    testkit::FakePlatform fake;
    F f;
    f.show();
    fake.onPause = [&](int n) {
      if (n == 3) f.Command2.click();
    };
    f.Command1.click();
    QCOMPARE(fake.pauses(), 3);
    QCOMPARE(f.Picture1.pixel(f.Picture1.toPixel(5, 5).x(), f.Picture1.toPixel(5, 5).y()), kWhite);
    QCOMPARE(f.Check1.widget()->pos(), QPoint(8 + 2, 2));
    testkit::Monkey monkey(fake, 1);
    monkey.addWindow(f);
    monkey.addStopControl(f.Command2);
    auto r = monkey.run(500);
    QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure));
    qDebug() << r.events << r.nested << r.pauses << r.deepest;
    f.click();
    QVERIFY(fake.ended);
  }
};
QTEST_MAIN(Smoke)
#include "smoke.moc"
