// SPDX-License-Identifier: GPL-3.0-or-later
// Built into a program's own main in place of its event loop: a long random run of the monkey
// tester over every window of the program, `NAME_monkey [EVENTS] [SEED]`. A fault (a run-time
// error, an unexpected end, a loop that does not stop, growing memory) is printed and the run
// goes on with the windows built afresh; a hang or a crash ends the process, and the last
// "progress" line tells how far it got. The memory growth is the resident memory's over the
// second half of the run.
#include <QApplication>
#include <QFile>
#include <QWidget>
#include <cstdio>

#include "fakeplatform.h"
#include "monkey.h"
#include "ui/app.h"

namespace {

constexpr int kProgressEvery = 100;  // events between progress lines
constexpr int kMaxFaults = 20;       // a run that keeps failing stops here

long peakResidentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
  return 0;
}

// The buttons that end an animation, in either language of the windows.
bool isStopCaption(const QString& caption) {
  const QString c = caption.trimmed();
  return c.contains(QStringLiteral("Стоп")) || c == QStringLiteral("Очистка") ||
         c.startsWith(QStringLiteral("Stop")) || c == QStringLiteral("Clear");
}

void say(const QString& line) {
  std::printf("%s\n", qPrintable(line));
  std::fflush(stdout);
}

// Every window the program has built, the main one first; a "Стоп" button, or a plain
// "Очистка" where a program stops its animations by clearing, stops a loop that runs too
// long, as the pupil would.
void addWindows(ui::testkit::Monkey& monkey, ui::Form& main, bool tell) {
  std::vector<ui::Form*> forms{&main};
  for (QWidget* w : QApplication::topLevelWidgets())
    if (ui::Form* f = ui::Form::ofWindow(w); f && f != &main) forms.push_back(f);
  QStringList names;
  for (ui::Form* f : forms) {
    monkey.addWindow(*f);
    names << f->caption();
    for (ui::Control* c : f->controls())
      if (c->kind() == ui::ControlKind::Button &&
          isStopCaption(static_cast<ui::CommandButton*>(c)->caption()))
        monkey.addStopControl(*c);
  }
  if (tell)
    say(QStringLiteral("windows %1: %2").arg(forms.size()).arg(names.join(QStringLiteral(", "))));
}

int runMonkey(const std::function<std::unique_ptr<ui::Form>()>& make) {
  const QStringList args = QCoreApplication::arguments();
  bool ok = true;
  const int events = args.size() > 1 ? args[1].toInt(&ok) : 100000;
  const uint seed = args.size() > 2 ? args[2].toUInt(&ok) : 1;
  if (!ok || events < 0) {
    std::fprintf(stderr, "usage: %s [EVENTS] [SEED]\n", qPrintable(args.value(0)));
    return 2;
  }

  int done = 0, faults = 0, ends = 0, rebuilt = 0;
  long halfwayKb = 0;
  while (done < events && faults < kMaxFaults) {
    ui::testkit::FakePlatform fake;
    std::unique_ptr<ui::Form> form = make();
    form->show();
    ui::testkit::Monkey monkey(fake, seed + uint(rebuilt));
    addWindows(monkey, *form, rebuilt == 0);
    while (done < events) {
      if (halfwayKb == 0 && done >= events / 2) halfwayKb = ui::testkit::residentKb();
      const int chunk = std::min(kProgressEvery - done % kProgressEvery, events - done);
      const ui::testkit::Monkey::Result r = monkey.run(chunk);
      done += r.events;
      say(QStringLiteral("progress %1").arg(done));
      if (r.ended) {
        // A click the program answers with its own End (a bare window, a label that closes
        // it) ends this run of its windows as designed; the next is built afresh.
        ++ends;
        say(QStringLiteral("end at event %1: %2").arg(done).arg(r.failure));
        break;
      }
      if (!r.failure.isEmpty()) {
        ++faults;
        say(QStringLiteral("fault at event %1: %2").arg(done).arg(r.failure));
        break;
      }
    }
    ++rebuilt;
  }
  say(QStringLiteral("events %1").arg(done));
  say(QStringLiteral("faults %1").arg(faults));
  say(QStringLiteral("program ends %1").arg(ends));
  say(QStringLiteral("peak memory %1 MB").arg(peakResidentKb() / 1024.0, 0, 'f', 1));
  say(QStringLiteral("growth %1 kB")
          .arg(halfwayKb > 0 ? ui::testkit::residentKb() - halfwayKb : 0));
  return faults == 0 ? 0 : 1;
}

[[maybe_unused]] const bool installed = [] {
  ui::setProgramDriver(runMonkey);
  return true;
}();

}  // namespace
