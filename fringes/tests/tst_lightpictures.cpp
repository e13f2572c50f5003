// SPDX-License-Identifier: GPL-3.0-or-later
// The light pictures of the Fringes window: the colour bands, the slits, screen and fringes of
// the interference picture, the rays of the grating meeting on the screen, the spectrum that
// builds up with "Спектр", and frames wiped exactly.
#include <cmath>

#include "fringestest.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/testmain.h"

using fringes::Form1;
using fringes::kGrey;
using ui::DrawRecord;
using namespace fringes::test;

namespace {

constexpr ui::Color kViolet = ui::RGB(255, 0, 255);

// Runs one frame of a light picture at a wavelength; the log holds the frame up to the pause
// (`drawn` records) and its wiping after it.
struct OneFrame {
  ui::testkit::FakePlatform fake;
  Form1 w;
  size_t drawn = 0;

  OneFrame(int nm, ui::CommandButton Form1::*button) {
    w.show();
    chooseWavelength(w, nm);
    w.Picture1.setLogging(true);
    fake.onPause = [this](int) {
      drawn = w.Picture1.log().size();
      w.Running = 0;
    };
    press(w.*button);
  }
  std::vector<DrawRecord> frame() const {
    return {w.Picture1.log().begin(), w.Picture1.log().begin() + drawn};
  }
  std::vector<DrawRecord> wiping() const {
    return {w.Picture1.log().begin() + drawn, w.Picture1.log().end()};
  }
};

}  // namespace

class LightPicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void theColourOfTheWavelength_data() {
    QTest::addColumn<int>("nm");
    QTest::addColumn<ui::Color>("colour");
    QTest::newRow("400") << 400 << kViolet;
    QTest::newRow("440") << 440 << kViolet;
    QTest::newRow("441") << 441 << ui::RGB(0, 0, 255);
    QTest::newRow("490") << 490 << ui::RGB(0, 0, 255);
    QTest::newRow("491") << 491 << ui::RGB(0, 255, 255);
    QTest::newRow("540") << 540 << ui::RGB(0, 255, 255);
    QTest::newRow("541") << 541 << ui::RGB(0, 255, 0);
    QTest::newRow("590") << 590 << ui::RGB(0, 255, 0);
    QTest::newRow("591") << 591 << ui::RGB(255, 255, 0);
    QTest::newRow("650") << 650 << ui::RGB(255, 255, 0);
    QTest::newRow("651") << 651 << ui::RGB(255, 128, 0);
    QTest::newRow("700") << 700 << ui::RGB(255, 128, 0);
    QTest::newRow("701") << 701 << ui::RGB(255, 0, 0);
    QTest::newRow("760") << 760 << ui::RGB(255, 0, 0);
  }
  void theColourOfTheWavelength() {
    QFETCH(int, nm);
    QFETCH(ui::Color, colour);
    OneFrame f(nm, &Form1::Command9);
    QCOMPARE(f.w.WaveColour, colour);
    // The incoming light, ten lines above the axis and ten below, the two rays, their marks and
    // the zero order are drawn in it.
    QCOMPARE(int(records(f.frame(), DrawRecord::Line, colour).size()), 20 + 5);
  }

  void interference_data() {
    QTest::addColumn<int>("nm");
    QTest::addColumn<double>("slit");    // inner edge of each slit, y
    QTest::addColumn<double>("screen");  // x of the screen
    QTest::addColumn<double>("fringe");  // y of the first-order fringes
    QTest::addColumn<ui::Color>("colour");
    // The twentieth wavefront, 20 steps of nm / 200 + 25, and its angles pi (4 - nm/1000) / 2
    // and pi / (3.6 - nm/1000) with pi = 3.1415, worked out once.
    QTest::addColumn<double>("reach");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::newRow("400") << 400 << 8.0 << 740.0 << 80.0 << kViolet << 540.0 << 5.6547 << 0.98171875;
    QTest::newRow("760") << 760 << 15.2 << 776.0 << 152.0 << ui::RGB(255, 0, 0) << 576.0 << 5.08923
                         << 1.10616197;
  }
  void interference() {
    QFETCH(int, nm);
    QFETCH(double, slit);
    QFETCH(double, screen);
    QFETCH(double, fringe);
    QFETCH(ui::Color, colour);
    QFETCH(double, reach);
    QFETCH(double, start);
    QFETCH(double, end);
    OneFrame f(nm, &Form1::Command8);
    const auto frame = f.frame();
    // The barrier, three pixels wide: a middle piece to +-slit and walls from +-20 outwards.
    QVERIFY(hasLine(frame, {200, 0}, {200, slit}, ui::kBlack, 3));
    QVERIFY(hasLine(frame, {200, 0}, {200, -slit}, ui::kBlack, 3));
    QVERIFY(hasLine(frame, {200, 20}, {200, 20 + slit}, ui::kBlack, 3));
    QVERIFY(hasLine(frame, {200, 20 + slit}, {200, 220 + slit}, ui::kBlack, 3));
    QVERIFY(hasLine(frame, {200, -20 - slit}, {200, -220 - slit}, ui::kBlack, 3));
    // Nothing black crosses the openings.
    for (const DrawRecord& r : records(frame, DrawRecord::Line, ui::kBlack))
      if (r.p1.x() == 200 && r.p2.x() == 200) {
        const double lo = std::min(std::fabs(r.p1.y()), std::fabs(r.p2.y()));
        const double hi = std::max(std::fabs(r.p1.y()), std::fabs(r.p2.y()));
        QVERIFY(hi <= slit + 1e-9 || lo >= 20 - 1e-9);
      }
    // The screen where the last wavefront reaches, and the fringes on it.
    QVERIFY(hasLine(frame, {screen, -200}, {screen, 200}, ui::kBlack, 3));
    QVERIFY(hasLine(frame, {screen, -fringe}, {screen + 100, -fringe}, colour, 3));
    QVERIFY(hasLine(frame, {screen, fringe}, {screen + 100, fringe}, colour, 3));
    QVERIFY(hasLine(frame, {screen, 0}, {screen + 100, 0}, colour, 5));
    // Twenty wavefronts from each slit, radius steps of nm / 200 + 25.
    const auto arcs = records(frame, DrawRecord::Circle, colour);
    QCOMPARE(int(arcs.size()), 40);
    QVERIFY(std::fabs(arcs[19].radius - reach) < 1e-4);
    QVERIFY(std::fabs(arcs[0].radius - reach / 20) < 1e-5);
    QCOMPARE(arcs[0].p1, QPointF(200, -20));
    QCOMPARE(arcs[20].p1, QPointF(200, 20));
    QVERIFY(std::fabs(*arcs[0].start - start) < 1e-6);
    QVERIFY(std::fabs(*arcs[0].end - end) < 1e-6);
    QCOMPARE(arcs[0].width, 3);
    // Wiped wider, over the widest opening, fringes and screen included.
    const auto wiping = f.wiping();
    const auto wide = records(wiping, DrawRecord::Circle, kGrey);
    QCOMPARE(int(wide.size()), 40);
    QCOMPARE(wide[5].width, 6);
    QVERIFY(std::fabs(*wide[5].start - 5.0264) < 1e-9);       // pi · 3.2 / 2
    QVERIFY(std::fabs(*wide[5].end - 1.12196428571) < 1e-9);  // pi / 2.8
    QVERIFY(hasLine(wiping, {screen, -200}, {screen, 200}, kGrey, 6));
    QVERIFY(hasLine(wiping, {screen, -fringe}, {screen + 100, -fringe}, kGrey, 6));
    QVERIFY(hasLine(wiping, {screen, 0}, {screen + 100, 0}, kGrey, 5));
    // On the raster nothing of the frame is left right of the barrier.
    const QImage& img = f.w.Picture1.image();
    const QRgb want = qRgb(qRed(colour), qGreen(colour), qBlue(colour));
    const int from = f.w.Picture1.toPixel(206, 0).x();
    int left = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = from; x < img.width(); ++x)
        if ((img.pixel(x, y) & 0xFFFFFF) == (want & 0xFFFFFF)) ++left;
    QCOMPARE(left, 0);
  }

  void theGratingRaysMeetOnTheScreen_data() {
    QTest::addColumn<int>("nm");
    QTest::addColumn<double>("meet");  // nm / 5
    QTest::newRow("400") << 400 << 80.0;
    QTest::newRow("587") << 587 << 117.4;
    QTest::newRow("760") << 760 << 152.0;
  }
  void theGratingRaysMeetOnTheScreen() {
    QFETCH(int, nm);
    QFETCH(double, meet);
    OneFrame f(nm, &Form1::Command7);
    const auto rays = records(f.frame(), DrawRecord::Line, f.w.WaveColour);
    int meetAbove = 0, meetBelow = 0;
    for (const DrawRecord& r : rays) {
      if (r.p1.x() != 500 || r.p2.x() != 700) continue;
      if (std::fabs(r.p2.y() + meet) < 1e-9) ++meetAbove;
      if (std::fabs(r.p2.y() - meet) < 1e-9) ++meetBelow;
    }
    QCOMPARE(meetAbove, 3);
    QCOMPARE(meetBelow, 3);
    // Each ray leaves its slit, bends at the lens at x = 500.
    QVERIFY(hasLine(rays, {200, -40}, {500, -40 - meet}, f.w.WaveColour, 1));
    QVERIFY(hasLine(rays, {700, -meet}, {800, -meet}, f.w.WaveColour, 3));
    QVERIFY(hasLine(rays, {700, 0}, {800, 0}, f.w.WaveColour, 3));
    // The lens and the screen, three pixels wide.
    QVERIFY(hasLine(f.frame(), {500, 0}, {500, -190}, ui::kBlack, 3));
    QVERIFY(hasLine(f.frame(), {500, 190}, {490, 180}, ui::kBlack, 3));
    QVERIFY(hasLine(f.frame(), {700, -200}, {700, 200}, ui::kBlack, 3));
    // Grating lines twice as long below the axis as above.
    QVERIFY(hasLine(f.frame(), {200, 20}, {200, 20 + meet / 20}, ui::kBlack, 3));
    QVERIFY(hasLine(f.frame(), {200, -20}, {200, -20 - meet / 40}, ui::kBlack, 3));
    // Unchecked "Спектр": rays and marks wiped, the picture back to grey right of the grating.
    QCOMPARE(int(records(f.wiping(), DrawRecord::Line, kGrey).size()), 1 + 6 * 3 + 1);
  }

  void theMeasurementRayGoesStraightToTheScreen() {
    OneFrame f(500, &Form1::Command9);
    const auto frame = f.frame();
    const ui::Color cyan = ui::RGB(0, 255, 255);
    QVERIFY(hasLine(frame, {200, -20}, {700, -120}, cyan, 1));
    QVERIFY(hasLine(frame, {700, -120}, {800, -120}, cyan, 3));  // mark at -(20 + nm / 5)
    QVERIFY(hasLine(frame, {200, 20}, {700, 120}, cyan, 1));
    QVERIFY(hasLine(frame, {700, 120}, {800, 120}, cyan, 3));
    QVERIFY(hasLine(frame, {700, 0}, {800, 0}, cyan, 3));
    for (const DrawRecord& r : records(frame, DrawRecord::Line, ui::kBlack))
      QVERIFY(r.p1.x() != 500 || std::fabs(r.p2.y() - r.p1.y()) <= 10);  // a tick, no lens
    QVERIFY(hasLine(f.wiping(), {200, 20}, {700, 120}, kGrey, 1));
  }

  void theAxesOfTheLightPictures() {
    OneFrame f(400, &Form1::Command8);
    QStringList printed;
    for (const DrawRecord& r : f.frame())
      if (r.kind == DrawRecord::Print) printed << r.text.trimmed();
    QCOMPARE(printed, QStringList({"1", "2", "3", "4", "5", "6", "7", "8"}));
    QVERIFY(hasLine(f.frame(), {0, -200}, {0, 200}, ui::kBlack, 1));
    QVERIFY(hasLine(f.frame(), {200, -5}, {200, 5}, ui::kBlack, 1));
  }

  void aSweepWithSpectrumLeavesTheFirstOrderMarks() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    press(w.Check1);
    const int sweep[] = {400, 460, 520, 560, 620, 680, 740};
    const ui::Color colours[] = {kViolet,
                                 ui::RGB(0, 0, 255),
                                 ui::RGB(0, 255, 255),
                                 ui::RGB(0, 255, 0),
                                 ui::RGB(255, 255, 0),
                                 ui::RGB(255, 128, 0),
                                 ui::RGB(255, 0, 0)};
    const auto colourAt = [&w](double y) {
      const QPoint p = w.Picture1.toPixel(760, y);
      return w.Picture1.pixel(p.x(), p.y());
    };
    QList<ui::Color> marks, expected;
    fake.onPause = [&](int n) {
      if (n < 7) keys(w.HScroll3, Qt::Key_Right, sweep[n] - sweep[n - 1]);
      if (n == 7) {
        for (int i = 0; i < 7; ++i)
          for (int side : {-1, 1}) {
            marks << colourAt(side * sweep[i] / 5.0);
            expected << colours[i];
          }
        // Unchecked, the next frames wipe their own marks and leave the earlier ones.
        press(w.Check1);
        keys(w.HScroll3, Qt::Key_Left, 740 - 430);
      }
      if (n == 9) press(w.Command5);
    };
    press(w.Command7);
    QCOMPARE(marks, expected);
    QCOMPARE(colourAt(0), kGrey);  // the zero order is always wiped
    QCOMPARE(colourAt(-86), kGrey);
    QCOMPARE(colourAt(-148), kGrey);
    QCOMPARE(colourAt(-136), ui::RGB(255, 128, 0));
    QCOMPARE(colourAt(80), kViolet);
  }

  void lightButtonsLeaveTheLabelsAlone() {
    ui::testkit::FakePlatform fake;
    Form1 w;
    w.show();
    chooseWavelength(w, 655);
    QStringList before;
    for (ui::Control* c : w.controls())
      if (auto* l = dynamic_cast<ui::Label*>(c)) before << l->caption();
    fake.onPause = [&](int n) {
      if (n % 3 == 0) press(w.Command5);
    };
    for (ui::CommandButton* b : {&w.Command7, &w.Command8, &w.Command9})
      press(*b);
    QStringList after;
    for (ui::Control* c : w.controls())
      if (auto* l = dynamic_cast<ui::Label*>(c)) after << l->caption();
    QCOMPARE(after, before);
    QCOMPARE(fake.pauses(), 9);
  }
};

LESSON_TEST(LightPicturesTest)

#include "tst_lightpictures.moc"
