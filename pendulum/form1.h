// SPDX-License-Identifier: GPL-3.0-or-later
// The simple pendulum lesson: a pendulum swinging from 39° left to 40° right, its bob leaving a
// red trail that it wipes on the way back, beside the circular motion with its projections.
#pragma once

#include <QCoreApplication>

#include "circlemotion.h"

// The pendulum's window keeps its layout: it cannot be resized.
class Form1 : public springbob::CircleForm {
  Q_DECLARE_TR_FUNCTIONS(Form1)

 public:
  Form1();

  // Step of the swing, 1 step = 1 degree: 40 hangs straight down, 1 is 39° to the left and
  // 80 is 40° to the right.
  int J = 0;
  // -1 while J grows (the bob moves to the right).
  qint16 SwingForward = 0;
  // -1 while the bob swings back towards the lowest point: it is then drawn in white.
  qint16 TrailWipe = 0;

  void Form_Load() override;
  void Form_Click() override;
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();

  ui::Label Label1{this, "Label1", "Label1", {6840, 1320, 3615, 615}};
  ui::Label Label2{this, "Label2", "Label2", {6840, 2040, 3615, 615}};
  ui::Label Label3{this, "Label3", "Label3", {6840, 240, 1335, 495}};
  ui::Label Label4{this, "Label4", "Label4", {8640, 240, 1695, 495}};
  ui::Label Label5{this, "Label5", "Label5", {6840, 3720, 3615, 735}};
  ui::Label Label6{this, "Label6", "Label6", {6840, 4560, 3615, 615}};
  ui::PictureBox Picture1{this, "Picture1", {120, 120, 6615, 6615}};
  ui::CommandButton Command1{this, "Command1", Form1::tr("Пуск1"), {8880, 5880, 1575, 615}};
  ui::CommandButton Command2{this, "Command2", Form1::tr("Стоп1"), {8880, 6840, 1575, 615}};
  ui::CommandButton Command3{this, "Command3", Form1::tr("Ускорение"), {1800, 6960, 2055, 495}};
  ui::CommandButton Command4{this, "Command4", Form1::tr("Замедление"), {4320, 6960, 2055, 495}};
  ui::CommandButton Command5{this, "Command5", Form1::tr("Пуск2"), {6960, 5880, 1695, 615}};
  ui::CommandButton Command6{this, "Command6", Form1::tr("Стоп2"), {6960, 6840, 1695, 615}};
  ui::CommandButton Command7{this, "Command7", Form1::tr("Очистка"), {120, 6960, 1455, 495}};

 private:
  // The floor line, R2 below the pivot, and the vertical axis.
  void DrawFloorAndAxis();
  // The bob of step J in picture units.
  QPointF Bob() const;
  // The height `bobY` of a bob projected on the vertical line R2 + 200 right of the pivot,
  // joined to the floor.
  void DrawHeightMark(ui::Color color, double bobY);
};
