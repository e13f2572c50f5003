// SPDX-License-Identifier: GPL-3.0-or-later
#include "rainbow.h"

#include <cmath>

namespace fringes {

QRgb spectralColour(double nm) {
  double r = 0, g = 0, b = 0;
  if (nm >= 380 && nm < 440) {
    r = (440 - nm) / 60;
    b = 1;
  } else if (nm >= 440 && nm < 490) {
    g = (nm - 440) / 50;
    b = 1;
  } else if (nm >= 490 && nm < 510) {
    g = 1;
    b = (510 - nm) / 20;
  } else if (nm >= 510 && nm < 580) {
    r = (nm - 510) / 70;
    g = 1;
  } else if (nm >= 580 && nm < 645) {
    r = 1;
    g = (645 - nm) / 65;
  } else if (nm >= 645 && nm <= 780) {
    r = 1;
  }
  double brightness = 1;
  if (nm >= 380 && nm < 420) brightness = 0.3 + 0.7 * (nm - 380) / 40;
  if (nm > 700 && nm <= 780) brightness = 0.3 + 0.7 * (780 - nm) / 80;
  const auto level = [brightness](double c) {
    return c <= 0 ? 0 : int(std::lround(255 * std::pow(c * brightness, 0.8)));
  };
  return qRgb(level(r), level(g), level(b));
}

QImage spectrumStrip() {
  QImage strip(kStripWidth, kStripHeight, QImage::Format_RGB32);
  for (int x = 0; x < kStripWidth; ++x) {
    const QRgb c = spectralColour(400 + 360.0 * (x + 0.5) / kStripWidth);
    for (int y = 0; y < kStripHeight; ++y)
      strip.setPixel(x, y, c);
  }
  return strip;
}

}  // namespace fringes
