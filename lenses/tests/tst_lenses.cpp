// SPDX-License-Identifier: GPL-3.0-or-later
// The thin-lens windows driven as a pupil drives them: mouse clicks where the controls lie,
// the distance bar's arrows at the style's rectangles, thumbs dragged; then the labels, Text1, the
// draw log and a few pixels are checked.
#include <QtTest>
#include <cmath>

#include "form1.h"
#include "ui/app.h"
#include "ui/platform.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"
#include "ui/testkit/pupil.h"

using namespace ui;
using ui::testkit::FakePlatform;
using ui::testkit::pixelsOf;

namespace {

constexpr Color kGreyBack = 8421504;  // RGB(128, 128, 128)
constexpr Color kYellowTick = 65535;
constexpr Color kLightBlueImage = 16776960;  // RGB(0, 255, 255)
constexpr Color kBlueSame = 16711680;

void click(const Control& c) {
  testkit::clickOn(c);
}

// A click on a bar's left or right arrow, wherever the style puts the two.
void clickArrow(const ScrollBar& s, bool right) {
  const QRect sub = testkit::scrollBarPart(s, QStyle::SC_ScrollBarSubLine);
  const QRect add = testkit::scrollBarPart(s, QStyle::SC_ScrollBarAddLine);
  const bool addIsRight = add.center().x() > sub.center().x();
  testkit::clickScrollBarPart(
      s, right == addIsRight ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
}

// The pupil dragging a bar's thumb to `value` and letting go.
void dragTo(ScrollBar& s, int value) {
  s.drag(value);
  QCOMPARE(s.value(), value);
}

// Runs "Линзы" and presses "Очистка" at its pause `stopAt` (1 for the first); `atPause` looks
// at each of its pauses first.
void runLenses(FakePlatform& fake, Form1& w, int stopAt,
               const std::function<void(int)>& atPause = {}) {
  const int before = fake.pauses();
  fake.onPause = [&, stopAt, before](int total) {
    const int n = total - before;
    if (atPause) atPause(n);
    if (n == stopAt) click(w.Command1);
  };
  click(w.Command3);
  fake.onPause = nullptr;
}

std::vector<DrawRecord> coloured(const std::vector<DrawRecord>& log, Color c) {
  std::vector<DrawRecord> out;
  for (const DrawRecord& r : log)
    if (r.color == c && r.kind != DrawRecord::Print) out.push_back(r);
  return out;
}

QString textOf(const std::vector<DrawRecord>& log) {
  QString s;
  for (const DrawRecord& r : log)
    if (r.kind == DrawRecord::Print) s += r.text;
  return s;
}

}  // namespace

class LensesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { setUpApplication(); }

  void startsIdleWithTheHelpLoadedHidden() {
    FakePlatform fake;
    Form1 w;
    w.show();
    QCOMPARE(w.caption(), QStringLiteral("Form1"));
    QVERIFY(w.form2.loaded() && !w.form2.visible());
    QCOMPARE(w.form2.caption(), QStringLiteral("Form2"));
    QCOMPARE(w.Text1.text(), QStringLiteral("Text1"));
    QCOMPARE(w.Label2.caption() + w.Label4.caption() + w.Label5.caption() + w.Label8.caption(),
             QStringLiteral("Label2Label4Label5Label8"));
    QVERIFY(!w.Option1.value() && !w.Option2.value());
    QCOMPARE(w.HScroll1.value() * 1000 + w.HScroll2.value(), 800100);
    QCOMPARE(pixelsOf(w.Picture1.image(), kWhite, w.Picture1.image().rect()),
             w.Picture1.image().width() * w.Picture1.image().height());
    QCOMPARE(w.Picture1.scaleLeft() * 1000 + w.Picture1.scaleWidth(), 1000.0);
    QCOMPARE(w.Picture1.scaleTop() * 1000 + w.Picture1.scaleHeight(), -200000.0 + 400);
    QCOMPARE(
        testkit::controlsWithoutAccessibleName(w) + testkit::controlsWithoutAccessibleName(w.form2),
        QStringList());
  }

