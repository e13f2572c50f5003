#include "app.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <cstdio>

namespace ui {
namespace {

void clickByName(Form& form, const QString& name) {
  for (Control* c : form.controls())
    if (c->name() == name) return c->click();
  for (Menu* m : form.menus())
    if (m->name() == name) return m->click();
  std::fprintf(stderr, "no control named %s\n", qPrintable(name));
}

void scheduleScreenshot(Form& form) {
  const QString path = qEnvironmentVariable("LESSON_SCREENSHOT");
  if (path.isEmpty()) return;
  bool ok = false;
  int after = qEnvironmentVariableIntValue("LESSON_SCREENSHOT_AFTER", &ok);
  if (!ok) after = 1500;
  const QStringList clicks =
      qEnvironmentVariable("LESSON_CLICKS").split(QLatin1Char(','), Qt::SkipEmptyParts);
  int at = 300;
  for (const QString& name : clicks) {
    QTimer::singleShot(at, form.window(), [&form, name] { clickByName(form, name.trimmed()); });
    at += 300;
  }
  QTimer::singleShot(std::max(after, at), form.window(), [&form, path] {
    if (form.window()->grab().save(path))
      std::printf("%s\n", qPrintable(path));
    else
      std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    std::fflush(stdout);
    requestEnd();
  });
}

}  // namespace

void setUpApplication() {
  QApplication::setStyle(QStringLiteral("Fusion"));
  static QTranslator qtTranslator;
  if (qtTranslator.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qtTranslator);
}

int runProgram(int& argc, char** argv, const std::function<std::unique_ptr<Form>()>& make) {
  QApplication app(argc, argv);
  setUpApplication();
  std::unique_ptr<Form> form = make();
  form->setMainWindow(true);
  scheduleScreenshot(*form);
  form->show();
  if (programEnded()) return 0;
  return app.exec();
}

}  // namespace ui
