// SPDX-License-Identifier: GPL-3.0-or-later
// Says what a program started in this environment speaks: the language chosen, a text of the
// lessons, a text of Qt's own dialogs and a number in plain conversion, one per line.
#include <QApplication>
#include <cstdio>

#include "ui/app.h"
#include "ui/values.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::setUpApplication();
  for (const QString& line :
       {ui::lessonLanguage(), QCoreApplication::translate("Launcher", "&Запустить"),
        QCoreApplication::translate("QPlatformTheme", "Cancel"), ui::CStr(0.4)})
    std::printf("%s\n", qPrintable(line));
  return 0;
}
