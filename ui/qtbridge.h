// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the windows' units and Qt's: colours, fonts, twips and pixels.
#pragma once

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QRect>
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

// A rectangle of the 100 % layout as a window zoomed by `zoom` shows it: edges are rounded, not
// sizes, so that controls that touch at 100 % touch at every zoom.
inline QRect zoomed(const QRect& r, double zoom) {
  if (zoom == 1) return r;
  const auto at = [zoom](int v) { return int(std::lround(v * zoom)); };
  return QRect(QPoint(at(r.left()), at(r.top())),
               QPoint(at(r.left() + r.width()) - 1, at(r.top() + r.height()) - 1));
}
inline QSize zoomed(QSize s, double zoom) {
  return zoomed(QRect(QPoint(0, 0), s), zoom).size();
}

// Resolves system colours (top bit set) through the application palette.
QColor toQColor(Color c);
Color fromQColor(const QColor& c);

// A font at the size the windows were laid out for: points at 96 dots an inch, so that text
// keeps its proportion to the twips of the layout on any screen; `zoom` times that in a zoomed
// window.
QFont toQFont(const FontSpec& wanted, bool antialias = true, double zoom = 1);
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
