// SPDX-License-Identifier: GPL-3.0-or-later
// The pass over the line that the two-wave lessons share: two opposite waves and their sum.
#include <cmath>

#include "waveform.h"

namespace wave {

double WaveForm::runningLeft() const {
  const double phase = Omega * (XPos + CurrentTime / EValue);
  return leftSin_.at(pointNo(), phase, 0, [phase] { return std::sin(phase); }) *
         (EValue * Amplitude);
}

void WaveForm::twoWavePass(bool erasing, bool eraseSum) {
  const ui::Color back = picture().backColor();
  const ui::Color first = erasing ? back : ui::kRed;
  const ui::Color second = erasing ? back : ui::kBlue;
  const ui::Color sum = erasing ? back : ui::kGreen;
  const double firstRadius = rules().firstWaveRadius;
  forEachPoint([&] {
    const auto secondWave = [&] {
      UValue = runningLeft();
      plot(UValue, second, 1);
    };
    if (ShowI) {
      IValue = runningRight();
      plot(IValue, first, firstRadius);
      // The erasing pass wipes the path of wave 2 behind wave 1 even when wave 2 is off.
      if (erasing) secondWave();
    }
    if (ShowU) secondWave();
    if (ShowSum) {
      IValue = IValue + UValue;
      if (!erasing || eraseSum) plot(IValue, sum, 2);
    }
  });
}

}  // namespace wave
