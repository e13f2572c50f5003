// SPDX-License-Identifier: GPL-3.0-or-later
// A scripted platform for tests: a clock the test moves, answers for the input box and the
// choosers, a beep counter, a record of End and of run-time errors, and a hook at every pause.
#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "ui/controls.h"
#include "ui/platform.h"

namespace ui::testkit {

class FakePlatform : public Platform {
 public:
  // Installs itself, clears the ended state and restarts the random sequence.
  FakePlatform();
  ~FakePlatform() override;
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  void setTime(double secondsSinceMidnight);
  // Moves the clock on, through midnight if need be.
  void advance(double seconds);
  double now() const { return now_; }

  // Runs at the start of every pause with its number (1 for the first), and as it ends, after
  // the events it let run (a benchmark's frame starts there).
  std::function<void(int)> onPause;
  std::function<void()> onPauseEnded;
  int pauses() const { return pauses_; }

  // Answers given in turn; an empty queue answers the input box with an empty text (cancel)
  // and the choosers with the value they were opened with.
  std::deque<QString> inputAnswers;
  std::deque<Color> colorAnswers;
  std::deque<FontSpec> fontAnswers;
  QStringList prompts;

  // The save dialog's answers in turn (an empty queue cancels it), and what it proposed.
  std::deque<QString> saveAnswers;
  QStringList proposedFiles;
  // Message boxes shown, as "title: text".
  QStringList messages;

  int beeps = 0;
  bool ended = false;
  QStringList errors;

  double secondsSinceMidnight() override { return now_; }
  void pauseStarted() override;
  // Qt handles the events posted so far (show, hide, paint, queued calls) as the real platform
  // would, but no timer fires: a run stays the same at every start.
  void pauseEnded() override {
    if (onPauseEnded) onPauseEnded();
  }
  void processEvents() override;
  void waitForEvents(int ms) override;
  QString inputBox(const QString& prompt, const QString& title,
                   const QString& defaultText) override;
  Color chooseColor(Color current) override;
  FontSpec chooseFont(const FontSpec& current) override;
  void beep() override { ++beeps; }
  void end() override { ended = true; }
  void showRuntimeError(const QString& message) override { errors << message; }
  QString saveFileName(const QString& title, const QString& proposed,
                       const QString& filter) override;
  void showMessage(const QString& title, const QString& text) override {
    messages << title + QStringLiteral(": ") + text;
  }

 private:
  double now_ = 10 * 3600.0;
  int pauses_ = 0;
};

// Names of the controls of a window that a screen reader could not tell apart.
QStringList controlsWithoutAccessibleName(const Form& form);

}  // namespace ui::testkit
