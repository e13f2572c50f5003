// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures at ratios between whole numbers and through a change of ratio, on a screen at 125 %.
#include <QtTest>

#include "ui/axes.h"
#include "ui/controls.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/pupil.h"
#include "ui/testkit/testmain.h"

using namespace ui;

namespace {

// Figures of `cell` logical pixels tiling a 40 × 20 picture at 100 %: points where the cell is
// one pixel, lines where it is one pixel high or wide, filled boxes otherwise.
void drawTiling(Canvas& c, QSize cell, Color colour) {
  c.scale(0, 0, 40, 20);
  const int w = cell.width(), h = cell.height();
  const LineMode mode = w > 1 && h > 1 ? LineMode::FilledBox : LineMode::Line;
  for (int y = 0; y < 20; y += h)
    for (int x = 0; x < 40; x += w)
      if (w * h == 1)
        c.pset(At(x + 0.25, y + 0.25), colour);
      else
        c.line(At(x + 0.25, y + 0.25), At(x + w - 0.75, y + h - 0.75), colour, mode);
}

// A line, circles, a text, a filled box, arcs and hatching, in `colour`.
void drawFigures(Canvas& c, Color colour) {
  c.scale(0, 15, 35, -5);
  c.setForeColor(colour);
  c.setFillColor(colour);
  c.setDrawWidth(1);
  c.line(At(0.3, 0.2), At(33.7, 13.9), colour);
  c.circle(At(20.2, 5.7), 3.3, colour);
  c.circle(At(8, 3), 0.4, colour);
  c.pset(At(2, 13));
  c.setFontSize(14);
  c.print("мкН 17,5");
  c.line(At(10, 1), At(12.3, 3.3), colour, LineMode::FilledBox);
  c.setDrawWidth(6);
  c.circle(At(15, 5), 4, colour, 0.5, 2.5);
  c.setDrawWidth(1);
  c.circle(At(28, 2), 4, colour, -0.3, -1.9);
  c.setFillStyle(kFillHorizontal);
  c.line(At(2, 2), At(7.5, 9.25), colour, LineMode::Box);
  c.setFillStyle(kFillVertical);
  c.circle(At(27, 10), 3, colour);
  c.setFillStyle(kFillTransparent);
  for (double x = 0; x < 35; x += 0.7)
    c.marker(At(x, 5 * std::sin(x)), 0.4, colour);
}

}  // namespace

class RatioChangeTest : public QObject {
  Q_OBJECT
  // Raster pixels that are not white.
  static int ink(const QImage& i) { return i.width() * i.height() - testkit::pixelsOf(i, kWhite); }
  static void blank(Canvas& c, QSize size, double ratio) {
    c.resizePixels(size, ratio);
    c.setBackColor(kWhite);
  }

