// SPDX-License-Identifier: GPL-3.0-or-later
// The event rules of windows and controls, driven both through the control API and through
// real mouse events on the widgets.
#include <QScrollBar>
#include <QtTest>

#include "ui/controls.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/testmain.h"

using namespace ui;

namespace {

class TestForm : public Form {
 public:
  TestForm() : Form(QStringLiteral("Form1"), 6000, 4500) {
    for (Control* c : controls()) {
      c->onClick = [this, c] { events << c->name() + QStringLiteral(".Click"); };
      c->onDblClick = [this, c] { events << c->name() + QStringLiteral(".DblClick"); };
    }
    HScroll1.onChange = [this] { events << QStringLiteral("Change %1").arg(HScroll1.value()); };
    HScroll1.onScroll = [this] { events << QStringLiteral("Scroll %1").arg(HScroll1.value()); };
    VScroll1.onChange = [this] { events << QStringLiteral("VChange %1").arg(VScroll1.value()); };
    Text1.onChange = [this] { events << QStringLiteral("TextChange ") + Text1.text(); };
    Item.onClick = [this] { events << QStringLiteral("Item.Click"); };
    Timer1.onTimer = [this] { events << QStringLiteral("Timer"); };
  }
  void Form_Load() override { events << QStringLiteral("Load"); }
  void Form_Resize() override {
    events << QStringLiteral("Resize %1x%2").arg(clientWidth()).arg(clientHeight());
  }
  void Form_Click() override { events << QStringLiteral("Form.Click"); }
  void Form_DblClick() override { events << QStringLiteral("Form.DblClick"); }

  QStringList events;
  CommandButton Command1{this, "Command1", "Пуск", {3360, 2280, 1935, 495}};
  Label Label1{this, "Label1", "Данные", {480, 0, 1695, 375}};
  TextBox Text1{this, "Text1", "18", {960, 480, 1215, 495}};
  ScrollBar HScroll1{this, "HScroll1", ScrollBar::Horizontal, -10, 10, 0, {240, 1320, 2055, 255}};
  ScrollBar VScroll1{this, "VScroll1", ScrollBar::Vertical, 50, 1, 1, {5400, 200, 375, 1335}};
  OptionButton Option1{this, "Option1", "Силы", {2880, 120, 1255, 315}};
  OptionButton Option2{this, "Option2", "Поля", {2880, 480, 1255, 315}};
  Frame Frame1{this, "Frame1", "Вопрос1", {120, 1800, 2500, 1200}};
  OptionButton Option3{&Frame1, "Option3", "1", {120, 240, 1000, 300}};
  OptionButton Option4{&Frame1, "Option4", "2", {120, 600, 1000, 300}};
  CheckBox Check1{this, "Check1", "Тест F", {3000, 1800, 975, 345}};
  PictureBox Picture1{this, "Picture1", {3000, 3000, 2400, 1200}};
  CommandButton Command2{&Picture1, "Command2", "Ввод", {120, 0, 1000, 375}};
  Menu Top{this, "Top", "Шрифт"};
  Menu Item{&Top, "Item", "шрифт"};
  TimerControl Timer1{this, "Timer1", 1000, false};
};

QPoint centre(const Control& c) {
  return c.widget()->rect().center();
}

}  // namespace

class ControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void positionsAreInTwips() {
    testkit::FakePlatform fake;
    TestForm f;
    QCOMPARE(f.Command1.widget()->geometry(), QRect(224, 152, 129, 33));
    QCOMPARE(f.Command1.left(), 3360.0);
    QCOMPARE(f.Command1.width(), 1935.0);
    f.Command1.move(150, 300);
    QCOMPARE(f.Command1.widget()->pos(), QPoint(10, 20));
    QCOMPARE(f.clientWidth(), 6000.0);
    QCOMPARE(f.clientHeight(), 4500.0);
    QCOMPARE(f.scaleWidth(), 6000.0);
    // Inside a picture box the frame's border is the origin's only offset.
    QCOMPARE(f.Command2.widget()->pos(), QPoint(8 + 2, 2));
  }

  void loadRunsOnceBeforeTheFirstShowingThenResize() {
    testkit::FakePlatform fake;
    TestForm f;
    QVERIFY(f.events.isEmpty());
    f.load();
    f.show();
    f.hide();
    f.show();
    QCOMPARE(f.events, (QStringList{"Load", "Resize 6000x4500"}));
    f.events.clear();
    f.setClientSize(9000, 6000);
    QCOMPARE(f.events, QStringList{"Resize 9000x6000"});
  }

  void aWindowLoadedHiddenStaysHiddenUntilMadeVisible() {
    testkit::FakePlatform fake;
    TestForm f;
    f.load();
    QVERIFY(!f.visible());
    f.setVisible(true);
    QVERIFY(f.visible());
    f.setVisible(false);
    QVERIFY(!f.visible());
    QCOMPARE(f.events.count(QStringLiteral("Load")), 1);
  }

  void scrollBarRaisesChangeAfterEveryChangeOfValue() {
    testkit::FakePlatform fake;
    TestForm f;
    f.HScroll1.setValue(5);
    f.HScroll1.setValue(5);
    f.HScroll1.step(1);
    f.HScroll1.setValue(99);
    QCOMPARE(f.events, (QStringList{"Change 5", "Change 6", "Change 10"}));
  }

  void draggingRaisesScrollWithTheThumbsValueThenChange() {
    testkit::FakePlatform fake;
    TestForm f;
    f.HScroll1.drag(-7);
    QCOMPARE(f.events, (QStringList{"Scroll -7", "Change -7"}));
    QCOMPARE(f.HScroll1.value(), -7);
  }

  void aScrollBarsMinMayExceedItsMax() {
    testkit::FakePlatform fake;
    TestForm f;
    QCOMPARE(f.VScroll1.min(), 50);
    QCOMPARE(f.VScroll1.max(), 1);
    QCOMPARE(f.VScroll1.value(), 1);
    f.VScroll1.step(-1);  // one step towards Min
    QCOMPARE(f.VScroll1.value(), 2);
    f.VScroll1.setValue(50);
    QCOMPARE(f.VScroll1.value(), 50);
    f.VScroll1.setValue(99);  // beyond Min: held at Min
    QCOMPARE(f.VScroll1.value(), 50);
    f.VScroll1.setMin(20);  // the value follows the narrower range, raising Change
    QCOMPARE(f.VScroll1.value(), 20);
    QCOMPARE(f.events.last(), QStringLiteral("VChange 20"));
  }

  void checkBoxValueChangedByCodeRaisesClick() {
    testkit::FakePlatform fake;
    TestForm f;
    f.Check1.setValue(1);
    f.Check1.setValue(1);
    QCOMPARE(f.Check1.value(), 1);
    f.Check1.click();
    QCOMPARE(f.Check1.value(), 0);
    QCOMPARE(f.events, (QStringList{"Check1.Click", "Check1.Click"}));
  }

  void optionSelectedByCodeRaisesClickAndGroupsFollowContainers() {
    testkit::FakePlatform fake;
    TestForm f;
    f.show();
    f.events.clear();
    f.Option1.setValue(true);
    QCOMPARE(f.events, QStringList{"Option1.Click"});
    f.Option3.click();
    QVERIFY(f.Option1.value());  // another container, another group
    QVERIFY(f.Option3.value());
    f.Option2.click();
    QVERIFY(!f.Option1.value());
    QVERIFY(f.Option3.value());
    f.Option3.setValue(false);
    QVERIFY(!f.Option3.value());
    QVERIFY(!f.Option4.value());
    QCOMPARE(f.events, (QStringList{"Option1.Click", "Option3.Click", "Option2.Click"}));
  }

  void realMouseClicksReachTheControlsAndOnlyBareClicksTheWindow() {
    testkit::FakePlatform fake;
    TestForm f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window()));
    f.events.clear();
    QTest::mouseClick(f.Command1.widget(), Qt::LeftButton, {}, centre(f.Command1));
    QTest::mouseClick(f.Label1.widget(), Qt::LeftButton, {}, centre(f.Label1));
    QTest::mouseClick(f.Picture1.widget(), Qt::LeftButton, {}, QPoint(100, 50));
    f.Command2.setEnabled(false);
    QTest::mouseClick(f.Command2.widget(), Qt::LeftButton, {}, centre(f.Command2));
    QTest::mouseClick(f.clientWidget(), Qt::LeftButton, {}, QPoint(5, 290));
    QCOMPARE(f.events,
             (QStringList{"Command1.Click", "Label1.Click", "Picture1.Click", "Form.Click"}));
  }

  void aDoubleClickDeliversAClickFirst() {
    testkit::FakePlatform fake;
    TestForm f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window()));
    f.events.clear();
    QWidget* pic = f.Picture1.widget();
    QTest::mousePress(pic, Qt::LeftButton, {}, QPoint(100, 50));
    QTest::mouseRelease(pic, Qt::LeftButton, {}, QPoint(100, 50));
    QTest::mouseDClick(pic, Qt::LeftButton, {}, QPoint(100, 50));
    QTest::mouseRelease(pic, Qt::LeftButton, {}, QPoint(100, 50));
    QCOMPARE(f.events, (QStringList{"Picture1.Click", "Picture1.DblClick"}));
    f.events.clear();
    f.dblClick();
    QCOMPARE(f.events, (QStringList{"Form.Click", "Form.DblClick"}));
  }

  void textBoxRaisesChangeForTypingAndForCode() {
    testkit::FakePlatform fake;
    TestForm f;
    f.Text1.type(QStringLiteral("abc"));
    f.Text1.setText(QStringLiteral("abc"));
    f.Text1.setText(QStringLiteral("5"));
    QCOMPARE(f.events, (QStringList{"TextChange abc", "TextChange 5"}));
    TextBox multi(&f, QStringLiteral("Text2"), QString(), {0, 0, 3000, 1000}, true);
    multi.setAlignment(Align::Center);
    multi.setText(QStringLiteral("Первая строка\nВторая"));
    QCOMPARE(multi.text(), QStringLiteral("Первая строка\nВторая"));
  }

  void aMultiLineTextReadsBackItsCarriageReturns() {
    testkit::FakePlatform fake;
    TestForm f;
    TextBox multi(&f, QStringLiteral("Text2"), QString(), {0, 0, 3000, 1000}, true);
    const QString text = QStringLiteral("1 да") + QChar(13) + QStringLiteral("2 нет") + QChar(13);
    multi.setText(text);
    QCOMPARE(multi.text(), text);
    QTest::keyClicks(multi.widget(), QStringLiteral("x"));
    QVERIFY(multi.text().contains(QLatin1Char('x')));
    QVERIFY(!multi.text().contains(QChar(13)));
  }

  void disabledControlsTakeNoPupilAction() {
    testkit::FakePlatform fake;
    TestForm f;
    f.Command1.setEnabled(false);
    f.Check1.setEnabled(false);
    f.HScroll1.setEnabled(false);
    f.Command1.click();
    f.Check1.click();
    f.HScroll1.drag(3);
    f.Text1.setEnabled(false);
    f.Text1.type(QStringLiteral("x"));
    QVERIFY(f.events.isEmpty());
    QCOMPARE(f.Check1.value(), 0);
  }

  void menusAndTimers() {
    testkit::FakePlatform fake;
    TestForm f;
    f.Item.click();
    f.Item.action()->trigger();
    f.Timer1.tick();  // disabled: nothing
    f.Timer1.setEnabled(true);
    f.Timer1.tick();
    QCOMPARE(f.events, (QStringList{"Item.Click", "Item.Click", "Timer"}));
    QVERIFY(f.Top.hasItems());
    QCOMPARE(f.Item.caption(), QStringLiteral("шрифт"));
  }

  void aTimerTickThatArrivesDuringTheLastOneIsSkipped() {
    testkit::FakePlatform fake;
    TestForm f;
    f.Timer1.setEnabled(true);
    int ticks = 0;
    f.Timer1.onTimer = [&] {
      ++ticks;
      f.Timer1.tick();
    };
    f.Timer1.tick();
    QCOMPARE(ticks, 1);
  }

  void captionsNameTheControlsForScreenReaders() {
    testkit::FakePlatform fake;
    TestForm f;
    QCOMPARE(f.Command1.accessibleName(), QStringLiteral("Пуск"));
    QCOMPARE(f.Check1.accessibleName(), QStringLiteral("Тест F"));
    QCOMPARE(testkit::controlsWithoutAccessibleName(f),
             (QStringList{"Text1", "HScroll1", "VScroll1"}));
    f.Text1.setAccessibleName(QStringLiteral("Скорость"));
    f.HScroll1.setAccessibleName(QStringLiteral("Заряд 1"));
    f.VScroll1.setAccessibleName(QStringLiteral("Затухание"));
    QVERIFY(testkit::controlsWithoutAccessibleName(f).isEmpty());
  }

  void controlsInsideAScaledPictureUseItsCoordinates() {
    testkit::FakePlatform fake;
    TestForm f;
    f.Picture1.scale(-100, 50, 50, -50);  // 150 units across 156 px, 100 units down 76 px
    TextBox inside(&f.Picture1, QStringLiteral("Text9"), QString(), {-100, 50, 75, 50});
    QCOMPARE(inside.widget()->pos(), QPoint(2, 2));
    QCOMPARE(inside.widget()->width(), 78);
    inside.setTop(0);
    QCOMPARE(inside.widget()->y(), 2 + 38);
    QCOMPARE(inside.top(), 0.0);
  }

  void fontsAndColours() {
    testkit::FakePlatform fake;
    TestForm f;
    f.Label1.setFont({QStringLiteral("Times New Roman"), 15.75, true});
    QCOMPARE(f.Label1.font().size, 15.75);
    QCOMPARE(f.Label1.widget()->font().pixelSize(), 21);
    f.Label1.setFontSize(12);
    QCOMPARE(f.Label1.fontSize(), 12.0);
    QVERIFY(f.Label1.font().bold);
    f.Label1.setBackColor(RGB(0, 128, 128));
    QCOMPARE(f.Label1.widget()->palette().color(QPalette::Window), QColor(0, 128, 128));
    f.Picture1.setBackColor(kWhite);
    QCOMPARE(f.Picture1.pixel(5, 5), kWhite);
    f.setBackColor(RGB(192, 255, 255));
    QCOMPARE(f.pixel(1, 1), RGB(192, 255, 255));
  }

  void aLongCaptionWrapsInsideItsButton() {
    testkit::FakePlatform fake;
    Form f(QStringLiteral("Form1"), 6000, 2000);
    const QString caption = QStringLiteral("Очистка параметров");
    CommandButton tall(&f, QStringLiteral("Tall"), caption, {0, 0, 1815, 735});
    CommandButton wide(&f, QStringLiteral("Wide"), caption, {0, 900, 5000, 735});
    for (CommandButton* b : {&tall, &wide})
      b->setFont({QStringLiteral("MS Sans Serif"), 12, true});
    f.show();
    // Bands of rows that carry dark text pixels: one per line of the caption.
    const auto lines = [](const Control& c) {
      const QImage img = c.widget()->grab().toImage();
      int bands = 0;
      bool inText = false;
      for (int y = 3; y < img.height() - 3; ++y) {
        bool dark = false;
        for (int x = 3; x < img.width() - 3 && !dark; ++x)
          dark = qGray(img.pixel(x, y)) < 100;
        if (dark && !inText) ++bands;
        inText = dark;
      }
      return bands;
    };
    QCOMPARE(lines(tall), 2);
    QCOMPARE(lines(wide), 1);
    QCOMPARE(tall.caption(), caption);
  }
};

LESSON_TEST(ControlsTest)
#include "tst_controls.moc"
