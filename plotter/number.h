// SPDX-License-Identifier: GPL-3.0-or-later
// An untyped form variable holding a number. It remembers whether it was last given a Single,
// whose text shows 7 significant digits, or a Double or whole number, whose text shows 15.
#pragma once

#include <QString>

#include "ui/values.h"

namespace plotter {

class Number {
 public:
  constexpr Number() = default;
  constexpr Number(double v) : value_(v) {}                // NOLINT: a variable takes any number
  constexpr Number(float v) : value_(v), single_(true) {}  // NOLINT
  constexpr Number(int v) : value_(v) {}                   // NOLINT
  constexpr operator double() const { return value_; }     // NOLINT
  bool single() const { return single_; }
  // The plain conversion of a number joined to text: no leading blank.
  QString text() const { return single_ ? ui::CStr(float(value_)) : ui::CStr(value_); }

 private:
  double value_ = 0;
  bool single_ = false;
};

// A whole number drawn at random, Int(Rnd * n), in the single precision Rnd gives.
inline float rndInt(int n) {
  return float(ui::Int(ui::Rnd() * float(n)));
}

}  // namespace plotter
