// SPDX-License-Identifier: GPL-3.0-or-later
// Секундомер: the stopwatch window, with menus for fonts, colours, the beep and the dial, and
// a random mosaic painted by a click on the dial.
#pragma once

#include "commondialog.h"
#include "ui/controls.h"
#include "watchform.h"

namespace watch {

class Form1 : public WatchForm {
 public:
  Form1();

  ui::Menu шрифт{this, "шрифт", "Шрифт"};
  ui::Menu шрифт2{&шрифт, "шрифт2", "шрифт"};
  ui::Menu цвет3{&шрифт, "цвет3", "цвет"};
  ui::Menu шрифт13{&шрифт, "шрифт13", "шрифт"};
  ui::Menu фон{this, "фон", "Цвет"};
  ui::Menu фон21{&фон, "фон21", "Цвет фона"};
  ui::Menu Цветрис{&фон, "Цветрис", "Цвет рисунка"};
  ui::Menu шрифт22{&фон, "шрифт22", "Цвет шрифта"};
  ui::Menu Звук3{this, "Звук3", "Звук"};
  ui::Menu Звуквкл31{&Звук3, "Звуквкл31", "Звук вкл"};
  ui::Menu Звуквыкл32{&Звук3, "Звуквыкл32", "Звук выкл"};
  ui::Menu часы40{this, "часы40", "Часы"};
  ui::Menu часывкл{&часы40, "часывкл", "часы вкл"};
  ui::Menu часывыкл{&часы40, "часывыкл", "часы выкл"};
  CommonDialog Dlg1;
  CommonDialog Dlg2;

  bool SoundOn = false;   // beep once per second
  bool ClockOff = false;  // the dial is switched off
  qint32 DrawColor = 0;   // hand, hub and tick circles (those halved)
  int MosaicX = 0;        // twips

  void Form_Load() override;
  void Command2_Click() override;
  void Pic1_Click();
  void шрифт2_Click();
  void цвет3_Click();
  void шрифт13_Click();
  void фон21_Click();
  void Цветрис_Click();
  void шрифт22_Click();
  void Звуквкл31_Click();
  void Звуквыкл32_Click();
  void часывкл_Click();
  void часывыкл_Click();

 protected:
  bool dialSwitchedOn() const override { return !ClockOff; }
  void secondBeep() override;
  ui::Color dialColor() const override;
  void drawHand(double tailDivisor) override;
};

}  // namespace watch
