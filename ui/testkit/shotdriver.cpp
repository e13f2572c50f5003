// SPDX-License-Identifier: GPL-3.0-or-later
// Built into a program's own main in place of its event loop: drives the program's windows
// through a scene, step by step, and saves pictures of them for the README,
// `NAME_screenshots DIR STEP...`, or compares them with the reference pictures in REFDIR,
// `NAME_screenshots --check REFDIR OUTDIR STEP...`, leaving what differs in OUTDIR. The clock
// is the scripted one of the tests, so a scene comes out the same at every run. Steps:
//   time S            sets the clock to S seconds after midnight (before the first step that
//                     needs the window, the load sees it too)
//   click NAME        clicks control or menu item NAME through the window; WINDOW.NAME picks
//                     it in the open window captioned WINDOW
//   set NAME V        sets scroll bar NAME to V (its Change runs)
//   type NAME TEXT    types TEXT into text box NAME, key by key
//   answer TEXT       the input box's next answer (the rest of the line, blanks and all)
//   color R G B       the colour chooser's next answer
//   clickat NAME X Y  clicks pixel X, Y of control NAME (dblclickat double-clicks there)
//   resize W H        resizes the main window's inner area to W x H twips
//   ticks NAME N S    moves the clock on by S seconds and runs timer NAME, N times
//   pauses N          the steps after it run N pauses later, inside the running animation (a
//                     click that starts one goes on with the next step at its first pause)
//   shot FILE [WINDOW]  saves the main window, or the open window captioned WINDOW, as DIR/FILE
//                     (compares it with REFDIR/FILE)
//   fullscreen        the main window fills the screen, as F11 makes it
// An animation still running after the last step is ended as the program's End ends it.
#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>

#include "fakeplatform.h"
#include "looks.h"
#include "pupil.h"
#include "ui/app.h"

namespace {

class SceneDriver {
 public:
  SceneDriver(QString dir, QString checkDir, QStringList steps)
      : dir_(std::move(dir)), checkDir_(std::move(checkDir)), steps_(std::move(steps)) {
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
    return mismatches_;
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
    } else if (verb == QLatin1String("type") && words.size() >= 2) {
      if (ui::Control* box = control(words[1]))
        ui::testkit::typeText(*box, words.mid(2).join(QLatin1Char(' ')));
      else
        failed_ = QStringLiteral("no text box %1").arg(words[1]);
    } else if (verb == QLatin1String("color") && words.size() == 4) {
      fake_.colorAnswers.push_back(ui::RGB(words[1].toInt(), words[2].toInt(), words[3].toInt()));
    } else if (verb == QLatin1String("answer")) {
      fake_.inputAnswers.push_back(words.mid(1).join(QLatin1Char(' ')));
    } else if ((verb == QLatin1String("clickat") || verb == QLatin1String("dblclickat")) &&
               words.size() == 4) {
      clickAt(words[1], QPoint(words[2].toInt(), words[3].toInt()),
              verb == QLatin1String("dblclickat"));
    } else if (verb == QLatin1String("resize") && words.size() == 3) {
      mainForm().setClientSize(words[1].toDouble(), words[2].toDouble());
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

  void clickAt(const QString& qualified, QPoint pixel, bool twice) {
    ui::Control* c = control(qualified);
    if (!c) {
      failed_ = QStringLiteral("nothing named %1 to click").arg(qualified);
      return;
    }
    const QPoint at = ui::testkit::windowPoint(*c, pixel);
    if (twice)
      ui::testkit::doubleClickAt(c->container().form(), at);
    else
      ui::testkit::clickAt(c->container().form(), at);
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
    const QImage picture = f->window()->grab().toImage();
    if (!checkDir_.isEmpty()) {
      QString report;
      if (!ui::testkit::matchesReference(picture, QDir(checkDir_).filePath(file), dir_, &report)) {
        std::fprintf(stderr, "looks: %s\n", qPrintable(report));
        ++mismatches_;
      } else if (!report.isEmpty()) {
        std::printf("%s\n", qPrintable(report));
      }
      return;
    }
    QDir().mkpath(dir_);
    const QString path = QDir(dir_).filePath(file);
    if (picture.save(path))
      std::printf("%s\n", qPrintable(path));
    else
      failed_ = QStringLiteral("could not save %1").arg(path);
  }

  ui::testkit::FakePlatform fake_;
  QString dir_;
  QString checkDir_;  // the reference pictures, when comparing
  QStringList steps_;
  std::function<std::unique_ptr<ui::Form>()> make_;
  std::unique_ptr<ui::Form> main_;
  int next_ = 0;
  int resumeAt_ = -1;
  QString failed_;
  int mismatches_ = 0;
};

int playScene(const std::function<std::unique_ptr<ui::Form>()>& make) {
  QStringList args = QCoreApplication::arguments();
  const bool check = args.value(1) == QLatin1String("--check");
  if (args.size() < (check ? 4 : 2)) {
    std::fprintf(stderr, "usage: %s DIR STEP... | --check REFDIR OUTDIR STEP...\n",
                 qPrintable(args.value(0)));
    return 2;
  }
  SceneDriver driver(check ? args[3] : args[1], check ? args[2] : QString(),
                     args.mid(check ? 4 : 2));
  return driver.play(make);
}

[[maybe_unused]] const bool installed = [] {
  ui::setProgramDriver(playScene);
  return true;
}();

}  // namespace