  void designSizesAndFonts() {
    FakePlatform fake;
    Form1 w;
    w.show();
    const auto font = [](double size, bool bold) {
      return FontSpec{QStringLiteral("MS Sans Serif"), size, bold};
    };
    const struct {
      Control* c;
      double width, height;  // twips
      FontSpec f;
    } table[] = {
        {&w.Command1, 1575, 495, font(9.75, true)},     {&w.Command2, 1575, 495, font(12, false)},
        {&w.Command3, 1575, 495, font(13.5, true)},     {&w.Option1, 1815, 255, font(8.25, false)},
        {&w.Option2, 2175, 255, font(8.25, false)},     {&w.HScroll1, 2295, 495, font(8.25, false)},
        {&w.HScroll2, 2055, 495, font(8.25, false)},    {&w.HScroll3, 2055, 495, font(8.25, false)},
        {&w.Text1, 6255, 855, font(13.5, true)},        {&w.Label1, 1575, 735, font(9.75, false)},
        {&w.Label2, 1095, 495, font(13.5, true)},       {&w.Label3, 1335, 495, font(9.75, true)},
        {&w.Label4, 975, 495, font(13.5, true)},        {&w.Label5, 1215, 495, font(13.5, true)},
        {&w.Label6, 1575, 615, font(9.75, false)},      {&w.Label7, 1575, 615, font(9.75, true)},
        {&w.Label8, 1095, 495, font(13.5, true)},       {&w.Label9, 2295, 735, font(13.5, false)},
        {&w.form2.Text1, 6375, 4215, font(13.5, false)}};
    for (const auto& row : table) {
      QVERIFY2(row.c->font() == row.f, qPrintable(row.c->name()));
      QVERIFY2(qAbs(row.c->width() - row.width) < 15 && qAbs(row.c->height() - row.height) < 15,
               qPrintable(row.c->name()));
    }
    QVERIFY(qAbs(w.form2.Text1.left() - 240) < 15 && qAbs(w.form2.Text1.top() - 120) < 15);
    QCOMPARE(w.form2.clientWidth() * 10000 + w.form2.clientHeight(), 6780.0 * 10000 + 4530);
    QCOMPARE(w.Picture1.font(), font(12, false));
    QCOMPARE(w.Picture1.backColor(), kWhite);
  }

  void resizePlacesEveryControl_data() {
    QTest::addColumn<double>("SW");
    QTest::addColumn<double>("SH");
    QTest::newRow("design size") << 15300.0 << 8400.0;
    QTest::newRow("larger") << 19500.0 << 11010.0;
  }

  void resizePlacesEveryControl() {
    FakePlatform fake;
    Form1 w;
    w.show();
    QFETCH(double, SW);
    QFETCH(double, SH);
    w.setClientSize(SW, SH);
    const struct {
      Control* c;
      double left, top;
    } table[] = {{&w.HScroll1, SW - 12000, SH - 1500},
                 {&w.Text1, SW - 12000, SH - 2500},
                 {&w.Label9, SW - 14900, SH - 2500},
                 {&w.Label1, SW - 14900, SH - 1500},
                 {&w.Label2, SW - 13200, SH - 1500},
                 {&w.Label3, SW - 8900, SH - 1500},
                 {&w.Label4, SW - 6800, SH - 1500},
                 {&w.Label5, SW - 13200, SH - 800},
                 {&w.Label6, SW - 14900, SH - 800},
                 {&w.Label7, SW - 8900, SH - 800},
                 {&w.Label8, SW - 6800, SH - 800},
                 {&w.HScroll2, SW - 5800, SH - 1500},
                 {&w.HScroll3, SW - 5800, SH - 900},
                 {&w.Command1, SW - 1800, SH - 600},
                 {&w.Command2, SW - 1800, SH - 1500},
                 {&w.Command3, SW - 3500, SH - 600},
                 {&w.Option1, SW - 12000, SH - 900},
                 {&w.Option2, SW - 12000, SH - 500},
                 {&w.Picture1, 100, 100}};
    for (const auto& row : table) {
      QVERIFY2(qAbs(row.c->left() - row.left) < 8, qPrintable(row.c->name()));
      QVERIFY2(qAbs(row.c->top() - row.top) < 8, qPrintable(row.c->name()));
    }
    QVERIFY(qAbs(w.Picture1.width() - (SW - 500)) < 8);
    QVERIFY(qAbs(w.Picture1.height() - (SH - 2800)) < 8);
    // No label lies over a control where the pupil would click it.
    QCOMPARE(testkit::controlsUnderDecorations(w), QStringList());
  }

