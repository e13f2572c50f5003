// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDateTime>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTime>
#include <QTimer>
#include <cmath>
#include <ctime>

#include "beeper.h"
#include "errors.h"
#include "qtbridge.h"

namespace ui {
namespace {

class QtPlatform : public Platform {
 public:
  double secondsSinceMidnight() override {
    // The local offset is looked up once a minute: reading the zone at every call costs more
    // than a timer tick that finds no new second.
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    if (now.tv_sec >= offsetValidUntil_) {
      offsetSeconds_ = QDateTime::currentDateTime().offsetFromUtc();
      offsetValidUntil_ = now.tv_sec - now.tv_sec % 60 + 60;
    }
    const long long local = (now.tv_sec + offsetSeconds_) % 86400;
    return double((local + 86400) % 86400) + now.tv_nsec / 1e9;
  }
  void processEvents() override { QCoreApplication::processEvents(QEventLoop::AllEvents); }
  void waitForEvents(int ms) override {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
  }
  QString inputBox(const QString& prompt, const QString& title,
                   const QString& defaultText) override {
    // A lone carriage return breaks the prompt's line, as the programs' prompts expect.
    const QString shown = QString(prompt)
                              .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                              .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(shown);
    dialog.setTextValue(defaultText);
    // A long prompt wraps, as the classic input box does, instead of widening the box past
    // the screen and pushing its buttons out of reach.
    if (auto* label = dialog.findChild<QLabel*>()) label->setWordWrap(true);
    const bool ok = dialog.exec() == QDialog::Accepted;
    return ok ? dialog.textValue() : QString();
  }
  Color chooseColor(Color current) override {
    const QColor chosen = QColorDialog::getColor(toQColor(current), QApplication::activeWindow(),
                                                 QCoreApplication::translate("ui", "Цвет"),
                                                 QColorDialog::DontUseNativeDialog);
    return chosen.isValid() ? fromQColor(chosen) : current;
  }
  FontSpec chooseFont(const FontSpec& current) override {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, toQFont(current), QApplication::activeWindow(),
                                              QCoreApplication::translate("ui", "Шрифт"),
                                              QFontDialog::DontUseNativeDialog);
    return ok ? fromQFont(chosen) : current;
  }
  void beep() override { beeper().beep(); }
  void end() override {
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
  }
  void showRuntimeError(const QString& message) override {
    QMessageBox::critical(QApplication::activeWindow(),
                          QCoreApplication::translate("ui", "Ошибка выполнения"),
                          message + QStringLiteral("\n\n") +
                              QCoreApplication::translate("ui", "Программа будет закрыта."));
  }
  QString saveFileName(const QString& title, const QString& proposed,
                       const QString& filter) override {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, proposed, filter,
                                        nullptr, QFileDialog::DontUseNativeDialog);
  }
  void showMessage(const QString& title, const QString& text) override {
    QMessageBox::information(QApplication::activeWindow(), title, text);
  }

 private:
  long long offsetSeconds_ = 0;
  long long offsetValidUntil_ = 0;
};

QtPlatform qtPlatform;
Platform* current = &qtPlatform;
bool ended = false;
int depth = 0;

// Counts one level of nesting for the life of a pause or DoEvents.
class NestingScope {
 public:
  NestingScope() {
    if (ended) throw ProgramEnded();
    if (depth >= kMaxNesting) throw NestingLimitReached();
    ++depth;
    ++detail::waitsBegun;
  }
  ~NestingScope() { --depth; }
  NestingScope(const NestingScope&) = delete;
  NestingScope& operator=(const NestingScope&) = delete;
};

void endAfterError(const QString& message) {
  if (ended) return;
  ended = true;
  current->showRuntimeError(message);
  current->end();
}

}  // namespace

unsigned long detail::waitsBegun = 0;

Platform& platform() {
  return *current;
}
void setPlatform(Platform* p) {
  current = p ? p : &qtPlatform;
}

void DoEvents() {
  NestingScope scope;
  current->processEvents();
  if (ended) throw ProgramEnded();
}

void pause(double seconds) {
  NestingScope scope;
  current->pauseStarted();
  const float t0 = Timer();
  const double until = double(t0) + seconds;
  for (bool waited = false;; waited = true) {
    if (ended) throw ProgramEnded();
    double now = Timer();
    // The clock falls back to 0 at midnight (or jumps back when it is set): count on from t0.
    if (now < t0) now += 86400.0;
    if (now >= until) {
      // However short the pause, the events waiting now run once: a loop whose pause comes out
      // at zero or below can still be stopped.
      if (!waited) current->processEvents();
      if (ended) throw ProgramEnded();
      current->pauseEnded();
      return;
    }
    current->waitForEvents(std::max(1, int(std::ceil((until - now) * 1000.0))));
  }
}

int nestingDepth() {
  return depth;
}

void requestEnd() {
  if (ended) return;
  ended = true;
  current->end();
}

void End() {
  requestEnd();
  throw ProgramEnded();
}

bool programEnded() {
  return ended;
}

void resetProgramState() {
  ended = false;
  depth = 0;
}

void Beep() {
  current->beep();
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) {
  return current->inputBox(prompt, title, defaultText);
}

void fire(const std::function<void()>& handler) {
  if (!handler || ended) return;
  try {
    handler();
  } catch (const ProgramEnded&) {
  } catch (const NestingLimitReached&) {
    current->beep();
  } catch (const RuntimeError& e) {
    endAfterError(e.message());
  } catch (const std::exception& e) {
    endAfterError(QCoreApplication::translate("ui", "Внутренняя ошибка: %1")
                      .arg(QString::fromUtf8(e.what())));
  }
}

}  // namespace ui
