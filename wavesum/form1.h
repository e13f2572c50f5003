// SPDX-License-Identifier: GPL-3.0-or-later
// WaveSum: wave 1 running to the right, wave 2 running to the left and their sum, which with
// both waves on is a standing wave.
#pragma once

#include <QCoreApplication>

#include "wavewindow.h"

namespace wavesum {

class Form1 : public wave::WaveWindow {
  Q_DECLARE_TR_FUNCTIONS(Form1)

 public:
  Form1();

 protected:
  void wavePass(bool erasing) override { twoWavePass(erasing); }
};

}  // namespace wavesum
