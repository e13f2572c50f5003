// SPDX-License-Identifier: GPL-3.0-or-later
// The lessons on an English desktop (CTest runs these windows with LESSON_LANG=en), and the
// language that a program started on each kind of desktop takes.
#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "form2.h"
#include "launcher.h"
#include "oscillationsquiz.h"
#include "ui/app.h"
#include "ui/teacher.h"
#include "ui/testkit/fakeplatform.h"
#include "ui/testkit/pupil.h"
#include "varden.h"

class EnglishTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ui::setUpApplication(); }

  // LANGUAGE, LC_ALL, LC_MESSAGES and LANG as Qt reads them; numbers keep the locale's point.
  void desktopLanguage_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("said");
    const QStringList en = {"en", "&Start", "Cancel"}, ru = {"ru", "&Запустить", "Отмена"};
    const auto row = [](const char* name, const QStringList& env, QStringList said,
                        const char* point) { QTest::newRow(name) << env << (said << point); };
    row("English", {"LANG=en_GB.UTF-8"}, en, "0.4");
    row("Russian", {"LANG=ru_RU.UTF-8"}, ru, "0,4");
    row("German", {"LANG=de_DE.UTF-8"}, ru, "0,4");
    row("C.UTF-8", {"LC_ALL=C.UTF-8"}, ru, "0.4");
    row("POSIX, LANGUAGE unread", {"LC_ALL=POSIX", "LANGUAGE=en"}, ru, "0.4");
    row("LANGUAGE: the first of ours", {"LANG=de_DE.UTF-8", "LANGUAGE=fr:en:ru"}, en, "0,4");
    row("LC_MESSAGES over LANG", {"LANG=ru_RU.UTF-8", "LC_MESSAGES=en_GB.UTF-8"}, en, "0,4");
    row("LESSON_LANG=ru on English", {"LANG=en_GB.UTF-8", "LESSON_LANG=ru"}, ru, "0.4");
    row("LESSON_LANG=en on Russian", {"LANG=ru_RU.UTF-8", "LESSON_LANG=en"}, en, "0,4");
    row("LESSON_LANG of no language", {"LANG=en_GB.UTF-8", "LESSON_LANG=fr"}, en, "0.4");
  }
  void desktopLanguage() {
    QFETCH(QStringList, environment);
    QFETCH(QStringList, said);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (QString name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANG", "LESSON_LANG"})
      env.remove(name);
    for (const QString& setting : environment)
      env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(LESSON_LANGUAGE_PROBE), QStringList());
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()), said.join('\n') + '\n');
  }

  // The charge lab's texts and units, a test graded in English (answers are the options'
  // numbers), the teacher's menu by Shift+F10 and its About box chosen by a screen reader.
  void chargeLab() {
    ui::testkit::FakePlatform fake;
    Varden w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window()));
    QCOMPARE(w.Text12.text(),
             QStringLiteral("Choose a test; by changing the charges and the distance, find the "
                            "directions and magnitudes of the vectors F and E. Good luck!"));
    w.HScroll3.drag(33);
    w.HScroll1.drag(7);
    QCOMPARE(w.Text5.text(), QStringLiteral("r =  33cm"));
    QCOMPARE(w.Text1.text(), QStringLiteral(" 7nC"));
    w.Check1.click();
    w.Command1.click();
    QCOMPARE(w.Text12.text(), QStringLiteral(" 1  State ChargeLab."));
    fake.inputAnswers = {"1", "2", "1", "3", "1", "2", "2"};
    for (int question = 1; question <= 7; ++question) {
      if (question > 1) w.Command1.click();
      w.Command2.click();
    }
    QVERIFY(fake.prompts.value(0).startsWith(
        QStringLiteral("Choose an answer (1, 2 or 3):  1  1  The force of INTERACTION between "
                       "two stationary point charges in a vacuum")));
    QCOMPARE(w.Text12.text(), QStringLiteral("Write down the code of your answers  1 1 0 1 1 1 1"
                                             "\r\rKnowledge score= 85.71429%"));
    ui::testkit::pressKey(w.Command3, Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = w.teacher().menu();
    QVERIFY(menu && menu->isVisible());
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu);
    QStringList names;
    for (int i = 0; i < items->childCount(); ++i)
      if (items->child(i)->role() == QAccessible::MenuItem)
        names << items->child(i)->text(QAccessible::Name);
    QCOMPARE(names, (QStringList{"Larger", "Smaller", "Normal size", "Full screen", "Save picture…",
                                 "Copy picture", "About"}));
    QAccessibleInterface* about = items->child(items->childCount() - 1);
    about->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(fake.messages.size(), 1);
    QVERIFY2(fake.messages[0].startsWith(QStringLiteral(
                 "About: ChargeLab\n\nVersion 1.0.0\n\nThis is free software: you may")),
             qPrintable(fake.messages[0]));
    menu->hide();
  }

  // The quiz of the oscillating circuit: its text after each row of clicks.
  void quiz() {
    ui::testkit::FakePlatform fake;
    Form2 q(oscillationsQuiz());
    q.show();
    const auto after = [&q](std::initializer_list<ui::Control*> clicks) {
      for (ui::Control* c : clicks)
        c->click();
      return q.Text1.text();
    };
    QCOMPARE(after({&q.Command1}),
             QStringLiteral("Investigate and choose the answer: 1 - How does the period of the "
                            "electromagnetic oscillations in the circuit depend on the "
                            "inductance of the coil?"));
    QCOMPARE(q.Frame1.caption(), QStringLiteral("Question 1"));
    QCOMPARE(after({&q.Option2, &q.Command3}), QStringLiteral("Wrong"));
    QCOMPARE(after({&q.Option1, &q.Command3}), QStringLiteral("Right"));
    QCOMPARE(after({&q.Command6}), QStringLiteral("Mark 2, right answers  1 mistakes  1"));
    QCOMPARE(after({&q.Command7, &q.Command3}), QStringLiteral("Choose a question and an answer "));
  }

  // The launcher lists the programs by their English names and lines, and says why one
  // cannot start.
  void launcher() {
    Launcher l(suitePrograms(), {QDir::tempPath() + QStringLiteral("/no-lessons-here")},
               [](const QString&) { return true; });
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    QCOMPARE(l.windowTitle(), QStringLiteral("Physics and maths lessons"));
    QCOMPARE(l.startButton()->text(), QStringLiteral("&Start"));
    const auto found = l.list()->findItems(QStringLiteral("Oscillations\n"), Qt::MatchStartsWith);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0]->text(), QStringLiteral("Oscillations\nDamped oscillations and resonance "
                                              "in an LC circuit, with a quiz"));
    QTest::mouseClick(l.list()->viewport(), Qt::LeftButton, {},
                      l.list()->visualItemRect(found[0]).center());
    QTest::mouseClick(l.startButton(), Qt::LeftButton);
    QCOMPARE(l.message()->text(),
             QStringLiteral("Program “Oscillations” not found: the lessons' files include no "
                            "file “oscillations”. Ask your teacher to install the lessons again."));
  }
};

QTEST_MAIN(EnglishTest)
#include "tst_english.moc"
