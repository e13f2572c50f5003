// SPDX-License-Identifier: GPL-3.0-or-later
#include "axes.h"

namespace ui {

// Every segment starts from a black point set first; its start is a step from that point and
// its end a step from the start.
void drawTimeAxes(Canvas& p) {
  p.pset(At(0, 0), kBlack);
  p.line(Step(0, -200), Step(0, 400));
  p.pset(At(0, 0), kBlack);
  p.print(0);
  p.pset(At(0, 0), kBlack);
  p.line(Step(0, 0), Step(1000, 0));
}

void drawXTick(Canvas& p, int i, int labelFactor) {
  p.pset(At(100 * i, 0), kBlack);
  p.line(Step(0, -5), Step(0, 10));
  p.pset(At(100 * i, 0), kBlack);
  p.print(labelFactor * i);
}

void drawYTickBelow(Canvas& p, int i) {
  p.pset(At(0, 20 * i), kBlack);
  p.line(Step(0, 0), Step(5, 0));
  p.pset(At(0, 20 * i), kBlack);
  p.print(-20 * i);
}

// The label is printed from one tick higher up, so that it ends at its tick.
void drawYTickAbove(Canvas& p, int i) {
  p.pset(At(0, -20 * i), kBlack);
  p.line(Step(0, 0), Step(5, 0));
  p.pset(At(0, -20 * i - 20), kBlack);
  p.print(20 * i);
}

}  // namespace ui
