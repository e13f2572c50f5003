// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's commands of every window, through its keys and its context menu: the zoom
// grows what the screen shows and nothing the program reads; full screen; the picture saved
// and copied; the menu as a screen reader reads it.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/controls.h"
#include "ui/teacher.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/pupil.h"
#include "ui/testkit/testmain.h"

using namespace ui;
using namespace ui::testkit;

namespace {

// 400 x 200 px at 100 %: twice that fills the 800 x 800 offscreen screen's width.
class TeacherForm : public Form {
 public:
  explicit TeacherForm(double width = 6000, double height = 3000)
      : Form(QStringLiteral("Form1"), width, height) {
    Picture1.onClick = [this] { events << QStringLiteral("Picture1.Click"); };
    setBackColor(RGB(0, 0, 128));
  }
  void Form_Resize() override { events << QStringLiteral("Resize %1").arg(clientWidth()); }
  // Figures of every kind, in twips.
  void draw() {
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
};

// Shows the window and makes it the active one, as the teacher's keys need.
void showActive(Form& form) {
  form.show();
  form.window()->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form.window()));
}

void keyTo(QWidget* w, const QString& keys) {
  for (const QString& k : keys.split(QStringLiteral(", ")))
    QTest::keySequence(w, QKeySequence(k));
}

// The menu's items as a screen reader reads them: names and their keys.
QStringList readMenu(QMenu* menu) {
  QStringList items;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(menu);
  for (int i = 0; i < iface->childCount(); ++i)
    if (QAccessibleInterface* item = iface->child(i); item->role() == QAccessible::MenuItem)
      items
          << (item->text(QAccessible::Name) + ' ' + item->text(QAccessible::Accelerator)).trimmed();
  return items;
}

}  // namespace

class TestTeacher : public QObject {
  Q_OBJECT

