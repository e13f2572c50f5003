// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures at ratios between whole numbers and through a change of ratio: one-pixel figures
// tile, a repaint shows every raster pixel, copied texts keep all their ink, and a picture
// drawn before a change equals the same figures drawn after it and still erases exactly. The
// program runs as on a screen scaled to 125 %.
#include <QFrame>
#include <QtTest>

#include "ui/canvas.h"
#include "ui/controls.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/testmain.h"

using namespace ui;

namespace {

// Raster pixels not of `colour` inside `area` (the whole raster when empty).
int pixelsNot(const QImage& img, QRgb colour, QRect area = {}) {
  if (area.isEmpty()) area = img.rect();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (img.pixel(x, y) != colour) ++n;
  return n;
}

constexpr QRgb kWhiteRgb = 0xFFFFFFFFu;

enum Tiling { Points, Rows, Columns, Cells };

// Figures tiling a 40 × 20 picture at 100 %, one logical pixel a unit.
void drawTiling(Canvas& c, Tiling t, Color colour) {
  c.scale(0, 0, 40, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x)
      switch (t) {
        case Points:
          c.pset(At(x + 0.25, y + 0.25), colour);
          break;
        case Rows:
          if (x == 0) c.line(At(0.25, y + 0.25), At(39.25, y + 0.25), colour);
          break;
        case Columns:
          if (y == 0) c.line(At(x + 0.25, 0.25), At(x + 0.25, 19.25), colour);
          break;
        case Cells:
          if (x % 4 == 0 && y % 5 == 0)
            c.line(At(x + 0.25, y + 0.25), At(x + 3.25, y + 4.25), colour, LineMode::FilledBox);
          break;
      }
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

class Picture : public Form {
 public:
  Picture() : Form("Form1", 6000, 4000) {}
  PictureBox Picture1{this, "Picture1", {120, 120, 4530, 3015}};
};

}  // namespace

class RatioChangeTest : public QObject {
  Q_OBJECT

 private slots:
  void oneLogicalPixelFiguresTileAtEveryRatio_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("tiling");
    const std::pair<const char*, Tiling> tilings[] = {
        {"points", Points}, {"rows", Rows}, {"columns", Columns}, {"filled boxes", Cells}};
    for (const double ratio : {1.0, 1.1, 1.25, 1.4, 1.5, 1.75, 2.0})
      for (const auto& [name, tiling] : tilings)
        QTest::addRow("%s at %g", name, ratio) << ratio << int(tiling);
  }
  void oneLogicalPixelFiguresTileAtEveryRatio() {
    QFETCH(double, ratio);
    QFETCH(int, tiling);
    Canvas c;
    c.resizePixels(QSize(40, 20), ratio);
    c.setBackColor(kWhite);
    drawTiling(c, Tiling(tiling), kBlue);
    // Every raster pixel wholly inside the logical picture is covered.
    const QRect inside(0, 0, int(40 * ratio), int(20 * ratio));
    QCOMPARE(pixelsNot(c.image(), qRgb(0, 0, 255), inside), 0);
    drawTiling(c, Tiling(tiling), kWhite);
    QCOMPARE(pixelsNot(c.image(), kWhiteRgb), 0);
  }

  void aRepaintShowsEveryRasterPixel() {
    testkit::FakePlatform fake;
    Picture f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window()));
    PictureBox& p = f.Picture1;
    QCOMPARE(p.devicePixelRatio(), 1.25);
    p.setBackColor(kWhite);
    p.line(At(0, 0), At(p.scaleWidth(), p.scaleHeight()), kRed, LineMode::FilledBox);
    p.widget()->update();
    QTest::qWait(100);
    p.cls();
    QTest::qWait(100);
    // The window's own pixels as they stand, not a fresh rendering.
    QWidget* window = p.widget()->window();
    const QImage shown = window->screen()->grabWindow(window->winId()).toImage();
    QVERIFY(!shown.isNull());
    const QRgb red = qRgb(255, 0, 0);
    int left = 0;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x)
        if (shown.pixel(x, y) == red) ++left;
    QCOMPARE(left, 0);
  }

  void aTextCopiedFromItsThirdPrintingKeepsAllItsInk_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("font");
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<double>("ratio");
    const QString sans = QStringLiteral("DejaVu Sans"), serif = QStringLiteral("DejaVu Serif");
    QTest::newRow("accented f at 1") << QStringLiteral("f\u0302j") << sans << 8.25 << false << 1.0;
    QTest::newRow("accents at 1.75")
        << QStringLiteral("f\u0302\u0302j Ǻ\u0323") << sans << 24.0 << false << 1.75;
    QTest::newRow("italic at 1.75") << QStringLiteral("fjƒ\u0302") << serif << 24.0 << true << 1.75;
  }
  void aTextCopiedFromItsThirdPrintingKeepsAllItsInk() {
    QFETCH(QString, text);
    QFETCH(QString, font);
    QFETCH(double, size);
    QFETCH(bool, italic);
    QFETCH(double, ratio);
    Canvas copied, drawn;
    for (Canvas* c : {&copied, &drawn}) {
      c->resizePixels(QSize(300, 120), ratio);
      c->setBackColor(kWhite);
      c->setFont(FontSpec{font, size, ratio > 1, italic, false});
    }
    for (int i = 0; i < 3; ++i) {
      copied.cls();
      copied.pset(At(300, 600));
      copied.print(text);
    }
    drawn.pset(At(300, 600));
    drawn.print(text);
    QVERIFY(pixelsNot(drawn.image(), kWhiteRgb) > 20);
    QCOMPARE(pixelsNot(copied.image(), kWhiteRgb), pixelsNot(drawn.image(), kWhiteRgb));
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
      c->resizePixels(QSize(150, 100), ratio);
      c->setBackColor(kWhite);
      drawFigures(*c, kRed);
    }
    changed.resizePixels(QSize(150, 100), to);
    QVERIFY(pixelsNot(fresh.image(), kWhiteRgb) > 500);
    QVERIFY(changed.image() == fresh.image());
    changed.resizePixels(QSize(150, 100), from);
    QVERIFY(changed.image() == back.image());
    changed.resizePixels(QSize(150, 100), to);
    drawFigures(changed, kWhite);
    QCOMPARE(pixelsNot(changed.image(), kWhiteRgb), 0);
  }

  // Thousands of points drawn and wiped a frame, as the wave lessons do, keep the log small;
  // a picture past the bound is resampled and the canvas keeps working.
  void anAnimationKeepsTheLogSmallAndAHugePictureIsResampled() {
    Canvas c;
    c.resizePixels(QSize(400, 200), 1);
    c.setBackColor(kWhite);
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
    QCOMPARE(pixelsNot(c.image(), kWhiteRgb), 0);

    for (int i = 0; i < 100; ++i)
      wave(i * 0.01, kBlue);
    QCOMPARE(c.keptFigures(), size_t(0));  // past the bound: nothing kept
    c.resizePixels(QSize(400, 200), 2);
    QVERIFY(pixelsNot(c.image(), kWhiteRgb) > 4000);
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
