// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures on screens of more than one pixel per logical pixel: the raster holds the screen's
// own pixels, figures are rasterised there and erase exactly, and what programs read back
// stays in logical pixels. The program runs as on a screen scaled to 200 %.
#include <QFrame>
#include <QtTest>

#include "ui/canvas.h"
#include "ui/controls.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/testmain.h"

using namespace ui;

namespace {

int pixelsNot(const QImage& img, Color colour) {
  const QRgb bg = qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != bg) ++n;
  return n;
}

// Aligned 2 × 2 blocks of raster pixels that are not all of one colour: none in a picture drawn
// at logical size and doubled.
int blocksWithAnEdge(const QImage& img) {
  int n = 0;
  for (int y = 0; y + 1 < img.height(); y += 2)
    for (int x = 0; x + 1 < img.width(); x += 2) {
      const QRgb c = img.pixel(x, y);
      if (img.pixel(x + 1, y) != c || img.pixel(x, y + 1) != c || img.pixel(x + 1, y + 1) != c) ++n;
    }
  return n;
}

// The columns the coloured pixels span.
int inkWidth(const QImage& img, Color background) {
  const QRgb bg =
      qRgb(int(background & 0xFF), int((background >> 8) & 0xFF), int((background >> 16) & 0xFF));
  int left = img.width(), right = -1;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != bg) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  return right - left + 1;
}

struct WhiteCanvas {
  Canvas c;
  WhiteCanvas(QSize size, double ratio) {
    c.resizePixels(size, ratio);
    c.setBackColor(kWhite);
  }
};

enum Figure { Point, Line, Box, FilledBox, Circle, Arc, Hatching, Text, Marker };

class Picture : public Form {
 public:
  Picture() : Form("Form1", 6000, 4000) {}
  PictureBox Picture1{this, "Picture1", {120, 120, 4500, 3000}};
};

}  // namespace

class FineScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void drawingAgainInTheBackgroundColourLeavesNoPixel_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("figure");
    QTest::addColumn<int>("width");
    const std::pair<const char*, Figure> figures[] = {
        {"point", Point},          {"line", Line},     {"box", Box},
        {"filled box", FilledBox}, {"circle", Circle}, {"arc", Arc},
        {"hatching", Hatching},    {"text", Text},     {"point in a circle", Marker}};
    for (const double ratio : {1.0, 1.5, 2.0})
      for (const auto& [name, figure] : figures)
        for (const int width : {1, 3})
          QTest::addRow("%s, width %d, ratio %g", name, width, ratio)
              << ratio << int(figure) << width;
  }
  void drawingAgainInTheBackgroundColourLeavesNoPixel() {
    QFETCH(double, ratio);
    QFETCH(int, figure);
    QFETCH(int, width);
    WhiteCanvas w(QSize(150, 100), ratio);
    Canvas& c = w.c;
    c.scale(0, 15, 35, -5);
    c.setDrawWidth(width);
    auto draw = [&](Color colour) {
      c.setForeColor(colour);
      c.setFillColor(colour);
      switch (Figure(figure)) {
        case Point:
          c.pset(At(3.3, 4.1), colour);
          c.pset(At(34.9, -4.9), colour);  // half off the picture
          break;
        case Line:
          c.line(At(0.1, 0.2), At(33.7, 13.9), colour);
          c.setDrawStyle(kDrawDashDot);
          c.line(At(1, 14), At(34, -4), colour);
          c.setDrawStyle(kDrawSolid);
          break;
        case Box:
          c.line(At(2, 2), At(7.5, 9.25), colour, LineMode::Box);
          break;
        case FilledBox:
          c.line(At(10, 1), At(12.3, 3.3), colour, LineMode::FilledBox);
          break;
        case Circle:
          c.circle(At(20.2, 5.7), 3.3, colour);
          c.circle(At(27, 8), 0.2, colour);
          c.circle(At(5, 12), 2, colour, {}, {}, 0.4);
          c.circle(At(0.1, 12), 1.5, colour, {}, {}, 2.5);
          break;
        case Arc:
          c.circle(At(15, 10), 4, colour, 0.5, 2.5);
          c.circle(At(28, 2), 4, colour, -0.3, -1.9);
          break;
        case Hatching:
          c.setFillStyle(kFillHorizontal);
          c.line(At(2, 2), At(17.5, 9.25), colour, LineMode::Box);
          c.setFillStyle(kFillVertical);
          c.circle(At(25, 6), 5, colour);
          c.setFillStyle(kFillTransparent);
          break;
        case Text:
          c.pset(At(5, 8));
          c.print(17.5, "мкН");
          c.pset(At(5, 8));
          c.print(17.5, "мкН");  // wiped, from its third printing on, by copying its pixels
          break;
        case Marker:
          for (double x = 0; x < 35; x += 0.7)
            c.marker(At(x, 5 * std::sin(x)), x < 17 ? 0.3 : 0.6, colour);
          break;
      }
    };
    draw(kRed);
    QVERIFY(pixelsNot(c.image(), kWhite) > 0);
    draw(kWhite);
    QCOMPARE(pixelsNot(c.image(), kWhite), 0);
  }

  void aPointInACircleIsAPointAndACircle_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("radius");
    QTest::addColumn<int>("width");
    QTest::newRow("ratio 1, radius 1") << 1.0 << 1.0 << 1;
    QTest::newRow("ratio 1, radius 2") << 1.0 << 2.0 << 1;
    QTest::newRow("ratio 1, wide pen") << 1.0 << 2.0 << 2;
    QTest::newRow("ratio 1.25, radius 2") << 1.25 << 2.0 << 1;
    QTest::newRow("ratio 1.5, radius 2") << 1.5 << 2.0 << 1;
    QTest::newRow("ratio 1.75, radius 1") << 1.75 << 1.0 << 1;
    QTest::newRow("ratio 2, radius 1") << 2.0 << 1.0 << 1;
    QTest::newRow("ratio 2, wide pen") << 2.0 << 2.0 << 3;
    QTest::newRow("ratio 2.2, radius 1") << 2.2 << 1.0 << 1;
    QTest::newRow("ratio 2.2, radius 2") << 2.2 << 2.0 << 1;
    QTest::newRow("ratio 3.5, radius 2") << 3.5 << 2.0 << 1;
  }
  // Curves running off the picture at every edge, a point and a box drawn over them, the scale
  // changed between them: the points in circles land in order, with the scale they were
  // drawn at, and wipe without a trace.
  void aPointInACircleIsAPointAndACircle() {
    QFETCH(double, ratio);
    QFETCH(double, radius);
    QFETCH(int, width);
    WhiteCanvas a(QSize(200, 100), ratio), b(QSize(200, 100), ratio);
    const auto curve = [&](Color colour, double from, double to) {
      for (double x = from; x < to; x += 3.7) {
        const double y = 230 * std::sin(x / 50);
        a.c.marker(At(x, y), radius, colour);
        b.c.pset(At(x, y), colour);
        b.c.circle(Step(0, 0), radius, colour);
      }
    };
    const auto picture = [&](Color first, Color second, Color box) {
      for (Canvas* c : {&a.c, &b.c}) {
        c->scale(0, -200, 1000, 200);
        c->setDrawWidth(width);
      }
      curve(first, -4, 260);
      for (Canvas* c : {&a.c, &b.c}) {
        c->pset(At(258.7, 230 * std::sin(258.7 / 50)), box);  // on the last point
        c->line(At(200, -150), At(300, 150), box, LineMode::FilledBox);
      }
      curve(first, 262.4, 520);
      for (Canvas* c : {&a.c, &b.c})
        c->scale(0, -210, 1010, 190);
      curve(second, 500, 1020);
    };
    picture(kBlue, kRed, kGreen);
    QCOMPARE(a.c.currentX(), b.c.currentX());
    QCOMPARE(a.c.currentY(), b.c.currentY());
    QVERIFY(pixelsNot(a.c.image(), kWhite) > 150);
    QVERIFY(a.c.image() == b.c.image());
    picture(kWhite, kWhite, kWhite);
    QCOMPARE(pixelsNot(a.c.image(), kWhite), 0);
  }

  void aLineIsItsWidthInLogicalPixels_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("rows");
    QTest::newRow("ratio 1, width 1") << 1.0 << 1 << 1;
    QTest::newRow("ratio 2, width 1") << 2.0 << 1 << 2;
    QTest::newRow("ratio 2, width 3") << 2.0 << 3 << 6;
    // The raster rows of logical row 20 at 1.5: row 30 alone (row 21 has 31 and 32).
    QTest::newRow("ratio 1.5, width 1") << 1.5 << 1 << 1;
    QTest::newRow("ratio 1.5, width 2") << 1.5 << 2 << 3;
    QTest::newRow("ratio 1.25, width 1") << 1.25 << 1 << 1;
  }
  void aLineIsItsWidthInLogicalPixels() {
    QFETCH(double, ratio);
    QFETCH(int, width);
    QFETCH(int, rows);
    WhiteCanvas w(QSize(100, 50), ratio);
    w.c.scale(0, 0, 100, 50);
    w.c.setDrawWidth(width);
    w.c.line(At(10, 20), At(90, 20), kBlack);
    const QImage& img = w.c.image();
    QCOMPARE(img.size(), QSize(int(std::ceil(100 * ratio)), int(std::ceil(50 * ratio))));
    int covered = 0;
    for (int y = 0; y < img.height(); ++y)
      if (img.pixel(int(50 * ratio), y) == qRgb(0, 0, 0)) ++covered;
    QCOMPARE(covered, rows);
  }

  void circlesAndTextAreDrawnInTheScreensPixels() {
    WhiteCanvas fine(QSize(200, 100), 2), plain(QSize(200, 100), 1);
    for (Canvas* c : {&fine.c, &plain.c}) {
      c->scale(0, 0, 200, 100);
      c->circle(At(50, 50), 30, kBlack);
    }
    QVERIFY(blocksWithAnEdge(fine.c.image()) > 40);
    // 60 logical pixels across, with the two raster pixels of a one-pixel pen at ratio 2.
    QCOMPARE(inkWidth(fine.c.image(), kWhite), 122);
    QCOMPARE(inkWidth(plain.c.image(), kWhite), 61);

    WhiteCanvas fineText(QSize(200, 100), 2), plainText(QSize(200, 100), 1);
    for (Canvas* c : {&fineText.c, &plainText.c}) {
      c->setFontSize(12);
      c->pset(At(150, 300));
      c->print("Ag 1234");
    }
    QVERIFY(blocksWithAnEdge(fineText.c.image()) > 20);
    const int fineInk = inkWidth(fineText.c.image(), kWhite);
    const int plainInk = inkWidth(plainText.c.image(), kWhite);
    QVERIFY2(fineInk > 1.8 * plainInk && fineInk < 2.2 * plainInk,
             qPrintable(QStringLiteral("%1 against %2").arg(fineInk).arg(plainInk)));
    // The lessons' arithmetic sees the text as at ratio 1.
    QCOMPARE(fineText.c.textWidth("Ag 1234"), plainText.c.textWidth("Ag 1234"));
    QCOMPARE(fineText.c.textHeight(), plainText.c.textHeight());
    QCOMPARE(fineText.c.currentY(), plainText.c.currentY());
  }

  void aPictureBoxKeepsTheScreensPixelsAndLogicalSizes() {
    testkit::FakePlatform fake;
    Picture f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window()));
    PictureBox& p = f.Picture1;
    QCOMPARE(p.widget()->devicePixelRatio(), 2.0);
    QCOMPARE(p.devicePixelRatio(), 2.0);
    const QSize logical = static_cast<QFrame*>(p.widget())->contentsRect().size();
    QCOMPARE(p.pixelSize(), logical);
    QCOMPARE(p.image().size(), logical * 2);
    QCOMPARE(p.scaleWidth(), logical.width() * 15.0);  // twips of logical pixels
    p.scale(0, 0, logical.width(), logical.height());
    QCOMPARE(p.unitsPerPixelX(), 1.0);
    p.setBackColor(kWhite);
    p.circle(At(100, 80), 40, kRed);
    QCOMPARE(p.pixel(140, 80), kRed);
    QCOMPARE(p.pixel(100, 80), kWhite);
    QVERIFY(blocksWithAnEdge(p.image()) > 40);
    // The window shows the raster pixel for pixel.
    const QImage shot = p.widget()->grab().toImage();
    QCOMPARE(shot.devicePixelRatio(), 2.0);
    const QPoint inside = static_cast<QFrame*>(p.widget())->contentsRect().topLeft() * 2;
    QImage shown = shot.copy(QRect(inside, p.image().size())).convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1);
    QCOMPARE(shown, p.image());
  }
};

LESSON_TEST(FineScreenTest)

int main(int argc, char** argv) {
  qputenv("QT_SCALE_FACTOR", "2");
  return ui::testkit::runRegisteredTests(argc, argv);
}
#include "tst_finescreen.moc"