 private slots:
  void zoomGrowsTheWindowOnly_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QSize>("client");   // px
    QTest::addColumn<QRect>("command");  // Command1, px
    QTest::addColumn<int>("raster");     // Picture1's raster width, px
    QTest::newRow("up, and back") << "Ctrl+=, Ctrl+=, Ctrl+0, Ctrl++" << 1.25 << QSize(500, 250)
                                  << QRect(280, 190, 161, 41) << 245;
    // 175 % is the largest step the 800 x 800 offscreen screen holds whole.
    QTest::newRow("up to the screen") << "Ctrl+=, Ctrl+=, Ctrl+=, Ctrl+=, Ctrl+=" << 1.75
                                      << QSize(700, 350) << QRect(392, 266, 226, 58) << 343;
    QTest::newRow("down, past the bottom") << "Ctrl+-, Ctrl+-, Ctrl+-, Ctrl+-, Ctrl+-" << 0.5
                                           << QSize(200, 100) << QRect(112, 76, 65, 17) << 98;
  }
  void zoomGrowsTheWindowOnly() {
    QFETCH(QString, keys);
    QFETCH(double, zoom);
    QFETCH(QSize, client);
    QFETCH(QRect, command);
    QFETCH(int, raster);
    FakePlatform platform;
    TeacherForm form;
    showActive(form);
    form.draw();
    form.Picture1.scale(0, 10, 20, -10);
    form.Picture1.pset(At(5, 5));
    const double textWidth = form.Picture1.textWidth(QStringLiteral("Пуск"));
    const FontSpec font = form.Text1.font();
    form.events.clear();
    keyTo(form.Command1.widget(), keys);
    QCOMPARE(form.zoom(), zoom);
    QCOMPARE(form.clientWidget()->size(), client);
    QCOMPARE(form.Command1.widget()->geometry(), command);
    // The picture is drawn afresh in as many raster pixels as the zoom gives it.
    QCOMPARE(form.Picture1.image().width(), raster);
    // What the program reads back is that of 100 %, and Form_Resize does not run.
    QCOMPARE((std::vector<double>{
                 form.clientWidth(), form.clientHeight(), form.Command1.left(), form.Command1.top(),
                 form.Command1.width(), form.Command1.height(), form.Picture1.scaleWidth(),
                 form.Picture1.currentX(), form.Picture1.textWidth(QStringLiteral("Пуск"))}),
             (std::vector<double>{6000, 3000, 3360, 2280, 1935, 495, 20, 5, textWidth}));
    QVERIFY(form.Text1.font() == font && form.events.isEmpty());
    // The picture drawn before the zoom is the one drawn after it, pixel for pixel.
    TeacherForm after;
    showActive(after);
    keyTo(after.window(), keys);
    after.draw();
    after.Picture1.pset(At(735, 360));  // (5, 5) of the other scale, pixel (49, 24)
    QCOMPARE(form.Picture1.image(), after.Picture1.image());
  }

  void fullScreenFillsTheScreenAndEscRestores() {
    FakePlatform platform;
    TeacherForm form;
    showActive(form);
    keyTo(form.window(), QStringLiteral("Ctrl+-"));
    const QPoint place = form.window()->pos();
    form.events.clear();
    QTest::keyClick(form.window(), Qt::Key_F11);
    QVERIFY(form.fullScreen());
    QTRY_COMPARE(form.window()->size(), QSize(800, 800));
    QCOMPARE(form.zoom(), 2.0);
    QCOMPARE(form.clientWidget()->geometry(), QRect(0, 200, 800, 400));
    // The margin above and below in the form's colour.
    const QImage shown = form.window()->grab().toImage();
    QCOMPARE(shown.pixelColor(400, 50), QColor(0, 0, 128));
    QCOMPARE(shown.pixelColor(400, 760), QColor(0, 0, 128));
    QTest::keyClick(form.window(), Qt::Key_Escape);
    QVERIFY(!form.fullScreen());
    QTRY_COMPARE(form.window()->size(), QSize(360, 180));
    QCOMPARE(form.zoom(), 0.9);
    QCOMPARE(form.window()->pos(), place);
    QVERIFY(form.events.isEmpty());  // Form_Resize saw the design size throughout
  }

  // Ctrl+S and Ctrl+C give the client area as the screen shows it at 125 %; a text box keeps
  // its own Ctrl+C.
  void pictureSavedOrCopied_data() {
    QTest::addColumn<bool>("inTextBox");  // the focus; else on a button
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("file");   // the save dialog's answer, in a temporary folder
    QTest::addColumn<QSize>("picture");  // saved or on the clipboard, px
    QTest::addColumn<QString>("text");   // on the clipboard, or the message shown
    QTest::newRow("saved") << false << "Ctrl+S" << QString("a.png") << QSize(500, 250) << "";
    QTest::newRow("no folder") << false << "Ctrl+S" << QString("plain/a.png") << QSize(0, 0)
                               << "Сохранить рисунок: Рисунок не сохранён в файл";
    QTest::newRow("copied") << false << "Ctrl+C" << QString() << QSize(500, 250) << "";
    QTest::newRow("text box") << true << "Ctrl+A, Ctrl+C" << QString() << QSize(0, 0) << "18,5";
  }
  void pictureSavedOrCopied() {
    QFETCH(bool, inTextBox);
    QFETCH(QString, keys);
    QFETCH(QString, file);
    QFETCH(QSize, picture);
    QFETCH(QString, text);
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain")));  // a file where a folder should be
    QVERIFY(plain.open(QIODevice::WriteOnly));
    FakePlatform platform;
    platform.saveAnswers.push_back(dir.filePath(file));
    QGuiApplication::clipboard()->clear();
    TeacherForm form;
    showActive(form);
    keyTo(form.window(), QStringLiteral("Ctrl+="));
    QWidget* focus = inTextBox ? form.Text1.widget() : form.Command1.widget();
    focus->setFocus();
    keyTo(focus, keys);
    if (file.isEmpty()) {
      QCOMPARE(QGuiApplication::clipboard()->image().size(), picture);
      QCOMPARE(QGuiApplication::clipboard()->text(), text);
      return;
    }
    QVERIFY(platform.proposedFiles.value(0).contains(QRegularExpression(
        QStringLiteral("/Form1 \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.png$"))));
    QCOMPARE(QImage(dir.filePath(file)).size(), picture);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), text.isEmpty() ? 2 : 1);
    QCOMPARE(platform.messages.size(), text.isEmpty() ? 0 : 1);
    QCOMPARE(platform.messages.value(0).left(text.size()), text);
  }

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
    showActive(form);
    form.events.clear();
    if (!key.isEmpty())
      keyTo(form.Command1.widget(), key);
    else
      QTest::mouseClick(form.window()->windowHandle(), Qt::RightButton, {}, rightClick);
    QMenu* menu = form.teacher().menu();
    QVERIFY(menu && menu->isVisible());
    QCOMPARE(readMenu(menu),
             (QStringList{"Крупнее Ctrl++", "Мельче Ctrl+-", "Обычный размер Ctrl+0",
                          "Во весь экран F11", "Сохранить рисунок… Ctrl+S",
                          "Копировать рисунок Ctrl+C", "О программе"}));
    QVERIFY(form.events.isEmpty());  // a right click is no Click
    // The screen reader picks "О программе".
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu);
    items->child(items->childCount() - 1)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages[0].startsWith(QStringLiteral("О программе: Form1\n\nВерсия 1.0.0")) &&
            platform.messages[0].contains(QStringLiteral("GNU")));
    menu->hide();
    clickOn(form.Picture1);  // the left button stays the program's
    QCOMPARE(form.events, QStringList{"Picture1.Click"});
  }
};

LESSON_TEST(TestTeacher)
LESSON_TEST_MAIN()

#include "tst_teacher.moc"
