// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QClipboard>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/teacher.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/pupil.h"
#include "ui/testkit/testmain.h"

using namespace ui;
using namespace ui::testkit;

namespace {

// Shown and active, as the teacher's keys need: 400 x 200 px at 100 % on an 800 x 800 screen.
struct TeacherForm : Form {
  TeacherForm() : Form("Form1", 6000, 3000) {
    Picture1.onClick = [this] { events << "Picture1.Click"; };
    setBackColor(RGB(0, 0, 128));
    show();
    window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window()));
    events.clear();
  }
  void Form_Resize() override { events << QString("Resize %1").arg(clientWidth()); }
  void draw() {  // figures of every kind
    Picture1.cls();
    Picture1.line(At(150, 150), At(2000, 900), kBlack);
    Picture1.circle(At(1200, 600), 400, RGB(255, 0, 0));
    Picture1.line(At(300, 700), At(900, 1000), RGB(0, 0, 255), LineMode::FilledBox);
    Picture1.pset(At(1500, 200));
    Picture1.print("Пуск");
  }
  QStringList events;
  CommandButton Command1{this, "Command1", "Пуск", {3360, 2280, 1935, 495}};
  TextBox Text1{this, "Text1", "18,5", {3360, 1200, 1215, 495}};
  PictureBox Picture1{this, "Picture1", {120, 120, 3000, 1500}};
  CheckBox Check1{this, "Check1", "Пучности", {3360, 1740, 1575, 375}};
  ScrollBar HScroll1{this, "HScroll1", ScrollBar::Horizontal, 0, 10, 5, {120, 1740, 3000, 255}};
};

void keyTo(QWidget* w, const QString& keys) {
  for (const QString& k : keys.split(", "))
    QTest::keySequence(w, QKeySequence(k));
}

}  // namespace

class TestTeacher : public QObject {
  Q_OBJECT

