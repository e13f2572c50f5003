// SPDX-License-Identifier: GPL-3.0-or-later
// Волна: a current wave i(x, t) and a voltage wave u(x, t) running to the right along a line.
#pragma once

#include "wavewindow.h"

namespace wave {

class Form1 : public WaveWindow {
 public:
  Form1();

 protected:
  void wavePass(bool erasing) override;

 private:
  // u = Cos(w * (x - t / e)) * U * e^(-b * x / 1000): the voltage, damped along the line.
  double voltageAt() const;
  mutable PointMemo decay_;
};

}  // namespace wave
