// SPDX-License-Identifier: GPL-3.0-or-later
// Fringes: two waves and their standing sum on a white picture, and for light of a chosen
// wavelength two-slit interference, a grating with its spectrum and a wavelength measurement on
// a grey one.
#pragma once

#include <QCoreApplication>

#include "waveform.h"

namespace fringes {

// The background of the light pictures.
constexpr ui::Color kGrey = ui::RGB(128, 128, 128);

class Form1 : public wave::WaveForm {
  Q_DECLARE_TR_FUNCTIONS(Form1)

 public:
  Form1();

  // Design sizes, twips.
  static constexpr double kDesignWidth = 11115;
  static constexpr double kDesignHeight = 7515;

  // Form variables of the light pictures.
  ui::Color WaveColour = 0;  // the colour of the chosen wavelength
  float ArcStep = 0;         // radius step of the interference wavefronts, picture units

  ui::CommandButton Command1{
      this, "Command1", Form1::tr("Очистка рисунка"), {9120, 6840, 1815, 615}};
  ui::CommandButton Command2{this, "Command2", Form1::tr("Волна1"), {9120, 5880, 1815, 615}};
  ui::CommandButton Command3{this, "Command3", Form1::tr("Волна2"), {9120, 5040, 1815, 615}};
  ui::CommandButton Command4{this, "Command4", Form1::tr("Обе"), {9120, 4440, 1815, 495}};
  ui::CommandButton Command5{this, "Command5", Form1::tr("Стоп"), {6000, 6960, 975, 495}};
  ui::CommandButton Command6{
      this, "Command6", Form1::tr("Очистка параметров"), {7080, 6840, 1815, 615}};
  ui::CommandButton Command7{this, "Command7", Form1::tr("Дифракция"), {8880, 2400, 1695, 375}};
  ui::CommandButton Command8{this, "Command8", Form1::tr("Интерференция"), {8880, 1800, 1815, 375}};
  ui::CommandButton Command9{
      this, "Command9", Form1::tr("Измерение длины волны"), {9000, 3720, 2055, 495}};
  ui::CheckBox Check1{this, "Check1", Form1::tr("Спектр"), {9000, 2880, 1575, 375}};
  ui::CheckBox Check2{this, "Check2", Form1::tr("Пучности"), {9000, 3240, 1575, 495}};
  ui::ScrollBar HScroll1{this, "HScroll1", ui::ScrollBar::Horizontal, 1,
                         10,   5,          {9000, 480, 1815, 375}};
  ui::ScrollBar HScroll2{this, "HScroll2", ui::ScrollBar::Horizontal, 1,
                         10,   5,          {9000, 960, 1815, 375}};
  ui::ScrollBar HScroll3{this, "HScroll3", ui::ScrollBar::Horizontal, 400,
                         760,  400,        {6960, 6120, 1935, 495}};
  ui::ScrollBar VScroll1{this, "VScroll1", ui::ScrollBar::Vertical, 50,
                         1,    1,          {10680, 2280, 375, 1335}};
  ui::PictureBox Picture1{this, "Picture1", {120, 240, 8655, 5775}};
  // The spectrum strip lies over the wavelength bar, whose upper edge stays free to click.
  ui::PictureBox Picture2{this, "Picture2", {7200, 6240, 1455, 375}};
  ui::Label Label1{this, "Label1", "Label1", {3360, 6840, 1215, 375}};
  ui::Label Label3{this, "Label3", "Label3", {1080, 6840, 1215, 375}};
  ui::Label Label4{this, "Label4", "e=", {2880, 6840, 495, 375}};
  ui::Label Label6{this, "Label6", "U=", {600, 6840, 495, 375}};
  ui::Label Label7{this, "Label7", "", {120, 6120, 5655, 735}};
  ui::Label Label8{this, "Label8", "L=", {9000, 0, 495, 495}};
  ui::Label Label9{this, "Label9", "C=", {9000, 1440, 495, 375}};
  ui::Label Label11{this, "Label11", "Label11", {9600, 0, 1095, 495}};
  ui::Label Label12{this, "Label12", "Label12", {9600, 1440, 1095, 495}};
  ui::Label Label13{this, "Label13", " 1", {6120, 6120, 735, 375}};
  ui::Label Label14{this, "Label14", "L=", {5880, 6120, 375, 375}};

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
  void Command9_Click();
  void HScroll1_Change();
  void HScroll2_Change();
  void HScroll3_Change();
  void VScroll1_Change();

 protected:
  // With "Пучности" checked the white pass leaves the sum: its traces fill the envelope.
  void wavePass(bool erasing) override { twoWavePass(erasing, Check2.value() == 0); }

 private:
  void startWaves(qint16 showI, qint16 showU, qint16 showSum, const QString& title);
  void showSpectrum();

  // The light pictures (lightpictures.cpp): a loop of frames, each drawn in the colour of the
  // wavelength on HScroll3, held for the pause and partly wiped in the picture's background.
  using FramePart = void (Form1::*)();
  void runLightPicture(FramePart draw, FramePart erase);
  void lightAxes();
  void takeWaveColour();
  void drawInterference();
  void eraseInterference();
  void wavefronts(double slitY, double startAngle, double endAngle, ui::Color colour, int width);
  void drawGrating();
  void incomingLight();
  void screenAt(double x);
  void drawDiffraction();
  void eraseDiffraction();
  void drawMeasurement();
  void eraseMeasurement();
  void firstOrderMark(ui::Color colour);
  // A point at (x, y) and a line from it by (dx, dy); `then` continues from the line's end.
  void from(double x, double y, double dx, double dy, ui::Color colour);
  void then(double dx, double dy, ui::Color colour);
  // The reach of the last wavefront, where the interference screen stands.
  double screenX() const { return 700 + 20 * double(StepsPerPi) / 200; }
};

}  // namespace fringes
