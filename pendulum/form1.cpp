// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "ui/platform.h"
#include "ui/values.h"

using namespace ui;
using springbob::kTrue;

Form1::Form1() : CircleForm(QStringLiteral("Form1"), 10620, 7725) {
  attach({&Picture1, &Label1, &Label2, &Label3, &Label4});
  setFont(FontSpec{QStringLiteral("MS Sans Serif"), 13.5});
  setResizable(false);
  Picture1.setBackColor(kWhite);
  Picture1.setAccessibleName(tr("Рисунок"));

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
}

void Form1::Form_Load() {
  LoadCircle();
  SwingForward = kTrue;
  TrailWipe = kTrue;
  J = 40;
}

void Form1::Form_Click() {
  End();
}

QPointF Form1::Bob() const {
  return {CircleX[131 - J], CircleY[131 - J]};
}

void Form1::DrawFloorAndAxis() {
  Picture1.pset(At(0, 0), kBlack);
  Picture1.line(At(-2000, R2), At(2000, R2));
  Picture1.pset(At(0, 0), kBlack);
  Picture1.line(At(0, -2000), At(0, 2000));
}

void Form1::DrawHeightMark(Color color, double bobY) {
  const double bar = R2 + 200;
  Picture1.pset(At(bar, 0), color);
  Picture1.circle(At(bar, bobY), 25, color);
  Picture1.line(At(bar, R2), color);
}

// The bob is not erased with the string: drawn in red while it swings away from the lowest
// point, in white while it swings back, it leaves a trail that it wipes itself.
void Form1::Command5_Click() {
  Running = kTrue;
  ScalePicture();
  DrawFloorAndAxis();
  while (Running) {
    Picture1.pset(At(0, 0), kBlack);
    Picture1.line(At(-900, 0), At(900, 0));
    DrawFloorAndAxis();

    J += SwingForward ? 1 : -1;
    if (J >= 80 && SwingForward) SwingForward = 0;
    if (J <= 1 && !SwingForward) SwingForward = kTrue;
    if (SwingForward && 0 <= J && J <= 40) TrailWipe = kTrue;
    if (SwingForward && 40 < J && J <= 80) TrailWipe = 0;
    if (!SwingForward && 0 <= J && J <= 40) TrailWipe = 0;
    if (!SwingForward && 40 < J && J <= 80) TrailWipe = kTrue;

    const QPointF bob = Bob();
    Picture1.setDrawWidth(3);
    Picture1.pset(At(0, 0), kBlue);
    Picture1.line(At(0, 0), At(bob.x(), bob.y()), kBlue);
    const Color trail = TrailWipe ? kWhite : kRed;
    Picture1.pset(At(0, 0), trail);
    Picture1.circle(At(bob.x(), bob.y()), 25, trail);
    DrawHeightMark(kRed, bob.y());

    Picture1.setDrawWidth(1);
    FramePause();

    Picture1.setDrawWidth(3);
    Picture1.pset(At(0, 0), kWhite);
    Picture1.line(At(0, 0), At(bob.x(), bob.y()), kWhite);
    Picture1.pset(At(0, 0), kWhite);
    DrawHeightMark(kWhite, bob.y());
    Picture1.setDrawWidth(1);
    Picture1.pset(At(0, 0), kRed);
  }
}

void Form1::Command6_Click() {
  Running = 0;
  const QPointF bob = Bob();
  DrawFloorAndAxis();
  Picture1.pset(At(0, 0), kRed);
  Picture1.setDrawWidth(3);
  Picture1.pset(At(0, 0), kBlue);
  Picture1.line(At(0, 0), At(bob.x(), bob.y()), kBlue);
  Picture1.pset(At(0, 0), kRed);
  Picture1.circle(At(bob.x(), bob.y()), 25, kRed);
  DrawHeightMark(kRed, bob.y());
  Picture1.setDrawWidth(1);
  WriteLabel(Label5, QStringLiteral("T=2*pi*SQR(L/g)  "));
  WriteLabel(Label6, CStr(AngleDeg[J]));
}

// "Ускорение": a pause 5 ms shorter, down to 5 ms.
void Form1::Command3_Click() {
  if (!Command3.enabled()) Command3.setEnabled(true);
  SpeedFactor -= 1;
  if (SpeedFactor > 1) {
    Command4.setEnabled(true);
  } else {
    SpeedFactor = 1;
    Command3.setEnabled(false);
  }
}

// "Замедление": a pause 5 ms longer, up to 40 ms.
void Form1::Command4_Click() {
  if (!Command3.enabled()) Command3.setEnabled(true);
  SpeedFactor += 1;
  if (SpeedFactor >= 8) {
    SpeedFactor = 8;
    Command4.setEnabled(false);
  } else {
    Command3.setEnabled(true);
  }
}

void Form1::Command7_Click() {
  Picture1.cls();
}