 private slots:
  // Full screen is the largest zoom the screen holds whole, 175 % the largest step. Saved and
  // copied: the client area as shown. The menu read and "О программе" picked by a screen reader.
  void commandsGrowTheWindowOnly_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("full");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QRect>("client");   // px
    QTest::addColumn<QRect>("command");  // Command1, px
    QTest::addColumn<int>("raster");     // Picture1's raster width, px
    QTest::addColumn<QVariant>("menu");  // opened by a right click at a window point, or a key
    QTest::newRow("up, and back") << "Ctrl+=, Ctrl+=, Ctrl+0, Ctrl++" << false << 1.25
                                  << QRect(0, 0, 500, 250) << QRect(280, 190, 161, 41) << 245
                                  << QVariant(QPoint(350, 60));  // on the bare form
    QTest::newRow("up to the screen")
        << "Ctrl+=, Ctrl+=, Ctrl+=, Ctrl+=, Ctrl+=" << false << 1.75 << QRect(0, 0, 700, 350)
        << QRect(392, 266, 226, 58) << 343 << QVariant(QPoint(100, 50));  // on the picture
    QTest::newRow("down, past the bottom")
        << "Ctrl+-, Ctrl+-, Ctrl+-, Ctrl+-, Ctrl+-" << false << 0.5 << QRect(0, 0, 200, 100)
        << QRect(112, 76, 65, 17) << 98 << QVariant("Shift+F10");
    QTest::newRow("full screen") << "Ctrl+-, F11" << true << 2.0 << QRect(0, 200, 800, 400)
                                 << QRect(448, 304, 258, 66) << 392 << QVariant("Menu");
    QTest::newRow("full screen, and back")
        << "Ctrl+-, F11, Esc" << false << 0.9 << QRect(0, 0, 360, 180) << QRect(202, 137, 116, 30)
        << 177 << QVariant("Menu");
  }
  void commandsGrowTheWindowOnly() {
    QFETCH(QString, keys);
    QFETCH(bool, full);
    QFETCH(double, zoom);
    QFETCH(QRect, client);
    QFETCH(QRect, command);
    QFETCH(int, raster);
    QFETCH(QVariant, menu);
    QTemporaryDir dir;
    QVERIFY(QFile(dir.filePath("plain")).open(QIODevice::WriteOnly));  // not a folder to save in
    FakePlatform platform;
    platform.saveAnswers = {dir.filePath("a.png"), dir.filePath("plain/a.png")};
    TeacherForm form;
    QWidget* window = form.window();
    const QPoint place = window->pos();
    form.draw();
    form.Picture1.scale(0, 10, 20, -10);
    form.Picture1.pset(At(5, 5));
    const double textWidth = form.Picture1.textWidth("Пуск");
    const FontSpec font = form.Text1.font();
    keyTo(form.Command1.widget(), keys);
    QCOMPARE(form.zoom(), zoom);
    QCOMPARE(form.fullScreen(), full);
    QTRY_COMPARE(window->size(), full ? QSize(800, 800) : client.size());
    if (!full) QCOMPARE(window->pos(), place);
    QCOMPARE(form.clientWidget()->geometry(), client);
    QCOMPARE(form.Command1.widget()->geometry(), command);
    QCOMPARE(form.Picture1.image().width(), raster);  // drawn afresh in the zoom's pixels
    QVERIFY(form.Text1.font() == font);             // what the program reads back is that of 100 %
    const QImage shown = window->grab().toImage();  // the margins in the form's colour
    QCOMPARE(shown.pixelColor(shown.width() / 2, 0), QColor(0, 0, 128));
    QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() - 1), QColor(0, 0, 128));
    QCOMPARE((std::vector<double>{form.clientWidth(), form.clientHeight(), form.Command1.left(),
                                  form.Command1.top(), form.Command1.width(),
                                  form.Command1.height(), form.Picture1.scaleWidth(),
                                  form.Picture1.currentX(), form.Picture1.textWidth("Пуск")}),
             (std::vector<double>{6000, 3000, 3360, 2280, 1935, 495, 20, 5, textWidth}));
    QGuiApplication::clipboard()->clear();
    keyTo(form.Command1.widget(), "Ctrl+S, Ctrl+C, Ctrl+S");
    QCOMPARE(QImage(dir.filePath("a.png")).size(), client.size());
    QCOMPARE(QGuiApplication::clipboard()->image().size(), client.size());
    QCOMPARE(QGuiApplication::clipboard()->text(), "");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"a.png", "plain"}));
    const QRegularExpression proposed("/Form1 \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.png$");
    QCOMPARE(platform.proposedFiles.filter(proposed).size(), 2);
    if (menu.typeId() == QMetaType::QPoint)
      QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, menu.toPoint());
    else
      keyTo(form.Command1.widget(), menu.toString());
    QMenu* shownMenu = form.teacher().menu();
    QVERIFY(shownMenu && shownMenu->isVisible());
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(shownMenu);
    QStringList read;
    for (int i = 0; i < items->childCount(); ++i)
      if (QAccessibleInterface* item = items->child(i); item->role() == QAccessible::MenuItem)
        read << item->text(QAccessible::Name) + ' ' + item->text(QAccessible::Accelerator);
    QCOMPARE(read, (QStringList{"Крупнее Ctrl++", "Мельче Ctrl+-", "Обычный размер Ctrl+0",
                                "Во весь экран F11", "Сохранить рисунок… Ctrl+S",
                                "Копировать рисунок Ctrl+C", "О программе "}));
    items->child(items->childCount() - 1)->actionInterface()->doAction("Press");
    QTRY_COMPARE(platform.messages.size(), 2);
    QVERIFY(platform.messages[0].startsWith("Сохранить рисунок: Рисунок не сохранён в файл"));
    QVERIFY(platform.messages[1].startsWith("О программе: Form1\n\nВерсия 1.0.0") &&
            platform.messages[1].contains("GNU"));
    shownMenu->hide();
    clickOn(form.Picture1);  // the left button stays the program's; no Resize, no right Click
    QCOMPARE(form.events, QStringList{"Picture1.Click"});
    form.Text1.widget()->setFocus();  // a text box keeps its own Ctrl+C
    keyTo(form.Text1.widget(), "Ctrl+A, Ctrl+C");
    QCOMPARE(QGuiApplication::clipboard()->text(), "18,5");
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
    TeacherForm after;  // its picture drawn after the zoom, the same pixel for pixel
    keyTo(after.window(), keys);
    after.draw();
    after.Picture1.pset(At(735, 360));  // (5, 5) of the other's scale
    QCOMPARE(form.Picture1.image(), after.Picture1.image());
  }

  // What the style draws grows with the window: the check box's square as drawn, the scroll
  // bar's arrow button. The teacher's menu, a message box opened from the window and a
  // tooltip take its zoomed font, the menu and the tooltip also when they were shown before
  // the zoom changed.
  void theStyleGrowsWithTheWindow_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("square");  // px
    QTest::addColumn<int>("arrow");   // px along the bar
    QTest::addColumn<int>("font");    // px
    QTest::newRow("100 %") << "" << 14 << 14 << 12;
    QTest::newRow("125 %") << "Ctrl++" << 17 << 17 << 15;
    QTest::newRow("175 %, the menu opened at 100 %")
        << "Shift+F10, Esc, Ctrl++, Ctrl++, Ctrl++" << 24 << 24 << 21;
    QTest::newRow("full screen") << "F11" << 28 << 28 << 24;
    QTest::newRow("back to 100 %") << "Ctrl++, Shift+F10, Esc, Ctrl+0" << 14 << 14 << 12;
  }
  void theStyleGrowsWithTheWindow() {
    QFETCH(QString, keys);
    QFETCH(int, square);
    QFETCH(int, arrow);
    QFETCH(int, font);
    TeacherForm other;  // at 100 %, whose tooltip the form's takes over while it shows
    TeacherForm form;
    const auto tipFont = [](TeacherForm& f) {
      QWidget* w = f.Check1.widget();
      w->setToolTip("Пуск");
      QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
      QApplication::sendEvent(w, &help);
      for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible())
          return QFontInfo(top->font()).pixelSize();
      return 0;
    };
    for (const QString& k : (keys + ", Shift+F10").split(", ", Qt::SkipEmptyParts)) {
      QWidget* popup = QApplication::activePopupWidget();
      QTest::keySequence(popup ? popup : form.Command1.widget(), QKeySequence(k));
    }
    QVERIFY(form.teacher().menu()->isVisible());
    QCOMPARE(QFontInfo(form.teacher().menu()->font()).pixelSize(), font);
    QMessageBox box(QMessageBox::Information, "Form1", "Пуск", QMessageBox::Ok, form.window());
    box.show();
    QCOMPARE(QFontInfo(box.font()).pixelSize(), font);
    QCOMPARE(tipFont(other), 12);
    QCOMPARE(tipFont(form), font);
    // The square's outline across its middle row, in front of the background.
    const QImage shown = form.Check1.widget()->grab().toImage();
    const QRgb back = shown.pixel(0, 0);
    int left = 0;
    while (shown.pixel(left, shown.height() / 2) == back)
      ++left;
    int right = left;
    while (shown.pixel(right, shown.height() / 2) != back)
      ++right;
    QScrollBar* bar = static_cast<QScrollBar*>(form.HScroll1.widget());
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.orientation = Qt::Horizontal;
    const QRect button =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarAddLine, bar);
    QCOMPARE(right - left, square);
    QCOMPARE(button.width(), arrow);
  }
};

LESSON_TEST(TestTeacher)
LESSON_TEST_MAIN()

#include "tst_teacher.moc"
