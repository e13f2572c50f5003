// SPDX-License-Identifier: GPL-3.0-or-later
// The window of the shot exercise: the launch speed, angle, distance and height of the target
// with their spinners, the height of the path at the target with the verdict, and a picture in
// which the ball flies at the target.
#pragma once

#include <QCoreApplication>

#include <QtGlobal>

#include "shot.h"
#include "ui/controls.h"

class Form1 : public ui::Form {
  Q_DECLARE_TR_FUNCTIONS(Form1)

 public:
  Form1();

  void Form_Load() override;
  void Form_Click() override;
  void VScroll1_Change();
  void VScroll2_Change();
  void VScroll3_Change();
  void VScroll4_Change();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();

  ui::Label Label7{this, "Label7", Form1::tr("Данные"), {480, 0, 1695, 375}};
  ui::Label Label1{this, "Label1", "V0", {120, 480, 735, 495}};
  ui::TextBox Text1{this, "Text1", "18", {960, 480, 1215, 495}};
  ui::ScrollBar VScroll1{this, "VScroll1", ui::ScrollBar::Vertical, 2,
                         100,  2,          {2400, 480, 375, 375}};
  ui::Label Label2{this, "Label2", "A", {120, 1080, 735, 495}};
  ui::TextBox Text2{this, "Text2", "36", {960, 1080, 1215, 495}};
  ui::ScrollBar VScroll2{this, "VScroll2", ui::ScrollBar::Vertical, 2,
                         89,   2,          {2400, 1080, 375, 375}};
  ui::Label Label3{this, "Label3", "S", {120, 1680, 735, 375}};
  ui::TextBox Text3{this, "Text3", "30", {960, 1680, 1215, 495}};
  ui::ScrollBar VScroll3{this, "VScroll3", ui::ScrollBar::Vertical, 10,
                         100,  10,         {2400, 1680, 375, 375}};
  ui::Label Label4{this, "Label4", "H", {120, 2280, 855, 495}};
  ui::TextBox Text4{this, "Text4", "1", {960, 2280, 1215, 495}};
  ui::ScrollBar VScroll4{this, "VScroll4", ui::ScrollBar::Vertical, 0,
                         4,    0,          {2400, 2280, 375, 375}};
  ui::Label Label5{this, "Label5", "X", {5040, 360, 495, 495}};
  ui::TextBox Text5{this, "Text5", "Text5", {5640, 360, 2655, 495}};
  ui::Label Label6{this, "Label6", Form1::tr("Результат"), {4080, 1560, 1455, 495}};
  ui::TextBox Text6{this, "Text6", "Text6", {5640, 1440, 2655, 495}};
  ui::CommandButton Command1{this, "Command1", Form1::tr("Вычислить"), {3360, 2280, 1935, 495}};
  ui::CommandButton Command2{this, "Command2", Form1::tr("Показать"), {5760, 2280, 1575, 495}};
  ui::CommandButton Command3{this, "Command3", Form1::tr("Стоп"), {7560, 2280, 1455, 495}};
  ui::PictureBox Picture1{this, "Picture1", {120, 3000, 9255, 3615}};

  // The shot as last computed; "Показать" flies it, the text boxes alone change nothing.
  double V0 = 0;         // m/s
  double a = 0;          // degrees
  double S = 0;          // m
  double H = 0;          // m
  double HitHeight = 0;  // m, height of the path at the target
  // False after numbers too large to compute with: the picture then shows no ball.
  bool ShotComputable = true;

  double t = 0;        // s, model time of the flight
  double bx = 0;       // m
  double by = 0;       // m
  qint16 Running = 0;  // -1 while the flight is shown
  float DelayFactor = 0;

 private:
  projectile::Shot shot() const { return {V0, a, S, H}; }
  void drawAxes();
  void drawGun();
  void drawTarget();
  void drawBall(ui::Color color);
};
