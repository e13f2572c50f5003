// SPDX-License-Identifier: GPL-3.0-or-later
// What the Fringes tests share: a pupil's clicks and drags through the window system and
// readings of the picture and its draw log.
#pragma once

#include <QtTest>
#include <optional>
#include <vector>

#include "form1.h"
#include "ui/testkit/drawlog.h"
#include "ui/testkit/pupil.h"

namespace fringes::test {

// A click in the middle of the control, landing on whatever lies there.
inline void press(ui::Control& c) {
  ui::testkit::clickOn(c);
}

// The pupil pressing a key `times` over on a control that has the focus.
inline void keys(ui::Control& c, Qt::Key key, int times = 1) {
  for (int i = 0; i < times; ++i)
    ui::testkit::pressKey(c, key);
}

// The wavelength bar moved by its keys: to the violet end, then step by step to `nm`.
inline void chooseWavelength(Form1& w, int nm) {
  keys(w.HScroll3, Qt::Key_Home);
  keys(w.HScroll3, Qt::Key_Right, nm - 400);
}

// A point of a part of the bar, in window pixels, where a click reaches the bar itself rather
// than something lying over it; none when the part is covered.
inline std::optional<QPoint> reachablePoint(ui::Form& f, ui::ScrollBar& bar,
                                            QStyle::SubControl part) {
  const QRect r = ui::testkit::scrollBarPart(bar, part);
  for (int y = r.top() + 1; y < r.bottom(); ++y)
    for (int x = r.left() + 1; x < r.right(); ++x) {
      const QPoint p = ui::testkit::windowPoint(bar, QPoint(x, y));
      if (ui::testkit::widgetAt(f, p) == bar.widget()) return p;
    }
  return std::nullopt;
}

using ui::testkit::pixelsOf;
using ui::testkit::records;

// Whether the log holds a line from `a` to `b` of this colour and width.
inline bool hasLine(const std::vector<ui::DrawRecord>& log, QPointF a, QPointF b, ui::Color c,
                    int width) {
  const auto near = [](QPointF p, QPointF q) {
    return std::fabs(p.x() - q.x()) < 1e-6 && std::fabs(p.y() - q.y()) < 1e-6;
  };
  for (const ui::DrawRecord& r : log)
    if (r.kind == ui::DrawRecord::Line && r.color == c && r.width == width && near(r.p1, a) &&
        near(r.p2, b))
      return true;
  return false;
}

}  // namespace fringes::test
