// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's mouse, keyboard and screen reader, through the window system: scroll bars step
// towards the end their arrow, track, key, wheel or drag points to; labels, shapes and lines
// lie beneath the controls; a choice made by keyboard or screen reader raises the events the
// mouse raises; a pause of any length lets pending events run.
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "ui/controls.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/pupil.h"
#include "ui/testkit/testmain.h"

using namespace ui;
using namespace ui::testkit;

namespace {

class InputForm : public Form {
 public:
  InputForm() : Form(QStringLiteral("Form1"), 7500, 4500) {
    for (Control* c : controls()) {
      c->onClick = [this, c] { events << c->name() + QStringLiteral(".Click"); };
      c->onDblClick = [this, c] { events << c->name() + QStringLiteral(".DblClick"); };
    }
    for (ScrollBar* s : {&Damping, &Speed}) {
      s->onChange = [this, s] { events << QStringLiteral("%1 %2").arg(s->name()).arg(s->value()); };
      s->onScroll = [this, s] { events << QStringLiteral("%1 scroll").arg(s->name()); };
    }
  }
  void Form_Click() override { events << QStringLiteral("Form.Click"); }

  QStringList events;
  // Min 5 at the top, Max 1 at the bottom, as Колебания's damping bar.
  ScrollBar Damping{this, "Damping", ScrollBar::Vertical, 5, 1, 3, {6900, 120, 255, 2775}};
  // Min 50 at the left, Max 1 at the right.
  ScrollBar Speed{this, "Speed", ScrollBar::Horizontal, 50, 1, 25, {240, 3600, 3000, 255}};
  CommandButton Stop{this, "Stop", "Стоп", {240, 240, 1500, 495}};
  OptionButton Option1{this, "Option1", "Силы", {240, 1200, 1500, 315}};
  OptionButton Option2{this, "Option2", "Поля", {240, 1560, 1500, 315}};
  CheckBox Check1{this, "Check1", "Тест F", {240, 2040, 1500, 345}};
  TextBox Text1{this, "Text1", "", {2400, 2400, 2000, 420}};
  // Made after the controls they touch, as a design may list them.
  Label Over{this, "Over", "Над кнопкой", {240, 0, 2500, 330}};
  Shape Box{this, "Box", {1500, 600, 600, 400}};
  LineShape Mark{this, "Mark", 2000, 300, 2000, 700, RGB(255, 0, 0)};
  LineShape Rule{this, "Rule", 2600, 1500, 4400, 1500, RGB(0, 0, 255)};
};

class PaintCounter : public QObject {
 public:
  explicit PaintCounter(int* n) : n_(n) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++*n_;
    return false;
  }

 private:
  int* n_;
};

QRect part(const ScrollBar& s, QStyle::SubControl p) {
  return scrollBarPart(s, p);
}

}  // namespace

class InputTest : public QObject {
  Q_OBJECT

 private slots:
  void arrowsOfAnUpsideDownBarStepTowardsTheirEnd() {
    FakePlatform fake;
    InputForm f;
    f.show();
    clickScrollBarPart(f.Damping, QStyle::SC_ScrollBarSubLine);  // top arrow: towards Min 5
    QCOMPARE(f.Damping.value(), 4);
    clickScrollBarPart(f.Damping, QStyle::SC_ScrollBarAddLine);  // bottom arrow: towards Max 1
    clickScrollBarPart(f.Damping, QStyle::SC_ScrollBarAddLine);
    QCOMPARE(f.Damping.value(), 2);
    clickScrollBarPart(f.Speed, QStyle::SC_ScrollBarSubLine);  // left arrow: towards Min 50
    QCOMPARE(f.Speed.value(), 26);
    clickScrollBarPart(f.Speed, QStyle::SC_ScrollBarAddLine);
    clickScrollBarPart(f.Speed, QStyle::SC_ScrollBarAddLine);
    QCOMPARE(f.Speed.value(), 24);
    QCOMPARE(f.events, (QStringList{"Damping 4", "Damping 3", "Damping 2", "Speed 26", "Speed 25",
                                    "Speed 24"}));
  }

  void theTrackOfAnUpsideDownBarStepsTowardsTheClick() {
    FakePlatform fake;
    InputForm f;
    f.show();
    f.Damping.setLargeChange(2);
    clickScrollBarPart(f.Damping, QStyle::SC_ScrollBarSubPage);  // above the thumb
    QCOMPARE(f.Damping.value(), 5);
    clickScrollBarPart(f.Damping, QStyle::SC_ScrollBarAddPage);  // below it
    QCOMPARE(f.Damping.value(), 3);
  }

  void theThumbStandsWhereItsValueLies() {
    FakePlatform fake;
    InputForm f;
    f.show();
    f.Damping.setValue(5);
    const QRect atMin = part(f.Damping, QStyle::SC_ScrollBarSlider);
    f.Damping.setValue(1);
    const QRect atMax = part(f.Damping, QStyle::SC_ScrollBarSlider);
    // Min at the top: the thumb touches the top arrow at Min and the bottom arrow at Max.
    QCOMPARE(atMin.top(), part(f.Damping, QStyle::SC_ScrollBarSubLine).bottom() + 1);
    QCOMPARE(atMax.bottom() + 1, part(f.Damping, QStyle::SC_ScrollBarAddLine).top());
    f.Speed.setValue(50);
    QCOMPARE(part(f.Speed, QStyle::SC_ScrollBarSlider).left(),
             part(f.Speed, QStyle::SC_ScrollBarSubLine).right() + 1);
  }

