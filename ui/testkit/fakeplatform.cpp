// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeplatform.h"

#include <QCoreApplication>
#include <QTest>
#include <cmath>

namespace ui::testkit {

FakePlatform::FakePlatform() {
  setPlatform(this);
  resetProgramState();
  restartRandomSequence();
}

FakePlatform::~FakePlatform() {
  setPlatform(nullptr);
  resetProgramState();
}

void FakePlatform::setTime(double secondsSinceMidnight) {
  now_ = std::fmod(secondsSinceMidnight, 86400.0);
  if (now_ < 0) now_ += 86400.0;
}

void FakePlatform::advance(double seconds) {
  setTime(now_ + seconds);
}

void FakePlatform::processEvents() {
  // Posted events and the window system's own (expose, activation), but never a timer.
  QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers |
                                  QEventLoop::ExcludeSocketNotifiers);
}

void FakePlatform::waitForEvents(int ms) {
  processEvents();
  advance(ms / 1000.0);
}

void FakePlatform::pauseStarted() {
  ++pauses_;
  if (onPause) onPause(pauses_);
  // A check that failed in the hook returned from it before the hook could stop the animation:
  // end the program as End does, so the loops unwind instead of running on unchecked.
  if (QTest::currentTestFailed()) requestEnd();
}

QString FakePlatform::inputBox(const QString& prompt, const QString&, const QString&) {
  prompts << prompt;
  if (inputAnswers.empty()) return {};
  QString answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}

Color FakePlatform::chooseColor(Color current) {
  if (colorAnswers.empty()) return current;
  const Color c = colorAnswers.front();
  colorAnswers.pop_front();
  return c;
}

FontSpec FakePlatform::chooseFont(const FontSpec& current) {
  if (fontAnswers.empty()) return current;
  FontSpec f = fontAnswers.front();
  fontAnswers.pop_front();
  return f;
}

QString FakePlatform::saveFileName(const QString&, const QString& proposed, const QString&) {
  proposedFiles << proposed;
  if (saveAnswers.empty()) return {};
  QString answer = saveAnswers.front();
  saveAnswers.pop_front();
  return answer;
}

QStringList controlsWithoutAccessibleName(const Form& form) {
  QStringList missing;
  for (const Control* c : form.controls())
    if (c->kind() != ControlKind::Decoration && c->accessibleName().trimmed().isEmpty() &&
        !(c->kind() == ControlKind::Label &&
          static_cast<const Label*>(c)->caption().trimmed().isEmpty()))
      missing << c->name();
  return missing;
}

}  // namespace ui::testkit
