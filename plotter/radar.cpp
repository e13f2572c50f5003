// SPDX-License-Identifier: GPL-3.0-or-later
// Two radar screens: a beam sweeping round with echoes of a moving target, and a scan line
// running up and down a square screen.
#include <cmath>

#include "form1.h"
#include "ui/values.h"

namespace plotter {

using ui::At;
using ui::Step;

namespace {

constexpr int kRangeMarks = 8;
constexpr double kRangeMarkStep = 100;  // picture units between marks
constexpr double kEchoRadius = 15;

}  // namespace

// Other handlers share Counter, which can leave it fractional or far from the range a loop
// keeps it in; a figure whose table index falls outside the tables is left out, where it
// would otherwise end the program.
std::optional<QPointF> Form1::sweep(double index) const {
  const double k = std::nearbyint(index);  // a table index is rounded, halves to even
  if (!(k >= 1 && k <= kSweepRoom)) return std::nullopt;
  return QPointF(SweepCos[size_t(k)], SweepSin[size_t(k)]);
}

void Form1::radarStart() {
  Picture1.cls();
  ui::Randomize();
  Running = -1;
  Picture1.scale(-2000, -1000, 2000, 1000);
  drawAxes(-2000, 4000, -2000, 4000);
  TargetAngle = ui::Int(ui::Rnd() * 300.0f) + 10;
}

void Form1::rangeMarks(ui::Color color) {
  Picture1.pset(At(0, 0), ui::kBlack);
  for (int i = 1; i <= kRangeMarks; ++i)
    Picture1.circle(Step(0, 0), kRangeMarkStep * i, color);
}

void Form1::radarBeam(ui::Color color) {
  Picture1.pset(At(0, 0), color);
  if (const auto end = sweep(361 - Counter)) Picture1.line(At(end->x(), end->y()), color);
}

// The target at 800 / c from the centre, in the direction of TargetAngle.
void Form1::radarEcho() {
  Picture1.pset(At(0, 0), ui::kRed);
  const auto direction = sweep(361 - TargetAngle);
  // A c of zero, left by a preset started inside the loop, puts the target nowhere.
  if (!direction || ParamC == 0) return;
  Picture1.circle(At(direction->x() / ParamC, direction->y() / ParamC), kEchoRadius, ui::kRed);
}

void Form1::Command1_Click() {
  radarStart();
  ParamC = rndInt(5) + 1;
  ParamA = 0.1;
  ParamB = float(ui::Int(2 * ui::Rnd()) - 1);
  while (Running) {
    Counter = Counter + 1;
    drawAxes(-2000, 4000, -2000, 4000);
    if (Counter >= 360) {  // one turn done: the target moves on by a growing amount
      Counter = 1;
      ParamA = ParamA + 0.05;
      TargetAngle = TargetAngle + 4;
      ParamC = ParamC + ParamB * ParamA;
    }
    if (Option1.value()) rangeMarks(ui::kRed);
    if (ParamC >= 12) {  // a new target
      ParamC = rndInt(5) + 1;
      ParamB = float(ui::Int(2 * ui::Rnd()) - 1);
    }
    if (TargetAngle >= 360) TargetAngle = ui::Int(ui::Rnd() * 300.0f) + 10;
    Picture1.pset(At(0, 0), ui::kRed);
    Picture1.setDrawWidth(3);
    radarBeam(ui::kRed);
    if (Counter == TargetAngle) radarEcho();
    Picture1.setDrawWidth(1);
    framePause();
    Picture1.setDrawWidth(3);
    radarBeam(ui::kWhite);
    if (Counter == TargetAngle) radarEcho();  // echoes stay on the screen
    if (Option2.value()) rangeMarks(ui::kWhite);
    Picture1.setDrawWidth(1);
  }
}

// As Counter runs from -90 to 269 the index runs from 360 down to 1: the line moves down,
// up across the whole screen, then down to the centre.
std::optional<QPointF> Form1::scanLineStart() const {
  const auto row = sweep(270 - Counter);
  if (!row) return std::nullopt;
  return QPointF(-SweepCos[360], -row->y());
}

void Form1::scanLine(ui::Color color) {
  const auto start = scanLineStart();
  if (!start) return;
  Picture1.pset(At(start->x(), start->y()), color);
  Picture1.line(Step(2 * SweepCos[360], 0), color);
}

// The target c units to the right of the scan line's left end.
void Form1::scanEcho() {
  const auto start = scanLineStart();
  if (!start) return;
  Picture1.pset(At(start->x(), start->y()), ui::kWhite);
  Picture1.circle(Step(ParamC, 0), kEchoRadius, ui::kRed);
}

void Form1::Command4_Click() {
  radarStart();
  ParamC = rndInt(1600);
  ParamA = 0;
  ParamB = float(ui::Int(2 * ui::Rnd()) - 1);
  while (Running) {
    Counter = Counter + 1;
    drawAxes(-2000, 4000, -2000, 4000);
    if (Counter >= 270) {
      Counter = -90;
      ParamA = ParamA + 0.05;
      TargetAngle = TargetAngle + 4;
    }
    if (Option1.value()) rangeMarks(ui::kRed);
    if (TargetAngle >= 270) TargetAngle = ui::Int(ui::Rnd() * 300.0f) + 10;
    Picture1.pset(At(0, 0), ui::kRed);
    Picture1.pset(At(0, 0), ui::kRed);
    // The square screen, half-width about 800 round the origin.
    Picture1.line(Step(-SweepCos[360], -SweepSin[90]), Step(2 * SweepCos[360], 2 * SweepSin[90]),
                  ui::kRed, ui::LineMode::Box);
    Picture1.setDrawWidth(3);
    scanLine(ui::kRed);
    if (Counter == TargetAngle) scanEcho();
    Picture1.setDrawWidth(1);
    framePause();
    Picture1.setDrawWidth(3);
    scanLine(ui::kWhite);
    if (Counter == TargetAngle) scanEcho();
    if (Option2.value()) rangeMarks(ui::kWhite);
    Picture1.setDrawWidth(1);
  }
}

}  // namespace plotter
