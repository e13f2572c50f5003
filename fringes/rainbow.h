// SPDX-License-Identifier: GPL-3.0-or-later
// The visible spectrum as the window shows it on its strip: colours computed from wavelengths.
#pragma once

#include <QImage>

namespace fringes {

// The colour of light of `nm` nanometres (380..780), dimmed towards the ends of the visible
// range where the eye is less sensitive; black outside it.
QRgb spectralColour(double nm);

// The strip: kStripWidth x kStripHeight pixels, 400 nm at the left to 760 nm at the right.
constexpr int kStripWidth = 100;
constexpr int kStripHeight = 30;
QImage spectrumStrip();

}  // namespace fringes
