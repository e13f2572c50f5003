// SPDX-License-Identifier: GPL-3.0-or-later
// The live graph, "Очистка" and the presets that draw a whole curve at once.
#include <cmath>

#include "form1.h"
#include "ui/axes.h"
#include "ui/platform.h"
#include "ui/values.h"

namespace plotter {

using ui::At;
using ui::Step;

// x runs upward along the vertical axis (2·c units per unit of x) and y along the horizontal
// axis (30·b units per unit of y).
void Form1::grud() {
  ui::Randomize();
  Picture1.cls();
  const ui::Int16 v = qint16(VScroll1.value());
  Picture1.scale(-500, ui::Int16(-100) * v, 500, ui::Int16(100) * v - ui::Int16(200));
  Running = 0;
  drawAxes(-500, 1000, ui::Int16(-100) * v, ui::Int16(100) * v - ui::Int16(200));
  ParamA = HScroll1.value();
  ParamB = HScroll2.value();
  ParamC = HScroll3.value();
  showParameters();
  Label7.setCaption(QStringLiteral(" y = 3 * x * Log(x) - 1 / 36 * Exp(-(36 * x - 36 / 2.7) ^ 4)"));
  // a / 5 and 1 / 36 are quotients of whole numbers, which come out in single precision.
  const double end = float(ParamA) / 5.0f;
  const double sixth = 1.0f / 36.0f;
  const double across = ui::mul16(30, int(ParamB)), up = ui::mul16(2, int(ParamC));
  for (XValue = 0.001; XValue <= end; XValue += 0.001) {
    YValue = 3 * XValue * std::log(XValue) - sixth * std::exp(-std::pow(36 * XValue - 36 / 2.7, 4));
    Picture1.pset(At(across * YValue, -up * XValue), ui::kRed);
  }
}

void Form1::HScroll1_Change() {
  if (!LiveMode) return;
  ParamA = HScroll1.value();
  Label1.setCaption(ParamA.text());
  grud();
}

void Form1::HScroll2_Change() {
  if (!LiveMode) return;
  ParamB = HScroll2.value();
  Label2.setCaption(ParamB.text());
  grud();
}

void Form1::HScroll3_Change() {
  if (!LiveMode) return;
  ParamC = HScroll3.value();
  Label3.setCaption(ParamC.text());
  grud();
}

void Form1::VScroll1_Change() {
  if (LiveMode) grud();
}

void Form1::Command19_Click() {
  grud();
  LiveMode = -1;
}

void Form1::Command8_Click() {
  Running = 0;
  ui::Randomize();
  Picture1.cls();
  Picture1.scale(0, -200, 1000, 200);
  DelayFactor = 0.8;
  ui::drawTimeAxes(Picture1);
  Running = 0;
  LiveMode = 0;
  ui::drawXTicks(Picture1, Counter);
  ui::drawYTicks(Picture1, Counter);
  readStepsPerPi();
  ParamC = rndInt(200) + 10;
  ParamA = HScroll1.value();
  Label1.setCaption(ui::Str(HScroll1.value()));
  Label2.setCaption(ui::Str(HScroll2.value()));
  Label3.setCaption(ui::Str(HScroll3.value()));
}

void Form1::startStatic() {
  Running = 0;
  ui::Randomize();
  Picture1.cls();
}

void Form1::Command10_Click() {
  Running = 0;
  ui::Randomize();
  Picture1.scale(-500, -200, 500, 200);
  Picture1.cls();
  drawAxes(-500, 500, -200, 200);
  ParamA = rndInt(5) + 1;
  ParamB = rndInt(5) / 10.0f + 0.1;  // a tenth in single precision, then a double
  Label1.setCaption(ParamA.text());
  Label2.setCaption(ParamB.text());
  Label7.setCaption(QStringLiteral("y = 120 * Sin(Cos(x)*x)  "));
  for (XValue = -40 * PiValue; XValue <= 40 * PiValue; XValue += PiValue / 180) {
    YValue = 120 * std::sin(ParamA * XValue * ParamB * std::cos(XValue));
    Picture1.pset(At(4 * XValue, -YValue), ui::kRed);
  }
}

void Form1::Command11_Click() {
  Picture1.scale(-500, -200, 500, 200);
  startStatic();
  Picture1.scale(-12, -150, 12, 150);
  Picture1.pset(At(0, 0), ui::kBlack);
  Picture1.line(Step(-12, 0), Step(24, 0));
  Picture1.pset(At(0, 0), ui::kBlack);
  Picture1.line(Step(0, -150), Step(0, 300));
  ParamA = rndInt(10);
  ParamB = rndInt(10);
  Label1.setCaption(ParamA.text());
  Label2.setCaption(ParamB.text());
  Label7.setCaption(QStringLiteral("y1 = 2 * x ^ 2 - 34 + 2 * x    y2 = Sin(x) + a * Cos(b * x)"));
  for (XValue = -12; XValue <= 12; XValue += 0.001) {
    YSingle = float(2 * XValue * XValue - 34 + 2 * XValue);
    Picture1.pset(At(XValue, -YSingle), ui::kRed);
    Y2Value = std::sin(XValue) + ParamA * std::cos(ParamB * XValue);
    Picture1.pset(At(XValue, -20 * Y2Value), ui::kBlue);
  }
}

void Form1::drawCycloid(bool mirrored) {
  startStatic();
  Picture1.scale(-500, -200, 500, 200);
  drawAxes(-500, 500, -500, 500);
  ParamA = rndInt(20);
  ParamB = rndInt(30);
  ParamC = rndInt(80) + 10;
  showParameters();
  Label7.setCaption(QStringLiteral("x = c * i - c * Sin(i)   y = c - c * Cos(i)"));
  CopyC = ParamC;
  const double end = ParamB * PiValue;
  for (Counter = -ParamA * PiValue; Counter <= end; Counter += PiValue / 180) {
    XValue = CopyC * Counter - CopyC * std::sin(Counter);
    YValue = CopyC - CopyC * std::cos(Counter);
    Picture1.pset(At(XValue, -YValue), ui::kRed);
    if (mirrored) Picture1.pset(At(XValue, YValue), ui::kRed);
  }
}

void Form1::Command12_Click() {
  drawCycloid(false);
}

void Form1::Command13_Click() {
  drawCycloid(true);
}

// The curve y = c·Sin(x/16) + x and its reflection in the diagonal, both scaled by b.
void Form1::Command14_Click() {
  startStatic();
  Picture1.scale(-500, -200, 500, 200);
  drawAxes(-500, 1000, -200, 200);
  ParamA = rndInt(20) + 40;
  ParamB = rndInt(4) - 3;
  ParamC = rndInt(50) + 20;
  showParameters();
  Label7.setCaption(QStringLiteral("y = b *c * Sin(x/ 16) +  x"));
  const double end = ParamA * PiValue;
  for (XValue = -end; XValue <= end; XValue += PiValue / 180) {
    YSingle = float(ParamC * std::sin(XValue / 16) + XValue);
    Picture1.pset(At(XValue, ParamB * YSingle), ui::kRed);
    Picture1.pset(At(XValue, ParamB * XValue), ui::kBlack);
  }
  for (XValue = -end; XValue <= end; XValue += PiValue / 180) {
    YSingle = float(ParamC * std::sin(XValue / 16) + XValue);
    Picture1.pset(At(ParamB * YSingle, XValue), ui::kBlue);
  }
}

}  // namespace plotter
