// SPDX-License-Identifier: GPL-3.0-or-later
// The axes with ticks of the time graphs (picture scaled 0..1000 across, -200..200 down): the
// vertical axis, "0" at the origin, the horizontal axis, ticks along both, each tick set off by a
// black point and labelled with Print. The windows keep their own loop variable, which the loops
// leave one past the last tick, as a counted loop does.
#pragma once

#include "canvas.h"

namespace ui {

// A black point at the origin, the vertical axis from (0, -200) to (0, 200), "0" at the origin,
// and the horizontal axis from (0, 0) to (1000, 0).
void drawTimeAxes(Canvas& p);

// One tick of each loop; i runs 1..9.
void drawXTick(Canvas& p, int i, int labelFactor);  // at x = 100·i, labelled labelFactor·i
void drawYTickBelow(Canvas& p, int i);              // at y = 20·i, labelled -20·i
void drawYTickAbove(Canvas& p, int i);              // at y = -20·i, labelled 20·i

// The x ticks at 100, 200, ..., 900.
template <typename Counter>
void drawXTicks(Canvas& p, Counter& counter, int labelFactor = 1) {
  for (counter = 1; counter <= 9; counter = counter + 1)
    drawXTick(p, int(counter), labelFactor);
}

// The y ticks, first the nine below the axis, then the nine above it.
template <typename Counter>
void drawYTicks(Canvas& p, Counter& counter) {
  for (counter = 1; counter <= 9; counter = counter + 1)
    drawYTickBelow(p, int(counter));
  for (counter = 1; counter <= 9; counter = counter + 1)
    drawYTickAbove(p, int(counter));
}

}  // namespace ui
