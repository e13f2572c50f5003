// SPDX-License-Identifier: GPL-3.0-or-later
// The presets that trace a curve point by point until a button stops them.
#include <cmath>

#include "form1.h"
#include "ui/axes.h"
#include "ui/values.h"

namespace plotter {

namespace {

constexpr ui::Color kLightRed = ui::RGB(255, 128, 128);

}  // namespace

// y = c·Sin(x/16)·(b + Cos(b·x)), x from -a·pi to a·pi and round again.
void Form1::Command2_Click() {
  startAnimation(-500, -200, 500, 200);
  DelayFactor = 0.8;
  ui::drawXTicks(Picture1, Counter);
  ui::drawYTicks(Picture1, Counter);
  ParamA = rndInt(60);
  ParamB = rndInt(5);
  ParamC = rndInt(50) + 20;
  showParameters();
  Label7.setCaption(QStringLiteral("y = c * Sin(x/ 16) * (b + Cos(x))"));
  XValue = -ParamA * PiValue;
  while (Running) {
    drawAxes(-500, 1000, -200, 200);
    XValue += PiValue / 90;
    if (XValue >= ParamA * PiValue) XValue = -ParamA * PiValue;
    YValue = ParamC * std::sin(XValue / 16) * (ParamB + std::cos(ParamB * XValue));
    plotMoving(2 * XValue, -YValue, ui::kRed, 1);
    framePause();
  }
}

// A point running along a parabola from x = -13 to 13, for ever.
void Form1::Command15_Click() {
  startAnimation(-500, -200, 500, 200);
  DelayFactor = 0.8;
  ParamA = rndInt(6) - 3;
  ParamB = rndInt(4) - 2;
  ParamC = rndInt(5) - 2;
  showParameters();
  Label7.setCaption(QStringLiteral("y = a * x ^ 2 + b * x + c"));
  XValue = -13;
  while (Running) {
    drawAxes(-500, 1000, -200, 200);
    XValue += 0.1;
    if (XValue >= 13) XValue = -13;
    YValue = ParamA * XValue * XValue + ParamB * XValue + ParamC;
    plotMoving(10 * XValue, -YValue, ui::kRed, 2);
    framePause();
  }
}

// A damped oscillation i = c·a^(-b·t)·Sin(w·t), w = 1 / Sqr(L·C) from the a and b bars, traced
// from the time where the last trace stopped.
void Form1::Command17_Click() {
  LiveMode = 0;
  DelayFactor = 0.8;
  startAnimation(0, -200, 1000, 200);
  ui::drawXTicks(Picture1, Counter);
  ui::drawYTicks(Picture1, Counter);
  ParamB = float(VScroll1.value()) / 50.0f;
  Label1.setCaption(ui::Str(HScroll1.value()));
  Label2.setCaption(ui::Str(HScroll2.value()));
  Label3.setCaption(ui::Str(HScroll3.value()));
  Label7.setCaption(QStringLiteral("i = I * e^(-b*t)*Sin(w*t)    w=1/sqr(L*C) "));
  while (Running) {
    ui::drawTimeAxes(Picture1);
    ui::drawXTicks(Picture1, Counter);
    // Other presets can leave a zero or negative a behind, which can be neither the base of a
    // power nor the end of a trace that starts at t > 0: the a its label shows stands in for
    // it, in both.
    const double a = ParamA > 0 ? double(ParamA) : HScroll1.value();
    XValue += PiValue / HScroll3.value();
    if (XValue >= 7 * a * PiValue) XValue = PiValue / HScroll3.value();
    Omega = std::sqrt(1.0 / ui::mul16(HScroll1.value(), HScroll2.value()));
    YValue = std::sin(XValue * Omega) * ParamC * std::pow(a, -ParamB * XValue);
    plotMoving(8 * XValue, -YValue, kLightRed, 1);
    framePause();
  }
}

}  // namespace plotter
