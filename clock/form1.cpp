// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "ui/values.h"

using ui::At;

static void initClockResources() {
  Q_INIT_RESOURCE(clock);
}

namespace wallclock {
namespace {

watch::WatchDesign clockDesign() {
  watch::WatchDesign d;
  d.caption = Form1::tr("Часы");
  d.clientWidth = 8085;
  d.clientHeight = 7185;
  d.picture = {0, 0, 8055, 7215};
  d.pictureFontSize = 12;
  d.text3 = {360, 360, 3495, 1455};
  d.text2 = {360, 1920, 3495, 1455};
  d.text1 = {360, 3480, 3495, 1455};
  d.command1 = {4920, 6120, 975, 375};
  d.command2 = {6240, 6120, 975, 375};
  d.command3 = {3600, 6120, 975, 375};
  d.buttonsInPicture = true;
  d.buttonLeftDivisors = {2.5, 5, 1.6};
  d.textWidthDivisor = 5;
  d.textTopDivisors = {2, 2, 2};
  // Every label, 12 included, at its own tick; those from 8 round to 0 stand further out.
  d.labelDivisors = {5, 10, 10, 10, 10, 10, 10, 10, 5, 5, 5, 5, 5};
  d.dialRim = false;
  d.labelAnchoredAtTick = false;
  return d;
}

}  // namespace

Form1::Form1() : WatchForm(clockDesign()), Dlg1(ui::kBlack, {}), Dlg2(ui::kWhite, {}) {
  initClockResources();
  setIcon(QStringLiteral(":/clock/clock.png"));
  Pic1.onClick = [this] { Pic1_Click(); };
  шрифт2.onClick = [this] { шрифт2_Click(); };
  цвет3.onClick = [this] { цвет3_Click(); };
  фон.onClick = [this] { фон_Click(); };
}

void Form1::dialStarting() {
  setDialScale();
  PiValue = 3.14;
}

void Form1::secondBeep() {
  ui::Beep();
}

void Form1::drawHand(double) {
  Pic1.pset(At(0, 0));
  Pic1.line(At(0, 0), At(HandX, HandY), ui::kBlack);
}

void Form1::Pic1_Click() {
  DrawDial();
}

// Whatever a chooser holds when it closes is applied, also after a cancel, and the two colour
// choosers share Dlg2: each chooser opens on what it would replace, so a cancel changes nothing.

void Form1::шрифт2_Click() {
  Dlg1.setFont(Text1.font());
  Dlg1.showFont();
  for (ui::TextBox* t : {&Text1, &Text2, &Text3})
    t->setFont(Dlg1.font());
}

void Form1::цвет3_Click() {
  Dlg2.setColor(Text1.foreColor());
  Dlg2.showColor();
  for (ui::TextBox* t : {&Text1, &Text2, &Text3})
    t->setForeColor(Dlg2.color());
  showTexts();
}

void Form1::фон_Click() {
  Dlg2.setColor(Pic1.backColor());
  Dlg2.showColor();
  // A new background clears the picture; the colour it already has leaves the dial standing.
  if (Dlg2.color() != Pic1.backColor()) Pic1.setBackColor(Dlg2.color());
}

}  // namespace wallclock
