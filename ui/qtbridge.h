// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the windows' units and Qt's: colours, fonts, twips and pixels.
#pragma once

#include <QColor>
#include <QEvent>
#include <QFont>
#include <cmath>

#include "platform.h"
#include "values.h"

namespace ui {

constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips) {
  return int(std::lround(twips / kTwipsPerPixel));
}
inline double pixelsToTwips(int px) {
  return px * kTwipsPerPixel;
}

// Resolves system colours (top bit set) through the application palette.
QColor toQColor(Color c);
Color fromQColor(const QColor& c);

// A font at the size the windows were laid out for: points at 96 dots an inch, so that text
// keeps its proportion to the twips of the layout on any screen.
QFont toQFont(const FontSpec& wanted, bool antialias = true);
FontSpec fromQFont(const QFont& font);

// The widget went to another screen or its screen changed its pixel ratio: a raster kept in
// the screen's pixels must follow.
inline bool isRatioChange(const QEvent* e) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
  if (e->type() == QEvent::DevicePixelRatioChange) return true;
#endif
  return e->type() == QEvent::ScreenChangeInternal;
}

}  // namespace ui
