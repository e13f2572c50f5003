// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher driven as a pupil drives it: by mouse at window points, by keys to the focused
// widget and by a screen reader's actions; a fake starter records what would have started.
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "launcher.h"
#include "ui/testkit/looks.h"
#include "ui/testkit/testmain.h"

namespace {

// Every program of the suite in the launcher's order: its folder, the name the launcher shows and
// the line under it, as the pupil reads them.
struct Entry {
  QString folder, name, line;
};
const std::vector<Entry> kSuite = {
    {"chargelab2", "ChargeLab2",
     "Два точечных заряда: сила Кулона, напряжённость поля и два теста"},
    {"plotter", "Plotter",
     "Графики функций и сигналов: модуляция, детектор, электромагнитная волна, радар"},
    {"fringes", "Fringes", "Сложение волн, стоячая волна, интерференция, дифракция и спектр"},
    {"oscillations", "Колебания", "Затухающие колебания и резонанс в LC-контуре, с тестом"},
    {"springbob", "SpringBob", "Груз на пружине и равномерное движение по окружности, с тестом"},
    {"chargelab", "ChargeLab", "Два точечных заряда: сила Кулона и напряжённость поля"},
    {"wave", "Волна", "Бегущая волна тока и напряжения вдоль линии"},
    {"wavesum", "WaveSum", "Две волны, бегущие навстречу, и их сумма"},
    {"lenses", "Линзы", "Предмет и его изображение в собирающей и рассеивающей линзе"},
    {"stopwatch", "Секундомер", "Секундомер со стрелкой на циферблате, шрифтами, цветами и звуком"},
    {"clock", "Часы", "Часы-секундомер со стрелкой на циферблате"},
    {"pendulum", "Pendulum", "Математический маятник и равномерное движение по окружности"},
    {"projectile", "физика", "Выстрел по цели: попадание или промах и полёт снаряда"},
};

const QString kBuild = QStringLiteral(LESSON_BUILD_DIR);
const QString kSource = QStringLiteral(LESSON_SOURCE_DIR);

// A launcher whose starts are recorded instead of made.
struct Rig {
  QStringList started;
  bool starterSucceeds = true;
  Launcher launcher;
  explicit Rig(std::vector<Program> programs = suitePrograms(),
               QStringList dirs = {kBuild + QStringLiteral("/lessons")})
      : launcher(std::move(programs), std::move(dirs), [this](const QString& path) {
          started << path;
          return starterSucceeds;
        }) {
    launcher.show();
    launcher.activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&launcher));
  }
  QString message() const { return launcher.message()->text(); }
  QPoint pointOfRow(int row) const {
    QListWidget* list = launcher.list();
    return list->viewport()->mapTo(&launcher, list->visualItemRect(list->item(row)).center());
  }
  QPoint pointOfButton() const {
    return launcher.startButton()->mapTo(&launcher, launcher.startButton()->rect().center());
  }
  // Mouse events at a point of the window, through the window system to whatever widget lies
  // there; two clicks in quick succession make a double click as they do on the desktop.
  void doubleClickAt(QPoint p) {
    QTest::mouseDClick(launcher.windowHandle(), Qt::LeftButton, {}, p);
  }
  void clickAt(QPoint p) { QTest::mouseClick(launcher.windowHandle(), Qt::LeftButton, {}, p); }
  void pressKey(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
};

QString executableOf(const QString& folder) {
  return kBuild + QLatin1Char('/') + folder + QLatin1Char('/') + folder;
}

Program program(const QString& executable, const QString& name) {
  return {executable, name, QStringLiteral("описание"), QStringLiteral(":/icons/lessons.svg")};
}

// A file that passes for an installed program.
void placeExecutable(const QString& path) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write("#!/bin/sh\n");
  f.close();
  QVERIFY(f.setPermissions(f.permissions() | QFile::ExeOwner));
}

}  // namespace

class LauncherTest : public QObject {
  Q_OBJECT

 private slots:
  void listsEveryProgramBuiltInTheSuitesOrder() {
    Rig rig;
    QListWidget* list = rig.launcher.list();
    QCOMPARE(rig.launcher.windowTitle(), QStringLiteral("Уроки физики и математики"));
    int row = 0;
    for (const auto& [folder, name, line] : kSuite) {
      if (!QFile::exists(kSource + QLatin1Char('/') + folder + QStringLiteral("/CMakeLists.txt")))
        continue;
      QVERIFY2(row < list->count(), qPrintable(folder));
      QListWidgetItem* item = list->item(row);
      const QStringList lines = item->text().split(QLatin1Char('\n'));
      QCOMPARE(lines.size(), 2);
      QCOMPARE(lines[0], name);
      QCOMPARE(lines[1], line);
      QVERIFY2(!item->icon().pixmap(48).isNull(), qPrintable(folder));
      QCOMPARE(item->data(Qt::AccessibleTextRole).toString(), name + ": " + lines[1]);
      QVERIFY2(QFileInfo(executableOf(folder)).isExecutable(), qPrintable(folder));
      ++row;
    }
    QCOMPARE(list->count(), row);
    QVERIFY(row >= 5);
  }

