// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls_p.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "qtbridge.h"

namespace ui {

using namespace detail;

// ---- TimerControl ----

TimerControl::TimerControl(Form* form, QString name, int intervalMs, bool enabled)
    : name_(std::move(name)),
      interval_(intervalMs),
      enabled_(enabled),
      timer_(std::make_unique<QTimer>()) {
  timer_->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { tick(); });
  form->timers_.push_back(this);
  update();
}
TimerControl::~TimerControl() = default;
void TimerControl::setInterval(int ms) {
  interval_ = ms;
  update();
}
void TimerControl::setEnabled(bool on) {
  enabled_ = on;
  update();
}
void TimerControl::update() {
  // Like the window system's timers, none ticks more often than every 10 ms: a 1 ms interval
  // would wake the program a thousand times a second for nothing a pupil can see.
  if (enabled_ && interval_ > 0)
    timer_->start(std::max(interval_, kMinTimerIntervalMs));
  else
    timer_->stop();
}
void TimerControl::tick() {
  if (ticking_ || !enabled_) return;
  ticking_ = true;
  fire(onTimer);
  ticking_ = false;
}

}  // namespace ui
