// SPDX-License-Identifier: GPL-3.0-or-later
// What the controls and the canvas figures look like, compared pixel for pixel with a picture
// kept beside the tests: a frame, a fill or an arc drawn otherwise shows here first.
#include <QtTest>
#include <cmath>

#include "ui/controls.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/looks.h"
#include "ui/testkit/testmain.h"

using namespace ui;

namespace {

// Every kind of control in its usual states, and a picture with every kind of figure.
class Sampler : public Form {
 public:
  Sampler() : Form(QStringLiteral("Образец"), 7200, 5400) {
    Label2.setBorderStyle(1);
    Label2.setBackColor(RGB(255, 255, 0));
    Text2.setBorderStyle(0);
    Command2.setBackColor(RGB(255, 128, 128));
    Command3.setEnabled(false);
    Option2.setValue(true);
    Check2.setValue(1);
    Picture1.setBackColor(kWhite);
  }

  void drawFigures() {
    PictureBox& p = Picture1;
    p.scale(0, 0, 300, 200);
    p.line(At(10, 10), At(90, 60), kRed);
    p.setDrawStyle(3);
    p.line(At(10, 70), At(90, 70), kBlack);
    p.setDrawStyle(0);
    p.line(At(100, 10), At(140, 50), kBlue, LineMode::Box);
    p.line(At(150, 10), At(190, 50), RGB(0, 128, 0), LineMode::FilledBox);
    p.setFillStyle(2);
    p.line(At(200, 10), At(240, 50), kBlack, LineMode::Box);
    p.setFillStyle(3);
    p.line(At(250, 10), At(290, 50), kBlack, LineMode::Box);
    // With a solid fill set: the circle, the pie and the ellipse are filled, the open arc not.
    p.setFillStyle(0);
    p.setFillColor(RGB(255, 255, 0));
    p.circle(At(30, 120), 20, kBlue);
    p.circle(At(80, 120), 20, kRed, 0.0, 3.1415 / 2);
    p.circle(At(130, 120), 20, kRed, -0.5, -3.1415);
    p.circle(At(180, 120), 20, kBlack, {}, {}, 0.5);
    p.setFillStyle(1);
    p.circle(At(230, 120), 20, kBlack);
    p.setDrawWidth(3);
    p.pset(At(270, 120), kBlack);
    p.line(At(260, 150), At(290, 190), RGB(128, 0, 128));
    p.setDrawWidth(1);
    p.pset(At(10, 160), kBlack);
    p.setForeColor(RGB(0, 0, 128));
    p.print(QStringLiteral("Сила F ="), 1.5);
  }

  Label Label1{this, "Label1", "Подпись", {120, 120, 1500, 300}};
  Label Label2{this, "Label2", "С рамкой", {1800, 120, 1500, 300}};
  TextBox Text1{this, "Text1", "Текст", {120, 600, 1500, 400}};
  TextBox Text2{this, "Text2", "Без рамки", {1800, 600, 1500, 400}};
  TextBox Text3{this, "Text3", "Две\r\nстроки", {3480, 120, 1500, 880}, true};
  CommandButton Command1{this, "Command1", "Кнопка", {5160, 120, 1900, 400}};
  CommandButton Command2{this, "Command2", "Цветная", {5160, 600, 1900, 400}};
  CommandButton Command3{this, "Command3", "Недоступна", {5160, 1080, 1900, 400}};
  Frame Frame1{this, "Frame1", "Рамка", {120, 1200, 2400, 1000}};
  OptionButton Option1{&Frame1, "Option1", "Первый", {120, 240, 2000, 300}};
  OptionButton Option2{&Frame1, "Option2", "Второй", {120, 600, 2000, 300}};
  CheckBox Check1{this, "Check1", "Снят", {2700, 1200, 1500, 300}};
  CheckBox Check2{this, "Check2", "Отмечен", {2700, 1560, 1500, 300}};
  ScrollBar HScroll1{this, "HScroll1", ScrollBar::Horizontal, 1, 10, 3, {2700, 1980, 2200, 255}};
  ScrollBar VScroll1{this, "VScroll1", ScrollBar::Vertical, 50, 1, 10, {6720, 1560, 255, 1300}};
  Shape Shape1{this, "Shape1", {5160, 1560, 1300, 600}, kBlue};
  LineShape Line1{this, "Line1", 5160, 2400, 6400, 2700};
  PictureBox Picture1{this, "Picture1", {120, 2400, 4500, 3000}};
};

}  // namespace

class LooksTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsAndFigures() {
    testkit::FakePlatform fake;
    Sampler f;
    f.show();
    f.drawFigures();
    QString report;
    QVERIFY2(testkit::matchesReference(f.window()->grab().toImage(),
                                       QStringLiteral(LESSON_LOOKS_DIR "/sampler.png"),
                                       QStringLiteral(LESSON_LOOKS_OUT), &report),
             qPrintable(report));
  }
};

LESSON_TEST(LooksTest)
LESSON_TEST_MAIN()
#include "tst_looks.moc"