  void looksAsItsReference() {
    Rig rig;
    QString report;
    QVERIFY2(ui::testkit::matchesReference(rig.launcher.grab().toImage(),
                                           QStringLiteral(LESSON_LOOKS_DIR "/launcher.png"),
                                           QStringLiteral(LESSON_LOOKS_OUT), &report),
             qPrintable(report));
  }

  void eachEntryStartsItsOwnExecutable() {
    Rig rig;
    QListWidget* list = rig.launcher.list();
    QCOMPARE(QApplication::focusWidget(), list);
    for (int row = 0; row < list->count(); ++row) {
      if (row > 0) rig.pressKey(Qt::Key_Down);
      QCOMPARE(list->currentRow(), row);
      rig.pressKey(Qt::Key_Return);
      const QString folder = suitePrograms()[size_t(row)].executable;
      QCOMPARE(rig.started.size(), row + 1);
      QCOMPARE(rig.started.last(), executableOf(folder));
      QCOMPARE(rig.message(), QStringLiteral("Программа «%1» запускается в своём окне.")
                                  .arg(list->item(row)->text().section('\n', 0, 0)));
    }
  }

  void aDoubleClickStartsOnce() {
    Rig rig;
    rig.doubleClickAt(rig.pointOfRow(1));
    QCOMPARE(rig.started, QStringList{executableOf(suitePrograms()[1].executable)});
    rig.doubleClickAt(rig.pointOfButton());  // the same program again at once
    QCOMPARE(rig.started.size(), 1);
    QTest::qWait(Launcher::kRepeatGuardMs + 100);
    rig.clickAt(rig.pointOfButton());
    QCOMPARE(rig.started.size(), 2);

    rig.doubleClickAt(rig.pointOfRow(0));  // another program is not held back
    QCOMPARE(rig.started.size(), 3);
    QCOMPARE(rig.started.last(), executableOf(suitePrograms()[0].executable));
  }

