// SPDX-License-Identifier: GPL-3.0-or-later
// Small circles are copied from stored outline patterns: they must cover exactly the pixels
// Qt's own rasteriser gives the same ellipse, at any position, also cut by the raster's edge.
#include <QPainter>
#include <QtTest>

#include "ui/app.h"
#include "ui/canvas.h"

using namespace ui;

namespace {

// The ellipse as the painter draws it: one-pixel solid pen, no antialiasing, no fill.
QImage rasterised(QSize size, QPoint centre, int rx, int ry) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(Qt::red);
  pen.setWidth(0);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  p.setPen(pen);
  if (rx == 0 && ry == 0)
    p.drawPoint(centre);
  else
    p.drawEllipse(QRect(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry));
  return img;
}

}  // namespace

class OutlineTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { setUpApplication(); }

  void circlesMatchThePainter_data() {
    QTest::addColumn<int>("rx");
    QTest::addColumn<int>("ry");
    for (int r : {0, 1, 2, 3, 5, 8, 13, 30, 64})
      QTest::addRow("r=%d", r) << r << r;
    QTest::addRow("flat 9x4") << 9 << 4;
    QTest::addRow("tall 2x7") << 2 << 7;
    QTest::addRow("line 6x0") << 6 << 0;
  }
  void circlesMatchThePainter() {
    QFETCH(int, rx);
    QFETCH(int, ry);
    const QSize size(61, 47);
    // In pixel units, so that radius and aspect give exactly these half-axes.
    Canvas c;
    c.resizePixels(size);
    const double aspect = rx == 0 ? (ry == 0 ? 1.0 : 1.0e6) : double(ry) / rx;
    const double radius = std::max(rx, ry);
    c.scale(0, 0, size.width(), size.height());
    const QPoint centres[] = {{30, 23}, {0, 0},   {60, 46}, {-3, 20}, {64, 10},
                              {17, -2}, {33, 49}, {1, 45},  {59, 1}};
    for (QPoint at : centres) {
      c.setBackColor(kWhite);
      c.circle(At(at.x(), at.y()), radius, kRed, {}, {}, aspect);
      const QImage expected = rasterised(size, at, rx, ry);
      QVERIFY2(c.image() == expected,
               qPrintable(QStringLiteral("centre %1,%2").arg(at.x()).arg(at.y())));
    }
  }

  void redrawingInWhiteErasesEveryPixel() {
    Canvas c;
    c.resizePixels(QSize(80, 60));
    c.setBackColor(kWhite);
    c.scale(0, -200, 1000, 200);
    const QImage blank = c.image();
    for (int i = 0; i < 200; ++i)
      c.circle(At(i * 5.3, 150 * std::sin(i * 0.1)), 1, kBlue);
    QVERIFY(c.image() != blank);
    for (int i = 0; i < 200; ++i)
      c.circle(At(i * 5.3, 150 * std::sin(i * 0.1)), 1, kWhite);
    QCOMPARE(c.image(), blank);
  }
};

QTEST_MAIN(OutlineTest)
#include "tst_outline.moc"
