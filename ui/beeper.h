// SPDX-License-Identifier: GPL-3.0-or-later
// An audible beep on a Linux desktop, where the window system's own bell is usually muted.
#pragma once

#include <QStringList>

namespace ui {

class Beeper {
 public:
  void beep();

 private:
  void findPlayer();
  bool searched_ = false;
  QString program_;
  QStringList arguments_;
};

Beeper& beeper();

}  // namespace ui
