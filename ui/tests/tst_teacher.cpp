// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's commands of every window, through its keys and its context menu: the zoom
// grows what the screen shows and nothing the program reads; full screen; the picture saved
// and copied; the menu as a screen reader reads it; the classroom settings of a real run.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QMenu>
#include <QScreen>
#include <QSettings>
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
  // A picture with every kind of figure, in twips.
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
  Label Label1{this, "Label1", "Данные", {3360, 120, 1695, 375}};
  PictureBox Picture1{this, "Picture1", {120, 120, 3000, 1500}};
};

// Shows the window and makes it the active one, as the teacher's keys need.
void showActive(Form& form) {
  form.show();
  form.window()->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form.window()));
}

void keyTo(QWidget* w, QKeySequence keys) {
  for (int i = 0; i < keys.count(); ++i)
    QTest::keyClick(w, keys[i].key(), keys[i].keyboardModifiers());
}

// The menu's items as a screen reader reads them: names and their keys.
QStringList readMenu(QMenu* menu) {
  QStringList items;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(menu);
  for (int i = 0; iface && i < iface->childCount(); ++i) {
    QAccessibleInterface* item = iface->child(i);
    if (item->role() != QAccessible::MenuItem) continue;
    const QString keys = item->text(QAccessible::Accelerator);
    items << item->text(QAccessible::Name) + (keys.isEmpty() ? QString() : QLatin1Char(' ') + keys);
  }
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
    QTest::newRow("one step up") << "Ctrl+=" << 1.25 << QSize(500, 250) << QRect(280, 190, 161, 41)
                                 << 245;
    QTest::newRow("two up, plus") << "Ctrl+=, Ctrl++" << 1.5 << QSize(600, 300)
                                  << QRect(336, 228, 194, 50) << 294;
    // 175 % is the largest step the 800 x 800 offscreen screen holds whole.
    QTest::newRow("up to the screen") << "Ctrl+=, Ctrl+=, Ctrl+=, Ctrl+=, Ctrl+=" << 1.75
                                      << QSize(700, 350) << QRect(392, 266, 226, 58) << 343;
    QTest::newRow("one down") << "Ctrl+-" << 0.9 << QSize(360, 180) << QRect(202, 137, 116, 30)
                              << 177;
    QTest::newRow("past the bottom") << "Ctrl+-, Ctrl+-, Ctrl+-, Ctrl+-, Ctrl+-" << 0.5
                                     << QSize(200, 100) << QRect(112, 76, 65, 17) << 98;
    QTest::newRow("back to 100") << "Ctrl+=, Ctrl+=, Ctrl+0" << 1.0 << QSize(400, 200)
                                 << QRect(224, 152, 129, 33) << 196;
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
    form.Picture1.scale(0, 10, 20, -10);
    form.Picture1.pset(At(5, 5));
    const double textWidth = form.Picture1.textWidth(QStringLiteral("Пуск"));
    const FontSpec labelFont = form.Label1.font();
    form.events.clear();
    form.Command1.widget()->setFocus();
    keyTo(form.Command1.widget(), QKeySequence(keys));

    QCOMPARE(form.zoom(), zoom);
    QCOMPARE(form.clientWidget()->size(), client);
    QCOMPARE(form.Command1.widget()->geometry(), command);
    // The picture is drawn afresh in as many raster pixels as the zoom gives it.
    QCOMPARE(form.Picture1.image().width(), raster);
    // What the program reads back is that of 100 %.
    QCOMPARE(form.clientWidth(), 6000.0);
    QCOMPARE(form.clientHeight(), 3000.0);
    QCOMPARE((std::vector<double>{form.Command1.left(), form.Command1.top(), form.Command1.width(),
                                  form.Command1.height()}),
             (std::vector<double>{3360, 2280, 1935, 495}));
    QCOMPARE(form.Picture1.pixelSize(), QSize(196, 96));
    QCOMPARE(form.Picture1.scaleWidth(), 20.0);
    QCOMPARE(form.Picture1.currentX(), 5.0);
    QCOMPARE(form.Picture1.textWidth(QStringLiteral("Пуск")), textWidth);
    QVERIFY(form.Label1.font() == labelFont);
    QVERIFY(form.events.isEmpty());  // no Form_Resize: the design size stands
  }

  void pictureDrawnBeforeZoomEqualsOneDrawnAfter_data() {
    QTest::addColumn<QString>("keys");
    QTest::newRow("125 %") << "Ctrl+=";
    QTest::newRow("175 %") << "Ctrl+=, Ctrl+=, Ctrl+=";
    QTest::newRow("200 %") << "Ctrl+=, Ctrl+=, Ctrl+=, Ctrl+=";
    QTest::newRow("90 %") << "Ctrl+-";
  }
  void pictureDrawnBeforeZoomEqualsOneDrawnAfter() {
    QFETCH(QString, keys);
    FakePlatform platform;
    TeacherForm before, after;
    showActive(before);
    before.draw();
    keyTo(before.window(), QKeySequence(keys));
    showActive(after);
    keyTo(after.window(), QKeySequence(keys));
    after.draw();
    QCOMPARE(before.zoom(), after.zoom());
    QCOMPARE(before.Picture1.image(), after.Picture1.image());
  }

  void fullScreenFillsTheScreenAndEscRestores() {
    FakePlatform platform;
    TeacherForm form;
    showActive(form);
    keyTo(form.window(), QKeySequence(QStringLiteral("Ctrl+-")));
    const QPoint place = form.window()->pos();
    form.events.clear();

    QTest::keyClick(form.window(), Qt::Key_F11);
    QVERIFY(form.fullScreen());
    QTRY_COMPARE(form.window()->size(), QSize(800, 800));
    QCOMPARE(form.zoom(), 2.0);
    QCOMPARE(form.clientWidget()->geometry(), QRect(0, 200, 800, 400));
    QCOMPARE(form.clientWidth(), 6000.0);
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

  void savePicture_data() {
    QTest::addColumn<QString>("file");  // in a temporary folder
    QTest::addColumn<bool>("written");
    QTest::newRow("a folder that takes it") << "lesson.png" << true;
    QTest::newRow("a file where the folder should be") << "plain/lesson.png" << false;
  }
  void savePicture() {
    QFETCH(QString, file);
    QFETCH(bool, written);
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    FakePlatform platform;
    platform.saveAnswers.push_back(dir.filePath(file));
    TeacherForm form;
    showActive(form);
    keyTo(form.window(), QKeySequence(QStringLiteral("Ctrl+=, Ctrl+S")));

    QCOMPARE(platform.proposedFiles.size(), 1);
    QVERIFY2(QRegularExpression(
                 QStringLiteral("/Form1 \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.png$"))
                 .match(platform.proposedFiles[0])
                 .hasMatch(),
             qPrintable(platform.proposedFiles[0]));
    const QImage saved(dir.filePath(file));
    QCOMPARE(saved.size(), written ? QSize(500, 250) : QSize(0, 0));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), written ? 2 : 1);  // and "plain"
    QCOMPARE(platform.messages.size(), written ? 0 : 1);
    if (!written) QVERIFY(platform.messages[0].contains(QStringLiteral("не сохранён")));
  }

  void copyTakesThePictureOrTheText_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("text");  // on the clipboard; none: the picture
    QTest::newRow("a button") << "Command1" << QString();
    QTest::newRow("a text box") << "Text1"
                                << "18,5";
  }
  void copyTakesThePictureOrTheText() {
    QFETCH(QString, focus);
    QFETCH(QString, text);
    FakePlatform platform;
    TeacherForm form;
    showActive(form);
    QGuiApplication::clipboard()->clear();
    keyTo(form.window(), QKeySequence(QStringLiteral("Ctrl+=")));
    Control& c =
        focus == QLatin1String("Text1") ? static_cast<Control&>(form.Text1) : form.Command1;
    pressKey(c, Qt::Key_A, Qt::ControlModifier);
    pressKey(c, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
    QCOMPARE(QGuiApplication::clipboard()->image().size(),
             text.isEmpty() ? QSize(500, 250) : QSize(0, 0));
  }

  void contextMenuReadByScreenReader_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("right click on the form") << "form";
    QTest::newRow("right click on the picture") << "picture";
    QTest::newRow("Shift+F10") << "shift-f10";
    QTest::newRow("menu key") << "menu";
  }
  void contextMenuReadByScreenReader() {
    QFETCH(QString, how);
    FakePlatform platform;
    TeacherForm form;
    showActive(form);
    form.events.clear();
    const QPoint bare(350, 60);
    if (how == QLatin1String("form")) {
      QTest::mouseClick(form.window()->windowHandle(), Qt::RightButton, {}, bare);
    } else if (how == QLatin1String("picture")) {
      QTest::mouseClick(form.window()->windowHandle(), Qt::RightButton, {},
                        windowPoint(form.Picture1));
    } else if (how == QLatin1String("shift-f10")) {
      pressKey(form.Command1, Qt::Key_F10, Qt::ShiftModifier);
    } else {
      pressKey(form.Command1, Qt::Key_Menu);
    }
    QMenu* menu = form.teacher().menu();
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(readMenu(menu),
             (QStringList{"Крупнее Ctrl++", "Мельче Ctrl+-", "Обычный размер Ctrl+0",
                          "Во весь экран F11", "Сохранить рисунок… Ctrl+S",
                          "Копировать рисунок Ctrl+C", "О программе"}));
    QVERIFY(form.events.isEmpty());  // a right click is no Click
    // The screen reader picks "О программе".
    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(menu)->child(
        QAccessible::queryAccessibleInterface(menu)->childCount() - 1);
    about->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(platform.messages.size(), 1);
    QVERIFY2(platform.messages[0].startsWith(QStringLiteral("О программе: Form1\n\nВерсия 1.0.0")),
             qPrintable(platform.messages[0]));
    QVERIFY(platform.messages[0].contains(QStringLiteral("GNU")));
    menu->hide();
    // The left button stays the program's.
    clickOn(form.Picture1);
    QCOMPARE(form.events, QStringList{"Picture1.Click"});
  }

  // Last: a real run's settings stay in force for every window made after them.
  void classroomZoomRememberedAndFitted_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QSize>("twips");
    QTest::addColumn<double>("zoom");
    QTest::newRow("remembered") << QStringList{"lenses"} << QSize(6000, 3000) << 1.5;
    QTest::newRow("given") << QStringList{"lenses", "--zoom", "75"} << QSize(6000, 3000) << 0.75;
    QTest::newRow("too large for the screen") << QStringList{"lenses"} << QSize(12000, 9000) << 0.9;
  }
  void classroomZoomRememberedAndFitted() {
    QFETCH(QStringList, arguments);
    QFETCH(QSize, twips);
    QFETCH(double, zoom);
    QSettings().setValue(QStringLiteral("zoom"), 150);
    startClassroom({QStringLiteral("Линзы"), QStringLiteral("линза")}, arguments);
    FakePlatform platform;
    TeacherForm form(twips.width(), twips.height());
    showActive(form);
    QCOMPARE(form.zoom(), zoom);
    keyTo(form.window(), QKeySequence(QStringLiteral("Ctrl+0")));
    QCOMPARE(QSettings().value(QStringLiteral("zoom")).toInt(), 100);
    QVERIFY(form.teacher().aboutText().startsWith(QStringLiteral("Линзы\nлинза\n\n")));
  }
};

LESSON_TEST(TestTeacher)
LESSON_TEST_MAIN()

#include "tst_teacher.moc"
