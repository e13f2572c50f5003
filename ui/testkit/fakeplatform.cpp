#include "fakeplatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>
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
  QCoreApplication::sendPostedEvents();
}

void FakePlatform::waitForEvents(int ms) {
  processEvents();
  advance(ms / 1000.0);
}

void FakePlatform::pauseStarted() {
  ++pauses_;
  if (onPause) onPause(pauses_);
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

QStringList controlsWithoutAccessibleName(const Form& form) {
  QStringList missing;
  for (const Control* c : form.controls())
    if (c->kind() != ControlKind::Decoration && c->accessibleName().trimmed().isEmpty())
      missing << c->name();
  return missing;
}

QString saveScreenshot(Form& form, const QString& fileName) {
  const QString dir = qEnvironmentVariable("LESSON_SHOTS_DIR");
  if (dir.isEmpty()) return {};
  QDir().mkpath(dir);
  const QString path = QDir(dir).filePath(fileName);
  form.window()->grab().save(path);
  return path;
}

}  // namespace ui::testkit
