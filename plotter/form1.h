// SPDX-License-Identifier: GPL-3.0-or-later
// Plotter: graphs of preset functions, drawn whole, followed live from the scroll bars or traced
// point by point, and the demonstrations of a lesson on radio (modulation, detector,
// electromagnetic wave, two radar screens).
#pragma once

#include <QCoreApplication>

#include <QString>
#include <array>
#include <optional>

#include "number.h"
#include "ui/controls.h"

namespace plotter {

class Form1 : public ui::Form {
  Q_DECLARE_TR_FUNCTIONS(Form1)

 public:
  Form1();

  // Design sizes, twips.
  static constexpr double kDesignWidth = 12345;
  static constexpr double kDesignHeight = 6120;
  // Room in the radar's sweep tables; Form_Load fills entries 1..361.
  static constexpr int kSweepRoom = 1000;

  // Form variables, shared by all handlers and the loops that run inside each other.
  Number ParamA;           // a, shown in Label1
  Number ParamB;           // b, shown in Label2
  Number ParamC;           // c, shown in Label3
  double PiValue = 0;      // pi as the lesson takes it, 3.1415
  double XValue = 0;       // the running argument x (or t)
  double YValue = 0;       // the last computed function value
  double Y2Value = 0;      // the second function of "Command11"
  float YSingle = 0;       // a value held in single precision
  qint16 Running = 0;      // -1 while an animation may go on
  qint16 LiveMode = 0;     // -1 while the scroll bars redraw the live graph
  double DelayFactor = 0;  // the pause per point is DelayFactor * 5 ms
  float StepsPerPi = 0;    // points per pi
  double Omega = 0;        // angular frequency of "Command17", rad per unit of t
  Number CopyC;            // c of the cycloids
  double Counter = 0;      // table index at load, tick loops, cycloid parameter, beam index
  double TargetAngle = 0;  // radar target's angle index
  std::array<double, kSweepRoom + 1> SweepCos{};  // 800·Cos of (k - 1) degrees at index k
  std::array<double, kSweepRoom + 1> SweepSin{};  // 800·Sin of (k - 1) degrees at index k

  // Labels first, so they lie beneath the controls; of two overlapping labels the later one
  // lies on top, so that the values cover the ends of "a=", "b=", "c=" and of the formula line.
  ui::Label Label7{this, "Label7", "", {120, 4320, 9015, 495}};
  ui::Label Label4{this, "Label4", "a=", {360, 4920, 495, 495}};
  ui::Label Label5{this, "Label5", "b=", {2400, 4920, 375, 495}};
  ui::Label Label6{this, "Label6", "c=", {4680, 4920, 495, 495}};
  ui::Label Label1{this, "Label1", "Label1", {840, 4920, 1455, 495}};
  ui::Label Label2{this, "Label2", "Label2", {2760, 4920, 1815, 495}};
  ui::Label Label3{this, "Label3", "Label3", {5160, 4920, 2775, 495}};
  ui::PictureBox Picture1{this, "Picture1", {120, 120, 9375, 3615}};
  ui::CommandButton Command1{this, "Command1", Form1::tr("РЛС"), {11040, 4560, 1215, 495}};
  ui::CommandButton Command2{this, "Command2", "SIN(x)", {9720, 4560, 1215, 495}};
  ui::CommandButton Command3{
      this, "Command3", Form1::tr("Модуляция амплитудная"), {9720, 3840, 1215, 495}};
  ui::CommandButton Command4{this, "Command4", "Command4", {11040, 3840, 1215, 495}};
  ui::CommandButton Command5{this, "Command5", Form1::tr("Детектор"), {9720, 3240, 1215, 495}};
  ui::CommandButton Command7{this, "Command7", Form1::tr("НЧ сигнал"), {9720, 2640, 1215, 495}};
  ui::CommandButton Command8{this, "Command8", Form1::tr("Очистка"), {11040, 5280, 1215, 495}};
  ui::CommandButton Command10{
      this, "Command10", Form1::tr("Модуляция частотная"), {9720, 2040, 1215, 495}};
  ui::CommandButton Command11{this, "Command11", "Command11", {11040, 2040, 1215, 495}};
  ui::CommandButton Command12{this, "Command12", "Command12", {9720, 1440, 1215, 495}};
  ui::CommandButton Command13{this, "Command13", "Command13", {11040, 1440, 1215, 495}};
  ui::CommandButton Command14{this, "Command14", "Command14", {9720, 840, 1215, 495}};
  ui::CommandButton Command15{this, "Command15", "Command15", {11040, 840, 1215, 495}};
  ui::CommandButton Command16{this, "Command16", Form1::tr("Е-эл"), {9720, 240, 495, 495}};
  ui::CommandButton Command17{this, "Command17", "Command17", {9720, 5280, 1215, 495}};
  ui::CommandButton Command18{this, "Command18", Form1::tr("ЭЛМ волна"), {11040, 240, 1215, 495}};
  ui::CommandButton Command19{this, "Command19", "Command19", {8280, 5280, 1335, 495}};
  ui::CommandButton Command20{this, "Command20", Form1::tr("В-маг"), {10320, 240, 615, 495}};
  ui::ScrollBar HScroll1{this, "HScroll1", ui::ScrollBar::Horizontal, 1,
                         6,    5,          {1200, 5760, 1575, 255}};
  ui::ScrollBar HScroll2{this, "HScroll2", ui::ScrollBar::Horizontal, 1,
                         8,    5,          {3600, 5760, 1335, 255}};
  ui::ScrollBar HScroll3{this, "HScroll3", ui::ScrollBar::Horizontal, 10,
                         180,  120,        {5760, 5760, 1215, 255}};
  ui::ScrollBar VScroll1{this, "VScroll1", ui::ScrollBar::Vertical, 2,
                         8,    3,          {7440, 5160, 375, 855}};
  ui::OptionButton Option1{this, "Option1", Form1::tr("Вкл. метки"), {6840, 3840, 1215, 375}};
  ui::OptionButton Option2{this, "Option2", Form1::tr("Выкл. метки"), {8160, 3840, 1335, 375}};