  void keyboardAndScreenReader() {
    Rig rig;
    QCOMPARE(QApplication::focusWidget(), rig.launcher.list());
    rig.pressKey(Qt::Key_End);
    rig.pressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), rig.launcher.startButton());
    rig.pressKey(Qt::Key_Space);
    QCOMPARE(rig.started, QStringList{executableOf(suitePrograms().back().executable)});

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(rig.launcher.list());
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Программы"));
    QAccessibleInterface* button =
        QAccessible::queryAccessibleInterface(rig.launcher.startButton());
    QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Запустить"));
    rig.launcher.list()->setCurrentRow(0);
    QTest::qWait(Launcher::kRepeatGuardMs + 100);
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(rig.started.last(), executableOf(suitePrograms().front().executable));
    QAccessibleInterface* message = QAccessible::queryAccessibleInterface(rig.launcher.message());
    QVERIFY(message->text(QAccessible::Name).contains(QStringLiteral("«ChargeLab2»")));
  }

  // A screen reader chooses an entry by its only action, Toggle: that entry becomes the current
  // one too, and "Запустить" starts it.
  void toggledEntryIsWhatStarts() {
    Rig rig;
    QAccessibleInterface* entry =
        QAccessible::queryAccessibleInterface(rig.launcher.list())->child(4);
    QCOMPARE(entry->actionInterface()->actionNames(),
             QStringList{QAccessibleActionInterface::toggleAction()});
    entry->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QAccessible::queryAccessibleInterface(rig.launcher.startButton())
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(rig.started, QStringList{executableOf(suitePrograms()[4].executable)});
    QCOMPARE(rig.launcher.list()->currentRow(), 4);
  }

  void aMissingProgramIsReportedAndTheLauncherGoesOn() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("bin"));
    QVERIFY(QDir(dir.path()).mkpath("lib/lesson-suite"));
    placeExecutable(dir.filePath("lib/lesson-suite/present"));
    Rig rig({program("absent", "Волна"), program("present", "Линзы")}, {dir.filePath("bin")});

    rig.doubleClickAt(rig.pointOfRow(0));
    QVERIFY(rig.started.isEmpty());
    QCOMPARE(rig.message(), QStringLiteral("Программа «Волна» не найдена: среди файлов "
                                           "уроков нет файла «absent». Попросите учителя "
                                           "переустановить уроки."));
    rig.doubleClickAt(rig.pointOfRow(0));  // asking again gives the same answer
    QVERIFY(rig.started.isEmpty());
    QVERIFY(rig.message().startsWith(QStringLiteral("Программа «Волна» не найдена")));

    rig.doubleClickAt(rig.pointOfRow(1));
    QCOMPARE(rig.started, QStringList{dir.filePath("lib/lesson-suite/present")});
    QCOMPARE(rig.message(), QStringLiteral("Программа «Линзы» запускается в своём окне."));
  }

  // Where the launcher lies and which files lie around it, as paths in a temporary folder,
  // and which of them it starts for the program "wave".
  void findsAProgramWhereItIsInstalledOrBuilt_data() {
    QTest::addColumn<QString>("launcherDir");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("started");
    QTest::newRow("installed") << "usr/bin" << QStringList{"usr/lib/lesson-suite/wave"}
                               << "usr/lib/lesson-suite/wave";
    QTest::newRow("installed under /usr/local")
        << "usr/local/bin"
        << QStringList{"usr/local/lib/lesson-suite/wave", "usr/lib/lesson-suite/wave"}
        << "usr/local/lib/lesson-suite/wave";
    QTest::newRow("built") << "build/lessons" << QStringList{"build/wave/wave"}
                           << "build/wave/wave";
    QTest::newRow("another package's command beside the launcher")
        << "usr/bin" << QStringList{"usr/bin/wave"} << "";
    QTest::newRow("a folder of the program's name is not the program")
        << "build/lessons" << QStringList{"build/wave/wave/readme"} << "";
  }

  void findsAProgramWhereItIsInstalledOrBuilt() {
    QFETCH(QString, launcherDir);
    QFETCH(QStringList, files);
    QFETCH(QString, started);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(launcherDir));
    for (const QString& file : files) {
      QVERIFY(QDir(dir.path()).mkpath(QFileInfo(file).path()));
      placeExecutable(dir.filePath(file));
    }
    Rig rig({program("wave", "Волна")}, {dir.filePath(launcherDir)});
    rig.pressKey(Qt::Key_Return);
    if (started.isEmpty()) {
      QVERIFY(rig.started.isEmpty());
      QVERIFY2(rig.message().startsWith(QStringLiteral("Программа «Волна» не найдена")),
               qPrintable(rig.message()));
    } else {
      QCOMPARE(rig.started, QStringList{dir.filePath(started)});
    }
  }

  // Run by the install check with LESSON_INSTALLED_PREFIX naming a fresh install of this build.
  void startsEveryProgramOfTheInstalledTree() {
    const QString prefix = qEnvironmentVariable("LESSON_INSTALLED_PREFIX");
    if (prefix.isEmpty()) QSKIP("no installed tree named in LESSON_INSTALLED_PREFIX");
    Rig rig(suitePrograms(), {prefix + QStringLiteral("/bin")});
    QListWidget* list = rig.launcher.list();
    QVERIFY(list->count() >= 5);
    for (int row = 0; row < list->count(); ++row) {
      list->setCurrentRow(row);
      rig.clickAt(rig.pointOfButton());
      const QString expected =
          prefix + QStringLiteral("/lib/lesson-suite/") + suitePrograms()[size_t(row)].executable;
      QCOMPARE(rig.started.size(), row + 1);
      QCOMPARE(rig.started.last(), expected);
      QVERIFY2(QFileInfo(expected).isExecutable(), qPrintable(expected));
    }
  }

  void aProgramTheSystemCannotStartIsReported() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("bin"));
    QVERIFY(QDir(dir.path()).mkpath("wave"));
    placeExecutable(dir.filePath("wave/wave"));  // the build tree's layout
    Rig rig({program("wave", "Волна")}, {dir.filePath("bin")});
    rig.starterSucceeds = false;
    rig.pressKey(Qt::Key_Return);
    QCOMPARE(rig.started, QStringList{dir.filePath("wave/wave")});
    QCOMPARE(rig.message(),
             QStringLiteral("Программу «Волна» не удалось запустить: система не смогла открыть "
                            "файл «%1».")
                 .arg(dir.filePath("wave/wave")));
  }

  void startsARealProcessDetached() {
    QVERIFY(Launcher::startDetached(QStringLiteral("/bin/true")));
    QVERIFY(!Launcher::startDetached(QStringLiteral("/nonexistent/program")));
  }
};

LESSON_TEST(LauncherTest)
LESSON_TEST_MAIN()
#include "tst_launcher.moc"
