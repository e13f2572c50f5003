// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform.h"

#include <cmath>

#include "ui/axes.h"
#include "ui/platform.h"
#include "ui/values.h"

namespace wave {

using ui::At;

WaveForm::WaveForm(const QString& caption, double clientWidth, double clientHeight,
                   const WaveRules& rules)
    : Form(caption, clientWidth, clientHeight), rules_(rules) {}

void WaveForm::scalePicture() {
  picture().scale(0, -200, 1000, 200);
}

void WaveForm::loadDefaults() {
  scalePicture();
  ui::Randomize();
  PiValue = 3.1415;
  StepsPerPi = float(c_.points->value());
  Running = 0;
  Omega = 1;
  XPos = PiValue / StepsPerPi;
  EValue = 2.7;
  readDamping();
  drawAmplitude();
}

void WaveForm::readDamping() {
  Damping = c_.damping->value() / 10.0;
  DampingInverse = 1 / Damping;
}

void WaveForm::drawAmplitude() {
  Amplitude = float(ui::Int(ui::Rnd() * 90.0f) + 10);
}

void WaveForm::clearPicture() {
  Running = 0;
  ui::Randomize();
  picture().cls();
  scalePicture();
  drawAxes();
  if (rules_.reseedAfterClear) ui::Randomize();
  StepsPerPi = float(c_.points->value());
  XPos = PiValue / StepsPerPi;
  if (rules_.clearResetsTime) CurrentTime = PiValue / StepsPerPi;
}

void WaveForm::stopOrResume() {
  if (Running == -1) {
    Running = 0;
  } else {
    Running = -1;
    if (ShowI || ShowU) {
      if (rules_.resumeStepsBack) CurrentTime -= Damping;
      AnimateWave();
    }
  }
  markFirstCurve();
  drawAxes();
}

// The first curve once, red, at the instant reached: what a stopped animation leaves behind.
void WaveForm::markFirstCurve() {
  forEachPoint([this] {
    if (ShowI) {
      IValue = runningRight();
      plot(IValue, ui::kRed, 1);
    }
  });
}

void WaveForm::AnimateWave() {
  Running = -1;
  if (rules_.reseedOnStart) ui::Randomize();
  scalePicture();
  DelayFactor = 0.8;
  Running = -1;
  drawAxes();
  c_.inductanceText->setCaption(ui::CStr(c_.inductance->value()));
  c_.capacitanceText->setCaption(ui::CStr(c_.capacitance->value()));
  picture().setFillStyle(ui::kFillTransparent);
  while (Running != 0) {
    Omega = float(std::sqrt(1.0 / ui::mul16(c_.inductance->value(), c_.capacitance->value())));
    drawAxes();
    if (ShowI || ShowU || ShowSum) Damping = c_.damping->value();
    StepsPerPi = float(c_.points->value() / rules_.barPerStep);
    CurrentTime = CurrentTime + Damping;
    wavePass(false);
    ui::pause(DelayFactor * 0.005);
    // The handlers run during the pause may have changed any variable: the erasing pass erases
    // what they describe now.
    wavePass(true);
    drawAxes();
  }
}

void WaveForm::drawAxes() {
  ui::drawTimeAxes(picture());
  ui::drawXTicks(picture(), Counter);
  ui::drawYTicks(picture(), Counter);
}

double WaveForm::runningRight() const {
  const double phase = Omega * (XPos - CurrentTime / EValue);
  return rightSin_.at(pointNo_, phase, 0, [this, phase] {
    if (!keepCosine) return std::sin(phase);
    // The C library's sincos gives what sin and cos give, in one call.
    double sine = 0, cosine = 0;
    ::sincos(phase, &sine, &cosine);
    rightCos_.put(pointNo_, phase, 0, cosine);
    return sine;
  }) * (EValue * Amplitude);
}

double WaveForm::cosOfRight(double phase) const {
  return rightCos_.at(pointNo_, phase, 0, [phase] { return std::cos(phase); });
}

void WaveForm::plot(double value, ui::Color color, double radius) {
  picture().marker(At(8 * XPos, -value), radius, color);
}

}  // namespace wave
