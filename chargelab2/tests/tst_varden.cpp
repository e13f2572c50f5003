// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessibleActionInterface>
#include <QInputDialog>
#include <QScreen>
#include <QtTest>
#include <algorithm>
#include <set>

#include "ui/app.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"
#include "ui/testkit/pupil.h"
#include "varden.h"

using ui::DrawRecord;
using ui::RGB;

namespace {

const QChar CR(13);
const ui::Color kRed = RGB(255, 0, 0);
const ui::Color kForceShade = RGB(0, 125, 225);
const ui::Color kBlueField = RGB(0, 0, 255);
const ui::Color kTealField = RGB(0, 192, 192);
const QStringList kAllRightF = {"1", "2", "2", "3", "1", "2", "2"};
const QStringList kAllRightE = {"1", "3", "2", "1", "2", "1", "2"};

// The scripted platform first, then the window, shown as the pupil sees it.
struct Lab {
  ui::testkit::FakePlatform fake;
  Varden w;
  Lab() { w.show(); }

  double xc() const { return float(w.Picture1.scaleWidth() / 2); }
  double yc() const { return w.Picture1.scaleHeight() / 1.4; }
  void set(int q1, int q2, int r) {
    w.HScroll3.setValue(r);
    w.HScroll1.setValue(q1);
    w.HScroll2.setValue(q2);
  }
  void startLog() {
    w.Picture1.setLogging(true);
    w.Picture1.clearLog();
  }
  std::vector<DrawRecord> drawn(DrawRecord::Kind kind, std::optional<ui::Color> color = {}) const {
    std::vector<DrawRecord> out;
    for (const DrawRecord& r : w.Picture1.log())
      if (r.kind == kind && (!color || r.color == *color)) out.push_back(r);
    return out;
  }
  bool hasLine(ui::Color color, QPointF from, std::optional<QPointF> to = {}) const {
    const auto ls = drawn(DrawRecord::Line, color);
    return std::any_of(ls.begin(), ls.end(),
                       [&](const DrawRecord& r) { return r.p1 == from && (!to || r.p2 == *to); });
  }
  // Ticks the box of one test only, then answers its questions through the two buttons.
  void takeTest(ui::CheckBox& box, const QStringList& answers) {
    ui::CheckBox& other = &box == &w.Check1 ? w.Check2 : w.Check1;
    if (other.value() == 1) other.click();
    if (box.value() == 0) box.click();
    for (const QString& a : answers) {
      fake.inputAnswers.push_back(a);
      w.Command1.click();
      w.Command2.click();
    }
  }
};

}  // namespace

class VardenTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ui::setUpApplication(); }

  // ---- the window and its texts ----

  void startUp() {
    Lab lab;
    Varden& w = lab.w;
    QCOMPARE(w.caption(), QStringLiteral("ChargeLab"));
    QCOMPARE(QSizeF(w.clientWidth(), w.clientHeight()), QSizeF(7695, 7395));
    QCOMPARE(w.Text1.text() + w.Text2.text() + w.Text5.text(), QStringLiteral(" 0нКл 0нКл 38см"));
    QVERIFY(w.Text12.text().startsWith(QStringLiteral("Выбери тест, изменяя")));
    QCOMPARE(w.Text12.fontSize(), 16.0);
    QVERIFY((w.Text3.text() + w.Text4.text() + w.Text6.text()).isEmpty());
    QVERIFY(!w.Option1.value() && !w.Option2.value());
    QVERIFY(!w.Command1.enabled() && !w.Command2.enabled() && w.Command3.enabled());
    QCOMPARE(w.Check1.widget()->parentWidget(), w.Picture1.widget());
    QVERIFY(ui::testkit::controlsWithoutAccessibleName(w).isEmpty());
    const QImage shot = w.window()->grab().toImage();
    QCOMPARE(QColor(shot.pixel(2, 2)), QColor(0, 128, 128));
    const QPoint inPicture = w.Picture1.widget()->mapTo(w.window(), QPoint(40, 300));
    QCOMPARE(QColor(shot.pixel(inPicture)), QColor(192, 255, 255));  // nothing drawn yet
  }

  void workedExamples_data() {
    QTest::addColumn<int>("q1");
    QTest::addColumn<int>("q2");
    QTest::addColumn<int>("r");
    QTest::addColumn<QString>("force");
    QTest::addColumn<QString>("e1");
    QTest::addColumn<QString>("e2");
    QTest::newRow("attraction") << 1 << -1 << 38 << " .063 мкН"
                                << " .062"
                                << " .063";
    QTest::newRow("repulsion") << 1 << 1 << 38 << " .062 мкН"
                               << " .062"
                               << " .062";
    QTest::newRow("largest, farthest") << 10 << 10 << 50 << " 3.6 мкН"
                                       << " .36"
                                       << " .36";
    QTest::newRow("largest force") << -10 << 10 << 26 << " 13.314 мкН"
                                   << " 1.332"
                                   << " 1.331";
    QTest::newRow("first charge 0") << 0 << 10 << 26 << " 0 мкН"
                                    << ""
                                    << " 1.331";
  }
  void workedExamples() {
    QFETCH(int, q1);
    QFETCH(int, q2);
    QFETCH(int, r);
    QFETCH(QString, force);
    QFETCH(QString, e1);
    QFETCH(QString, e2);
    Lab lab;
    Varden& w = lab.w;
    w.Option1.click();
    lab.set(q1, q2, r);
    QCOMPARE(w.Text3.text(), force);
    // A number as Str writes it: a blank before a positive one.
    const auto str = [](int v) {
      return (v >= 0 ? QStringLiteral(" ") : QString()) + QString::number(v);
    };
    QCOMPARE(w.Text1.text() + w.Text2.text(), str(q1) + "нКл" + str(q2) + "нКл");
    w.Option2.click();
    QVERIFY(w.Text3.text().isEmpty());
    QCOMPARE(w.Text4.text(), e1.isEmpty() ? e1 : e1 + " мкН/Кл");
    QCOMPARE(w.Text6.text(), e2 + " мкН/Кл");
  }

  void drawingsKeepSignsAndAZeroChargesField() {
    Lab lab;
    lab.set(-10, 10, 26);
    QCOMPARE(lab.w.lab().E1, -1.332);
    QCOMPARE(lab.w.lab().F, -13.314);
    lab.w.HScroll1.setValue(0);
    QCOMPARE(lab.w.lab().E1, -1.332);
  }

  void distanceAndDragging() {
    Lab lab;
    Varden& w = lab.w;
    w.Option1.click();
    lab.startLog();
    w.HScroll1.drag(4);  // the charge follows the thumb: Scroll, then Change
    QCOMPARE(lab.drawn(DrawRecord::Cls).size(), size_t(2));
    QCOMPARE(w.Text1.text(), QStringLiteral(" 4нКл"));
    lab.startLog();
    w.HScroll3.drag(44);  // the distance only when let go
    QCOMPARE(lab.drawn(DrawRecord::Cls).size(), size_t(1));
    QCOMPARE(w.Text5.text(), QStringLiteral("r =  44см"));
    // Labels move to whole pixels of 15 twips.
    QVERIFY(std::fabs(w.Text7.left() - (lab.xc() - 2200 + 20)) <= 7.5);
    QVERIFY(std::fabs(w.Text8.left() - (lab.xc() + 2200 + 190)) <= 7.5);
  }

  void helpTexts_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("Label2") << "Label2"
                            << "Способность частиц (или тел) к электромагнитному взаимодействию "
                               "характеризует электрический заряд.";
    QTest::newRow("Label3") << "Label3"
                            << "Электрический заряд - физическая величина, определяющая силу "
                               "электромагнитного взаимодействия.";
    QTest::newRow("Label4")
        << "Label4"
        << "Сила ВЗАИМОДЕЙСТВИЯ между двумя неподвижными точечными зарядами, находящимися в "
           "вакууме, прямо пропорциональна произведению модулей зарядов, обратно пропорциональна "
           "квадрату расстояния между ними и направлена по прямой, соединяющей заряды.";
    QTest::newRow("Label5") << "Label5"
                            << "(Вектор) Е = (вектор) F / q0. Единица напряжённости - Н/Кл.";
    QTest::newRow("Label6")
        << "Label6"
        << "Напряжённость  поля - силовая характеристика электростатического поля.";
    QTest::newRow("Label7")
        << "Label7"
        << "Напряжённость электростатического поля - векторная физическая величина, равная "
           "отношению силы Кулона, с которой поле действует на пробный положительный заряд, "
           "помещённый в данную точку поля, к величине этого заряда.";
    QTest::newRow("Text1") << "Text1"
                           << "Точечный заряд - заряженное тело, размер которого много меньше "
                              "расстояния его возможного действия на другие тела.";
    QTest::newRow("Text2") << "Text2"
                           << "Алгебраическая сумма зарядов электрически изолированной системы "
                              "постоянна: Q1 + Q2 + ... + Qn = const.";
    QTest::newRow("Text3") << "Text3"
                           << "F = k*|q1|*|q2|/r^2 - формула ChargeLab, k=9*E+9.";
    QTest::newRow("Text4") << "Text4"
                           << "E = k*|Q|/r^2 = модуль вектора напряжённости, созданного точечным "
                              "зарядом Q на расстоянии r.";
    QTest::newRow("Text6")
        << "Text6"
        << "Направление вектора напряжённости совпадает с направлением силы Кулона, действующей на "
           "единичный положительный заряд, помещённый в данную точку поля.";
  }
  void helpTexts() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    Lab lab;
    Varden& w = lab.w;
    auto it = std::find_if(w.controls().begin(), w.controls().end(),
                           [&](ui::Control* c) { return c->name() == control; });
    (*it)->click();
    QCOMPARE(w.Text12.text(), text);
    w.Label1.click();
    QCOMPARE(w.Text12.text(), text);
  }

  void onlyADoubleClickOnTheBareWindowEnds() {
    Lab lab;
    lab.w.Picture1.dblClick();
    lab.w.Label2.dblClick();
    QVERIFY(!lab.fake.ended);
    lab.w.dblClick();
    QVERIFY(lab.fake.ended && lab.fake.errors.isEmpty());
  }

  // ---- the picture, on the draw log ----

  void attractionArrowsPointInwards() {
    Lab lab;
    lab.w.Option1.click();
    lab.set(10, -10, 26);
    lab.startLog();
    lab.w.Picture1.click();
    const double y = lab.yc() + 5, X1 = lab.xc() - 1420, X2 = lab.xc() + 1390;
    QVERIFY(lab.hasLine(kRed, {X1, y}, QPointF(lab.xc() - 88.6, y)));
    QVERIFY(lab.hasLine(kRed, {X2, y}, QPointF(X2 - 1331.4, y)));
    QVERIFY(lab.hasLine(kRed, {lab.xc() - 88.6 - 5, y}));  // heads sit back 5 twips
    QCOMPARE(lab.w.Text10.text() + lab.w.Text11.text(), QStringLiteral("F12F21"));
    QCOMPARE(lab.w.Picture1.toolTipText(), QStringLiteral("Силы"));
  }

  void repulsionReachesFarthest() {
    Lab lab;
    lab.w.Option1.click();
    lab.set(10, 9, 50);
    lab.startLog();
    lab.w.HScroll2.setValue(10);
    double left = 1e9;
    for (const DrawRecord& r : lab.drawn(DrawRecord::Line))
      left = std::min({left, r.p1.x(), r.p2.x()});
    QCOMPARE(left, lab.xc() - 2980);
    QVERIFY(
        lab.hasLine(kRed, {lab.xc() + 2590, lab.yc() + 5}, QPointF(lab.xc() + 2950, lab.yc() + 5)));
  }

  void noChargesDrawBasesOnly() {
    Lab lab;
    Varden& w = lab.w;
    lab.startLog();
    w.Option1.click();
    QVERIFY(lab.drawn(DrawRecord::Line, kRed).empty());
    QCOMPARE(lab.drawn(DrawRecord::Circle, kForceShade).size(), size_t(2));
    QCOMPARE(lab.drawn(DrawRecord::Circle).size(), size_t(2));
    QCOMPARE(lab.drawn(DrawRecord::Line, RGB(0, 250, 225)).size(), size_t(2));  // marker shafts
    QVERIFY((w.Text7.text() + w.Text8.text() + w.Text10.text() + w.Text11.text()).isEmpty());
    lab.startLog();
    w.Option2.click();
    QCOMPARE(lab.drawn(DrawRecord::Circle, ui::kBlack).size(), size_t(2));
    QCOMPARE(lab.drawn(DrawRecord::Circle).size(), size_t(2));
    QVERIFY((w.Text4.text() + w.Text6.text() + w.Text7.text() + w.Text8.text() + w.Text10.text() +
             w.Text11.text())
                .isEmpty());
  }

  void singleChargeFieldIsDrawnAtTheOther() {
    Lab lab;
    Varden& w = lab.w;
    lab.startLog();
    w.HScroll1.setValue(5);
    const double X2 = lab.xc() + 1990;
    QVERIFY(lab.drawn(DrawRecord::Line, kTealField).empty());
    QCOMPARE(lab.drawn(DrawRecord::Line, kBlueField).size(), size_t(4));  // shaft, three strokes
    // E1 = Int(Int(9 * 5 * 10^10 / 38^2) / 10^6) / 1000 = 0.311, drawn 1000 twips per unit.
    QVERIFY(lab.hasLine(kBlueField, {X2, lab.yc() + 5}, QPointF(X2 + 311, lab.yc() + 5)));
    for (const DrawRecord& c : lab.drawn(DrawRecord::Circle))
      if (c.p1.x() == X2) QCOMPARE(c.color, ui::kBlack);
    QCOMPARE(w.Text4.text(), QStringLiteral(" .311 мкН/Кл"));
    QCOMPARE(w.Text6.text() + w.Text7.text() + w.Text8.text() + w.Text10.text() + w.Text11.text(),
             QStringLiteral("q1E1"));
  }

  void aScreenReaderSwitchesBetweenForcesAndFields() {
    Lab lab;
    Varden& w = lab.w;
    lab.startLog();
    QVERIFY(ui::testkit::accessibleAction(w.Option1, QAccessibleActionInterface::toggleAction()));
    QCOMPARE(lab.drawn(DrawRecord::Circle, kForceShade).size(), size_t(2));
    lab.startLog();
    QVERIFY(ui::testkit::accessibleAction(w.Option2, QAccessibleActionInterface::toggleAction()));
    QCOMPARE(lab.drawn(DrawRecord::Circle, ui::kBlack).size(), size_t(2));
    QVERIFY(w.Option2.value() && !w.Option1.value());
  }

  void noLabelOrLineLiesOverAControl() {
    Lab lab;
    QCOMPARE(ui::testkit::controlsUnderDecorations(lab.w), QStringList());
  }

  // Each field strength is drawn at the other charge: away from a positive charge, towards a
  // negative one; the head's strokes sweep back along the shaft.
  void bothFieldArrowsPointAsTheFieldActs_data() {
    QTest::addColumn<int>("q1");
    QTest::addColumn<int>("q2");
    QTest::addColumn<int>("r");
    QTest::addColumn<double>("atCharge2");  // L of the blue arrow: 1000 * E1
    QTest::addColumn<double>("atCharge1");  // L of the teal arrow: -1000 * E2
    // E = Int(Int(9 * q * 10^10 / r^2) / 10^6) / 1000.
    QTest::newRow("5, -3 at 40 cm: both point right") << 5 << -3 << 40 << 281.0 << 169.0;
    QTest::newRow("-4, 6 at 30 cm: both point left") << -4 << 6 << 30 << -400.0 << -600.0;
    QTest::newRow("2, 2 at 26 cm: apart") << 2 << 2 << 26 << 266.0 << -266.0;
  }
  void bothFieldArrowsPointAsTheFieldActs() {
    QFETCH(int, q1);
    QFETCH(int, q2);
    QFETCH(int, r);
    QFETCH(double, atCharge2);
    QFETCH(double, atCharge1);
    Lab lab;
    Varden& w = lab.w;
    lab.set(q1, q2, r);
    lab.startLog();
    w.Option2.click();
    const double y = lab.yc() + 5;
    const double X1 = lab.xc() - 50 * r - 120, X2 = lab.xc() + 50 * r + 90;
    const double hx = std::floor(lab.xc() / 50), hy = hx - 40;
    const bool opposite = (q1 > 0) != (q2 > 0);
    const double d1 = opposite ? -5 : 5, d2 = opposite ? 5 : -5;
    QVERIFY(lab.hasLine(kBlueField, {X2, y}, QPointF(X2 + atCharge2, y)));
    QVERIFY(lab.hasLine(kTealField, {X1, y}, QPointF(X1 + atCharge1, y)));
    const double back2 = atCharge2 > 0 ? -hx : hx, back1 = atCharge1 > 0 ? -hx : hx;
    const QPointF tip2(X2 + atCharge2 + d2, y), tip1(X1 + atCharge1 + d1, y);
    QVERIFY(lab.hasLine(kBlueField, tip2, tip2 + QPointF(back2, hy)));
    QVERIFY(lab.hasLine(kBlueField, tip2, tip2 + QPointF(back2, -hy)));
    QVERIFY(lab.hasLine(kTealField, tip1, tip1 + QPointF(back1, hy)));
    QVERIFY(lab.hasLine(kTealField, tip1, tip1 + QPointF(back1, -hy)));
  }

  void minusColourFollowsTheMode() {
    Lab lab;
    Varden& w = lab.w;
    lab.set(4, -6, 30);
    const double X2 = lab.xc() + 1590;
    const QPointF minusFrom(X2 - 90, lab.yc() + 5), minusTo(X2 + 90, lab.yc() + 10);
    lab.startLog();
    w.Option1.click();
    QVERIFY(lab.hasLine(kForceShade, minusFrom, minusTo));
    lab.startLog();
    w.Option2.click();
    QVERIFY(lab.hasLine(RGB(127, 0, 0), minusFrom, minusTo));
  }

  void doubleClickOnPictureShowsFields() {
    Lab lab;
    Varden& w = lab.w;
    w.Option1.click();
    lab.set(1, -1, 38);
    lab.startLog();
    w.Picture1.dblClick();
    QCOMPARE(lab.drawn(DrawRecord::Cls).size(), size_t(3));  // the click's forces, then cleared
    QCOMPARE(w.Picture1.toolTipText(), QStringLiteral("Напряжённости"));
    QVERIFY(w.Text3.text().isEmpty());
    QCOMPARE(w.Text4.text(), QStringLiteral(" .062 мкН/Кл"));
    QCOMPARE(w.Text6.text(), QStringLiteral(" .063 мкН/Кл"));
    QCOMPARE(w.Text10.text() + w.Text11.text() + w.Text7.text() + w.Text8.text(),
             QStringLiteral("E2E1q1q2"));
    QVERIFY(std::fabs(w.Text10.left() - (lab.xc() + 63 - 1900 - 320)) <= 7.5);
  }

  void drawingIsNotAntialiased() {
    Lab lab;
    lab.w.Option1.click();
    lab.set(7, -4, 33);
    const std::set<ui::Color> palette = {RGB(192, 255, 255), kRed,       kForceShade,
                                         RGB(125, 0, 0),     ui::kBlack, RGB(125, 125, 225),
                                         RGB(0, 250, 225)};
    const ui::PictureBox& p = lab.w.Picture1;
    for (int y = 0; y < p.pixelSize().height(); ++y)
      for (int x = 0; x < p.pixelSize().width(); ++x)
        QVERIFY(palette.count(p.pixel(x, y)));
    const QPoint mid = p.toPixel(lab.xc(), lab.yc());
    QCOMPARE(p.pixel(mid.x(), mid.y()), ui::kBlack);  // the last dot stays
  }

  // ---- the tests of knowledge ----

  void wholeTestRight() {
    Lab lab;
    Varden& w = lab.w;
    w.Check1.click();
    QVERIFY(w.Command1.enabled());
    w.Command1.click();
    QCOMPARE(w.Text12.text(), QStringLiteral(" 1  Сформулируйте ChargeLab."));
    QVERIFY(!w.Command1.enabled() && w.Command2.enabled());
    lab.takeTest(w.Check1, kAllRightF);
    const QString prompt = lab.fake.prompts.front();
    QVERIFY(prompt.startsWith(QStringLiteral("Выберите ответ (1,2 или 3):  1  1  Сила ВЗАИМ")));
    QVERIFY(prompt.contains(QStringLiteral("заряды.") + CR + QStringLiteral(" 2  Сила ПРИТЯЖ")));
    QVERIFY(prompt.endsWith(CR) && prompt.count(CR) == 3);
    QCOMPARE(w.Text12.text(), QStringLiteral("Запишите код вашего ответа  1 1 1 1 1 1 1") + CR +
                                  CR + QStringLiteral("Качество знаний= 100%"));
    QCOMPARE(int(w.QuestionNo), 1);
    QCOMPARE(w.TestResults, QStringList{" 1 1 1 1 1 1 1"});
    QVERIFY(w.Score == 0 && w.AnswerCode.isEmpty());
  }

  void answersCompareExactly() {
    Lab lab;
    lab.takeTest(lab.w.Check1, {"1", "2", "2", "3 ", " 1", "2.", ""});
    QCOMPARE(lab.w.TestResults.back(), QStringLiteral(" 1 1 1 0 0 0 0"));
    QVERIFY(!lab.fake.ended && lab.fake.errors.isEmpty());
  }

  void percentages_data() {
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("shown");
    const char* shown[] = {" 0",        " 14.28571", " 28.57143", " 42.85714",
                           " 57.14286", " 71.42857", " 85.71429", " 100"};
    for (int k = 0; k <= 7; ++k)
      QTest::addRow("%d right", k) << k << shown[k];
  }
  void percentages() {
    QFETCH(int, right);
    QFETCH(QString, shown);
    Lab lab;
    QStringList answers = kAllRightE;
    for (int i = right; i < 7; ++i)
      answers[i] = "0";
    lab.takeTest(lab.w.Check2, answers);
    QVERIFY2(lab.w.Text12.text().endsWith("Качество знаний=" + shown + "%"),
             qPrintable(lab.w.Text12.text()));
  }

  void bothBoxesTicked() {
    Lab lab;
    Varden& w = lab.w;
    w.Check1.click();
    w.Check2.click();
    w.Command1.click();  // test F comes first and unticks test E
    QCOMPARE(w.Check2.value(), 0);
    w.Check2.setValue(1);
    lab.fake.inputAnswers = {"1", "3"};
    w.Command2.click();  // one press asks both tests, each under the number current then
    QVERIFY(lab.fake.prompts[1].startsWith(QStringLiteral("Выберите ответ (1,2 или 3):  9 ")));
    QCOMPARE(w.GivenAnswers[1] + w.GivenAnswers[2], QStringLiteral("13"));
    QCOMPARE(w.Text12.text(),
             QStringLiteral(" 9  Каковы единицы напряжённости электрического поля?"));
    w.Check1.click();
    w.Command1.click();
    QCOMPARE(w.Text12.text().left(5), QStringLiteral(" 10  "));
  }

  void buttonsWithoutATest() {
    Lab lab;
    Varden& w = lab.w;
    w.Command3.click();
    QVERIFY(w.Text12.text().isEmpty());
    w.Check1.click();
    w.Check1.click();
    w.Command1.click();
    QVERIFY(!w.Command1.enabled() && w.Command2.enabled());
    w.Command2.click();
    QVERIFY(lab.fake.prompts.isEmpty() && w.Text12.text().isEmpty());
  }

  void everyFinishedTestIsListed() {
    Lab lab;
    for (int t = 0; t < 22; ++t)
      lab.takeTest(t % 2 ? lab.w.Check2 : lab.w.Check1, t % 2 ? kAllRightE : kAllRightF);
    lab.takeTest(lab.w.Check1, {"1", "2"});
    lab.w.Command3.click();
    const QString list = lab.w.Text12.text();
    QCOMPARE(list.count(CR), 22);
    QVERIFY(list.startsWith(QStringLiteral(" 1- 1 1 1 1 1 1 1") + CR));
    QVERIFY(list.endsWith(QStringLiteral(" 22- 1 1 1 1 1 1 1") + CR));
    QCOMPARE(int(lab.w.QuestionNo), 1);  // the test under way starts again
  }

  // The real input box: the longest question's options wrap inside the screen, so the pupil
  // sees them whole and reaches the buttons; what is typed comes back.
  void longestPromptFitsTheScreen() {
    Varden w;
    w.show();
    w.Check1.click();
    w.Command1.click();
    QRect box;
    // Answers the box as soon as it is up, however long the platform takes to show it.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&box, &answer] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QInputDialog*>(top);
        if (!dialog || !dialog->isVisible()) continue;
        box = dialog->frameGeometry();
        dialog->setTextValue(QStringLiteral("1"));
        dialog->accept();
        answer.stop();
      }
    });
    answer.start(10);
    w.Command2.click();
    QVERIFY(!box.isEmpty());
    QVERIFY2(box.width() <= w.window()->screen()->availableGeometry().width(),
             qPrintable(QString::number(box.width())));
    QCOMPARE(w.GivenAnswers[1], QStringLiteral("1"));
  }

  void monkey() {
    Lab lab;
    ui::testkit::Monkey monkey(lab.fake, 7);
    monkey.addWindow(lab.w);
    const auto result = monkey.run(4000);
    QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure));
  }
};

QTEST_MAIN(VardenTest)
#include "tst_varden.moc"
