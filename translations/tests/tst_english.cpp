// SPDX-License-Identifier: GPL-3.0-or-later
// The lessons on an English desktop: CTest runs these windows with LESSON_LANG=en, and the
// language a program takes from each kind of desktop is asked of a program started there.
#include <QAccessible>
#include <QAccessibleActionInterface>
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
#include "varden.h"

namespace {

const QChar CR(13);

}  // namespace

class EnglishTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ui::setUpApplication(); }

  // LANGUAGE, LC_ALL, LC_MESSAGES and LANG as Qt reads them; numbers keep the locale's point.
  void desktopLanguage_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("said");
    const QStringList english = {"en", "&Start", "Cancel"};
    const QStringList russian = {"ru", "&Запустить", "Отмена"};
    QTest::newRow("English") << QStringList{"LANG=en_GB.UTF-8"} << english + QStringList{"0.4"};
    QTest::newRow("Russian") << QStringList{"LANG=ru_RU.UTF-8"} << russian + QStringList{"0,4"};
    QTest::newRow("German") << QStringList{"LANG=de_DE.UTF-8"} << russian + QStringList{"0,4"};
    QTest::newRow("C.UTF-8") << QStringList{"LC_ALL=C.UTF-8"} << russian + QStringList{"0.4"};
    QTest::newRow("POSIX, LANGUAGE unread")
        << QStringList{"LC_ALL=POSIX", "LANGUAGE=en"} << russian + QStringList{"0.4"};
    QTest::newRow("LANGUAGE: the first of ours")
        << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=fr:en:ru"} << english + QStringList{"0,4"};
    QTest::newRow("LC_MESSAGES over LANG")
        << QStringList{"LANG=ru_RU.UTF-8", "LC_MESSAGES=en_GB.UTF-8"}
        << english + QStringList{"0,4"};
    QTest::newRow("LESSON_LANG=ru on English")
        << QStringList{"LANG=en_GB.UTF-8", "LESSON_LANG=ru"} << russian + QStringList{"0.4"};
    QTest::newRow("LESSON_LANG=en on Russian")
        << QStringList{"LANG=ru_RU.UTF-8", "LESSON_LANG=en"} << english + QStringList{"0,4"};
    QTest::newRow("LESSON_LANG of no language")
        << QStringList{"LANG=en_GB.UTF-8", "LESSON_LANG=fr"} << english + QStringList{"0.4"};
  }
  void desktopLanguage() {
    QFETCH(QStringList, environment);
    QFETCH(QStringList, said);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANG", "LESSON_LANG"})
      env.remove(QString::fromLatin1(name));
    for (const QString& setting : environment)
      env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(LESSON_LANGUAGE_PROBE), QStringList());
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()).split(QLatin1Char('\n')),
             said + QStringList{QString()});
  }

  // The charge lab's texts and units, then a test asked and graded in English: the answers
  // are the options' numbers in either language.
  void chargeLab() {
    ui::testkit::FakePlatform fake;
    Varden w;
    w.show();
    QCOMPARE(w.Text12.text(),
             QStringLiteral("Choose a test; by changing the charges and the distance, find the "
                            "directions and magnitudes of the vectors F and E. Good luck!"));
    w.HScroll3.setValue(33);
    w.HScroll1.setValue(7);
    QCOMPARE(w.Text5.text(), QStringLiteral("r =  33cm"));
    QCOMPARE(w.Text1.text(), QStringLiteral(" 7nC"));

    w.Check1.click();
    w.Command1.click();
    QCOMPARE(w.Text12.text(), QStringLiteral(" 1  State ChargeLab."));
    const QStringList answers = {"1", "2", "1", "3", "1", "2", "2"};
    for (int i = 0; i < answers.size(); ++i) {
      fake.inputAnswers.push_back(answers[i]);
      if (i > 0) w.Command1.click();
      w.Command2.click();
    }
    QVERIFY(fake.prompts.value(0).startsWith(
        QStringLiteral("Choose an answer (1, 2 or 3):  1  1  The force of INTERACTION between "
                       "two stationary point charges in a vacuum")));
    QCOMPARE(w.Text12.text(), QStringLiteral("Write down the code of your answers  1 1 0 1 1 1 1") +
                                  CR + CR + QStringLiteral("Knowledge score= 85.71429%"));
  }

  // The quiz of the oscillating circuit: a question after its button, then the verdict and
  // the mark.
  void quiz() {
    ui::testkit::FakePlatform fake;
    Form2 q(oscillationsQuiz());
    q.show();
    q.Command1.click();
    QCOMPARE(q.Text1.text(),
             QStringLiteral("Investigate and choose the answer: 1 - How does the period of the "
                            "electromagnetic oscillations in the circuit depend on the "
                            "inductance of the coil?"));
    QCOMPARE(q.Frame1.caption(), QStringLiteral("Question 1"));
    q.Option2.click();
    q.Command3.click();
    QCOMPARE(q.Text1.text(), QStringLiteral("Wrong"));
    q.Option1.click();
    q.Command3.click();
    QCOMPARE(q.Text1.text(), QStringLiteral("Right"));
    q.Command6.click();
    QCOMPARE(q.Text1.text(), QStringLiteral("Mark 2, right answers  1 mistakes  1"));
    q.Command7.click();
    q.Command3.click();
    QCOMPARE(q.Text1.text(), QStringLiteral("Choose a question and an answer "));
  }

  // The teacher's menu, opened by Shift+F10, and its About box, chosen by a screen reader.
  void teacherMenu() {
    ui::testkit::FakePlatform fake;
    Varden w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window()));
    QTest::keyClick(w.Command3.widget(), Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = w.teacher().menu();
    QVERIFY(menu && menu->isVisible());
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu);
    QStringList names;
    for (int i = 0; i < items->childCount(); ++i)
      if (items->child(i)->role() == QAccessible::MenuItem)
        names << items->child(i)->text(QAccessible::Name);
    QCOMPARE(names, (QStringList{"Larger", "Smaller", "Normal size", "Full screen", "Save picture…",
                                 "Copy picture", "About"}));
    items->child(items->childCount() - 1)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(fake.messages.size(), 1);
    QVERIFY2(fake.messages[0].startsWith(QStringLiteral(
                 "About: ChargeLab\n\nVersion 1.0.0\n\nThis is free software: you may")),
             qPrintable(fake.messages[0]));
    menu->hide();
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
    const QList<QListWidgetItem*> found =
        l.list()->findItems(QStringLiteral("Oscillations\n"), Qt::MatchStartsWith);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0]->text(), QStringLiteral("Oscillations\nDamped oscillations and resonance "
                                              "in an LC circuit, with a quiz"));
    l.list()->setCurrentItem(found[0]);
    QTest::mouseClick(l.startButton(), Qt::LeftButton);
    QCOMPARE(l.message()->text(),
             QStringLiteral("Program “Oscillations” not found: the lessons' files include no "
                            "file “oscillations”. Ask your teacher to install the lessons again."));
  }
};

QTEST_MAIN(EnglishTest)
#include "tst_english.moc"