 private slots:
  void oneLogicalPixelFiguresTileAtEveryRatio_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QSize>("cell");
    const std::pair<const char*, QSize> tilings[] = {
        {"points", {1, 1}}, {"rows", {40, 1}}, {"columns", {1, 20}}, {"filled boxes", {4, 5}}};
    for (const double ratio : {1.0, 1.1, 1.25, 1.4, 1.5, 1.75, 2.0})
      for (const auto& [name, cell] : tilings)
        QTest::addRow("%s at %g", name, ratio) << ratio << cell;
  }
  void oneLogicalPixelFiguresTileAtEveryRatio() {
    QFETCH(double, ratio);
    QFETCH(QSize, cell);
    Canvas c;
    blank(c, QSize(40, 20), ratio);
    drawTiling(c, cell, kBlue);
    const QRect inside(0, 0, int(40 * ratio), int(20 * ratio));  // raster wholly in the picture
    QCOMPARE(testkit::pixelsOf(c.image(), kBlue, inside), inside.width() * inside.height());
    drawTiling(c, cell, kWhite);
    QCOMPARE(ink(c.image()), 0);
  }

  void aRepaintShowsEveryRasterPixel() {
    testkit::FakePlatform fake;
    Form f("Form1", 6000, 4000);
    PictureBox p(&f, "Picture1", {120, 120, 4530, 3015});
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window()));
    QCOMPARE(p.devicePixelRatio(), 1.25);
    p.setBackColor(kWhite);
    p.line(At(0, 0), At(p.scaleWidth(), p.scaleHeight()), kRed, LineMode::FilledBox);
    p.widget()->update();
    QTest::qWait(100);
    p.cls();
    QTest::qWait(100);
    QWidget* window = p.widget()->window();  // its own pixels as they stand, not a new rendering
    const QImage shown = window->screen()->grabWindow(window->winId()).toImage();
    QVERIFY(!shown.isNull());
    QCOMPARE(testkit::pixelsOf(shown.convertToFormat(QImage::Format_RGB32), kRed), 0);
  }

  // The window's own pixels hold the picture's raster whole, one to one: none dropped, doubled
  // or blended, at zooms on this screen.
  void theScreenShowsTheRasterPixelForPixel_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("ratio");
    QTest::newRow("100 %") << "" << 1.25;
    QTest::newRow("125 %") << "Ctrl+=" << 1.5625;
    QTest::newRow("150 %") << "Ctrl+=, Ctrl+=" << 1.875;
    QTest::newRow("90 %") << "Ctrl+-" << 1.125;
  }
  void theScreenShowsTheRasterPixelForPixel() {
    QFETCH(QString, keys);
    QFETCH(double, ratio);
    testkit::FakePlatform fake;
    Form f("Form1", 6000, 4000);
    PictureBox p(&f, "Picture1", {135, 105, 4530, 3015});
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window()));
    for (const QString& k : keys.split(QStringLiteral(", "), Qt::SkipEmptyParts))
      QTest::keySequence(f.window(), QKeySequence(k));
    QCOMPARE(p.devicePixelRatio(), ratio);
    p.setBackColor(kWhite);
    p.scale(0, 0, 100, 100);
    p.circle(At(40, 50), 30, kRed);
    p.line(At(0, 0), At(100, 100), kBlue);
    p.line(At(99, 0), At(99, 99), kBlack);
    QTest::qWait(100);
    QWidget* window = p.widget()->window();
    const QImage shown = window->screen()
                             ->grabWindow(window->winId())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QImage raster = p.image().convertToFormat(QImage::Format_RGB32);
    int places = 0;
    for (int x = 0; x + raster.width() <= shown.width(); ++x)
      for (int y = 0; y + raster.height() <= shown.height(); ++y) {
        QImage crop = shown.copy(QRect(QPoint(x, y), raster.size()));
        crop.setDevicePixelRatio(raster.devicePixelRatio());
        places += crop == raster;
      }
    QCOMPARE(places, 1);
  }

  void aTextCopiedFromItsThirdPrintingKeepsAllItsInk_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<FontSpec>("font");
    QTest::addColumn<double>("ratio");
    const QString sans = QStringLiteral("DejaVu Sans"), serif = QStringLiteral("DejaVu Serif");
    QTest::newRow("accented f at 1") << QStringLiteral("f\u0302j") << FontSpec{sans, 8.25} << 1.0;
    QTest::newRow("accents at 1.75")
        << QStringLiteral("f\u0302\u0302j Ǻ\u0323") << FontSpec{sans, 24, true} << 1.75;
    QTest::newRow("italic at 1.75")
        << QStringLiteral("fjƒ\u0302") << FontSpec{serif, 24, true, true} << 1.75;
  }
  void aTextCopiedFromItsThirdPrintingKeepsAllItsInk() {
    QFETCH(QString, text);
    QFETCH(FontSpec, font);
    QFETCH(double, ratio);
    Canvas copied, drawn;
    for (Canvas* c : {&copied, &drawn}) {
      blank(*c, QSize(300, 120), ratio);
      c->setFont(font);
    }
    for (Canvas* c : {&copied, &copied, &copied, &drawn}) {
      if (c == &copied) c->cls();
      c->pset(At(300, 600));
      c->print(text);
    }
    QVERIFY(ink(drawn.image()) > 20);
    QCOMPARE(ink(copied.image()), ink(drawn.image()));
    QVERIFY(copied.image() == drawn.image());
  }

  void aPictureIsDrawnAgainAtANewRatio_data() {
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    const std::pair<double, double> changes[] = {{1, 1.5}, {1, 1.25}, {1, 2},    {1.5, 1},
                                                 {2, 1},   {1.25, 2}, {1, 1.75}, {2.2, 1.1}};
    for (const auto& [from, to] : changes)
      QTest::addRow("%g to %g", from, to) << from << to;
  }
  void aPictureIsDrawnAgainAtANewRatio() {
    QFETCH(double, from);
    QFETCH(double, to);
    Canvas changed, fresh, back;
    for (auto [c, ratio] : {std::pair{&changed, from}, {&fresh, to}, {&back, from}}) {
      blank(*c, QSize(150, 100), ratio);
      drawFigures(*c, kRed);
    }
    changed.resizePixels(QSize(150, 100), to);
    QVERIFY(ink(fresh.image()) > 500);
    QVERIFY(changed.image() == fresh.image());
    changed.resizePixels(QSize(150, 100), from);
    QVERIFY(changed.image() == back.image());
    changed.resizePixels(QSize(150, 100), to);
    drawFigures(changed, kWhite);
    QCOMPARE(ink(changed.image()), 0);
  }

  // Frames as the wave lessons draw them: the axes twice, a curve of points with small circles,
  // a pause, the curve wiped and a second curve wiped that was never drawn. Over 100 000
  // figures pass; a change of ratio at a pause then leaves the very picture drawn afresh at
  // the new ratio, and wiping the curve after it leaves no trace.
  void aLongAnimationChangesRatioWithoutATrace_data() {
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::newRow("1 to 1.25") << 1.0 << 1.25;
    QTest::newRow("1.75 to 1") << 1.75 << 1.0;
    QTest::newRow("1 to 2.2") << 1.0 << 2.2;
  }
  void aLongAnimationChangesRatioWithoutATrace() {
    QFETCH(double, from);
    QFETCH(double, to);
    const auto axes = [](Canvas& c) {
      c.line(At(0, 0), At(300, 0), kBlack);
      c.line(At(0, -1), At(0, 1), kBlack);
      for (int x = 0; x <= 300; x += 25)
        c.line(At(x, -0.05), At(x, 0.05), kBlack);
    };
    const auto curve = [](Canvas& c, double phase, Color colour) {
      for (double x = 0; x < 300; x += 0.5)
        c.marker(At(x, 0.8 * std::sin(x / 15 + phase)), 1, colour);
    };
    Canvas c, fresh;
    for (auto [canvas, ratio] : {std::pair{&c, from}, {&fresh, to}}) {
      blank(*canvas, QSize(300, 120), ratio);
      canvas->scale(0, -1, 300, 1);
    }
    for (int frame = 0; frame < 60; ++frame) {
      axes(c);
      axes(c);
      curve(c, frame * 0.2, kBlue);
      if (frame == 59) break;
      curve(c, frame * 0.2, kWhite);
      curve(c, frame * 0.2 + 1, kWhite);
    }
    c.resizePixels(QSize(300, 120), to);
    axes(fresh);
    curve(fresh, 59 * 0.2, kBlue);
    QVERIFY(ink(fresh.image()) > 1000);
    QVERIFY(c.image() == fresh.image());
    curve(c, 59 * 0.2, kWhite);
    curve(fresh, 59 * 0.2, kWhite);
    QVERIFY(c.image() == fresh.image());
  }

  // A resonance curve drawn whole every frame over the last, nothing wiped, its label changing:
  // the log holds one frame's figures, not every frame's until its bound.
  void aPictureDrawnAgainEveryFrameIsKeptOnce() {
    Canvas c;
    blank(c, QSize(300, 120), 1.25);
    c.scale(0, -1, 300, 1);
    for (int frame = 0; frame < 40; ++frame) {
      c.line(At(0, 0), At(300, 0), kBlack);
      c.line(At(0, 0), At(0, 1), kBlack);
      c.setCurrentX(250);
      c.setCurrentY(0.9);
      c.print(QStringLiteral("w0 = ") + QString::number(frame));
      for (double x = 1; x < 300; x += 0.5)
        c.marker(At(x, 0.9 / (1 + (x - 150) * (x - 150) / 400)), 1, kBlue);
      DoEvents();
      // 598 points, two lines and a label a frame.
      QVERIFY2(c.keptFigures() <= 700, QByteArray::number(qulonglong(c.keptFigures())));
    }
  }

  // So too where the whole axes came once before, and every frame draws them with other labels
  // and then the same curve, each point and its circle drawn by two calls.
  void aCurveDrawnAgainAfterOtherAxesIsKeptOnce() {
    Canvas c;
    blank(c, QSize(300, 120), 1.25);
    c.scale(0, -200, 1000, 200);
    int counter = 0;
    drawTimeAxes(c);
    drawXTicks(c, counter);
    drawYTicks(c, counter);
    for (int frame = 0; frame < 4; ++frame) {
      drawTimeAxes(c);
      drawXTicks(c, counter, 100);
      for (double x = 4; x < 1000; x += 0.5) {
        c.pset(At(x, -150 / (1 + (x - 500) * (x - 500) / 4000)), kBlue);
        c.circle(Step(0, 0), 1, kBlue);
      }
      DoEvents();
      // 1992 points and as many circles a frame, and the axes.
      QVERIFY2(c.keptFigures() <= 4200, QByteArray::number(qulonglong(c.keptFigures())));
    }
  }

  void anAnimationKeepsTheLogSmallAndAHugePictureIsResampled() {
    Canvas c;
    blank(c, QSize(400, 200), 1);
    c.scale(0, -1, 400, 1);
    c.line(At(0, 0), At(400, 0), kBlack);
    auto wave = [&](double phase, Color colour) {
      for (double x = 0; x < 400; x += 0.1)
        c.pset(At(x, 0.8 * std::sin(x / 20 + phase)), colour);
    };
    for (int frame = 0; frame < 60; ++frame) {
      wave(frame * 0.1, kBlue);
      c.resizePixels(QSize(400, 200), frame % 2 ? 1.0 : 1.5);
      wave(frame * 0.1, kWhite);
    }
    QVERIFY(c.keptFigures() <= 2);
    c.resizePixels(QSize(400, 200), 1);
    c.line(At(0, 0), At(400, 0), kWhite);
    QCOMPARE(ink(c.image()), 0);
    for (int i = 0; i < 100; ++i)
      wave(i * 0.01, kBlue);
    QCOMPARE(c.keptFigures(), size_t(0));  // past the bound: nothing kept
    c.resizePixels(QSize(400, 200), 2);
    QVERIFY(ink(c.image()) > 4000);
    c.cls();
    c.pset(At(10, 0), kBlue);
    QCOMPARE(c.keptFigures(), size_t(1));
  }
};

LESSON_TEST(RatioChangeTest)

int main(int argc, char** argv) {
  qputenv("QT_SCALE_FACTOR", "1.25");
  return ui::testkit::runRegisteredTests(argc, argv);
}
#include "tst_ratiochange.moc"