  void aLowWindowKeepsThePictureHeight() {
    FakePlatform fake;
    Form1 w;
    w.show();
    const double height = w.Picture1.height();
    w.setClientSize(15300, 2000);  // SH - 2800 would be negative
    QCOMPARE(w.Picture1.height(), height);
    w.setClientSize(1800, 2700);  // no width rule below 1900
    QCOMPARE(w.Picture1.height(), height);
    QVERIFY(qAbs(w.Picture1.width() - 14800) < 8);
    w.setClientSize(6000, 3100);
    QVERIFY(qAbs(w.Picture1.height() - 300) < 8);
    QVERIFY(qAbs(w.Picture1.width() - 5500) < 8);
    click(w.Option1);
    runLenses(fake, w, 2);
    QVERIFY(fake.errors.isEmpty());
  }

  // Each row: the lens, d, Label5 (f), Label8 (H), Text1 and its colour, and where the image
  // stands: x = f (its sign turned for the diverging lens), its foot at 9 on f's side of the
  // axis and its top H = 100·f'/d beyond it (f' truncated to tenths, H a single), by hand.
  void imageOfTheObject_data() {
    QTest::addColumn<bool>("converging");
    QTest::addColumn<int>("d");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("H");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Color>("color");
    QTest::addColumn<double>("imageX");
    QTest::addColumn<double>("foot");
    QTest::addColumn<double>("top");
    QTest::newRow("converging, beyond 2F") << true << 750 << " 272.7"
                                           << " 36.3"
                                           << "действительное, перевёрнутое, уменьшенное" << kRed
                                           << 272.72727272727275 << 9.0 << 45.36000061;
    QTest::newRow("converging, at 2F")
        << true << 400 << " 400"
        << " 100"
        << "действительное, перевёрнутое, равное предмету" << kBlueSame << 400.0 << 9.0 << 109.0;
    QTest::newRow("converging, at F: computed with 201")
        << true << 200 << " 40200"
        << " 20000"
        << "действительное, перевёрнутое, увеличенное" << kRed << 40200.0 << 9.0 << 20009.0;
    QTest::newRow("converging, inside F")
        << true << 100 << "-200"
        << " 200"
        << "мнимое, прямое, увеличенное" << kLightBlueImage << -200.0 << -9.0 << -209.0;
    QTest::newRow("diverging, d = 200: computed with 201")
        << false << 200 << " 100.2"
        << " 49.8"
        << "мнимое, прямое, уменьшенное" << kLightBlueImage << -100.24937655860349 << -9.0
        << -58.85074615;
  }

  void imageOfTheObject() {
    QFETCH(bool, converging);
    QFETCH(int, d);
    QFETCH(QString, f);
    QFETCH(QString, H);
    QFETCH(QString, kind);
    QFETCH(Color, color);
    QFETCH(double, imageX);
    QFETCH(double, foot);
    QFETCH(double, top);
    FakePlatform fake;
    Form1 w;
    w.show();
    click(converging ? w.Option1 : w.Option2);
    dragTo(w.HScroll1, d);
    QCOMPARE(w.Label2.caption(), QStringLiteral(" %1").arg(d));
    QCOMPARE(w.Label5.caption(), f);
    QCOMPARE(w.Label8.caption(), H);

    const double sign = converging ? 1 : -1;
    w.Picture1.setLogging(true);
    std::vector<DrawRecord> secondFrame;
    runLenses(fake, w, 2, [&](int n) {
      if (n == 1) w.Picture1.clearLog();
      if (n == 2) secondFrame = w.Picture1.log();
    });
    QCOMPARE(w.Text1.text(), kind);
    QCOMPARE(w.Text1.foreColor(), color);
    const std::vector<DrawRecord> image =
        coloured(secondFrame, converging && d == 400 ? kBlueSame : color);
    const auto line = std::find_if(image.rbegin(), image.rend(),
                                   [](const DrawRecord& r) { return r.kind == DrawRecord::Line; });
    QVERIFY(line != image.rend());
    QCOMPARE(line->p1, QPointF(imageX, foot));
    QCOMPARE(line->p2.x(), imageX);
    QVERIFY(qAbs(line->p2.y() - top) < 1e-6);
    QCOMPARE(line->width, 3);
    // The lens symbol: arrow heads outward for the converging lens, inward for the other.
    const std::vector<DrawRecord> lens = coloured(secondFrame, kBlack);
    QVERIFY(std::any_of(lens.begin(), lens.end(), [&](const DrawRecord& r) {
      return r.kind == DrawRecord::Line && r.p1 == QPointF(0, -900) &&
             r.p2 == QPointF(-20, -900 + 50 * sign);
    }));
    QVERIFY(std::any_of(lens.begin(), lens.end(), [&](const DrawRecord& r) {
      return r.kind == DrawRecord::Line && r.p1 == QPointF(0, 900) &&
             r.p2 == QPointF(20, 900 - 50 * sign);
    }));
    QVERIFY(fake.errors.isEmpty());
  }

