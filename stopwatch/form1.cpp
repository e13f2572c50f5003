// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <algorithm>

#include "ui/values.h"

using ui::At;
using ui::Step;

static void initStopwatchResources() {
  Q_INIT_RESOURCE(stopwatch);
}

namespace watch {
namespace {

WatchDesign stopwatchDesign() {
  WatchDesign d;
  d.caption = Form1::tr("Часы-секундомер");
  d.clientWidth = 8355;
  d.clientHeight = 6735;
  d.picture = {0, 0, 8415, 6735};
  d.pictureFontSize = 14.25;
  d.text3 = {360, 360, 2535, 1455};
  d.text2 = {360, 1920, 2535, 1455};
  d.text1 = {360, 3480, 2535, 1575};
  d.command1 = {5040, 5880, 1215, 495};
  d.command2 = {6720, 5880, 1215, 495};
  d.command3 = {3480, 5880, 1215, 495};
  d.buttonLeftDivisors = {2.5, 5, 1.7};
  d.textWidthDivisor = 3;
  d.textTopDivisors = {3, 4, 10};
  // Labels on the left need more room: the text runs to the right of its anchor; 12 keeps the
  // offset of 11.
  d.labelDivisors = {4, 10, 10, 10, 10, 10, 10, 5, 4, 4, 3, 3, 0};
  d.dialRim = true;
  d.labelAnchoredAtTick = true;
  return d;
}

ui::FontSpec textFont() {
  ui::FontSpec f;
  f.name = QStringLiteral("Times New Roman");
  f.size = 48;
  return f;
}

}  // namespace

Form1::Form1()
    : WatchForm(stopwatchDesign()), Dlg1(ui::kBlack, textFont()), Dlg2(ui::kWhite, textFont()) {
  initStopwatchResources();
  setIcon(QStringLiteral(":/stopwatch/stopwatch.png"));
  Pic1.onClick = [this] { Pic1_Click(); };
  шрифт2.onClick = [this] { шрифт2_Click(); };
  цвет3.onClick = [this] { цвет3_Click(); };
  шрифт13.onClick = [this] { шрифт13_Click(); };
  фон21.onClick = [this] { фон21_Click(); };
  Цветрис.onClick = [this] { Цветрис_Click(); };
  шрифт22.onClick = [this] { шрифт22_Click(); };
  Звуквкл31.onClick = [this] { Звуквкл31_Click(); };
  Звуквыкл32.onClick = [this] { Звуквыкл32_Click(); };
  часывкл.onClick = [this] { часывкл_Click(); };
  часывыкл.onClick = [this] { часывыкл_Click(); };
}

void Form1::Form_Load() {
  WatchForm::Form_Load();
  SoundOn = false;
  DrawColor = 0;
  Pic1.setFillStyle(DrawColor);
}

void Form1::Command2_Click() {
  WatchForm::Command2_Click();
  ClockOff = false;
}

void Form1::secondBeep() {
  if (SoundOn) ui::Beep();
}

ui::Color Form1::dialColor() const {
  return ui::Color(ui::CLng(DrawColor / 2.0));
}

void Form1::drawHand(double tailDivisor) {
  Pic1.pset(At(0, 0));
  Pic1.circle(At(0, 0), 150, dialColor());
  Pic1.line(At(0, 0), At(HandX, HandY), ui::Color(DrawColor));
  Pic1.pset(At(0, 0));
  Pic1.line(At(0, 0), At(-HandX / tailDivisor, -HandY / tailDivisor), ui::Color(DrawColor));
}

void Form1::Pic1_Click() {
  ui::Randomize();
  Pic1.cls();
  const double sw = clientWidth(), sh = clientHeight();
  // Whole-number column bounds; a window narrower than 50 twips must not stall the loop.
  const int first = ui::CLng(-sw), last = ui::CLng(sw), step = std::max(1, int(ui::CLng(sw / 50)));
  for (TickAngle = -sh; TickAngle <= sh; TickAngle += sh / 20) {
    for (MosaicX = first; MosaicX <= last; MosaicX += step) {
      DrawColor = qint32(ui::Int(double(ui::Rnd()) * 1111111111.0));
      Pic1.pset(At(MosaicX, TickAngle), ui::Color(DrawColor));
      Pic1.line(Step(sw / 20, sh / 20), ui::Color(DrawColor), ui::LineMode::Box);
    }
  }
}

void Form1::шрифт2_Click() {
  Dlg1.showFont();
  for (ui::TextBox* t : {&Text1, &Text2, &Text3})
    t->setFont(Dlg1.font());
}

void Form1::цвет3_Click() {
  Dlg1.showColor();
  for (ui::TextBox* t : {&Text1, &Text2, &Text3})
    t->setForeColor(Dlg1.color());
  showTexts();
}

void Form1::шрифт13_Click() {
  Dlg1.showFont();
  Pic1.setFont(Dlg1.font());
}

void Form1::фон21_Click() {
  Dlg2.showColor();
  Pic1.setBackColor(Dlg2.color());
}

void Form1::Цветрис_Click() {
  Dlg2.showColor();
  DrawColor = qint32(Dlg2.color());
}

void Form1::шрифт22_Click() {
  Dlg2.showColor();
  Pic1.setForeColor(Dlg2.color());
}

void Form1::Звуквкл31_Click() {
  SoundOn = true;
}
void Form1::Звуквыкл32_Click() {
  SoundOn = false;
}
void Form1::часывкл_Click() {
  ClockOff = false;
}

void Form1::часывыкл_Click() {
  ClockOff = true;
  Pic1.cls();
}

}  // namespace watch
