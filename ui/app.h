// Starts a lesson program: the application, Qt's dialogs in Russian, the main window.
#pragma once

#include <functional>
#include <memory>

#include "controls.h"

namespace ui {

// Runs the program whose main window `make` builds. With LESSON_SCREENSHOT set to a file name
// the window is saved there after LESSON_SCREENSHOT_AFTER milliseconds (1500 by default) and
// the program ends; LESSON_CLICKS, a comma-separated list of control or menu names, clicks
// them one by one before that, so that a screenshot can show an animation under way.
int runProgram(int& argc, char** argv, const std::function<std::unique_ptr<Form>()>& make);

// The same start as runProgram for a window class with a default constructor.
template <typename Window>
int runProgram(int& argc, char** argv) {
  return runProgram(argc, argv, [] { return std::make_unique<Window>(); });
}

// Application-wide settings shared by the programs and their tests: style, Russian
// translations of Qt's own texts.
void setUpApplication();

}  // namespace ui
