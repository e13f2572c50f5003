// SPDX-License-Identifier: GPL-3.0-or-later
// Секундомер: the stopwatch window, with menus for fonts, colours, the beep and the dial, and
// a random mosaic painted by a click on the dial.
#pragma once

#include <QCoreApplication>

#include "commondialog.h"
#include "ui/controls.h"
#include "watchform.h"

namespace watch {

class Form1 : public WatchForm {
  Q_DECLARE_TR_FUNCTIONS(Form1)

 public:
  Form1();

  ui::Menu шрифт{this, "шрифт", Form1::tr("Шрифт")};
  ui::Menu шрифт2{&шрифт, "шрифт2", Form1::tr("шрифт")};
  ui::Menu цвет3{&шрифт, "цвет3", Form1::tr("цвет")};
  ui::Menu шрифт13{&шрифт, "шрифт13", Form1::tr("шрифт")};
  ui::Menu фон{this, "фон", Form1::tr("Цвет")};
  ui::Menu фон21{&фон, "фон21", Form1::tr("Цвет фона")};
  ui::Menu Цветрис{&фон, "Цветрис", Form1::tr("Цвет рисунка")};
  ui::Menu шрифт22{&фон, "шрифт22", Form1::tr("Цвет шрифта")};
  ui::Menu Звук3{this, "Звук3", Form1::tr("Звук")};
  ui::Menu Звуквкл31{&Звук3, "Звуквкл31", Form1::tr("Звук вкл")};
  ui::Menu Звуквыкл32{&Звук3, "Звуквыкл32", Form1::tr("Звук выкл")};
  ui::Menu часы40{this, "часы40", Form1::tr("Часы")};
  ui::Menu часывкл{&часы40, "часывкл", Form1::tr("часы вкл")};
  ui::Menu часывыкл{&часы40, "часывыкл", Form1::tr("часы выкл")};
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
