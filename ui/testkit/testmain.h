// SPDX-License-Identifier: GPL-3.0-or-later
// Several Qt Test classes in one executable: each file registers its class with
// LESSON_TEST(Class) and LESSON_TEST_MAIN() runs them all.
#pragma once

#include <QApplication>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "ui/app.h"

namespace ui::testkit {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& registeredTests();

struct TestRegistration {
  explicit TestRegistration(TestFactory f) { registeredTests().push_back(std::move(f)); }
};

// Runs every registered test class; the exit code counts the failed ones.
int runRegisteredTests(int argc, char** argv);

}  // namespace ui::testkit

#define LESSON_TEST(Class)                                              \
  static const ui::testkit::TestRegistration lessonRegistration##Class( \
      [] { return std::unique_ptr<QObject>(std::make_unique<Class>()); });

#define LESSON_TEST_MAIN()                              \
  int main(int argc, char** argv) {                     \
    return ui::testkit::runRegisteredTests(argc, argv); \
  }