  void noLensChosenLeavesTheTextAndCollapsesTheImage() {
    FakePlatform fake;
    Form1 w;
    w.show();
    dragTo(w.HScroll1, 750);
    QCOMPARE(w.Label5.caption() + "|" + w.Label8.caption(), QStringLiteral(" 0| 0"));
    w.Picture1.setLogging(true);
    runLenses(fake, w, 3);
    QCOMPARE(w.LensSign, 0);
    QCOMPARE(w.Text1.text(), QStringLiteral("Text1"));
    int collapsed = 0;
    for (const DrawRecord& r : w.Picture1.log())
      if (r.kind == DrawRecord::Line && r.p1 == QPointF(0, 0) && r.p2 == QPointF(0, 0)) ++collapsed;
    QCOMPARE(collapsed, 6);  // drawn and erased in each of three frames
  }

  // One frame, from one pause to the next: the erase in grey, the scale, the object, the image
  // and the lens.
  void aFrameInOrder() {
    FakePlatform fake;
    Form1 w;
    w.show();
    click(w.Option1);
    dragTo(w.HScroll1, 600);  // f = 300, H = 50
    w.Picture1.setLogging(true);
    std::vector<DrawRecord> frame;
    runLenses(fake, w, 3, [&](int n) {
      if (n == 2) w.Picture1.clearLog();
      if (n == 3) frame = w.Picture1.log();
    });
    QStringList want, got;
    const auto add = [&want](const char* kind, Color c, int times = 1) {
      for (int k = 0; k < times; ++k)
        want << QStringLiteral("%1 %2").arg(kind).arg(c);
    };
    const auto lens = [&](Color c) {
      for (int half = 0; half < 2; ++half) {
        add("pset", c);
        add("line", c, 4);
      }
    };
    add("pset", kGreyBack);
    add("line", kGreyBack);
    add("pset", kGreyBack);
    add("line", kGreyBack);
    lens(kGreyBack);
    for (int n = 1; n <= 10; ++n) {
      const Color c = n == 2 || n == 4 ? kYellowTick : kBlack;
      for (int side = 0; side < 2; ++side) {
        add("pset", c);
        add("line", c);
        add("pset", c);
        add("print", kBlack);
      }
      if (n == 2 || n == 4)
        for (int side = 0; side < 2; ++side) {
          add("pset", kGreyBack);
          add("print", kYellowTick);
        }
    }
    add("pset", kBlueSame);
    add("line", kBlueSame);
    add("pset", kRed);
    add("line", kRed);
    lens(kBlack);
    for (const DrawRecord& r : frame) {
      const char* kind = r.kind == DrawRecord::PSet    ? "pset"
                         : r.kind == DrawRecord::Line  ? "line"
                         : r.kind == DrawRecord::Print ? "print"
                                                       : "other";
      got << QStringLiteral("%1 %2").arg(kind).arg(r.color);
    }
    QCOMPARE(got, want);
    // Numbers on both sides are positive; the marks follow both numbers of their tick.
    QCOMPARE(textOf(frame),
             QStringLiteral(" 100  100  200  200 FF 300  300  400  400 2F2F 500  500 "
                            " 600  600  700  700  800  800  900  900  1000  1000 "));
    // Ticks at -100n and 100n, from y = -10 to 10; the marks at their grey points.
    QCOMPARE(frame[14 + 1].p1, QPointF(-100, -10));
    QCOMPARE(frame[14 + 1].p2, QPointF(-100, 10));
    QCOMPARE(frame[14 + 5].p1, QPointF(100, -10));
    QCOMPARE(frame[14 + 8 + 8].p1, QPointF(-205, 50));
    QCOMPARE(frame[14 + 8 + 8 + 2].p1, QPointF(195, 50));
    // The erase: object up by 2h from its foot, the image by the doubled height.
    QCOMPARE(frame[1].p1, QPointF(-600, -9));
    QCOMPARE(frame[1].p2, QPointF(-600, -209));
    QCOMPARE(frame[3].p1, QPointF(300, 9));
    QCOMPARE(frame[3].p2, QPointF(300, 109));
    QCOMPARE(frame[0].width, 3);
  }

