// SPDX-License-Identifier: GPL-3.0-or-later
// Часы: the stopwatch's window in its plain design, without sound and dial switches, drawing
// colour or mosaic; a beep every second, and a click on the dial redraws it without the hand.
#pragma once

#include <QCoreApplication>

#include "commondialog.h"
#include "ui/controls.h"
#include "watchform.h"

namespace wallclock {

class Form1 : public watch::WatchForm {
  Q_DECLARE_TR_FUNCTIONS(Form1)

 public:
  Form1();

  ui::Menu шрифт1{this, "шрифт1", Form1::tr("Шрифт")};
  ui::Menu шрифт2{&шрифт1, "шрифт2", Form1::tr("шрифт")};
  ui::Menu цвет3{&шрифт1, "цвет3", Form1::tr("цвет")};
  ui::Menu фон{this, "фон", Form1::tr("Цвет фона")};
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
