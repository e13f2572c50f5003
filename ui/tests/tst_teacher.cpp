// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's commands of every window, through its keys and its context menu.
#include <QAccessible>
#include <QClipboard>
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
    Picture1.print("Пуск");
    Picture1.scale(0, 10, 20, -10);
    Picture1.pset(At(5, 5));
  }
  QStringList events;
  CommandButton Command1{this, "Command1", "Пуск", {3360, 2280, 1935, 495}};
  TextBox Text1{this, "Text1", "18,5", {3360, 1200, 1215, 495}};
  PictureBox Picture1{this, "Picture1", {120, 120, 3000, 1500}};
};

void keyTo(QWidget* w, const QString& keys) {
  for (const QString& k : keys.split(", "))
    QTest::keySequence(w, QKeySequence(k));
}

}  // namespace

class TestTeacher : public QObject {
  Q_OBJECT

 private slots:
  // Full screen is the largest zoom the screen holds whole, 175 % the largest step; Esc gives
  // back the zoom and the place. Saved and copied: the client area as shown.
  void zoomGrowsTheWindowOnly_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("full");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QRect>("client");   // px
    QTest::addColumn<QRect>("command");  // Command1, px
    QTest::addColumn<int>("raster");     // Picture1's raster width, px
    QTest::newRow("up, and back") << "Ctrl+=, Ctrl+=, Ctrl+0, Ctrl++" << false << 1.25
                                  << QRect(0, 0, 500, 250) << QRect(280, 190, 161, 41) << 245;
    QTest::newRow("up to the screen") << "Ctrl+=, Ctrl+=, Ctrl+=, Ctrl+=, Ctrl+=" << false << 1.75
                                      << QRect(0, 0, 700, 350) << QRect(392, 266, 226, 58) << 343;
    QTest::newRow("down, past the bottom")
        << "Ctrl+-, Ctrl+-, Ctrl+-, Ctrl+-, Ctrl+-" << false << 0.5 << QRect(0, 0, 200, 100)
        << QRect(112, 76, 65, 17) << 98;
    QTest::newRow("full screen") << "Ctrl+-, F11" << true << 2.0 << QRect(0, 200, 800, 400)
                                 << QRect(448, 304, 258, 66) << 392;
    QTest::newRow("full screen, and back")
        << "Ctrl+-, F11, Esc" << false << 0.9 << QRect(0, 0, 360, 180) << QRect(202, 137, 116, 30)
        << 177;
  }
  void zoomGrowsTheWindowOnly() {
    QFETCH(QString, keys);
    QFETCH(bool, full);
    QFETCH(double, zoom);
    QFETCH(QRect, client);
    QFETCH(QRect, command);
    QFETCH(int, raster);
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));  // a file where the second save's folder should be
    QVERIFY(plain.open(QIODevice::WriteOnly));
    FakePlatform platform;
    platform.saveAnswers = {dir.filePath("a.png"), dir.filePath("plain/a.png")};
    TeacherForm form;
    QWidget* window = form.window();
    const QPoint place = window->pos();
    form.draw();
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
    const QImage shown = window->grab().toImage();    // the margins in the form's colour
    QCOMPARE(shown.pixelColor(shown.width() / 2, 0), QColor(0, 0, 128));
    QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() - 1), QColor(0, 0, 128));
    QGuiApplication::clipboard()->clear();
    keyTo(form.Command1.widget(), "Ctrl+S, Ctrl+C, Ctrl+S");
    QCOMPARE(QImage(dir.filePath("a.png")).size(), client.size());
    QCOMPARE(QGuiApplication::clipboard()->image().size(), client.size());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"a.png", "plain"}));
    QCOMPARE(
        platform.proposedFiles
            .filter(QRegularExpression("/Form1 \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.png$"))
            .size(),
        2);
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages[0].startsWith("Сохранить рисунок: Рисунок не сохранён в файл"));
    form.Text1.widget()->setFocus();  // a text box keeps its own Ctrl+C
    keyTo(form.Text1.widget(), "Ctrl+A, Ctrl+C");
    QCOMPARE(QGuiApplication::clipboard()->text(), "18,5");
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
    // What the program reads back is that of 100 %, and Form_Resize does not run.
    QCOMPARE((std::vector<double>{form.clientWidth(), form.clientHeight(), form.Command1.left(),
                                  form.Command1.top(), form.Command1.width(),
                                  form.Command1.height(), form.Picture1.scaleWidth(),
                                  form.Picture1.currentX(), form.Picture1.textWidth("Пуск")}),
             (std::vector<double>{6000, 3000, 3360, 2280, 1935, 495, 20, 5, textWidth}));
    QVERIFY(form.Text1.font() == font && form.events.isEmpty());
    TeacherForm after;  // its picture drawn after the zoom, the same pixel for pixel
    keyTo(after.window(), keys);
    after.draw();
    QCOMPARE(form.Picture1.image(), after.Picture1.image());
  }

  // The items' names and keys, and "О программе" picked, as a screen reader does.
  void contextMenuReadByScreenReader_data() {
    QTest::addColumn<QPoint>("rightClick");  // a window point; none: a key
    QTest::addColumn<QString>("key");
    QTest::newRow("bare form") << QPoint(350, 60) << QString();
    QTest::newRow("picture") << QPoint(100, 50) << QString();
    QTest::newRow("Shift+F10") << QPoint() << "Shift+F10";
    QTest::newRow("menu key") << QPoint() << "Menu";
  }
  void contextMenuReadByScreenReader() {
    QFETCH(QPoint, rightClick);
    QFETCH(QString, key);
    FakePlatform platform;
    TeacherForm form;
    if (key.isEmpty())
      QTest::mouseClick(form.window()->windowHandle(), Qt::RightButton, {}, rightClick);
    else
      keyTo(form.Command1.widget(), key);
    QMenu* menu = form.teacher().menu();
    QVERIFY(menu && menu->isVisible());
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu);
    QStringList read;
    for (int i = 0; i < items->childCount(); ++i)
      if (QAccessibleInterface* item = items->child(i); item->role() == QAccessible::MenuItem)
        read << item->text(QAccessible::Name) + ' ' + item->text(QAccessible::Accelerator);
    QCOMPARE(read, (QStringList{"Крупнее Ctrl++", "Мельче Ctrl+-", "Обычный размер Ctrl+0",
                                "Во весь экран F11", "Сохранить рисунок… Ctrl+S",
                                "Копировать рисунок Ctrl+C", "О программе "}));
    QVERIFY(form.events.isEmpty());  // a right click is no Click
    items->child(items->childCount() - 1)->actionInterface()->doAction("Press");
    QTRY_COMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages[0].startsWith("О программе: Form1\n\nВерсия 1.0.0") &&
            platform.messages[0].contains("GNU"));
    menu->hide();
    clickOn(form.Picture1);  // the left button stays the program's
    QCOMPARE(form.events, QStringList{"Picture1.Click"});
  }
};

LESSON_TEST(TestTeacher)
LESSON_TEST_MAIN()

#include "tst_teacher.moc"
