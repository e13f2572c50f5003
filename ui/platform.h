// SPDX-License-Identifier: GPL-3.0-or-later
// The services a lesson program gets from the machine it runs on: the clock, letting window
// events run, the pause, dialogs, the beep and ending the program. One interface, a Qt
// implementation for real runs and a scripted one for tests (ui/testkit).
#pragma once

#include <QString>
#include <functional>

#include "values.h"

namespace ui {

// A font as the lesson windows describe it: family, size in points and style.
struct FontSpec {
  QString name = QStringLiteral("MS Sans Serif");
  double size = 8.25;  // pt
  bool bold = false;
  bool italic = false;
  bool underline = false;
  // This font with one property changed.
  template <typename T>
  FontSpec with(T FontSpec::*field, T value) const {
    FontSpec f = *this;
    f.*field = value;
    return f;
  }
  bool operator==(const FontSpec& o) const {
    return name == o.name && size == o.size && bold == o.bold && italic == o.italic &&
           underline == o.underline;
  }
};

class Platform {
 public:
  virtual ~Platform() = default;
  // Seconds since midnight, as exact as the machine's clock gives it.
  virtual double secondsSinceMidnight() = 0;
  // Called once as every pause begins, and as it ends (the test kit's hooks).
  virtual void pauseStarted() {}
  virtual void pauseEnded() {}
  // Runs the window events that are pending, then returns.
  virtual void processEvents() = 0;
  // Lets window events run for at most `ms` milliseconds without keeping a core busy.
  virtual void waitForEvents(int ms) = 0;
  // A modal prompt: the text typed, or an empty text when cancelled.
  virtual QString inputBox(const QString& prompt, const QString& title,
                           const QString& defaultText) = 0;
  // Modal choosers; a cancelled chooser gives back the value it was opened with.
  virtual Color chooseColor(Color current) = 0;
  virtual FontSpec chooseFont(const FontSpec& current) = 0;
  virtual void beep() = 0;
  // Closes every window and leaves the application's event loops.
  virtual void end() = 0;
  // Shows a run-time error to the pupil before the program ends.
  virtual void showRuntimeError(const QString& message) = 0;
  // The save dialog, opened at `proposed`: the file chosen, or an empty text when cancelled.
  virtual QString saveFileName(const QString& title, const QString& proposed,
                               const QString& filter) = 0;
  // A message box with an OK button.
  virtual void showMessage(const QString& title, const QString& text) = 0;
};

// The platform in force: the Qt one unless a test installed another.
Platform& platform();
// Installs a platform (nullptr goes back to the Qt one); the caller keeps ownership.
void setPlatform(Platform* p);

// How deep handlers may nest through pauses: a loop started deeper is refused at its first
// pause, so hammering a start button cannot overflow the stack.
constexpr int kMaxNesting = 32;

// Lets pending window events run, then returns.
void DoEvents();
// Waits `seconds` while letting window events run: t0 = Timer, then until Timer reaches
// t0 + seconds. Ends on time across midnight; throws ProgramEnded once End has run.
void pause(double seconds);
// How many pauses and DoEvents calls are active now.
int nestingDepth();
// How many pauses and DoEvents calls have begun: what is drawn between two of them is one frame.
namespace detail {
extern unsigned long waitsBegun;
}
inline unsigned long waitsBegun() {
  return detail::waitsBegun;
}

// Ends the program at once, from any depth of nested handlers.
[[noreturn]] void End();
bool programEnded();
// Ends the program from outside a handler (the main window closed): the running loops unwind
// at their next pause.
void requestEnd();
// Clears the ended state and the nesting depth (tests that build several windows).
void resetProgramState();

void Beep();
QString InputBox(const QString& prompt, const QString& title = {}, const QString& defaultText = {});

// Runs one event handler to its end: a run-time error is shown and ends the program, End
// and the nesting bound unwind here. Every control event goes through it.
void fire(const std::function<void()>& handler);

}  // namespace ui
