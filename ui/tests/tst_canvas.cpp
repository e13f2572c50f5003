// SPDX-License-Identifier: GPL-3.0-or-later
// Canvas geometry: user scales, the current point, exact erasing, fills, arcs and text.
#include <QtTest>

#include "ui/testkit/testmain.h"

#include "ui/canvas.h"
#include "ui/errors.h"
#include "ui/testkit/fakeplatform.h"

using namespace ui;

namespace {

int pixelsNot(const Canvas& c, Color colour) {
  const QImage& img = c.image();
  const QRgb bg =
      QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)).rgb();
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != bg) ++n;
  return n;
}

struct WhiteCanvas {
  Canvas c;
  explicit WhiteCanvas(QSize size = QSize(200, 100)) {
    c.resizePixels(size);
    c.setBackColor(kWhite);
  }
};

}  // namespace

class CanvasTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void scaleWithYUpPutsPositiveValuesAboveTheAxis() {
    WhiteCanvas w(QSize(400, 200));
    w.c.scale(0, 15, 35, -5);
    QCOMPARE(w.c.scaleLeft(), 0.0);
    QCOMPARE(w.c.scaleTop(), 15.0);
    QCOMPARE(w.c.scaleWidth(), 35.0);
    QCOMPARE(w.c.scaleHeight(), -20.0);
    QCOMPARE(w.c.toPixel(0, 15), QPoint(0, 0));
    QCOMPARE(w.c.toPixel(35, -5), QPoint(400, 200));
    QVERIFY(w.c.toPixel(10, 5).y() < w.c.toPixel(10, 0).y());
    QCOMPARE(w.c.toPixel(0, 0), QPoint(0, 150));
  }

  void defaultUnitsAreTwips() {
    WhiteCanvas w(QSize(100, 50));
    QCOMPARE(w.c.scaleWidth(), 1500.0);
    QCOMPARE(w.c.scaleHeight(), 750.0);
    QCOMPARE(w.c.toPixel(150, 300), QPoint(10, 20));
    w.c.scale(0, 0, 1, 1);
    w.c.scaleTwips();
    QCOMPARE(w.c.toPixel(150, 300), QPoint(10, 20));
  }

  void aDegenerateScaleIsARunTimeError() {
    WhiteCanvas w;
    QVERIFY_THROWS_EXCEPTION(RuntimeError, w.c.scale(0, 0, 0, 10));
  }

  void currentPointFollowsEveryCall() {
    WhiteCanvas w;
    Canvas& c = w.c;
    c.scale(0, -200, 1000, 200);
    c.pset(At(100, 0));
    QCOMPARE(QPointF(c.currentX(), c.currentY()), QPointF(100, 0));
    c.pset(Step(5, -5));
    QCOMPARE(QPointF(c.currentX(), c.currentY()), QPointF(105, -5));
    c.line(At(200, 50), At(300, 60));
    QCOMPARE(QPointF(c.currentX(), c.currentY()), QPointF(300, 60));
    c.line(Step(10, 0));
    QCOMPARE(QPointF(c.currentX(), c.currentY()), QPointF(310, 60));
    c.circle(At(400, -20), 30);
    QCOMPARE(QPointF(c.currentX(), c.currentY()), QPointF(400, -20));
    c.circle(Step(0, 10), 5);
    QCOMPARE(QPointF(c.currentX(), c.currentY()), QPointF(400, -10));
    c.cls();
    QCOMPARE(QPointF(c.currentX(), c.currentY()), QPointF(0, -200));
  }

  void stepsAreRelativeToTheCurrentPointThenToTheFirstPoint() {
    WhiteCanvas w;
    Canvas& c = w.c;
    c.scale(0, -200, 1000, 200);
    c.setLogging(true);
    c.pset(At(300, 0), kBlack);
    c.line(Step(0, -5), Step(0, 10));
    const DrawRecord& tick = c.log().back();
    QCOMPARE(tick.kind, DrawRecord::Line);
    QCOMPARE(tick.p1, QPointF(300, -5));
    QCOMPARE(tick.p2, QPointF(300, 5));
    c.line(At(10, 10));
    QCOMPARE(c.log().back().p1, QPointF(300, 5));
    QCOMPARE(c.log().back().p2, QPointF(10, 10));
  }

  void aLineWithoutFirstPointContinuesFromACircleCentre() {
    WhiteCanvas w;
    w.c.setLogging(true);
    w.c.circle(At(600, 300), 150);
    w.c.line(At(900, 300));
    QCOMPARE(w.c.log().back().p1, QPointF(600, 300));
  }

  void drawingAgainInTheBackgroundColourLeavesNoPixel_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("fillStyle");
    QTest::newRow("thin, transparent") << 1 << kFillTransparent;
    QTest::newRow("wide, transparent") << 4 << kFillTransparent;
    QTest::newRow("thin, solid fill") << 1 << kFillSolid;
    QTest::newRow("wide, hatched") << 3 << kFillHorizontal;
    QTest::newRow("thin, vertical hatch") << 1 << kFillVertical;
  }
  void drawingAgainInTheBackgroundColourLeavesNoPixel() {
    QFETCH(int, width);
    QFETCH(int, fillStyle);
    WhiteCanvas w(QSize(300, 200));
    Canvas& c = w.c;
    c.scale(0, 15, 35, -5);
    c.setDrawWidth(width);
    c.setFillStyle(fillStyle);
    auto figures = [&](Color colour) {
      c.setFillColor(colour);
      c.pset(At(3.3, 4.1), colour);
      c.line(At(0.1, 0.2), At(33.7, 13.9), colour);
      c.line(At(2, 2), At(7.5, 9.25), colour, LineMode::Box);
      c.line(At(10, 1), At(12.3, 3.3), colour, LineMode::FilledBox);
      c.circle(At(20.2, 5.7), 3.3, colour);
      c.circle(At(27, 8), 0.2, colour);
      c.circle(At(15, 10), 4, colour, 0.5, 2.5);
      c.circle(At(28, 2), 4, colour, -0.3, -1.9);
      c.circle(At(5, 12), 2, colour, {}, {}, 0.4);
      c.circle(At(30, 12), 1.5, colour, {}, {}, 2.5);
      c.setDrawStyle(kDrawDashDot);
      c.line(At(1, 14), At(34, -4), colour);
      c.setDrawStyle(kDrawSolid);
      c.setForeColor(colour);
      c.pset(At(8, 12), colour);
      c.print(17.5, "мкН");
    };
    figures(kRed);
    QVERIFY(pixelsNot(c, kWhite) > 100);
    figures(kWhite);
    QCOMPARE(pixelsNot(c, kWhite), 0);
  }

  // Figures the painter draws are copied from the pixels they covered once they come again.
  void aFigureDrawnAgainCoversThePixelsItCoveredFirst_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("figure");
    const char* names[] = {"wide arc",  "wide arc with radii", "wide circle",
                           "wide line", "wide point",          "thin dash-dot arc"};
    for (const double ratio : {1.0, 1.25, 1.75, 2.2})
      for (int figure = 0; figure < 6; ++figure)
        QTest::addRow("%s at %g", names[figure], ratio) << ratio << figure;
  }
  void aFigureDrawnAgainCoversThePixelsItCoveredFirst() {
    QFETCH(double, ratio);
    QFETCH(int, figure);
    Canvas first, again;
    for (Canvas* c : {&first, &again}) {
      c->resizePixels(QSize(300, 200), ratio);
      c->setBackColor(kWhite);
      c->scale(0, 15, 35, -5);
      c->setDrawWidth(figure == 5 ? 1 : 6);
      c->setDrawStyle(figure == 5 ? kDrawDashDot : kDrawSolid);
    }
    const auto draw = [figure](Canvas& c, Color colour) {
      if (figure == 0 || figure == 5) c.circle(At(15.3, 5.2), 11.7, colour, 0.5, 2.5);
      if (figure == 1) c.circle(At(15.3, 5.2), 11.7, colour, -4.1, -0.2);
      if (figure == 2) c.circle(At(17.1, 4.9), 8.6, colour);
      if (figure == 3) c.line(At(0.3, 0.2), At(33.7, 13.9), colour);
      if (figure == 4) c.pset(At(3.3, 4.1), colour);
    };
    draw(first, kRed);  // drawn by the painter
    QVERIFY(pixelsNot(first, kWhite) > 0);
    for (int copy = 0; copy < 2; ++copy) {  // copied once measured, then copied
      again.cls();
      draw(again, kRed);
      QCOMPARE(again.image(), first.image());
    }
    draw(first, kWhite);  // the copy wipes what the painter drew
    QCOMPARE(pixelsNot(first, kWhite), 0);
  }

  // 0.035 units a pixel, no binary fraction: a point halfway between two pixels divides to a
  // hair on one side of the half, and goes to the pixel the division gives.
  void aPointHalfwayBetweenPixelsGoesWhereTheDivisionPutsIt_data() {
    QTest::addColumn<double>("at");
    QTest::addColumn<int>("pixel");
    QTest::newRow("12.5 a hair below") << 0.4375 << 12;
    QTest::newRow("19.5 a hair below") << 0.6825 << 19;
    QTest::newRow("37.5 a hair below") << 1.3125 << 37;
    QTest::newRow("4.5 a hair above") << 0.1575 << 5;
    QTest::newRow("5.5 a hair above") << 0.1925 << 6;
  }
  void aPointHalfwayBetweenPixelsGoesWhereTheDivisionPutsIt() {
    QFETCH(double, at);
    QFETCH(int, pixel);
    WhiteCanvas w(QSize(200, 100));
    w.c.scale(0, 0, 7, 3.5);
    w.c.pset(At(at, at), kBlack);
    QCOMPARE(w.c.pixel(pixel, pixel), kBlack);
    QCOMPARE(pixelsNot(w.c, kWhite), 1);
  }

  void aBoxCoversExactlyItsCorners() {
    WhiteCanvas w(QSize(50, 50));
    w.c.scale(0, 0, 50, 50);
    w.c.line(At(10, 10), At(20, 15), kBlack, LineMode::Box);
    QCOMPARE(w.c.pixel(10, 10), kBlack);
    QCOMPARE(w.c.pixel(20, 15), kBlack);
    QCOMPARE(w.c.pixel(21, 15), kWhite);
    QCOMPARE(w.c.pixel(15, 12), kWhite);
    w.c.line(At(30, 30), At(34, 33), kBlue, LineMode::FilledBox);
    QCOMPARE(w.c.pixel(32, 31), kBlue);
    QCOMPARE(w.c.pixel(34, 33), kBlue);
    QCOMPARE(w.c.pixel(35, 33), kWhite);
  }

  void fillStyleDecidesTheInside() {
    WhiteCanvas w(QSize(100, 100));
    Canvas& c = w.c;
    c.scale(0, 0, 100, 100);
    c.setFillColor(kBlue);
    c.circle(At(25, 25), 10, kRed);
    QCOMPARE(c.pixel(25, 25), kWhite);
    c.setFillStyle(kFillSolid);
    c.circle(At(75, 25), 10, kRed);
    QCOMPARE(c.pixel(75, 25), kBlue);
    QCOMPARE(c.pixel(85, 25), kRed);
    c.line(At(10, 60), At(40, 90), kRed, LineMode::Box);
    QCOMPARE(c.pixel(25, 75), kBlue);
    c.setFillStyle(kFillHorizontal);
    c.line(At(60, 60), At(90, 90), kRed, LineMode::Box);
    int blue = 0, white = 0;
    for (int y = 62; y < 89; ++y)
      (c.pixel(75, y) == kBlue ? blue : white)++;
    QVERIFY(blue > 0);
    QVERIFY(white > 0);
  }

  void circleRadiusIsInHorizontalUnits() {
    WhiteCanvas w(QSize(200, 100));
    Canvas& c = w.c;
    c.scale(0, 0, 100, 100);  // 2 px per unit across, 1 px per unit down
    c.circle(At(50, 50), 10, kBlack);
    QCOMPARE(c.pixel(120, 50), kBlack);  // 10 units = 20 px to the right
    QCOMPARE(c.pixel(100, 30), kBlack);  // and 20 px up: a round circle on screen
    c.cls();
    c.circle(At(50, 50), 10, kBlack, {}, {}, 0.5);
    QCOMPARE(c.pixel(120, 50), kBlack);
    QCOMPARE(c.pixel(100, 40), kBlack);
    c.cls();
    c.circle(At(50, 50), 10, kBlack, {}, {}, 2);
    QCOMPARE(c.pixel(100, 30), kBlack);  // the radius becomes the height
    QCOMPARE(c.pixel(110, 50), kBlack);
  }

  void arcsRunCounterClockwiseAndNegativeAnglesDrawRadii() {
    WhiteCanvas w(QSize(100, 100));
    Canvas& c = w.c;
    c.scale(0, 0, 100, 100);
    c.circle(At(50, 50), 20, kBlack, 0, M_PI / 2);
    QCOMPARE(c.pixel(70, 50), kBlack);
    QCOMPARE(c.pixel(50, 30), kBlack);
    QCOMPARE(c.pixel(30, 50), kWhite);
    QCOMPARE(c.pixel(50, 70), kWhite);
    QCOMPARE(c.pixel(60, 50), kWhite);
    c.cls();
    c.circle(At(50, 50), 20, kBlack, -0.0001, M_PI / 2);
    QCOMPARE(c.pixel(60, 50), kBlack);
    QCOMPARE(c.pixel(50, 40), kWhite);
  }

  void anArcWhoseEndsMeetIsAWholeCircle() {
    WhiteCanvas w(QSize(100, 100));
    w.c.scale(0, 0, 100, 100);
    w.c.circle(At(50, 50), 20, kBlack, 6.28, 0);
    QCOMPARE(w.c.pixel(30, 50), kBlack);
    QCOMPARE(w.c.pixel(50, 70), kBlack);
    QCOMPARE(w.c.pixel(50, 30), kBlack);
  }

  void printWritesNumbersByStrAndMovesToTheNextLine() {
    WhiteCanvas w(QSize(300, 200));
    Canvas& c = w.c;
    c.scale(0, -200, 1000, 200);
    c.setLogging(true);
    c.pset(At(300, 0));
    c.print(3);
    QCOMPARE(c.log().back().text, QStringLiteral(" 3 "));
    QCOMPARE(c.currentX(), 0.0);
    QVERIFY(c.currentY() > 0);  // the next line is further down the picture
    c.pset(At(0, 20));
    c.print(-20.0);
    QCOMPARE(c.log().back().text, QStringLiteral("-20 "));
    c.print("q", 1.5f);
    QCOMPARE(c.log().back().text, QStringLiteral("q 1.5 "));
    c.pset(At(500, 0));
    c.printInline("ab");
    QVERIFY(c.currentX() > 500);
    QCOMPARE(c.currentY(), 0.0);
    QVERIFY(pixelsNot(c, kWhite) > 0);
  }

  void theDrawLogIsOffUntilSwitchedOn() {
    WhiteCanvas w;
    w.c.pset(At(1, 1));
    QVERIFY(w.c.log().empty());
    w.c.setLogging(true);
    w.c.setDrawWidth(4);
    w.c.line(At(0, 0), At(10, 10), kRed, LineMode::FilledBox);
    QCOMPARE(w.c.log().size(), size_t(1));
    QCOMPARE(w.c.log().back().kind, DrawRecord::FilledBox);
    QCOMPARE(w.c.log().back().color, kRed);
    QCOMPARE(w.c.log().back().width, 4);
  }

  void resizingKeepsTheDrawing() {
    WhiteCanvas w(QSize(50, 50));
    w.c.scale(0, 0, 50, 50);
    w.c.pset(At(10, 10), kRed);
    w.c.resizePixels(QSize(80, 60));
    QCOMPARE(w.c.pixel(10, 10), kRed);
    QCOMPARE(w.c.pixel(70, 55), kWhite);
  }

  void absurdCoordinatesDrawNothingAndDoNotCrash() {
    WhiteCanvas w(QSize(50, 50));
    w.c.scale(0, 0, 50, 50);
    w.c.pset(At(1e300, -1e300), kRed);
    w.c.line(At(0, 0), At(std::nan(""), 1e308), kRed);
    w.c.circle(At(25, 25), 1e200, kRed);
    w.c.circle(At(std::numeric_limits<double>::infinity(), 0), std::nan(""), kRed);
    QCOMPARE(w.c.pixel(25, 25), kWhite);
  }
};

LESSON_TEST(CanvasTest)
#include "tst_canvas.moc"
