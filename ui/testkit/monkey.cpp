// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey.h"

#include <pthread.h>
#include <time.h>
#include <unistd.h>
#include <QAccessibleActionInterface>
#include <QFile>
#include <QWidget>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "pupil.h"

namespace ui::testkit {
namespace {

long long cpuMsOf(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return t.tv_sec * 1000LL + t.tv_nsec / 1000000;
}

// The processor-time clock of the calling thread, readable from other threads.
clockid_t threadClock() {
  clockid_t clock = CLOCK_THREAD_CPUTIME_ID;
  pthread_getcpuclockid(pthread_self(), &clock);
  return clock;
}

long long nowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

bool resizable(const Form& f) {
  return f.window()->minimumSize() != f.window()->maximumSize();
}

// Aborts the process when the heartbeat stands still too long: an action that neither returns
// nor reaches a pause is a hang, and the only way to report it is from another thread. The
// limit counts the processor time of the window's thread, so a machine busy with other work
// does not pass for a hang; a wall-clock limit thirty times longer catches a thread that waits
// for ever.
class Watchdog {
 public:
  Watchdog(const Monkey::Heartbeat& heartbeat, int limitMs, const QString* lastAction)
      : thread_([this, &heartbeat, limitMs, lastAction, clock = threadClock()] {
          std::unique_lock<std::mutex> lock(mutex_);
          while (!stop_) {
            cv_.wait_for(lock, std::chrono::milliseconds(50));
            const bool busy = cpuMsOf(clock) - heartbeat.cpuMs.load() > limitMs;
            const bool stuck = nowMs() - heartbeat.wallMs.load() > 30LL * limitMs;
            if (!stop_ && (busy || stuck)) {
              std::fprintf(stderr, "monkey: hang for over %d ms after: %s\n",
                           busy ? limitMs : 30 * limitMs, qPrintable(*lastAction));
              std::fflush(stderr);
              std::abort();
            }
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    cv_.notify_all();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace

void Monkey::Heartbeat::beat() {
  cpuMs = cpuMsOf(CLOCK_THREAD_CPUTIME_ID);
  wallMs = nowMs();
}

long residentKb() {
  QFile f(QStringLiteral("/proc/self/statm"));
  if (!f.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> parts = f.readAll().split(' ');
  return parts.size() > 1 ? parts[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

Monkey::Monkey(FakePlatform& fake, unsigned seed) : fake_(fake), rng_(seed) {}

void Monkey::addWindow(Form& form) {
  forms_.push_back(&form);
}

int Monkey::uniform(int lo, int hi) {
  return std::uniform_int_distribution<int>(lo, hi)(rng_);
}

bool Monkey::chance(double p) {
  return std::uniform_real_distribution<double>(0, 1)(rng_) < p;
}

QString Monkey::junk() {
  static const char* const samples[] = {
      "",    "0",   "-",   "1e308",     "1e309", "-1e309", "abc", "12,5", "99999999999999999999",
      " 7 ", "NaN", "ыыы", "0.0000001", "-0",    "1e-320", "3x",  "--5",  ".",
      "1e",  "+",   "  ",  "2.5.5",     "-100",  "100000"};
  if (chance(0.3)) return QString::number(uniform(-50, 150));
  return QString::fromUtf8(samples[uniform(0, int(std::size(samples)) - 1)]);
}

void Monkey::actOn(Control& c) {
  result_.lastAction = c.name();
  switch (c.kind()) {
    case ControlKind::TextBox: {
      if (chance(0.6)) {
        const QString text = junk();
        result_.lastAction += QStringLiteral(" type \"%1\"").arg(text);
        typeText(c, text);
      } else {
        result_.lastAction += QStringLiteral(" click");
        c.click();
      }
      break;
    }
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar: {
      auto& s = static_cast<ScrollBar&>(c);
      const int lo = std::min(s.min(), s.max()), hi = std::max(s.min(), s.max());
      switch (uniform(0, 4)) {
        case 0: {
          const int to = uniform(lo, hi);
          result_.lastAction += QStringLiteral(" drag %1").arg(to);
          s.drag(to);
          break;
        }
        case 1: {
          const int towards = chance(0.5) ? 1 : -1;
          result_.lastAction += QStringLiteral(" arrow %1").arg(towards);
          s.step(towards);
          break;
        }
        case 2: {
          const bool add = chance(0.5);
          result_.lastAction +=
              add ? QStringLiteral(" track after") : QStringLiteral(" track before");
          clickScrollBarPart(s, add ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage);
          break;
        }
        case 3: {
          static const Qt::Key keys[] = {Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Left,
                                         Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown,
                                         Qt::Key_Home,  Qt::Key_End};
          const Qt::Key key = keys[uniform(0, int(std::size(keys)) - 1)];
          result_.lastAction += QStringLiteral(" key %1").arg(int(key), 0, 16);
          pressKey(s, key);
          break;
        }
        default: {
          const int notches = chance(0.5) ? uniform(1, 3) : -uniform(1, 3);
          result_.lastAction += QStringLiteral(" wheel %1").arg(notches);
          turnWheel(s, notches);
        }
      }
      break;
    }
    case ControlKind::Option:
    case ControlKind::Check:
      if (chance(0.15)) {
        const bool space = c.kind() == ControlKind::Check || chance(0.5);
        const Qt::Key key = space ? Qt::Key_Space : chance(0.5) ? Qt::Key_Down : Qt::Key_Up;
        result_.lastAction += QStringLiteral(" key %1").arg(int(key), 0, 16);
        pressKey(c, key);
        break;
      }
      if (chance(0.15)) {
        const QString action = chance(0.5) ? QAccessibleActionInterface::toggleAction()
                                           : QAccessibleActionInterface::pressAction();
        result_.lastAction += QStringLiteral(" accessible ") + action;
        accessibleAction(c, action);
        break;
      }
      [[fallthrough]];
    default:
      if (chance(0.15)) {
        result_.lastAction += QStringLiteral(" double click");
        c.dblClick();
      } else {
        result_.lastAction += QStringLiteral(" click");
        c.click();
      }
  }
}

void Monkey::act(bool nested) {
  std::vector<Form*> shown;
  for (Form* f : forms_)
    if (f->visible()) shown.push_back(f);
  if (shown.empty()) return;
  Form& form = *shown[uniform(0, int(shown.size()) - 1)];

  std::vector<Control*> controls;
  for (Control* c : form.controls())
    if (c->kind() != ControlKind::Decoration && c->widget()->isVisible() && c->enabled())
      controls.push_back(c);
  std::vector<Menu*> items;
  for (Menu* m : form.menus())
    if (!m->hasItems() && m->enabled()) items.push_back(m);

  const int roll = uniform(0, 99);
  if (roll < 4 && resizable(form) && !nested) {
    const int w = uniform(60, 1600), h = uniform(60, 1100);
    result_.lastAction = QStringLiteral("resize %1x%2 px").arg(w).arg(h);
    form.setClientSize(w * 15.0, h * 15.0);
  } else if (roll < 14 && !items.empty()) {
    Menu* m = items[uniform(0, int(items.size()) - 1)];
    result_.lastAction = QStringLiteral("menu ") + m->name();
    m->click();
  } else if (!controls.empty()) {
    actOn(*controls[uniform(0, int(controls.size()) - 1)]);
  }
  if (!form.timers().empty() && chance(0.3)) {
    TimerControl* t = form.timers()[uniform(0, int(form.timers().size()) - 1)];
    fake_.advance(uniform(1, 1500) / 1000.0);
    t->tick();
  }
}

void Monkey::onPause() {
  heartbeat_.beat();
  ++result_.pauses;
  ++pausesThisEvent_;
  result_.deepest = std::max(result_.deepest, nestingDepth());
  if (pausesThisEvent_ > maxPauses_) {
    if (pausesThisEvent_ > maxPauses_ * 4) {
      result_.failure = QStringLiteral("a loop did not stop after %1 pauses (last action: %2)")
                            .arg(pausesThisEvent_)
                            .arg(result_.lastAction);
      requestEnd();
      return;
    }
    if (!stops_.empty()) {
      Control& stop = *stops_[uniform(0, int(stops_.size()) - 1)];
      // After a resize the button may lie outside the window; the pupil would widen it to
      // reach "Стоп", which here is its handler run as the click would run it.
      if (widgetAt(stop.container().form(), windowPoint(stop)) == stop.widget())
        stop.click();
      else if (stop.enabled())
        fire(stop.onClick);
    }
    return;
  }
  if (nestingDepth() < 6 && chance(nestedChance_)) {
    ++result_.nested;
    act(true);
  }
}

Monkey::Result Monkey::run(int events) {
  result_ = Result{};
  heartbeat_.beat();
  fake_.onPause = [this](int) { onPause(); };
  long halfwayKb = 0;
  {
    Watchdog watchdog(heartbeat_, hangLimitMs_, &result_.lastAction);
    for (int i = 0; i < events && result_.failure.isEmpty(); ++i) {
      if (i == events / 2) halfwayKb = residentKb();
      pausesThisEvent_ = 0;
      heartbeat_.beat();
      act(false);
      heartbeat_.beat();
      ++result_.events;
      if (!fake_.errors.isEmpty())
        result_.failure = QStringLiteral("run-time error \"%1\" after %2")
                              .arg(fake_.errors.first(), result_.lastAction);
      else if (programEnded() && result_.failure.isEmpty()) {
        result_.failure = QStringLiteral("the program ended after ") + result_.lastAction;
        result_.ended = true;
      }
    }
  }
  fake_.onPause = nullptr;
  result_.growthKb = residentKb() - halfwayKb;
  if (result_.failure.isEmpty() && halfwayKb > 0 && result_.growthKb > maxGrowthKb_)
    result_.failure =
        QStringLiteral("memory grew by %1 kB over the second half").arg(result_.growthKb);
  return result_;
}

}  // namespace ui::testkit