  void theFocalMarksAreBoldAndYellow() {
    FakePlatform fake;
    Form1 w;
    w.show();
    click(w.Command1);
    const QImage shown = w.Picture1.image();
    // The same mark printed alone in both weights on a canvas of the same size and scale.
    const auto alone = [&](bool bold) {
      Canvas c;
      c.resizePixels(shown.size());
      c.setBackColor(kGreyBack);
      c.scale(-1000, -1000, 1000, 1000);
      c.setFont({QStringLiteral("MS Sans Serif"), 12, bold});
      c.setForeColor(kYellowTick);
      c.pset(At(395, 50), kGreyBack);
      c.print(QStringLiteral("2F"));
      return c.image();
    };
    const QImage bold = alone(true), plain = alone(false);
    const QRect area = bold.rect();
    const QPoint foot = w.Picture1.toPixel(395, 50);
    const QRect around(foot - QPoint(2, 2), QSize(60, 40));
    QVERIFY(pixelsOf(bold, kYellowTick, area) > pixelsOf(plain, kYellowTick, area));
    QCOMPARE(pixelsOf(shown, kYellowTick, around), pixelsOf(bold, kYellowTick, area));
    QCOMPARE(w.Picture1.font().bold, false);
    QCOMPARE(w.Picture1.foreColor(), kBlack);
  }

  void helpShownByItsButtonAndHiddenByTheLenses() {
    FakePlatform fake;
    Form1 w;
    w.show();
    click(w.Command2);
    QVERIFY(w.form2.visible());
    QCOMPARE(w.form2.Text1.text(),
             QStringLiteral("Выберите вид линзы и нажмите кнопку 'Линзы'.  Измените расстояние "
                            "от линзы до предмета (предмет синего цвета), передвигая бегунок "
                            "скроллбара под текстовым окном . Наблюдайте изменение изображения. "
                            "Действительное изображение красного цвета, мнимое голубого. При "
                            "изменении размеров окна нажмите кнопку 'Линзы' ещё раз."));
    bool hiddenDuringTheLoop = false;
    bool shownAgainInThePause = false;
    runLenses(fake, w, 2, [&](int n) {
      if (n == 1) {
        hiddenDuringTheLoop = !w.form2.visible();
        click(w.Command2);
        shownAgainInThePause = w.form2.visible();
      }
    });
    QVERIFY(hiddenDuringTheLoop && shownAgainInThePause);
    QVERIFY(w.form2.visible());
    click(w.Option1);
    runLenses(fake, w, 1);
    QVERIFY(!w.form2.visible());
    w.form2.window()->close();  // closing the help only hides it
    QVERIFY(w.form2.loaded() && !fake.ended);
  }

  // Each row: d, then what the pupil does in which pause ("3:clear" presses "Очистка" in the
  // third), the pauses the run then has and the deepest nesting.
  void theLoopStopsAfterItsErase_data() {
    QTest::addColumn<int>("d");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("pauses");
    QTest::addColumn<int>("deepest");
    QTest::newRow("Очистка in the third pause") << 800 << "3:clear" << 3 << 1;
    QTest::newRow("a resize in the second") << 10 << "2:resize" << 2 << 1;
    QTest::newRow("Линзы nests, one Очистка ends both") << 400 << "2:lenses,4:clear" << 4 << 2;
  }

  void theLoopStopsAfterItsErase() {
    QFETCH(int, d);
    QFETCH(QString, script);
    QFETCH(int, pauses);
    QFETCH(int, deepest);
    FakePlatform fake;
    Form1 w;
    w.show();
    click(w.Option1);
    dragTo(w.HScroll1, d);
    w.Picture1.setLogging(true);
    std::vector<double> at;
    int depth = 0;
    fake.onPause = [&](int n) {
      at.push_back(fake.now());
      depth = std::max(depth, nestingDepth());
      for (const QString& step : script.split(',')) {
        if (step.section(':', 0, 0).toInt() != n) continue;
        const QString action = step.section(':', 1);
        if (action == "clear") click(w.Command1);
        if (action == "lenses") click(w.Command3);
        if (action == "resize") w.setClientSize(14000, 9000);
      }
      if (n > 20) click(w.Command1);  // a loop that did not stop fails below, not by hanging
    };
    click(w.Command3);
    QCOMPARE(fake.pauses(), pauses);
    QCOMPARE(depth, deepest);
    QCOMPARE(w.Running, qint16(0));
    QVERIFY(qAbs(at[1] - at[0] - d * 0.005) < 0.005);  // the pause: 5 ms per unit of d
    // The last thing drawn is the erase's lens, then the pen goes back to one pixel.
    QCOMPARE(w.Picture1.log().back().color, kGreyBack);
    QCOMPARE(w.Picture1.drawWidth(), 1);
    // No image is left, unless a resize moved the picture's pixels under the erase (the help
    // asks the pupil to press "Линзы" again then).
    const QRect all = w.Picture1.image().rect();
    if (!script.contains("resize")) {
      QCOMPARE(pixelsOf(w.Picture1.image(), kRed, all), 0);
      QCOMPARE(pixelsOf(w.Picture1.image(), kBlueSame, all), 0);
    }
  }

