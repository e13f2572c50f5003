// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <cmath>

namespace wave {
namespace {

StartButtons travellingWaveButtons() {
  StartButtons b;
  b.command2 = {WaveWindow::tr("Волна"),
                QStringLiteral("i = I * e^(-b*t)*Sin(w*(t-x/v))    w=1/sqr(L*C) "), -1, 0, 0};
  b.command3 = {WaveWindow::tr("График u"),
                QStringLiteral("u =U * e^(-b*t)*Cos(w*(t-x/v))   w=1/sqr(L*C) "), 0, -1, 0};
  b.command4 = {WaveWindow::tr("Оба"),
                QStringLiteral("u =U * e^(-b*t)*Cos(w*(t-x/v))   w=1/sqr(L*C)  "
                               "i = I * e^(-b*t)*Sin(w*(t-x/v))"),
                -1, -1, 0};
  return b;
}

}  // namespace

Form1::Form1() : WaveWindow(travellingWaveButtons(), WaveRules{}) {
  keepCosine = true;  // the voltage is the cosine of the current's phase
}

double Form1::voltageAt() const {
  const double phase = Omega * (XPos - CurrentTime / EValue);
  const double exponent = XPos * (-Damping / 1000);
  return cosOfRight(phase) * (Amplitude * decay_.at(pointNo(), EValue, exponent, [this, exponent] {
           return std::pow(EValue, exponent);
         }));
}

void Form1::wavePass(bool erasing) {
  const ui::Color back = picture().backColor();
  forEachPoint([&] {
    if (ShowI) {
      IValue = runningRight();
      plot(IValue, erasing ? back : ui::kRed, 1);
    }
    if (ShowU) {
      UValue = voltageAt();
      plot(UValue, erasing ? back : ui::kBlue, 1);
    }
  });
}

}  // namespace wave
