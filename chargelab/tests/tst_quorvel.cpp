// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <algorithm>
#include <set>

#include "quorvel.h"
#include "ui/app.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/monkey.h"
#include "ui/testkit/pupil.h"

using ui::DrawRecord;
using ui::RGB;

namespace {

constexpr double kTwipsPerPixel = 15;
const ui::Color kRed = RGB(255, 0, 0);
const ui::Color kForceShade = RGB(0, 125, 225);
const ui::Color kFieldShade = RGB(0, 127, 127);
const ui::Color kBlueField = RGB(0, 0, 255);
const ui::Color kTealField = RGB(0, 192, 192);

// Points of the window's inner area, in twips, where the pupil clicks.
const QPointF kBare(60, 60);
const QPointF kForcesOption(2760 + 150, 120 + 375 / 2.0);   // on the round knob of "Силы"
const QPointF kFieldsOption(2520 + 150, 2160 + 375 / 2.0);  // and of "Напряжённости"
const QPointF kDistanceCaption(2640 + 2175 / 2.0, 1560 + 255 / 2.0);
const QPointF kInPicture(300, 2760 + 300);

// The scripted platform first, then the window, shown as the pupil sees it; the pupil's
// actions are mouse events at points of the window, taken by whatever widget lies there.
struct Lab {
  ui::testkit::FakePlatform fake;
  Quorvel w;
  Lab() {
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window()));
  }

  double xc() const { return float(w.Picture1.scaleWidth() / 2); }
  double yc() const { return w.Picture1.scaleHeight() / 2; }

  QPoint windowPoint(QPointF twips) const {
    return ui::pointer::windowPos(
        w.clientWidget(), QPoint(int(twips.x() / kTwipsPerPixel), int(twips.y() / kTwipsPerPixel)));
  }
  void click(QPointF twips) const { ui::testkit::clickAt(w, windowPoint(twips)); }
  void doubleClick(QPointF twips) const { ui::testkit::doubleClickAt(w, windowPoint(twips)); }
  // Clicks the right (+1) or left (-1) arrow of a bar.
  void arrow(ui::ScrollBar& bar, int direction, int times = 1) const {
    for (int i = 0; i < times; ++i)
      ui::testkit::clickScrollBarPart(
          bar, direction > 0 ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
  }
  // Sets q1, q2 and r from the start values 0, 0 and 38 by the bars' arrows; r first, so
  // that the charge bar is the last one moved.
  void moveTo(int q1, int q2, int r) {
    arrow(w.HScroll3, r > 38 ? 1 : -1, std::abs(r - 38));
    arrow(w.HScroll1, q1 > 0 ? 1 : -1, std::abs(q1));
    arrow(w.HScroll2, q2 > 0 ? 1 : -1, std::abs(q2));
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
  bool hasLine(ui::Color color, QPointF from, QPointF to) const {
    const auto ls = drawn(DrawRecord::Line, color);
    return std::any_of(ls.begin(), ls.end(), [&](const DrawRecord& r) {
      return std::fabs(r.p1.x() - from.x()) < 1e-6 && std::fabs(r.p1.y() - from.y()) < 1e-6 &&
             std::fabs(r.p2.x() - to.x()) < 1e-6 && std::fabs(r.p2.y() - to.y()) < 1e-6;
    });
  }
  QString labels() const {
    return w.Text10.text() + "|" + w.Text11.text() + "|" + w.Text7.text() + "|" + w.Text8.text();
  }
};

// The middle of a bar's thumb, in pixels of the window.
QPoint thumbOf(const ui::ScrollBar& bar) {
  return ui::testkit::windowPoint(
      bar, ui::testkit::scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center());
}

// Boxes move by whole pixels of 15 twips.
bool near(double twips, double expected) {
  return std::fabs(twips - expected) <= kTwipsPerPixel / 2;
}

}  // namespace

class QuorvelTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ui::setUpApplication(); }

  void startTexts() {
    Lab lab;
    Quorvel& w = lab.w;
    QCOMPARE(w.caption(), QStringLiteral("ChargeLab"));
    QCOMPARE(QSizeF(w.clientWidth(), w.clientHeight()), QSizeF(7545, 6045));
    QCOMPARE(w.window()->minimumSize(), w.window()->maximumSize());
    QCOMPARE(w.Text1.text() + w.Text2.text() + w.Text5.text(), QStringLiteral(" 0нКл 0нКл 38см"));
    QVERIFY((w.Text3.text() + w.Text4.text() + w.Text6.text()).isEmpty());
    QVERIFY(!w.Option1.value() && !w.Option2.value());
    QCOMPARE(w.Text9.text(), QStringLiteral("Силы - 1 клик. Напряжённость - 2 клика"));
    for (ui::TextBox* box : {&w.Text7, &w.Text8, &w.Text9, &w.Text10, &w.Text11})
      QCOMPARE(box->widget()->parentWidget(), w.Picture1.widget());
    QStringList names;
    for (const ui::Control* c : w.controls())
      names << c->name();
    for (const char* absent :
         {"Label4", "Label7", "Check1", "Check2", "Command1", "Command2", "Command3", "Text12"})
      QVERIFY2(!names.contains(absent), absent);
    QVERIFY(ui::testkit::controlsWithoutAccessibleName(w).isEmpty());
    const QStringList covered = ui::testkit::controlsUnderDecorations(w);
    QVERIFY2(covered.isEmpty(), qPrintable(covered.join(", ")));

    const QImage shot = w.window()->grab().toImage();
    QCOMPARE(QColor(shot.pixel(lab.windowPoint(kBare))), QColor(0, 128, 128));
    QCOMPARE(QColor(shot.pixel(lab.windowPoint(kInPicture))), QColor(192, 255, 255));
    // The option buttons stand on the window's teal beyond their captions.
    const QPoint beyondForces = lab.windowPoint({2760 + 1815 - 60, 120 + 60});
    const QPoint beyondFields = lab.windowPoint({2520 + 2415 - 60, 2160 + 375 - 60});
    QCOMPARE(QColor(shot.pixel(beyondForces)), QColor(0, 128, 128));
    QCOMPARE(QColor(shot.pixel(beyondFields)), QColor(0, 128, 128));
  }

  // The charges and the distance moved by the bars' arrows, in the field and the force view,
  // as a pupil goes through the attraction of two unit charges.
  void signedValuesInBothViews() {
    Lab lab;
    Quorvel& w = lab.w;
    lab.click(kFieldsOption);
    QVERIFY(w.Option2.value());
    lab.arrow(w.HScroll1, +1);
    QCOMPARE(w.Text1.text(), QStringLiteral(" 1нКл"));
    QCOMPARE(w.Text4.text(), QStringLiteral(" .062 мкН/Кл"));
    QVERIFY(w.Text6.text().isEmpty());
    QCOMPARE(w.Text3.text(), QStringLiteral(" 0 мкН"));  // written after the picture
    QCOMPARE(lab.labels(), QStringLiteral("|E1|q1|"));
    QCOMPARE(w.Picture1.toolTipText(), QStringLiteral("Напряжённости"));

    lab.arrow(w.HScroll2, -1);
    QCOMPARE(w.Text2.text(), QStringLiteral("-1нКл"));
    QCOMPARE(w.Text3.text(), QStringLiteral("-.063 мкН"));
    QCOMPARE(w.Text6.text(), QStringLiteral("-.063 мкН/Кл"));
    QCOMPARE(w.Text4.text(), QStringLiteral(" .062 мкН/Кл"));
    QCOMPARE(lab.labels(), QStringLiteral("E2|E1|q1|q2"));

    lab.click(kInPicture);
    QCOMPARE(w.Text3.text(), QStringLiteral("-.063"));
    QVERIFY((w.Text4.text() + w.Text6.text()).isEmpty());
    QCOMPARE(lab.labels(), QStringLiteral("F12|F21|q1|q2"));
    QCOMPARE(w.Picture1.toolTipText(), QStringLiteral("Силы"));
    QCOMPARE(w.lab().F, -0.063);

    lab.arrow(w.HScroll3, +1, 2);  // still the field view: texts first, then the picture
    QCOMPARE(w.Text5.text(), QStringLiteral("r =  40см"));
    QVERIFY(w.Text3.text().isEmpty());
    QCOMPARE(w.Text4.text(), QStringLiteral(" .056 мкН/Кл"));
    QCOMPARE(w.Text6.text(), QStringLiteral("-.057 мкН/Кл"));
    QVERIFY(near(w.Text7.left(), lab.xc() - 2000 - 220));
    QVERIFY(near(w.Text8.left(), lab.xc() + 2000 + 90));

    lab.click(kForcesOption);
    QVERIFY(w.Option1.value() && !w.Option2.value());
    lab.arrow(w.HScroll3, -1);
    lab.arrow(w.HScroll3, +1);
    QCOMPARE(w.Text5.text(), QStringLiteral("r =  40см"));
    QCOMPARE(w.Text3.text(), QStringLiteral("-.057"));
    QVERIFY((w.Text4.text() + w.Text6.text()).isEmpty());
    lab.arrow(w.HScroll1, +1);
    QCOMPARE(w.Text3.text(), QStringLiteral("-.113 мкН"));  // 90·2·(−1)/40² = −.1125, floored
  }

  void largestForce() {
    Lab lab;
    Quorvel& w = lab.w;
    lab.click(kForcesOption);
    lab.moveTo(-10, 10, 26);
    QCOMPARE(w.Text1.text() + w.Text2.text(), QStringLiteral("-10нКл 10нКл"));
    QCOMPARE(w.Text5.text(), QStringLiteral("r =  26см"));
    QCOMPARE(w.Text3.text(), QStringLiteral("-13.314 мкН"));
    lab.startLog();
    lab.click(kFieldsOption);
    QVERIFY(w.Text3.text().isEmpty());
    QCOMPARE(w.Text4.text(), QStringLiteral("-1.332 мкН/Кл"));
    QCOMPARE(w.Text6.text(), QStringLiteral(" 1.331 мкН/Кл"));
    QCOMPARE(w.lab().E1, -1.332);
    QCOMPARE(w.lab().E2, 1.331);

    // Both field vectors point left: E2 at charge 1 away from the positive charge 2, E1 at
    // charge 2 towards the negative charge 1.
    const double y = lab.yc() + 5, X1 = lab.xc() - 1300 - 120, X2 = lab.xc() + 1300 + 90;
    QVERIFY(lab.hasLine(kTealField, {X1, y}, {X1 - 1331, y}));
    QVERIFY(lab.hasLine(kBlueField, {X2, y}, {X2 - 1332, y}));
    QVERIFY(near(w.Text10.left(), lab.xc() - 1331 - 1300 - 300));
    QVERIFY(near(w.Text11.left(), lab.xc() - 1332 + 1300 + 90));
  }

  // The charges sit half way down the picture on stands half as long as that, with the
  // distance marker below them.
  void pictureGeometry() {
    Lab lab;
    Quorvel& w = lab.w;
    lab.click(kForcesOption);
    lab.moveTo(10, -10, 26);
    lab.startLog();
    lab.click(kInPicture);
    const double xc = lab.xc(), yc = lab.yc(), y = yc + 5;
    const double X1 = xc - 1420, X2 = xc + 1390, yd = yc + yc / 2;
    QVERIFY(lab.hasLine(kRed, {X1, y}, {xc - 88.6, y}));  // 1331.4 twips, pointing inwards
    QVERIFY(lab.hasLine(kRed, {X2, y}, {X2 - 1331.4, y}));
    QVERIFY(lab.hasLine(kForceShade, {X1, yc + 160}, {X1, yc + 160 + yc / 2}));
    QVERIFY(lab.hasLine(kForceShade, {X1, yc + 210}, {X1, yc + 210 + yc / 2}));  // plus
    QVERIFY(lab.hasLine(kForceShade, {X2, yc + 170}, {X2, yc + 170 + yc / 2}));  // minus
    QVERIFY(lab.hasLine(RGB(0, 250, 225), {xc, yd}, {X2, yd}));
    QVERIFY(lab.hasLine(RGB(0, 250, 225), {xc, yd}, {X1, yd}));
    QVERIFY(near(w.Text10.left(), xc + 1331.4 - 1300 - 300));
    QVERIFY(near(w.Text11.left(), xc - 1331.4 + 1300 + 90));

    lab.startLog();
    lab.doubleClick(kInPicture);  // the click's forces first, then cleared for the fields
    QCOMPARE(lab.drawn(DrawRecord::Cls).size(), size_t(3));
    QCOMPARE(w.Picture1.toolTipText(), QStringLiteral("Напряжённости"));
    QVERIFY(lab.hasLine(kFieldShade, {xc, yd}, {X2, yd}));
    QVERIFY(lab.hasLine(RGB(127, 0, 0), {X2 - 90, y}, {X2 + 90, yc + 10}));  // minus in R
    QCOMPARE(w.Text4.text() + w.Text6.text(), QStringLiteral(" 1.331 мкН/Кл-1.332 мкН/Кл"));
  }

  // A charge follows its thumb while it is dragged; the distance changes only when let go.
  void dragging() {
    Lab lab;
    Quorvel& w = lab.w;
    lab.click(kForcesOption);
    lab.startLog();
    ui::pointer::Hand hand(w.window());
    // Moves the pressed thumb a pixel at a time until its bar reads `value`.
    const auto dragTo = [&hand](const ui::ScrollBar& bar, QPoint from, int dx, int value) {
      QPoint at = from;
      for (int i = 0; i < 300 && bar.value() != value; ++i)
        hand.moveTo(at += QPoint(dx, 0));
      return at;
    };
    QPoint thumb = thumbOf(w.HScroll2);
    hand.press(thumb);
    QPoint at = dragTo(w.HScroll2, thumb, -1, -2);
    QCOMPARE(w.HScroll2.value(), -2);
    QCOMPARE(w.Text2.text(), QStringLiteral("-2нКл"));
    QCOMPARE(w.Text8.text(), QStringLiteral("q2"));
    const size_t redrawn = lab.drawn(DrawRecord::Cls).size();  // once a value passed
    QVERIFY(redrawn >= 1);
    hand.release(at);
    QCOMPARE(lab.drawn(DrawRecord::Cls).size(), redrawn + 1);  // and once more when let go

    lab.startLog();
    thumb = thumbOf(w.HScroll3);
    hand.press(thumb);
    at = dragTo(w.HScroll3, thumb, 1, 45);
    QCOMPARE(w.HScroll3.value(), 45);
    QCOMPARE(w.Text5.text(), QStringLiteral(" 38см"));
    QVERIFY(lab.drawn(DrawRecord::Cls).empty());
    hand.release(at);
    QCOMPARE(w.Text5.text(), QStringLiteral("r =  45см"));
    QCOMPARE(lab.drawn(DrawRecord::Cls).size(), size_t(1));
  }

  void endings() {
    Lab lab;
    Quorvel& w = lab.w;
    for (ui::Control* c : std::initializer_list<ui::Control*>{&w.Label2, &w.Label3, &w.Label5,
                                                              &w.Label6, &w.Text1, &w.Text3})
      lab.click(QPointF(c->left() + c->width() / 2, c->top() + c->height() / 2));
    lab.doubleClick(kInPicture);
    QVERIFY(!lab.fake.ended);
    lab.click(kBare);
    QVERIFY(!lab.fake.ended);
    lab.click(kDistanceCaption);
    QVERIFY(lab.fake.ended && lab.fake.errors.isEmpty());

    Lab again;
    again.doubleClick(kBare);
    QVERIFY(again.fake.ended);
  }

  void drawingIsExact() {
    Lab lab;
    lab.click(kForcesOption);
    lab.moveTo(6, -4, 33);
    lab.click(kFieldsOption);
    lab.arrow(lab.w.HScroll1, -1);
    const std::set<ui::Color> palette = {RGB(192, 255, 255), kRed,       kFieldShade,
                                         RGB(127, 0, 0),     ui::kBlack, RGB(127, 127, 127),
                                         kBlueField,         kTealField};
    const ui::PictureBox& p = lab.w.Picture1;
    for (int y = 0; y < p.pixelSize().height(); ++y)
      for (int x = 0; x < p.pixelSize().width(); ++x)
        QVERIFY(palette.count(p.pixel(x, y)));
  }

  void monkey() {
    Lab lab;
    lab.w.Label1.setEnabled(false);  // its click ends the program, as tested above
    ui::testkit::Monkey monkey(lab.fake, 11);
    monkey.addWindow(lab.w);
    const auto result = monkey.run(4000);
    QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure));
  }
};

QTEST_MAIN(QuorvelTest)
#include "tst_quorvel.moc"
