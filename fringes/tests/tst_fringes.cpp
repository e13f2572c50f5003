// SPDX-License-Identifier: GPL-3.0-or-later
// The Fringes window as a pupil meets it: texts, fonts and places of the controls, the spectrum
// strip over a usable wavelength bar, the two-wave animation on white with its own radii and
// point spacing, the trace of the antinodes, and a monkey run.
#include <cmath>

#include "fringestest.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"
#include "ui/testkit/testmain.h"

using fringes::Form1;
using ui::DrawRecord;
using namespace fringes::test;

class FringesWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void loadSetsTheLabelsAndAGreyPicture() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    QCOMPARE(w.caption(), QStringLiteral("Form1"));
    QCOMPARE(w.Label13.caption(), QStringLiteral("400"));
    QCOMPARE(w.Label11.caption(), QStringLiteral("Label11"));
    QCOMPARE(w.Label12.caption(), QStringLiteral("Label12"));
    QCOMPARE(w.Label1.caption(), QStringLiteral("2.7"));
    const int u = w.Label3.caption().toInt();
    QVERIFY(u >= 10 && u <= 99);
    QCOMPARE(QString::number(u), w.Label3.caption());
    QCOMPARE(w.Label7.caption(), QString());
    QCOMPARE(w.Label14.caption(), QStringLiteral("L="));
    QCOMPARE(w.StepsPerPi, 400.0f);
    QCOMPARE(w.XPos, 3.1415 / 400);
    QCOMPARE(w.Damping, 0.1);
    const QImage& img = w.Picture1.image();
    QCOMPARE(pixelsOf(w.Picture1, fringes::kGrey), img.width() * img.height());
    QVERIFY(ui::testkit::controlsWithoutAccessibleName(w).isEmpty());
    // L and C write their values once moved; the damping bar writes nothing.
    keys(w.HScroll1, Qt::Key_Left, 2);
    keys(w.HScroll2, Qt::Key_Right, 3);
    keys(w.VScroll1, Qt::Key_Up, 29);  // towards Min, 50, at the top
    QCOMPARE(w.Label11.caption(), QStringLiteral("3"));
    QCOMPARE(w.Label12.caption(), QStringLiteral("8"));
    QCOMPARE(w.Damping, 3.0);
    QCOMPARE(w.DampingInverse, 1 / 3.0);
  }

  void theWavelengthLabel_data() {
    QTest::addColumn<int>("nm");
    QTest::addColumn<QString>("text");
    QTest::newRow("400") << 400 << "0.4";
    QTest::newRow("401") << 401 << "0.401";
    QTest::newRow("500") << 500 << "0.5";
    QTest::newRow("760") << 760 << "0.76";
  }
  void theWavelengthLabel() {
    QFETCH(int, nm);
    QFETCH(QString, text);
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    if (nm == 400) keys(w.HScroll3, Qt::Key_End);
    chooseWavelength(w, nm);
    QCOMPARE(w.Label13.caption(), text);
  }

  void controlsHaveTheirCaptionsAndFonts() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    const struct {
      ui::Control* c;
      QString caption;
      double size;
      bool bold;
    } table[] = {
        {&w.Command1, "Очистка рисунка", 9.75, true},
        {&w.Command2, "Волна1", 13.5, true},
        {&w.Command3, "Волна2", 13.5, true},
        {&w.Command4, "Обе", 13.5, true},
        {&w.Command5, "Стоп", 13.5, true},
        {&w.Command6, "Очистка параметров", 9.75, true},
        {&w.Command7, "Дифракция", 12, true},
        {&w.Command8, "Интерференция", 9.75, false},
        {&w.Command9, "Измерение длины волны", 8.25, false},
        {&w.Check1, "Спектр", 12, true},
        {&w.Check2, "Пучности", 12, false},
        {&w.Label4, "e=", 13.5, true},
        {&w.Label6, "U=", 13.5, true},
        {&w.Label8, "L=", 13.5, true},
        {&w.Label9, "C=", 13.5, true},
        {&w.Label14, "L=", 12, true},
        {&w.Label13, "400", 12, true},
    };
    for (const auto& row : table) {
      QString caption;
      if (auto* b = dynamic_cast<ui::CommandButton*>(row.c)) caption = b->caption();
      if (auto* c = dynamic_cast<ui::CheckBox*>(row.c)) caption = c->caption();
      if (auto* l = dynamic_cast<ui::Label*>(row.c)) caption = l->caption();
      QCOMPARE(caption, row.caption);
      QCOMPARE(row.c->font().size, row.size);
      QCOMPARE(row.c->font().bold, row.bold);
    }
    QCOMPARE(w.Check1.value(), 0);
    QCOMPARE(w.Check2.value(), 0);
    QCOMPARE(w.Command2.backColor(), ui::RGB(255, 192, 192));
    QCOMPARE(w.Command3.backColor(), ui::RGB(128, 128, 255));
    QCOMPARE(w.Label7.backColor(), ui::RGB(192, 255, 255));
    QCOMPARE(w.Check2.backColor(), ui::RGB(192, 255, 255));
    // What shows around the captions of the check boxes is the window's colour.
    for (ui::CheckBox* c : {&w.Check1, &w.Check2}) {
      const QImage box = c->widget()->grab().toImage();
      QCOMPARE(box.pixelColor(box.width() - 3, box.height() / 2), QColor(192, 255, 255));
    }
    QCOMPARE(w.Picture2.backColor(), ui::RGB(192, 255, 255));
    QCOMPARE(w.HScroll3.min(), 400);
    QCOMPARE(w.HScroll3.max(), 760);
    QCOMPARE(w.VScroll1.min(), 50);
    QCOMPARE(w.VScroll1.max(), 1);
  }

  void noLabelLiesOverAControl() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    QCOMPARE(ui::testkit::controlsUnderDecorations(w), QStringList());
    w.setClientSize(12000, 8000);
    QCOMPARE(ui::testkit::controlsUnderDecorations(w), QStringList());
  }

  void resizeMovesEveryControlInTheOrderOfTheTable() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    const double W = 12000, H = 9000;
    const QStringList order = ui::testkit::resizeOrder(w, W, H);
    QCOMPARE(order,
             QStringList({"Command1", "Command2", "Command3", "Command9", "Command4", "Command5",
                          "Command6", "Command7", "Command8", "Check1",   "Check2",   "VScroll1",
                          "HScroll1", "HScroll2", "HScroll3", "Picture2", "Label13",  "Label14",
                          "Label9",   "Label12",  "Label8",   "Label11",  "Label7",   "Label1",
                          "Label4",   "Label3",   "Label6",   "Picture1", "Picture1"}));
    const struct {
      ui::Control* c;
      double left, top;
    } table[] = {{&w.Command1, W - 2000, H - 600},  {&w.Command2, W - 2000, H - 1700},
                 {&w.Command3, W - 2000, H - 2400}, {&w.Command9, W - 2100, H - 3600},
                 {&w.Command4, W - 2000, H - 3000}, {&w.Command5, W - 5100, H - 600},
                 {&w.Command6, W - 4000, H - 600},  {&w.Command7, W - 2300, H - 5200},
                 {&w.Command8, W - 2300, H - 5700}, {&w.Check1, W - 2300, H - 4800},
                 {&w.Check2, W - 2300, H - 4300},   {&w.VScroll1, W - 500, H - 5000},
                 {&w.HScroll1, W - 2000, H - 7000}, {&w.HScroll2, W - 2000, H - 6500},
                 {&w.HScroll3, W - 4000, H - 1400}, {&w.Picture2, W - 3750, H - 1200},
                 {&w.Label13, W - 4800, H - 1400},  {&w.Label14, W - 5200, H - 1400},
                 {&w.Label9, W - 2200, H - 6100},   {&w.Label12, W - 1900, H - 6100},
                 {&w.Label8, W - 2200, H - 7400},   {&w.Label11, W - 1700, H - 7400},
                 {&w.Label7, W - 11000, H - 1400},  {&w.Label1, W - 7700, H - 300},
                 {&w.Label4, W - 8200, H - 300},    {&w.Label3, W - 10000, H - 300},
                 {&w.Label6, W - 10500, H - 300},   {&w.Picture1, 100, 100}};
    for (const auto& row : table) {
      QVERIFY2(qAbs(row.c->left() - row.left) < 8, qPrintable(row.c->name()));
      QVERIFY2(qAbs(row.c->top() - row.top) < 8, qPrintable(row.c->name()));
    }
    QVERIFY(qAbs(w.Picture1.width() - (W - 2500)) < 8);
    QVERIFY(qAbs(w.Picture1.height() - (H - 1600)) < 8);
  }

  void aNarrowWindowKeepsThePictureWidth() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    const double width = w.Picture1.width();
    w.setClientSize(2200, 6000);  // W - 2500 would be negative
    QCOMPARE(w.Picture1.width(), width);
    QVERIFY(qAbs(w.Picture1.height() - 4400) < 8);
    w.setClientSize(1800, 1500);
    QCOMPARE(w.Picture1.width(), width);
    QVERIFY(qAbs(w.Picture1.height() - 4400) < 8);
    // Light and waves still run on what is left ("Стоп" itself lies outside the window now).
    fake.onPause = [&](int n) {
      if (n % 2 == 0) w.Command5.click();
    };
    w.Command8.click();
    w.Command4.click();
    QVERIFY(fake.errors.isEmpty());
  }

  void theSpectrumStripRunsFromVioletToRed() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    const QImage& strip = w.Picture2.image();
    QVERIFY(strip.width() >= 90 && strip.height() >= 20);
    const QColor left = strip.pixelColor(1, 5), right = strip.pixelColor(strip.width() - 2, 5);
    // Violet: red and blue, no green. Red: red only.
    QVERIFY(left.blue() > 150 && left.red() > 50 && left.green() == 0);
    QVERIFY(right.red() > 100 && right.green() == 0 && right.blue() == 0);
    // Green light (about 530 nm) a third of the way along.
    const QColor green = strip.pixelColor(36, 5);
    QVERIFY(green.green() == 255 && green.blue() == 0 && green.red() < 128);
    // Hue goes round from violet through blue, green and yellow to red: it never turns back.
    int lastHue = 360;
    for (int x = 0; x < strip.width(); x += 4) {
      const int hue = strip.pixelColor(x, 5).hsvHue();
      QVERIFY2(hue <= lastHue, qPrintable(QString::number(x)));
      lastHue = hue;
    }
  }

  void theStripLiesOverTheBarAndTheBarStillWorks() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window()));
    const QPoint stripCentre =
        w.Picture2.widget()->mapTo(w.window(), w.Picture2.widget()->rect().center());
    QCOMPARE(w.window()->childAt(stripCentre), w.Picture2.widget());
    QVERIFY(w.Picture2.widget()->geometry().intersects(w.HScroll3.widget()->geometry()));
    const auto right = reachablePoint(w, w.HScroll3, QStyle::SC_ScrollBarAddLine);
    const auto left = reachablePoint(w, w.HScroll3, QStyle::SC_ScrollBarSubLine);
    QVERIFY(right && left);
    ui::testkit::clickAt(w, *right);
    ui::testkit::clickAt(w, *right);
    QCOMPARE(w.HScroll3.value(), 402);
    QCOMPARE(w.Label13.caption(), QStringLiteral("0.402"));
    ui::testkit::clickAt(w, *left);
    QCOMPARE(w.HScroll3.value(), 401);
    // The thumb, dragged by what shows of it, to the right end: the red end of the spectrum.
    const auto thumb = reachablePoint(w, w.HScroll3, QStyle::SC_ScrollBarSlider);
    QVERIFY(thumb);
    QWidget* bar = w.HScroll3.widget();
    const QPoint end = bar->mapTo(w.window(), QPoint(bar->width() - 2, thumb->y() - bar->y()));
    QTest::mousePress(bar, Qt::LeftButton, {}, bar->mapFrom(w.window(), *thumb));
    QTest::mouseMove(bar, bar->mapFrom(w.window(), end));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, bar->mapFrom(w.window(), end));
    QCOMPARE(w.HScroll3.value(), 760);
    QCOMPARE(w.Label13.caption(), QStringLiteral("0.76"));
  }

  void startButtons_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("flags");  // ShowI, ShowU, ShowSum
    QTest::newRow("Волна1") << 2 << "Волна 1 " << QList<int>{-1, 0, 0};
    QTest::newRow("Волна2") << 3 << "Волна 2 " << QList<int>{0, -1, 0};
    QTest::newRow("Обе") << 4 << "WaveSum, стоячая волна" << QList<int>{-1, -1, -1};
  }
  void startButtons() {
    QFETCH(int, button);
    QFETCH(QString, title);
    QFETCH(QList<int>, flags);
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    ui::CommandButton& start = button == 2 ? w.Command2 : button == 3 ? w.Command3 : w.Command4;
    int grey = -1;
    fake.onPause = [&](int n) {
      grey = pixelsOf(w.Picture1, fringes::kGrey);
      if (n == 2) press(w.Command5);
    };
    press(start);
    QCOMPARE(grey, 0);  // the picture turned white before the first frame
    QCOMPARE(w.Label7.caption(), title);
    QCOMPARE(QList<int>({w.ShowI, w.ShowU, w.ShowSum}), flags);
    QCOMPARE(w.Running, qint16(0));
  }

  void theWavelengthBarSpacesThePoints_data() {
    QTest::addColumn<int>("nm");
    QTest::addColumn<int>("count");  // 14 * 2.7 * nm / 50 points per pass, and the one at x = 0
    // The second point's x: 8 pi / (nm / 50), the step over a single 8 or 15.2, by hand.
    QTest::addColumn<double>("second");
    QTest::newRow("400") << 400 << 303 << 3.1415;
    QTest::newRow("760") << 760 << 575 << 1.6534210733;
  }
  void theWavelengthBarSpacesThePoints() {
    QFETCH(int, nm);
    QFETCH(int, count);
    QFETCH(double, second);
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    chooseWavelength(w, nm);
    w.Picture1.setLogging(true);
    size_t atPause = 0;
    fake.onPause = [&](int) {
      atPause = w.Picture1.log().size();
      w.Running = 0;
    };
    press(w.Command4);
    QCOMPARE(w.StepsPerPi, float(nm / 50.0));
    const auto& log = w.Picture1.log();
    // Wave 1 and wave 2 with circles of radius 1, the sum with radius 2.
    const std::pair<ui::Color, double> drawn[] = {{ui::kRed, 1}, {ui::kBlue, 1}, {ui::kGreen, 2}};
    for (const auto& [colour, radius] : drawn) {
      const auto circles = records(log, DrawRecord::Circle, colour, 0, atPause);
      QCOMPARE(int(circles.size()), count);
      for (const DrawRecord& c : circles)
        QCOMPARE(c.radius, radius);
    }
    const auto dots = records(log, DrawRecord::PSet, ui::kRed, 0, atPause);
    QVERIFY(std::fabs(dots[1].p1.x() - second) < 1e-9);
    // The white pass wipes with the same radii: three of radius 1 a point, one of radius 2.
    const auto white = records(log, DrawRecord::Circle, ui::kWhite, atPause);
    QCOMPARE(int(white.size()), 4 * count);
    QCOMPARE(int(std::count_if(white.begin(), white.end(),
                               [](const DrawRecord& r) { return r.radius == 1; })),
             3 * count);
  }

  void antinodesKeepTheGreenTraceOfTheSum() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    for (int i = 0; i < 500 && w.Amplitude > 33; ++i)
      press(w.Command6);
    press(w.Check2);
    QCOMPARE(w.Check2.value(), 1);
    std::vector<int> green;
    fake.onPause = [&](int n) {
      green.push_back(pixelsOf(w.Picture1, ui::kGreen));
      if (n == 40) press(w.Command5);
    };
    press(w.Command4);
    QCOMPARE(int(green.size()), 40);
    QVERIFY(green.back() > 3 * green.front());
    QVERIFY(pixelsOf(w.Picture1, ui::kGreen) > green.front());  // it stays after "Стоп"
    // Unchecked, the next animation wipes each sum again: only wave 1's last trace remains.
    press(w.Check2);
    press(w.Command1);
    fake.onPause = [&](int n) {
      if (n == 43) press(w.Command5);
    };
    press(w.Command4);
    QCOMPARE(pixelsOf(w.Picture1, ui::kGreen), 0);
  }

  void stopDuringALightPictureMarksWaveOneAtTheWavelength() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    fake.onPause = [&](int n) {
      if (n == 1 || n == 3) press(w.Command5);
    };
    press(w.Command2);  // a wave flag stays set
    w.Picture1.setLogging(true);
    press(w.Command8);
    QCOMPARE(w.Running, qint16(0));
    const auto red = records(w.Picture1.log(), DrawRecord::PSet, ui::kRed);
    QVERIFY(red.size() > 15000);  // pi / 400 apart
    QVERIFY(std::fabs(red[1].p1.x() - 8 * 3.1415 / 400) < 1e-9);
    // The picture stays grey; a start button makes it white again.
    QVERIFY(pixelsOf(w.Picture1, fringes::kGrey) > 1000);
    press(w.Command1);
    QVERIFY(pixelsOf(w.Picture1, fringes::kGrey) > 1000);
    QCOMPARE(pixelsOf(w.Picture1, ui::kWhite), 0);
  }

  void stopTwiceShowsTheStoppingInstantAgain() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    keys(w.VScroll1, Qt::Key_Up, 4);
    std::vector<double> times;
    fake.onPause = [&](int n) {
      times.push_back(w.CurrentTime);
      if (n == 2 || n == 4) press(w.Command5);
    };
    press(w.Command3);
    press(w.Command5);
    QCOMPARE(times, (std::vector<double>{5, 10, 10, 15}));
    press(w.Command1);  // keeps the time
    QCOMPARE(w.CurrentTime, 15.0);
  }

  // Wave 1 stopped; in a light picture's third pause "Стоп", then "Стоп" again after it or in
  // that pause, or "Волна1" there: wave 1 runs three frames. Every pass wipes in the picture's
  // background, grey or white, and leaves none of the other.
  void wavesAndLightWipeInTheBackground() {
    for (auto picture : {&Form1::Command7, &Form1::Command8, &Form1::Command9})
      for (int mode : {0, 1, 2}) {  // "Стоп" twice, in one pause; "Волна1" in the pause
        ui::testkit::FakePlatform fake;
        Form1 w;
        w.show();
        fake.onPause = [&](int n) {
          if (n == 2 || n == 8 || (n == 5 && mode < 2)) press(w.Command5);
          if (n == 5 && mode > 0) press(mode == 1 ? w.Command5 : w.Command2);
        };
        press(w.Command2);
        press(w.*picture);
        if (mode == 0) press(w.Command5);
        QCOMPARE(fake.pauses(), 8);
        const bool white = w.Picture1.backColor() == ui::kWhite;
        QCOMPARE(pixelsOf(w.Picture1, white ? fringes::kGrey : ui::kWhite), 0);
      }
  }

  void clickingTheBareWindowEndsTheProgram() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    w.click();
    QVERIFY(fake.ended);
  }

  void monkey() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    ui::testkit::Monkey monkey(fake, 12);
    monkey.addWindow(w);
    monkey.addStopControl(w.Command5);
    const auto r = monkey.run(400);
    QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure));
    QVERIFY(r.pauses > 0);
    QVERIFY(r.nested > 0);
  }
};

LESSON_TEST(FringesWindowTest)
LESSON_TEST_MAIN()

#include "tst_fringes.moc"
