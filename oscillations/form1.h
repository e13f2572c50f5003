// SPDX-License-Identifier: GPL-3.0-or-later
// The main window of the LC circuit lesson: damped and undamped oscillations of u(t) and i(t)
// drawn point by point, and the resonance curve of a series circuit with resistance R.
#pragma once

#include <QCoreApplication>

#include <QString>

#include "form2.h"
#include "oscillationsquiz.h"
#include "ui/controls.h"

class Form1 : public ui::Form {
  Q_DECLARE_TR_FUNCTIONS(Form1)

 public:
  Form1();

  // The quiz window, loaded hidden with this one.
  Form2 form2{oscillationsQuiz()};

  // -1 while an animation loop may go on, 0 to stop it.
  qint16 Running = 0;
  // Factor of the pause after every point.
  double DelayFactor = 0;
  double PiValue = 0;
  // Base of the exponent of the damping factor.
  double EValue = 0;
  // Damping coefficient b, 1/s.
  double Damping = 0;
  // Amplitude of u and i alike, picture units.
  float Amplitude = 0;
  // Points per pi of time in the graphs; frequency step of the resonance sweep.
  float StepsPerPi = 0;
  // Time t of the graphs, s; angular frequency w of the resonance sweep, 1/s.
  double CurrentTime = 0;
  // w of the graphs or the resonance frequency w0, 1/s.
  double Omega = 0;
  // Last computed u (i in "График i", the current amplitude in the resonance sweep).
  double UValue = 0;
  double IValue = 0;
  int Counter = 0;
  // R, ohm.
  int Resistance = 0;
  // L, henry.
  double Inductance = 0;
  // C, farad.
  double Capacitance = 0;
  // Impedance of the series circuit at the sweep's frequency, ohm.
  double Impedance = 0;

  void Form_Load() override;
  void Form_Resize() override;
  void Form_Click() override;
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void HScroll1_Change();
  void HScroll2_Change();
  void HScroll3_Change();
  void VScroll1_Change();
  void Option1_Click();
  void Option2_Click();

  ui::CommandButton Command1{
      this, "Command1", Form1::tr("Очистка рисунка"), {9120, 6720, 1815, 735}};
  ui::CommandButton Command2{this, "Command2", Form1::tr("График i"), {9120, 5880, 1815, 615}};
  ui::CommandButton Command3{this, "Command3", Form1::tr("График u"), {9120, 5040, 1815, 615}};
  ui::CommandButton Command4{this, "Command4", Form1::tr("Оба"), {9120, 4440, 1815, 495}};
  ui::CommandButton Command5{this, "Command5", Form1::tr("Стоп"), {5640, 6960, 1215, 495}};
  ui::CommandButton Command6{
      this, "Command6", Form1::tr("Очистка параметров"), {7080, 6720, 1815, 735}};
  ui::CommandButton Command7{this, "Command7", Form1::tr("Резонанс"), {840, 240, 1575, 375}};
  ui::CommandButton Command8{
      this, "Command8", Form1::tr("Исследовать  колебания"), {6240, 240, 2295, 375}};
  ui::ScrollBar HScroll1{this, "HScroll1", ui::ScrollBar::Horizontal, 1,
                         10,   5,          {9000, 840, 1815, 375}};
  ui::ScrollBar HScroll2{this, "HScroll2", ui::ScrollBar::Horizontal, 1,
                         10,   5,          {9000, 1920, 1815, 375}};
  ui::ScrollBar HScroll3{this, "HScroll3", ui::ScrollBar::Horizontal, 10,
                         180,  50,         {7440, 6240, 1455, 375}};
  ui::ScrollBar HScroll4{this, "HScroll4", ui::ScrollBar::Horizontal, 1,
                         10,   1,          {3120, 240, 2775, 375}};
  ui::ScrollBar VScroll1{this, "VScroll1", ui::ScrollBar::Vertical, 5,
                         1,    2,          {10560, 2520, 375, 1695}};
  ui::OptionButton Option1{this, "Option1", "C", {9000, 3120, 1095, 255}};
  ui::OptionButton Option2{this, "Option2", "L", {9000, 3480, 1095, 255}};
  ui::PictureBox Picture1{this, "Picture1", {120, 720, 8655, 5000}};
  ui::Label Label1{this, "Label1", "Label1", {3360, 6840, 1215, 375}};
  ui::Label Label2{this, "Label2", "Label2", {9360, 3840, 1095, 375}};
  ui::Label Label3{this, "Label3", "Label3", {1080, 6840, 1215, 375}};
  ui::Label Label4{this, "Label4", "e=", {2880, 6840, 495, 375}};
  ui::Label Label5{this, "Label5", "b=", {8880, 3840, 375, 375}};
  ui::Label Label6{this, "Label6", "A=", {600, 6840, 495, 375}};
  ui::Label Label7{this, "Label7", "", {120, 6120, 5535, 735}};
  ui::Label Label8{this, "Label8", "L=", {9000, 360, 495, 495}};
  ui::Label Label9{this, "Label9", "C=", {9000, 1440, 495, 375}};
  ui::Label Label10{this, "Label10", Form1::tr("Затухание"), {9000, 2520, 1335, 375}};
  ui::Label Label11{this, "Label11", "", {9600, 360, 975, 495}};
  ui::Label Label12{this, "Label12", "", {9600, 1440, 975, 495}};
  ui::Label Label13{this, "Label13", Form1::tr(" Число точек"), {5880, 6240, 1335, 615}};
  ui::Label Label14{this, "Label14", "R=", {2640, 240, 495, 375}};

 private:
  enum class Curves { Current, Voltage, Both };
  enum class AxisSet { Full, Moving };

  void SetUpLook();
  void BindHandlers();
  // Picture1's user coordinates: x 0..1000 left to right, y -200..200 top to bottom.
  void ScalePicture();
  // Both axes with ticks; the x ticks read labelFactor·1..9. The moving set, redrawn at every
  // point of an animation, leaves out the y ticks.
  void DrawAxes(AxisSet set, int labelFactor);
  // The loop of "График i", "График u" and "Оба": one point of the chosen curves a pass.
  void AnimateGraph(Curves curves);
  QString FormulaText(Curves curves) const;
  // One point of a curve at x = 8·t, with a small circle round it.
  void PlotPoint(double x, double value, ui::Color color);
  // The resonance curve I(w) = 200 / Z(w) for w = 1..250, drawn at x = 4·w.
  void SweepResonance();
  // The pause after every point or pass: events run meanwhile, so "Стоп" can end the loop.
  void FramePause();
  // Shows both L and C scroll bars and clears the phase options.
  void ResetPhaseChoice();
};
