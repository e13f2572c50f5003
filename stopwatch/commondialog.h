// SPDX-License-Identifier: GPL-3.0-or-later
// A common dialog control: the colour and font choosers, whose chosen values stay in its
// properties after the chooser closes, also when it was cancelled.
#pragma once

#include "ui/platform.h"

namespace watch {

class CommonDialog {
 public:
  CommonDialog(ui::Color color, ui::FontSpec font) : color_(color), font_(std::move(font)) {}

  // Opens the colour chooser on the current Color; Color holds the answer afterwards.
  void showColor() { color_ = ui::platform().chooseColor(color_); }
  // Opens the font chooser on the current font; the font properties hold the answer.
  void showFont() { font_ = ui::platform().chooseFont(font_); }

  ui::Color color() const { return color_; }
  void setColor(ui::Color c) { color_ = c; }
  const ui::FontSpec& font() const { return font_; }
  void setFont(const ui::FontSpec& f) { font_ = f; }

 private:
  ui::Color color_;
  ui::FontSpec font_;
};

}  // namespace watch
