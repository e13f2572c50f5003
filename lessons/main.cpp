// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "launcher.h"
#include "ui/app.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::setUpApplication();
  QGuiApplication::setDesktopFileName(QStringLiteral("lessons"));  // lessons.desktop
  Launcher launcher(suitePrograms(), Launcher::defaultSearchDirs());
  ui::watchWindow(launcher);
  launcher.show();
  return app.exec();
}