  void Form_Load() override;
  void Form_Resize() override;
  void Form_Click() override;

  // The live graph; the scroll bars and "Command19" call it.
  void grud();
  // The detector's picture: the positive half-waves of the modulated carrier.
  void modul();

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command7_Click();
  void Command8_Click();
  void Command10_Click();
  void Command11_Click();
  void Command12_Click();
  void Command13_Click();
  void Command14_Click();
  void Command15_Click();
  void Command16_Click();
  void Command17_Click();
  void Command18_Click();
  void Command19_Click();
  void Command20_Click();
  void HScroll1_Change();
  void HScroll2_Change();
  void HScroll3_Change();
  void VScroll1_Change();
  void Option1_Click();
  void Option2_Click();

 private:
  void setUpLook();
  void bindHandlers();
  void fillSweepTables();
  // Every static preset starts here: no animation, fresh random numbers, a clear picture.
  void startStatic();

  // A black point at the origin, then the horizontal axis from (x1, 0) to (x2, 0); the same
  // for the vertical axis from (0, y1) to (0, y2). Each line starts with a step from the point.
  void drawAxes(double x1, double x2, double y1, double y2);
  // The parameters as the labels show them.
  void showParameters();
  // Points per pi from the bar, and x one step past zero.
  void readStepsPerPi();
  // The pause of an animation frame: events run meanwhile, so a button can end the loop.
  void framePause();
  // The frame every animated preset starts from: running, the scale, a transparent fill.
  void startAnimation(double x1, double y1, double x2, double y2);
  // A point of a moving trace with a small circle round it.
  void plotMoving(double x, double y, ui::Color color, double radius);

  // The cycloid of "Command12" and "Command13", mirrored below the axis when asked.
  void drawCycloid(bool mirrored);
  // "Е-эл" and "В-маг": one field of the wave in its colour.
  void drawOneField(ui::Color color);
  // The parameters and texts the wave pictures share; the scale and the axes.
  void startWavePicture();
  // The setting of the modulation pictures: their scale and axes.
  void carrierPicture();
  // Runs `atX` for x = -80·pi to 80·pi step pi/180.
  template <typename AtX>
  void overCarrier(AtX atX);

  // Beam index k of the sweep tables: (SweepCos(k), SweepSin(k)), or nothing when the index,
  // rounded as a table index is, falls outside the tables.
  std::optional<QPointF> sweep(double index) const;
  // A clear screen with its axes, the loop's flag set and the target's angle drawn.
  void radarStart();
  // Eight circles 100 units apart round the origin, drawn or erased.
  void rangeMarks(ui::Color color);
  // The beam from the origin at the angle index Counter, drawn or erased.
  void radarBeam(ui::Color color);
  void radarEcho();
  // The left end of the scan line of the second radar, at the height index Counter gives.
  std::optional<QPointF> scanLineStart() const;
  void scanLine(ui::Color color);
  void scanEcho();
};

}  // namespace plotter
