// SPDX-License-Identifier: GPL-3.0-or-later
// Built into a program's own main in place of its event loop: drives the program's windows
// through a scene, step by step, and saves pictures of them for the README,
// `NAME_screenshots DIR STEP...`. The clock is the scripted one of the tests, so a scene comes
// out the same at every run. Steps:
//   time S            sets the clock to S seconds after midnight (before the first step that
//                     needs the window, the load sees it too)
//   click NAME        clicks control or menu item NAME through the window; WINDOW.NAME picks
//                     it in the open window captioned WINDOW
//   set NAME V        sets scroll bar NAME to V (its Change runs)
//   ticks NAME N S    moves the clock on by S seconds and runs timer NAME, N times
//   pauses N          the steps after it run N pauses later, inside the running animation (a
//                     click that starts one goes on with the next step at its first pause)
//   shot FILE [WINDOW]  saves the main window, or the open window captioned WINDOW, as DIR/FILE
//   fullscreen        the main window fills the screen, as F11 makes it
// An animation still running after the last step is ended as the program's End ends it.
#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>

#include "fakeplatform.h"
#include "pupil.h"
#include "ui/app.h"

namespace {

class SceneDriver {
 public:
  SceneDriver(QString dir, QStringList steps) : dir_(std::move(dir)), steps_(std::move(steps)) {
    // An animation started by a click pauses inside that click: the steps after it go on from
    // there.
    fake_.onPause = [this](int n) {
      if (resumeAt_ >= 0 && n < resumeAt_) return;
      if (next_ < steps_.size() && failed_.isEmpty())
        run();
      else
        ui::requestEnd();
    };
  }

  int play(const std::function<std::unique_ptr<ui::Form>()>& make) {
    make_ = make;
    run();
    if (failed_.isEmpty() && next_ < steps_.size())
      failed_ = QStringLiteral("no animation reached the pause before step %1").arg(next_ + 1);
    if (!failed_.isEmpty()) {
      std::fprintf(stderr, "screenshots: %s\n", qPrintable(failed_));
      return 1;
    }
    return 0;
  }

 private:
  // Runs the steps from the next one until the end or a `pauses` step.
  void run() {
    resumeAt_ = -1;
    while (next_ < steps_.size() && failed_.isEmpty()) {
      const QStringList words = steps_[next_++].split(QLatin1Char(' '), Qt::SkipEmptyParts);
      if (words.value(0) == QLatin1String("pauses")) {
        resumeAt_ = fake_.pauses() + words.value(1).toInt();
        return;
      }
      step(words);
    }
  }

  void step(const QStringList& words) {
    const QString& verb = words.value(0);
    if (verb == QLatin1String("time") && words.size() == 2) {
      fake_.setTime(words[1].toDouble());
    } else if (verb == QLatin1String("click") && words.size() == 2) {
      click(words[1]);
    } else if (verb == QLatin1String("set") && words.size() == 3) {
      if (auto* bar = dynamic_cast<ui::ScrollBar*>(control(words[1])))
        bar->setValue(words[2].toInt());
      else
        failed_ = QStringLiteral("no scroll bar %1").arg(words[1]);
    } else if (verb == QLatin1String("ticks") && words.size() == 4) {
      tick(words[1], words[2].toInt(), words[3].toDouble());
    } else if (verb == QLatin1String("fullscreen") && words.size() == 1) {
      mainForm().setFullScreen(true);
      for (int i = 0; i < 3; ++i)
        fake_.processEvents();  // the screen's size comes back queued
    } else if (verb == QLatin1String("shot") && (words.size() == 2 || words.size() == 3)) {
      shoot(words[1], words.value(2));
    } else {
      failed_ = QStringLiteral("cannot do \"%1\"").arg(words.join(QLatin1Char(' ')));
    }
  }

  ui::Form& mainForm() {
    if (!main_) {
      main_ = make_();
      main_->show();
    }
    return *main_;
  }

  // The open window captioned `caption`, the main one for an empty caption.
  ui::Form* form(const QString& caption) {
    ui::Form& main = mainForm();
    if (caption.isEmpty()) return &main;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (ui::Form* f = ui::Form::ofWindow(w);
          f && f != &main && f->visible() && f->caption() == caption)
        return f;
    return main.caption() == caption ? &main : nullptr;
  }

  ui::Control* control(const QString& qualified) {
    const int dot = qualified.lastIndexOf(QLatin1Char('.'));
    ui::Form* f = form(dot < 0 ? QString() : qualified.left(dot));
    const QString name = qualified.mid(dot + 1);
    if (f)
      for (ui::Control* c : f->controls())
        if (c->name() == name) return c;
    return nullptr;
  }

  void click(const QString& qualified) {
    if (ui::Control* c = control(qualified)) {
      ui::testkit::clickOn(*c);
      return;
    }
    for (ui::Menu* m : mainForm().menus())
      if (m->name() == qualified) return m->click();
    failed_ = QStringLiteral("nothing named %1 to click").arg(qualified);
  }

  void tick(const QString& name, int times, double seconds) {
    for (ui::TimerControl* t : mainForm().timers())
      if (t->name() == name) {
        for (int i = 0; i < times && !ui::programEnded(); ++i) {
          fake_.advance(seconds);
          t->tick();
        }
        return;
      }
    failed_ = QStringLiteral("no timer %1").arg(name);
  }

  void shoot(const QString& file, const QString& caption) {
    ui::Form* f = form(caption);
    if (!f) {
      failed_ = QStringLiteral("no open window %1").arg(caption);
      return;
    }
    QDir().mkpath(dir_);
    const QString path = QDir(dir_).filePath(file);
    if (f->window()->grab().save(path))
      std::printf("%s\n", qPrintable(path));
    else
      failed_ = QStringLiteral("could not save %1").arg(path);
  }

  ui::testkit::FakePlatform fake_;
  QString dir_;
  QStringList steps_;
  std::function<std::unique_ptr<ui::Form>()> make_;
  std::unique_ptr<ui::Form> main_;
  int next_ = 0;
  int resumeAt_ = -1;
  QString failed_;
};

int playScene(const std::function<std::unique_ptr<ui::Form>()>& make) {
  QStringList args = QCoreApplication::arguments();
  if (args.size() < 3) {
    std::fprintf(stderr, "usage: %s DIR STEP...\n", qPrintable(args.value(0)));
    return 2;
  }
  const QString dir = args[1];
  SceneDriver driver(dir, args.mid(2));
  return driver.play(make);
}

[[maybe_unused]] const bool installed = [] {
  ui::setProgramDriver(playScene);
  return true;
}();

}  // namespace
