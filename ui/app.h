// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a lesson program: the application, its language, the main window.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "controls.h"
#include "teacher.h"

class QWidget;

namespace ui {

// Runs the program whose main window `make` builds. With LESSON_SCREENSHOT set to a file name
// the window is saved there after LESSON_SCREENSHOT_AFTER milliseconds (1500 by default) and
// the program ends; LESSON_CLICKS, a comma-separated list of control or menu names, clicks
// them one by one before that, so that a screenshot can show an animation under way.
// `info` names the program in About and in the names of saved pictures. A run without a
// program driver takes the classroom settings (ui/teacher.h) from QSettings and the command
// line: --zoom PERCENT, --fullscreen.
int runProgram(int& argc, char** argv, const std::function<std::unique_ptr<Form>()>& make,
               const ProgramInfo& info = {});

// What runProgram runs instead of the event loop when set: a tool built from a program's own
// main (scripts/monkey's long random runs) gets the program's window factory and gives the
// exit code.
using ProgramDriver = std::function<int(const std::function<std::unique_ptr<Form>()>& make)>;
void setProgramDriver(ProgramDriver driver);

// The program's name and launcher line from the suite's table (lessons/programs.cmake), which
// the build gives the program's main.
inline ProgramInfo thisProgram() {
#ifdef LESSON_PROGRAM_NAME
  return {QString::fromUtf8(LESSON_PROGRAM_NAME), QString::fromUtf8(LESSON_PROGRAM_LINE),
          QString::fromUtf8(LESSON_PROGRAM_ENGLISH)};
#else
  return {};
#endif
}

// The same start as runProgram for a window class with a default constructor.
template <typename Window>
int runProgram(int& argc, char** argv) {
  return runProgram(
      argc, argv, [] { return std::make_unique<Window>(); }, thisProgram());
}

// The tools runProgram offers a Form, for a window that is not one (the launcher): with
// LESSON_SCREENSHOT set the window is saved after LESSON_SCREENSHOT_AFTER milliseconds and the
// program ends; with LESSON_LAUNCH_NS set its start-up time is printed and the program ends.
void watchWindow(QWidget& window);

// The language the windows speak ("ru", the suite's own, or one it has a translation into, as
// "en"): LESSON_LANG when it names one, else the first the desktop asks for of those, else
// Russian, as for C and POSIX.
QString lessonLanguage();

// Application-wide settings shared by the programs and their tests: style, the lessons'
// texts and Qt's own in the language chosen, the suite's name for QSettings.
void setUpApplication();

}  // namespace ui