  void dragKeysAndWheelMoveAnUpsideDownBarTowardsTheirEnd() {
    FakePlatform fake;
    InputForm f;
    f.show();
    // While the thumb is held only Scroll is raised; Change comes when it is let go.
    const QPoint thumb =
        windowPoint(f.Damping, scrollBarPart(f.Damping, QStyle::SC_ScrollBarSlider).center());
    pointer::Hand hand(f.window());
    hand.press(thumb);
    hand.moveTo(thumb + QPoint(0, 300));  // all the way down: Max
    QCOMPARE(f.events, QStringList{QStringLiteral("Damping scroll")});
    hand.release(thumb + QPoint(0, 300));
    QCOMPARE(f.Damping.value(), 1);
    QCOMPARE(f.events.last(), QStringLiteral("Damping 1"));
    dragThumbBy(f.Damping, -300);  // all the way up: Min
    QCOMPARE(f.Damping.value(), 5);
    pressKey(f.Damping, Qt::Key_Down);
    QCOMPARE(f.Damping.value(), 4);
    pressKey(f.Damping, Qt::Key_Up);
    QCOMPARE(f.Damping.value(), 5);
    turnWheel(f.Damping, -1);  // towards the pupil: down
    QVERIFY(f.Damping.value() < 5);
    const int down = f.Damping.value();
    turnWheel(f.Damping, 1);
    QCOMPARE(f.Damping.value(), 5);
    QVERIFY(down >= 1);
    pressKey(f.Speed, Qt::Key_Right);  // right: towards Max 1
    QCOMPARE(f.Speed.value(), 24);
    pressKey(f.Speed, Qt::Key_Left);
    pressKey(f.Speed, Qt::Key_Left);
    QCOMPARE(f.Speed.value(), 26);
  }

  void theControlApiStepsAndDragsThroughTheWindowToo() {
    FakePlatform fake;
    InputForm f;
    f.Damping.step(-1);  // towards Min 5
    QCOMPARE(f.Damping.value(), 4);
    f.Damping.step(1);
    f.Damping.step(1);
    QCOMPARE(f.Damping.value(), 2);
    f.Damping.drag(5);
    QCOMPARE(f.Damping.value(), 5);
    QCOMPARE(f.events.mid(f.events.size() - 2), (QStringList{"Damping scroll", "Damping 5"}));
  }

  void labelsShapesAndLinesLieBeneathTheControls() {
    FakePlatform fake;
    InputForm f;
    f.show();
    // The label's last rows overlap the button's first; the shape and the line cross it.
    const QPoint overlap = windowPoint(f.Stop, QPoint(20, 2));
    QCOMPARE(widgetAt(f, overlap), f.Stop.widget());
    clickAt(f, overlap);
    const QPoint crossed = windowPoint(f.Stop, QPoint(f.Stop.widget()->width() - 3, 10));
    QCOMPARE(widgetAt(f, crossed), f.Stop.widget());
    clickAt(f, crossed);
    // Where nothing covers it, the label takes its own click.
    clickAt(f, windowPoint(f.Over, QPoint(f.Over.widget()->width() - 10, 2)));
    QCOMPARE(f.events, (QStringList{"Stop.Click", "Stop.Click", "Over.Click"}));
    // A control made after a label still lies above it.
    CommandButton late(&f, QStringLiteral("Late"), QStringLiteral("Поздняя"), {2400, 0, 800, 400});
    late.onClick = [&] { f.events << QStringLiteral("Late.Click"); };
    clickAt(f, windowPoint(late, QPoint(5, 5)));  // where it overlaps the label
    QCOMPARE(f.events.last(), QStringLiteral("Late.Click"));
  }

  void aLineShowsOnlyItsOwnColour() {
    FakePlatform fake;
    InputForm f;
    f.Rule.setForeColor(RGB(0, 0, 255));  // as a window sets its lines' colours at load
    f.show();
    const QImage shot = f.window()->grab().toImage();
    const QPoint at = windowPoint(f.Rule, QPoint());  // the widget's corner, around the line
    const QRgb bare = shot.pixel(windowPoint(f.Rule, QPoint()) + QPoint(0, -10));
    const int y = f.clientWidget()->mapTo(f.window(), QPoint(0, 100)).y();  // 1500 twips
    int blue = 0;
    for (int x = at.x(); x < at.x() + f.Rule.widget()->width(); ++x) {
      for (int dy = -3; dy <= 3; ++dy) {
        const QRgb px = shot.pixel(x, y + dy);
        if (dy == 0 && px == qRgb(0, 0, 255)) ++blue;
        if (dy != 0) QCOMPARE(QColor(px), QColor(bare));
      }
    }
    QCOMPARE(blue, 1800 / 15 + 1);  // both ends drawn
  }