  // At d = 600 the pupil lowers h from 500 to 100 while the loop waits: the first frame's
  // object is wiped as it was drawn, and nothing blue stays above the new one, 100 high.
  void loweringTheObjectInThePauseLeavesNoStub() {
    FakePlatform fake;
    Form1 w;
    w.show();
    click(w.Option1);
    dragTo(w.HScroll1, 600);
    dragTo(w.HScroll2, 500);
    int stub = -1;
    runLenses(fake, w, 2, [&](int n) {
      if (n == 1) dragTo(w.HScroll2, 100);
      const QPoint a = w.Picture1.toPixel(-650, -600), b = w.Picture1.toPixel(-550, -130);
      if (n == 2) stub = pixelsOf(w.Picture1.image(), kBlueSame, QRect(a, b));
    });
    QCOMPARE(stub, 0);
  }

  // The bar runs from 800 at its left end to 10 at its right: each arrow moves d towards the
  // end it points to.
  void theDistanceBarsArrowsPointToTheirEnds() {
    FakePlatform fake;
    Form1 w;
    w.show();
    clickArrow(w.HScroll1, true);
    QCOMPARE(w.HScroll1.value(), 799);
    QCOMPARE(w.Label2.caption(), QStringLiteral(" 799"));
    clickArrow(w.HScroll1, true);
    clickArrow(w.HScroll1, false);
    QCOMPARE(w.HScroll1.value(), 799);
    clickArrow(w.HScroll1, false);
    clickArrow(w.HScroll1, false);
    QCOMPARE(w.HScroll1.value(), 800);
    clickArrow(w.HScroll2, true);
    QCOMPARE(w.Label4.caption(), QStringLiteral(" 101"));
    clickArrow(w.HScroll2, false);
    QCOMPARE(w.HScroll2.value(), 100);
  }

  // Near the focus the image lies tens of thousands of units away: drawn, clipped, erased.
  void anImageFarOutsideThePictureIsClipped() {
    FakePlatform fake;
    Form1 w;
    w.show();
    click(w.Option1);
    dragTo(w.HScroll2, 500);
    dragTo(w.HScroll1, 199);
    QCOMPARE(w.Label5.caption() + "|" + w.Label8.caption(), QStringLiteral("-39800| 100000"));
    w.Picture1.setLogging(true);
    const QRect all = w.Picture1.image().rect();
    int lightBlueInFrame = -1;
    runLenses(fake, w, 3, [&](int n) {
      if (n == 3) lightBlueInFrame = pixelsOf(w.Picture1.image(), kLightBlueImage, all);
    });
    QCOMPARE(lightBlueInFrame, 0);  // at x = -39800, far left of the picture
    QCOMPARE(w.Text1.text(), QStringLiteral("мнимое, прямое, увеличенное"));
    dragTo(w.HScroll1, 201);
    QCOMPARE(w.Label5.caption() + "|" + w.Label8.caption(), QStringLiteral(" 40200| 100000"));
    runLenses(fake, w, 3);
    QCOMPARE(pixelsOf(w.Picture1.image(), kRed, all), 0);
    QVERIFY(fake.errors.isEmpty() && !fake.ended);
  }

  void clickingTheBareWindowEndsTheProgram() {
    FakePlatform fake;
    Form1 w;
    w.show();
    testkit::clickAt(w, testkit::windowPoint(w.Command2, QPoint(-20, -20)));
    QVERIFY(fake.ended);
  }

  void monkey() {
    FakePlatform fake;
    Form1 w;
    w.show();
    testkit::Monkey monkey(fake, 9);
    monkey.addWindow(w);
    monkey.addWindow(w.form2);
    monkey.addStopControl(w.Command1);
    monkey.setNestedChance(0.05);
    const auto result = monkey.run(4000);
    QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure));
    QVERIFY(result.nested > 0);
  }
};

QTEST_MAIN(LensesTest)
#include "tst_lenses.moc"
