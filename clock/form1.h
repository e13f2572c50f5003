// SPDX-License-Identifier: GPL-3.0-or-later
// Часы: the stopwatch's window in its plain design, without sound and dial switches, drawing
// colour or mosaic; a beep every second, and a click on the dial redraws it without the hand.
#pragma once

#include "commondialog.h"
#include "ui/controls.h"
#include "watchform.h"

namespace wallclock {

class Form1 : public watch::WatchForm {
 public:
  Form1();

  ui::Menu шрифт1{this, "шрифт1", "Шрифт"};
  ui::Menu шрифт2{&шрифт1, "шрифт2", "шрифт"};
  ui::Menu цвет3{&шрифт1, "цвет3", "цвет"};
  ui::Menu фон{this, "фон", "Цвет фона"};
  watch::CommonDialog Dlg1;
  watch::CommonDialog Dlg2;

  void Pic1_Click();
  void шрифт2_Click();
  void цвет3_Click();
  void фон_Click();

 protected:
  void dialStarting() override;
  bool dialSwitchedOn() const override { return true; }
  void secondBeep() override;
  ui::Color dialColor() const override { return ui::kBlack; }
  void drawHand(double tailDivisor) override;
};

}  // namespace wallclock
