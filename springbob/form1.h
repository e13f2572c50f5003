// SPDX-License-Identifier: GPL-3.0-or-later
// The spring pendulum lesson: a point circling with its projections and a weight bouncing on a
// spring, side by side on one picture; scroll bars for the mass and the stiffness, buttons for
// the pace, and the quiz on how period and frequency depend on them.
#pragma once

#include <QCoreApplication>

#include "circlemotion.h"
#include "form2.h"
#include "springbobquiz.h"

class Form1 : public springbob::CircleForm {
  Q_DECLARE_TR_FUNCTIONS(Form1)

 public:
  Form1();

  // The quiz window, loaded when first opened.
  Form2 form2{springBobQuiz()};

  // -1 while the spring step J grows (the weight goes down).
  qint16 SpringRising = 0;
  // -1 while a spring frame first blanks a small circle.
  qint16 MarkFlag = 0;
  // Radius of the table that shapes the spring, picture units.
  int R1 = 0;
  // Stiffness k and mass m as the scroll bars give them (1..8); "Ускорение" and "Замедление"
  // set M to the pace, every erase of the spring sets it back to HScroll1.
  double K = 0;
  double M = 0;
  double PrevM = 0, DeltaM = 0;
  double PrevK = 0, DeltaK = 0;
  // Step of the spring: its stretch is 4·600·sin(J degrees).
  int J = 0;
  springbob::CoordinateTable SpringX{}, SpringY{};

  void Form_Load() override;
  void Form_Resize() override;
  void Form_Click() override;
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void HScroll1_Change();
  void HScroll2_Change();

  // Labels first: they lie beneath the controls.
  ui::Label Label1{this, "Label1", "Label1", {6840, 2400, 2535, 495}};
  // "Y=R*SIN(a)=" and its value do not fit side by side in the label's width: the value wraps
  // onto a second line, and the label is made as high as two lines of its font.
  ui::Label Label2{this, "Label2", "Label2", {6840, 3240, 1695, 495}};
  ui::Label Label3{this, "Label3", "Label3", {6840, 1560, 1215, 495}};
  ui::Label Label4{this, "Label4", "Label4", {8640, 1560, 1695, 495}};
  ui::Label Label5{this, "Label5", "Label5", {9240, 2400, 1215, 495}};
  ui::Label Label6{this, "Label6", "Label6", {9240, 3240, 1335, 495}};
  ui::Label Label7{this, "Label7", "Label7", {6960, 240, 1215, 495}};
  ui::PictureBox Picture1{this, "Picture1", {120, 120, 6615, 6015}};
  ui::CommandButton Command1{this, "Command1", Form1::tr("Пуск1"), {8880, 5880, 1575, 615}};
  ui::CommandButton Command2{this, "Command2", Form1::tr("Стоп1"), {8880, 6840, 1575, 615}};
  ui::CommandButton Command3{this, "Command3", Form1::tr("Ускорение"), {1800, 6960, 2055, 495}};
  ui::CommandButton Command4{this, "Command4", Form1::tr("Замедление"), {4320, 6960, 2055, 495}};
  ui::CommandButton Command5{this, "Command5", Form1::tr("Пуск2"), {6960, 5880, 1695, 615}};
  ui::CommandButton Command6{this, "Command6", Form1::tr("Стоп2"), {6960, 6840, 1695, 615}};
  ui::CommandButton Command7{this, "Command7", Form1::tr("Очистка"), {120, 6960, 1455, 495}};
  ui::CommandButton Command8{this, "Command8", Form1::tr("Исследование"), {6960, 5040, 2175, 495}};
  ui::ScrollBar HScroll1{this, "HScroll1", ui::ScrollBar::Horizontal, 1,
                         8,    1,          {6840, 1080, 1335, 375}};
  ui::ScrollBar HScroll2{this, "HScroll2", ui::ScrollBar::Horizontal, 1,
                         8,    8,          {8640, 1080, 1215, 375}};

 private:
  void SetUpLook();
  void BindHandlers();
  // The spring animation: one frame, the pause after it, and the frame drawn again in white.
  void DrawSpringFrame();
  void SpringPause();
  void EraseSpringFrame(int j, double mass);
  // The ceiling line 1000 above the centre and the vertical axis.
  void DrawCeilingAndAxis();
  // The suspension circle, the spring of step j, its hook and the weight of the given mass.
  void DrawHangingWeight(ui::Color springColor, ui::Color weightColor, double mass, int j);
  // The weight's square, centred on the end of the hook.
  void DrawWeight(ui::Color color, double mass, int j);
  // The weight's level marked on the vertical axis.
  void DrawLevelMark(ui::Color color, int j);
  // How far the spring of step j reaches below the ceiling, picture units.
  double SpringStretch(int j) const;
};
