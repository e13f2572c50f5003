// SPDX-License-Identifier: GPL-3.0-or-later
// The layout numbers in which the stopwatch and its plain variant, the clock, differ.
#pragma once

#include <QString>
#include <array>

#include "ui/controls.h"

namespace watch {

struct WatchDesign {
  QString caption;
  double clientWidth = 0;        // twips
  double clientHeight = 0;       // twips
  ui::Rect picture;              // twips
  double pictureFontSize = 0;    // pt
  ui::Rect text3, text2, text1;  // in the picture, twips at design
  ui::Rect command1, command2, command3;
  // The buttons stand inside the picture (in its scale) instead of on the window.
  bool buttonsInPicture = false;

  // Re-layout: a button's left edge lies SW/d left of its container's right edge,
  // for Command1, Command2, Command3.
  std::array<double, 3> buttonLeftDivisors{};
  // A text box is SW - SW/d wide (picture units).
  double textWidthDivisor = 3;
  // Text1, Text2, Text3: top = n*H - H/d with n = 0, 1, 2 and H the text box height.
  std::array<double, 3> textTopDivisors{};

  // The dial: how far out a label stands, as the radius divided by q, for labels 0 to 12; a q of
  // 0 keeps the offset of the label before.
  std::array<double, 13> labelDivisors{};
  // An outer circle round the ticks.
  bool dialRim = false;
  // A label is anchored by a point at its tick and an invisible point where the text goes.
  bool labelAnchoredAtTick = false;
};

}  // namespace watch
