// SPDX-License-Identifier: GPL-3.0-or-later
// What the stopwatch's and the clock's tests share, as the two windows share their dial: a shown
// window on a fake clock, and where the seconds hand ends, worked out once by hand.
#pragma once

#include <QPointF>
#include <QStringList>
#include <QtGlobal>
#include <cmath>
#include <vector>

#include "ui/canvas.h"
#include "ui/testkit/fakeplatform.h"

namespace dialtest {

// A shown window at 10:00:00.2 on a fake clock, its picture logging every primitive.
template <typename Window>
struct Rig {
  ui::testkit::FakePlatform fake;
  Window w;
  explicit Rig(double now = 36000.2) {
    fake.setTime(now);
    w.show();
    w.Pic1.setLogging(true);
  }
  void tickAfter(double seconds) {
    fake.advance(seconds);
    w.Timer1.tick();
  }
  void run(double seconds) {  // four ticks a second
    for (int i = 0; i < int(std::lround(seconds * 4)); ++i)
      tickAfter(0.25);
  }
  std::vector<ui::DrawRecord> drawn(ui::DrawRecord::Kind kind) const {
    std::vector<ui::DrawRecord> out;
    for (const ui::DrawRecord& r : w.Pic1.log())
      if (r.kind == kind) out.push_back(r);
    return out;
  }
  QStringList texts() const { return {w.Text3.text(), w.Text2.text(), w.Text1.text()}; }
};

// Where the hand points after `seconds`: 1900 (cos, sin) of pi/2 - pi/30 per second with pi
// taken as 3.14, worked out once for the seconds the tests stop at.
inline QPointF handEnd(int seconds) {
  switch (seconds) {
    case 0:
      return {1.5130207504, 1899.9993975705};  // twelve, short by pi's missing digits
    case 1:
      return {200.0084421530, 1889.4434691378};
    case 2:
      return {396.3147484438, 1858.2073673748};
    case 5:
      return {950.8734091156, 1644.9436950355};
    case 6:
      return {1117.5262876296, 1536.5985150509};
    case 9:
      return {1537.4879438773, 1116.3022988564};
    case 11:
      return {1735.9004373295, 772.4310141878};
    case 21:
      return {1537.4879438773, -1116.3022988564};
    case 22:
      return {1412.4475282450, -1270.8233472653};
    case 59:
      return {-203.0174161395, 1889.1225287800};
  }
  return {qQNaN(), qQNaN()};
}

inline bool near(QPointF a, QPointF b) {
  return std::abs(a.x() - b.x()) + std::abs(a.y() - b.y()) < 1e-6;
}

}  // namespace dialtest
