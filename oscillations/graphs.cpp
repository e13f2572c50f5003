// SPDX-License-Identifier: GPL-3.0-or-later
// The drawings of Form1: axes, the oscillation graphs and the resonance curve.
#include <cmath>

#include "form1.h"
#include "ui/axes.h"
#include "ui/values.h"

using namespace ui;

namespace {

constexpr Color kVoltageColor = RGB(0, 0, 255);
constexpr Color kCurrentColor = RGB(255, 0, 0);
// x of the graphs is 8·t, x of the resonance curve 4·w.
constexpr double kTimeToX = 8;
constexpr double kOmegaToX = 4;

}  // namespace

void Form1::ScalePicture() {
  Picture1.scale(0, -200, 1000, 200);
}

void Form1::DrawAxes(AxisSet set, int labelFactor) {
  drawTimeAxes(Picture1);
  drawXTicks(Picture1, Counter, labelFactor);
  if (set == AxisSet::Full) drawYTicks(Picture1, Counter);
}

void Form1::FramePause() {
  pause(0.005 * DelayFactor);
}

void Form1::PlotPoint(double x, double value, Color color) {
  Picture1.marker(At(x, -value), 1, color);
}

void Form1::Command1_Click() {
  Running = 0;
  Randomize();
  Picture1.cls();
  ScalePicture();
  DrawAxes(AxisSet::Full, 1);
  StepsPerPi = HScroll3.value() / 10.0f;
  CurrentTime = PiValue / StepsPerPi;
  ResetPhaseChoice();
  HScroll1.setValue(5);
  HScroll2.setValue(5);
}

void Form1::Command2_Click() {
  AnimateGraph(Curves::Current);
}
void Form1::Command3_Click() {
  AnimateGraph(Curves::Voltage);
}
void Form1::Command4_Click() {
  AnimateGraph(Curves::Both);
}

QString Form1::FormulaText(Curves curves) const {
  switch (curves) {
    case Curves::Current:
      return QStringLiteral("i = I * e^(-b*t)*Sin(w*t)    w=1/sqr(L*C) ");
    case Curves::Voltage:
      return QStringLiteral("u =U * e^(-b*t)*Cos(w*t)   w=1/sqr(L*C) ");
    case Curves::Both:
      break;
  }
  if (Option1.value()) return QStringLiteral("u =U *Cos(w*t)   w=1/sqr(L*C)  i = I *Cos(w*t+pi/2)");
  if (Option2.value()) return QStringLiteral("u =U*Sin(w*t+pi/2)  w=1/sqr(L*C)  i = I*Sin(w*t)");
  return QStringLiteral("u =U * e^(-b*t)*Cos(w*t)   w=1/sqr(L*C)  i = I * e^(-b*t)*Sin(w*t)");
}

// New curves are drawn over the old ones: the picture is not cleared. The trace starts again
// at the left edge once t reaches 14·e·pi (x ≈ 950). Scroll bars and options moved meanwhile
// take effect at the next point.
void Form1::AnimateGraph(Curves curves) {
  Running = -1;
  Randomize();
  ScalePicture();
  DelayFactor = 0.8;
  DrawAxes(AxisSet::Full, 1);
  Label7.setCaption(FormulaText(curves));
  Label11.setCaption(Str(HScroll1.value() / 10.0));
  Label12.setCaption(Str(HScroll2.value() / 1000.0));
  Picture1.setFillStyle(kFillTransparent);
  while (Running) {
    // The raw scroll bar values, 1..10 each: w runs from 0.1 to 1.
    Omega = std::sqrt(1.0 / mul16(HScroll1.value(), HScroll2.value()));
    DrawAxes(AxisSet::Moving, 1);
    StepsPerPi = float(HScroll3.value());
    CurrentTime = CurrentTime + PiValue / StepsPerPi;
    if (CurrentTime >= 14 * EValue * PiValue) CurrentTime = PiValue / StepsPerPi;

    const double t = CurrentTime, w = Omega, A = Amplitude;
    const double decay = std::pow(EValue, t * -Damping);
    switch (curves) {
      case Curves::Current:
        UValue = std::sin(w * t) * A * decay;
        PlotPoint(kTimeToX * t, UValue, kCurrentColor);
        break;
      case Curves::Voltage:
        UValue = std::cos(w * t) * A * decay;
        PlotPoint(kTimeToX * t, UValue, kVoltageColor);
        break;
      case Curves::Both:
        UValue = std::cos(w * t) * A * decay;
        IValue = std::sin(w * t) * A * decay;
        // Without losses, at half the frequency: the current leads the voltage across a
        // capacitor by a quarter period and lags behind it across a coil.
        if (Option1.value()) {
          UValue = std::cos(w * t / 2) * A;
          IValue = std::cos(w * t / 2 + PiValue / 2) * A;
        } else if (Option2.value()) {
          UValue = std::sin(w * t / 2 + PiValue / 2) * A;
          IValue = std::sin(w * t / 2) * A;
        }
        PlotPoint(kTimeToX * t, UValue, kVoltageColor);
        PlotPoint(kTimeToX * t, IValue, kCurrentColor);
        break;
    }
    FramePause();
  }
}

void Form1::Command7_Click() {
  Running = -1;
  Randomize();
  Picture1.cls();
  ScalePicture();
  DelayFactor = 0.8;
  DrawAxes(AxisSet::Full, 1);
  StepsPerPi = HScroll3.value() / 10.0f;
  CurrentTime = 1;
  ResetPhaseChoice();
  while (Running) {
    DrawAxes(AxisSet::Moving, 100);
    Resistance = HScroll4.value();
    Inductance = HScroll1.value() / 10.0;
    Capacitance = HScroll2.value() / 1000.0;
    Omega = std::sqrt(1 / (Capacitance * Inductance));
    StepsPerPi = HScroll3.value() / 100.0f;
    SweepResonance();
    // Int(4·w0) is w0 in the units of the x axis, to be read against its labels.
    Label7.setCaption(QStringLiteral("w0 = ") + Str(Int(kOmegaToX * Omega)) +
                      QStringLiteral("      R = ") + Str(Resistance));
    FramePause();
  }
}

// The whole curve in one pass, without pauses; its peak, 200 / R, lies at w = w0.
void Form1::SweepResonance() {
  const double step = StepsPerPi;
  for (CurrentTime = 1; CurrentTime <= 250; CurrentTime += step) {
    const double w = CurrentTime;
    const double reactance = Inductance * w - 1 / (Capacitance * w);
    Impedance = std::sqrt(Resistance * Resistance + reactance * reactance);
    UValue = 200 / Impedance;
    PlotPoint(kOmegaToX * w, UValue, kCurrentColor);
  }
}