  void controlClicksGoToWhatLiesAtTheControl() {
    FakePlatform fake;
    InputForm f;
    PictureBox cover(&f, QStringLiteral("Cover"), {0, 0, 2000, 1000});
    cover.onClick = [&] { f.events << QStringLiteral("Cover.Click"); };
    f.Stop.click();  // the picture lies over the button: the pupil's click lands on it
    QCOMPARE(f.events, QStringList{"Cover.Click"});
    f.Stop.setVisible(false);
    f.events.clear();
    f.Stop.click();  // nothing to click
    QVERIFY(f.events.isEmpty());
  }

  void aScreenReadersToggleRaisesClickOnce() {
    FakePlatform fake;
    InputForm f;
    f.show();
    QVERIFY(accessibleAction(f.Option2, QAccessibleActionInterface::toggleAction()) ||
            accessibleAction(f.Option2, QAccessibleActionInterface::pressAction()));
    QVERIFY(f.Option2.value());
    QVERIFY(accessibleAction(f.Check1, QAccessibleActionInterface::toggleAction()));
    QCOMPARE(f.Check1.value(), 1);
    QVERIFY(accessibleAction(f.Check1, QAccessibleActionInterface::toggleAction()));
    QCOMPARE(f.Check1.value(), 0);
    QCOMPARE(f.events, (QStringList{"Option2.Click", "Check1.Click", "Check1.Click"}));
  }

  void keyboardChoicesRaiseClickOnce() {
    FakePlatform fake;
    InputForm f;
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(f.window()));
    pressKey(f.Check1, Qt::Key_Space);
    QCOMPARE(f.Check1.value(), 1);
    f.Option1.setValue(true);
    f.events.clear();
    pressKey(f.Option1, Qt::Key_Down);  // the arrow moves the choice to the next option
    QVERIFY(f.Option2.value());
    QCOMPARE(f.events, QStringList{"Option2.Click"});
    pressKey(f.Option2, Qt::Key_Up);
    QVERIFY(f.Option1.value());
    QCOMPARE(f.events, (QStringList{"Option2.Click", "Option1.Click"}));
  }

  void mouseChoicesRaiseClickOnce() {
    FakePlatform fake;
    InputForm f;
    f.show();
    f.Option2.click();
    f.Check1.click();
    f.Check1.click();
    f.Option2.click();  // clicking the chosen option again is still a click
    QCOMPARE(f.events,
             (QStringList{"Option2.Click", "Check1.Click", "Check1.Click", "Option2.Click"}));
    QCOMPARE(f.Check1.value(), 0);
  }

  void typingReplacesTheTextKeyByKey() {
    FakePlatform fake;
    InputForm f;
    f.show();
    f.Text1.setText(QStringLiteral("18"));
    QStringList changes;
    f.Text1.onChange = [&] { changes << f.Text1.text(); };
    typeText(f.Text1, QStringLiteral("ы 7"));
    QCOMPARE(f.Text1.text(), QStringLiteral("ы 7"));
    QCOMPARE(changes, (QStringList{"ы", "ы ", "ы 7"}));
    typeText(f.Text1, QString());
    QVERIFY(f.Text1.text().isEmpty());
    f.Text1.setLocked(true);
    typeText(f.Text1, QStringLiteral("5"));
    QVERIFY(f.Text1.text().isEmpty());
  }

  void aPauseOfNoLengthStillLetsPendingEventsRun() {
    int ran = 0;
    QMetaObject::invokeMethod(
        qApp, [&] { ++ran; }, Qt::QueuedConnection);
    pause(0);
    QCOMPARE(ran, 1);
    QMetaObject::invokeMethod(
        qApp, [&] { ++ran; }, Qt::QueuedConnection);
    pause(-1);
    QCOMPARE(ran, 2);
    FakePlatform fake;
    QMetaObject::invokeMethod(
        qApp, [&] { ++ran; }, Qt::QueuedConnection);
    pause(-0.5);
    QCOMPARE(ran, 3);
  }

  void theScriptedPlatformHandlesPostedEventsButFiresNoTimer() {
    FakePlatform fake;
    int posted = 0, timed = 0;
    QMetaObject::invokeMethod(
        qApp, [&] { ++posted; }, Qt::QueuedConnection);
    QTimer::singleShot(1, qApp, [&] { ++timed; });  // 0 ms would be a posted call
    DoEvents();
    QCOMPARE(posted, 1);
    QMetaObject::invokeMethod(
        qApp, [&] { ++posted; }, Qt::QueuedConnection);
    pause(0.02);
    QCOMPARE(posted, 2);
    QCOMPARE(timed, 0);
    // A window shown is exposed and painted at the next pause, its repaints at the ones after.
    InputForm f;
    f.show();
    int paints = 0;
    PaintCounter counter(&paints);
    f.Stop.widget()->installEventFilter(&counter);
    pause(0.01);
    QVERIFY(paints > 0);
    paints = 0;
    f.Stop.widget()->update();
    pause(0.01);
    QVERIFY(paints > 0);
  }
};

LESSON_TEST(InputTest)
#include "tst_input.moc"
