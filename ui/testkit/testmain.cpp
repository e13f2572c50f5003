// SPDX-License-Identifier: GPL-3.0-or-later
#include "testmain.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace ui::testkit {

std::vector<TestFactory>& registeredTests() {
  static std::vector<TestFactory> tests;
  return tests;
}

int runRegisteredTests(int argc, char** argv) {
  QApplication app(argc, argv);
  setUpApplication();
  // Settings a test writes go to a folder of its own, never to the user's.
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  int failed = 0;
  for (const TestFactory& make : registeredTests()) {
    std::unique_ptr<QObject> test = make();
    if (QTest::qExec(test.get(), argc, argv) != 0) ++failed;
  }
  return failed;
}

}  // namespace ui::testkit
