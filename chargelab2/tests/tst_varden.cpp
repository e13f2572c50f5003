#include <QtTest>
#include <algorithm>
#include <set>

#include "quantities.h"
#include "ui/app.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"
#include "varden.h"

using ui::DrawRecord;
using ui::RGB;
using ui::testkit::FakePlatform;

namespace {

const QChar CR(13);

const ui::Color kRed = RGB(255, 0, 0);
const ui::Color kForceShade = RGB(0, 125, 225);
const ui::Color kFieldShade = RGB(0, 127, 127);

std::vector<DrawRecord> records(const Varden& w, DrawRecord::Kind kind) {
  std::vector<DrawRecord> out;
  for (const DrawRecord& r : w.Picture1.log())
    if (r.kind == kind) out.push_back(r);
  return out;
}

std::vector<DrawRecord> lines(const Varden& w, ui::Color color) {
  std::vector<DrawRecord> out;
  for (const DrawRecord& r : records(w, DrawRecord::Line))
    if (r.color == color) out.push_back(r);
  return out;
}

std::vector<DrawRecord> circles(const Varden& w) {
  return records(w, DrawRecord::Circle);
}

// Sets the three bars as a pupil would, then starts the log for the next drawing.
void setCharges(Varden& w, int q1, int q2, int r) {
  w.HScroll3.setValue(r);
  w.HScroll1.setValue(q1);
  w.HScroll2.setValue(q2);
}

double xc(const Varden& w) {
  return float(w.Picture1.scaleWidth() / 2);
}
double yc(const Varden& w) {
  return w.Picture1.scaleHeight() / 1.4;
}

// Ticks the box of one test only, then answers its questions through the two buttons.
void takeTest(Varden& w, FakePlatform& fake, ui::CheckBox& box, const QStringList& answers) {
  ui::CheckBox& other = &box == &w.Check1 ? w.Check2 : w.Check1;
  if (other.value() == 1) other.click();
  if (box.value() == 0) box.click();
  for (const QString& a : answers) {
    fake.inputAnswers.push_back(a);
    w.Command1.click();
    w.Command2.click();
  }
}

const QStringList kAllRightF = {"1", "2", "2", "3", "1", "2", "2"};
const QStringList kAllRightE = {"1", "3", "2", "1", "2", "1", "2"};

}  // namespace

class VardenTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ui::setUpApplication(); }

  // ---- quantities ----

  void quantities_data() {
    QTest::addColumn<int>("q1");
    QTest::addColumn<int>("q2");
    QTest::addColumn<int>("r");
    QTest::addColumn<double>("force");
    QTest::addColumn<double>("e1");
    QTest::addColumn<double>("e2");
    QTest::newRow("attraction floors away from zero") << 1 << -1 << 38 << -0.063 << 0.062 << -0.063;
    QTest::newRow("repulsion") << 1 << 1 << 38 << 0.062 << 0.062 << 0.062;
    QTest::newRow("largest charges, farthest") << 10 << 10 << 50 << 3.6 << 0.36 << 0.36;
    QTest::newRow("largest force") << -10 << 10 << 26 << -13.314 << -1.332 << 1.331;
    QTest::newRow("no charge") << 0 << 7 << 30 << 0.0 << 0.0 << 0.7;
  }
  void quantities() {
    QFETCH(int, q1);
    QFETCH(int, q2);
    QFETCH(int, r);
    QFETCH(double, force);
    QFETCH(double, e1);
    QFETCH(double, e2);
    QCOMPARE(chargelab::coulombForce(9, q1, q2, r), force);
    QCOMPARE(chargelab::fieldStrength(9, q1, r), e1);
    QCOMPARE(chargelab::fieldStrength(9, q2, r), e2);
  }

  // ---- window and texts ----

  void startUp() {
    FakePlatform fake;
    Varden w;
    w.Picture1.setLogging(true);
    w.show();
    QCOMPARE(w.caption(), QStringLiteral("ChargeLab"));
    QCOMPARE(w.clientWidth(), 7695.0);
    QCOMPARE(w.clientHeight(), 7395.0);
    QCOMPARE(w.Text1.text(), QStringLiteral(" 0нКл"));
    QCOMPARE(w.Text2.text(), QStringLiteral(" 0нКл"));
    QCOMPARE(w.Text5.text(), QStringLiteral(" 38см"));
    QVERIFY(w.Text12.text().startsWith(QStringLiteral("Выбери тест, изменяя")));
    QCOMPARE(w.Text12.fontSize(), 16.0);
    QVERIFY(w.Text3.text().isEmpty() && w.Text4.text().isEmpty() && w.Text6.text().isEmpty());
    QVERIFY(w.Picture1.log().empty());
    QVERIFY(!w.Option1.value() && !w.Option2.value());
    QVERIFY(!w.Command1.enabled() && !w.Command2.enabled() && w.Command3.enabled());
    QCOMPARE(w.Check1.widget()->parentWidget(), w.Picture1.widget());
    QVERIFY(ui::testkit::controlsWithoutAccessibleName(w).isEmpty());
  }

  void forceText_data() {
    QTest::addColumn<int>("q1");
    QTest::addColumn<int>("q2");
    QTest::addColumn<int>("r");
    QTest::addColumn<QString>("text3");
    QTest::newRow("attraction") << 1 << -1 << 38 << " .063 мкН";
    QTest::newRow("repulsion") << 1 << 1 << 38 << " .062 мкН";
    QTest::newRow("largest charges") << 10 << 10 << 50 << " 3.6 мкН";
    QTest::newRow("largest force") << -10 << 10 << 26 << " 13.314 мкН";
    QTest::newRow("first charge 0") << 0 << 10 << 26 << " 0 мкН";
  }
  void forceText() {
    QFETCH(int, q1);
    QFETCH(int, q2);
    QFETCH(int, r);
    QFETCH(QString, text3);
    FakePlatform fake;
    Varden w;
    w.show();
    w.Option1.click();
    setCharges(w, q1, q2, r);
    QCOMPARE(w.Text3.text(), text3);
    QCOMPARE(w.Text1.text(), ui::Str(q1) + QStringLiteral("нКл"));
    QCOMPARE(w.Text2.text(), ui::Str(q2) + QStringLiteral("нКл"));
  }

  void fieldTextsShowMagnitudes() {
    FakePlatform fake;
    Varden w;
    w.show();
    setCharges(w, -10, 10, 26);
    QCOMPARE(w.lab().E1, -1.332);
    QCOMPARE(w.lab().E2, 1.331);
    QCOMPARE(w.lab().F, -13.314);  // the drawing keeps the sign
    QCOMPARE(w.Text4.text(), QStringLiteral(" 1.332 мкН/Кл"));
    QCOMPARE(w.Text6.text(), QStringLiteral(" 1.331 мкН/Кл"));
    QVERIFY(w.Text3.text().isEmpty());
  }

  void zeroChargeKeepsItsFieldStrength() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Option1.click();
    setCharges(w, 5, 3, 30);
    const double e1 = w.lab().E1;
    QCOMPARE(e1, 0.5);
    w.HScroll1.setValue(0);
    QCOMPARE(w.lab().E1, e1);
    QCOMPARE(w.Text3.text(), QStringLiteral(" 0 мкН"));
  }

  void distance() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.HScroll3.setValue(39);
    w.HScroll3.setValue(38);
    QCOMPARE(w.Text5.text(), QStringLiteral("r =  38см"));
    w.HScroll3.setValue(44);
    QCOMPARE(w.Text5.text(), QStringLiteral("r =  44см"));
    // Labels move to whole pixels of 15 twips.
    QVERIFY(std::fabs(w.Text7.left() - (xc(w) - 2200 + 20)) <= 7.5);
    QVERIFY(std::fabs(w.Text8.left() - (xc(w) + 2200 + 190)) <= 7.5);
  }

  void chargeThumbsRedrawWhileDragged() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Option1.click();
    w.Picture1.setLogging(true);
    w.HScroll1.drag(4);
    QCOMPARE(records(w, DrawRecord::Cls).size(), size_t(2));  // Scroll, then Change
    QCOMPARE(w.Text1.text(), QStringLiteral(" 4нКл"));
    w.Picture1.clearLog();
    w.HScroll3.drag(30);
    QCOMPARE(records(w, DrawRecord::Cls).size(), size_t(1));  // Change only
    QCOMPARE(w.Text5.text(), QStringLiteral("r =  30см"));
  }

  void helpTexts_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("start");
    QTest::newRow("Label2") << "Label2"
                            << "Способность частиц (или тел)";
    QTest::newRow("Label3") << "Label3"
                            << "Электрический заряд - физическая";
    QTest::newRow("Label4") << "Label4"
                            << "Сила ВЗАИМОДЕЙСТВИЯ между";
    QTest::newRow("Label5") << "Label5"
                            << "(Вектор) Е = (вектор) F / q0. Единица напряжённости - Н/Кл.";
    QTest::newRow("Label6")
        << "Label6"
        << "Напряжённость  поля - силовая характеристика электростатического поля.";
    QTest::newRow("Label7") << "Label7"
                            << "Напряжённость электростатического поля - векторная";
    QTest::newRow("Text1") << "Text1"
                           << "Точечный заряд - заряженное тело";
    QTest::newRow("Text2") << "Text2"
                           << "Алгебраическая сумма зарядов";
    QTest::newRow("Text3") << "Text3"
                           << "F = k*|q1|*|q2|/r^2 - формула ChargeLab, k=9*E+9.";
    QTest::newRow("Text4") << "Text4"
                           << "E = k*|Q|/r^2 = модуль вектора напряжённости";
    QTest::newRow("Text6") << "Text6"
                           << "Направление вектора напряжённости совпадает";
  }
  void helpTexts() {
    QFETCH(QString, control);
    QFETCH(QString, start);
    FakePlatform fake;
    Varden w;
    w.show();
    auto it = std::find_if(w.controls().begin(), w.controls().end(),
                           [&](ui::Control* c) { return c->name() == control; });
    QVERIFY(it != w.controls().end());
    (*it)->click();
    QVERIFY2(w.Text12.text().startsWith(start), qPrintable(w.Text12.text()));
    const QString shown = w.Text12.text();
    w.Label1.click();
    QCOMPARE(w.Text12.text(), shown);
  }

  void doubleClickOnBareWindowEnds() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Picture1.dblClick();
    w.Label2.dblClick();
    QVERIFY(!fake.ended);
    w.dblClick();
    QVERIFY(fake.ended);
    QVERIFY(fake.errors.isEmpty());
  }

  // ---- picture ----

  void attractionArrowsPointInwards() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Option1.click();
    setCharges(w, 10, -10, 26);
    w.Picture1.setLogging(true);
    w.Picture1.click();
    QCOMPARE(w.lab().F, -13.314);
    const double y = yc(w) + 5;
    const double X1 = xc(w) - 1300 - 120, X2 = xc(w) + 1300 + 90;
    const auto red = lines(w, kRed);
    auto shaftFrom = [&](double x) {
      return std::find_if(red.begin(), red.end(),
                          [&](const DrawRecord& r) { return r.p1 == QPointF(x, y); });
    };
    QVERIFY(shaftFrom(X1) != red.end() && shaftFrom(X2) != red.end());
    QCOMPARE(shaftFrom(X1)->p2.x(), xc(w) - 88.6);
    QCOMPARE(shaftFrom(X2)->p2.x(), X2 - 1331.4);
    // Heads of attracting charges sit 5 twips back towards their own charge.
    const double tip1 = xc(w) - 88.6 - 5;
    QVERIFY(std::any_of(red.begin(), red.end(),
                        [&](const DrawRecord& r) { return r.p1 == QPointF(tip1, y); }));
    QCOMPARE(w.Text10.text(), QStringLiteral("F12"));
    QCOMPARE(w.Text11.text(), QStringLiteral("F21"));
    QCOMPARE(w.Picture1.toolTipText(), QStringLiteral("Силы"));
  }

  void repulsionReachesFarthest() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Option1.click();
    setCharges(w, 10, 9, 50);
    w.Picture1.setLogging(true);
    w.HScroll2.setValue(10);
    QCOMPARE(w.lab().F, 3.6);
    double left = 1e9;
    for (const DrawRecord& r : records(w, DrawRecord::Line))
      left = std::min({left, r.p1.x(), r.p2.x()});
    QCOMPARE(left, xc(w) - 2980);
    const auto red = lines(w, kRed);
    QVERIFY(std::any_of(red.begin(), red.end(), [&](const DrawRecord& r) {
      return r.p1.x() == xc(w) + 2590 && r.p2.x() == xc(w) + 2950;
    }));
  }

  void noChargesDrawBasesOnly() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Picture1.setLogging(true);
    w.Option1.click();
    QVERIFY(lines(w, kRed).empty());
    const auto forceCircles = circles(w);
    QCOMPARE(forceCircles.size(), size_t(2));
    for (const DrawRecord& c : forceCircles)
      QCOMPARE(c.color, kForceShade);
    QCOMPARE(lines(w, RGB(0, 250, 225)).size(), size_t(2));  // the marker's shafts
    for (ui::TextBox* t : {&w.Text7, &w.Text8, &w.Text10, &w.Text11})
      QVERIFY(t->text().isEmpty());

    w.Picture1.clearLog();
    w.Option2.click();
    const auto fieldCircles = circles(w);
    QCOMPARE(fieldCircles.size(), size_t(2));
    for (const DrawRecord& c : fieldCircles)
      QCOMPARE(c.color, ui::kBlack);
    for (ui::TextBox* t : {&w.Text4, &w.Text6, &w.Text7, &w.Text8, &w.Text10, &w.Text11})
      QVERIFY(t->text().isEmpty());
    QCOMPARE(w.Picture1.toolTipText(), QStringLiteral("Напряжённости"));
  }

  void singleChargeFieldIsDrawnAtTheOther() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Picture1.setLogging(true);
    w.HScroll1.setValue(5);
    const double X2 = xc(w) + 1900 + 90;
    QVERIFY(lines(w, RGB(0, 192, 192)).empty());
    const auto blue = lines(w, RGB(0, 0, 255));
    QCOMPARE(blue.size(), size_t(4));  // shaft and three head strokes
    QCOMPARE(blue.front().p1, QPointF(X2, yc(w) + 5));
    QCOMPARE(blue.front().p2.x(), X2 + 1000 * w.lab().E1);
    for (const DrawRecord& c : circles(w))
      if (c.p1.x() == X2) QCOMPARE(c.color, ui::kBlack);
    QCOMPARE(w.Text4.text(), ui::Str(w.lab().E1) + QStringLiteral(" мкН/Кл"));
    QCOMPARE(w.Text11.text(), QStringLiteral("E1"));
    QCOMPARE(w.Text7.text(), QStringLiteral("q1"));
    QVERIFY(w.Text6.text().isEmpty() && w.Text8.text().isEmpty() && w.Text10.text().isEmpty());
  }

  void minusColourDependsOnMode() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.HScroll1.setValue(-3);
    const double X1 = xc(w) - 1900 - 120;
    auto minusIn = [&](ui::Color c) {
      const auto ls = lines(w, c);
      return std::any_of(ls.begin(), ls.end(), [&](const DrawRecord& r) {
        return r.p1 == QPointF(X1 - 90, yc(w) + 5) && r.p2 == QPointF(X1 + 90, yc(w) + 10);
      });
    };
    w.Picture1.setLogging(true);
    w.Option1.click();
    QVERIFY(minusIn(kForceShade));
    w.Picture1.clearLog();
    w.Option2.click();
    QVERIFY(minusIn(RGB(127, 0, 0)));
  }

  void fieldOrderFollowsTheSigns() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Picture1.setLogging(true);
    auto firstArrowColour = [&] {
      for (const DrawRecord& r : records(w, DrawRecord::Line))
        if (r.color == RGB(0, 0, 255) || r.color == RGB(0, 192, 192)) return r.color;
      return ui::kBlack;
    };
    setCharges(w, 4, 6, 30);
    w.Picture1.clearLog();
    w.Option2.click();
    QCOMPARE(firstArrowColour(), RGB(0, 0, 255));  // both positive: at charge 2 first
    w.HScroll2.setValue(-6);
    w.Picture1.clearLog();
    w.Picture1.dblClick();
    QCOMPARE(firstArrowColour(), RGB(0, 192, 192));
  }

  void doubleClickOnPictureShowsFields() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Option1.click();
    setCharges(w, 1, -1, 38);
    QCOMPARE(w.Text3.text(), QStringLiteral(" .063 мкН"));
    w.Picture1.setLogging(true);
    w.Picture1.dblClick();
    QCOMPARE(records(w, DrawRecord::Cls).size(), size_t(3));  // click, then clear and redraw
    QCOMPARE(w.Picture1.toolTipText(), QStringLiteral("Напряжённости"));
    QVERIFY(w.Text3.text().isEmpty());
    QCOMPARE(w.Text4.text(), QStringLiteral(" .062 мкН/Кл"));
    QCOMPARE(w.Text6.text(), QStringLiteral(" .063 мкН/Кл"));
    QCOMPARE(w.Text10.text(), QStringLiteral("E2"));
    QCOMPARE(w.Text11.text(), QStringLiteral("E1"));
    QCOMPARE(w.Text7.text(), QStringLiteral("q1"));
    QCOMPARE(w.Text8.text(), QStringLiteral("q2"));
    QVERIFY(std::fabs(w.Text10.left() - (xc(w) + 63 - 1900 - 320)) <= 7.5);
  }

  void drawingIsNotAntialiased() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Option1.click();
    setCharges(w, 7, -4, 33);
    const std::set<ui::Color> palette = {
        RGB(192, 255, 255), kRed,       kForceShade,     RGB(125, 0, 0),
        RGB(125, 125, 225), ui::kBlack, RGB(0, 250, 225)};
    const QImage& img = w.Picture1.image();
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        QVERIFY(palette.count(w.Picture1.pixel(x, y)));
    const QPoint mid = w.Picture1.toPixel(xc(w), yc(w));
    QCOMPARE(w.Picture1.pixel(mid.x(), mid.y()), ui::kBlack);  // the last dot stays
  }

  void windowColours() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Option1.click();
    setCharges(w, 6, -4, 30);
    w.Check1.click();
    w.Command1.click();
    const QImage shot = w.window()->grab().toImage();
    QCOMPARE(QColor(shot.pixel(2, 2)), QColor(0, 128, 128));
    const QPoint inPicture = w.Picture1.widget()->mapTo(w.window(), QPoint(40, 300));
    QCOMPARE(QColor(shot.pixel(inPicture)), QColor(192, 255, 255));
    ui::testkit::saveScreenshot(w, QStringLiteral("chargelab2.png"));
  }

  // ---- tests of knowledge ----

  void wholeTestRight() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Check1.click();
    QVERIFY(w.Command1.enabled());
    w.Command1.click();
    QCOMPARE(w.Text12.text(), QStringLiteral(" 1  Сформулируйте ChargeLab."));
    QVERIFY(!w.Command1.enabled() && w.Command2.enabled());
    fake.inputAnswers.push_back("1");
    w.Command2.click();
    QCOMPARE(fake.prompts.size(), 1);
    const QString prompt = fake.prompts.front();
    QVERIFY(prompt.startsWith(QStringLiteral("Выберите ответ (1,2 или 3):  1  1  Сила ВЗАИМ")));
    QVERIFY(prompt.endsWith(QStringLiteral("соединяющей заряды.") + CR));
    QCOMPARE(prompt.count(CR), 3);
    QVERIFY(prompt.contains(CR + QStringLiteral(" 2  Сила ПРИТЯЖЕНИЯ")));
    QVERIFY(w.Command1.enabled() && !w.Command2.enabled());
    takeTest(w, fake, w.Check1, kAllRightF.mid(1));
    QCOMPARE(w.Text12.text(), QStringLiteral("Запишите код вашего ответа  1 1 1 1 1 1 1") + CR +
                                  CR + QStringLiteral("Качество знаний= 100%"));
    QCOMPARE(int(w.QuestionNo), 1);
    QCOMPARE(w.TestResults, QStringList{" 1 1 1 1 1 1 1"});
    QCOMPARE(w.Score, 0.0f);
    QVERIFY(w.AnswerCode.isEmpty());
  }

  void exactComparison() {
    FakePlatform fake;
    Varden w;
    w.show();
    takeTest(w, fake, w.Check1, {"1", "2", "2", "3 ", " 1", "2.", "2"});
    QCOMPARE(w.TestResults.back(), QStringLiteral(" 1 1 1 0 0 0 1"));
    QVERIFY(w.Text12.text().endsWith(QStringLiteral("Качество знаний= 57.14286%")));
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
    FakePlatform fake;
    Varden w;
    w.show();
    QStringList answers = kAllRightE;
    for (int i = right; i < 7; ++i)
      answers[i] = "0";
    takeTest(w, fake, w.Check2, answers);
    QVERIFY2(w.Text12.text().endsWith(QStringLiteral("Качество знаний=") + shown + "%"),
             qPrintable(w.Text12.text()));
    QCOMPARE(w.TestResults.back().count(QStringLiteral(" 1")), right);
  }

  void testEAsksTheSecondHalf() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Check1.click();
    w.Check2.click();
    w.Command1.click();  // test F comes first and unticks test E
    QCOMPARE(w.Check2.value(), 0);
    QCOMPARE(w.Text12.text(), QStringLiteral(" 1  Сформулируйте ChargeLab."));
    w.Check1.click();
    w.Check2.click();
    w.Command1.click();
    QCOMPARE(w.Text12.text(), QStringLiteral(" 8  Сформулируйте определение напряжённости "
                                             "электрического поля."));
    QVERIFY(!w.Command1.enabled());
  }

  void bothBoxesOnePress() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Check1.click();
    w.Command1.click();
    w.Check2.setValue(1);
    fake.inputAnswers = {"1", "3"};
    w.Command2.click();
    QCOMPARE(fake.prompts.size(), 2);
    QVERIFY(fake.prompts[0].startsWith(QStringLiteral("Выберите ответ (1,2 или 3):  1 ")));
    QVERIFY(fake.prompts[1].startsWith(QStringLiteral("Выберите ответ (1,2 или 3):  9 ")));
    QCOMPARE(w.GivenAnswers[1], QStringLiteral("1"));
    QCOMPARE(w.GivenAnswers[2], QStringLiteral("3"));
    QCOMPARE(int(w.QuestionNo), 3);
    QCOMPARE(w.Text12.text(),
             QStringLiteral(" 9  Каковы единицы напряжённости электрического поля?"));
  }

  void cancelledAnswerIsWrong() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Check1.click();
    for (int i = 0; i < 7; ++i) {
      w.Command1.click();
      w.Command2.click();  // the empty queue answers as a cancel
    }
    QCOMPARE(w.TestResults, QStringList{" 0 0 0 0 0 0 0"});
    QVERIFY(!fake.ended && fake.errors.isEmpty());
  }

  void buttonsWithoutTest() {
    FakePlatform fake;
    Varden w;
    w.show();
    w.Command3.click();
    QVERIFY(w.Text12.text().isEmpty());
    w.Check1.click();
    w.Check1.click();
    w.Command1.click();
    QVERIFY(!w.Command1.enabled() && w.Command2.enabled());
    QVERIFY(w.Text12.text().isEmpty());
    w.Command2.click();
    QVERIFY(fake.prompts.isEmpty());
    QCOMPARE(int(w.QuestionNo), 1);
  }

  void everyFinishedTestIsListed() {
    FakePlatform fake;
    Varden w;
    w.show();
    for (int t = 0; t < 22; ++t)
      takeTest(w, fake, t % 2 ? w.Check2 : w.Check1, t % 2 ? kAllRightE : kAllRightF);
    QCOMPARE(int(w.TestCount), 22);
    w.Command3.click();
    const QString list = w.Text12.text();
    QCOMPARE(list.count(CR), 22);
    QVERIFY(list.startsWith(QStringLiteral(" 1- 1 1 1 1 1 1 1") + CR));
    QVERIFY2(list.endsWith(QStringLiteral(" 22- 1 1 1 1 1 1 1") + CR), qPrintable(list.right(60)));
  }

  void resultsRestartARunningTest() {
    FakePlatform fake;
    Varden w;
    w.show();
    takeTest(w, fake, w.Check1, {"1", "2", "2"});
    QCOMPARE(int(w.QuestionNo), 4);
    w.Command3.click();
    QCOMPARE(int(w.QuestionNo), 1);
    w.Command1.click();
    QCOMPARE(w.Text12.text(), QStringLiteral(" 1  Сформулируйте ChargeLab."));
  }

  // ---- a pupil let loose ----

  void monkey() {
    FakePlatform fake;
    Varden w;
    w.show();
    ui::testkit::Monkey monkey(fake, 7);
    monkey.addWindow(w);
    const auto result = monkey.run(4000);
    QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure + " after " + result.lastAction));
    QVERIFY(fake.errors.isEmpty());
  }
};

QTEST_MAIN(VardenTest)
#include "tst_varden.moc"
