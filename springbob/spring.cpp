// SPDX-License-Identifier: GPL-3.0-or-later
// The weight on the spring: "Пуск2" animates it, "Стоп2" freezes it in red.
#include <cmath>

#include "form1.h"
#include "ui/errors.h"
#include "ui/values.h"

using namespace ui;
using springbob::kTrue;

namespace {

// The spring's eight segments as steps from its top, for the step's half-width cx and the
// negative height cy of its table entry: a zigzag that ends straight below the top, 4·(-cy)
// lower.
struct Segment {
  double x, y;  // in units of cx and cy
};
constexpr Segment kZigzag[8] = {{-0.5, -0.5}, {1.1, -0.5}, {-1.1, -0.5}, {1.1, -0.5},
                                {-1.1, -0.5}, {1.1, -0.5}, {-1.1, -0.5}, {0.5, -0.5}};

constexpr double kCeiling = -1000;  // picture units
constexpr double kHook = 200;       // picture units

}  // namespace

double Form1::SpringStretch(int j) const {
  return -4 * SpringY[361 - j];
}

void Form1::DrawCeilingAndAxis() {
  Picture1.pset(At(0, kCeiling), kBlack);
  Picture1.line(At(-2000, kCeiling), At(2000, kCeiling));
  Picture1.pset(At(0, 0), kBlack);
  Picture1.line(At(0, -2000), At(0, 2000));
}

void Form1::DrawHangingWeight(Color springColor, Color weightColor, double mass, int j) {
  const double top = R2 + 200;
  const double cx = SpringX[361 - j], cy = SpringY[361 - j];
  Picture1.pset(At(top, kCeiling), kWhite);
  Picture1.circle(At(top, kCeiling), 25, springColor);
  for (const Segment& s : kZigzag)
    Picture1.line(Step(s.x * cx, s.y * cy), springColor);
  Picture1.line(Step(0, kHook), springColor);
  DrawWeight(weightColor, mass, j);
}

void Form1::DrawWeight(Color color, double mass, int j) {
  const double half = (150 + 20 * mass) / 2;
  const double x = R2 + 200, y = kCeiling + SpringStretch(j) + kHook;
  Picture1.line(At(x - half, y - half), At(x + half, y + half), color, LineMode::Box);
}

void Form1::DrawLevelMark(Color color, int j) {
  const double level = kCeiling + SpringStretch(j);
  Picture1.pset(At(0, kCeiling), color);
  Picture1.circle(At(0, level), 25, color);
  Picture1.pset(At(0, kCeiling), color);
  Picture1.line(At(0, kCeiling), At(0, level), color);
}

void Form1::Command5_Click() {
  Command8.setEnabled(true);
  Running = kTrue;
  ScalePicture();
  DrawCeilingAndAxis();
  while (Running) {
    DrawSpringFrame();
    // A "Пуск2" in the pause runs a loop of its own that moves J and may change the mass: the
    // frame is wiped with the step and the weight it was drawn with.
    const int frameJ = J;
    const double frameMass = M;
    SpringPause();
    EraseSpringFrame(frameJ, frameMass);
  }
}

// J swings between K + M + 17 and 46 + 2·(K + M): a heavier weight or a stiffer spring moves
// both turning points down.
void Form1::DrawSpringFrame() {
  DrawCeilingAndAxis();
  J += SpringRising ? 1 : -1;
  if (SpringRising && J >= 80 - 2 * (17 - (K + M))) SpringRising = 0;
  if (!SpringRising && J <= K + M + 16 + 1) SpringRising = kTrue;
  if (SpringRising && 0 <= J && J <= 40) MarkFlag = kTrue;
  if (SpringRising && 40 < J && J <= 80) MarkFlag = 0;
  if (!SpringRising && 0 <= J && J <= 40) MarkFlag = 0;
  if (!SpringRising && 40 < J && J <= 80) MarkFlag = kTrue;

  Picture1.setDrawWidth(3);
  if (MarkFlag) {
    Picture1.pset(At(0, kCeiling), kWhite);
    Picture1.circle(At(CircleX[131 - J], kCeiling + CircleY[131 - J]), 25, kWhite);
  }
  DrawHangingWeight(kBlue, kBlack, M, J);
  DrawLevelMark(kRed, J);

  WriteLabel(Label1, QStringLiteral("T=2*pi*Sqr(m/k)="));
  WriteLabel(Label2, QStringLiteral("v=1/T="));
  WriteLabel(Label6, Str(Int(10 * std::sqrt(divide(K, M)) / 2 / PiValue) / 10));
  WriteLabel(Label5, Str(Int(10 * PiValue * 2 * std::sqrt(divide(M, K))) / 10));
}

void Form1::SpringPause() {
  Picture1.setDrawWidth(1);
  FramePause();
}

// The weight is wiped one mass unit larger than it is drawn, and then once more at the size
// it was drawn: the outline is 3 px wide, so the larger square alone leaves its inner edge.
void Form1::EraseSpringFrame(int j, double mass) {
  Picture1.setDrawWidth(3);
  M = HScroll1.value() + 1;
  DrawHangingWeight(kWhite, kWhite, M, j);
  M = HScroll1.value();
  DrawWeight(kWhite, mass, j);
  DrawLevelMark(kWhite, j);
  Picture1.setDrawWidth(1);
  Picture1.pset(At(0, kCeiling), kRed);
}

void Form1::Command6_Click() {
  Running = 0;
  DrawCeilingAndAxis();
  DrawHangingWeight(kRed, kRed, M, J);
  DrawLevelMark(kRed, J);
}
