// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <QWindow>
#include <cstdio>

#include "zoomstyle.h"

namespace ui {
namespace {

void clickByName(Form& form, const QString& name) {
  for (Control* c : form.controls())
    if (c->name() == name) return c->click();
  for (Menu* m : form.menus())
    if (m->name() == name) return m->click();
  std::fprintf(stderr, "no control named %s\n", qPrintable(name));
}

// Saves `window` into LESSON_SCREENSHOT and ends the program, after the clicks of LESSON_CLICKS
// when `click` can make them.
void scheduleScreenshot(QWidget* window, const std::function<void(const QString&)>& click) {
  const QString path = qEnvironmentVariable("LESSON_SCREENSHOT");
  if (path.isEmpty()) return;
  bool ok = false;
  int after = qEnvironmentVariableIntValue("LESSON_SCREENSHOT_AFTER", &ok);
  if (!ok) after = 1500;
  const QStringList clicks =
      click ? qEnvironmentVariable("LESSON_CLICKS").split(QLatin1Char(','), Qt::SkipEmptyParts)
            : QStringList();
  int at = 300;
  for (const QString& name : clicks) {
    QTimer::singleShot(at, window, [click, name] { click(name.trimmed()); });
    at += 300;
  }
  QTimer::singleShot(std::max(after, at), window, [window, path] {
    if (window->grab().save(path))
      std::printf("%s\n", qPrintable(path));
    else
      std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    std::fflush(stdout);
    requestEnd();
  });
}

long peakMemoryKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
  return 0;
}

// With LESSON_LAUNCH_NS set (the launcher's clock in nanoseconds since the epoch), prints how
// long the program took to show its window for the first time and its peak memory, then ends.
class StartupProbe : public QObject {
 public:
  StartupProbe(qint64 launchNs, QObject* parent) : QObject(parent), launchNs_(launchNs) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Expose && !reported_) {
      reported_ = true;
      // The window is painted as soon as it is exposed, before queued events run.
      QTimer::singleShot(0, [this] {
        const qint64 nowNs = QDateTime::currentDateTimeUtc().toMSecsSinceEpoch() * 1000000LL;
        std::printf("shown after %.0f ms, peak memory %.1f MB\n", (nowNs - launchNs_) / 1e6,
                    peakMemoryKb() / 1024.0);
        std::fflush(stdout);
        requestEnd();
      });
    }
    return false;
  }

 private:
  qint64 launchNs_;
  bool reported_ = false;
};

ProgramDriver& programDriver() {
  static ProgramDriver driver;
  return driver;
}

// With LESSON_LAUNCH_NS set, reports the first showing of `window`.
void watchStartup(QWidget& window) {
  if (!qEnvironmentVariableIsSet("LESSON_LAUNCH_NS")) return;
  window.winId();
  window.windowHandle()->installEventFilter(
      new StartupProbe(qgetenv("LESSON_LAUNCH_NS").toLongLong(), &window));
}

// The compiled translation of the lessons into `language`, built into the ui library.
QString translationFile(const QString& language) {
  return QStringLiteral(":/i18n/lessons_%1.qm").arg(language);
}

}  // namespace

void setProgramDriver(ProgramDriver driver) {
  programDriver() = std::move(driver);
}

void watchWindow(QWidget& window) {
  scheduleScreenshot(&window, nullptr);
  watchStartup(window);
}

QString lessonLanguage() {
  const QString russian = QStringLiteral("ru");
  const auto carried = [&russian](const QString& language) {
    return language == russian || QFile::exists(translationFile(language));
  };
  const QString chosen = qEnvironmentVariable("LESSON_LANG");
  if (!chosen.isEmpty() && carried(chosen)) return chosen;
  // As gettext does, a C or POSIX locale for messages leaves LANGUAGE unread.
  const QLocale system = QLocale::system();
  if (system.language() == QLocale::C) return russian;
  for (const QString& name : system.uiLanguages()) {
    const QString language = name.section(QLatin1Char('-'), 0, 0).toLower();
    if (carried(language)) return language;
  }
  return russian;
}

void setUpApplication() {
  QCoreApplication::setOrganizationName(QStringLiteral("lesson-suite"));
  QApplication::setStyle(makeLessonStyle());
  // The lessons are written in Russian and translated into the other languages; Qt's own
  // dialogs are written in English and translated into the rest.
  static QTranslator lessonTranslator;
  static QTranslator qtTranslator;
  const QString language = lessonLanguage();
  if (language != QLatin1String("ru") && lessonTranslator.load(translationFile(language)))
    QCoreApplication::installTranslator(&lessonTranslator);
  if (language != QLatin1String("en") &&
      qtTranslator.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qtTranslator);
}

int runProgram(int& argc, char** argv, const std::function<std::unique_ptr<Form>()>& make,
               const ProgramInfo& info) {
  QApplication app(argc, argv);
  setUpApplication();
  // The suite's desktop entry for program NAME is lessons-NAME.desktop: a Wayland dock matches
  // the windows to it by this name (on X11 by the window class, the executable's name).
  QGuiApplication::setDesktopFileName(QStringLiteral("lessons-") +
                                      QCoreApplication::applicationName());
  if (programDriver()) return programDriver()(make);
  startClassroom(info, QCoreApplication::arguments());
  std::unique_ptr<Form> form = make();
  form->setMainWindow(true);
  scheduleScreenshot(form->window(), [&form](const QString& name) { clickByName(*form, name); });
  watchStartup(*form->window());
  form->show();
  if (programEnded()) return 0;
  return app.exec();
}

}  // namespace ui
